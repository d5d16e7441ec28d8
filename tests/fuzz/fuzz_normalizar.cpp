// NormalizarNumero on any text: never empty, idempotent, at most three decimals, and nothing but
// digits, one leading sign and one separator.

#include "comun.h"
#include "general.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    Bytes bytes(datos, tamano);
    const QChar separador = bytes.Separador();
    const QString texto = bytes.Texto();
    const QString normal = NormalizarNumero(texto, separador);
    if (normal.isEmpty())
        Falla("never empty", texto);
    if (NormalizarNumero(normal, separador) != normal)
        Falla("idempotent", normal);
    qsizetype i = 0;
    if (normal[0] == QLatin1Char('+') || normal[0] == QLatin1Char('-'))
        ++i;
    qsizetype separadores = 0;
    qsizetype decimales = 0;
    for (; i < normal.size(); ++i) {
        const QChar c = normal[i];
        if (c == separador)
            ++separadores;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            decimales += separadores > 0 ? 1 : 0;
        else
            Falla("only digits, one leading sign and one separator", normal);
    }
    if (separadores > 1)
        Falla("one separator", normal);
    if (decimales > 3)
        Falla("at most three decimals", normal);
    if (separadores == 0 && normal.size() > 16)
        Falla("at most 16 characters without a separator", normal);
    return 0;
}
