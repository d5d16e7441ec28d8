// Nothing typed is lost by one key: Ctrl+Z, or the undo bar's button, undoes the return from the
// certificate, which resets the valuation, and closing the program with typed data asks first.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "general.h"
#include "programa.h"
#include "reloj.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWindow>
#include <memory>

using namespace Qt::StringLiterals;

class PruebasSinPerdida : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void ctrlZDeshaceElRegreso_data();
    void ctrlZDeshaceElRegreso();
    void ctrlZYaNoDeshace_data();
    void ctrlZYaNoDeshace();
    void cerrarPreguntaConDatos_data();
    void cerrarPreguntaConDatos();
    void regresarDelCertificadoNoPregunta();

private:
    // The valuation as a dealer leaves it: typed, ticked, chosen and rated, calculated, and a
    // figure typed after the calculation, so that the results shown are not what a calculation
    // would give now.
    void LlenarValoracion();
    void AlCertificado() { QTest::mouseClick(En(programa_->Form1(), "Button2"), Qt::LeftButton); }
    void ALaValoracion() { QTest::mouseClick(En(programa_->Form2(), "Button2"), Qt::LeftButton); }
    Avisos avisos_;
    std::unique_ptr<Programa> programa_;
};

void PruebasSinPerdida::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    programa_ = std::make_unique<Programa>();
    programa_->Mostrar();
    QVERIFY(QTest::qWaitForWindowActive(&programa_->Form1()));
}

void PruebasSinPerdida::cleanup() {
    programa_.reset();
    QVERIFY2(avisos_.Vacio(), qPrintable(avisos_.Resumen()));
}

void PruebasSinPerdida::LlenarValoracion() {
    TForm1& v = programa_->Form1();
    Teclear(En(v, "EMarca"), u"Golf GTI"_s);
    Teclear(En(v, "EMatricula"), u"1234 BCD"_s);
    Teclear(En(v, "EPVPNuevo"), u"28000"_s);
    Teclear(En(v, "EPintura"), u"350"_s);
    QTest::mouseClick(En(v, "CEspecial1"), Qt::LeftButton);
    QTest::mouseClick(En(v, "CNacional"), Qt::LeftButton);
    QTest::mouseClick(En(v, "CP2Bien"), Qt::LeftButton);
    QTest::mouseClick(En(v, "CP7Mal"), Qt::LeftButton);
    QTest::keyClick(En(v, "ENombreMarca"), Qt::Key_Down); // the first brand of the list
    QTest::keyClick(En(v, "EMesesLeasing"), Qt::Key_Down);
    QTest::mouseClick(En(v, "Button3"), Qt::LeftButton);
    Teclear(En(v, "EKilometros"), u"190000"_s);
    QCOMPARE(En<QComboBox>(v, "ENombreMarca")->currentIndex(), 0);
}

void PruebasSinPerdida::ctrlZDeshaceElRegreso_data() {
    QTest::addColumn<QString>("foco");
    QTest::newRow("from an edit field") << u"EMarca"_s;
    QTest::newRow("from a result field") << u"EPVPCompra"_s;
    QTest::newRow("from a button") << u"Button3"_s;
    QTest::newRow("from the return's own button") << u"Button2"_s;
    QTest::newRow("from a list") << u"EAnoFabricacion"_s;
    QTest::newRow("from a rating row") << u"CP1Normal"_s;
    QTest::newRow("the undo bar's button clicked") << u"BotonDeshacer"_s;
}

