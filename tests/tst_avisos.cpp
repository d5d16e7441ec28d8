// Every message box shows the characters of its message exactly, whatever the user typed:
// markup and character references in a typed text are shown as typed.

#include "apoyo.h"

#include "form1.h"
#include "reloj.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Caja {
    QMessageBox::Icon icono;
    QString mostrado; // what the box's label puts on screen
};

// What a label shows of its text: the text itself, or, where the label takes it for markup,
// what the markup renders to.
QString Mostrado(const QLabel& etiqueta) {
    const bool marcado =
        etiqueta.textFormat() == Qt::RichText ||
        (etiqueta.textFormat() == Qt::AutoText && Qt::mightBeRichText(etiqueta.text()));
    if (!marcado)
        return etiqueta.text();
    QTextDocument documento;
    documento.setHtml(etiqueta.text());
    return documento.toPlainText();
}

// Answers every box that opens and keeps what it showed.
class Cajas : public QObject {
public:
    Cajas() {
        reloj_.setInterval(5);
        connect(&reloj_, &QTimer::timeout, this, &Cajas::Revisar);
        reloj_.start();
    }
    QList<Caja> Tomar() { return std::exchange(vistas_, {}); }

private:
    void Revisar() {
        for (QWidget* ventana : QApplication::topLevelWidgets()) {
            auto* caja = qobject_cast<QMessageBox*>(ventana);
            if (caja == nullptr || !caja->isVisible() || caja->property("visto").toBool())
                continue;
            caja->setProperty("visto", true);
            const auto* etiqueta = caja->findChild<QLabel*>(u"qt_msgbox_label"_s);
            vistas_.append({caja->icon(), etiqueta ? Mostrado(*etiqueta) : u"(no label)"_s});
            caja->button(QMessageBox::Ok)->click();
        }
    }
    QTimer reloj_;
    QList<Caja> vistas_;
};

} // namespace

class PruebasAvisos : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup() { ventana_.reset(); }

    void textoTalCual_data();
    void textoTalCual();

private:
    void Escribir(const QString& nombre, const QString& texto);

    std::unique_ptr<TForm1> ventana_;
};

void PruebasAvisos::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana_ = std::make_unique<TForm1>();
}

void PruebasAvisos::Escribir(const QString& nombre, const QString& texto) {
    QObject* control = ventana_->findChild<QObject*>(nombre);
    if (auto* edicion = qobject_cast<QLineEdit*>(control))
        edicion->setText(texto);
    else if (auto* lista = qobject_cast<QComboBox*>(control))
        lista->setEditText(texto);
    else
        QFAIL(qPrintable(u"no field named "_s + nombre));
}

void PruebasAvisos::textoTalCual_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("error"); // error icon; otherwise none
    QTest::addColumn<QString>("mensaje");
    const QString noEsNumero = u" is not a valid floating point value."_s;
    QTest::newRow("input check, bold tag")
        << u"EPVPNuevo"_s << u"1<b>2"_s << true << u"'01<b>2'"_s + noEsNumero;
    QTest::newRow("input check, italic element")
        << u"EKilometros"_s << u"<i>x</i>"_s << true << u"'0<i>x</i>'"_s + noEsNumero;
    QTest::newRow("input check, references and a tag")
        << u"EKilometros"_s << u"5&lt;6&amp;<b>"_s << true << u"'05&lt;6&amp;<b>'"_s + noEsNumero;
    QTest::newRow("month refused")
        << u"EMesFabricacion"_s << u"<b>Octubre</b>"_s << true
        << u"Mes Fabricac: '<b>Octubre</b>' no es ningún mes. Elija uno de la lista, de Enero a "
           "Diciembre."_s;
    QTest::newRow("year refused")
        << u"EAnoFabricacion"_s << u"1800 &lt;<i>x</i>"_s << true
        << u"Año Fabricac: '1800 &lt;<i>x</i>' no es un año de fabricación posible. Escriba un "
           "año entre 1886 y 9999."_s;
    QTest::newRow("missing input")
        << u"EPVPNuevo"_s << QString() << false << u"Falta por cubrir Precio Coche Nuevo\r\n"_s;
}

void PruebasAvisos::textoTalCual() {
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QFETCH(bool, error);
    QFETCH(QString, mensaje);
    Cajas cajas;
    Escribir(campo, texto);
    ventana_->findChild<QPushButton*>(u"Button3"_s)->click();
    const QList<Caja> vistas = cajas.Tomar();
    QCOMPARE(vistas.size(), 1);
    QCOMPARE(vistas[0].icono, error ? QMessageBox::Critical : QMessageBox::NoIcon);
    QCOMPARE(vistas[0].mostrado, mensaje);
}

MORVEX_TEST_MAIN(PruebasAvisos)
#include "tst_avisos.moc"
