#include "pintura.h"

#include "ajuste.h"
#include "disposicion.h"
#include "memo.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

void PintarCaja(QPainter& pintor, const QWidget& control, const QRect& caja) {
    const QStyleOptionFrame opcion = OpcionDeCaja(control, caja);
    control.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opcion, &pintor);
}

// An edit field or a list: its box as the screen draws an edit field's, its whole text.
void PintarTexto(QPainter& pintor, const QWidget& control, const QRect& caja, int anchoLibre) {
    PintarCaja(pintor, control, caja);
    const QRect interior = InteriorDeCaja(control, caja);
    const TextoEnCaja texto = Acomodar(control, interior.width(), anchoLibre);
    pintor.save();
    pintor.setFont(texto.fuente);
    pintor.setPen(control.palette().color(QPalette::Text));
    if (texto.lineas.size() == 1) {
        // Past the box's right edge only over empty paper.
        const QRectF lugar(interior.left(), interior.top(), std::max(interior.width(), anchoLibre),
                           interior.height());
        Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter;
        if (const auto* edicion = qobject_cast<const QLineEdit*>(&control);
            edicion != nullptr && anchoLibre <= interior.width())
            alineacion = edicion->alignment();
        pintor.drawText(lugar, QStyle::visualAlignment(control.layoutDirection(), alineacion),
                        texto.lineas.first());
    } else {
        const qreal paso = QFontMetricsF(texto.fuente).lineSpacing();
        qreal y = interior.top();
        for (const QString& linea : texto.lineas) {
            pintor.drawText(QRectF(interior.left(), y, interior.width(), paso),
                            Qt::AlignLeft | Qt::AlignVCenter, linea);
            y += paso;
        }
    }
    pintor.restore();
}

// A radio button or a check box: its state as a glyph of the text where the screen shows its
// indicator, its caption where the screen has it.
void PintarMarca(QPainter& pintor, const QAbstractButton& boton, const QRect& lugar,
                 bool opcionExclusiva) {
    QStyleOptionButton opcion;
    EnPapel(opcion, boton);
    opcion.rect = QRect(QPoint(), lugar.size());
    opcion.text = boton.text();
    const QStyle* estilo = boton.style();
    const QRect indicador = estilo->subElementRect(
        opcionExclusiva ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &opcion);
    const QRect leyenda = estilo->subElementRect(
        opcionExclusiva ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opcion);
    pintor.save();
    pintor.translate(lugar.topLeft());
    if (boton.autoFillBackground())
        pintor.fillRect(opcion.rect, boton.palette().color(boton.backgroundRole()));
    pintor.setPen(boton.palette().color(QPalette::WindowText));
    QFont signos(u"DejaVu Sans"_s); // holds all four glyphs
    signos.setPixelSize(indicador.height() + 2);
    pintor.setFont(signos);
    const bool puesto = boton.isChecked();
    const QString glifo = opcionExclusiva ? (puesto ? u"●"_s : u"○"_s) : (puesto ? u"☒"_s : u"☐"_s);
    pintor.drawText(QRectF(indicador).adjusted(-4, -4, 4, 4), Qt::AlignCenter, glifo);
    if (!opcion.text.isEmpty()) {
        pintor.setFont(boton.font());
        pintor.drawText(leyenda,
                        QStyle::visualAlignment(opcion.direction, Qt::AlignLeft | Qt::AlignVCenter),
                        opcion.text);
    }
    pintor.restore();
}

void PintarMemo(QPainter& pintor, const QWidget& memo, const QRect& lugar) {
    const QFrame& cerco = CercoDeMemo(memo);
    const QWidget* vista = static_cast<const QAbstractScrollArea&>(memo).viewport();
    pintor.save();
    pintor.translate(lugar.topLeft());
    const QRect caja(QPoint(), lugar.size());
    pintor.fillRect(caja, vista->palette().color(vista->backgroundRole()));
    QStyleOptionFrame opcion;
    EnPapel(opcion, memo);
    if (cerco.frameShadow() == QFrame::Sunken)
        opcion.state |= QStyle::State_Sunken;
    else if (cerco.frameShadow() == QFrame::Raised)
        opcion.state |= QStyle::State_Raised;
    opcion.rect = caja;
    opcion.frameShape = cerco.frameShape();
    opcion.lineWidth = cerco.lineWidth();
    opcion.midLineWidth = cerco.midLineWidth();
    memo.style()->drawControl(QStyle::CE_ShapedFrame, &opcion, &pintor);
    const int borde = cerco.frameWidth();
    const auto documento = DocumentoDeMemo(memo, caja.width() - 2 * borde);
    pintor.translate(borde, borde);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.palette = memo.palette();
    documento->documentLayout()->draw(&pintor, contexto);
    pintor.restore();
}

