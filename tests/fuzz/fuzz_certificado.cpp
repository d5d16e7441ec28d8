// The certificate scoring fed any ratings, fault lines, valuation points and exchange value:
// it ends in its results or in an error of its own, never in undefined behaviour or in a text
// reading "nan" or "inf".

#include "comun.h"
#include "errores.h"
#include "general.h"
#include "puntuacion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    Bytes bytes(datos, tamano);
    const QChar separador = bytes.Separador();
    EntradasCertificado entradas;
    entradas.itv = bytes.Byte() & 1;
    for (Calificacion& c : entradas.calificaciones)
        c = static_cast<Calificacion>(bytes.Byte() % 4);
    entradas.precioCambio = bytes.Texto();
    entradas.puntosValoracion = bytes.Texto();
    entradas.averias = bytes.Texto();
    entradas.pvpVendedor = bytes.Texto();

    // Every item "Bien" scores the most: all the weights over the divisor.
    constexpr long double kMaximaLista = SumaPesos() / kDivisorLista;
    const long double lista = PuntuacionLista(entradas.calificaciones);
    if (!(lista >= 0 && lista <= kMaximaLista))
        Falla("checklist score between 0 and all the weights over the divisor",
              QString::number(static_cast<double>(lista)));
    ResultadosCertificado resultados;
    try {
        PuntuarCertificado(entradas, separador, resultados);
    } catch (const ErrorCalculo&) {
        // the message the window shows
    }
    if (resultados.precioCompra.has_value())
        ComprobarTextoNumero(*resultados.precioCompra);
    if (resultados.nota.has_value()) {
        for (const QString& texto : {resultados.nota->obtenidos, resultados.nota->totales})
            ComprobarTextoNumero(texto);
        if (resultados.nota->asteriscos.size() > 2 * 11)
            Falla("at most ten asterisks", resultados.nota->asteriscos);
    }
    return 0;
}
