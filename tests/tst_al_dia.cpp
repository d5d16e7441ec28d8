// Printing: a sheet whose results are not what its inputs give now goes to paper only when the
// user says so, through a question before the print preview; a sheet that is up to date goes
// straight to the preview. The valuation asks when an input changed since "Calcular Precio"; the
// certificate scores at once, and asks where a run could not score (an unreadable exchange
// value) or a result was written over.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "numeros.h"
#include "reloj.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const char* const kResultados[] = {"EPuntosObtenidos", "ETotalCoste", "EPorcentaje",
                                   "EPVPValoracion",   "EPVPCambio",  "EPVPCompra"};
const QString kPregunta = u"Los resultados no corresponden a los datos de la hoja."_s;

} // namespace

class PruebasAlDia : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void preguntaPorCadaCambio_data();
    void preguntaPorCadaCambio();
    void sinPreguntaAlDia_data();
    void sinPreguntaAlDia();
    void respuestas_data();
    void respuestas();
    void certificado_data();
    void certificado();

private:
    template <class T = QLineEdit> T* Control(const char* nombre) {
        return ventana->findChild<T*>(QString::fromLatin1(nombre));
    }
    // Makes one of the changes the tables name.
    void Cambiar(const QString& cambio);
    QStringList Resultados() const {
        QStringList textos;
        for (const char* nombre : kResultados)
            textos << Texto(*ventana, nombre);
        return textos;
    }
    // Every text, tick and rating of the sheet.
    QStringList Hoja() const;
    struct Impresion {
        bool vista = false;     // the print preview opened
        QStringList resultados; // the six results while it was open
    };
    // "Imprimir" pressed, or Ctrl+P; the preview, if it opens, is closed at once. Returns when
    // the request has ended, or when the preview `esperada` has opened.
    Impresion PedirImpresion(bool teclado, bool esperada) {
        return PedirImpresion(*ventana, teclado, esperada, [this] { return Resultados(); });
    }
    Impresion PedirImpresion(QWidget& hoja, bool teclado, bool esperada,
                             const std::function<QStringList()>& resultados);

    Avisos avisos;
    std::unique_ptr<TForm1> ventana;
};

void PruebasAlDia::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana = std::make_unique<TForm1>();
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
}

