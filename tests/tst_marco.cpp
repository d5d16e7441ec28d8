// The frame of both windows under a real window manager: place and size are the frame's, and
// what the frame holds is inside it. On a screen too small for the window, the frame is fitted
// into the screen and the scroll box gives up the height that is missing.
// Run by con_openbox.sh; MORVEX_EXTERIOR_ESPERADO is the frame expected on that screen at that
// scale factor, "left,top,width,height" in the screen's logical pixels. Here too: the sheet's
// first and last control by Ctrl+Home and Ctrl+End, and the PDF save dialog on that screen.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "marco.h"
#include "programa.h"
#include "vista_previa.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <memory>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

QRect Leer(const QString& texto) {
    const QStringList partes = texto.split(u',');
    if (partes.size() != 4)
        return {};
    return QRect(partes[0].toInt(), partes[1].toInt(), partes[2].toInt(), partes[3].toInt());
}

// What of `area`, in a control's coordinates, its parents let show: cut by each of their
// rectangles up to the window.
QRect ParteVisible(const QWidget& control, QRect area) {
    for (const QWidget* w = &control; !w->isWindow(); w = w->parentWidget())
        area = area.translated(w->pos()).intersected(w->parentWidget()->rect());
    return area;
}

// Pixels of an image that are not white: the ink of what a view shows.
int Tinta(const QImage& origen) {
    const QImage imagen = origen.convertToFormat(QImage::Format_RGB32);
    int cuenta = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x)
            cuenta += imagen.pixel(x, y) == qRgb(255, 255, 255) ? 0 : 1;
    }
    return cuenta;
}

QScrollArea* Exterior(QWidget& ventana) {
    return qobject_cast<QScrollArea*>(ventana.layout()->itemAt(0)->widget());
}

} // namespace

class PruebasMarco : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void exteriorDeCadaVentana_data();
    void exteriorDeCadaVentana();
    void certificadoCubreLaValoracion();
    void barrasSoloSiNoCabe_data();
    void barrasSoloSiNoCabe();
    void partesDentroDelExterior_data();
    void partesDentroDelExterior();
    void principioYFinDeLaHoja_data();
    void principioYFinDeLaHoja();
    void dialogoPdfCabe();

private:
    QWidget& Ventana(const QString& nombre) {
        return nombre == "Form1"_L1 ? static_cast<QWidget&>(programa_->Form1())
                                    : static_cast<QWidget&>(programa_->Form2());
    }

    QRect esperado_;
    std::unique_ptr<Avisos> avisos_;
    std::unique_ptr<Programa> programa_;
};

void PruebasMarco::initTestCase() {
    SilenciarPlataforma();
    if (QGuiApplication::platformName() != "xcb"_L1)
        QSKIP("needs an X display with a window manager: run it with con_openbox.sh");
    esperado_ = Leer(qEnvironmentVariable("MORVEX_EXTERIOR_ESPERADO"));
    QVERIFY2(esperado_.isValid(), "MORVEX_EXTERIOR_ESPERADO must hold left,top,width,height");
    avisos_ = std::make_unique<Avisos>();
    programa_ = std::make_unique<Programa>();
    programa_->Mostrar();
    QVERIFY(QTest::qWaitForWindowExposed(&programa_->Form1()));
    // "Certificado de Calidad" shows the certificate in front of the valuation.
    programa_->Form1().findChild<QPushButton*>(u"Button2"_s)->click();
    QVERIFY(QTest::qWaitForWindowExposed(&programa_->Form2()));
}

void PruebasMarco::cleanupTestCase() {
    programa_.reset();
    if (avisos_)
        QVERIFY2(avisos_->Vacio(), qPrintable(avisos_->Resumen()));
}

void PruebasMarco::exteriorDeCadaVentana_data() {
    QTest::addColumn<QString>("ventana");
    QTest::newRow("valuation") << u"Form1"_s;
    QTest::newRow("certificate") << u"Form2"_s;
}

void PruebasMarco::exteriorDeCadaVentana() {
    QFETCH(QString, ventana);
    QWidget& v = Ventana(ventana);
    const QMargins bordes = v.windowHandle()->frameMargins();
    QVERIFY2(bordes.top() > 0, "no window manager frames the window");
    QTRY_COMPARE_WITH_TIMEOUT(v.frameGeometry(), esperado_, 5000);
    QCOMPARE(v.size(), esperado_.size().shrunkBy(bordes));
    QVERIFY(v.screen()->availableGeometry().contains(v.frameGeometry()));
}

