#pragma once
// The sheet's controls as paper shows them: values, not controls. No push button, scroll bar,
// drop-down arrow or focus ring; an edit field's whole text; every line of a memo, its box grown
// and what follows moved down; ratings and ticks as glyphs of the text; signature blocks.

#include <QList>
#include <QRect>
#include <functional>

class QPainter;
class QWidget;

// Which controls of the sheet go on paper; the others (a help pop-up) are left out.
using FiltroImpresion = std::function<bool(const QWidget&)>;

// An edit box that paper shows as a signature block under its caption: a "Nombre y DNI:" line
// (with the box's text), a "Firma:" line and room to sign, on one page with the caption.
struct Firma {
    const QWidget* caja;
    const QWidget* leyenda;
};

// The least room to sign in, below "Firma:".
inline constexpr double kMmParaFirmar = 25;

// One piece of the paper: a control of the sheet in the place paper gives it, in sheet pixels
// (moved down by what grew above it, taller where its content needs), or, without a control, a
// stretch that no page may end inside.
struct Pieza {
    const QWidget* control = nullptr;
    QRect lugar;
    bool opaca = false; // covers what lies under it
    bool firma = false;
    // An edit field or a list: how wide its text may run on, from the box's text margin over the
    // empty paper to the right of its box.
    int anchoLibre = 0;
    // Lines on the paper inside the piece where a page may end without cutting a line of text
    // (between a tall memo's lines).
    QList<int> cortes;
};

// The pieces of the sheet, in stacking order (lowest first). `mmPorPixel` is the size of a sheet
// pixel on paper, which the room to sign in depends on.
QList<Pieza> PiezasEnPapel(const QWidget& hoja, const FiltroImpresion& seImprime,
                           const QList<Firma>& firmas, double mmPorPixel);

// Draws a piece at its place, the painter in sheet pixels.
void PintarPieza(QPainter& pintor, const Pieza& pieza);

// One control as paper shows it, at the painter's origin, in its own size.
void PintarEnPapel(QPainter& pintor, const QWidget& control);

// Whether a painter paints for paper (a printer, a PDF, a recording on its way to either), as
// its device and engine tell: what belongs to the screen alone (the focus ring) stays off it.
bool EsPapel(const QPainter& pintor);
