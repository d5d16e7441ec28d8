#pragma once
// Building a sheet from tables: the looks of a control, creating a named control, and the
// captions both windows place by the dozen.

#include "marco.h"

#include <QLabel>
#include <QLineEdit>
#include <span>

inline constexpr unsigned kHeredado = 0xFFFFFFFFu; // keep the sheet's own colour

struct Estilo {
    unsigned fondo = kHeredado; // 0x00BBGGRR
    unsigned tinta = kHeredado;
    int px = 0; // character height; 0 keeps the sheet's 11 px
    bool negrita = false;
};

inline constexpr Estilo kNegrita{.negrita = true};

void Aplicar(QWidget* control, const Estilo& estilo);

template <class Control> Control* Nuevo(QWidget* padre, const char* nombre) {
    auto* control = new Control(padre);
    control->setObjectName(QString::fromLatin1(nombre));
    return control;
}

// A caption at (x, y), sized to its text; with an `ancho`, that width and the height its
// lines need.
struct Etiqueta {
    const char* nombre;
    const char* texto;
    int x, y;
    Estilo estilo;
    int ancho = 0;
};

void CrearEtiquetas(QWidget* hoja, std::span<const Etiqueta> etiquetas);

// An edit box of a window, 21 high, kept in the window's member.
template <class Ventana> struct Edicion {
    QLineEdit* Ventana::*miembro;
    const char* nombre;
    int x, y, ancho;
    Estilo estilo;
    bool soloLectura;
};

template <class Ventana>
void CrearEdiciones(Ventana& ventana, QWidget* hoja, std::span<const Edicion<Ventana>> ediciones) {
    for (const Edicion<Ventana>& e : ediciones) {
        auto* edicion = Nuevo<QLineEdit>(hoja, e.nombre);
        Aplicar(edicion, e.estilo);
        edicion->setReadOnly(e.soloLectura);
        edicion->setGeometry(e.x, e.y, e.ancho, 21);
        ventana.*e.miembro = edicion;
    }
}
