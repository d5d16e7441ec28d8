// What a screen reader is sent as the user works: the accessibility events of each step, few
// enough that a reader keeps up, and each step's sentence said once, after the step's own
// events, so that it is still there when the reader gets to it.

#include "apoyo.h"

#include "anuncio.h"
#include "form1.h"
#include "form2.h"
#include "programa.h"
#include "reloj.h"
#include "vista_previa.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One accessibility event as a reader's bridge gets it; a notification shown carries its
// sentence.
struct Evento {
    QAccessible::Event tipo;
    QString objeto;
    QString frase;
    QString ventana; // of a notification: the window it says the sentence in
};

// Everything Qt hands the screen-reader bridge while it lives.
class Escucha {
public:
    Escucha() {
        activa_ = this;
        anterior_ = QAccessible::installUpdateHandler(&Escucha::Recibir);
    }
    ~Escucha() {
        QAccessible::installUpdateHandler(anterior_);
        activa_ = nullptr;
    }
    Escucha(const Escucha&) = delete;
    Escucha& operator=(const Escucha&) = delete;

    void Vaciar() { eventos_.clear(); }
    const QList<Evento>& Eventos() const { return eventos_; }
    // The sentences said, in order.
    QStringList Frases() const {
        QStringList frases;
        for (const Evento& e : eventos_) {
            if (!e.frase.isEmpty())
                frases << e.frase;
        }
        return frases;
    }
    // The windows they were said in, by class.
    QStringList Ventanas() const {
        QStringList ventanas;
        for (const Evento& e : eventos_) {
            if (!e.frase.isEmpty())
                ventanas << e.ventana;
        }
        return ventanas;
    }
    qsizetype Cuantos(QAccessible::Event tipo, const QString& objeto) const {
        return std::count_if(eventos_.begin(), eventos_.end(),
                             [&](const Evento& e) { return e.tipo == tipo && e.objeto == objeto; });
    }
    // How many events came before the first sentence, and how many after it.
    std::pair<qsizetype, qsizetype> AlrededorDeLaFrase() const {
        for (qsizetype i = 0; i < eventos_.size(); ++i) {
            if (!eventos_.at(i).frase.isEmpty())
                return {i, eventos_.size() - i - 1};
        }
        return {eventos_.size(), 0};
    }
    QString Resumen() const {
        QMap<QString, int> cuenta;
        for (const Evento& e : eventos_)
            ++cuenta[QString::number(e.tipo, 16) + u' ' + e.objeto];
        QStringList lineas;
        for (auto i = cuenta.cbegin(); i != cuenta.cend(); ++i)
            lineas << QString::number(i.value()) + u"x 0x"_s + i.key();
        return lineas.join(u'\n');
    }

private:
    static void Recibir(QAccessibleEvent* evento) {
        if (activa_ == nullptr)
            return;
        QObject* objeto = evento->object();
        Evento e{evento->type(), objeto != nullptr ? objeto->objectName() : QString(), {}, {}};
        if (objeto != nullptr && e.objeto.isEmpty())
            e.objeto = QString::fromLatin1(objeto->metaObject()->className());
        if (evento->type() == QAccessible::ObjectShow && objeto != nullptr &&
            objeto->objectName() == u"Anuncio"_s) {
            QAccessibleInterface* interfaz = evento->accessibleInterface();
            e.frase = interfaz != nullptr ? interfaz->text(QAccessible::Name) : QString();
            e.ventana = QString::fromLatin1(
                static_cast<QWidget*>(objeto)->window()->metaObject()->className());
        }
        activa_->eventos_.append(e);
    }

    static inline Escucha* activa_ = nullptr;
    QAccessible::UpdateHandler anterior_ = nullptr;
    QList<Evento> eventos_;
};

enum class Paso { Traspaso, Regreso, Calificacion, TeclaNueva, TeclaDentro, CalcularPrecio };

enum class Momento { Deshacer, CalcularEImprimir, PaginaPasada, UltimaPagina };

} // namespace

Q_DECLARE_METATYPE(Paso)
Q_DECLARE_METATYPE(Momento)

class PruebasAnuncios : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SilenciarPlataforma();
        // The screen reader's bridge takes a moment to find the accessibility bus.
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    }
    void init();
    void cleanup();

    void eventosPorPaso_data();
    void eventosPorPaso();
    void lineaDeAveriasAlPasoDeQuienEscribe();
    void frasesDeCadaPaso_data();
    void frasesDeCadaPaso();

