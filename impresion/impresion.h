#pragma once
// Printing a window's sheet: the sheet as paper shows it (papel.h), scaled to the paper's width,
// cut into pages only where no line would be cut, each page with a footer that names the
// document, dates the print and numbers the page. Printing reads the controls and changes none.

#include "papel.h"

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
};

// The name of the print job and of a PDF of the document, without ".pdf": "Tasacion 1234 BCD
// 2010-03-15", today's date from the program's clock.
QString NombreDelTrabajo(const Impreso& impreso);

// Tops of the pages on the paper, in sheet pixels, for pages `altoPagina` sheet pixels high,
// followed by the end of the printed part. A page ends where no piece is cut: in a gap between
// pieces, where a piece's lower part is covered by an opaque piece stacked above it (the
// checklist rows overlap so), or between a memo's lines. Among the places near the end of a
// page, the widest gap wins, so that a section rather than a row begins the next page. Only a
// piece taller than a page, without such places, is cut.
QList<int> CortesDePagina(const QList<Pieza>& piezas, int altoPagina);

// A4 portrait with margins of 15 mm: how printing starts; the user may change it in the print
// dialog.
void PrepararImpresora(QPrinter& impresora);

// Prints the document on `papel` (a printer, the preview, a PDF writer): the same code for all.
// A printer gets the print job's name, a PDF writer it as title. Throws ErrorImpresion when the
// printer or the file cannot be opened, a page cannot begin, or the paper leaves no room.
void ImprimirHoja(const Impreso& impreso, QPagedPaintDevice& papel);
