// Every overwrite the program makes for the user can be taken back: the worked example and a
// certificate prepared again over typed work, by Ctrl+Z and by the undo bar's "Deshacer"; the
// bar itself; a field's own undo after an overwrite; and a scoring failure reported once.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "general.h"
#include "programa.h"
#include "reloj.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The ratings the user gives the certificate: item and rating.
constexpr std::pair<int, const char*> kCalificaciones[] = {
    {3, "Mal"}, {20, "Regular"}, {47, "Mal"}};

} // namespace

class PruebasDeshacer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void ejemploSeDeshace_data();
    void ejemploSeDeshace();
    void ejemploSinCambiosDejaLaOferta();
    void preparacionSeDeshace_data();
    void preparacionSeDeshace();
    void preparacionSinNadaEscritoNoOfrece();
    void historiaPropiaEmpiezaDeNuevo_data();
    void historiaPropiaEmpiezaDeNuevo();
    void barraSinFocoNiLugarNiPapel();
    void falloSeAvisaUnaVez();
    void clicSeguidoNoCuenta();

private:
    // Takes the offer standing as `como` says, with the focus in `foco`: "Ctrl+Z" from it, or
    // the bar's button clicked.
    void Deshacer(QWidget& ventana, const QString& como, const char* foco) {
        if (como != u"Deshacer"_s) {
            CtrlZ(En(ventana, foco));
            return;
        }
        En(ventana, foco)->setFocus();
        QTest::mouseClick(En(ventana, "BotonDeshacer"), Qt::LeftButton);
    }
    static bool BarraVisible(QWidget& ventana) {
        return ventana.findChild<QWidget*>(u"AvisoDeshacer"_s)->isVisible();
    }
    // The valuation typed, ticked and rated, calculated, and a figure typed after: the results
    // shown are not what a calculation would give now.
    void LlenarValoracion();
    // The certificate's own work: a control-unit field, two faults, three ratings and the ITV.
    // The signature names are not typed: their boxes are read-only, filled by hand on paper.
    void LlenarCertificado();
    void AlCertificado() { QTest::mouseClick(En(programa_->Form1(), "Button2"), Qt::LeftButton); }
    Avisos avisos_;
    std::unique_ptr<Programa> programa_;
};

void PruebasDeshacer::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    programa_ = std::make_unique<Programa>();
    programa_->Mostrar();
    QVERIFY(QTest::qWaitForWindowActive(&programa_->Form1()));
}

void PruebasDeshacer::cleanup() {
    programa_.reset();
    QVERIFY2(avisos_.Vacio(), qPrintable(avisos_.Resumen()));
}

void PruebasDeshacer::LlenarValoracion() {
    TForm1& v = programa_->Form1();
    Teclear(En(v, "EMatricula"), u"1234 BCD"_s);
    Teclear(En(v, "EPVPNuevo"), u"28000"_s);
    Teclear(En(v, "EPintura"), u"350"_s);
    Teclear(En(v, "EPVPVendedor"), u"9000"_s);
    Teclear(En(v, "EAnoFabricacion"), u"2005"_s);
    QTest::mouseClick(En(v, "CEspecial1"), Qt::LeftButton);
    QTest::mouseClick(En(v, "CP7Mal"), Qt::LeftButton);
    QTest::mouseClick(En(v, "Button3"), Qt::LeftButton);
    Teclear(En(v, "EKilometros"), u"190000"_s);
    QCoreApplication::processEvents(); // the calculation's results are heard
}

void PruebasDeshacer::LlenarCertificado() {
    TForm2& c = programa_->Form2();
    Teclear(En(c, "EProtocoloUCE"), u"KWP2000"_s);
    auto* averias = En<QPlainTextEdit>(c, "MemoAverias");
    averias->setFocus();
    QTest::keyClicks(averias, u"P0300"_s);
    QTest::keyClick(averias, Qt::Key_Return);
    QTest::keyClicks(averias, u"P0171"_s);
    for (const auto& [n, calificacion] : kCalificaciones)
        QTest::mouseClick(En(c, BotonLista(n, calificacion)), Qt::LeftButton);
    QTest::mouseClick(En(c, "CITV"), Qt::LeftButton, {}, En(c, "CITV")->rect().center());
}

