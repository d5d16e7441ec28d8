// NormalizarNumero on any text: never empty, idempotent, at most three decimals, nothing but
// digits, one leading sign and one separator, and with a decimal comma no point skipped but a
// thousands point of a Spanish grouping.

#include "comun.h"
#include "general.h"

#include <QRegularExpression>

namespace {

// With a decimal comma, every point the normalisation skips has exactly three digits after it
// and, if it is the text's first point, one to three digits not beginning with 0 before it,
// counted back to the first character that is not a digit. A point was skipped where a letter
// in its place, which ends the number there, changes the result; once one does not, no later
// point is skipped, or none changes a result already cut to its 16 characters.
void ComprobarPuntosDeMiles(const QString& texto, const QString& normal) {
    static const QRegularExpression detras(QStringLiteral("^[0-9]{3}(?![0-9])"));
    static const QRegularExpression delante(QStringLiteral("(?:^|[^0-9])[1-9][0-9]{0,2}$"));
    const QChar punto = QLatin1Char('.');
    const qsizetype primero = texto.indexOf(punto);
    for (qsizetype i = primero; i >= 0; i = texto.indexOf(punto, i + 1)) {
        QString cortado = texto;
        cortado[i] = QLatin1Char('x');
        if (NormalizarNumero(cortado, QLatin1Char(',')) == normal)
            return;
        if (!detras.match(texto.mid(i + 1)).hasMatch())
            Falla("a thousands point has three digits after it", texto);
        if (i == primero && !delante.match(texto.left(i)).hasMatch())
            Falla("a first thousands point has one to three digits before it, not 0 first", texto);
    }
}

} // namespace

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
    if (separador == QLatin1Char(','))
        ComprobarPuntosDeMiles(texto, normal);
    return 0;
}
