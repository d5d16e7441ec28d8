#include "calculo.h"

#include "errores.h"
#include "general.h"

#include <limits>

namespace {

// Without the blanks and control characters (codes 32 and below) at either end.
QString Recortado(const QString& texto) {
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio].unicode() <= 32)
        ++inicio;
    while (fin > inicio && texto[fin - 1].unicode() <= 32)
        --fin;
    return texto.mid(inicio, fin - inicio);
}

// "0" before the trimmed text: blank counts as missing, and no sign is ever accepted.
bool FaltaNumero(const QString& texto, QChar separador) {
    return ConvertirTexto(QLatin1Char('0') + Recortado(texto), separador) == 0;
}

bool FaltaTexto(const QString& texto) { return Recortado(texto).isEmpty(); }

int EnteroDe32Bits(long long valor) {
    if (valor < std::numeric_limits<int>::min() || valor > std::numeric_limits<int>::max())
        throw ErrorOperacionInvalida();
    return static_cast<int>(valor);
}

constexpr long long kPrimerAno = 1886; // the first motor car
constexpr long long kUltimoAno = 9999;

} // namespace

QString DatosQueFaltan(const EntradasValoracion& entradas, QChar separador) {
    const QString finLinea = QStringLiteral("\r\n");
    QString mensaje;
    if (FaltaNumero(entradas.pvpNuevo, separador))
        mensaje += QStringLiteral("Falta por cubrir Precio Coche Nuevo") + finLinea;
    if (FaltaNumero(entradas.kilometros, separador))
        mensaje += QStringLiteral("Falta por cubrir Kilometros Cuadro") + finLinea;
    if (FaltaTexto(entradas.anoFabricacion))
        mensaje += QStringLiteral("Falta por cubrir Ano Fabricacion") + finLinea;
    if (FaltaTexto(entradas.mesFabricacion))
        mensaje += QStringLiteral("Falta por cubrir Mes Fabricacion") + finLinea;
    return mensaje;
}

long double PuntosValoracion(const ColumnasCriterios& columnas) {
    long double puntos = 0;
    for (size_t i = 0; i < kCriterios.size(); ++i) {
        const int puntosCriterio =
            PuntosDeClase(kCriterios[i].clase) * columnas[i] / kColumnaNormal;
        puntos = puntos + puntosCriterio; // exact: the class points are multiples of 3
    }
    return puntos;
}

Depreciacion Depreciar(long double pvpNuevo, long double kilometros, int edadMeses,
                       long double puntos, long double divisor) {
    Depreciacion d;
    d.N = EnteroDe32Bits(1600LL * edadMeses + 1);
    d.r = kilometros / d.N;
    d.k = ((d.r * 0.3L) * 95) / (57 + 1);
    d.p = 500 / (puntos + 1);
    d.T = ((d.k * 3.3L) + (d.p * 4)) + 4;
    // One step per month, each with its own rounding.
    d.V = pvpNuevo;
    for (int mes = 0; mes < edadMeses; ++mes)
        d.V = d.V - ((d.V * d.T) / divisor);
    d.E = ((51 / (18 + 1.0L)) + 3.8L) + (277.5L / (45 + 1));
    d.V2 = d.V - ((d.V * d.E) / 100);
    return d;
}

void ValorarCoche(const EntradasValoracion& entradas, QDate hoy, QChar separador,
                  ResultadosValoracion& resultados) {
    const int mesFabricacion = NumeroMes(entradas.mesFabricacion);
    if (mesFabricacion == 0) {
        throw ErrorCalculo(QStringLiteral("Mes Fabricac: '%1' no es ningún mes. Elija uno de la "
                                          "lista, de Enero a Diciembre.")
                               .arg(entradas.mesFabricacion));
    }
    const long long anoHoy = hoy.year();
    const long long mesHoy = hoy.month();

    const long double puntos = PuntosValoracion(entradas.columnas);
    resultados.puntosObtenidos = TextoNumero(puntos, separador);

    long double coste = 0;
    for (const QString& texto : entradas.costes)
        coste = coste + ValorDeTexto(texto, separador);
    resultados.totalCoste = TextoNumero(coste, separador);

    const long double pvpNuevo = ValorDeTexto(entradas.pvpNuevo, separador);
    const long long anoFabricacion = Redondear(ValorDeTexto(entradas.anoFabricacion, separador));
    if (anoFabricacion < kPrimerAno || anoFabricacion > kUltimoAno) {
        resultados = {};
        throw ErrorCalculo(QStringLiteral("Año Fabricac: '%1' no es un año de fabricación posible. "
                                          "Escriba un año entre %2 y %3.")
                               .arg(entradas.anoFabricacion)
                               .arg(kPrimerAno)
                               .arg(kUltimoAno));
    }
    const int edadMeses =
        EnteroDe32Bits((mesHoy - mesFabricacion) + 12 * (anoHoy - anoFabricacion));
    const long double kilometros = ValorDeTexto(entradas.kilometros, separador);
    const long double divisor = entradas.especial2 ? 2400 : entradas.especial1 ? 1800 : 1200;
    const Depreciacion d = Depreciar(pvpNuevo, kilometros, edadMeses, puntos, divisor);

    resultados.porcentaje = TextoNumero(RedondearCentesimas(d.T), separador);
    resultados.pvpValoracion = TextoNumero(Redondear(d.V), separador);
    const long long cambio = Redondear(d.V2);
    resultados.pvpCambio = TextoNumero(cambio, separador);
    resultados.pvpCompra = TextoNumero(cambio - coste, separador);
}