void PruebasDeshacer::ejemploSeDeshace_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<QString>("foco");
    QTest::newRow("Ctrl+Z from a field the example wrote") << u"Ctrl+Z"_s << u"EPVPNuevo"_s;
    QTest::newRow("Ctrl+Z from a list") << u"Ctrl+Z"_s << u"EAnoFabricacion"_s;
    QTest::newRow("Ctrl+Z from the example's button") << u"Ctrl+Z"_s << u"Button6"_s;
    QTest::newRow("Deshacer clicked, the focus in a field") << u"Deshacer"_s << u"EKilometros"_s;
    QTest::newRow("Deshacer clicked, the focus on a button") << u"Deshacer"_s << u"Button3"_s;
}

void PruebasDeshacer::ejemploSeDeshace() {
    QFETCH(QString, como);
    QFETCH(QString, foco);
    TForm1& v = programa_->Form1();
    LlenarValoracion();
    const QStringList antes = DatosVisibles(v);
    const QString valorDeUso = Texto(v, "EPVPValoracion");

    QTest::mouseClick(En(v, "Button6"), Qt::LeftButton);
    QCOMPARE(Texto(v, "EPVPNuevo"), u"31470"_s);
    QCOMPARE(Texto(v, "EKilometros"), u"83680"_s);
    QVERIFY(BarraVisible(v));
    QCOMPARE(Texto(v, "LabelAvisoDeshacer"), u"Ejemplo de cálculo cargado."_s);
    QCOMPARE(v.accessibleDescription(), DeTabla(kEjemploCargado));
    // The sentence, then the results the example changed, in page order.
    const QString anuncio = UltimoAnuncio(&v);
    QVERIFY2(anuncio.startsWith(DeTabla(kEjemploCargado) + u" Depreciación "_s),
             qPrintable(anuncio));
    QVERIFY2(anuncio.contains(u"valor de uso "_s + Texto(v, "EPVPValoracion") + u" euros"_s),
             qPrintable(anuncio));

    Deshacer(v, como, qPrintable(foco));
    QCOMPARE(DatosVisibles(v), antes);
    QVERIFY(!BarraVisible(v));
    QCOMPARE(v.accessibleDescription(), QString());
    QCOMPARE(QApplication::activeWindow(), &v);
    // The focus stays where the user had it, so what is typed next goes there.
    QCOMPARE(QApplication::focusWidget(), En(v, qPrintable(foco)));
    // Heard as a change of results.
    QTRY_VERIFY(UltimoAnuncio(&v).contains(u"valor de uso "_s + valorDeUso, Qt::CaseInsensitive));

    // Nothing was calculated: the results put back are the ones shown, which a calculation
    // now changes (the kilometres typed after the last one).
    QTest::mouseClick(En(v, "Button3"), Qt::LeftButton);
    QVERIFY(Texto(v, "EPVPValoracion") != valorDeUso);
    // One level: the key now does what it does without an overwrite to undo.
    const QStringList calculada = DatosVisibles(v);
    CtrlZ(En(v, "Button3"));
    QCOMPARE(DatosVisibles(v), calculada);
}

// The example over the example writes nothing new: the return's undo stays on offer.
void PruebasDeshacer::ejemploSinCambiosDejaLaOferta() {
    TForm1& v = programa_->Form1();
    LlenarValoracion();
    const QStringList antes = DatosVisibles(v);
    AlCertificado();
    QTest::mouseClick(En(programa_->Form2(), "Button2"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::activeWindow(), &v);
    QCOMPARE(Texto(v, "LabelAvisoDeshacer"), u"Tasación nueva."_s);

    QTest::mouseClick(En(v, "Button6"), Qt::LeftButton);
    QCOMPARE(Texto(v, "LabelAvisoDeshacer"), u"Tasación nueva."_s);
    QCOMPARE(v.accessibleDescription(), DeTabla(kTasacionNueva));
    QTest::mouseClick(En(v, "BotonDeshacer"), Qt::LeftButton);
    QCOMPARE(DatosVisibles(v), antes);
    QTRY_COMPARE(QApplication::activeWindow(), &programa_->Form2());
}

void PruebasDeshacer::preparacionSeDeshace_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<QString>("foco");
    QTest::newRow("Ctrl+Z from a rating") << u"Ctrl+Z"_s << u"CV5Bien"_s;
    QTest::newRow("Ctrl+Z from the fault memory") << u"Ctrl+Z"_s << u"MemoAverias"_s;
    QTest::newRow("Ctrl+Z from a field the preparation emptied")
        << u"Ctrl+Z"_s << u"EProtocoloUCE"_s;
    QTest::newRow("Deshacer clicked, the focus in the fault memory")
        << u"Deshacer"_s << u"MemoAverias"_s;
}

