// The valuation arithmetic on plain values: the input check, the worked example through the
// years, the intermediate quantities, costs, ratings and the refusals.

#include "apoyo_calculo.h"

#include "calculo.h"
#include "errores.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

EntradasValoracion Ejemplo() {
    EntradasValoracion e;
    e.pvpNuevo = QStringLiteral("31470");
    e.kilometros = QStringLiteral("83680");
    e.anoFabricacion = QStringLiteral("2007");
    e.mesFabricacion = QStringLiteral("Octubre");
    e.costes.fill(QStringLiteral("0"));
    e.columnas.fill(3);
    return e;
}

const QChar kComa = QLatin1Char(',');

// The six texts, "-" for a result not written.
QStringList Textos(const ResultadosValoracion& r) {
    QStringList textos;
    for (const auto* texto : {&r.puntosObtenidos, &r.totalCoste, &r.porcentaje, &r.pvpValoracion,
                              &r.pvpCambio, &r.pvpCompra})
        textos << texto->value_or(QStringLiteral("-"));
    return textos;
}

QStringList Calcular(const EntradasValoracion& e, QDate hoy, QChar separador = kComa) {
    ResultadosValoracion r;
    ValorarCoche(e, hoy, separador, r);
    return Textos(r);
}

QString Digitos(long double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.18Lg", valor);
    return QString::fromLatin1(texto);
}

} // namespace

class PruebasCalculo : public QObject {
    Q_OBJECT

private slots:
    void datosQueFaltan_data();
    void datosQueFaltan();
    void datosNoNumericos_data();
    void datosNoNumericos();
    void ejemploSegunLaFecha_data();
    void ejemploSegunLaFecha();
    void pasosIntermedios();
    void separadorPunto();
    void costes_data();
    void costes();
    void valoraciones_data();
    void valoraciones();
    void anoConDecimales_data();
    void anoConDecimales();
    void fallosConResultadosParciales_data();
    void fallosConResultadosParciales();
    void rechazosSinResultados_data();
    void rechazosSinResultados();
    void valoresAbsurdos_data();
    void valoresAbsurdos();
};

void PruebasCalculo::datosQueFaltan_data() {
    QTest::addColumn<QString>("precio");
    QTest::addColumn<QString>("kilometros");
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QString>("mensaje");
    const QString precio = QStringLiteral("Falta por cubrir Precio Coche Nuevo\r\n");
    const QString km = QStringLiteral("Falta por cubrir Kilometros Cuadro\r\n");
    const QString ano = QStringLiteral("Falta por cubrir Ano Fabricacion\r\n");
    const QString mes = QStringLiteral("Falta por cubrir Mes Fabricacion\r\n");
    // clang-format off
    QTest::newRow("all four") << u""_s << u""_s << u""_s << u""_s << precio + km + ano + mes;
    QTest::newRow("only month") << u"31470"_s << u"83680"_s << u"2007"_s << u""_s << mes;
    QTest::newRow("blank price, blank year") << u"   "_s << u"1"_s << u" \t"_s << u"x"_s << precio + ano;
    QTest::newRow("zero between blanks") << u" 0 "_s << u"1"_s << u"2007"_s << u"Enero"_s << precio;
    QTest::newRow("0,00") << u"0,00"_s << u"1"_s << u"2007"_s << u"Enero"_s << precio;
    QTest::newRow("000 km") << u"1"_s << u"000"_s << u"2007"_s << u"Enero"_s << km;
    QTest::newRow("0,001 is there") << u"0,001"_s << u"1"_s << u"2007"_s << u"Enero"_s << u""_s;
    QTest::newRow("1e3 km") << u"1"_s << u"1e3"_s << u"2007"_s << u"Enero"_s << u""_s;
    QTest::newRow("letters pass for year and month") << u"1"_s << u"1"_s << u"abc"_s << u"octubre"_s << u""_s;
    // clang-format on
}

void PruebasCalculo::datosQueFaltan() {
    QFETCH(QString, precio);
    QFETCH(QString, kilometros);
    QFETCH(QString, ano);
    QFETCH(QString, mes);
    QFETCH(QString, mensaje);
    EntradasValoracion e;
    e.pvpNuevo = precio;
    e.kilometros = kilometros;
    e.anoFabricacion = ano;
    e.mesFabricacion = mes;
    QCOMPARE(DatosQueFaltan(e, kComa), mensaje);
}