// "Nombre y DNI:" with the box's whole text and a line under it, "Firma:", and room to sign.
void PintarFirma(QPainter& pintor, const QWidget& caja, const QRect& lugar) {
    PintarCaja(pintor, caja, lugar);
    const int borde = BordeDeCaja(caja);
    const QRect dentro = lugar.adjusted(borde + kRelleno, borde + kRelleno, -(borde + kRelleno),
                                        -(borde + kRelleno));
    const QFontMetrics metrica(caja.font());
    const NombreEnFirma nombre = NombreDeFirma(caja, lugar.width());
    pintor.save();
    pintor.setFont(caja.font());
    const QColor tinta = caja.palette().color(QPalette::Text);
    pintor.setPen(tinta);
    pintor.drawText(QRect(dentro.left(), dentro.top(), dentro.width(), metrica.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, nombre.leyenda);
    const int x = dentro.left() + nombre.sangria;
    int y = dentro.top();
    for (const QString& linea : nombre.lineas) {
        pintor.drawText(QRect(x, y, std::max(0, dentro.right() - x), metrica.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, linea);
        y += metrica.height();
    }
    const int renglon = dentro.top() + nombre.renglones * metrica.height() - 1 + kBajoLinea;
    pintor.setPen(QPen(tinta, 0));
    pintor.drawLine(x, renglon, dentro.right(), renglon);
    pintor.drawText(QRect(dentro.left(), renglon + kRelleno, dentro.width(), metrica.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, u"Firma:"_s);
    pintor.restore();
}

void PintarControl(QPainter& pintor, const QWidget& control, TipoDePieza tipo, const QRect& lugar,
                   int anchoLibre);

// A control on its own, not laid out as a piece of the sheet: as the kind it goes on paper as,
// a text with no room beyond its box.
void PintarSuelto(QPainter& pintor, const QWidget& control, const QRect& lugar) {
    const std::optional<TipoDePieza> tipo = TipoEnPapel(control);
    if (tipo)
        PintarControl(pintor, control, *tipo, lugar,
                      *tipo == TipoDePieza::Texto ? AnchoInterior(control, lugar.width()) : 0);
}

// What draws itself (a caption, a panel), recorded so that its texts stay texts: rendered
// straight onto a printer a widget becomes a picture of itself. Then its controls, where the
// screen has them, in their stacking order.
void PintarPropio(QPainter& pintor, const QWidget& control, const QRect& lugar) {
    QPicture dibujo;
    QPainter grabador(&dibujo);
    const_cast<QWidget&>(control).render(&grabador, QPoint(), QRegion(), // render() only paints
                                         QWidget::DrawWindowBackground);
    grabador.end();
    // Playing a picture scales it from the screen's resolution to the device's; the painter's
    // own scale already does that.
    pintor.save();
    pintor.translate(lugar.topLeft());
    pintor.scale(qreal(dibujo.logicalDpiX()) / pintor.device()->logicalDpiX(),
                 qreal(dibujo.logicalDpiY()) / pintor.device()->logicalDpiY());
    pintor.drawPicture(0, 0, dibujo);
    pintor.restore();
    for (const QObject* hijo : control.children()) {
        if (!hijo->isWidgetType())
            continue;
        const auto& parte = static_cast<const QWidget&>(*hijo);
        if (!parte.isHidden())
            PintarSuelto(pintor, parte, parte.geometry().translated(lugar.topLeft()));
    }
}

void PintarControl(QPainter& pintor, const QWidget& control, TipoDePieza tipo, const QRect& lugar,
                   int anchoLibre) {
    switch (tipo) {
    case TipoDePieza::Junta:
        return;
    case TipoDePieza::Texto:
        return PintarTexto(pintor, control, lugar, anchoLibre);
    case TipoDePieza::Casilla:
    case TipoDePieza::Opcion:
        return PintarMarca(pintor, static_cast<const QAbstractButton&>(control), lugar,
                           tipo == TipoDePieza::Opcion);
    case TipoDePieza::Memo:
        return PintarMemo(pintor, control, lugar);
    case TipoDePieza::Firma:
        return PintarFirma(pintor, control, lugar);
    case TipoDePieza::Propio:
        return PintarPropio(pintor, control, lugar);
    }
}

} // namespace

void PintarPieza(QPainter& pintor, const Pieza& pieza) {
    if (pieza.control != nullptr)
        PintarControl(pintor, *pieza.control, pieza.tipo, pieza.lugar, pieza.anchoLibre);
}

void PintarEnPapel(QPainter& pintor, const QWidget& control) {
    PintarSuelto(pintor, control, QRect(QPoint(), control.size()));
}
