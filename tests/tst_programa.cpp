// Start-up, the frame of both windows and the ways between them.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "numeros.h"
#include "programa.h"
#include "reloj.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

class PruebasPrograma : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void init();
    void cleanup();

    void arranque();
    void marco_data();
    void marco();
    void nombresUnicos_data() { CadaVentana(); }
    void nombresUnicos();
    void textosEnteros_data() { CadaVentana(); }
    void textosEnteros();
    void ventanaPequenaSeDesplaza();
    void ordenDeTabulacion();
    void activarReescribeElTitulo();
    void alCertificadoYRegresar();
    void volverALaValoracionLaReinicia();
    void cerrarLaValoracionTerminaElPrograma();
    void errorMuestraCajaYSigue();
    void certificadoTrasElArranque();
    void certificadoConLaValoracionVacia();
    void cadaEntregaPreparaDeNuevo();
    void cambioRegionalLeeElSeparador();

private:
    static void CadaVentana() {
        QTest::addColumn<QString>("ventana");
        QTest::newRow("Form1") << u"Form1"_s;
        QTest::newRow("Form2") << u"Form2"_s;
    }
    QWidget& Ventana(const QString& nombre) {
        return nombre == QLatin1String("Form1") ? static_cast<QWidget&>(programa->Form1())
                                                : programa->Form2();
    }
    template <class T> T* Control(QWidget& ventana, const char* nombre) {
        return ventana.findChild<T*>(QString::fromLatin1(nombre));
    }

    Avisos avisos;
    std::unique_ptr<Programa> programa;
};

void PruebasPrograma::init() {
    FijarReloj(MomentoDePrueba(2010, 3));
    programa = std::make_unique<Programa>();
    programa->Mostrar();
    QVERIFY(QTest::qWaitForWindowExposed(&programa->Form1()));
}

void PruebasPrograma::cleanup() {
    programa.reset();
    QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen()));
}

void PruebasPrograma::arranque() {
    QVERIFY(programa->Form1().isVisible());
    QVERIFY(!programa->Form2().isVisible());
    for (QWidget* ventana :
         {static_cast<QWidget*>(&programa->Form1()), static_cast<QWidget*>(&programa->Form2())}) {
        QCOMPARE(ventana->pos(), QPoint(268, 1));
        QCOMPARE(ventana->size(), QSize(656, 739));
        QCOMPARE(ventana->windowTitle(), ventana->objectName());
    }
    QCOMPARE(Texto(programa->Form1(), "EPVPValoracion"), QStringLiteral("22629"));
}

void PruebasPrograma::marco_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QRect>("lugar");
    // clang-format off
    QTest::newRow("Form1 title") << "Form1" << "LabelCaption"
                                 << "SCANNER MORVEX: Valoracion Coches Ocasion" << QRect(88, 4, 0, 0);
    QTest::newRow("Form1 forward") << "Form1" << "Button2" << "Certificado de Calidad"
                                   << QRect(8, 661, 265, 40);
    QTest::newRow("Form1 close") << "Form1" << "BitBtn13" << "Regresar"
                                 << QRect(324, 661, 129, 40);
    QTest::newRow("Form2 title") << "Form2" << "LabelCaption"
                                 << "SCANNER MORVEX: Certificado de Calidad" << QRect(88, 4, 0, 0);
    QTest::newRow("Form2 forward") << "Form2" << "Button2" << "Valoracion Coches Ocasion"
                                   << QRect(16, 653, 265, 40);
    QTest::newRow("Form2 close") << "Form2" << "BitBtn13" << "Regresar"
                                 << QRect(332, 653, 129, 40);
    // clang-format on
}

void PruebasPrograma::marco() {
    QFETCH(QString, ventana);
    QFETCH(QString, control);
    QFETCH(QString, texto);
    QFETCH(QRect, lugar);
    QWidget& v = Ventana(ventana);
    QCOMPARE(Texto(v, qPrintable(control)), texto);
    QWidget* c = Control<QWidget>(v, qPrintable(control));
    // A window shorter than its content (fitted into a small screen) takes the height missing
    // from the scroll box, and the buttons move up with its bottom; at its own size every place
    // is as given.
    const int abajo = ventana == QLatin1String("Form1") ? 701 : 693;
    const int recorte = std::max(0, abajo - v.height());
    QCOMPARE(c->pos(), lugar.topLeft() - QPoint(0, lugar.size().isEmpty() ? 0 : recorte));
    if (!lugar.size().isEmpty()) {
        QCOMPARE(c->size(), lugar.size());
        QVERIFY(c->fontMetrics().horizontalAdvance(texto) + 8 <= c->width());
    } else
        QVERIFY(c->width() >= c->sizeHint().width()); // sized to its text

    auto* caja = Control<QScrollArea>(v, "ScrollBox1");
    QCOMPARE(caja->geometry(), QRect(0, 32, 648, 615 - recorte));
    QWidget* hoja = Control<QWidget>(v, "Panel1");
    QCOMPARE(hoja->size(), QSize(627, ventana == QLatin1String("Form1") ? 900 : 2500));
    QCOMPARE(caja->widget(), hoja);
}

