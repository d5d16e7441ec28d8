#include "papel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>

std::optional<TipoDePieza> TipoEnPapel(const QWidget& control) {
    if (qobject_cast<const QLineEdit*>(&control) != nullptr ||
        qobject_cast<const QComboBox*>(&control) != nullptr)
        return TipoDePieza::Texto;
    if (qobject_cast<const QCheckBox*>(&control) != nullptr)
        return TipoDePieza::Casilla;
    if (qobject_cast<const QRadioButton*>(&control) != nullptr)
        return TipoDePieza::Opcion;
    if (qobject_cast<const QAbstractButton*>(&control) != nullptr)
        return std::nullopt; // a push button is for the screen
    if (qobject_cast<const QPlainTextEdit*>(&control) != nullptr ||
        qobject_cast<const QTextEdit*>(&control) != nullptr)
        return TipoDePieza::Memo;
    return TipoDePieza::Propio;
}

QList<Pieza> ClasificarPiezas(const QWidget& hoja, const FiltroImpresion& seImprime,
                              const QList<Firma>& firmas) {
    QList<Pieza> piezas;
    for (const QObject* hijo : hoja.children()) {
        if (!hijo->isWidgetType())
            continue;
        const auto& control = static_cast<const QWidget&>(*hijo);
        const std::optional<TipoDePieza> tipo = TipoEnPapel(control);
        if (control.isHidden() || !seImprime(control) || !tipo)
            continue;
        const bool firma = std::any_of(firmas.begin(), firmas.end(),
                                       [&control](const Firma& f) { return f.caja == &control; });
        piezas << Pieza{.tipo = firma ? TipoDePieza::Firma : *tipo,
                        .control = &control,
                        .lugar = control.geometry(),
                        .opaca = control.autoFillBackground() ||
                                 control.testAttribute(Qt::WA_OpaquePaintEvent)};
    }
    return piezas;
}
