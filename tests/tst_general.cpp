// Numeric text: normalising typed numbers, month names, the plain conversion, the number text,
// rounding and the text of an error box.

#include "apoyo_calculo.h"

#include "errores.h"
#include "general.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

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
    void textoDeTabla();
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
    // clang-format off
    const Caso casos[] = {
        {"plain", coma, u"15000"_s, u"15000"_s},
        {"decimals", coma, u"15000,5"_s, u"15000,5"_s},
        {"four decimals cut", coma, u"1234,5678"_s, u"1234,567"_s},
        {"three decimals", coma, u"0,999"_s, u"0,999"_s},
        {"second comma skipped", coma, u"1,2,3"_s, u"1,23"_s},
        {"blanks skipped", coma, u" 12 345 "_s, u"12345"_s},
        {"thousands point skipped", coma, u"15.000"_s, u"15000"_s},
        {"point then comma", coma, u"1.500,75"_s, u"1500,75"_s},
        {"letter stops", coma, u"12a34"_s, u"12"_s},
        {"minus", coma, u"-7,25"_s, u"-7,25"_s},
        {"plus", coma, u"+3"_s, u"+3"_s},
        {"trailing sign", coma, u"3-"_s, u"3"_s},
        {"trailing separator", coma, u"12,"_s, u"12,"_s},
        {"leading separator", coma, u",5"_s, u",5"_s},
        {"letters only", coma, u"abc"_s, u"0"_s},
        {"empty", coma, u""_s, u"0"_s},
        {"sign after letter", coma, u"x-5"_s, u"-"_s},
        {"sign alone", coma, u"-"_s, u"-"_s},
        {"currency first", coma, QStringLiteral("€ 1500"), u"0"_s},
        {"currency last", coma, QStringLiteral("1500 €"), u"1500"_s},
        {"twenty digits", coma, veinte, veinte.left(16)},
        {"minus and twenty digits", coma, u"-"_s + veinte, u"-"_s + veinte.left(15)},
        {"twenty digits and decimals", coma, veinte + u",123"_s, veinte + u",123"_s},
        {"NUL skipped", coma, QString(QStringLiteral("1")) + QChar(0) + u"2"_s, u"12"_s},
        {"tab stops", coma, u"1\t2"_s, u"1"_s},
        {"point: comma skipped", punto, u"1,500.75"_s, u"1500.75"_s},
        {"point: comma after point", punto, u"1.500,75"_s, u"1.500"_s},
        {"point: second point stops", punto, u"1.2.3"_s, u"1.2"_s},
        {"point: four decimals cut", punto, u"1234.5678"_s, u"1234.567"_s},
        {"point: comma inside", punto, u"12,5"_s, u"125"_s},
        {"point: blanks", punto, u" 7 . 5"_s, u"7.5"_s},
        // a thousands point of the whole part is skipped
        {"fifteen thousand", coma, u"15.000"_s, u"15000"_s},
        {"thousands and decimals", coma, u"1.500,75"_s, u"1500,75"_s},
        {"thousands and euro sign", coma, u"9.500 €"_s, u"9500"_s},
        {"two thousands points", coma, u"1.234.567"_s, u"1234567"_s},
        {"cost", coma, u"1.200"_s, u"1200"_s},
        {"negative", coma, u"-12.000"_s, u"-12000"_s},
        {"thousands then three decimals cut", coma, u"2.000,12345"_s, u"2000,123"_s},
        {"thousands then blank", coma, u"3.000 ,5"_s, u"3000,5"_s},
        // any other point still ends the number
        {"one digit after", coma, u"1.5"_s, u"1"_s},
        {"two digits after", coma, u"15.00"_s, u"15"_s},
        {"four digits after", coma, u"1.2345"_s, u"1"_s},
        {"good group then short one", coma, u"1.500.5"_s, u"1500"_s},
        {"point first", coma, u".500"_s, u"0"_s},
        {"blank before the point", coma, u"1 .500"_s, u"1"_s},
        {"after a sign", coma, u"-.500"_s, u"-"_s},
        {"in the decimals", coma, u"1,500.000"_s, u"1,500"_s},
        {"two points", coma, u"1..500"_s, u"1"_s},
        {"after a letter", coma, u"1a.500"_s, u"1"_s},
        // a first point groups thousands only after one to three digits not beginning with 0
        {"grouped, decimals", coma, u"2.500,5"_s, u"2500,5"_s},
        {"grouped, minus", coma, u"-1.500"_s, u"-1500"_s},
        {"grouped, plus", coma, u"+1.500"_s, u"+1500"_s},
        {"three digits before", coma, u"123.456"_s, u"123456"_s},
        {"three groups and decimals", coma, u"1.500.000,5"_s, u"1500000,5"_s},
        {"digits counted from the blank", coma, u"1 234.567"_s, u"1234567"_s},
        {"good group then two digits", coma, u"1.500.00"_s, u"1500"_s},
        {"four digits after, one before", coma, u"1.5000"_s, u"1"_s},
        {"two digits after, two before", coma, u"12.34"_s, u"12"_s},
        {"zero before", coma, u"0.500"_s, u"0"_s},
        {"zero before, one thousandth", coma, u"0.001"_s, u"0"_s},
        {"minus zero before", coma, u"-0.250"_s, u"-0"_s},
        {"leading zero before", coma, u"012.500"_s, u"012"_s},
        {"five digits before", coma, u"31470.500"_s, u"31470"_s},
        {"four digits before", coma, u"1234.567"_s, u"1234"_s},
        {"four digits before a second group", coma, u"1234.567.890"_s, u"1234"_s},
        // with a decimal point nothing changes
        {"point: decimals", punto, u"15.000"_s, u"15.000"_s},
        {"point: thousands groups stop", punto, u"1.234.567"_s, u"1.234"_s},
    };
    // clang-format on
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
    // clang-format off
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("1") << 1 << u"Enero     "_s;
    QTest::newRow("8") << 8 << u"Agosto    "_s;
    QTest::newRow("9, no blank") << 9 << u"Septiembre"_s;
    QTest::newRow("12") << 12 << u"Diciembre "_s;
    QTest::newRow("13") << 13 << QString();
    QTest::newRow("negative") << -1 << QString();
    QTest::newRow("lowest int") << std::numeric_limits<int>::min() << QString();
    // clang-format on
}

