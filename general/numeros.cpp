#include "numeros.h"

#include "errores.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

QChar separadorActual = QLatin1Char('.');

// strtold under the "C" locale, whatever LC_NUMERIC the application runs with.
long double LeerEnLocaleC(const std::string& ascii) {
    static const locale_t localeC = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtold_l(ascii.c_str(), nullptr, localeC);
}

} // namespace

QChar SeparadorDecimal() { return separadorActual; }

void FijarSeparadorDecimal(QChar separador) { separadorActual = separador; }

void LeerSeparadorDecimal() {
    const QString punto = QLocale::system().decimalPoint();
    separadorActual = punto.size() == 1 ? punto.front() : QLatin1Char('.');
}

long double ConvertirTexto(const QString& texto, QChar separador) {
    // Walk the grammar once, building the same number in ASCII for strtold.
    qsizetype i = 0;
    const qsizetype n = texto.size();
    const auto tomarDigitos = [&] {
        std::string digitos;
        while (i < n && EsDigito(texto[i]))
            digitos += static_cast<char>(texto[i++].unicode());
        return digitos;
    };
    const auto tomarSigno = [&] {
        std::string signo;
        if (i < n && (texto[i] == QLatin1Char('+') || texto[i] == QLatin1Char('-')))
            signo += static_cast<char>(texto[i++].unicode());
        return signo;
    };

    std::string ascii = tomarSigno();
    const std::string digitos = tomarDigitos();
    bool mantisa = !digitos.empty();
    std::string decimales;
    if (i < n && texto[i] == separador) {
        ++i;
        mantisa = true;
        decimales = tomarDigitos();
    }
    std::string exponente;
    if (mantisa && i < n && (texto[i] == QLatin1Char('E') || texto[i] == QLatin1Char('e'))) {
        ++i;
        exponente = tomarSigno();
        exponente += tomarDigitos();
    }
    if (!mantisa || i != n)
        throw ErrorConversion(texto);

    ascii += digitos.empty() ? "0" : digitos;
    if (!decimales.empty())
        ascii += "." + decimales;
    if (!exponente.empty() && exponente != "+" && exponente != "-")
        ascii += "e" + exponente;
    const long double valor = LeerEnLocaleC(ascii);
    if (!std::isfinite(valor))
        throw ErrorConversion(texto);
    return valor;
}

QString TextoNumero(long double valor, QChar separador) {
    if (!std::isfinite(valor))
        throw ErrorOperacionInvalida();
    if (valor == 0)
        return QStringLiteral("0");

    // 15 significant digits, correctly rounded; the radix character printf uses is ignored.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", valor);
    QString digitos;
    int exponente = 0;
    for (const char* p = buffer; *p; ++p) {
        if (*p >= '0' && *p <= '9') {
            digitos += QLatin1Char(*p);
        } else if (*p == 'e') {
            exponente = std::atoi(p + 1);
            break;
        }
    }
    while (digitos.size() > 1 && digitos.endsWith(QLatin1Char('0')))
        digitos.chop(1);

    QString texto = valor < 0 ? QStringLiteral("-") : QString();
    if (exponente >= 15 || exponente < -5) {
        texto += digitos.front();
        if (digitos.size() > 1)
            texto += separador + digitos.mid(1);
        return texto + QStringLiteral("E%1").arg(exponente);
    }
    if (exponente < 0)
        return texto + QLatin1Char('0') + separador + QString(-exponente - 1, QLatin1Char('0')) +
               digitos;
    const qsizetype enteros = exponente + 1;
    if (digitos.size() <= enteros)
        return texto + digitos + QString(enteros - digitos.size(), QLatin1Char('0'));
    return texto + digitos.left(enteros) + separador + digitos.mid(enteros);
}

long long Redondear(long double valor) {
    // Round first: 2^63 - 0.5 is a long double and rounds to 2^63, which does not fit.
    constexpr long double limite = 9223372036854775808.0L;
    const long double entero = std::nearbyintl(valor);
    if (!(entero >= -limite && entero < limite))
        throw ErrorOperacionInvalida();
    return static_cast<long long>(entero);
}

long double RedondearCentesimas(long double valor) { return Redondear(valor * 100) / 100.0L; }
