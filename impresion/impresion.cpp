#include "impresion.h"

#include "reloj.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

ErrorImpresion::ErrorImpresion(const QString& mensaje)
    : std::runtime_error(mensaje.toUtf8().toStdString()) {}

namespace {

// The part of a page that is not the sheet: the footer's font, and room for two of its lines
// (a blank one, or the date where the line is too short for it, and the text).
constexpr qreal kPuntosPie = 8;
constexpr int kLineasPie = 2;
constexpr qreal kMargenMm = 15;
// A document kept to one page is made no smaller than this against the paper's width: below it,
// the margins leave too little room.
constexpr qreal kEscalaMinima = 0.5;
// Fewer sheet pixels on a page than this: the margins leave no room.
constexpr int kAltoMinimo = 50;

// Control number `i` reaches across the line `y` on the paper, but what lies below the line is
// covered by an opaque piece stacked above it: cutting there cuts nothing that shows.
bool CubiertoBajo(const QList<Pieza>& piezas, qsizetype i, int y) {
    const QRect abajo = piezas[i].lugar.adjusted(0, y - piezas[i].lugar.y(), 0, 0);
    for (qsizetype j = i + 1; j < piezas.size(); ++j) {
        if (piezas[j].opaca && piezas[j].lugar.contains(abajo))
            return true;
    }
    return false;
}

// Whether a page may end at the line `y` without cutting a piece that shows.
bool CortePosible(const QList<Pieza>& piezas, int y) {
    for (qsizetype i = 0; i < piezas.size(); ++i) {
        const QRect lugar = piezas[i].lugar;
        if (lugar.top() < y && y <= lugar.bottom() && !piezas[i].cortes.contains(y) &&
            !CubiertoBajo(piezas, i, y))
            return false;
    }
    return true;
}

// The blank height around a possible end of page: from the lowest piece above the line to the
// highest below it; none when a piece reaches across it.
int Hueco(const QList<Pieza>& piezas, int y, int fin) {
    int arriba = 0;
    int abajo = fin;
    for (const Pieza& pieza : piezas) {
        const QRect lugar = pieza.lugar;
        if (lugar.top() < y && y <= lugar.bottom())
            return 0;
        if (lugar.bottom() < y)
            arriba = std::max(arriba, lugar.bottom() + 1);
        else
            abajo = std::min(abajo, lugar.top());
    }
    return abajo - arriba;
}

int FinDe(const QList<Pieza>& piezas) {
    int fin = 0;
    for (const Pieza& pieza : piezas)
        fin = std::max(fin, pieza.lugar.bottom() + 1);
    return fin;
}

QFont FuentePie() {
    QFont fuente(u"Verdana"_s);
    fuente.setPointSizeF(kPuntosPie);
    return fuente;
}

QString NoSeAbre(const QPagedPaintDevice& papel) {
    const auto* impresora = dynamic_cast<const QPrinter*>(&papel);
    if (impresora == nullptr)
        return u"No se pudo empezar el documento PDF"_s;
    if (impresora->outputFormat() == QPrinter::PdfFormat) {
        return u"No se puede escribir el archivo PDF «%1»: compruebe que la carpeta existe y "
               u"que se puede escribir en ella"_s.arg(impresora->outputFileName());
    }
    return u"No se puede imprimir en la impresora «%1»: compruebe que está conectada y "
           u"encendida, o imprima a un archivo PDF"_s.arg(impresora->printerName());
}

ErrorImpresion SinSitio() {
    return ErrorImpresion(u"Los márgenes elegidos no dejan sitio en la página para la hoja: "
                          u"elija márgenes menores o un papel mayor"_s);
}

// One page: the band of the paper from `arriba` to `abajo`, at `escala` device pixels to a sheet
// pixel, `izquierda` from the page's left edge.
void PintarBanda(QPainter& pintor, const QWidget& hoja, const QList<Pieza>& piezas, int arriba,
                 int abajo, qreal escala, qreal izquierda) {
    const QRect banda(0, arriba, hoja.width(), abajo - arriba);
    pintor.save();
    pintor.translate(izquierda, 0);
    pintor.scale(escala, escala);
    pintor.translate(0, -arriba);
    pintor.setClipRect(banda);
    pintor.fillRect(banda, hoja.palette().color(hoja.backgroundRole()));
    for (qsizetype i = 0; i < piezas.size(); ++i) {
        const QRect lugar = piezas[i].lugar;
        // A piece belongs to the page its top is on; one reaching in from the page before
        // shows here only when nothing covers it (a tall memo, a piece taller than a page).
        const bool aqui = (lugar.top() >= arriba && lugar.top() < abajo) ||
                          (lugar.intersects(banda) && !CubiertoBajo(piezas, i, arriba));
        if (aqui)
            PintarPieza(pintor, piezas[i]);
    }
    pintor.restore();
}

// The footer: the document's name at the left; the date of printing and the page number at
// the right, the date on the line above where one line holds not all three.
void PintarPie(QPainter& pintor, const QRectF& pagina, const QColor& tinta,
               const QString& documento, const QString& fecha, int numero, int total) {
    pintor.save();
    pintor.setFont(FuentePie());
    const QFontMetricsF metrica(pintor.font(), pintor.device());
    const QString numeroPagina = u"Página %1 de %2"_s.arg(numero).arg(total);
    const qreal separacion = 3 * metrica.horizontalAdvance(u'M');
    const qreal anchoDerecha =
        metrica.horizontalAdvance(fecha) + separacion + metrica.horizontalAdvance(numeroPagina);
    const bool unaLinea =
        metrica.horizontalAdvance(documento) + separacion + anchoDerecha <= pagina.width();
    const QRectF pie(pagina.left(), pagina.bottom() - metrica.height(), pagina.width(),
                     metrica.height());
    const QRectF lineaFecha =
        unaLinea ? pie.adjusted(0, 0, -(metrica.horizontalAdvance(numeroPagina) + separacion), 0)
                 : pie.translated(0, -metrica.height());
    const qreal raya = lineaFecha.top() - metrica.height() / 4;
    pintor.setPen(QPen(tinta, 0));
    pintor.drawLine(QPointF(pagina.left(), raya), QPointF(pagina.right(), raya));
    pintor.drawText(pie, Qt::AlignLeft | Qt::AlignBottom, documento);
    pintor.drawText(lineaFecha, Qt::AlignRight | Qt::AlignBottom, fecha);
    pintor.drawText(pie, Qt::AlignRight | Qt::AlignBottom, numeroPagina);
    pintor.restore();
}

} // namespace