// Tests and screen readers find a control by its name: no two controls of a window share one
// (Qt's own inner parts, named qt_…, aside).
void PruebasPrograma::nombresUnicos() {
    QFETCH(QString, ventana);
    QHash<QString, int> cuentas;
    for (const QObject* hijo : Ventana(ventana).findChildren<QObject*>()) {
        if (!hijo->objectName().isEmpty() && !hijo->objectName().startsWith(u"qt_"))
            ++cuentas[hijo->objectName()];
    }
    QStringList repetidos;
    for (auto cuenta = cuentas.cbegin(); cuenta != cuentas.cend(); ++cuenta) {
        if (cuenta.value() > 1)
            repetidos << QStringLiteral("%1 (%2 times)").arg(cuenta.key()).arg(cuenta.value());
    }
    QVERIFY2(repetidos.isEmpty(), qPrintable(repetidos.join(u", ")));
    QVERIFY(cuentas.size() > 100);
}

// Every caption, button and list item shows its accented letters, "€", "º", "±" and "•" whole:
// a UTF-8 text read as Latin-1 turns each into a lead character followed by one in U+0080 to
// U+00BF ("á" into "Ã¡").
void PruebasPrograma::textosEnteros() {
    QFETCH(QString, ventana);
    QStringList textos;
    for (const QLabel* etiqueta : Ventana(ventana).findChildren<QLabel*>())
        textos << etiqueta->text();
    for (const QAbstractButton* boton : Ventana(ventana).findChildren<QAbstractButton*>())
        textos << boton->text();
    for (const QComboBox* lista : Ventana(ventana).findChildren<QComboBox*>()) {
        for (int i = 0; i < lista->count(); ++i)
            textos << lista->itemText(i);
    }
    static const QRegularExpression leidoComoLatin1(
        u"[\\x{00C2}-\\x{00F4}][\\x{0080}-\\x{00BF}]"_s);
    int acentuados = 0;
    for (const QString& texto : textos) {
        QVERIFY2(!texto.contains(leidoComoLatin1), qPrintable(texto));
        acentuados += texto.contains(QRegularExpression(u"[ñáéíóú€º±•]"_s)) ? 1 : 0;
    }
    QVERIFY(acentuados > 0);
}

// A short window keeps its buttons in view, the scroll box giving up the height; one narrower
// than its content, or too short even for a small scroll box, scrolls as a whole.
void PruebasPrograma::ventanaPequenaSeDesplaza() {
    TForm1& valoracion = programa->Form1();
    auto* exterior = qobject_cast<QScrollArea*>(valoracion.layout()->itemAt(0)->widget());
    QVERIFY(exterior != nullptr);
    QVERIFY(!exterior->verticalScrollBar()->isVisible());
    QWidget* regresar = Control<QWidget>(valoracion, "BitBtn13");
    valoracion.resize(400, 300);
    QTRY_VERIFY(exterior->horizontalScrollBar()->isVisible());
    QVERIFY(!exterior->verticalScrollBar()->isVisible());
    const QRect lugar(regresar->mapTo(exterior->viewport(), QPoint(0, 0)), regresar->size());
    QVERIFY(lugar.bottom() < exterior->viewport()->height());
    valoracion.resize(400, 120);
    QTRY_VERIFY(exterior->verticalScrollBar()->isVisible());
}

void PruebasPrograma::ordenDeTabulacion() {
    for (const char* nombre : {"Form1", "Form2"}) {
        QWidget& v = Ventana(QString::fromLatin1(nombre));
        QWidget* regresar = Control<QWidget>(v, "BitBtn13");
        QWidget* avance = Control<QWidget>(v, "Button2");
        QWidget* caja = Control<QWidget>(v, "ScrollBox1");
        const bool regresarPrimero = v.objectName() == QLatin1String("Form1");
        QWidget* primero = regresarPrimero ? regresar : avance;
        QWidget* segundo = regresarPrimero ? avance : regresar;
        QCOMPARE(primero->nextInFocusChain(), segundo);
        QCOMPARE(segundo->nextInFocusChain(), caja);
        QCOMPARE(v.focusWidget(), primero);
    }
}