void PruebasDeshacer::preparacionSeDeshace() {
    QFETCH(QString, como);
    QFETCH(QString, foco);
    TForm1& v = programa_->Form1();
    TForm2& c = programa_->Form2();
    AlCertificado();
    QTRY_COMPARE(QApplication::activeWindow(), &c);
    LlenarCertificado();
    QCoreApplication::processEvents();
    const QString totalAntes = Texto(c, "EPuntosTotales");
    const QStringList inspeccion = {Texto(c, "EProtocoloUCE"), Texto(c, "MemoAverias")};
    QVERIFY(!inspeccion.contains(QString()));

    // Back to the valuation by the certificate's "Regresar", a new plate and other valuation
    // points, and the certificate asked for again.
    QTest::mouseClick(En(c, "BitBtn13"), Qt::LeftButton);
    v.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &v);
    Teclear(En(v, "EMatricula"), u"9876 XYZ"_s);
    QTest::mouseClick(En(v, "CP8MuyMal"), Qt::LeftButton);
    QTest::mouseClick(En(v, "Button3"), Qt::LeftButton);
    AlCertificado();
    QTRY_COMPARE(QApplication::activeWindow(), &c);
    QCOMPARE(Texto(c, "EProtocoloUCE"), QString());
    QVERIFY(!En<QCheckBox>(c, "CITV")->isChecked());
    QVERIFY(BarraVisible(c));
    QCOMPARE(Texto(c, "LabelAvisoDeshacer"), u"Certificado preparado de nuevo."_s);
    QCOMPARE(c.accessibleDescription(), DeTabla(kCertificadoPreparado));
    QCOMPARE(UltimoAnuncio(&c), DeTabla(kCertificadoPreparado));
    QVERIFY(!c.DatosEscritos());
    const QString totalNuevo = Texto(c, "EPuntosTotales");

    Deshacer(c, como, qPrintable(foco));
    QVERIFY(!BarraVisible(c));
    QCOMPARE(c.accessibleDescription(), QString());
    QCOMPARE(QApplication::focusWidget(), En(c, qPrintable(foco)));
    QCOMPARE((QStringList{Texto(c, "EProtocoloUCE"), Texto(c, "MemoAverias")}), inspeccion);
    for (const auto& [n, calificacion] : kCalificaciones)
        QVERIFY(En<QRadioButton>(c, BotonLista(n, calificacion))->isChecked());
    QVERIFY(En<QRadioButton>(c, BotonLista(5, "Bien"))->isChecked());
    QVERIFY(En<QCheckBox>(c, "CITV")->isChecked());
    QVERIFY(c.DatosEscritos());
    // The new hand-over stays; the score is the old inspection's on it.
    QCOMPARE(Texto(c, "EMatricula"), u"9876 XYZ"_s);
    const QString total = Texto(c, "EPuntosTotales");
    QVERIFY(total != totalAntes);
    QVERIFY(total != totalNuevo);
    QVERIFY(Texto(c, "MemoDefectosEncontrados").startsWith(u"3.-"_s));
    const QStringList puntuado = DatosVisibles(c);
    QTest::mouseClick(En(c, "Button3"), Qt::LeftButton);
    QCOMPARE(DatosVisibles(c), puntuado);
    QTRY_VERIFY(UltimoAnuncio(&c).contains(u"puntuación total "_s + total, Qt::CaseInsensitive));
}

