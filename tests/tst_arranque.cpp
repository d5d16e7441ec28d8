// What start-up gives the program without doing all the work Qt would: the window icon, taken
// from plain pixels the build stored, holds every size the build rendered, pixel for pixel the
// PNG, without copying them; the scroll area around a window's content, which skips measuring
// its font for its size hint, gives the hint Qt's own scroll area gives; a control's colours
// cost one palette change, none where it inherits them; a window is polished when shown or
// printed, not before.

#include "apoyo.h"

#include "apariencia.h"
#include "form1.h"
#include "form2.h"
#include "impresion.h"
#include "programa.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>
#include <QResource>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class PruebasArranque : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void cleanup() { QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen())); }

    void iconoConCadaTamano_data();
    void iconoConCadaTamano();
    void areaExteriorComoLaDeQt();
    void colores_data();
    void colores();
    void pulidoAlMostrarseOImprimirse();

private:
    Avisos avisos;
};

void PruebasArranque::iconoConCadaTamano_data() {
    QTest::addColumn<int>("lado");
    for (int lado : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", lado, lado) << lado;
}

void PruebasArranque::iconoConCadaTamano() {
    QFETCH(int, lado);
    const QIcon icono = QApplication::windowIcon();
    QCOMPARE(icono.availableSizes().size(), 8);
    QVERIFY(icono.availableSizes().contains(QSize(lado, lado)));
    // The size itself, not another one scaled: the same pixels as the rendered file.
    const QImage dado = icono.pixmap(QSize(lado, lado))
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage archivo = QImage(QStringLiteral(MORVEX_ICONOS "/morvex-%1.png").arg(lado))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!archivo.isNull());
    QCOMPARE(dado.size(), QSize(lado, lado));
    QVERIFY(dado == archivo);
    QVERIFY(qAlpha(dado.pixel(lado / 2, lado / 2)) > 0);
    // The pixels stored in the program itself, not a copy kept on the heap for its whole life.
    const QResource recurso(QStringLiteral(":/iconos/morvex-%1.argb").arg(lado));
    QCOMPARE(recurso.compressionAlgorithm(), QResource::NoCompression);
    QCOMPARE(icono.pixmap(QSize(lado, lado)).toImage().constBits(), recurso.data() + 8);
}

void PruebasArranque::areaExteriorComoLaDeQt() {
    TForm1 valoracion;
    TForm2 certificado;
    for (TMarco* ventana :
         {static_cast<TMarco*>(&valoracion), static_cast<TMarco*>(&certificado)}) {
        auto* area = ventana->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(area != nullptr);
        QCOMPARE(area->sizeHint(), area->QScrollArea::sizeHint());
        // Shown, the content gets its minimum size; laid out again, the same.
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
        QCOMPARE(area->sizeHint(), area->QScrollArea::sizeHint());
        ventana->hide();
    }
}

namespace {

constexpr unsigned kTintaPrueba = 0x00112233;

// Counts the palette changes a control receives.
class Cambios : public QObject {
public:
    int cuenta = 0;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::PaletteChange)
            ++cuenta;
        return QObject::eventFilter(objeto, evento);
    }
};

// The program's controls in a window, each with its name (Qt's own parts of them, which Qt marks
// in its own way, and the window's popups and dialogs apart), not yet polished; with
// `soloVisibles`, those a shown window shows.
int SinPulir(const QWidget& ventana, bool soloVisibles = false) {
    int sinPulir = 0;
    for (const QWidget* control : ventana.findChildren<QWidget*>()) {
        const bool delPrograma =
            !control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_"_s);
        if (delPrograma && control->window() == &ventana &&
            (!soloVisibles || control->isVisible()) &&
            !control->testAttribute(Qt::WA_WState_Polished))
            ++sinPulir;
    }
    return sinPulir;
}

} // namespace

// On a white sheet with its ink, as the windows' sheets are: what each way of colouring a control
// leaves it showing, and how many palette changes it took.
void PruebasArranque::colores_data() {
    QTest::addColumn<unsigned>("antes"); // a background set first; kHeredado for none
    QTest::addColumn<unsigned>("fondo");
    QTest::addColumn<unsigned>("tinta");
    QTest::addColumn<bool>("paletaPropia");
    QTest::addColumn<int>("cambios"); // those of the last step
    // clang-format off
    QTest::newRow("white on the white sheet") << kHeredado << kBlanco << kHeredado << false << 0;
    QTest::newRow("the sheet's own ink") << kHeredado << kHeredado << kTintaPrueba << false << 0;
    QTest::newRow("background and ink at once") << kHeredado << kAmarillo << kRojo << true << 1;
    QTest::newRow("back to white after a highlight") << kAmarillo << kBlanco << kHeredado << true << 1;
    // clang-format on
}

void PruebasArranque::colores() {
    QFETCH(unsigned, antes);
    QFETCH(unsigned, fondo);
    QFETCH(unsigned, tinta);
    QFETCH(bool, paletaPropia);
    QFETCH(int, cambios);
    QWidget hoja;
    PonerFondo(&hoja, Qt::white);
    PonerTinta(&hoja, ColorBGR(kTintaPrueba));
    auto* control = new QLabel(QStringLiteral("Coche"), &hoja);
    if (antes != kHeredado)
        PonerFondo(control, ColorBGR(antes));
    Cambios vigia;
    control->installEventFilter(&vigia);
    Aplicar(control, {.fondo = fondo, .tinta = tinta});

    QCOMPARE(vigia.cuenta, cambios);
    QCOMPARE(control->testAttribute(Qt::WA_SetPalette), paletaPropia);
    const QPalette paleta = control->palette();
    QCOMPARE(paleta.color(QPalette::Window), ColorBGR(fondo != kHeredado ? fondo : kBlanco));
    QCOMPARE(paleta.color(QPalette::Base), ColorBGR(fondo != kHeredado ? fondo : kBlanco));
    QCOMPARE(paleta.color(QPalette::WindowText),
             ColorBGR(tinta != kHeredado ? tinta : kTintaPrueba));
    QCOMPARE(paleta.color(QPalette::ButtonText),
             ColorBGR(tinta != kHeredado ? tinta : kTintaPrueba));
    // A background asked for is filled, inherited or not.
    QCOMPARE(control->autoFillBackground(), fondo != kHeredado || antes != kHeredado);
}

// The event loop polishes nothing of the hidden certificate; showing a window polishes every
// control it shows, printing it unseen every control in it.
void PruebasArranque::pulidoAlMostrarseOImprimirse() {
    Programa programa;
    QCoreApplication::processEvents();
    QVERIFY(SinPulir(programa.Form2()) > 300);

    programa.Mostrar();
    QVERIFY(QTest::qWaitForWindowExposed(&programa.Form1()));
    QCOMPARE(SinPulir(programa.Form1(), true), 0);

    QTemporaryDir carpeta;
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFileName(carpeta.filePath(u"certificado.pdf"_s));
    programa.Form2().Imprimir(impresora);
    QVERIFY(!programa.Form2().isVisible());
    QCOMPARE(SinPulir(programa.Form2()), 0);
}

MORVEX_TEST_MAIN(PruebasArranque)
#include "tst_arranque.moc"
