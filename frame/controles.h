#pragma once
// Building a sheet from tables, one row a control: captions, edit boxes, memos, check boxes and
// push buttons, each with its name, member, place, looks, what a screen reader calls it and how
// it goes on paper (gathered for printing in the window's PapelDeHoja).

#include "apariencia.h"
#include "general.h"
#include "lector.h"
#include "papel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
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

// The same for a table whose rows give each its own height, `alto`.
template <class Tabla> constexpr int PieDeTabla(const Tabla& tabla) {
    int pie = 0;
    for (const auto& fila : tabla)
        pie = fila.y + fila.alto > pie ? fila.y + fila.alto : pie;
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

// How a control of a table goes on paper: as it shows (its text), as a signature block under
// its caption `leyenda` (Firma: an edit box only), or not at all (a help that floats over the
// sheet).
enum class EnPapel { Texto, Firma, Nada };

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

// Where a control of a table goes on paper other than as it shows (`como`), noted in
// `hojaEnPapel`. A signature that is no edit box, or lacks its caption, stops the program at
// start-up with its name.
inline void AlPapel(QWidget* control, const QWidget* hoja, const char* nombre, const char* leyenda,
                    EnPapel como, PapelDeHoja& hojaEnPapel) {
    switch (como) {
    case EnPapel::Texto:
        return;
    case EnPapel::Nada:
        hojaEnPapel.fuera.append(control);
        return;
    case EnPapel::Firma:
        break;
    }
    const auto* caja = qobject_cast<const QLineEdit*>(control);
    const auto* etiqueta =
        leyenda == nullptr ? nullptr : hoja->findChild<QLabel*>(DeTabla(leyenda));
    if (caja == nullptr)
        qFatal("%s is no edit box: only an edit box prints as a signature", nombre);
    if (etiqueta == nullptr)
        qFatal("no caption for the signature %s", nombre);
    hojaEnPapel.firmas.append({caja, etiqueta});
}

// The controls of a table whose rows name each its member, its looks, what a screen reader calls
// it (`leyenda`, `detalle`) and how it prints (`papel`): each made, readied by `preparar` from
// its row, kept in its member, named for screen readers (their captions must exist already), and
// what prints other than as text noted in `hojaEnPapel`.
template <class Control, class Ventana, class Fila, class Preparar>
void CrearNombrados(Ventana& ventana, QWidget* hoja, std::span<const Fila> filas,
                    PapelDeHoja& hojaEnPapel, Preparar preparar) {
    QList<NombreAccesible> nombres;
    for (const Fila& f : filas) {
        auto* control = Nuevo<Control>(hoja, f.nombre);
        Aplicar(control, f.estilo);
        preparar(*control, f);
        ventana.*f.miembro = control;
        if (f.leyenda != nullptr || f.detalle != nullptr)
            nombres.append({f.nombre, f.leyenda, f.detalle});
        AlPapel(control, hoja, f.nombre, f.leyenda, f.papel, hojaEnPapel);
    }
    NombrarControles(hoja, nombres);
}

template <class Ventana>
void CrearEdiciones(Ventana& ventana, QWidget* hoja, std::span<const Edicion<Ventana>> ediciones,
                    PapelDeHoja& hojaEnPapel) {
    CrearNombrados<QLineEdit>(ventana, hoja, ediciones, hojaEnPapel,
                              [](QLineEdit& edicion, const Edicion<Ventana>& e) {
                                  edicion.setReadOnly(e.soloLectura);
                                  edicion.setGeometry(e.x, e.y, e.ancho, kAltoEdicion);
                              });
}

// What a multi-line field is for: a text the user writes, its scroll bar always shown; a result
// the program writes, read-only; a help that floats over the sheet where it is asked for, sized
// and placed then, hidden meanwhile, in the info-tip colour, wrapping without scroll bars.
enum class UsoMemo { Escritura, Resultado, Ayuda };

// A multi-line field of a window: kept in its member, in its place, what a screen reader calls
// it and how it prints. A help's row gives no place (zeros): it is placed where it shows.
template <class Ventana> struct FilaMemo {
    QPlainTextEdit* Ventana::*miembro;
    const char* nombre;
    int x, y, ancho, alto;
    UsoMemo uso;
    Estilo estilo;
    const char* leyenda = nullptr;
    const char* detalle = nullptr;
    EnPapel papel = EnPapel::Texto;
};

template <class Ventana>
void CrearMemos(Ventana& ventana, QWidget* hoja, std::span<const FilaMemo<Ventana>> memos,
                PapelDeHoja& hojaEnPapel) {
    CrearNombrados<QPlainTextEdit>(
        ventana, hoja, memos, hojaEnPapel,
        [hoja](QPlainTextEdit& memo, const FilaMemo<Ventana>& m) {
            switch (m.uso) {
            case UsoMemo::Escritura:
                memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                break;
            case UsoMemo::Resultado:
                memo.setReadOnly(true);
                break;
            case UsoMemo::Ayuda:
                memo.setLineWrapMode(QPlainTextEdit::WidgetWidth);
                memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                memo.setReadOnly(true);
                PonerFondo(&memo, hoja->palette().color(QPalette::ToolTipBase));
                memo.hide();
                return; // placed where it shows
            }
            memo.setGeometry(m.x, m.y, m.ancho, m.alto);
        });
}

// A control with a caption of its own, a check box (FilaCasilla) or a push button (FilaBoton), its
// caption on the left where `textoALaIzquierda` (a check box's, of its box). Paper leaves push
// buttons out.
template <class Ventana, class Control> struct ConLeyenda {
    Control* Ventana::*miembro;
    const char* nombre;
    const char* texto;
    int x, y, ancho, alto;
    Estilo estilo;
    bool textoALaIzquierda = false;
};
template <class Ventana> using FilaCasilla = ConLeyenda<Ventana, QCheckBox>;
template <class Ventana> using FilaBoton = ConLeyenda<Ventana, QPushButton>;

inline constexpr int kAltoBoton = 25;

template <class Ventana, class Control>
void CrearConLeyenda(Ventana& ventana, QWidget* hoja,
                     std::span<const ConLeyenda<Ventana, Control>> filas) {
    for (const ConLeyenda<Ventana, Control>& f : filas) {
        auto* control = Nuevo<Control>(hoja, f.nombre);
        control->setText(DeTabla(f.texto));
        Aplicar(control, f.estilo);
        if (f.textoALaIzquierda)
            control->setLayoutDirection(Qt::RightToLeft);
        control->setGeometry(f.x, f.y, f.ancho, f.alto);
        ventana.*f.miembro = control;
    }
}
