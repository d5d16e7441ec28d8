#pragma once
// Painting the pieces of paper, each kind by its own function: texts in their boxes, ticks and
// ratings as glyphs of the text, memos whole, signature blocks, and what draws itself recorded
// so that its texts stay texts.

#include "papel.h"

class QPainter;
class QWidget;

// Draws a piece at its place, the painter in sheet pixels.
void PintarPieza(QPainter& pintor, const Pieza& pieza);

// One control as paper shows it, at the painter's origin, in its own size.
void PintarEnPapel(QPainter& pintor, const QWidget& control);
