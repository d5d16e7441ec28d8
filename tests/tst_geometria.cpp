// Sizes, places and looks of the valuation sheet that are given to the pixel and the colour;
// and each sheet tall enough for all it holds.

#include "apoyo.h"

#include "controles.h"
#include "form1.h"
#include "form2.h"
#include "reloj.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <memory>

using namespace Qt::StringLiterals;

class PruebasGeometria : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { ventana_.reset(); }

    void lugar_data();
    void lugar();
    void puntuacionesTocaElUltimoCriterio();
    void aspecto_data();
    void aspecto();
    void hojaAltaParaTodo_data();
    void hojaAltaParaTodo();

private:
    std::unique_ptr<TForm1> ventana_;
};

void PruebasGeometria::initTestCase() {
    SilenciarPlataforma();
    FijarReloj(MomentoDePrueba(2010, 3));
    ventana_ = std::make_unique<TForm1>();
}

void PruebasGeometria::lugar_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("lugar");
    QTest::newRow("odometer") << u"EKilometros"_s << QRect(352, 118, 97, 21);
    QTest::newRow("PUNTUACIONES") << u"StaticText18"_s << QRect(8, 592, 241, 17);
    for (int c = 0; c < kNumeroColumnas; ++c) {
        const QString nombre = u"Label%1"_s.arg(11 + c);
        QTest::addRow("%s", qPrintable(nombre)) << nombre << QRect(252 + 74 * c, 592, 72, 16);
    }
}

void PruebasGeometria::lugar() {
    QFETCH(QString, control);
    QFETCH(QRect, lugar);
    const QWidget* w = ventana_->findChild<QWidget*>(control);
    QVERIFY(w != nullptr);
    QCOMPARE(w->geometry(), lugar);
}

// The last criterion caption, 33 high, reaches one line into the row below it.
void PruebasGeometria::puntuacionesTocaElUltimoCriterio() {
    const QString ultimo = u"LabelP%1"_s.arg(kCriterios.size());
    const QRect criterio = ventana_->findChild<QWidget*>(ultimo)->geometry();
    const QRect puntuaciones = ventana_->findChild<QWidget*>(u"StaticText18"_s)->geometry();
    QCOMPARE(criterio.intersected(puntuaciones), QRect(8, puntuaciones.top(), 241, 1));
}

void PruebasGeometria::aspecto_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("como"); // a control with the same look; empty for the result field
    for (const char* etiqueta : {"Label20", "Label21", "Label22", "Label23", "Label24"})
        QTest::addRow("%s", etiqueta) << QString::fromLatin1(etiqueta) << u"Label19"_s;
    QTest::newRow("ETotalCoste") << u"ETotalCoste"_s << QString();
}

// The reconditioning captions share the sheet's regular caption look; the total's result field
// is yellow, Verdana bold 12 px in 0x00654949.
void PruebasGeometria::aspecto() {
    QFETCH(QString, control);
    QFETCH(QString, como);
    const QWidget* w = ventana_->findChild<QWidget*>(control);
    QVERIFY(w != nullptr);
    if (como.isEmpty()) {
        QCOMPARE(w->palette().color(QPalette::Base), ColorBGR(0x0000FFFF));
        QCOMPARE(w->palette().color(QPalette::Text), ColorBGR(0x00654949));
        QCOMPARE(w->font().family(), u"Verdana"_s);
        QCOMPARE(w->font().pixelSize(), 12);
        QVERIFY(w->font().bold());
        return;
    }
    const QWidget* modelo = ventana_->findChild<QWidget*>(como);
    QCOMPARE(w->font(), modelo->font());
    QCOMPARE(w->font().pixelSize(), 11);
    QVERIFY(!w->font().bold());
    QCOMPARE(w->palette().color(QPalette::WindowText), ColorBGR(0x00656549));
    QCOMPARE(w->autoFillBackground(), modelo->autoFillBackground());
    QCOMPARE(w->palette().color(QPalette::Window), modelo->palette().color(QPalette::Window));
}

void PruebasGeometria::hojaAltaParaTodo_data() {
    QTest::addColumn<bool>("valoracion");
    QTest::newRow("valuation") << true;
    QTest::newRow("certificate") << false;
}

// Every control of a sheet, captions measured, ends above the sheet's foot.
void PruebasGeometria::hojaAltaParaTodo() {
    QFETCH(bool, valoracion);
    std::unique_ptr<QWidget> ventana;
    if (valoracion)
        ventana = std::make_unique<TForm1>();
    else
        ventana = std::make_unique<TForm2>();
    MedirPendientes(*ventana);
    const QWidget* hoja = ventana->findChild<QScrollArea*>(u"ScrollBox1"_s)->widget();
    QStringList debajo;
    for (const QWidget* control : hoja->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->geometry().bottom() >= hoja->height())
            debajo << control->objectName();
    }
    QVERIFY(!hoja->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());
    QCOMPARE(debajo, QStringList());
}

MORVEX_TEST_MAIN(PruebasGeometria)
#include "tst_geometria.moc"