void PruebasMarco::certificadoCubreLaValoracion() {
    QTRY_COMPARE_WITH_TIMEOUT(programa_->Form2().frameGeometry(),
                              programa_->Form1().frameGeometry(), 5000);
    QCOMPARE(programa_->Form2().geometry(), programa_->Form1().geometry());
}

void PruebasMarco::barrasSoloSiNoCabe_data() { exteriorDeCadaVentana_data(); }

// At any of these sizes the window shows one vertical scroll bar, its sheet's, wholly in view:
// a window fitted into a smaller screen gives up height from the scroll box, not from the
// buttons, and never scrolls as a whole. The sheet's left edge stands at the window's, and
// the first control in tab order, which has the focus, is in view with its focus ring.
void PruebasMarco::barrasSoloSiNoCabe() {
    QFETCH(QString, ventana);
    QWidget& v = Ventana(ventana);
    QTRY_COMPARE_WITH_TIMEOUT(v.frameGeometry(), esperado_, 5000);
    QScrollArea* exterior = Exterior(v);
    QVERIFY(exterior != nullptr);
    QTRY_VERIFY(!exterior->verticalScrollBar()->isVisible());
    QVERIFY(!exterior->horizontalScrollBar()->isVisible());
    auto* caja = v.findChild<QScrollArea*>(u"ScrollBox1"_s);
    QScrollBar* barra = caja->verticalScrollBar();
    QVERIFY(barra->isVisible());
    QCOMPARE(ParteVisible(*barra, barra->rect()).size(), barra->size());
    QWidget* hoja = caja->widget();
    QCOMPARE(hoja->mapTo(&v, QPoint(0, 0)).x(), 0);
    QCOMPARE(ParteVisible(*caja->viewport(), caja->viewport()->rect()).size(),
             caja->viewport()->size());
    QWidget* primero = v.findChild<QWidget*>(ventana == "Form1"_L1 ? u"BitBtn13"_s : u"Button2"_s);
    QCOMPARE(ParteVisible(*primero, primero->rect()).size(), primero->size());
    QVERIFY(v.screen()->availableGeometry().contains(
        QRect(primero->mapToGlobal(QPoint(0, 0)), primero->size())));
}

void PruebasMarco::partesDentroDelExterior_data() {
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QString>("parte");
    for (const char* ventana : {"Form1", "Form2"}) {
        for (const char* parte : {"LabelCaption", "ScrollBox1", "Button2", "BitBtn13"}) {
            QTest::addRow("%s %s", ventana, parte)
                << QString::fromLatin1(ventana) << QString::fromLatin1(parte);
        }
    }
}

// Each part lies wholly inside the window, and so inside the frame and on the screen, once the
// window's own scroll bars bring it into view (where the window has none, as it stands). A part
// larger than a fitted window shows each of its corners.
void PruebasMarco::partesDentroDelExterior() {
    QFETCH(QString, ventana);
    QFETCH(QString, parte);
    QWidget& v = Ventana(ventana);
    QTRY_COMPARE_WITH_TIMEOUT(v.frameGeometry(), esperado_, 5000);
    QWidget* control = v.findChild<QWidget*>(parte);
    QVERIFY(control != nullptr);
    QScrollArea* exterior = Exterior(v);
    const QSize vista = exterior->viewport()->size();
    if (control->width() <= vista.width() && control->height() <= vista.height()) {
        exterior->ensureWidgetVisible(control, 0, 0);
        QCoreApplication::processEvents();
        QCOMPARE(ParteVisible(*control, control->rect()).size(), control->size());
        const QRect enPantalla(control->mapToGlobal(QPoint(0, 0)), control->size());
        QVERIFY(v.geometry().contains(enPantalla));
        QVERIFY(v.frameGeometry().contains(enPantalla));
        QVERIFY(v.screen()->availableGeometry().contains(enPantalla));
    } else {
        QVERIFY(esperado_.size() != QSize(656, 739)); // only a fitted window is smaller
        for (const QPoint esquina :
             {QPoint(0, 0), QPoint(control->width() - 1, control->height() - 1)}) {
            const QPoint enContenido = control->mapTo(exterior->widget(), esquina);
            exterior->ensureVisible(enContenido.x(), enContenido.y(), 1, 1);
            QCoreApplication::processEvents();
            QCOMPARE(ParteVisible(*control, QRect(esquina, QSize(1, 1))).size(), QSize(1, 1));
        }
    }
    exterior->verticalScrollBar()->setValue(0);
    exterior->horizontalScrollBar()->setValue(0);
}

