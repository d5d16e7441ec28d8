#pragma once
// A PDF of a document on disk: where it is suggested, and writing it whole or not at all.

#include <QString>
#include <functional>

class QPageLayout;
class QPagedPaintDevice;

// The user's Documents folder (the home folder where there is none) joined with `nombre` and
// ".pdf": where a PDF is suggested.
QString RutaSugerida(const QString& nombre);

// Writes the PDF at `ruta`: what `pintar` paints (pages as `pagina`, `resolucion` dots per inch)
// goes to a temporary file beside it, which takes the name only when written whole; a file of
// that name is then replaced. Throws ErrorImpresion, in Spanish, when the folder is missing or
// cannot be written, the name is refused, the disk fills, or `pintar` throws; then nothing is
// left on disk and a file that was there stays as it was.
void EscribirPdf(const QString& ruta, const QPageLayout& pagina, int resolucion,
                 const std::function<void(QPagedPaintDevice&)>& pintar);
