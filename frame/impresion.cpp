#include "impresion.h"

#include "apariencia.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QScopeGuard>
#include <QWidget>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

ErrorImpresion::ErrorImpresion(const QString& mensaje)
    : std::runtime_error(mensaje.toUtf8().toStdString()) {}

namespace {
int enPapel = 0; // recordings for paper under way
} // namespace

bool HojaEnPapel() { return enPapel > 0; }

QPicture ControlEnPapel(const QWidget& control) {
    ++enPapel;
    const auto fin = qScopeGuard([] { --enPapel; });
    // Rendered straight onto a printer a control becomes a picture of itself; recorded first,
    // its texts stay texts on paper.
    QPicture dibujo;
    QPainter grabador(&dibujo);
    const_cast<QWidget&>(control).render(&grabador, QPoint(), QRegion(), // render() only paints
                                         QWidget::DrawWindowBackground | QWidget::DrawChildren);
    grabador.end();
    return dibujo;
}

namespace {

// The part of a page that is not the sheet: the footer's font, and room for two of its lines
// (a blank one and the text).
constexpr qreal kPuntosPie = 8;
constexpr int kLineasPie = 2;
constexpr qreal kMargenMm = 15;

// The controls that go on paper, in their stacking order (lowest first).
QList<const QWidget*> Bloques(const QWidget& hoja, const FiltroImpresion& seImprime) {
    QList<const QWidget*> bloques;
    for (const QObject* hijo : hoja.children()) {
        if (!hijo->isWidgetType())
            continue;
        const auto* control = static_cast<const QWidget*>(hijo);
        if (!control->isHidden() && seImprime(*control))
            bloques << control;
    }
    return bloques;
}

// Control number `i` reaches across the line `y` on the sheet, but what lies below the line is
// covered by an opaque control stacked above it: cutting there cuts nothing that shows.
bool CubiertoBajo(const QList<const QWidget*>& bloques, qsizetype i, int y) {
    const QRect abajo = bloques[i]->geometry().adjusted(0, y - bloques[i]->y(), 0, 0);
    for (qsizetype j = i + 1; j < bloques.size(); ++j) {
        const QWidget& encima = *bloques[j];
        const bool opaco =
            encima.autoFillBackground() || encima.testAttribute(Qt::WA_OpaquePaintEvent);
        if (opaco && encima.geometry().contains(abajo))
            return true;
    }
    return false;
}

// Whether a page may end at the line `y` without cutting a control that shows.
bool CortePosible(const QList<const QWidget*>& bloques, int y) {
    for (qsizetype i = 0; i < bloques.size(); ++i) {
        const QRect lugar = bloques[i]->geometry();
        if (lugar.top() < y && y <= lugar.bottom() && !CubiertoBajo(bloques, i, y))
            return false;
    }
    return true;
}

// The blank height around a possible end of page: from the lowest control above the line to
// the highest below it; none when a (covered) control reaches across it.
int Hueco(const QList<const QWidget*>& bloques, int y, int fin) {
    int arriba = 0;
    int abajo = fin;
    for (const QWidget* control : bloques) {
        const QRect lugar = control->geometry();
        if (lugar.top() < y && y <= lugar.bottom())
            return 0;
        if (lugar.bottom() < y)
            arriba = std::max(arriba, lugar.bottom() + 1);
        else
            abajo = std::min(abajo, lugar.top());
    }
    return abajo - arriba;
}

QFont FuentePie() {
    QFont fuente(u"Verdana"_s);
    fuente.setPointSizeF(kPuntosPie);
    return fuente;
}

QString NoSeAbre(const QPrinter& impresora) {
    if (impresora.outputFormat() == QPrinter::PdfFormat) {
        return u"No se puede escribir el archivo PDF «%1»: compruebe que la carpeta existe y "
               u"que se puede escribir en ella"_s.arg(impresora.outputFileName());
    }
    return u"No se puede imprimir en la impresora «%1»: compruebe que está conectada y "
           u"encendida, o imprima a un archivo PDF"_s.arg(impresora.printerName());
}

// One page: the band of the sheet from `arriba` to `abajo`, scaled to the page's width.
void PintarBanda(QPainter& pintor, QWidget& hoja, const QList<const QWidget*>& bloques, int arriba,
                 int abajo, qreal escala) {
    const QRect banda(0, arriba, hoja.width(), abajo - arriba);
    pintor.save();
    pintor.scale(escala, escala);
    pintor.translate(0, -arriba);
    pintor.setClipRect(banda);
    pintor.fillRect(banda, hoja.palette().color(hoja.backgroundRole()));
    for (qsizetype i = 0; i < bloques.size(); ++i) {
        const QRect lugar = bloques[i]->geometry();
        // A control belongs to the page its top is on; one reaching in from the page before
        // shows here only when nothing covers it (a control taller than a page).
        const bool aqui = (lugar.top() >= arriba && lugar.top() < abajo) ||
                          (lugar.intersects(banda) && !CubiertoBajo(bloques, i, arriba));
        if (!aqui)
            continue;
        QPicture dibujo = ControlEnPapel(*bloques[i]);
        // Playing a picture scales it from the screen's resolution to the device's; the page's
        // own scale already does that.
        pintor.save();
        pintor.translate(lugar.topLeft());
        pintor.scale(qreal(dibujo.logicalDpiX()) / pintor.device()->logicalDpiX(),
                     qreal(dibujo.logicalDpiY()) / pintor.device()->logicalDpiY());
        pintor.drawPicture(0, 0, dibujo);
        pintor.restore();
    }
    pintor.restore();
}

void PintarPie(QPainter& pintor, const QRectF& pagina, const QString& documento, int numero,
               int total) {
    pintor.save();
    pintor.setFont(FuentePie());
    const QColor tinta = ColorBGR(kTintaHoja);
    const QFontMetricsF metrica(pintor.font(), pintor.device());
    const QRectF pie(pagina.left(), pagina.bottom() - metrica.height(), pagina.width(),
                     metrica.height());
    pintor.setPen(QPen(tinta, 0));
    pintor.drawLine(pie.topLeft() - QPointF(0, metrica.height() / 4),
                    pie.topRight() - QPointF(0, metrica.height() / 4));
    pintor.drawText(pie, Qt::AlignLeft | Qt::AlignBottom, documento);
    pintor.drawText(pie, Qt::AlignRight | Qt::AlignBottom,
                    u"Página %1 de %2"_s.arg(numero).arg(total));
    pintor.restore();
}

} // namespace

