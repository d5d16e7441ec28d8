#include "errores.h"

ErrorCalculo::ErrorCalculo(QString mensaje)
    : mensaje_(std::move(mensaje)), utf8_(mensaje_.toUtf8()) {}

ErrorCalculo ErrorConversion(const QString& texto) {
    return ErrorCalculo(QStringLiteral("'%1' is not a valid floating point value").arg(texto));
}

ErrorCalculo ErrorOperacionInvalida() {
    return ErrorCalculo(QStringLiteral("Invalid floating point operation"));
}

QString TextoDelAviso(const QString& mensaje) {
    if (!mensaje.isEmpty() && mensaje.back() > QLatin1Char('.'))
        return mensaje + QLatin1Char('.');
    return mensaje;
}
