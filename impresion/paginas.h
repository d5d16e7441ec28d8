#pragma once
// Where the pages end: only where no line of text is cut.

#include "papel.h"

// The end of the printed part: below the lowest piece, in sheet pixels.
int FinDe(const QList<Pieza>& piezas);

// Piece number `i` reaches across the line `y` on the paper, but what lies below the line is
// covered by an opaque piece stacked above it: cutting there cuts nothing that shows.
bool CubiertoBajo(const QList<Pieza>& piezas, qsizetype i, int y);

// Tops of the pages on the paper, in sheet pixels, for pages `altoPagina` sheet pixels high,
// followed by the end of the printed part. A page ends where no piece is cut: in a gap between
// pieces, where a piece's lower part is covered by an opaque piece stacked above it (the
// checklist rows overlap so), or between a memo's lines. Among the places near the end of a
// page, the widest gap wins, so that a section rather than a row begins the next page. Only a
// piece taller than a page, without such places, is cut.
QList<int> CortesDePagina(const QList<Pieza>& piezas, int altoPagina);