// A preparation that replaces nothing the user gave offers nothing.
void PruebasDeshacer::preparacionSinNadaEscritoNoOfrece() {
    TForm2& c = programa_->Form2();
    AlCertificado();
    QTRY_COMPARE(QApplication::activeWindow(), &c);
    QVERIFY(!BarraVisible(c));
    QTest::mouseClick(En(c, "BitBtn13"), Qt::LeftButton);
    AlCertificado();
    QTRY_COMPARE(QApplication::activeWindow(), &c);
    QVERIFY(!BarraVisible(c));
    QCOMPARE(c.accessibleDescription(), QString());
    const QStringList antes = DatosVisibles(c);
    CtrlZ(En(c, "CV1Bien"));
    QCOMPARE(DatosVisibles(c), antes);
}

// After an overwrite, a field's own Ctrl+Z undoes what was typed in it since, and stops there.
void PruebasDeshacer::historiaPropiaEmpiezaDeNuevo_data() {
    QTest::addColumn<QString>("sobrescritura");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("escrito");  // by the overwrite
    QTest::addColumn<QString>("tecleado"); // before it
    QTest::newRow("the return, a plate")
        << u"regreso"_s << u"EMatricula"_s << QString() << u"20031"_s;
    QTest::newRow("the return, a price")
        << u"regreso"_s << u"EPVPNuevo"_s << u"31470"_s << u"20031"_s;
    QTest::newRow("the example, a price")
        << u"ejemplo"_s << u"EPVPNuevo"_s << u"31470"_s << u"20031"_s;
    QTest::newRow("the example, a list")
        << u"ejemplo"_s << u"EAnoFabricacion"_s << u"2007"_s << u"20031"_s;
    QTest::newRow("a preparation, a control-unit field")
        << u"preparacion"_s << u"EProtocoloUCE"_s << QString() << u"20031"_s;
    // The overwrite's text is the one typed: the field still forgets what came before it.
    QTest::newRow("the example, a price typed as the example's")
        << u"ejemplo"_s << u"EPVPNuevo"_s << u"31470"_s << u"31470"_s;
    QTest::newRow("the example, a year typed as the example's")
        << u"ejemplo"_s << u"EAnoFabricacion"_s << u"2007"_s << u"2007"_s;
}

void PruebasDeshacer::historiaPropiaEmpiezaDeNuevo() {
    QFETCH(QString, sobrescritura);
    QFETCH(QString, campo);
    QFETCH(QString, escrito);
    QFETCH(QString, tecleado);
    const QByteArray nombre = campo.toLatin1();
    TForm1& v = programa_->Form1();
    TForm2& c = programa_->Form2();
    const bool certificado = sobrescritura == u"preparacion"_s;
    if (certificado) {
        AlCertificado();
        QTRY_COMPARE(QApplication::activeWindow(), &c);
    }
    QWidget& ventana = certificado ? static_cast<QWidget&>(c) : v;
    auto* control = En(ventana, nombre.constData());
    Teclear(control, tecleado);
    auto* edicion = qobject_cast<QLineEdit*>(control);
    if (edicion == nullptr)
        edicion = control->findChild<QLineEdit*>();
    QVERIFY(edicion->isUndoAvailable());

    if (sobrescritura == u"regreso"_s) {
        AlCertificado();
        QTest::mouseClick(En(c, "Button2"), Qt::LeftButton);
        QTRY_COMPARE(QApplication::activeWindow(), &v);
    } else if (sobrescritura == u"ejemplo"_s)
        QTest::mouseClick(En(v, "Button6"), Qt::LeftButton);
    else {
        QTest::mouseClick(En(c, "BitBtn13"), Qt::LeftButton);
        AlCertificado();
        QTRY_COMPARE(QApplication::activeWindow(), &c);
    }
    QCOMPARE(Texto(ventana, nombre.constData()), escrito);
    QVERIFY(!edicion->isUndoAvailable());
    control->setFocus();
    QTest::keyClick(control, Qt::Key_End);
    QTest::keyClicks(control, u"9"_s); // ends the offer: the field's own undo takes the key
    QVERIFY(!BarraVisible(ventana));
    // Each press: the text from before the overwrite must not come back, even on the way.
    for (int i = 0; i < 4; ++i) {
        CtrlZ(control);
        QCOMPARE(Texto(ventana, nombre.constData()), escrito);
    }
}