void PruebasAlDia::cleanup() {
    ventana.reset();
    FijarSeparadorDecimal(QLatin1Char(','));
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

QStringList PruebasAlDia::Hoja() const {
    QStringList hoja;
    for (const QLineEdit* campo : ventana->findChildren<QLineEdit*>())
        hoja << campo->objectName() + u'=' + campo->text();
    for (const QComboBox* lista : ventana->findChildren<QComboBox*>())
        hoja << lista->objectName() + u'=' + lista->currentText();
    for (const QAbstractButton* boton : ventana->findChildren<QAbstractButton*>()) {
        if (boton->isChecked())
            hoja << boton->objectName();
    }
    return hoja;
}

void PruebasAlDia::Cambiar(const QString& cambio) {
    const auto escribir = [this](const char* nombre, const QString& texto) {
        return [this, nombre, texto] { Control(nombre)->setText(texto); };
    };
    const auto elegir = [this](const char* nombre, const QString& texto) {
        return [this, nombre, texto] { Control<QComboBox>(nombre)->setEditText(texto); };
    };
    const auto pulsar = [this](const char* nombre) {
        return [this, nombre] {
            auto* boton = Control<QAbstractButton>(nombre);
            QTest::mouseClick(boton, Qt::LeftButton, {}, boton->rect().center());
        };
    };
    const std::map<QString, std::function<void()>> cambios = {
        {u"price new"_s, escribir("EPVPNuevo", u"40000"_s)},
        {u"odometer"_s, escribir("EKilometros", u"90000"_s)},
        {u"month"_s, elegir("EMesFabricacion", u"Noviembre"_s)},
        {u"year"_s, elegir("EAnoFabricacion", u"2008"_s)},
        {u"special box"_s, pulsar("CEspecial1")},
        {u"rating"_s, pulsar("CP4Bien")},
        {u"cost"_s, escribir("EMotor", u"200,5"_s)},
        {u"result typed over"_s, escribir("EPVPCambio", u"20000"_s)},
        {u"month turned"_s, [] { FijarReloj(MomentoDePrueba(2010, 4)); }},
        {u"decimal separator"_s, [] { FijarSeparadorDecimal(QLatin1Char('.')); }},
        {u"odometer missing"_s, escribir("EKilometros", QString())},
        {u"no such month"_s, elegir("EMesFabricacion", u"Octubr"_s)},
        {u"failed calculation"_s,
         [&] {
             escribir("EPintura", u"12,5"_s)();
             elegir("EAnoFabricacion", u"x+"_s)();
             pulsar("Button5")();
             QCOMPARE(avisos.Tomar().size(), 1);
             QCOMPARE(Texto(*ventana, "ETotalCoste"), u"12,5"_s); // partial results
         }},
        {u"year that fails"_s,
         [&] {
             escribir("EPintura", u"12,5"_s)();
             elegir("EAnoFabricacion", u"x+"_s)();
         }},
        {u"calculated again"_s,
         [&] {
             escribir("EPVPNuevo", u"40000"_s)();
             pulsar("Button3")();
         }},
        {u"what takes no part"_s,
         [&] {
             pulsar("CGasolina")();
             pulsar("CLeasing")();
             escribir("EMarca", u"1.9 TDI"_s)();
             escribir("EPVPVendedor", u"12.500"_s)();
             elegir("ENombreMarca", u"SEAT"_s)();
         }},
        {u"same values retyped"_s,
         [&] {
             escribir("EPVPNuevo", u"31470,00"_s)();
             escribir("EPintura", QString())();
             elegir("EAnoFabricacion", u"2007,4"_s)();
         }},
        {u"none"_s, [] {}},
    };
    cambios.at(cambio)();
}

PruebasAlDia::Impresion
PruebasAlDia::PedirImpresion(QWidget& hoja, bool teclado, bool esperada,
                             const std::function<QStringList()>& resultados) {
    Impresion impresion;
    QTimer espera;
    espera.setInterval(10);
    connect(&espera, &QTimer::timeout, this, [&impresion, &resultados] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialogo == nullptr || qobject_cast<QMessageBox*>(dialogo) != nullptr ||
            !dialogo->isVisible() || impresion.vista)
            return;
        impresion.vista = true;
        impresion.resultados = resultados();
        dialogo->reject();
    });
    espera.start();
    if (teclado) {
        hoja.activateWindow();
        if (!QTest::qWaitForWindowActive(&hoja))
            return impresion;
        QTest::keyClick(&hoja, Qt::Key_P, Qt::ControlModifier);
    } else {
        QTest::mouseClick(hoja.findChild<QPushButton*>(u"ButtonImprimir"_s), Qt::LeftButton);
    }
    // A preview is slow to render under the sanitizers; the wait ends as soon as it shows.
    if (!esperada || !QTest::qWaitFor([&impresion] { return impresion.vista; }, 30000))
        QTest::qWait(100);
    return impresion;
}

void PruebasAlDia::preguntaPorCadaCambio_data() {
    QTest::addColumn<QString>("cambio");
    for (const char* cambio : {"price new", "odometer", "month", "year", "special box", "rating",
                               "cost", "result typed over", "month turned", "decimal separator",
                               "odometer missing", "no such month", "failed calculation"})
        QTest::newRow(cambio) << QString::fromLatin1(cambio);
}

// Any input that changes what the calculation writes, a result typed over, another month or
// another decimal separator, and inputs that cannot be computed: the question comes before
// anything is printed. "Cancelar" prints nothing and changes nothing.
void PruebasAlDia::preguntaPorCadaCambio() {
    QFETCH(QString, cambio);
    Cambiar(cambio);
    const QStringList antes = Hoja();
    avisos.Responder(u"Cancelar"_s);
    const Impresion impresion = PedirImpresion(false, false);
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    const Aviso& pregunta = vistos[0];
    QCOMPARE(pregunta.titulo, kTituloAplicacion);
    QCOMPARE(pregunta.icono, QMessageBox::Question);
    const QStringList lineas = pregunta.texto.split(u'\n');
    QCOMPARE(lineas.size(), 2);
    QCOMPARE(lineas[0], kPregunta);
    QVERIFY(lineas[1].contains(u"Calcular e imprimir"_s));
    QCOMPARE(pregunta.botones,
             (QStringList{u"Calcular e imprimir"_s, u"Imprimir así"_s, u"Cancelar"_s}));
    QCOMPARE(pregunta.porDefecto, u"Calcular e imprimir"_s);
    QVERIFY(!impresion.vista);
    QCOMPARE(Hoja(), antes);
}

