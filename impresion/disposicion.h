#pragma once
// The sheet laid out on paper: each piece as tall as its content needs (an edit field's lines, a
// memo's lines, a signature block's room to sign), what lies below a growing piece moved down,
// and each signature block kept with its caption.

#include "papel.h"

#include <QString>
#include <QStringList>

// The least room to sign in, below "Firma:".
inline constexpr double kMmParaFirmar = 25;
// Inside a signature block: around its content, and from the name's text to the line under it.
inline constexpr int kRelleno = 4;
inline constexpr int kBajoLinea = 3;

// The name's part of a signature block `ancho` wide: "Nombre y DNI:", then the box's whole text
// after it, `sangria` from the block's content edge, in lines as wide as the rest of the line.
struct NombreEnFirma {
    QString leyenda;
    int sangria;
    QStringList lineas;
    int renglones; // lines the name takes on paper: one at least, for an empty name
};
NombreEnFirma NombreDeFirma(const QWidget& caja, int ancho);

// The pieces of the sheet on paper, in stacking order (lowest first), followed by a stretch for
// each signature block with its caption. `mmPorPixel` is the size of a sheet pixel on paper,
// which the room to sign in depends on.
QList<Pieza> PiezasEnPapel(const QWidget& hoja, const FiltroImpresion& seImprime,
                           const QList<Firma>& firmas, double mmPorPixel);
