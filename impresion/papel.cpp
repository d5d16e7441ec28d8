#include "papel.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum class Clase { Boton, Edicion, Lista, Casilla, Opcion, Memo, Propio };

Clase ClaseDe(const QWidget& control) {
    if (qobject_cast<const QLineEdit*>(&control) != nullptr)
        return Clase::Edicion;
    if (qobject_cast<const QComboBox*>(&control) != nullptr)
        return Clase::Lista;
    if (qobject_cast<const QCheckBox*>(&control) != nullptr)
        return Clase::Casilla;
    if (qobject_cast<const QRadioButton*>(&control) != nullptr)
        return Clase::Opcion;
    if (qobject_cast<const QAbstractButton*>(&control) != nullptr)
        return Clase::Boton;
    if (qobject_cast<const QPlainTextEdit*>(&control) != nullptr ||
        qobject_cast<const QTextEdit*>(&control) != nullptr)
        return Clase::Memo;
    return Clase::Propio; // a caption, a panel: drawn by itself
}

// The smallest character height an edit field's text shrinks to, in sheet pixels: some 6 points
// on A4.
constexpr int kPixelesLegibles = 8;
// QLineEdit's own room left and right of its text, and above and below it.
constexpr int kMargenTextoX = 2;
constexpr int kMargenTextoY = 1;
// Inside a signature block: around its content, and from the name's text to the line under it.
constexpr int kRelleno = 4;
constexpr int kBajoLinea = 3;

QStyleOptionFrame OpcionDeCaja(const QWidget& control, const QRect& caja) {
    QStyleOptionFrame opcion;
    opcion.initFrom(&control);
    // Paper shows no focus and no pointer.
    opcion.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    opcion.state |= QStyle::State_Sunken;
    opcion.rect = caja;
    opcion.lineWidth = control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcion);
    opcion.midLineWidth = 0;
    if (const auto* edicion = qobject_cast<const QLineEdit*>(&control);
        edicion != nullptr && edicion->isReadOnly())
        opcion.state |= QStyle::State_ReadOnly;
    return opcion;
}

int BordeDeCaja(const QWidget& control) { return OpcionDeCaja(control, {}).lineWidth; }

// The box of an edit field or a list, as the screen draws an edit field's.
void PintarCaja(QPainter& pintor, const QWidget& control, const QRect& caja) {
    const QStyleOptionFrame opcion = OpcionDeCaja(control, caja);
    control.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opcion, &pintor);
}

QString TextoDeCaja(const QWidget& control) {
    if (const auto* edicion = qobject_cast<const QLineEdit*>(&control))
        return edicion->displayText();
    return static_cast<const QComboBox&>(control).currentText();
}

// The text's room inside a box of the given width.
int AnchoInterior(const QWidget& control, int ancho) {
    return ancho - 2 * (BordeDeCaja(control) + kMargenTextoX);
}

struct TextoEnCaja {
    QFont fuente;
    QStringList lineas;
};

QFont ConPixeles(QFont fuente, int pixeles) {
    fuente.setPixelSize(pixeles);
    return fuente;
}

// An edit field's text on paper: at its own size where it fits the box, else smaller down to a
// legible size; beyond that it runs on over the empty paper, `anchoLibre` wide, and where that
// is too short, it goes on in lines as wide as the box.
TextoEnCaja Acomodar(const QWidget& control, int ancho, int anchoLibre) {
    const QString texto = TextoDeCaja(control);
    const QFont fuente = control.font();
    const int propio = fuente.pixelSize() > 0 ? fuente.pixelSize() : QFontInfo(fuente).pixelSize();
    const int minimo = std::min(propio, kPixelesLegibles);
    for (int pixeles = propio; pixeles >= minimo; --pixeles) {
        const QFont probada = ConPixeles(fuente, pixeles);
        if (QFontMetricsF(probada).horizontalAdvance(texto) <= ancho)
            return {probada, {texto}};
    }
    const QFont menor = ConPixeles(fuente, minimo);
    if (QFontMetricsF(menor).horizontalAdvance(texto) <= anchoLibre)
        return {menor, {texto}};
    QTextLayout disposicion(texto, menor);
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    disposicion.setTextOption(opcion);
    QStringList lineas;
    disposicion.beginLayout();
    for (QTextLine linea = disposicion.createLine(); linea.isValid();
         linea = disposicion.createLine()) {
        linea.setLineWidth(ancho);
        lineas << texto.mid(linea.textStart(), linea.textLength()).trimmed();
    }
    disposicion.endLayout();
    return {menor, lineas};
}

