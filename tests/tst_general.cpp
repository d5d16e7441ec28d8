// Numeric text: normalising typed numbers, month names, the plain conversion, the number text,
// rounding and the text of an error box.

#include "apoyo.h"

#include "errores.h"
#include "general.h"

#include <cmath>
#include <limits>

class PruebasGeneral : public QObject {
    Q_OBJECT

private slots:
    void normalizar_data();
    void normalizar();
    void normalizarEsIdempotente_data() { normalizar_data(); }
    void normalizarEsIdempotente();
    void nombreMes_data();
    void nombreMes();
    void numeroMes_data();
    void numeroMes();
    void convertir_data();
    void convertir();
    void convertirRechaza_data();
    void convertirRechaza();
    void textoNumero_data();
    void textoNumero();
    void textoNumeroRechazaNoFinitos();
    void redondear_data();
    void redondear();
    void redondearFueraDeRango_data();
    void redondearFueraDeRango();
    void textoDelAviso_data();
    void textoDelAviso();
    void separadorDelSistema();
};

void PruebasGeneral::normalizar_data() {
    QTest::addColumn<QChar>("separador");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("esperado");
    const QChar coma = QLatin1Char(',');
    const QChar punto = QLatin1Char('.');
    const QString veinte = QStringLiteral("12345678901234567890");
    struct Caso {
        const char* nombre;
        QChar separador;
        QString entrada;
        QString esperado;
    };
    const Caso casos[] = {
        {"plain", coma, "15000", "15000"},
        {"decimals", coma, "15000,5", "15000,5"},
        {"four decimals cut", coma, "1234,5678", "1234,567"},
        {"three decimals", coma, "0,999", "0,999"},
        {"second comma skipped", coma, "1,2,3", "1,23"},
        {"blanks skipped", coma, " 12 345 ", "12345"},
        {"thousands point skipped", coma, "15.000", "15000"},
        {"point then comma", coma, "1.500,75", "1500,75"},
        {"letter stops", coma, "12a34", "12"},
        {"minus", coma, "-7,25", "-7,25"},
        {"plus", coma, "+3", "+3"},
        {"trailing sign", coma, "3-", "3"},
        {"trailing separator", coma, "12,", "12,"},
        {"leading separator", coma, ",5", ",5"},
        {"letters only", coma, "abc", "0"},
        {"empty", coma, "", "0"},
        {"sign after letter", coma, "x-5", "-"},
        {"sign alone", coma, "-", "-"},
        {"currency first", coma, QStringLiteral("€ 1500"), "0"},
        {"currency last", coma, QStringLiteral("1500 €"), "1500"},
        {"twenty digits", coma, veinte, veinte.left(16)},
        {"minus and twenty digits", coma, "-" + veinte, "-" + veinte.left(15)},
        {"twenty digits and decimals", coma, veinte + ",123", veinte + ",123"},
        {"NUL skipped", coma, QString(QStringLiteral("1")) + QChar(0) + "2", "12"},
        {"tab stops", coma, "1\t2", "1"},
        {"point: comma skipped", punto, "1,500.75", "1500.75"},
        {"point: comma after point", punto, "1.500,75", "1.500"},
        {"point: second point stops", punto, "1.2.3", "1.2"},
        {"point: four decimals cut", punto, "1234.5678", "1234.567"},
        {"point: comma inside", punto, "12,5", "125"},
        {"point: blanks", punto, " 7 . 5", "7.5"},
    };
    for (const Caso& caso : casos)
        QTest::newRow(caso.nombre) << caso.separador << caso.entrada << caso.esperado;
}

void PruebasGeneral::normalizar() {
    QFETCH(QChar, separador);
    QFETCH(QString, entrada);
    QFETCH(QString, esperado);
    QCOMPARE(NormalizarNumero(entrada, separador), esperado);
}

void PruebasGeneral::normalizarEsIdempotente() {
    QFETCH(QChar, separador);
    QFETCH(QString, esperado);
    QCOMPARE(NormalizarNumero(esperado, separador), esperado);
}

void PruebasGeneral::nombreMes_data() {
    QTest::addColumn<int>("mes");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("1") << 1 << "Enero     ";
    QTest::newRow("8") << 8 << "Agosto    ";
    QTest::newRow("9, no blank") << 9 << "Septiembre";
    QTest::newRow("12") << 12 << "Diciembre ";
    QTest::newRow("13") << 13 << QString();
    QTest::newRow("negative") << -1 << QString();
    QTest::newRow("lowest int") << std::numeric_limits<int>::min() << QString();
}

