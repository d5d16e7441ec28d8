#pragma once
// The sheet's controls sorted into the pieces of paper: which go on paper, and as what kind.
// Paper shows values, not controls: no push button, scroll bar, drop-down arrow or focus ring.
// Each kind is painted by its own function (pintura.h).

#include <QList>
#include <QRect>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

// Which controls of the sheet go on paper; the others (a help pop-up) are left out.
using FiltroImpresion = std::function<bool(const QWidget&)>;

// An edit box that paper shows as a signature block under its caption: a "Nombre y DNI:" line
// (with the box's text), a "Firma:" line and room to sign, on one page with the caption.
// Only a line edit can be one: its one line of text is the name on the block.
struct Firma {
    const QLineEdit* caja;
    const QWidget* leyenda;
};

// What a sheet's rows say of paper beyond "as it shows": its signature blocks, and the
// controls paper leaves out (a help floating over the sheet).
struct PapelDeHoja {
    QList<Firma> firmas;
    QList<const QWidget*> fuera;
};

enum class TipoDePieza {
    Junta,   // no control: a stretch that no page may end inside
    Texto,   // an edit field or a list: its whole text
    Casilla, // a check box: "☒" or "☐" and its caption
    Opcion,  // a radio button: "●" or "○" and its caption
    Memo,    // every line of a multi-line field
    Firma,   // an edit box shown as a signature block
    Propio,  // what draws itself (a caption, a panel), then its controls
};

// One piece of the paper: a control of the sheet in the place paper gives it, in sheet pixels
// (moved down by what grew above it, taller where its content needs), or a stretch.
struct Pieza {
    TipoDePieza tipo = TipoDePieza::Junta;
    const QWidget* control = nullptr;
    QRect lugar;
    bool opaca = false; // covers what lies under it
    // A text: how wide it may run on, from the box's text margin over the empty paper to the
    // right of its box.
    int anchoLibre = 0;
    // Lines on the paper inside the piece where a page may end without cutting a line of text
    // (between a tall memo's lines).
    QList<int> cortes = {};
};

// What a control is on paper; nothing for what paper leaves out (a push button).
std::optional<TipoDePieza> TipoEnPapel(const QWidget& control);

// The sheet's controls that go on paper, in stacking order (lowest first), each in its place
// on the screen; the boxes of `firmas` as signature blocks.
QList<Pieza> ClasificarPiezas(const QWidget& hoja, const FiltroImpresion& seImprime,
                              const QList<Firma>& firmas);