void PruebasPrograma::activarReescribeElTitulo() {
    auto* titulo = Control<QLabel>(programa->Form2(), "LabelCaption");
    titulo->setText(QStringLiteral("otro"));
    QEvent activar(QEvent::WindowActivate);
    QApplication::sendEvent(&programa->Form2(), &activar);
    QCOMPARE(titulo->text(), QStringLiteral("SCANNER MORVEX: Certificado de Calidad"));
}

void PruebasPrograma::alCertificadoYRegresar() {
    TForm1& valoracion = programa->Form1();
    Control<QLineEdit>(valoracion, "EMarca")->setText(QStringLiteral("GTI"));
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button2"), Qt::LeftButton);
    QVERIFY(programa->Form2().isVisible());
    QTest::mouseClick(Control<QPushButton>(programa->Form2(), "BitBtn13"), Qt::LeftButton);
    QVERIFY(!programa->Form2().isVisible());
    QVERIFY(valoracion.isVisible());
    QCOMPARE(Texto(valoracion, "EMarca"), QStringLiteral("GTI"));
}

void PruebasPrograma::volverALaValoracionLaReinicia() {
    TForm1& valoracion = programa->Form1();
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button2"), Qt::LeftButton);
    Control<QLineEdit>(valoracion, "EMarca")->setText(QStringLiteral("GTI"));
    Control<QLineEdit>(valoracion, "EPVPNuevo")->setText(QStringLiteral("12000"));
    Control<QCheckBox>(valoracion, "CEspecial1")->setChecked(true);
    QTest::mouseClick(Control<QPushButton>(programa->Form2(), "Button2"), Qt::LeftButton);
    QVERIFY(valoracion.isVisible());
    QVERIFY(programa->Form2().isVisible()); // stays open behind
    QCOMPARE(Texto(valoracion, "EMarca"), QString());
    QCOMPARE(Texto(valoracion, "EPVPNuevo"), QStringLiteral("31470"));
    QVERIFY(!Control<QCheckBox>(valoracion, "CEspecial1")->isChecked());
    QCOMPARE(Texto(valoracion, "EPVPValoracion"), QStringLiteral("22629"));
}