QString NombreDelTrabajo(const Impreso& impreso) {
    // What file names refuse on any system a PDF may be copied to.
    static const QRegularExpression kRechazados(u"[\\\\/:*?\"<>|\\x00-\\x1f\\x7f]"_s);
    QStringList partes{impreso.archivo};
    const QString matricula = QString(impreso.matricula).replace(kRechazados, u"-"_s).simplified();
    if (!matricula.isEmpty())
        partes << matricula;
    partes << AhoraLocal().date().toString(u"yyyy-MM-dd"_s);
    return partes.join(u' ');
}

void PrepararImpresora(QPrinter& impresora) {
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm),
                                        QPageLayout::Millimeter));
}

QList<int> CortesDePagina(const QList<Pieza>& piezas, int altoPagina) {
    const int fin = FinDe(piezas);
    altoPagina = std::max(altoPagina, 1);

    QList<int> cortes{0};
    // Near the end of a page a wider gap is worth the blank it leaves.
    const int tramoFinal = altoPagina / 4;
    while (fin - cortes.last() > altoPagina) {
        const int arriba = cortes.last();
        const int limite = arriba + altoPagina;
        QList<int> candidatos;
        for (const Pieza& pieza : piezas) {
            if (pieza.lugar.top() > arriba && pieza.lugar.top() <= limite)
                candidatos << pieza.lugar.top();
            for (int y : pieza.cortes) {
                if (y > arriba && y <= limite)
                    candidatos << y;
            }
        }
        candidatos << limite;
        int elegido = -1;
        int mejorHueco = -1;
        for (int y : std::as_const(candidatos)) {
            if (!CortePosible(piezas, y))
                continue;
            const int hueco = y >= limite - tramoFinal ? Hueco(piezas, y, fin) : -1;
            if (hueco > mejorHueco || (hueco == mejorHueco && y > elegido)) {
                mejorHueco = hueco;
                elegido = y;
            }
        }
        cortes << (elegido > arriba ? elegido : limite); // a piece taller than a page is cut
    }
    cortes << std::max(fin, cortes.last() + 1);
    return cortes;
}