void PruebasMarco::principioYFinDeLaHoja_data() { exteriorDeCadaVentana_data(); }

// Ctrl+End gives the focus to the sheet's last control and shows it with the end of what the
// sheet holds: not the blank foot of the sheet, all that the short view of a large scale factor
// would show of it. Ctrl+Home gives it to the first control, at the sheet's top.
void PruebasMarco::principioYFinDeLaHoja() {
    QFETCH(QString, ventana);
    QWidget& v = Ventana(ventana);
    v.raise();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    auto* caja = v.findChild<QScrollArea*>(u"ScrollBox1"_s);
    QWidget* hoja = caja->widget();
    QWidget* boton = v.findChild<QWidget*>(u"Button2"_s);
    boton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(boton, Qt::Key_End, Qt::ControlModifier);
    QWidget* ultimo = v.focusWidget();
    QVERIFY(hoja->isAncestorOf(ultimo));
    QCOMPARE(ParteVisible(*ultimo, ultimo->rect()).size(), ultimo->size());
    const QImage vista = caja->viewport()->grab().toImage();
    const int area = vista.width() * vista.height();
    QVERIFY2(Tinta(vista) > area / 50, qPrintable(QString::number(Tinta(vista))));

    QTest::keyClick(ultimo, Qt::Key_Home, Qt::ControlModifier);
    QWidget* primero = v.focusWidget();
    QVERIFY(hoja->isAncestorOf(primero));
    QVERIFY(primero != ultimo);
    QCOMPARE(ParteVisible(*primero, primero->rect()).size(), primero->size());
    QCOMPARE(caja->verticalScrollBar()->value(), 0);
}

// "Guardar PDF…" in the print preview opens Qt's own file dialog (the test's desktop offers
// no other): its frame lies within the screen's free area, and so do its file-type row and
// its buttons, "Cancelar" among them.
void PruebasMarco::dialogoPdfCabe() {
    QWidget& v = Ventana(u"Form2"_s);
    v.raise();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    QRect disponible;
    QRect exterior;
    QStringList cortadas;
    AlAbrirse<TVistaPrevia> vista([&](TVistaPrevia& previa) {
        AlAbrirse<QFileDialog> dialogo([&](QFileDialog& d) {
            disponible = d.screen()->availableGeometry();
            // Framed and placed by the window manager a moment after it shows.
            std::ignore = QTest::qWaitFor(
                [&d, &disponible] {
                    return d.windowHandle()->frameMargins().top() > 0 &&
                           disponible.contains(d.frameGeometry());
                },
                3000);
            exterior = d.frameGeometry();
            for (const QWidget* parte :
                 {static_cast<QWidget*>(d.findChild<QComboBox*>(u"fileTypeCombo"_s)),
                  static_cast<QWidget*>(d.findChild<QDialogButtonBox*>(u"buttonBox"_s))}) {
                if (parte == nullptr || !parte->isVisible() ||
                    ParteVisible(*parte, parte->rect()).size() != parte->size())
                    cortadas << (parte != nullptr ? parte->objectName() : u"(none)"_s);
            }
            static_cast<QDialog&>(d).reject();
        });
        previa.findChild<QPushButton*>(u"ButtonGuardarPdf"_s)->click();
        previa.reject();
    });
    // The shortcut clicks "Imprimir" a moment later.
    QTest::keyClick(&v, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor([&vista] { return vista.hecho; }, 30000));
    QVERIFY(exterior.isValid());
    QVERIFY2(disponible.contains(exterior), qPrintable(u"%1,%2 %3x%4"_s.arg(exterior.x())
                                                           .arg(exterior.y())
                                                           .arg(exterior.width())
                                                           .arg(exterior.height())));
    QCOMPARE(cortadas.join(u' '), QString());
}

MORVEX_TEST_MAIN(PruebasMarco)
#include "tst_marco.moc"