void PruebasPrograma::cerrarLaValoracionTerminaElPrograma() {
    QTest::mouseClick(Control<QPushButton>(programa->Form1(), "Button2"), Qt::LeftButton);
    QVERIFY(programa->Form2().isVisible());
    QTimer::singleShot(0, &programa->Form1(), [this] {
        QTest::mouseClick(Control<QPushButton>(programa->Form1(), "BitBtn13"), Qt::LeftButton);
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // did not end
    QCOMPARE(QApplication::exec(), 0);
}

void PruebasPrograma::errorMuestraCajaYSigue() {
    TForm1& valoracion = programa->Form1();
    Control<QLineEdit>(valoracion, "EKilometros")->setText(QStringLiteral("-5"));
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button3"), Qt::LeftButton);
    const QList<Aviso> vistos = avisos.Tomar();
    QCOMPARE(vistos.size(), 1);
    QCOMPARE(vistos[0].icono, QMessageBox::Critical);
    QCOMPARE(vistos[0].titulo, kTituloAplicacion);
    QCOMPARE(vistos[0].texto, QStringLiteral("'0-5' is not a valid floating point value."));
    QVERIFY(valoracion.isVisible());
    Control<QLineEdit>(valoracion, "EKilometros")->setText(QStringLiteral("83680"));
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button3"), Qt::LeftButton);
    QVERIFY(avisos.Vacio());
}

void PruebasPrograma::certificadoTrasElArranque() {
    QTest::mouseClick(Control<QPushButton>(programa->Form1(), "Button2"), Qt::LeftButton);
    TForm2& certificado = programa->Form2();
    QVERIFY(certificado.isVisible());
    const struct {
        const char* nombre;
        const char* texto;
        // clang-format off
    } esperados[] = {
        {"EPrecioNuevo", "31470"},   {"EPrecioCambio", "19797"}, {"EPrecioVendedor", "0"},
        {"EPVPVendedor", "0"},       {"EPuntuacion", "0"},       {"EPuntosObtenidos", "8"},
        {"EPuntosTotales", "8"},     {"EPrecioCompra", "20391"}, {"ENombreMarca", ""},
        {"LabelFecha", "Fecha del certificado: Lunes, 15 de Marzo      de 2010     12:00:00"},
    };
    // clang-format on
    for (const auto& e : esperados)
        QCOMPARE(Texto(certificado, e.nombre), QString::fromUtf8(e.texto));
}

void PruebasPrograma::certificadoConLaValoracionVacia() {
    TForm1& valoracion = programa->Form1();
    for (const char* nombre : {"EMarca", "EBastidor", "EMatricula", "EPVPNuevo", "EPuntosObtenidos",
                               "EPVPCambio", "EPVPVendedor", "EPuntuacion"})
        Control<QLineEdit>(valoracion, nombre)->clear();
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button2"), Qt::LeftButton);
    TForm2& certificado = programa->Form2();
    QVERIFY(certificado.isVisible());
    QCOMPARE(Texto(certificado, "EPrecioNuevo"), QString());
    QCOMPARE(Texto(certificado, "EPuntosObtenidos"), QStringLiteral("6,5")); // empty points: 0
    QCOMPARE(Texto(certificado, "EPrecioCompra"), QStringLiteral("0"));
}

void PruebasPrograma::cadaEntregaPreparaDeNuevo() {
    TForm1& valoracion = programa->Form1();
    TForm2& certificado = programa->Form2();
    Control<QLineEdit>(valoracion, "EMarca")->setText(QStringLiteral("A"));
    Control<QLineEdit>(valoracion, "EPVPCambio")->setText(QStringLiteral("10000"));
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button2"), Qt::LeftButton);
    QCOMPARE(Texto(certificado, "EPrecioCompra"), QStringLiteral("10300"));
    Control<QLineEdit>(certificado, "EProtocoloUCE")->setText(QStringLiteral("KWP2000"));
    QTest::mouseClick(Control<QPushButton>(certificado, "BitBtn13"), Qt::LeftButton);
    QVERIFY(!certificado.isVisible());

    const struct {
        const char* origen;
        const char* texto;
        const char* destino;
        // clang-format off
    } segunda[] = {
        {"EMarca", "B", "EMarca"},           {"EBastidor", "WVW000", "EBastidor"},
        {"EMatricula", "9999 ZZZ", "EMatricula"}, {"EPVPNuevo", "20000", "EPrecioNuevo"},
        {"EPVPCambio", "12000", "EPrecioCambio"}, {"EPVPVendedor", "11.500", "EPrecioVendedor"},
        {"EPuntuacion", "6", "EPuntuacionValoracion"},
    };
    // clang-format on
    for (const auto& v : segunda)
        Control<QLineEdit>(valoracion, v.origen)->setText(QString::fromUtf8(v.texto));
    Control<QLineEdit>(valoracion, "EPuntosObtenidos")->setText(QStringLiteral("500"));
    Control<QComboBox>(valoracion, "ENombreMarca")->setEditText(QStringLiteral("OPEL"));
    Control<QComboBox>(valoracion, "ETipoVehiculo")->setEditText(QStringLiteral("4x4"));
    QTest::mouseClick(Control<QPushButton>(valoracion, "Button2"), Qt::LeftButton);
    QVERIFY(certificado.isVisible());
    for (const auto& v : segunda)
        QCOMPARE(Texto(certificado, v.destino), QString::fromUtf8(v.texto));
    QCOMPARE(Texto(certificado, "ENombreMarca"), QStringLiteral("OPEL"));
    QCOMPARE(Texto(certificado, "ETipoVehiculo"), QStringLiteral("4x4"));
    QCOMPARE(Texto(certificado, "EPVPVendedor"), QStringLiteral("11500"));
    QCOMPARE(Texto(certificado, "EPuntuacion"), QStringLiteral("6"));
    QCOMPARE(Texto(certificado, "EPrecioCompra"), QStringLiteral("12360"));
    QCOMPARE(Texto(certificado, "EPuntosObtenidos"), QStringLiteral("9")); // the 500 points
    QCOMPARE(Texto(certificado, "EProtocoloUCE"), QString());
}

// A change of the regional settings reads the decimal separator again (the suite runs with
// LC_ALL=C, whose separator is the point).
void PruebasPrograma::cambioRegionalLeeElSeparador() {
    FijarSeparadorDecimal(QLatin1Char('x'));
    QEvent cambio(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &cambio);
    QCOMPARE(SeparadorDecimal(), QLatin1Char('.'));
    FijarSeparadorDecimal(QLatin1Char(','));
}

MORVEX_TEST_MAIN(PruebasPrograma)
#include "tst_programa.moc"
