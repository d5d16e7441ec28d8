#pragma once
// Fitting a text into its box on paper: an edit field's or a list's whole text, at its own size
// where it fits, smaller down to a legible size, running on over empty paper, or in lines under
// each other; the line breaks a text holds (pasted lines) stay line breaks. Nothing is cut.

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStyleOption>

class QWidget;

// QLineEdit's own room left and right of its text, and above and below it.
inline constexpr int kMargenTextoX = 2;
inline constexpr int kMargenTextoY = 1;

// The smallest character height a field's text shrinks to before it is broken into lines, in
// sheet pixels: some 5 points on A4, the size of a contract's small print. A car's model
// ("Sportback", "aniversario") fits the narrowest box whole at that size.
inline constexpr int kPixelesLegibles = 6;

// A control's style option as paper draws it: paper shows no focus and no pointer.
void EnPapel(QStyleOption& opcion, const QWidget& control);

// The frame of an edit field or a list as paper draws it in `caja` (EnPapel).
QStyleOptionFrame OpcionDeCaja(const QWidget& control, const QRect& caja);
int BordeDeCaja(const QWidget& control);

// The text of an edit field or a list as typed, its line breaks kept (the field shows them as
// blanks); a hidden password as it shows; nothing for any other control.
QString TextoDeCaja(const QWidget& control);

// The text's room inside the box `caja` of `control`, and inside a box of the given width.
QRect InteriorDeCaja(const QWidget& control, const QRect& caja);
int AnchoInterior(const QWidget& control, int ancho);

struct TextoEnCaja {
    QFont fuente;
    QStringList lineas;
};

// The text's lines, each paragraph of `texto` (each pasted line) broken `ancho` wide only at
// blanks; only a word wider than the line on its own is broken, at the line's edge. A line
// keeps the blanks inside it and none at its ends.
QStringList EnLineas(const QString& texto, const QFont& fuente, qreal ancho);

// An edit field's text on paper, `ancho` the room inside its box: one line at its own size where
// it fits, else smaller down to kPixelesLegibles; beyond that it runs on over the empty paper,
// `anchoLibre` wide, and where that is too short, it is broken at that size into lines as wide
// as the box (EnLineas). A text of several lines keeps them, each on its own, at the largest
// size where each fits, else broken as one line is.
TextoEnCaja Acomodar(const QWidget& control, int ancho, int anchoLibre);

// The height a box needs for its text's lines; 0 for one line, which the box holds.
int AltoParaLineas(const QWidget& control, const TextoEnCaja& texto);
