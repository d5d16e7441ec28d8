#pragma once
// Printing a window's sheet: the whole sheet as it stands, scaled to the paper's width, cut into
// pages only where no control would be cut, each page with a footer naming the document and
// "Página N de M". Printing reads the controls and changes none of them.

#include <QList>
#include <QString>
#include <functional>
#include <stdexcept>

class QPicture;
class QPrinter;
class QWidget;

// A printing failure (no printer, a file that cannot be written), its message in Spanish.
class ErrorImpresion : public std::runtime_error {
public:
    explicit ErrorImpresion(const QString& mensaje);
};

// Which controls of the sheet go on paper; the others (a help pop-up) are left out.
using FiltroImpresion = std::function<bool(const QWidget&)>;

// Tops of the pages on the sheet, in sheet pixels, for pages `altoPagina` sheet pixels high,
// followed by the end of the printed part (the bottom of its lowest control). A page ends where
// no control is cut: in a gap between controls, or where a control's lower part is covered by
// an opaque control stacked above it (the checklist rows overlap so). Among the places near the
// end of a page, the widest gap wins, so that a section rather than a row begins the next page.
// Only a control taller than a page is cut.
QList<int> CortesDePagina(const QWidget& hoja, int altoPagina, const FiltroImpresion& seImprime);

// A4 portrait with margins of 15 mm: how printing starts; the user may change it in the
// preview.
void PrepararImpresora(QPrinter& impresora);

// One control as paper shows it, recorded so that its texts stay texts: what belongs to the
// screen alone (the focus ring) stays off it. HojaEnPapel() is true while it records.
QPicture ControlEnPapel(const QWidget& control);
bool HojaEnPapel();

// Prints the sheet on `impresora`: the same code for the preview, the printer and a PDF file;
// `documento` names the print job and stands in the footers. Throws ErrorImpresion when the printer
// or the file cannot be opened or a page cannot begin.
void ImprimirHoja(QWidget& hoja, QPrinter& impresora, const QString& documento,
                  const FiltroImpresion& seImprime);
