#include "impresion.h"

#include "disposicion.h"
#include "paginas.h"
#include "pintura.h"
#include "reloj.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QWidget>
#include <cmath>

using namespace Qt::StringLiterals;

ErrorImpresion::ErrorImpresion(const QString& mensaje)
    : std::runtime_error(mensaje.toUtf8().toStdString()) {}

namespace {

constexpr qreal kMargenMm = 15;
// A document kept to one page is made no smaller than this against the paper's width: below it,
// the margins leave too little room.
constexpr qreal kEscalaMinima = 0.5;
// Fewer sheet pixels on a page than this: the margins leave no room.
constexpr int kAltoMinimo = 50;

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

Maqueta Maquetar(const Impreso& impreso, const QPagedPaintDevice& papel) {
    const QWidget& hoja = *impreso.hoja;
    const QFontMetricsF metrica(FuentePie(), &papel);
    const qreal altoUtil = papel.height() - kLineasPie * metrica.height();
    const qreal escalaAncho = qreal(papel.width()) / hoja.width();
    // The size of a sheet pixel on paper, which the room to sign in is measured against.
    const auto milimetros = [&papel](qreal escala) { return escala * 25.4 / papel.logicalDpiY(); };
    Maqueta maqueta;
    maqueta.escala = escalaAncho;
    maqueta.piezas =
        PiezasEnPapel(hoja, impreso.seImprime, impreso.firmas, milimetros(maqueta.escala));
    if (impreso.unaPagina) {
        // Smaller until it fits: what is measured in millimetres takes more sheet pixels then.
        for (int vuelta = 0; vuelta < 3 && (FinDe(maqueta.piezas) + 1) * maqueta.escala > altoUtil;
             ++vuelta) {
            maqueta.escala = altoUtil / (FinDe(maqueta.piezas) + 1);
            maqueta.piezas =
                PiezasEnPapel(hoja, impreso.seImprime, impreso.firmas, milimetros(maqueta.escala));
        }
        if (maqueta.escala < kEscalaMinima * escalaAncho)
            throw SinSitio();
    }
    const int altoPagina = static_cast<int>(std::floor(altoUtil / maqueta.escala));
    if (altoPagina < kAltoMinimo)
        throw SinSitio();
    maqueta.cortes = CortesDePagina(maqueta.piezas, altoPagina);
    maqueta.izquierda = (papel.width() - hoja.width() * maqueta.escala) / 2;
    return maqueta;
}

void ImprimirHoja(const Impreso& impreso, QPagedPaintDevice& papel) {
    const QWidget& hoja = *impreso.hoja;
    auto* impresora = dynamic_cast<QPrinter*>(&papel);
    if (impresora != nullptr && !impresora->isValid()) {
        throw ErrorImpresion(
            u"No hay ninguna impresora disponible: elija otra o imprima a un archivo PDF"_s);
    }
    // Laid out before the painter opens the printer: a failure must not leave an empty file.
    const Maqueta maqueta = Maquetar(impreso, papel);
    const QRectF pagina(0, 0, papel.width(), papel.height());
    const int paginas = static_cast<int>(maqueta.cortes.size()) - 1;
    const QDateTime momento = AhoraLocal();
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
        PintarBanda(pintor, hoja, maqueta.piezas, maqueta.cortes[i], maqueta.cortes[i + 1],
                    maqueta.escala, maqueta.izquierda);
        PintarPie(pintor, pagina, tinta, impreso.documento, impreso.pie, momento, i + 1, paginas);
    }
    const bool terminado = pintor.end();
    if (!terminado || (impresora != nullptr && impresora->printerState() == QPrinter::Error))
        throw ErrorImpresion(u"La impresión no pudo terminar: "_s + NoSeAbre(papel));
}