// The bar: in view without taking the focus or moving a control, reached by Tab, gone when the
// offer ends, never on paper.
void PruebasDeshacer::barraSinFocoNiLugarNiPapel() {
    TForm1& v = programa_->Form1();
    auto* caja = En<QScrollArea>(v, "ScrollBox1");
    // Where the frame's controls and two of the sheet's stand.
    const auto lugares = [&] {
        QStringList lugar;
        for (const char* nombre : {"LabelCaption", "ScrollBox1", "Button2", "BitBtn13",
                                   "ButtonImprimir", "Button6", "EPVPCompra"}) {
            const QRect r = En(v, nombre)->geometry();
            lugar << QStringLiteral("%1 %2,%3 %4x%5")
                         .arg(QLatin1String(nombre))
                         .arg(r.x())
                         .arg(r.y())
                         .arg(r.width())
                         .arg(r.height());
        }
        return lugar;
    };
    const QStringList antes = lugares();
    const int vistaSinBarra = caja->viewport()->height();

    Teclear(En(v, "EPVPNuevo"), u"28000"_s);
    auto* calcular = En(v, "Button3");
    calcular->setFocus();
    En<QPushButton>(v, "Button6")->click(); // as a screen reader's action, the focus unmoved
    QWidget* barra = En(v, "AvisoDeshacer");
    auto* boton = En<QPushButton>(v, "BotonDeshacer");
    QVERIFY(barra->isVisible());
    QVERIFY(!barra->isWindow());
    QCOMPARE(boton->text(), u"Deshacer"_s);
    QCOMPARE(QApplication::focusWidget(), calcular);
    QCOMPARE(lugares(), antes);
    // Wholly in view, under the sheet's view and above the bottom buttons, overlapping none.
    const QRect enCliente(barra->mapTo(caja->parentWidget(), QPoint(0, 0)), barra->size());
    QVERIFY(caja->geometry().contains(enCliente));
    QVERIFY(caja->viewport()->height() < vistaSinBarra);
    QVERIFY(
        enCliente.top() >=
        caja->viewport()->mapTo(caja->parentWidget(), caja->viewport()->rect().bottomLeft()).y());
    QVERIFY(boton->geometry().intersected(barra->rect()) == boton->geometry());

    // Tab from the sheet's last control reaches it, and goes on to "Imprimir".
    auto* ultimo = En(v, "EPuntuacion");
    ultimo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ultimo, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), boton);
    QTest::keyClick(boton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), En(v, "ButtonImprimir"));

    // Never printed.
    QTemporaryDir carpeta;
    QVERIFY(carpeta.isValid());
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(carpeta.filePath(u"tasacion.pdf"_s));
    v.Imprimir(impresora);
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {impresora.outputFileName(), u"-"_s});
    QVERIFY(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0);
    const QString papel = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(papel.contains(u"31470"_s), qPrintable(papel));
    QVERIFY(!papel.contains(u"Deshacer"_s));
    QVERIFY(!papel.contains(u"cargado"_s));

    // The user's next input ends the offer; the view has its whole height back.
    QTest::keyClicks(En(v, "EBastidor"), u"W"_s);
    QVERIFY(!barra->isVisible());
    QCOMPARE(v.accessibleDescription(), QString());
    QCOMPARE(caja->viewport()->height(), vistaSinBarra);
    QCOMPARE(lugares(), antes);
}

