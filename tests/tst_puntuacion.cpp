// The certificate's arithmetic on plain values.

#include "apoyo_calculo.h"

#include "errores.h"
#include "numeros.h"
#include "puntuacion.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

Calificaciones Todas(Calificacion c) {
    Calificaciones calificaciones;
    calificaciones.fill(c);
    return calificaciones;
}

const long double kTodoBien = PuntuacionLista(Todas(Calificacion::Bien));
const QChar kComa = QLatin1Char(',');

} // namespace

class PruebasPuntuacion : public QObject {
    Q_OBJECT

private slots:
    void puntuacionLista();
    void precioCorregido_data();
    void precioCorregido();
    void nota_data();
    void nota();
    void notaFallida_data();
    void notaFallida();
    void averias_data();
    void averias();
    void defectos();
    void unaPasada_data();
    void unaPasada();
    void lineaFecha_data();
    void lineaFecha();
};

void PruebasPuntuacion::puntuacionLista() {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.16Lg", kTodoBien);
    QCOMPARE(QString::fromLatin1(texto), QStringLiteral("7.000131457867753"));
    QVERIFY(kTodoBien == 2130 / 304.28L);
    QCOMPARE(PuntuacionLista(Todas(Calificacion::Mal)), 0.0L);
    QCOMPARE(PuntuacionLista(Todas(Calificacion::Ninguna)), 0.0L);
    // "Regular" counts half the weight, "Mal" nothing.
    QVERIFY(PuntuacionLista(Todas(Calificacion::Regular)) == SumaPesos() / 2.0L / kDivisorLista);
    Calificaciones mezcla = Todas(Calificacion::Bien);
    mezcla[2] = Calificacion::Regular;
    mezcla[16] = Calificacion::Mal;
    const long double suma = SumaPesos() - kElementos[2].peso / 2.0L - kElementos[16].peso;
    QVERIFY(PuntuacionLista(mezcla) == suma / kDivisorLista);
}

void PruebasPuntuacion::precioCorregido_data() {
    QTest::addColumn<double>("cambio");
    QTest::addColumn<qlonglong>("precio");
    // clang-format off
    QTest::newRow("10000") << 10000.0 << 10300LL;
    QTest::newRow("12000") << 12000.0 << 12360LL;
    QTest::newRow("33") << 33.0 << 34LL;
    QTest::newRow("0") << 0.0 << 0LL;
    QTest::newRow("19797") << 19797.0 << 20391LL;
    QTest::newRow("negative") << -10000.0 << -10300LL;
    // clang-format on
}

void PruebasPuntuacion::precioCorregido() {
    QFETCH(double, cambio);
    QFETCH(qlonglong, precio);
    QCOMPARE(PrecioCorregido(kTodoBien, cambio), precio);
}

void PruebasPuntuacion::nota_data() {
    QTest::addColumn<QString>("puntos");
    QTest::addColumn<bool>("itv");
    QTest::addColumn<int>("averias");
    QTest::addColumn<QString>("obtenidos");
    QTest::addColumn<QString>("itvTexto");
    QTest::addColumn<QString>("totales");
    QTest::addColumn<int>("pares");
    // clang-format off
    QTest::newRow("300") << u"300"_s << false << 0 << u"8"_s << u"0.0"_s << u"8"_s << 8;
    QTest::newRow("300, ITV") << u"300"_s << true << 0 << u"8"_s << u"1.0"_s << u"9"_s << 9;
    QTest::newRow("500, ITV") << u"500"_s << true << 0 << u"9"_s << u"1.0"_s << u"10"_s << 10;
    QTest::newRow("600 capped") << u"600"_s << false << 0 << u"9"_s << u"0.0"_s << u"9"_s << 9;
    QTest::newRow("250") << u"250"_s << false << 0 << u"7,75"_s << u"0.0"_s << u"7,75"_s << 8;
    QTest::newRow("312,5, ITV") << u"312,5"_s << true << 0 << u"8,06"_s << u"1.0"_s << u"9,06"_s << 9;
    QTest::newRow("100") << u"100"_s << false << 0 << u"7"_s << u"0.0"_s << u"7"_s << 7;
    QTest::newRow("0: 6.5 to even") << u"0"_s << false << 0 << u"6,5"_s << u"0.0"_s << u"6,5"_s << 6;
    QTest::newRow("0, ITV: 7.5 to even") << u"0"_s << true << 0 << u"6,5"_s << u"1.0"_s << u"7,5"_s << 8;
    QTest::newRow("empty text") << u""_s << false << 0 << u"6,5"_s << u"0.0"_s << u"6,5"_s << 6;
    QTest::newRow("one fault") << u"300"_s << false << 1 << u"7,5"_s << u"0.0"_s << u"7,5"_s << 8;
    QTest::newRow("three faults") << u"300"_s << true << 3 << u"6,5"_s << u"1.0"_s << u"7,5"_s << 8;
    QTest::newRow("far below 100") << u"-2000"_s << false << 0 << u"-3,5"_s << u"0.0"_s << u"-3,5"_s << 0;
    // clang-format on
}