void PruebasGeneral::nombreMes() {
    QFETCH(int, mes);
    QFETCH(QString, nombre);
    QCOMPARE(NombreMes(mes), nombre);
}

void PruebasGeneral::numeroMes_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("mes");
    QTest::newRow("exact") << "Octubre" << 10;
    QTest::newRow("small letters") << "octubre" << 10;
    QTest::newRow("blanks around") << " Octubre " << 10;
    QTest::newRow("capitals") << "SEPTIEMBRE" << 9;
    QTest::newRow("padded name") << "Mayo      " << 5;
    QTest::newRow("number") << "10" << 0;
    QTest::newRow("prefix") << "Oct" << 0;
    QTest::newRow("empty") << "" << 0;
}

void PruebasGeneral::numeroMes() {
    QFETCH(QString, texto);
    QFETCH(int, mes);
    QCOMPARE(NumeroMes(texto), mes);
}

void PruebasGeneral::convertir_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("integer") << "31470" << 31470.0;
    QTest::newRow("decimals") << "100,25" << 100.25;
    QTest::newRow("negative") << "-7,25" << -7.25;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("trailing separator") << "12," << 12.0;
    QTest::newRow("leading separator") << ",5" << 0.5;
    QTest::newRow("separator alone") << "," << 0.0;
    QTest::newRow("sign and separator") << "-," << 0.0;
    QTest::newRow("exponent") << "01e3" << 1000.0;
    QTest::newRow("exponent sign") << "5E-1" << 0.5;
    QTest::newRow("bare exponent") << "7e" << 7.0;
    QTest::newRow("zeros") << "000" << 0.0;
    QTest::newRow("tiny underflows to zero") << "1e-99999" << 0.0;
    QTest::newRow("thousand digits") << "1" + QString(1000, QLatin1Char('0')) << HUGE_VAL;
}

void PruebasGeneral::convertir() {
    QFETCH(QString, texto);
    QFETCH(double, valor);
    const long double convertido = ConvertirTexto(texto, QLatin1Char(','));
    if (std::isinf(valor))
        QVERIFY(convertido > 1e999L && std::isfinite(convertido));
    else
        QCOMPARE(static_cast<double>(convertido), valor);
}

void PruebasGeneral::convertirRechaza_data() {
    QTest::addColumn<QString>("texto");
    QTest::newRow("empty") << "";
    QTest::newRow("minus alone") << "-";
    QTest::newRow("plus alone") << "+";
    QTest::newRow("thousands point") << "031.470";
    QTest::newRow("sign inside") << "0-5";
    QTest::newRow("blank inside") << "31 470";
    QTest::newRow("letters") << "0abc";
    QTest::newRow("exponent alone") << "e5";
    QTest::newRow("beyond extended range") << "1e99999";
    QTest::newRow("digits beyond range") << "1" + QString(5000, QLatin1Char('0'));
    QTest::newRow("two separators") << "1,2,3";
    QTest::newRow("infinity") << "inf";
}

void PruebasGeneral::convertirRechaza() {
    QFETCH(QString, texto);
    QCOMPARE(MensajeDeError([&] { ConvertirTexto(texto, QLatin1Char(',')); }),
             QStringLiteral("'%1' is not a valid floating point value").arg(texto));
}

void PruebasGeneral::textoNumero_data() {
    QTest::addColumn<QString>("valor"); // a long double literal, read with strtold
    QTest::addColumn<QChar>("separador");
    QTest::addColumn<QString>("texto");
    const QChar coma = QLatin1Char(',');
    QTest::newRow("whole") << "8" << coma << "8";
    QTest::newRow("decimals") << "7.75" << coma << "7,75";
    QTest::newRow("point") << "7.75" << QChar(QLatin1Char('.')) << "7.75";
    QTest::newRow("rate") << "13.57" << coma << "13,57";
    QTest::newRow("negative") << "-17.63" << coma << "-17,63";
    QTest::newRow("large rate") << "135702.09" << coma << "135702,09";
    QTest::newRow("15 digits") << "22629.4705901990887" << coma << "22629,4705901991";
    QTest::newRow("third") << "0.333333333333333333333" << coma << "0,333333333333333";
    QTest::newRow("two thirds") << "0.666666666666666666667" << coma << "0,666666666666667";
    QTest::newRow("negative zero") << "-0" << coma << "0";
    QTest::newRow("smallest plain") << "0.00001" << coma << "0,00001";
    QTest::newRow("below plain") << "0.000001" << coma << "1E-6";
    QTest::newRow("15 integer digits") << "999999999999999" << coma << "999999999999999";
    QTest::newRow("16 integer digits") << "1234567890123456" << coma << "1,23456789012346E15";
    QTest::newRow("rounds up to 10^15") << "999999999999999.9" << coma << "1E15";
    QTest::newRow("huge") << "1e999" << coma << "1E999";
    QTest::newRow("tens") << "10300" << coma << "10300";
}

