#include "controles.h"

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