void PruebasGeneral::nombreMes() {
    QFETCH(int, mes);
    QFETCH(QString, nombre);
    QCOMPARE(NombreMes(mes), nombre);
}

void PruebasGeneral::numeroMes_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("mes");
    // clang-format off
    QTest::newRow("exact") << u"Octubre"_s << 10;
    QTest::newRow("small letters") << u"octubre"_s << 10;
    QTest::newRow("blanks around") << u" Octubre "_s << 10;
    QTest::newRow("capitals") << u"SEPTIEMBRE"_s << 9;
    QTest::newRow("padded name") << u"Mayo      "_s << 5;
    QTest::newRow("number") << u"10"_s << 0;
    QTest::newRow("prefix") << u"Oct"_s << 0;
    QTest::newRow("empty") << u""_s << 0;
    // clang-format on
}

void PruebasGeneral::numeroMes() {
    QFETCH(QString, texto);
    QFETCH(int, mes);
    QCOMPARE(NumeroMes(texto), mes);
}

void PruebasGeneral::convertir_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    // clang-format off
    QTest::newRow("integer") << u"31470"_s << 31470.0;
    QTest::newRow("decimals") << u"100,25"_s << 100.25;
    QTest::newRow("negative") << u"-7,25"_s << -7.25;
    QTest::newRow("plus") << u"+3"_s << 3.0;
    QTest::newRow("trailing separator") << u"12,"_s << 12.0;
    QTest::newRow("leading separator") << u",5"_s << 0.5;
    QTest::newRow("separator alone") << u","_s << 0.0;
    QTest::newRow("sign and separator") << u"-,"_s << 0.0;
    QTest::newRow("exponent") << u"01e3"_s << 1000.0;
    QTest::newRow("exponent sign") << u"5E-1"_s << 0.5;
    QTest::newRow("bare exponent") << u"7e"_s << 7.0;
    QTest::newRow("zeros") << u"000"_s << 0.0;
    QTest::newRow("tiny underflows to zero") << u"1e-99999"_s << 0.0;
    QTest::newRow("thousand digits") << u"1"_s + QString(1000, QLatin1Char('0')) << HUGE_VAL;
    // clang-format on
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
    // clang-format off
    QTest::newRow("empty") << u""_s;
    QTest::newRow("minus alone") << u"-"_s;
    QTest::newRow("plus alone") << u"+"_s;
    QTest::newRow("thousands point") << u"031.470"_s;
    QTest::newRow("sign inside") << u"0-5"_s;
    QTest::newRow("blank inside") << u"31 470"_s;
    QTest::newRow("letters") << u"0abc"_s;
    QTest::newRow("exponent alone") << u"e5"_s;
    QTest::newRow("beyond extended range") << u"1e99999"_s;
    QTest::newRow("digits beyond range") << u"1"_s + QString(5000, QLatin1Char('0'));
    QTest::newRow("two separators") << u"1,2,3"_s;
    QTest::newRow("infinity") << u"inf"_s;
    // clang-format on
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
    // clang-format off
    QTest::newRow("whole") << u"8"_s << coma << u"8"_s;
    QTest::newRow("decimals") << u"7.75"_s << coma << u"7,75"_s;
    QTest::newRow("point") << u"7.75"_s << QChar(QLatin1Char('.')) << u"7.75"_s;
    QTest::newRow("rate") << u"13.57"_s << coma << u"13,57"_s;
    QTest::newRow("negative") << u"-17.63"_s << coma << u"-17,63"_s;
    QTest::newRow("large rate") << u"135702.09"_s << coma << u"135702,09"_s;
    QTest::newRow("15 digits") << u"22629.4705901990887"_s << coma << u"22629,4705901991"_s;
    QTest::newRow("third") << u"0.333333333333333333333"_s << coma << u"0,333333333333333"_s;
    QTest::newRow("two thirds") << u"0.666666666666666666667"_s << coma << u"0,666666666666667"_s;
    QTest::newRow("negative zero") << u"-0"_s << coma << u"0"_s;
    QTest::newRow("smallest plain") << u"0.00001"_s << coma << u"0,00001"_s;
    QTest::newRow("below plain") << u"0.000001"_s << coma << u"1E-6"_s;
    QTest::newRow("15 integer digits") << u"999999999999999"_s << coma << u"999999999999999"_s;
    QTest::newRow("16 integer digits") << u"1234567890123456"_s << coma << u"1,23456789012346E15"_s;
    QTest::newRow("rounds up to 10^15") << u"999999999999999.9"_s << coma << u"1E15"_s;
    QTest::newRow("huge") << u"1e999"_s << coma << u"1E999"_s;
    QTest::newRow("tens") << u"10300"_s << coma << u"10300"_s;
    // clang-format on
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
    // clang-format off
    QTest::newRow("half down to even") << u"22630.5"_s << 22630LL;
    QTest::newRow("half up to even") << u"22629.5"_s << 22630LL;
    QTest::newRow("6.5") << u"6.5"_s << 6LL;
    QTest::newRow("7.5") << u"7.5"_s << 8LL;
    QTest::newRow("-2.5") << u"-2.5"_s << -2LL;
    QTest::newRow("below half") << u"22629.4705901990887"_s << 22629LL;
    QTest::newRow("lowest") << u"-9223372036854775808"_s << std::numeric_limits<qlonglong>::min();
    QTest::newRow("highest") << u"9223372036854775807"_s << std::numeric_limits<qlonglong>::max();
    // clang-format on
}