void PruebasSinPerdida::ctrlZDeshaceElRegreso() {
    QFETCH(QString, foco);
    TForm1& v = programa_->Form1();
    TForm2& c = programa_->Form2();
    LlenarValoracion();
    const QString calculado = Texto(v, "EPVPValoracion");
    AlCertificado();
    QTRY_COMPARE(QApplication::activeWindow(), &c);
    QTest::mouseClick(En(c, BotonLista(3, "Mal").toLatin1().constData()), Qt::LeftButton);
    QTest::mouseClick(En(c, "CITV"), Qt::LeftButton, {}, En(c, "CITV")->rect().center());
    QTest::keyClicks(En(c, "EProtocoloUCE"), u"KWP2000"_s);
    auto* averias = En<QPlainTextEdit>(c, "MemoAverias");
    averias->setFocus();
    QTest::keyClicks(averias, u"P0300"_s);
    QTest::keyClick(averias, Qt::Key_Return);
    QTest::keyClicks(averias, u"P0171"_s);
    // The score these changes gave is announced once the event loop takes over again.
    QCoreApplication::processEvents();
    const QStringList valoracion = DatosVisibles(v);
    const QStringList certificado = EstadoVisible(c);
    QCOMPARE(certificado.last(), u"MemoAverias"_s);

    // The return, pressed as a screen reader's action would, without moving the focus.
    En<QPushButton>(c, "Button2")->click();
    QTRY_COMPARE(QApplication::activeWindow(), &v);
    QCOMPARE(Texto(v, "EMarca"), QString());
    QCOMPARE(v.accessibleDescription(), DeTabla(kTasacionNueva));
    QCOMPARE(UltimoAnuncio(&v), DeTabla(kTasacionNueva));
    QVERIFY(!v.DatosEscritos());
    QVERIFY(En(v, "AvisoDeshacer")->isVisible());
    QCOMPARE(Texto(v, "LabelAvisoDeshacer"), u"Tasación nueva."_s);

    if (foco == u"BotonDeshacer"_s)
        QTest::mouseClick(En(v, "BotonDeshacer"), Qt::LeftButton);
    else
        CtrlZ(En(v, qPrintable(foco)));
    QVERIFY(!En(v, "AvisoDeshacer")->isVisible());
    QCOMPARE(DatosVisibles(v), valoracion);
    QVERIFY(v.DatosEscritos());
    QCOMPARE(v.accessibleDescription(), QString());
    // The certificate in front as it was left, its focus where it was.
    QTRY_COMPARE(QApplication::activeWindow(), &c);
    QCOMPARE(EstadoVisible(c), certificado);
    QCOMPARE(QApplication::focusWidget(), averias);
    // The results put back are heard once, as a change.
    QTRY_VERIFY(UltimoAnuncio(&v).contains(u"valor de uso "_s + calculado, Qt::CaseInsensitive));

    // One level: the key now does what it does without a return to undo.
    v.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &v);
    const QStringList restaurada = DatosVisibles(v);
    CtrlZ(En(v, "Button3"));
    QCOMPARE(DatosVisibles(v), restaurada);
    QCOMPARE(QApplication::activeWindow(), &v);

    // Nothing was calculated: a calculation now gives other results.
    QTest::mouseClick(En(v, "Button3"), Qt::LeftButton);
    QCOMPARE(Texto(v, "EPVPValoracion") == calculado, false);
}

void PruebasSinPerdida::ctrlZYaNoDeshace_data() {
    QTest::addColumn<QString>("accion");
    QTest::newRow("a key typed") << u"tecla"_s;
    QTest::newRow("a box ticked") << u"casilla"_s;
    QTest::newRow("a rating moved by an arrow key") << u"flecha"_s;
    QTest::newRow("a list item chosen") << u"lista"_s;
    QTest::newRow("handed over again") << u"entrega"_s;
}

void PruebasSinPerdida::ctrlZYaNoDeshace() {
    QFETCH(QString, accion);
    TForm1& v = programa_->Form1();
    LlenarValoracion();
    AlCertificado();
    ALaValoracion();
    QTRY_COMPARE(QApplication::activeWindow(), &v);
    auto* marca = En<QLineEdit>(v, "EMarca");
    QWidget* pulsar = En(v, "Button3");
    if (accion == u"tecla"_s) {
        QTest::keyClicks(marca, u"X"_s);
        pulsar = marca; // the field undoes its own typing
    } else if (accion == u"casilla"_s)
        QTest::mouseClick(En(v, "CEspecial2"), Qt::LeftButton);
    else if (accion == u"flecha"_s) {
        En(v, "CP4Normal")->setFocus();
        QTest::keyClick(En(v, "CP4Normal"), Qt::Key_Right);
        QVERIFY(En<QRadioButton>(v, "CP4Bien")->isChecked());
    } else if (accion == u"lista"_s)
        QTest::keyClick(En(v, "ETipoVehiculo"), Qt::Key_Down);
    else {
        AlCertificado();
        QTRY_COMPARE(QApplication::activeWindow(), &programa_->Form2());
        v.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &v);
    }
    QCOMPARE(v.accessibleDescription(), QString());
    const QStringList antes = DatosVisibles(v);

    CtrlZ(pulsar);
    QCOMPARE(Texto(v, "EPVPNuevo"), u"31470"_s); // still the worked example
    QCOMPARE(QApplication::activeWindow(), &v);
    if (accion == u"tecla"_s) {
        QCOMPARE(marca->text(), QString());
        QVERIFY(v.DatosEscritos());
    } else
        QCOMPARE(DatosVisibles(v), antes);
}

// Each way of closing the valuation, with and without typed data, for each answer.
void PruebasSinPerdida::cerrarPreguntaConDatos_data() {
    QTest::addColumn<QString>("camino");
    QTest::addColumn<QString>("datos");
    QTest::addColumn<QString>("respuesta"); // empty: no question
    const struct {
        const char* datos;
        const char* nombre;
        bool pregunta;
        // clang-format off
    } casos[] = {
        {"ninguno", "the worked example as it starts", false},
        {"programa", "only the program's writes: Calcular, Ejemplo, the certificate", false},
        {"reset", "typed, then reset by the return", false},
        {"valoracion", "a field of the valuation typed", true},
        {"casilla", "a box of the valuation ticked", true},
        {"lista", "a list item of the valuation chosen", true},
        {"certificado", "a field of the certificate typed, the certificate closed", true},
        {"calificacion", "a rating of the certificate chosen", true},
        {"averias", "the fault memory typed", true},
        {"deshecho", "typed, reset by the return, undone", true},
    };
    // clang-format on
    for (const char* camino : {"Regresar", "cierre"}) {
        for (const auto& caso : casos) {
            const QStringList respuestas =
                caso.pregunta ? QStringList{u"Cerrar"_s, u"Cancelar"_s, u"Escape"_s}
                              : QStringList{QString()};
            for (const QString& respuesta : respuestas) {
                const QString nombre =
                    QStringLiteral("%1, %2%3")
                        .arg(QLatin1String(camino), QLatin1String(caso.nombre),
                             respuesta.isEmpty() ? QString() : u", "_s + respuesta);
                QTest::newRow(qPrintable(nombre))
                    << QString::fromLatin1(camino) << QString::fromLatin1(caso.datos) << respuesta;
            }
        }
    }
}