void PruebasCalculo::datosNoNumericos_data() {
    QTest::addColumn<QString>("precio");
    QTest::addColumn<QString>("kilometros");
    QTest::addColumn<QString>("convertido");
    // clang-format off
    QTest::newRow("thousands point") << u"31.470"_s << u""_s << u"031.470"_s;
    QTest::newRow("euro sign") << QStringLiteral("31470 €") << u"1"_s << QStringLiteral("031470 €");
    QTest::newRow("minus km") << u"1"_s << u"-5"_s << u"0-5"_s;
    QTest::newRow("trimmed first") << u" 12a "_s << u"1"_s << u"012a"_s;
    QTest::newRow("beyond range") << u"1e99999"_s << u"1"_s << u"01e99999"_s;
    QTest::newRow("price fails before km is read") << u"x"_s << u"-5"_s << u"0x"_s;
    // clang-format on
}

void PruebasCalculo::datosNoNumericos() {
    QFETCH(QString, precio);
    QFETCH(QString, kilometros);
    QFETCH(QString, convertido);
    EntradasValoracion e;
    e.pvpNuevo = precio;
    e.kilometros = kilometros;
    QCOMPARE(MensajeDeError([&] { DatosQueFaltan(e, kComa); }),
             QStringLiteral("'%1' is not a valid floating point value").arg(convertido));
}

void PruebasCalculo::ejemploSegunLaFecha_data() {
    QTest::addColumn<QDate>("hoy");
    QTest::addColumn<bool>("especial1");
    QTest::addColumn<bool>("especial2");
    QTest::addColumn<QStringList>("resultados");
    // clang-format off
    QTest::newRow("March 2010") << QDate(2010, 3, 1) << false << false
                                << QStringList{u"300"_s, u"0"_s, u"13,57"_s, u"22629"_s, u"19797"_s, u"19797"_s};
    QTest::newRow("June 2012") << QDate(2012, 6, 30) << false << false
                               << QStringList{u"300"_s, u"0"_s, u"12,16"_s, u"17792"_s, u"15565"_s, u"15565"_s};
    QTest::newRow("June 2012, special 1") << QDate(2012, 6, 1) << true << false
                                          << QStringList{u"300"_s, u"0"_s, u"12,16"_s, u"21531"_s, u"18836"_s,
                                                         u"18836"_s};
    QTest::newRow("June 2012, special 2") << QDate(2012, 6, 1) << false << true
                                          << QStringList{u"300"_s, u"0"_s, u"12,16"_s, u"23679"_s, u"20715"_s,
                                                         u"20715"_s};
    QTest::newRow("June 2012, both special") << QDate(2012, 6, 1) << true << true
                                             << QStringList{u"300"_s, u"0"_s, u"12,16"_s, u"23679"_s,
                                                            u"20715"_s, u"20715"_s};
    QTest::newRow("October 2007, age 0") << QDate(2007, 10, 31) << false << false
                                         << QStringList{u"300"_s, u"0"_s, u"135702,09"_s, u"31470"_s,
                                                        u"27531"_s, u"27531"_s};
    QTest::newRow("July 2007, age -3") << QDate(2007, 7, 1) << false << false
                                       << QStringList{u"300"_s, u"0"_s, u"-17,63"_s, u"31470"_s, u"27531"_s,
                                                      u"27531"_s};
    // clang-format on
}

void PruebasCalculo::ejemploSegunLaFecha() {
    QFETCH(QDate, hoy);
    QFETCH(bool, especial1);
    QFETCH(bool, especial2);
    QFETCH(QStringList, resultados);
    EntradasValoracion e = Ejemplo();
    e.especial1 = especial1;
    e.especial2 = especial2;
    QCOMPARE(Calcular(e, hoy), resultados);
}

void PruebasCalculo::pasosIntermedios() {
    const Depreciacion d = Depreciar(31470, 83680, 29, 300, 1200);
    QCOMPARE(d.N, 46401);
    QCOMPARE(Digitos(d.r), QStringLiteral("1.80340940927997241"));
    QCOMPARE(Digitos(d.k), QStringLiteral("0.886158071801365755"));
    QCOMPARE(Digitos(d.p), QStringLiteral("1.66112956810631229"));
    QCOMPARE(Digitos(d.T), QStringLiteral("13.5688399093697562"));
    QCOMPARE(Digitos(d.V), QStringLiteral("22629.4705901990887"));
    QCOMPARE(Digitos(d.E), QStringLiteral("12.5168192219679634"));
    QCOMPARE(Digitos(d.V2), QStringLiteral("19796.980665535462"));
}

void PruebasCalculo::separadorPunto() {
    EntradasValoracion e = Ejemplo();
    QCOMPARE(Calcular(e, QDate(2010, 3, 1), QLatin1Char('.')),
             (QStringList{u"300"_s, u"0"_s, u"13.57"_s, u"22629"_s, u"19797"_s, u"19797"_s}));
}