void PruebasPuntuacion::nota() {
    QFETCH(QString, puntos);
    QFETCH(bool, itv);
    QFETCH(int, averias);
    QFETCH(QString, obtenidos);
    QFETCH(QString, itvTexto);
    QFETCH(QString, totales);
    QFETCH(int, pares);
    const Nota nota = NotaCertificado(kTodoBien, averias, puntos, itv, kComa);
    QCOMPARE(nota.obtenidos, obtenidos);
    QCOMPARE(nota.itv, itvTexto);
    QCOMPARE(nota.totales, totales);
    QCOMPARE(nota.asteriscos, QStringLiteral("* ").repeated(pares));
}

void PruebasPuntuacion::notaFallida_data() {
    QTest::addColumn<QString>("puntos");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("sign alone") << u"x-"_s << u"'-' is not a valid floating point value"_s;
    const QString enorme = QString(5000, QLatin1Char('9')) + QLatin1Char(',');
    // clang-format off
    QTest::newRow("beyond range") << enorme
                                  << QStringLiteral("'%1' is not a valid floating point value")
                                         .arg(enorme);
    QTest::newRow("no whole number") << u"-"_s + QString(4000, QLatin1Char('9')) + u","_s
                                     << "Invalid floating point operation";
    // clang-format on
}

void PruebasPuntuacion::notaFallida() {
    QFETCH(QString, puntos);
    QFETCH(QString, mensaje);
    QCOMPARE(MensajeDeError([&] { NotaCertificado(kTodoBien, 0, puntos, false, kComa); }), mensaje);
}

void PruebasPuntuacion::averias_data() {
    QTest::addColumn<QString>("memoria");
    QTest::addColumn<int>("cuenta");
    // clang-format off
    QTest::newRow("empty") << u""_s << 0;
    QTest::newRow("blank lines only") << u"  \n\t\n"_s << 0;
    QTest::newRow("two faults, a blank line between") << u"P0300 fallo encendido\n\n P0420\n"_s << 2;
    // clang-format on
}

void PruebasPuntuacion::averias() {
    QFETCH(QString, memoria);
    QFETCH(int, cuenta);
    QCOMPARE(ContarAverias(memoria), cuenta);
}

void PruebasPuntuacion::defectos() {
    Calificaciones calificaciones = Todas(Calificacion::Bien);
    QCOMPARE(LineaDefectos(Defectos(calificaciones)), QString());
    calificaciones[2] = Calificacion::Regular;
    calificaciones[16] = Calificacion::Mal;
    calificaciones[40] = Calificacion::Ninguna;
    const auto defectos = Defectos(calificaciones);
    QCOMPARE(defectos[2], QStringLiteral("Sintomas de daños externos de accidentes (Regular)"));
    QCOMPARE(defectos[0], QString());
    QCOMPARE(
        LineaDefectos(defectos),
        QStringLiteral("3.-Sintomas de daños externos de accidentes (Regular); "
                       "17.-Suavidad Palanca velocidades, Freno mano y Pedales mando (Mal); "));
}

