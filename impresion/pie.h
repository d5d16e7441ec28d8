#pragma once
// The footer of every printed page: a rule, the document's name at the left; the date of
// printing and the page number at the right, the date on the line above where one line holds
// not all three. Its words are one field of the document's description (Impreso::pie).

#include <QDateTime>
#include <QFont>
#include <QString>

class QColor;
class QPainter;
class QRectF;

struct FormatoPie {
    QString fecha = QStringLiteral("Impreso el %1"); // %1: the moment of printing, as `momento`
    QString momento = QStringLiteral("dd/MM/yyyy HH:mm");
    QString pagina = QStringLiteral("Página %1 de %2"); // %1: this page, %2: the pages
    // The print preview's pages, as a screen reader names them; %1: the document.
    QString paginas = QStringLiteral("Páginas de %1");
};

// The footer's font, and the lines it takes at the foot of a page: a blank one, or the date
// where the line is too short for it, and the text.
QFont FuentePie();
inline constexpr int kLineasPie = 2;

// Page `numero` of `total`, as the format words it.
QString NumeroDePagina(const FormatoPie& formato, int numero, int total);

// Paints the footer of page `numero` of `total` at the bottom of `pagina`, in device pixels;
// `impreso` is the moment of printing, the same on every page.
void PintarPie(QPainter& pintor, const QRectF& pagina, const QColor& tinta,
               const QString& documento, const FormatoPie& formato, const QDateTime& impreso,
               int numero, int total);