void PruebasCalculo::costes_data() {
    QTest::addColumn<QStringList>("costes"); // paint, upholstery, engine, brakes, electronics
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("compra");
    // clang-format off
    QTest::newRow("three costs") << QStringList{u"150"_s, u"0"_s, u"200,5"_s, u"0"_s, u"49,5"_s} << u"400"_s
                                 << "15165";
    QTest::newRow("cents kept") << QStringList{u"100,25"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s} << u"100,25"_s
                                << "15464,75";
    QTest::newRow("above exchange value") << QStringList{u"20000"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s} << u"20000"_s
                                          << "-4435";
    QTest::newRow("empty fields count 0") << QStringList{u""_s, u""_s, u""_s, u""_s, u""_s} << u"0"_s << u"15565"_s;
    QTest::newRow("negative cost lowers total") << QStringList{u"-100"_s, u"50"_s, u""_s, u""_s, u""_s} << u"-50"_s
                                                << "15615";
    // clang-format on
}

void PruebasCalculo::costes() {
    QFETCH(QStringList, costes);
    QFETCH(QString, total);
    QFETCH(QString, compra);
    EntradasValoracion e = Ejemplo();
    std::copy(costes.begin(), costes.end(), e.costes.begin());
    const QStringList r = Calcular(e, QDate(2012, 6, 1));
    QCOMPARE(r[1], total);
    QCOMPARE(r[5], compra);
    QCOMPARE(r[4], QStringLiteral("15565")); // the exchange value does not depend on the costs
}

void PruebasCalculo::valoraciones_data() {
    QTest::addColumn<int>("columna");
    QTest::addColumn<QString>("puntos");
    QTest::addColumn<QString>("porcentaje");
    // Every row in one column gives that column's mark; fewer points, a faster depreciation:
    // T = 2,92432... (mileage) + 2000 / (P + 1) + 4.
    // clang-format off
    QTest::newRow("MUY MAL") << 1 << u"100"_s << u"26,73"_s;
    QTest::newRow("MAL") << 2 << u"200"_s << u"16,87"_s;
    QTest::newRow("NORMAL") << 3 << u"300"_s << u"13,57"_s;
    QTest::newRow("BIEN") << 4 << u"400"_s << u"11,91"_s;
    QTest::newRow("MUY BIEN") << 5 << u"500"_s << u"10,92"_s;
    QTest::newRow("no rating set") << 0 << u"0"_s << u"2006,92"_s;
    // clang-format on
}

void PruebasCalculo::valoraciones() {
    QFETCH(int, columna);
    QFETCH(QString, puntos);
    QFETCH(QString, porcentaje);
    EntradasValoracion e = Ejemplo();
    e.columnas.fill(columna);
    const QStringList r = Calcular(e, QDate(2010, 3, 1));
    QCOMPARE(r[0], puntos);
    QCOMPARE(r[2], porcentaje);
}

void PruebasCalculo::anoConDecimales_data() {
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QString>("igualQue");
    // clang-format off
    QTest::newRow("2007,5 to 2008") << u"2007,5"_s << u"2008"_s;
    QTest::newRow("2006,5 to 2006") << u"2006,5"_s << u"2006"_s;
    QTest::newRow("2006,51 to 2007") << u"2006,51"_s << u"2007"_s;
    // clang-format on
}

void PruebasCalculo::anoConDecimales() {
    QFETCH(QString, ano);
    QFETCH(QString, igualQue);
    EntradasValoracion con = Ejemplo();
    con.anoFabricacion = ano;
    EntradasValoracion sin = Ejemplo();
    sin.anoFabricacion = igualQue;
    QCOMPARE(Calcular(con, QDate(2012, 6, 1)), Calcular(sin, QDate(2012, 6, 1)));
}

void PruebasCalculo::fallosConResultadosParciales_data() {
    QTest::addColumn<QString>("coste");
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QStringList>("escritos");
    // clang-format off
    QTest::newRow("cost is a sign alone") << u"x-5"_s << u"2007"_s
                                          << "'-' is not a valid floating point value"
                                          << QStringList{u"300"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s};
    QTest::newRow("year is a sign alone") << u"0"_s << u"+"_s
                                          << "'+' is not a valid floating point value"
                                          << QStringList{u"300"_s, u"0"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s};
    QTest::newRow("cost beyond range")
        << QString(5000, QLatin1Char('9')) + u","_s << u"2007"_s
        << QStringLiteral("'%1,' is not a valid floating point value")
               .arg(QString(5000, QLatin1Char('9')))
        << QStringList{u"300"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s};
    QTest::newRow("total cost overflows")
        << QString(4932, QLatin1Char('9')) + u","_s << u"2007"_s << u"Invalid floating point operation"_s
        << QStringList{u"300"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s};
    // clang-format on
}

