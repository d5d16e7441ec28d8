#include "ajuste.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The smallest character height an edit field's text shrinks to, in sheet pixels: some 6 points
// on A4.
constexpr int kPixelesLegibles = 8;

QFont ConPixeles(QFont fuente, int pixeles) {
    fuente.setPixelSize(pixeles);
    return fuente;
}

// The paragraphs of a text: what lies between its line breaks, whichever kind it holds.
QStringList Parrafos(const QString& texto) {
    static const QRegularExpression kSaltos(u"\\r\\n|[\\n\\r\\x{2028}\\x{2029}\\v\\f]"_s);
    return texto.split(kSaltos);
}

} // namespace

void EnPapel(QStyleOption& opcion, const QWidget& control) {
    opcion.initFrom(&control);
    opcion.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
}

QStyleOptionFrame OpcionDeCaja(const QWidget& control, const QRect& caja) {
    QStyleOptionFrame opcion;
    EnPapel(opcion, control);
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

QString TextoDeCaja(const QWidget& control) {
    if (const auto* edicion = qobject_cast<const QLineEdit*>(&control))
        return edicion->displayText();
    if (const auto* lista = qobject_cast<const QComboBox*>(&control))
        return lista->currentText();
    return {};
}

QRect InteriorDeCaja(const QWidget& control, const QRect& caja) {
    const int borde = BordeDeCaja(control);
    return caja.adjusted(borde + kMargenTextoX, borde + kMargenTextoY, -(borde + kMargenTextoX),
                         -(borde + kMargenTextoY));
}

int AnchoInterior(const QWidget& control, int ancho) {
    return InteriorDeCaja(control, QRect(0, 0, ancho, 1)).width();
}

QStringList EnLineas(const QString& texto, const QFont& fuente, qreal ancho) {
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lineas;
    for (const QString& parrafo : Parrafos(texto)) {
        QTextLayout disposicion(parrafo, fuente);
        disposicion.setTextOption(opcion);
        disposicion.beginLayout();
        for (QTextLine linea = disposicion.createLine(); linea.isValid();
             linea = disposicion.createLine()) {
            linea.setLineWidth(ancho);
            lineas << parrafo.mid(linea.textStart(), linea.textLength()).trimmed();
        }
        disposicion.endLayout();
    }
    return lineas;
}

TextoEnCaja Acomodar(const QWidget& control, int ancho, int anchoLibre) {
    const QString texto = TextoDeCaja(control);
    const QStringList parrafos = Parrafos(texto);
    const QFont fuente = control.font();
    const int propio = fuente.pixelSize() > 0 ? fuente.pixelSize() : QFontInfo(fuente).pixelSize();
    const int minimo = std::min(propio, kPixelesLegibles);
    for (int pixeles = propio; pixeles >= minimo; --pixeles) {
        const QFont probada = ConPixeles(fuente, pixeles);
        const QFontMetricsF metrica(probada);
        if (std::all_of(parrafos.begin(), parrafos.end(), [&](const QString& parrafo) {
                return metrica.horizontalAdvance(parrafo) <= ancho;
            }))
            return {probada, parrafos};
    }
    const QFont menor = ConPixeles(fuente, minimo);
    if (parrafos.size() == 1 && QFontMetricsF(menor).horizontalAdvance(texto) <= anchoLibre)
        return {menor, parrafos};
    return {menor, EnLineas(texto, menor, ancho)};
}

int AltoParaLineas(const QWidget& control, const TextoEnCaja& texto) {
    const int lineas = static_cast<int>(texto.lineas.size());
    if (lineas <= 1)
        return 0;
    const qreal alto = lineas * QFontMetricsF(texto.fuente).lineSpacing();
    return static_cast<int>(std::ceil(alto)) + 2 * (BordeDeCaja(control) + kMargenTextoY);
}
