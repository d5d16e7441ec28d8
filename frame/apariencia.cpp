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

void PonerFondo(QWidget* control, QColor fondo) {
    QPalette paleta = control->palette();
    for (const auto rol : {QPalette::Window, QPalette::Base, QPalette::Button})
        paleta.setColor(rol, fondo);
    control->setPalette(paleta);
    control->setAutoFillBackground(true);
}

void PonerTinta(QWidget* control, QColor tinta) {
    QPalette paleta = control->palette();
    for (const auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        paleta.setColor(rol, tinta);
    control->setPalette(paleta);
}

void Aplicar(QWidget* control, const Estilo& estilo) {
    if (estilo.px != 0 || estilo.negrita)
        control->setFont(Fuente("Verdana", estilo.px != 0 ? estilo.px : 11, estilo.negrita));
    if (estilo.fondo != kHeredado)
        PonerFondo(control, ColorBGR(estilo.fondo));
    if (estilo.tinta != kHeredado)
        PonerTinta(control, ColorBGR(estilo.tinta));
}
