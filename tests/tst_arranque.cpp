// What the application is given before its windows: the window icon, taken at start-up from
// plain pixels the build stored, holds every size the build rendered, pixel for pixel the PNG.

#include "apoyo.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

using namespace Qt::StringLiterals;

class PruebasArranque : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void cleanup() { QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen())); }

    void iconoConCadaTamano_data();
    void iconoConCadaTamano();

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
}

MORVEX_TEST_MAIN(PruebasArranque)
#include "tst_arranque.moc"
