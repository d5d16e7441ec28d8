// What start-up gives the program without doing all the work Qt would: the window icon, taken
// from plain pixels the build stored, holds every size the build rendered, pixel for pixel the
// PNG; the scroll area around a window's content, which skips measuring its font for its size
// hint, gives the hint Qt's own scroll area gives.

#include "apoyo.h"

#include "form1.h"
#include "form2.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScrollArea>

using namespace Qt::StringLiterals;

class PruebasArranque : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void cleanup() { QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen())); }

    void iconoConCadaTamano_data();
    void iconoConCadaTamano();
    void areaExteriorComoLaDeQt();

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

MORVEX_TEST_MAIN(PruebasArranque)
#include "tst_arranque.moc"