void PruebasAlDia::sinPreguntaAlDia_data() {
    QTest::addColumn<QString>("cambio");
    QTest::newRow("worked example as it opens") << u"none"_s;
    QTest::newRow("new data, calculated") << u"calculated again"_s;
    QTest::newRow("fuel, leasing, identity, seller's price") << u"what takes no part"_s;
    QTest::newRow("inputs retyped, same values") << u"same values retyped"_s;
}

// The results shown are what the inputs give: straight to the preview, the sheet untouched.
void PruebasAlDia::sinPreguntaAlDia() {
    QFETCH(QString, cambio);
    Cambiar(cambio);
    const QStringList antes = Hoja();
    const Impresion impresion = PedirImpresion(false, true);
    QVERIFY(impresion.vista);
    QCOMPARE(impresion.resultados, Resultados());
    QCOMPARE(Hoja(), antes);
}

void PruebasAlDia::respuestas_data() {
    QTest::addColumn<QString>("cambio");
    QTest::addColumn<QString>("respuesta");
    QTest::addColumn<bool>("teclado");
    QTest::addColumn<bool>("vista");
    QTest::addColumn<QStringList>("despues"); // the boxes after the question
    QTest::addColumn<QString>("resultados");  // "frescos", "como estaban", "parciales"
    const QString calcular = u"Calcular e imprimir"_s;
    // clang-format off
    QTest::newRow("Calcular e imprimir") << u"price new"_s << calcular << false << true
        << QStringList() << u"frescos"_s;
    QTest::newRow("Calcular e imprimir, by Ctrl+P") << u"price new"_s << calcular << true << true
        << QStringList() << u"frescos"_s;
    QTest::newRow("Calcular e imprimir, an input missing: its message")
        << u"odometer missing"_s << calcular << false << false
        << QStringList{u"Falta por cubrir Kilometros Cuadro\r\n"_s} << u"como estaban"_s;
    QTest::newRow("Calcular e imprimir, a failure: its message, what it wrote")
        << u"year that fails"_s << calcular << false << false
        << QStringList{u"'+' is not a valid floating point value."_s} << u"parciales"_s;
    QTest::newRow("Imprimir así") << u"price new"_s << u"Imprimir así"_s << false << true
        << QStringList() << u"como estaban"_s;
    QTest::newRow("Imprimir así, inputs that cannot be computed")
        << u"no such month"_s << u"Imprimir así"_s << false << true << QStringList()
        << u"como estaban"_s;
    QTest::newRow("Cancelar") << u"price new"_s << u"Cancelar"_s << false << false
        << QStringList() << u"como estaban"_s;
    QTest::newRow("Escape") << u"price new"_s << u"Escape"_s << false << false << QStringList()
        << u"como estaban"_s;
    // clang-format on
}

void PruebasAlDia::respuestas() {
    QFETCH(QString, cambio);
    QFETCH(QString, respuesta);
    QFETCH(bool, teclado);
    QFETCH(bool, vista);
    QFETCH(QStringList, despues);
    QFETCH(QString, resultados);
    Cambiar(cambio);
    const QStringList antes = Resultados();
    const QStringList hojaAntes = Hoja();
    avisos.Responder(respuesta);
    const Impresion impresion = PedirImpresion(teclado, vista);
    const QList<Aviso> vistos = avisos.Tomar();
    QVERIFY(!vistos.isEmpty());
    QVERIFY(vistos[0].texto.startsWith(kPregunta));
    QCOMPARE(vistos[0].respuesta, respuesta);
    QStringList otros;
    for (qsizetype i = 1; i < vistos.size(); ++i)
        otros << vistos[i].texto;
    QCOMPARE(otros, despues);
    QCOMPARE(impresion.vista, vista);

    if (resultados == u"frescos"_s) {
        QVERIFY(Resultados() != antes);
        QCOMPARE(impresion.resultados, Resultados()); // computed before the preview showed
        QTest::mouseClick(Control<QPushButton>("Button3"), Qt::LeftButton);
        QCOMPARE(impresion.resultados, Resultados()); // "Calcular Precio" finds nothing new
    } else if (resultados == u"parciales"_s) {
        // As "Calcular Precio" leaves them: the points and the costs, up to the failing year.
        QStringList parciales = antes;
        parciales[1] = u"12,5"_s;
        QCOMPARE(Resultados(), parciales);
    } else {
        QCOMPARE(Hoja(), hojaAntes);
        if (vista)
            QCOMPARE(impresion.resultados, antes);
    }
}