void PruebasPuntuacion::unaPasada_data() {
    QTest::addColumn<QString>("cambio");
    QTest::addColumn<QString>("puntos");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QStringList>("resultados");
    const QString enorme = QString(4000, QLatin1Char('9')) + QLatin1Char(',');
    // The ratings and faults of the run below: item 3 "Mal", one fault, 300 points, the ITV.
    Calificaciones calificaciones = Todas(Calificacion::Bien);
    calificaciones[2] = Calificacion::Mal;
    const long double lista = PuntuacionLista(calificaciones);
    const Nota nota = NotaCertificado(lista, 1, u"300"_s, true, kComa);
    const QStringList todos = {u"15000"_s,
                               TextoNumero(PrecioCorregido(lista, 10000), kComa),
                               nota.obtenidos,
                               nota.itv,
                               nota.totales,
                               nota.asteriscos,
                               LineaDefectos(Defectos(calificaciones))};
    // clang-format off
    QTest::newRow("every result") << u"10000"_s << u"300"_s << u"(no error)"_s << todos;
    QTest::newRow("exchange value a sign alone: the seller's price only")
        << u"-"_s << u"300"_s << u"'-' is not a valid floating point value"_s << todos.mid(0, 1);
    QTest::newRow("price with no whole number: the seller's price only")
        << enorme << u"300"_s << u"Invalid floating point operation"_s << todos.mid(0, 1);
    QTest::newRow("valuation points a sign alone: up to the price")
        << u"10000"_s << u"-"_s << u"'-' is not a valid floating point value"_s << todos.mid(0, 2);
    // clang-format on
}

// One run gives every result, or, where it fails, those before the failure and none after.
void PruebasPuntuacion::unaPasada() {
    QFETCH(QString, cambio);
    QFETCH(QString, puntos);
    QFETCH(QString, mensaje);
    QFETCH(QStringList, resultados);
    EntradasCertificado entradas;
    entradas.calificaciones = Todas(Calificacion::Bien);
    entradas.calificaciones[2] = Calificacion::Mal;
    entradas.pvpVendedor = u"15.000"_s;
    entradas.precioCambio = cambio;
    entradas.averias = u"P0300"_s;
    entradas.puntosValoracion = puntos;
    entradas.itv = true;
    ResultadosCertificado hechos;
    QCOMPARE(MensajeDeError([&] { PuntuarCertificado(entradas, kComa, hechos); }), mensaje);
    QStringList vistos;
    for (const std::optional<QString>& texto : {hechos.pvpVendedor, hechos.precioCompra})
        vistos << texto.value_or(QString());
    if (hechos.nota.has_value()) {
        vistos << hechos.nota->obtenidos << hechos.nota->itv << hechos.nota->totales
               << hechos.nota->asteriscos;
    }
    vistos << hechos.lineaDefectos.value_or(QString());
    vistos.removeAll(QString());
    // The defects by item and their line come together.
    QCOMPARE(hechos.defectos.has_value(), hechos.lineaDefectos.has_value());
    QCOMPARE(vistos, resultados);
}

void PruebasPuntuacion::lineaFecha_data() {
    QTest::addColumn<QDateTime>("momento");
    QTest::addColumn<QString>("linea");
    // clang-format off
    QTest::newRow("Tuesday in August")
        << QDateTime(QDate(2008, 8, 12), QTime(12, 51, 9))
        << "Fecha del certificado: Martes, 12 de Agosto     de 2008     12:51:09";
    QTest::newRow("Sunday, September, early hour")
        << QDateTime(QDate(2024, 9, 1), QTime(9, 5, 3))
        << "Fecha del certificado: Domingo, 1 de Septiembre de 2024     09:05:03";
    QTest::newRow("Wednesday, midnight")
        << QDateTime(QDate(2026, 12, 9), QTime(0, 0, 0))
        << "Fecha del certificado: Miercoles, 9 de Diciembre  de 2026     00:00:00";
    // clang-format on
}

void PruebasPuntuacion::lineaFecha() {
    QFETCH(QDateTime, momento);
    QFETCH(QString, linea);
    QCOMPARE(LineaFecha(momento), linea);
}

QTEST_GUILESS_MAIN(PruebasPuntuacion)
#include "tst_puntuacion.moc"