void PruebasCalculo::fallosConResultadosParciales() {
    QFETCH(QString, coste);
    QFETCH(QString, ano);
    QFETCH(QString, mensaje);
    QFETCH(QStringList, escritos);
    EntradasValoracion e = Ejemplo();
    e.costes.fill(coste);
    e.anoFabricacion = ano;
    ResultadosValoracion r;
    QCOMPARE(MensajeDeError([&] { ValorarCoche(e, QDate(2010, 3, 1), kComa, r); }), mensaje);
    QCOMPARE(Textos(r), escritos);
}

void PruebasCalculo::rechazosSinResultados_data() {
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QString>("mensaje");
    // clang-format off
    QTest::newRow("unknown month")
        << "2007" << "Octobre"
        << QStringLiteral("Mes Fabricac: 'Octobre' no es ningún mes. Elija uno de la lista, de "
                          "Enero a Diciembre.");
    QTest::newRow("year letters only")
        << "abc" << "Octubre"
        << QStringLiteral("Año Fabricac: 'abc' no es un año de fabricación posible. Escriba un "
                          "año entre 1886 y 9999.");
    QTest::newRow("year 1885") << u"1885"_s << u"Octubre"_s << u""_s;
    QTest::newRow("year 10000") << u"10000"_s << u"Octubre"_s << u""_s;
    QTest::newRow("year of 16 digits") << QString(20, QLatin1Char('9')) << u"Octubre"_s << u""_s;
    QTest::newRow("negative year") << u"-2007"_s << u"Octubre"_s << u""_s;
    // clang-format on
}

void PruebasCalculo::rechazosSinResultados() {
    QFETCH(QString, ano);
    QFETCH(QString, mes);
    QFETCH(QString, mensaje);
    EntradasValoracion e = Ejemplo();
    e.anoFabricacion = ano;
    e.mesFabricacion = mes;
    ResultadosValoracion r;
    const QString visto = MensajeDeError([&] { ValorarCoche(e, QDate(2010, 3, 1), kComa, r); });
    if (!mensaje.isEmpty())
        QCOMPARE(visto, mensaje);
    else
        QVERIFY2(visto.startsWith(QStringLiteral("Año Fabricac: '%1'").arg(ano)),
                 qPrintable(visto));
    QCOMPARE(Textos(r), QStringList(6, QStringLiteral("-")));
}

void PruebasCalculo::valoresAbsurdos_data() {
    QTest::addColumn<QString>("precio");
    QTest::addColumn<QString>("kilometros");
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QDate>("hoy");
    // clang-format off
    QTest::newRow("oldest car, 16-digit km") << u"31470"_s << u"9999999999999999"_s << u"1886"_s
                                             << "Enero" << QDate(2026, 12, 1);
    QTest::newRow("far future car") << u"31470"_s << u"83680"_s << u"9999"_s << u"Diciembre"_s
                                    << QDate(1900, 1, 1);
    QTest::newRow("thousand-digit price") << QString(1000, QLatin1Char('9')) + u",5"_s << u"1"_s
                                          << "2000" << "Enero" << QDate(2026, 12, 1);
    QTest::newRow("tiny km") << u"1"_s << u",001"_s << u"2007"_s << u"Mayo"_s << QDate(2026, 12, 1);
    // clang-format on
}

// No text is ever "nan" or "inf": a value without a whole number ends in the rounding error.
void PruebasCalculo::valoresAbsurdos() {
    QFETCH(QString, precio);
    QFETCH(QString, kilometros);
    QFETCH(QString, ano);
    QFETCH(QString, mes);
    QFETCH(QDate, hoy);
    EntradasValoracion e = Ejemplo();
    e.pvpNuevo = precio;
    e.kilometros = kilometros;
    e.anoFabricacion = ano;
    e.mesFabricacion = mes;
    ResultadosValoracion r;
    try {
        ValorarCoche(e, hoy, kComa, r);
    } catch (const ErrorCalculo& error) {
        QCOMPARE(error.mensaje(), QStringLiteral("Invalid floating point operation"));
    }
    for (const QString& texto : Textos(r)) {
        QVERIFY2(!texto.contains(QStringLiteral("nan"), Qt::CaseInsensitive) &&
                     !texto.contains(QStringLiteral("inf"), Qt::CaseInsensitive),
                 qPrintable(texto));
    }
}

QTEST_GUILESS_MAIN(PruebasCalculo)
#include "tst_calculo.moc"