void PruebasAlDia::certificado_data() {
    QTest::addColumn<QString>("cambio");
    QTest::addColumn<QString>("respuesta"); // empty: no question
    QTest::addColumn<bool>("vista");
    QTest::addColumn<QStringList>("despues"); // the boxes after the question
    const QString calcular = u"Calcular e imprimir"_s;
    const QStringList ilegible{u"'-' is not a valid floating point value."_s};
    // clang-format off
    QTest::newRow("scored at once: no question") << u"rating"_s << QString() << true << QStringList();
    QTest::newRow("unreadable value, Imprimir así") << u"unreadable"_s << u"Imprimir así"_s << true << QStringList();
    QTest::newRow("unreadable value, Calcular e imprimir: its message") << u"unreadable"_s << calcular << false << ilegible;
    QTest::newRow("unreadable value, Cancelar") << u"unreadable"_s << u"Cancelar"_s << false << QStringList();
    QTest::newRow("price written over, Calcular e imprimir") << u"written over"_s << calcular << true << QStringList();
    // clang-format on
}

// The certificate: item 1 rated "Mal" and a fault typed score at once, so its paper never shows
// the all-"Bien" figures beside them; where the exchange value cannot be read, no run can
// score them, and printing asks first.
void PruebasAlDia::certificado() {
    QFETCH(QString, cambio);
    QFETCH(QString, respuesta);
    QFETCH(bool, vista);
    QFETCH(QStringList, despues);
    TForm2 certificado;
    certificado.show();
    QVERIFY(QTest::qWaitForWindowExposed(&certificado));
    const auto control = [&certificado](const char* nombre) {
        return certificado.findChild<QWidget*>(QString::fromLatin1(nombre));
    };
    certificado.RecibirValoracion({u"1.9 TDI"_s, u"VSSZZZ1MZ8B000001"_s, u"1234 BCD"_s, u"31470"_s,
                                   u"300"_s, u"10000"_s, u"15000"_s, u"7"_s, u"SEAT"_s,
                                   u"Familiar"_s});
    Proteger(&certificado, [&certificado] { certificado.PrepararCertificado(); });
    const auto resultados = [&control] {
        return QStringList{
            static_cast<QLineEdit*>(control("EPuntosTotales"))->text(),
            static_cast<QLineEdit*>(control("EPrecioCompra"))->text(),
            static_cast<QPlainTextEdit*>(control("MemoDefectosEncontrados"))->toPlainText()};
    };
    const QStringList todoBien = resultados();
    if (cambio == u"unreadable"_s) {
        static_cast<QLineEdit*>(control("EPrecioCambio"))->setText(u"-"_s);
        QCOMPARE(avisos.Tomar().size(), 1);
    }
    QTest::mouseClick(control("CV1Mal"), Qt::LeftButton);
    static_cast<QPlainTextEdit*>(control("MemoAverias"))->setPlainText(u"P0300"_s);
    avisos.Tomar();
    const QStringList puntuados = resultados();
    if (cambio == u"written over"_s)
        static_cast<QLineEdit*>(control("EPrecioCompra"))->setText(u"99999"_s);
    const QStringList antes = resultados();
    QCOMPARE(antes == todoBien, cambio == u"unreadable"_s); // no run could score them

    if (!respuesta.isEmpty())
        avisos.Responder(respuesta);
    const Impresion impresion = PedirImpresion(certificado, false, vista, resultados);
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(impresion.vista, vista);
    if (respuesta.isEmpty()) {
        QVERIFY(vistos.isEmpty());
        QCOMPARE(impresion.resultados, antes);
        return;
    }
    QVERIFY(!vistos.isEmpty());
    QCOMPARE(vistos[0].texto.split(u'\n').value(0), kPregunta);
    QVERIFY(vistos[0].texto.contains(u"«Calcular»"_s));
    QCOMPARE(vistos[0].respuesta, respuesta);
    QStringList otros;
    for (qsizetype i = 1; i < vistos.size(); ++i)
        otros << vistos[i].texto;
    QCOMPARE(otros, despues);
    if (cambio == u"written over"_s) {
        QCOMPARE(impresion.resultados, puntuados); // scored again before the preview
    } else {
        QCOMPARE(resultados(), antes);
    }
}

MORVEX_TEST_MAIN(PruebasAlDia)
#include "tst_al_dia.moc"