void PruebasGeneral::textoNumero() {
    QFETCH(QString, valor);
    QFETCH(QChar, separador);
    QFETCH(QString, texto);
    QCOMPARE(TextoNumero(std::strtold(qPrintable(valor), nullptr), separador), texto);
}

void PruebasGeneral::textoNumeroRechazaNoFinitos() {
    for (const long double valor : {std::numeric_limits<long double>::infinity(),
                                    -std::numeric_limits<long double>::infinity(),
                                    std::numeric_limits<long double>::quiet_NaN()}) {
        QVERIFY_THROWS_EXCEPTION(ErrorCalculo, TextoNumero(valor, QLatin1Char(',')));
    }
}

void PruebasGeneral::redondear_data() {
    QTest::addColumn<QString>("valor");
    QTest::addColumn<qlonglong>("entero");
    QTest::newRow("half down to even") << "22630.5" << 22630LL;
    QTest::newRow("half up to even") << "22629.5" << 22630LL;
    QTest::newRow("6.5") << "6.5" << 6LL;
    QTest::newRow("7.5") << "7.5" << 8LL;
    QTest::newRow("-2.5") << "-2.5" << -2LL;
    QTest::newRow("below half") << "22629.4705901990887" << 22629LL;
    QTest::newRow("lowest") << "-9223372036854775808" << std::numeric_limits<qlonglong>::min();
    QTest::newRow("highest") << "9223372036854775807" << std::numeric_limits<qlonglong>::max();
}

void PruebasGeneral::redondear() {
    QFETCH(QString, valor);
    QFETCH(qlonglong, entero);
    QCOMPARE(Redondear(std::strtold(qPrintable(valor), nullptr)), entero);
}

void PruebasGeneral::redondearFueraDeRango_data() {
    QTest::addColumn<QString>("valor");
    QTest::newRow("2^63") << "9223372036854775808";
    QTest::newRow("2^63 - 0.5 rounds to 2^63") << "9223372036854775807.5";
    QTest::newRow("below lowest") << "-9223372036854775809";
    QTest::newRow("huge") << "1e4000";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("NaN") << "nan";
}

void PruebasGeneral::redondearFueraDeRango() {
    QFETCH(QString, valor);
    QCOMPARE(MensajeDeError([&] { Redondear(std::strtold(qPrintable(valor), nullptr)); }),
             QStringLiteral("Invalid floating point operation"));
}

void PruebasGeneral::textoDelAviso_data() {
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("texto");
    QTest::newRow("letter") << "Invalid floating point operation"
                            << "Invalid floating point operation.";
    QTest::newRow("digit") << "abc 1" << "abc 1.";
    QTest::newRow("full stop") << "Fin." << "Fin.";
    QTest::newRow("bracket sorts before") << "(x)" << "(x)";
    QTest::newRow("quote sorts before") << "'x'" << "'x'";
    QTest::newRow("empty") << "" << "";
}

void PruebasGeneral::textoDelAviso() {
    QFETCH(QString, mensaje);
    QFETCH(QString, texto);
    QCOMPARE(TextoDelAviso(mensaje), texto);
}

// The separator follows the regional settings at start-up and whenever they change; the
// suite runs once with LC_ALL=C and once with Spanish settings.
void PruebasGeneral::separadorDelSistema() {
    const bool espanol = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("es"));
    const QChar esperado = espanol ? QLatin1Char(',') : QLatin1Char('.');
    FijarSeparadorDecimal(QLatin1Char('x'));
    QEvent cambio(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &cambio);
    QCOMPARE(SeparadorDecimal(), esperado);
    FijarSeparadorDecimal(QLatin1Char(','));
}

MORVEX_TEST_MAIN(PruebasGeneral)
#include "tst_general.moc"