void PrepararImpresora(QPrinter& impresora) {
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                                        QPageLayout::Millimeter));
}

QList<int> CortesDePagina(const QWidget& hoja, int altoPagina, const FiltroImpresion& seImprime) {
    const QList<const QWidget*> bloques = Bloques(hoja, seImprime);
    int fin = 0;
    for (const QWidget* control : bloques)
        fin = std::max(fin, control->geometry().bottom() + 1);
    altoPagina = std::max(altoPagina, 1);

    QList<int> cortes{0};
    // Near the end of a page a wider gap is worth the blank it leaves.
    const int tramoFinal = altoPagina / 4;
    while (fin - cortes.last() > altoPagina) {
        const int arriba = cortes.last();
        const int limite = arriba + altoPagina;
        QList<int> candidatos;
        for (const QWidget* control : bloques) {
            if (control->y() > arriba && control->y() <= limite)
                candidatos << control->y();
        }
        candidatos << limite;
        int elegido = -1;
        int mejorHueco = -1;
        for (int y : candidatos) {
            if (!CortePosible(bloques, y))
                continue;
            const int hueco = y >= limite - tramoFinal ? Hueco(bloques, y, fin) : -1;
            if (hueco > mejorHueco || (hueco == mejorHueco && y > elegido)) {
                mejorHueco = hueco;
                elegido = y;
            }
        }
        cortes << (elegido > arriba ? elegido : limite); // a control taller than a page is cut
    }
    cortes << std::max(fin, cortes.last() + 1);
    return cortes;
}

void ImprimirHoja(QWidget& hoja, QPrinter& impresora, const QString& documento,
                  const FiltroImpresion& seImprime) {
    if (!impresora.isValid()) {
        throw ErrorImpresion(
            u"No hay ninguna impresora disponible: elija otra o imprima a un archivo PDF"_s);
    }
    // Sizes before the painter opens the printer: a failure must not leave an empty file.
    const QFontMetricsF metrica(FuentePie(), &impresora);
    const QRectF pagina(0, 0, impresora.width(), impresora.height());
    const qreal escala = pagina.width() / hoja.width();
    const int altoPagina =
        static_cast<int>(std::floor((pagina.height() - kLineasPie * metrica.height()) / escala));
    if (altoPagina < 50) {
        throw ErrorImpresion(u"Los márgenes elegidos no dejan sitio en la página para la hoja: "
                             u"elija márgenes menores o un papel mayor"_s);
    }
    const QList<int> cortes = CortesDePagina(hoja, altoPagina, seImprime);
    const QList<const QWidget*> bloques = Bloques(hoja, seImprime);
    const int paginas = static_cast<int>(cortes.size()) - 1;

    impresora.setDocName(documento);
    QPainter pintor;
    if (!pintor.begin(&impresora))
        throw ErrorImpresion(NoSeAbre(impresora));
    for (int i = 0; i < paginas; ++i) {
        if (i > 0 && !impresora.newPage()) {
            throw ErrorImpresion(
                u"La impresión se interrumpió antes de la página %1 de %2"_s.arg(i + 1).arg(
                    paginas));
        }
        PintarBanda(pintor, hoja, bloques, cortes[i], cortes[i + 1], escala);
        PintarPie(pintor, pagina, documento, i + 1, paginas);
    }
    if (!pintor.end() || impresora.printerState() == QPrinter::Error)
        throw ErrorImpresion(u"La impresión no pudo terminar: "_s + NoSeAbre(impresora));
}
