#include "general.h"

#include <array>

namespace {

constexpr std::array<const char*, 12> kMeses = {
    "Enero     ", "Febrero   ", "Marzo     ", "Abril     ", "Mayo      ", "Junio     ",
    "Julio     ", "Agosto    ", "Septiembre", "Octubre   ", "Noviembre ", "Diciembre ",
};

// Digits in a row from `desde`, forwards (`paso` 1) or backwards (`paso` -1).
qsizetype CifrasSeguidas(const QString& texto, qsizetype desde, qsizetype paso) {
    qsizetype cifras = 0;
    for (qsizetype j = desde; j >= 0 && j < texto.size() && EsDigito(texto[j]); j += paso)
        ++cifras;
    return cifras;
}

// With a decimal comma, the point at `i` groups thousands where exactly three digits follow it
// and, if it is the number's first point, one to three digits not beginning with 0 stand
// before it: "15.000", "1.500,75", "1.234.567". Any other point ends the number: "0.500",
// "1234.567", "12.34", "1.5000".
bool PuntoDeMiles(const QString& texto, qsizetype i, bool primero) {
    if (CifrasSeguidas(texto, i + 1, 1) != 3)
        return false;
    if (!primero)
        return true;
    const qsizetype antes = CifrasSeguidas(texto, i - 1, -1);
    return antes >= 1 && antes <= 3 && texto[i - antes] != QLatin1Char('0');
}

} // namespace

QString NormalizarNumero(const QString& texto, QChar separador) {
    QString resultado;
    bool tomaDigitos = true;
    bool haySeparador = false;
    bool hayPuntoDeMiles = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (EsDigito(c) && tomaDigitos) {
            resultado += c;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && resultado.isEmpty()) {
            resultado += c;
        } else if (c == separador && tomaDigitos && !haySeparador) {
            resultado += c;
            haySeparador = true;
        } else if (c == QLatin1Char(' ') || c.unicode() == 0 || c == QLatin1Char(',')) {
            // skipped: thousands blanks, stray NULs and commas
        } else if (separador == QLatin1Char(',') && c == QLatin1Char('.') && tomaDigitos &&
                   !haySeparador && PuntoDeMiles(texto, i, !hayPuntoDeMiles)) {
            hayPuntoDeMiles = true; // skipped: a thousands point of the whole part
        } else {
            tomaDigitos = false;
        }
    }
    if (resultado.isEmpty())
        return QStringLiteral("0");
    if (haySeparador)
        return resultado.left(resultado.indexOf(separador) + 4);
    return resultado.left(16);
}

QString NombreMes(int mes) {
    if (mes < 1 || mes > 12)
        return {};
    return QString::fromLatin1(kMeses[static_cast<size_t>(mes - 1)]);
}

int NumeroMes(const QString& texto) {
    const QString buscado = texto.trimmed();
    for (int mes = 1; mes <= 12; ++mes) {
        if (buscado.compare(NombreMes(mes).trimmed(), Qt::CaseInsensitive) == 0)
            return mes;
    }
    return 0;
}

long double ValorDeTexto(const QString& texto, QChar separador) {
    return ConvertirTexto(NormalizarNumero(texto, separador), separador);
}