void ImprimirHoja(const Impreso& impreso, QPagedPaintDevice& papel) {
    const QWidget& hoja = *impreso.hoja;
    auto* impresora = dynamic_cast<QPrinter*>(&papel);
    if (impresora != nullptr && !impresora->isValid()) {
        throw ErrorImpresion(
            u"No hay ninguna impresora disponible: elija otra o imprima a un archivo PDF"_s);
    }
    // Sizes before the painter opens the printer: a failure must not leave an empty file.
    const QFontMetricsF metrica(FuentePie(), &papel);
    const QRectF pagina(0, 0, papel.width(), papel.height());
    const qreal altoUtil = pagina.height() - kLineasPie * metrica.height();
    const qreal escalaAncho = pagina.width() / hoja.width();
    // The size of a sheet pixel on paper, which the room to sign in is measured against.
    const auto milimetros = [&papel](qreal escala) { return escala * 25.4 / papel.logicalDpiY(); };
    qreal escala = escalaAncho;
    QList<Pieza> piezas =
        PiezasEnPapel(hoja, impreso.seImprime, impreso.firmas, milimetros(escala));
    if (impreso.unaPagina) {
        // Smaller until it fits: what is measured in millimetres takes more sheet pixels then.
        for (int vuelta = 0; vuelta < 3 && (FinDe(piezas) + 1) * escala > altoUtil; ++vuelta) {
            escala = altoUtil / (FinDe(piezas) + 1);
            piezas = PiezasEnPapel(hoja, impreso.seImprime, impreso.firmas, milimetros(escala));
        }
        if (escala < kEscalaMinima * escalaAncho)
            throw SinSitio();
    }
    const int altoPagina = static_cast<int>(std::floor(altoUtil / escala));
    if (altoPagina < kAltoMinimo)
        throw SinSitio();
    const QList<int> cortes = CortesDePagina(piezas, altoPagina);
    const int paginas = static_cast<int>(cortes.size()) - 1;
    const qreal izquierda = (pagina.width() - hoja.width() * escala) / 2;
    const QString fecha = u"Impreso el "_s + AhoraLocal().toString(u"dd/MM/yyyy HH:mm"_s);
    const QColor tinta = hoja.palette().color(hoja.foregroundRole());

    const QString trabajo = NombreDelTrabajo(impreso);
    if (impresora != nullptr)
        impresora->setDocName(trabajo);
    else if (auto* pdf = dynamic_cast<QPdfWriter*>(&papel))
        pdf->setTitle(trabajo);
    QPainter pintor;
    if (!pintor.begin(&papel))
        throw ErrorImpresion(NoSeAbre(papel));
    for (int i = 0; i < paginas; ++i) {
        if (i > 0 && !papel.newPage()) {
            throw ErrorImpresion(
                u"La impresión se interrumpió antes de la página %1 de %2"_s.arg(i + 1).arg(
                    paginas));
        }
        PintarBanda(pintor, hoja, piezas, cortes[i], cortes[i + 1], escala, izquierda);
        PintarPie(pintor, pagina, tinta, impreso.documento, fecha, i + 1, paginas);
    }
    const bool terminado = pintor.end();
    if (!terminado || (impresora != nullptr && impresora->printerState() == QPrinter::Error))
        throw ErrorImpresion(u"La impresión no pudo terminar: "_s + NoSeAbre(papel));
}
