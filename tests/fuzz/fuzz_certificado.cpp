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
    const bool itv = bytes.Byte() & 1;
    Calificaciones calificaciones;
    for (Calificacion& c : calificaciones)
        c = static_cast<Calificacion>(bytes.Byte() % 4);
    const QString cambio = bytes.Texto();
    const QString puntos = bytes.Texto();
    const QString averias = bytes.Texto();

    const long double lista = PuntuacionLista(calificaciones);
    if (!(lista >= 0 && lista <= 2130 / 304.28L))
        Falla("checklist score between 0 and 7", QString::number(static_cast<double>(lista)));
    try {
        ComprobarTextoNumero(
            TextoNumero(PrecioCorregido(lista, ValorDeTexto(cambio, separador)), separador));
        const Nota nota = NotaCertificado(lista, ContarAverias(averias), puntos, itv, separador);
        for (const QString& texto : {nota.obtenidos, nota.totales})
            ComprobarTextoNumero(texto);
        if (nota.asteriscos.size() > 2 * 11)
            Falla("at most ten asterisks", nota.asteriscos);
    } catch (const ErrorCalculo&) {
        // the message the window shows
    }
    LineaDefectos(Defectos(calificaciones));
    return 0;
}
