// The valuation arithmetic fed any texts in every input field, any ratings and any date a
// computer's clock may show: it ends in six results or in an error of its own, never in
// undefined behaviour or in a text reading "nan" or "inf".

#include "calculo.h"
#include "comun.h"
#include "errores.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    Bytes bytes(datos, tamano);
    const QChar separador = bytes.Separador();
    const QDate hoy(1900 + (bytes.Byte() << 8 | bytes.Byte()) % 301, 1 + bytes.Byte() % 12, 1);
    EntradasValoracion e;
    const uint8_t marcas = bytes.Byte();
    e.especial1 = marcas & 1;
    e.especial2 = marcas & 2;
    for (int& columna : e.columnas)
        columna = bytes.Byte() % 6;
    e.pvpNuevo = bytes.Texto();
    e.kilometros = bytes.Texto();
    e.anoFabricacion = bytes.Texto();
    e.mesFabricacion = bytes.Texto();
    for (QString& coste : e.costes)
        coste = bytes.Texto();

    ResultadosValoracion r;
    try {
        if (!DatosQueFaltan(e, separador).isEmpty())
            return 0;
        ValorarCoche(e, hoy, separador, r);
    } catch (const ErrorCalculo&) {
        // the message the window shows; what was computed before stays in r
    }
    for (const auto* texto : {&r.puntosObtenidos, &r.totalCoste, &r.porcentaje, &r.pvpValoracion,
                              &r.pvpCambio, &r.pvpCompra}) {
        if (texto->has_value())
            ComprobarTextoNumero(**texto);
    }
    return 0;
}
