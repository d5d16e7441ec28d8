#include "controles.h"

void Aplicar(QWidget* control, const Estilo& estilo) {
    if (estilo.px != 0 || estilo.negrita)
        control->setFont(Fuente("Verdana", estilo.px != 0 ? estilo.px : 11, estilo.negrita));
    if (estilo.fondo != kHeredado)
        PonerFondo(control, ColorBGR(estilo.fondo));
    if (estilo.tinta != kHeredado)
        PonerTinta(control, ColorBGR(estilo.tinta));
}

void CrearEtiquetas(QWidget* hoja, std::span<const Etiqueta> etiquetas) {
    for (const Etiqueta& e : etiquetas) {
        auto* etiqueta = Nuevo<QLabel>(hoja, e.nombre);
        etiqueta->setText(QString::fromUtf8(e.texto));
        Aplicar(etiqueta, e.estilo);
        etiqueta->move(e.x, e.y);
        etiqueta->adjustSize();
        if (e.ancho != 0)
            etiqueta->resize(e.ancho, etiqueta->height());
    }
}
