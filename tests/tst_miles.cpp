// Amounts typed the Spanish way, with a point between thousands: what the costs and the seller's
// price come to through both windows (what NormalizarNumero keeps is in tst_general).

#include "apoyo.h"

#include "form1.h"
#include "form2.h"
#include "general.h"
#include "programa.h"
#include "reloj.h"

#include <QLineEdit>
#include <QPushButton>
#include <memory>

using namespace Qt::StringLiterals;

class PruebasMiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SilenciarPlataforma(); }
    void cleanup();

    void costesConPuntoDeMiles();
    void costeConPunto_data();
    void costeConPunto();
    void precioDelVendedorConPunto_data();
    void precioDelVendedorConPunto();
    void precioDelVendedorAnidaUnaVez();

private:
    Avisos avisos;
};

void PruebasMiles::cleanup() { QVERIFY2(avisos.Vacio(), qPrintable(avisos.Resumen())); }

void PruebasMiles::costesConPuntoDeMiles() {
    FijarReloj(MomentoDePrueba(2010, 3));
    TForm1 ventana;
    ventana.show();
    const auto escribir = [&](const char* nombre, const QString& texto) {
        ventana.findChild<QLineEdit*>(QString::fromLatin1(nombre))->setText(texto);
    };
    escribir("EPintura", u"1.200"_s);
    escribir("EMotor", u"2.500,50"_s);
    escribir("EPVPCompra", u"marca"_s);
    QTest::mouseClick(ventana.findChild<QPushButton*>(u"Button4"_s), Qt::LeftButton);
    QCOMPARE(Texto(ventana, "ETotalCoste"), u"3700,5"_s);
    QCOMPARE(Texto(ventana, "EPVPCompra"), u"16096,5"_s);
    QCOMPARE(Texto(ventana, "EPintura"), u"1.200"_s); // typed texts stay as typed

    // The same purchase price as with the costs typed without points.
    escribir("EPintura", u"1200"_s);
    escribir("EMotor", u"2500,5"_s);
    QTest::mouseClick(ventana.findChild<QPushButton*>(u"Button4"_s), Qt::LeftButton);
    QCOMPARE(Texto(ventana, "EPVPCompra"), u"16096,5"_s);
}

// A point reads as a thousands point only where the grouping is Spanish; any other point ends
// the amount, so a cost is never read a thousand times too large.
void PruebasMiles::costeConPunto_data() {
    QTest::addColumn<QString>("pintura");
    QTest::addColumn<QString>("total");
    QTest::newRow("grouped") << u"1.234"_s << u"1234"_s;
    QTest::newRow("four digits before") << u"1234.567"_s << u"1234"_s;
    QTest::newRow("zero before") << u"0.500"_s << u"0"_s;
}

void PruebasMiles::costeConPunto() {
    QFETCH(QString, pintura);
    QFETCH(QString, total);
    FijarReloj(MomentoDePrueba(2010, 3));
    TForm1 ventana;
    ventana.show();
    ventana.findChild<QLineEdit*>(u"EPintura"_s)->setText(pintura);
    QTest::mouseClick(ventana.findChild<QPushButton*>(u"Button4"_s), Qt::LeftButton);
    QCOMPARE(Texto(ventana, "ETotalCoste"), total);
    QCOMPARE(Texto(ventana, "EPintura"), pintura); // typed texts stay as typed
}

void PruebasMiles::precioDelVendedorConPunto_data() {
    QTest::addColumn<QString>("precio");
    QTest::addColumn<QString>("normal");
    QTest::newRow("grouped") << u"15.000"_s << u"15000"_s;
    QTest::newRow("five digits before") << u"31470.500"_s << u"31470"_s;
}

void PruebasMiles::precioDelVendedorConPunto() {
    QFETCH(QString, precio);
    QFETCH(QString, normal);
    FijarReloj(MomentoDePrueba(2010, 3));
    Programa programa;
    programa.Mostrar();
    programa.Form1().findChild<QLineEdit*>(u"EPVPVendedor"_s)->setText(precio);
    QTest::mouseClick(programa.Form1().findChild<QPushButton*>(u"Button2"_s), Qt::LeftButton);
    QVERIFY(programa.Form2().isVisible());
    QCOMPARE(Texto(programa.Form2(), "EPrecioVendedor"), precio); // as typed
    QCOMPARE(Texto(programa.Form2(), "EPVPVendedor"), normal);
}

// A run whose exchange value fails reports once: counting the reports counts the runs.
void PruebasMiles::precioDelVendedorAnidaUnaVez() {
    FijarReloj(MomentoDePrueba(2010, 3));
    TForm2 ventana;
    ventana.show();
    ventana.RecibirValoracion({u"1.9 TDI"_s, u"VSSZZZ1MZ8B000001"_s, u"1234 BCD"_s, u"31470"_s,
                               u"300"_s, u"10000"_s, u"0"_s, u"7"_s, u"SEAT"_s, u"Familiar"_s});
    Proteger(&ventana, [&] { ventana.PrepararCertificado(); });
    ventana.findChild<QLineEdit*>(u"EPrecioCambio"_s)->setText(u"-"_s);
    QCOMPARE(avisos.Tomar().size(), 1);
    ventana.findChild<QLineEdit*>(u"EPVPVendedor"_s)->setText(u"9.500 €"_s);
    QCOMPARE(avisos.Tomar().size(), 2); // the typed text, then the normalised one
    QCOMPARE(Texto(ventana, "EPVPVendedor"), u"9500"_s);
}

MORVEX_TEST_MAIN(PruebasMiles)
#include "tst_miles.moc"