void PruebasGeneral::redondear() {
    QFETCH(QString, valor);
    QFETCH(qlonglong, entero);
    QCOMPARE(Redondear(std::strtold(qPrintable(valor), nullptr)), entero);
}

void PruebasGeneral::redondearFueraDeRango_data() {
    QTest::addColumn<QString>("valor");
    // clang-format off
    QTest::newRow("2^63") << u"9223372036854775808"_s;
    QTest::newRow("2^63 - 0.5 rounds to 2^63") << u"9223372036854775807.5"_s;
    QTest::newRow("below lowest") << u"-9223372036854775809"_s;
    QTest::newRow("huge") << u"1e4000"_s;
    QTest::newRow("infinity") << u"inf"_s;
    QTest::newRow("NaN") << u"nan"_s;
    // clang-format on
}

void PruebasGeneral::redondearFueraDeRango() {
    QFETCH(QString, valor);
    QCOMPARE(MensajeDeError([&] { Redondear(std::strtold(qPrintable(valor), nullptr)); }),
             QStringLiteral("Invalid floating point operation"));
}

void PruebasGeneral::textoDelAviso_data() {
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("texto");
    // clang-format off
    QTest::newRow("letter") << u"Invalid floating point operation"_s
                            << "Invalid floating point operation.";
    QTest::newRow("digit") << u"abc 1"_s << u"abc 1."_s;
    QTest::newRow("full stop") << u"Fin."_s << u"Fin."_s;
    QTest::newRow("bracket sorts before") << u"(x)"_s << u"(x)"_s;
    QTest::newRow("quote sorts before") << u"'x'"_s << u"'x'"_s;
    QTest::newRow("empty") << u""_s << u""_s;
    // clang-format on
}

void PruebasGeneral::textoDelAviso() {
    QFETCH(QString, mensaje);
    QFETCH(QString, texto);
    QCOMPARE(TextoDelAviso(mensaje), texto);
}

// A table text with accents, a euro sign and a bullet comes out whole, one character for each:
// read as Latin-1, "á" would be the two characters "Ã¡".
void PruebasGeneral::textoDeTabla() {
    const QString texto = DeTabla("Ejemplo de cálculo, 9 €+IVA •(1) Año");
    QCOMPARE(texto, u"Ejemplo de cálculo, 9 €+IVA •(1) Año"_s);
    QCOMPARE(texto.size(), 36);
}

// The separator is read from the regional settings; the suite runs once with LC_ALL=C and once
// with Spanish settings. (That a change of the settings reads it again is the program's wiring,
// tested with the program.)
void PruebasGeneral::separadorDelSistema() {
    const bool espanol = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("es"));
    const QChar esperado = espanol ? QLatin1Char(',') : QLatin1Char('.');
    FijarSeparadorDecimal(QLatin1Char('x'));
    LeerSeparadorDecimal();
    QCOMPARE(SeparadorDecimal(), esperado);
    FijarSeparadorDecimal(QLatin1Char(','));
}

QTEST_GUILESS_MAIN(PruebasGeneral)
#include "tst_general.moc"
