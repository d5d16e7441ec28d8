#include "apariencia.h"

#include <QPalette>
#include <QWidget>

QColor ColorBGR(unsigned bbggrr) {
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

QFont Fuente(const char* familia, int altoPixeles, bool negrita) {
    QFont fuente(QString::fromLatin1(familia));
    fuente.setPixelSize(altoPixeles);
    fuente.setBold(negrita);
    return fuente;
}

namespace {

constexpr QPalette::ColorRole kRolesFondo[] = {QPalette::Window, QPalette::Base, QPalette::Button};
constexpr QPalette::ColorRole kRolesTinta[] = {QPalette::WindowText, QPalette::Text,
                                               QPalette::ButtonText};

// One palette change for background and ink together, and none where the control already
// shows these colours, inherited from the sheet or the panel it stands on: setting a palette
// sends a change event to the control and to each of its children.
void Colorear(QWidget* control, const QColor* fondo, const QColor* tinta) {
    QPalette paleta = control->palette();
    for (const auto rol : kRolesFondo) {
        if (fondo != nullptr)
            paleta.setColor(rol, *fondo);
    }
    for (const auto rol : kRolesTinta) {
        if (tinta != nullptr)
            paleta.setColor(rol, *tinta);
    }
    if (paleta != control->palette())
        control->setPalette(paleta);
    if (fondo != nullptr)
        control->setAutoFillBackground(true);
}

} // namespace

void PonerFondo(QWidget* control, QColor fondo) { Colorear(control, &fondo, nullptr); }

void PonerTinta(QWidget* control, QColor tinta) { Colorear(control, nullptr, &tinta); }

void Aplicar(QWidget* control, const Estilo& estilo) {
    if (estilo.px != 0 || estilo.negrita)
        control->setFont(Fuente("Verdana", estilo.px != 0 ? estilo.px : 11, estilo.negrita));
    const QColor fondo = ColorBGR(estilo.fondo);
    const QColor tinta = ColorBGR(estilo.tinta);
    Colorear(control, estilo.fondo != kHeredado ? &fondo : nullptr,
             estilo.tinta != kHeredado ? &tinta : nullptr);
}
