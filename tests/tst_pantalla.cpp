// Where the windows' frame goes on screens of every size: the given place and outer size where
// the screen's available area holds them, else fitted into the area, never off it.

#include "apoyo.h"

#include "marco.h"

class PruebasPantalla : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void exteriorEnPantalla_data();
    void exteriorEnPantalla();
    void panelesDesconocidos_data();
    void panelesDesconocidos();
};

void PruebasPantalla::exteriorEnPantalla_data() {
    QTest::addColumn<QRect>("disponible");
    QTest::addColumn<QRect>("exterior");
    const QRect dado(268, 1, 656, 739);
    // clang-format off
    QTest::newRow("full HD") << QRect(0, 0, 1920, 1080) << dado;
    QTest::newRow("1366 x 768") << QRect(0, 0, 1366, 768) << dado;
    QTest::newRow("exactly the frame") << dado << dado;
    QTest::newRow("panel above") << QRect(0, 28, 1366, 740) << QRect(268, 28, 656, 739);
    QTest::newRow("panel below, one pixel short") << QRect(0, 0, 1366, 739) << QRect(268, 0, 656, 739);
    QTest::newRow("1366 x 768 at scale 1.25") << QRect(0, 0, 1093, 614) << QRect(268, 0, 656, 614);
    QTest::newRow("1366 x 768 at scale 2") << QRect(0, 0, 683, 384) << QRect(27, 0, 656, 384);
    QTest::newRow("1280 x 720 at scale 2") << QRect(0, 0, 640, 360) << QRect(0, 0, 640, 360);
    QTest::newRow("narrower than the frame") << QRect(0, 0, 600, 400) << QRect(0, 0, 600, 400);
    QTest::newRow("area ending left of the given right edge") << QRect(100, 50, 800, 600)
                                                               << QRect(244, 50, 656, 600);
    QTest::newRow("screen to the right") << QRect(1366, 0, 1920, 1080) << QRect(1366, 1, 656, 739);
    QTest::newRow("screen to the left") << QRect(-1280, 0, 1280, 1024) << QRect(-656, 1, 656, 739);
    QTest::newRow("no screen known") << QRect() << dado;
    // clang-format on
}

void PruebasPantalla::exteriorEnPantalla() {
    QFETCH(QRect, disponible);
    QFETCH(QRect, exterior);
    const QRect colocado = ExteriorEnPantalla(disponible);
    QCOMPARE(colocado, exterior);
    if (!disponible.isEmpty())
        QVERIFY(disponible.contains(colocado));
}

void PruebasPantalla::panelesDesconocidos_data() {
    QTest::addColumn<QRect>("pantalla");
    QTest::addColumn<bool>("desconocidos");
    QTest::addColumn<QRect>("exterior");
    // clang-format off
    QTest::newRow("Wayland 1280 x 720") << QRect(0, 0, 1280, 720) << true << QRect(268, 0, 656, 656);
    QTest::newRow("Wayland 1366 x 768") << QRect(0, 0, 1366, 768) << true << QRect(268, 0, 656, 704);
    QTest::newRow("Wayland full HD keeps the given frame") << QRect(0, 0, 1920, 1080) << true << QRect(268, 1, 656, 739);
    QTest::newRow("Wayland 1366 x 768 at scale 2") << QRect(0, 0, 683, 384) << true << QRect(27, 0, 656, 320);
    QTest::newRow("Wayland, screen hardly taller than a panel") << QRect(0, 0, 800, 100) << true << QRect(144, 0, 656, 50);
    QTest::newRow("Wayland, no screen known") << QRect() << true << QRect(268, 1, 656, 739);
    QTest::newRow("X reports a screen without panels") << QRect(0, 0, 1280, 720) << false << QRect(268, 0, 656, 720);
    // clang-format on
}

// Where the window system does not report the panels, the frame leaves room for one: on a
// 1280 x 720 screen a top bar or a bottom panel up to kAltoPaneles high no longer pushes the
// bottom of the frame, and the buttons the window scrolls to, off the screen.
void PruebasPantalla::panelesDesconocidos() {
    QFETCH(QRect, pantalla);
    QFETCH(bool, desconocidos);
    QFETCH(QRect, exterior);
    const QRect colocado = ExteriorEnPantalla(AreaSinPaneles(pantalla, desconocidos));
    QCOMPARE(colocado, exterior);
    // A screen hardly taller than a panel leaves the window half of it, and scroll bars.
    if (desconocidos && colocado.height() < 739 && pantalla.height() >= 2 * kAltoPaneles) {
        for (int panel : {32, 44, kAltoPaneles}) {
            const QRect bajoLaBarra = pantalla.adjusted(0, panel, 0, 0);
            const QRect sobreElPanel = pantalla.adjusted(0, 0, 0, -panel);
            QVERIFY(bajoLaBarra.contains(QRect(QPoint(colocado.left(), panel), colocado.size())));
            QVERIFY(sobreElPanel.contains(QRect(QPoint(colocado.left(), 0), colocado.size())));
        }
    }
}

MORVEX_TEST_MAIN(PruebasPantalla)
#include "tst_pantalla.moc"