// An unreadable exchange value: its box once, however many ratings and fault lines score after
// it; a new bad text, its own box once.
void PruebasDeshacer::falloSeAvisaUnaVez() {
    TForm2& c = programa_->Form2();
    AlCertificado();
    QTRY_COMPARE(QApplication::activeWindow(), &c);
    const auto mensaje = [](const QString& texto) {
        return u"'"_s + texto + u"' is not a valid floating point value."_s;
    };
    const auto vistos = [this] {
        QStringList textos;
        for (const Aviso& aviso : avisos_.Tomar())
            textos << aviso.texto;
        return textos;
    };
    const auto calificar = [&](int desde) {
        for (int n = desde; n < desde + 3; ++n)
            QTest::mouseClick(En(c, BotonLista(n, "Regular")), Qt::LeftButton);
        auto* averias = En<QPlainTextEdit>(c, "MemoAverias");
        averias->setFocus();
        QTest::keyClicks(averias, u"P0420"_s);
        QTest::keyClick(averias, Qt::Key_Return);
    };

    Teclear(En(c, "EPrecioCambio"), u"-"_s);
    QCOMPARE(vistos(), QStringList{mensaje(u"-"_s)});
    const QString precio = Texto(c, "EPrecioCompra");
    const QString total = Texto(c, "EPuntosTotales");
    calificar(1);
    QTest::qWait(50);
    QCOMPARE(vistos(), QStringList());
    // The results stay as the failure leaves them; printing asks first.
    QCOMPARE(Texto(c, "EPrecioCompra"), precio);
    QCOMPARE(Texto(c, "EPuntosTotales"), total);
    avisos_.Responder(u"Cancelar"_s);
    QTest::mouseClick(En(c, "ButtonImprimir"), Qt::LeftButton);
    const QList<Aviso> pregunta = avisos_.Tomar();
    QCOMPARE(pregunta.size(), 1);
    QVERIFY(pregunta[0].texto.startsWith(u"Los resultados no corresponden"_s));

    Teclear(En(c, "EPrecioCambio"), u"+"_s);
    QCOMPARE(vistos(), QStringList{mensaje(u"+"_s)});
    calificar(10);
    QTest::qWait(50);
    QCOMPARE(vistos(), QStringList());

    // Readable again: the ratings score as ever, and a failure after is new.
    Teclear(En(c, "EPrecioCambio"), u"3000"_s);
    calificar(20);
    QCOMPARE(Texto(c, "EPrecioCompra").isEmpty(), false);
    QVERIFY(Texto(c, "EPrecioCompra") != precio);
    QCOMPARE(vistos(), QStringList());
}

// The two windows' bottom buttons lie one over the other: a double or triple click on
// "Certificado de Calidad" hands the car over once, and neither resets it nor hands over again;
// a click of its own after the double-click interval returns as ever.
void PruebasDeshacer::clicSeguidoNoCuenta() {
    TForm1& v = programa_->Form1();
    TForm2& c = programa_->Form2();
    Teclear(En(v, "EPVPNuevo"), u"22222"_s);
    // Press and release at one place of the screen at the time given, as a hurried hand makes
    // them (the test library's own clicks stand a double-click interval apart).
    const auto pulsar = [](QWidget* boton, ulong cuando) {
        const QPointF dentro = QRectF(boton->rect()).center();
        const QPointF pantalla(420, 690);
        QMouseEvent pulsa(QEvent::MouseButtonPress, dentro, pantalla, Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        pulsa.setTimestamp(cuando);
        QApplication::sendEvent(boton, &pulsa);
        QMouseEvent suelta(QEvent::MouseButtonRelease, dentro, pantalla, Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
        suelta.setTimestamp(cuando + 60);
        QApplication::sendEvent(boton, &suelta);
    };
    const ulong inicio = 50'000'000;
    pulsar(En(v, "Button2"), inicio);
    QTRY_VERIFY(c.isVisible());
    pulsar(En(c, "Button2"), inicio + 150);
    pulsar(En(c, "Button2"), inicio + 300);
    QCoreApplication::processEvents();
    QVERIFY(c.isVisible());
    QCOMPARE(Texto(v, "EPVPNuevo"), u"22222"_s);
    QVERIFY(!BarraVisible(v));
    pulsar(En(c, "Button2"), inicio + 300 + 1000);
    QTRY_COMPARE(Texto(v, "EPVPNuevo"), u"31470"_s);
    QVERIFY(BarraVisible(v));
}

MORVEX_TEST_MAIN(PruebasDeshacer)
#include "tst_deshacer.moc"
