#include "plataforma.h"

#include <QString>

namespace {

// Qt reads "-platform NAME", also written "--platform NAME", before the program sees its
// arguments.
bool PlataformaEnArgumentos(const QStringList& argumentos) {
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        if (argumento == QLatin1String("-platform") || argumento == QLatin1String("--platform"))
            return true;
    }
    return false;
}

} // namespace

QByteArray PlataformaPreferida(const QProcessEnvironment& entorno, const QStringList& argumentos) {
    // Qt takes an empty QT_QPA_PLATFORM for none.
    if (!entorno.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() ||
        PlataformaEnArgumentos(argumentos))
        return {};
    const bool sesionWayland =
        entorno.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland") ||
        !entorno.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    const bool hayX = !entorno.value(QStringLiteral("DISPLAY")).isEmpty();
    if (sesionWayland)
        return hayX ? QByteArrayLiteral("xcb;wayland") : QByteArrayLiteral("wayland");
    return hayX ? QByteArrayLiteral("xcb") : QByteArray();
}
