#include "pie.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kPuntosPie = 8;

} // namespace

QFont FuentePie() {
    QFont fuente(u"Verdana"_s);
    fuente.setPointSizeF(kPuntosPie);
    return fuente;
}

QString NumeroDePagina(const FormatoPie& formato, int numero, int total) {
    return formato.pagina.arg(numero).arg(total);
}

void PintarPie(QPainter& pintor, const QRectF& pagina, const QColor& tinta,
               const QString& documento, const FormatoPie& formato, const QDateTime& impreso,
               int numero, int total) {
    pintor.save();
    pintor.setFont(FuentePie());
    const QFontMetricsF metrica(pintor.font(), pintor.device());
    const QString fecha = formato.fecha.arg(impreso.toString(formato.momento));
    const QString numeroPagina = NumeroDePagina(formato, numero, total);
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
