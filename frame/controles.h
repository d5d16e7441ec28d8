#pragma once
// Building a sheet from tables: creating a named control with its looks, and the
// captions both windows place by the dozen.

#include "apariencia.h"
#include "general.h"
#include "lector.h"
#include "papel.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <span>

template <class Control> Control* Nuevo(QWidget* padre, const char* nombre) {
    auto* control = new Control(padre);
    control->setObjectName(DeTabla(nombre));
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

// The size a plain caption without frame, margin or word wrap needs for its text, as QLabel's
// adjustSize() gives it, from one measurement: the label's own hints measure it three times.
QSize TamanoDelTexto(const QLabel& etiqueta);

// Measuring a caption loads its font and shapes its text: a window kept hidden at start-up has
// its captions measured when it is first shown. Measure at once where a later control is placed
// after a caption.
enum class Medida { Ahora, AlMostrar };

void CrearEtiquetas(QWidget* hoja, std::span<const Etiqueta> etiquetas,
                    Medida medida = Medida::Ahora);

// Measures now the captions a hidden window keeps for its first show, and polishes its controls
// (printing it unseen).
void MedirPendientes(QWidget& ventana);

// The lowest edge of the controls of a table whose rows give their top as `y`, each `alto`
// high: a sheet checks at compile time that it holds them.
template <class Tabla> constexpr int PieDeTabla(const Tabla& tabla, int alto) {
    int pie = 0;
    for (const auto& fila : tabla)
        pie = fila.y + alto > pie ? fila.y + alto : pie;
    return pie;
}

// The program's write of `texto` into `campo`: the field's own undo starts afresh, so Ctrl+Z in
// it never brings back a text from before the write. Where the text is the same and the field
// has nothing to undo, nothing is written: the same text written again, or a field emptied
// before it is written, tells a screen reader of changes that are none.
inline void PonerTexto(QLineEdit* campo, const QString& texto) {
    if (campo->text() != texto || campo->isUndoAvailable() || campo->isRedoAvailable())
        campo->setText(texto);
}

inline constexpr int kAltoEdicion = 21;

// How an edit box goes on paper: its text, or a signature block under its caption `leyenda`
// (Firma).
enum class EnPapel { Texto, Firma };

// An edit box of a window, kAltoEdicion high, kept in the window's member, what a screen reader
// calls it (the text of its caption `leyenda`, and a `detalle` after it: NombreAccesible) and
// how it prints.
template <class Ventana> struct Edicion {
    QLineEdit* Ventana::*miembro;
    const char* nombre;
    int x, y, ancho;
    Estilo estilo;
    bool soloLectura;
    const char* leyenda = nullptr;
    const char* detalle = nullptr;
    EnPapel papel = EnPapel::Texto;
};

// The edit boxes of the table, named for screen readers; their captions must exist already.
// Gives the boxes that print as signature blocks, each with its caption.
template <class Ventana>
QList<Firma> CrearEdiciones(Ventana& ventana, QWidget* hoja,
                            std::span<const Edicion<Ventana>> ediciones) {
    QList<NombreAccesible> nombres;
    QList<Firma> firmas;
    for (const Edicion<Ventana>& e : ediciones) {
        auto* edicion = Nuevo<QLineEdit>(hoja, e.nombre);
        Aplicar(edicion, e.estilo);
        edicion->setReadOnly(e.soloLectura);
        edicion->setGeometry(e.x, e.y, e.ancho, kAltoEdicion);
        ventana.*e.miembro = edicion;
        if (e.leyenda != nullptr || e.detalle != nullptr)
            nombres.append({e.nombre, e.leyenda, e.detalle});
        if (e.papel == EnPapel::Firma) {
            const auto* leyenda =
                e.leyenda == nullptr ? nullptr : hoja->findChild<QLabel*>(DeTabla(e.leyenda));
            if (leyenda == nullptr)
                qFatal("no caption for the signature %s", e.nombre);
            firmas.append({edicion, leyenda});
        }
    }
    NombrarControles(hoja, nombres);
    return firmas;
}