void PruebasSinPerdida::cerrarPreguntaConDatos() {
    QFETCH(QString, camino);
    QFETCH(QString, datos);
    QFETCH(QString, respuesta);
    TForm1& v = programa_->Form1();
    TForm2& c = programa_->Form2();
    if (datos == u"programa"_s) {
        QTest::mouseClick(En(v, "Button6"), Qt::LeftButton);
        QTest::mouseClick(En(v, "Button3"), Qt::LeftButton);
        AlCertificado();
        QTest::mouseClick(En(c, "Button3"), Qt::LeftButton);
    } else if (datos == u"reset"_s || datos == u"deshecho"_s) {
        LlenarValoracion();
        AlCertificado();
        ALaValoracion();
        QTRY_COMPARE(QApplication::activeWindow(), &v);
        if (datos == u"deshecho"_s)
            CtrlZ(En(v, "Button3"));
    } else if (datos == u"valoracion"_s)
        QTest::keyClicks(En(v, "EBastidor"), u"W"_s);
    else if (datos == u"casilla"_s)
        QTest::mouseClick(En(v, "CLeasing"), Qt::LeftButton);
    else if (datos == u"lista"_s)
        QTest::keyClick(En(v, "EMesFabricacion"), Qt::Key_Down);
    else if (datos != u"ninguno"_s) {
        AlCertificado();
        if (datos == u"certificado"_s) {
            QTest::keyClicks(En(c, "ENumTaller"), u"7"_s);
            QTest::mouseClick(En(c, "BitBtn13"), Qt::LeftButton);
        } else if (datos == u"calificacion"_s)
            QTest::mouseClick(En(c, BotonLista(20, "Regular").toLatin1().constData()),
                              Qt::LeftButton);
        else
            QTest::keyClicks(En(c, "MemoAverias"), u"P0420"_s);
    }
    QVERIFY2(avisos_.Vacio(), qPrintable(avisos_.Resumen()));
    if (camino == u"Regresar"_s)
        En(v, "BitBtn13")->setFocus(); // as the click will
    QCoreApplication::processEvents();
    const bool certificadoVisible = c.isVisible();
    const QStringList antes1 = EstadoVisible(v);
    const QStringList antes2 = EstadoVisible(c);

    QSignalSpy fin(&v, &TForm1::cerrado);
    if (!respuesta.isEmpty())
        avisos_.Responder(respuesta);
    if (camino == u"Regresar"_s)
        QTest::mouseClick(En(v, "BitBtn13"), Qt::LeftButton);
    else
        v.windowHandle()->close(); // as the window manager's close box and Alt+F4 ask

    const QList<Aviso> vistos = avisos_.Tomar();
    const bool cierra = respuesta.isEmpty() || respuesta == u"Cerrar"_s;
    QCOMPARE(fin.count(), cierra ? 1 : 0);
    QCOMPARE(v.isVisible(), !cierra);
    if (respuesta.isEmpty()) {
        QCOMPARE(vistos.size(), 0);
        return;
    }
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].titulo, kTituloAplicacion);
    QCOMPARE(vistos[0].texto, u"¿Cerrar el programa? Se perderán los datos escritos."_s);
    QStringList botones = vistos[0].botones;
    botones.sort();
    QCOMPARE(botones, (QStringList{u"Cancelar"_s, u"Cerrar"_s}));
    QCOMPARE(vistos[0].porDefecto, u"Cancelar"_s);
    QCOMPARE(vistos[0].respuesta, respuesta);
    if (!cierra) {
        QCOMPARE(c.isVisible(), certificadoVisible);
        QCOMPARE(EstadoVisible(v), antes1);
        QCOMPARE(EstadoVisible(c), antes2);
    }
}

// "Regresar" on the certificate only hides it, whatever was typed there.
void PruebasSinPerdida::regresarDelCertificadoNoPregunta() {
    TForm2& c = programa_->Form2();
    AlCertificado();
    QTest::keyClicks(En(c, "EInfoAdicional1"), u"Ana"_s);
    QTest::mouseClick(En(c, "BitBtn13"), Qt::LeftButton);
    QVERIFY(!c.isVisible());
    QVERIFY(programa_->Form1().isVisible());
    QCOMPARE(Texto(c, "EInfoAdicional1"), u"Ana"_s);
    QVERIFY(avisos_.Vacio());
}

MORVEX_TEST_MAIN(PruebasSinPerdida)
#include "tst_sin_perdida.moc"