// The height a box needs for its text's lines.
int AltoParaLineas(const QWidget& control, const TextoEnCaja& texto) {
    const int lineas = static_cast<int>(texto.lineas.size());
    if (lineas <= 1)
        return 0;
    const qreal alto = lineas * QFontMetricsF(texto.fuente).lineSpacing();
    return static_cast<int>(std::ceil(alto)) + 2 * (BordeDeCaja(control) + kMargenTextoY);
}

void PintarTextoDeCaja(QPainter& pintor, const QWidget& control, const QRect& caja,
                       int anchoLibre) {
    PintarCaja(pintor, control, caja);
    const int borde = BordeDeCaja(control);
    const QRect interior = caja.adjusted(borde + kMargenTextoX, borde + kMargenTextoY,
                                         -(borde + kMargenTextoX), -(borde + kMargenTextoY));
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
    opcion.initFrom(&boton);
    opcion.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
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

const QFrame& CercoDeMemo(const QWidget& memo) { return static_cast<const QFrame&>(memo); }

// A memo's whole text laid out `ancho` wide, as the memo wraps it.
std::unique_ptr<QTextDocument> DocumentoDeMemo(const QWidget& memo, int ancho) {
    QString texto;
    qreal margen = 0;
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (const auto* plano = qobject_cast<const QPlainTextEdit*>(&memo)) {
        texto = plano->toPlainText();
        margen = plano->document()->documentMargin();
        if (plano->lineWrapMode() != QPlainTextEdit::NoWrap)
            opcion.setWrapMode(plano->wordWrapMode());
    } else {
        const auto& rico = static_cast<const QTextEdit&>(memo);
        texto = rico.toPlainText();
        margen = rico.document()->documentMargin();
    }
    auto documento = std::make_unique<QTextDocument>();
    documento->setDocumentMargin(margen);
    documento->setDefaultFont(memo.font());
    documento->setDefaultTextOption(opcion);
    documento->setPlainText(texto);
    documento->setTextWidth(ancho);
    return documento;
}

struct MemoEnPapel {
    int alto;               // the box's height for every line
    QList<int> entreLineas; // from the box's top, the ends of all lines but the last
};

MemoEnPapel MedirMemo(const QWidget& memo, int ancho) {
    const int borde = CercoDeMemo(memo).frameWidth();
    const auto documento = DocumentoDeMemo(memo, ancho - 2 * borde);
    MemoEnPapel medida{borde * 2 + static_cast<int>(std::ceil(documento->size().height())), {}};
    for (QTextBlock bloque = documento->begin(); bloque.isValid(); bloque = bloque.next()) {
        const QRectF lugar = documento->documentLayout()->blockBoundingRect(bloque);
        const QTextLayout* disposicion = bloque.layout();
        for (int i = 0; i < disposicion->lineCount(); ++i) {
            const QTextLine linea = disposicion->lineAt(i);
            medida.entreLineas << borde + static_cast<int>(
                                              std::ceil(lugar.top() + linea.y() + linea.height()));
        }
    }
    if (!medida.entreLineas.isEmpty())
        medida.entreLineas.removeLast();
    return medida;
}

void PintarMemo(QPainter& pintor, const QWidget& memo, const QRect& lugar) {
    const QFrame& cerco = CercoDeMemo(memo);
    const QWidget* vista = static_cast<const QAbstractScrollArea&>(memo).viewport();
    pintor.save();
    pintor.translate(lugar.topLeft());
    const QRect caja(QPoint(), lugar.size());
    pintor.fillRect(caja, vista->palette().color(vista->backgroundRole()));
    QStyleOptionFrame opcion;
    opcion.initFrom(&memo);
    opcion.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
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

int AltoDeFirma(const QWidget& caja, double mmPorPixel) {
    const int linea = QFontMetrics(caja.font()).height();
    const int paraFirmar = static_cast<int>(std::ceil(kMmParaFirmar / mmPorPixel));
    return 2 * (BordeDeCaja(caja) + kRelleno) + linea + kBajoLinea + kRelleno + linea + paraFirmar;
}

void PintarFirma(QPainter& pintor, const QWidget& caja, const QRect& lugar) {
    PintarCaja(pintor, caja, lugar);
    const int borde = BordeDeCaja(caja);
    const QRect dentro = lugar.adjusted(borde + kRelleno, borde + kRelleno, -(borde + kRelleno),
                                        -(borde + kRelleno));
    const QFontMetrics metrica(caja.font());
    pintor.save();
    pintor.setFont(caja.font());
    const QColor tinta = caja.palette().color(QPalette::Text);
    pintor.setPen(tinta);
    const QString nombre = u"Nombre y DNI:"_s;
    const QRect lineaNombre(dentro.left(), dentro.top(), dentro.width(), metrica.height());
    pintor.drawText(lineaNombre, Qt::AlignLeft | Qt::AlignVCenter, nombre);
    const int x = dentro.left() + metrica.horizontalAdvance(nombre + u' ');
    pintor.drawText(QRect(x, lineaNombre.top(), std::max(0, dentro.right() - x), metrica.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, TextoDeCaja(caja));
    const int renglon = lineaNombre.bottom() + kBajoLinea;
    pintor.setPen(QPen(tinta, 0));
    pintor.drawLine(x, renglon, dentro.right(), renglon);
    pintor.drawText(QRect(dentro.left(), renglon + kRelleno, dentro.width(), metrica.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, u"Firma:"_s);
    pintor.restore();
}

// What draws itself (a caption, a panel), recorded so that its texts stay texts: rendered
// straight onto a printer a widget becomes a picture of itself.
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
}

void PintarControl(QPainter& pintor, const QWidget& control, const QRect& lugar, int anchoLibre) {
    switch (ClaseDe(control)) {
    case Clase::Boton:
        return; // a push button is for the screen
    case Clase::Edicion:
    case Clase::Lista:
        PintarTextoDeCaja(pintor, control, lugar, anchoLibre);
        return;
    case Clase::Casilla:
    case Clase::Opcion:
        PintarMarca(pintor, static_cast<const QAbstractButton&>(control), lugar,
                    ClaseDe(control) == Clase::Opcion);
        return;
    case Clase::Memo:
        PintarMemo(pintor, control, lugar);
        return;
    case Clase::Propio:
        break;
    }
    PintarPropio(pintor, control, lugar);
    // Its controls, where the screen has them, in their stacking order.
    for (const QObject* hijo : control.children()) {
        if (!hijo->isWidgetType())
            continue;
        const auto& parte = static_cast<const QWidget&>(*hijo);
        if (parte.isHidden())
            continue;
        const QRect donde = parte.geometry().translated(lugar.topLeft());
        PintarControl(pintor, parte, donde,
                      ClaseDe(parte) == Clase::Edicion || ClaseDe(parte) == Clase::Lista
                          ? AnchoInterior(parte, parte.width())
                          : 0);
    }
}

bool Opaco(const QWidget& control) {
    return control.autoFillBackground() || control.testAttribute(Qt::WA_OpaquePaintEvent);
}

// How far to the right of piece `i` the paper is empty, along the piece's height: to the nearest
// piece beside it, or to the sheet's edge.
int BordeLibre(const QList<Pieza>& piezas, qsizetype i, int anchoHoja) {
    const QRect caja = piezas[i].lugar;
    int borde = anchoHoja;
    for (qsizetype j = 0; j < piezas.size(); ++j) {
        const QRect otro = piezas[j].lugar;
        const bool alLado = otro.top() <= caja.bottom() && otro.bottom() >= caja.top();
        if (j != i && alLado && otro.left() > caja.left())
            borde = std::min(borde, otro.left());
    }
    return borde;
}

} // namespace

bool EsPapel(const QPainter& pintor) {
    const QPaintDevice* dispositivo = pintor.device();
    if (dispositivo != nullptr && (dynamic_cast<const QPagedPaintDevice*>(dispositivo) != nullptr ||
                                   dispositivo->devType() == QInternal::Printer ||
                                   dispositivo->devType() == QInternal::Picture))
        return true;
    // A widget rendered for paper paints on itself, through the engine of the recording.
    const QPaintEngine* motor = pintor.paintEngine();
    return motor != nullptr &&
           (motor->type() == QPaintEngine::Picture || motor->type() == QPaintEngine::Pdf);
}

QList<Pieza> PiezasEnPapel(const QWidget& hoja, const FiltroImpresion& seImprime,
                           const QList<Firma>& firmas, double mmPorPixel) {
    QList<Pieza> piezas;
    for (const QObject* hijo : hoja.children()) {
        if (!hijo->isWidgetType())
            continue;
        const auto& control = static_cast<const QWidget&>(*hijo);
        if (control.isHidden() || !seImprime(control) || ClaseDe(control) == Clase::Boton)
            continue;
        const bool firma = std::any_of(firmas.begin(), firmas.end(),
                                       [&control](const Firma& f) { return f.caja == &control; });
        piezas << Pieza{&control, control.geometry(), Opaco(control), firma, 0, {}};
    }

    // What each piece needs beyond its place on the screen.
    std::vector<int> crece(static_cast<size_t>(piezas.size()), 0);
    for (qsizetype i = 0; i < piezas.size(); ++i) {
        Pieza& pieza = piezas[i];
        const QWidget& control = *pieza.control;
        int alto = pieza.lugar.height();
        if (pieza.firma) {
            alto = AltoDeFirma(control, mmPorPixel);
        } else if (ClaseDe(control) == Clase::Edicion || ClaseDe(control) == Clase::Lista) {
            const int ancho = AnchoInterior(control, pieza.lugar.width());
            const int libre = BordeLibre(piezas, i, hoja.width()) - 2 - pieza.lugar.left() -
                              BordeDeCaja(control) - kMargenTextoX;
            pieza.anchoLibre = std::max(ancho, libre);
            alto = std::max(alto, AltoParaLineas(control, Acomodar(control, ancho, libre)));
            if (alto > pieza.lugar.height())
                pieza.anchoLibre = ancho; // in lines under each other, not running on
        } else if (ClaseDe(control) == Clase::Memo) {
            const MemoEnPapel medida = MedirMemo(control, pieza.lugar.width());
            alto = std::max(alto, medida.alto);
            for (int y : medida.entreLineas)
                pieza.cortes << pieza.lugar.top() + y;
        }
        crece[static_cast<size_t>(i)] = alto - pieza.lugar.height();
    }

    // A piece moves down by the most that a piece above it both moved and grew; pieces beside a
    // growing one stay where they are.
    std::vector<qsizetype> orden(static_cast<size_t>(piezas.size()));
    for (qsizetype i = 0; i < piezas.size(); ++i)
        orden[static_cast<size_t>(i)] = i;
    std::stable_sort(orden.begin(), orden.end(), [&piezas](qsizetype a, qsizetype b) {
        return piezas[a].lugar.top() < piezas[b].lugar.top();
    });
    std::vector<int> baja(static_cast<size_t>(piezas.size()), 0);
    for (qsizetype i : orden) {
        for (qsizetype j : orden) {
            if (piezas[j].lugar.top() >= piezas[i].lugar.top())
                break;
            const auto sj = static_cast<size_t>(j);
            if (crece[sj] > 0 && piezas[j].lugar.bottom() < piezas[i].lugar.top()) {
                auto& bi = baja[static_cast<size_t>(i)];
                bi = std::max(bi, baja[sj] + crece[sj]);
            }
        }
    }
    for (qsizetype i = 0; i < piezas.size(); ++i) {
        const auto si = static_cast<size_t>(i);
        Pieza& pieza = piezas[i];
        pieza.lugar.translate(0, baja[si]);
        pieza.lugar.setHeight(pieza.lugar.height() + crece[si]);
        for (int& y : pieza.cortes)
            y += baja[si];
    }

    // A signature block stays on one page with its caption.
    for (const Firma& firma : firmas) {
        QRect junta;
        for (const Pieza& pieza : std::as_const(piezas)) {
            if (pieza.control == firma.caja || pieza.control == firma.leyenda)
                junta = junta.united(pieza.lugar);
        }
        if (!junta.isNull())
            piezas << Pieza{nullptr, junta, false, false, 0, {}};
    }
    return piezas;
}

void PintarPieza(QPainter& pintor, const Pieza& pieza) {
    if (pieza.control == nullptr)
        return;
    if (pieza.firma)
        PintarFirma(pintor, *pieza.control, pieza.lugar);
    else
        PintarControl(pintor, *pieza.control, pieza.lugar, pieza.anchoLibre);
}

void PintarEnPapel(QPainter& pintor, const QWidget& control) {
    const QRect lugar(QPoint(), control.size());
    const bool caja = ClaseDe(control) == Clase::Edicion || ClaseDe(control) == Clase::Lista;
    PintarControl(pintor, control, lugar, caja ? AnchoInterior(control, lugar.width()) : 0);
}