private:
    void AlCertificado() {
        QTest::mouseClick(En(programa_->Form1(), u"Button2"_s), Qt::LeftButton);
        QTRY_COMPARE(QApplication::activeWindow(), &programa_->Form2());
    }

    Avisos avisos_;
    std::unique_ptr<Programa> programa_;
};

void PruebasAnuncios::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    programa_ = std::make_unique<Programa>();
    programa_->Mostrar();
    QVERIFY(QTest::qWaitForWindowActive(&programa_->Form1()));
}

void PruebasAnuncios::cleanup() {
    programa_.reset();
    QVERIFY2(avisos_.Vacio(), qPrintable(avisos_.Resumen()));
}

void PruebasAnuncios::eventosPorPaso_data() {
    QTest::addColumn<Paso>("paso");
    QTest::addColumn<int>("limite");
    QTest::addColumn<QString>("frase"); // what the step says, from its start
    // The first hand-over rates each of the 55 items "Bien", one event each: a later one tells
    // only the rows that change.
    QTest::newRow("hand-over") << Paso::Traspaso << 100 << QString();
    QTest::newRow("return") << Paso::Regreso << 40 << u"Tasación nueva"_s;
    QTest::newRow("a rating") << Paso::Calificacion << 15 << u"Puntuación obtenida"_s;
    QTest::newRow("a key that starts a fault")
        << Paso::TeclaNueva << 10 << u"Puntuación obtenida"_s;
    QTest::newRow("a key inside a fault") << Paso::TeclaDentro << 10 << QString();
    QTest::newRow("Calcular Precio") << Paso::CalcularPrecio << 10 << u"Valor de uso"_s;
}

void PruebasAnuncios::eventosPorPaso() {
    QFETCH(Paso, paso);
    QFETCH(int, limite);
    QFETCH(QString, frase);
    TForm1& v = programa_->Form1();
    TForm2& c = programa_->Form2();
    Escucha escucha;
    auto* averias = En<QPlainTextEdit>(c, u"MemoAverias"_s);
    // What comes before the step is not counted.
    if (paso != Paso::Traspaso && paso != Paso::CalcularPrecio)
        AlCertificado();
    if (paso == Paso::TeclaNueva || paso == Paso::TeclaDentro) {
        averias->setFocus();
        QTest::keyClicks(averias, u"P0300"_s);
        QTest::keyClick(averias, Qt::Key_Return);
        if (paso == Paso::TeclaDentro)
            QTest::keyClicks(averias, u"P01"_s);
    }
    if (paso == Paso::CalcularPrecio) {
        auto* precio = En<QLineEdit>(v, u"EPVPNuevo"_s);
        precio->selectAll();
        QTest::keyClicks(precio, u"28000"_s);
    }
    QTest::qWait(100);
    escucha.Vaciar();

    switch (paso) {
    case Paso::Traspaso:
        AlCertificado();
        break;
    case Paso::Regreso:
        QTest::mouseClick(En(c, u"Button2"_s), Qt::LeftButton);
        break;
    case Paso::Calificacion:
        QTest::mouseClick(En(c, u"CV3Mal"_s), Qt::LeftButton);
        break;
    case Paso::TeclaNueva:
        QTest::keyClick(averias, Qt::Key_P);
        break;
    case Paso::TeclaDentro:
        QTest::keyClick(averias, Qt::Key_7);
        break;
    case Paso::CalcularPrecio:
        QTest::mouseClick(En(v, u"Button3"_s), Qt::LeftButton);
        break;
    }
    QTest::qWait(600);
    const qsizetype eventos = escucha.Eventos().size();
    qInfo().noquote() << QTest::currentDataTag() << eventos << "events\n" << escucha.Resumen();
    QVERIFY2(eventos <= limite, qPrintable(escucha.Resumen()));
    // Said once, after everything else the step sent.
    const QStringList frases = escucha.Frases();
    if (frase.isEmpty()) {
        QCOMPARE(frases, QStringList());
    } else {
        QCOMPARE(frases.size(), 1);
        QVERIFY2(frases.first().startsWith(frase), qPrintable(frases.first()));
        QCOMPARE(escucha.AlrededorDeLaFrase().second, 0);
    }
}

