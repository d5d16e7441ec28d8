#pragma once
// Printing a window's sheet: the sheet laid out as paper shows it (disposicion.h), scaled to the
// paper's width, cut into pages only where no line would be cut (paginas.h), each page with a
// footer that names the document, dates the print and numbers the page (pie.h). Printing reads
// the controls and changes none.
// Direction of use: general/ <- impresion/ <- frame/ <- valuation/, certificate/ <- app/; it knows
// no window and nothing of the frame.

#include "papel.h"
#include "pie.h"

#include <QList>
#include <QString>
#include <stdexcept>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// A printing failure (no printer, a file that cannot be written), its message in Spanish.
class ErrorImpresion : public std::runtime_error {
public:
    explicit ErrorImpresion(const QString& mensaje);
};

// What a window tells printing about its document.
struct Impreso {
    const QWidget* hoja = nullptr;
    QString documento; // the name in the footers
    QString archivo;   // the first word of the PDF's name and the print job's
    QString matricula; // the car's plate, in those names
    FiltroImpresion seImprime = [](const QWidget&) { return true; };
    QList<Firma> firmas;
    bool unaPagina = false; // scaled down to one page where the paper is too short
    FormatoPie pie;
};

// The name of the print job and of a PDF of the document, without ".pdf": "Tasacion 1234 BCD
// 2010-03-15", today's date from the program's clock.
QString NombreDelTrabajo(const Impreso& impreso);

// A4 portrait with margins of 15 mm: how printing starts; the user may change it in the print
// dialog.
void PrepararImpresora(QPrinter& impresora);

// The document laid out on `papel`: the pieces in sheet pixels, the tops of the pages followed
// by the end, and how the sheet sits on a page. Throws ErrorImpresion when the paper leaves no
// room.
struct Maqueta {
    QList<Pieza> piezas;
    QList<int> cortes;
    qreal escala = 1;    // device pixels to a sheet pixel
    qreal izquierda = 0; // the sheet's left edge, from the page's, in device pixels
};
Maqueta Maquetar(const Impreso& impreso, const QPagedPaintDevice& papel);

// Prints the document on `papel` (a printer, the preview, a PDF writer): the same code for all.
// A printer gets the print job's name, a PDF writer it as title. Throws ErrorImpresion when the
// printer or the file cannot be opened, a page cannot begin, or the paper leaves no room.
void ImprimirHoja(const Impreso& impreso, QPagedPaintDevice& papel);
