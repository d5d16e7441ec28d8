// The plain conversion on any text ends in a finite value or in the conversion error; a value
// the number text writes converts back to the same 15 significant digits; rounding fits or
// fails with the rounding error.

#include "comun.h"
#include "errores.h"
#include "numeros.h"

#include <cmath>
#include <cstring>

namespace {

void IdaYVuelta(long double valor, QChar separador) {
    if (!std::isfinite(valor))
        return;
    const QString texto = TextoNumero(valor, separador);
    ComprobarTextoNumero(texto);
    long double leido = 0;
    try {
        leido = ConvertirTexto(texto, separador);
    } catch (const ErrorCalculo&) {
        Falla("the number text converts", texto);
    }
    if (TextoNumero(leido, separador) != texto)
        Falla("the same 15 digits back", texto);
}

void Redondeo(long double valor) {
    try {
        const long long entero = Redondear(valor);
        if (!(std::fabs(static_cast<long double>(entero) - valor) <= 0.5L))
            Falla("the nearest whole number", QString::number(static_cast<double>(valor)));
    } catch (const ErrorCalculo& error) {
        if (error.mensaje() != QLatin1String("Invalid floating point operation"))
            Falla("the rounding error", error.mensaje());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    Bytes bytes(datos, tamano);
    const QChar separador = bytes.Separador();

    // Any 80-bit pattern, NaNs and infinities included.
    long double crudo = 0;
    unsigned char patron[10] = {};
    for (unsigned char& b : patron)
        b = bytes.Byte();
    std::memcpy(&crudo, patron, sizeof patron);
    IdaYVuelta(crudo, separador);
    Redondeo(crudo);

    const QString texto = bytes.Texto();
    try {
        const long double valor = ConvertirTexto(texto, separador);
        if (!std::isfinite(valor))
            Falla("a converted value is finite", texto);
        IdaYVuelta(valor, separador);
        Redondeo(valor);
    } catch (const ErrorCalculo& error) {
        if (!error.mensaje().endsWith(QLatin1String(" is not a valid floating point value")))
            Falla("the conversion error", error.mensaje());
    }
    return 0;
}
