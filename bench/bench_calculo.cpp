// How long the arithmetic takes, worst cases included: the oldest car the valuation accepts
// depreciates month by month over some 1,700 steps.

#include "calculo.h"
#include "general.h"
#include "puntuacion.h"

#include <benchmark/benchmark.h>

namespace {

EntradasValoracion Ejemplo(const char* ano) {
    EntradasValoracion e;
    e.pvpNuevo = QStringLiteral("31470");
    e.kilometros = QStringLiteral("83680");
    e.anoFabricacion = QString::fromLatin1(ano);
    e.mesFabricacion = QStringLiteral("Octubre");
    e.costes.fill(QStringLiteral("100,25"));
    e.columnas.fill(3);
    return e;
}

void BM_Normalizar(benchmark::State& estado) {
    const QString texto = QStringLiteral(" 1.234.567,891 € ");
    for (auto _ : estado)
        benchmark::DoNotOptimize(NormalizarNumero(texto, QLatin1Char(',')));
}
BENCHMARK(BM_Normalizar);

void BM_Valoracion(benchmark::State& estado, const char* ano) {
    const EntradasValoracion e = Ejemplo(ano);
    const QDate hoy(2026, 12, 1);
    for (auto _ : estado) {
        ResultadosValoracion r;
        ValorarCoche(e, hoy, QLatin1Char(','), r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK_CAPTURE(BM_Valoracion, ejemplo_2007, "2007");
BENCHMARK_CAPTURE(BM_Valoracion, coche_de_1886, "1886");

void BM_Certificado(benchmark::State& estado) {
    Calificaciones calificaciones;
    calificaciones.fill(Calificacion::Regular);
    for (auto _ : estado) {
        const long double lista = PuntuacionLista(calificaciones);
        benchmark::DoNotOptimize(PrecioCorregido(lista, 19797));
        benchmark::DoNotOptimize(
            NotaCertificado(lista, 2, QStringLiteral("300"), true, QLatin1Char(',')));
        benchmark::DoNotOptimize(LineaDefectos(Defectos(calificaciones)));
    }
}
BENCHMARK(BM_Certificado);

} // namespace