// A fault line typed at 100 ms a character: each key's events are few, and the key that makes
// the line a fault is followed, before the next key, by the new score.
void PruebasAnuncios::lineaDeAveriasAlPasoDeQuienEscribe() {
    TForm2& c = programa_->Form2();
    AlCertificado();
    auto* averias = En<QPlainTextEdit>(c, u"MemoAverias"_s);
    averias->setFocus();
    QTest::qWait(100);
    Escucha escucha;
    const QString linea = u"P0300"_s;
    for (qsizetype i = 0; i < linea.size(); ++i) {
        escucha.Vaciar();
        QTest::keyClicks(averias, linea.mid(i, 1));
        QTest::qWait(100);
        QVERIFY2(escucha.Eventos().size() <= 10, qPrintable(escucha.Resumen()));
        const QStringList esperadas =
            i == 0 ? QStringList{u"Puntuación obtenida 7,5, puntuación total 7,5 sobre 10."_s}
                   : QStringList();
        QCOMPARE(escucha.Frases(), esperadas);
        QCOMPARE(escucha.AlrededorDeLaFrase().second, 0);
    }
}

void PruebasAnuncios::frasesDeCadaPaso_data() {
    QTest::addColumn<Momento>("momento");
    QTest::addColumn<QString>("frase");   // its start
    QTest::addColumn<QString>("ventana"); // where it is said
    QTest::newRow("Ctrl+Z after the return: the results put back, in the certificate")
        << Momento::Deshacer << u"Valor de uso "_s << u"TForm2"_s;
    // A dialog's sentences are said by the window it belongs to: a reader says a notification in
    // a dialog with the dialog's title and captions first.
    QTest::newRow("Calcular e imprimir: the new results, while the preview is up")
        << Momento::CalcularEImprimir << u"Valor de uso "_s << u"TForm1"_s;
    QTest::newRow("PageDown: the page, once")
        << Momento::PaginaPasada << u"Página 2 de 3"_s << u"TForm2"_s;
    QTest::newRow("PageDown on the last page: nothing")
        << Momento::UltimaPagina << QString() << QString();
}

// Each step that changes what the user cannot see from the focus says it once, after its own
// events, in the window the user is in.
void PruebasAnuncios::frasesDeCadaPaso() {
    QFETCH(Momento, momento);
    QFETCH(QString, frase);
    QFETCH(QString, ventana);
    TForm1& v = programa_->Form1();
    TForm2& c = programa_->Form2();
    // A price the results do not show yet.
    auto* precio = En<QLineEdit>(v, u"EPVPNuevo"_s);
    precio->selectAll();
    QTest::keyClicks(precio, u"28000"_s);
    if (momento == Momento::Deshacer) {
        QTest::mouseClick(En(v, u"Button3"_s), Qt::LeftButton);
        AlCertificado();
        QTest::qWait(1000);
        QTest::mouseClick(En(c, u"Button2"_s), Qt::LeftButton);
        QTRY_COMPARE(QApplication::activeWindow(), &v);
        QTest::qWait(1000);
    }
    if (momento == Momento::PaginaPasada || momento == Momento::UltimaPagina)
        AlCertificado();
    QTest::qWait(100);
    Escucha escucha;
    // The preview, once open, gets its keys; the sentences of a step are heard before it closes.
    AlAbrirse<TVistaPrevia> enVista([momento, &escucha](TVistaPrevia& vista) {
        QTest::qWait(300);
        if (momento == Momento::UltimaPagina) {
            QTest::keyClick(&vista, Qt::Key_End);
            QTest::qWait(600);
            escucha.Vaciar();
        }
        if (momento == Momento::PaginaPasada || momento == Momento::UltimaPagina)
            QTest::keyClick(&vista, Qt::Key_PageDown);
        QTest::qWait(600);
        vista.reject();
    });
    switch (momento) {
    case Momento::Deshacer:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::activeWindow(), &c);
        QTest::qWait(600);
        break;
    case Momento::CalcularEImprimir:
        avisos_.Responder(u"Calcular e imprimir"_s);
        QTest::keyClick(&v, Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(enVista.hecho, 30000);
        break;
    case Momento::PaginaPasada:
    case Momento::UltimaPagina:
        QTest::keyClick(&c, Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(enVista.hecho, 30000);
        break;
    }
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
    avisos_.Tomar();
    if (frase.isEmpty()) {
        QCOMPARE(escucha.Frases(), QStringList());
        return;
    }
    // Once, and the last of the step's own events while the preview was open.
    const QStringList frases = escucha.Frases();
    QCOMPARE(frases.size(), 1);
    QVERIFY2(frases.first().startsWith(frase), qPrintable(frases.first()));
    QCOMPARE(escucha.Ventanas(), QStringList{ventana});
    // The page's caption changes unheard: the notification alone says it.
    QCOMPARE(escucha.Cuantos(QAccessible::NameChanged, u"LabelPagina"_s), 0);
}

MORVEX_TEST_MAIN(PruebasAnuncios)
#include "tst_anuncios.moc"
