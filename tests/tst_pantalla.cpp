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

MORVEX_TEST_MAIN(PruebasPantalla)
#include "tst_pantalla.moc"
