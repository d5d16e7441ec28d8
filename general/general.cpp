#include "general.h"

#include <array>

namespace {

constexpr std::array<const char*, 12> kMeses = {
    "Enero     ", "Febrero   ", "Marzo     ", "Abril     ", "Mayo      ", "Junio     ",
    "Julio     ", "Agosto    ", "Septiembre", "Octubre   ", "Noviembre ", "Diciembre ",
};

// With a decimal comma, a point that follows a digit and has exactly three digits after it
// groups thousands ("15.000", "1.500,75", "1.234.567"); any other point ends the number.
bool PuntoDeMiles(const QString& texto, qsizetype i, QChar separador) {
    if (separador != QLatin1Char(',') || texto[i] != QLatin1Char('.') || i == 0 ||
        !EsDigito(texto[i - 1]))
        return false;
    qsizetype cifras = 0;
    while (i + 1 + cifras < texto.size() && EsDigito(texto[i + 1 + cifras]))
        ++cifras;
    return cifras == 3;
}

} // namespace

QString NormalizarNumero(const QString& texto, QChar separador) {
    QString resultado;
    bool tomaDigitos = true;
    bool haySeparador = false;
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
        } else if (tomaDigitos && !haySeparador && PuntoDeMiles(texto, i, separador)) {
            // skipped: a thousands point of the whole part
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
