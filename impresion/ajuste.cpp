#include "ajuste.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QWidget>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QFont ConPixeles(QFont fuente, int pixeles) {
    fuente.setPixelSize(pixeles);
    return fuente;
}

// A line break of any kind a pasted text may hold.
bool EsSalto(QChar c) {
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// The paragraphs of a text: what lies between its line breaks. Line breaks at its end only end
// the text.
QStringList Parrafos(const QString& texto) {
    static const QRegularExpression kSaltos(u"\\r\\n|[\\n\\r\\x{2028}\\x{2029}\\v\\f]"_s);
    QStringList parrafos = texto.split(kSaltos);
    while (parrafos.size() > 1 && parrafos.last().isEmpty())
        parrafos.removeLast();
    return parrafos;
}

// A word wider than `ancho` on its own, in pieces as wide as the line allows, whole characters
// each (one at least, however narrow the line).
QStringList PartirPalabra(const QString& palabra, const QFontMetricsF& metrica, qreal ancho) {
    QStringList trozos;
    QTextBoundaryFinder letras(QTextBoundaryFinder::Grapheme, palabra);
    qsizetype inicio = 0;
    qsizetype fin = 0; // the end of the last character that fits
    for (qsizetype limite = letras.toNextBoundary(); limite > 0; limite = letras.toNextBoundary()) {
        if (fin > inicio &&
            metrica.horizontalAdvance(palabra.mid(inicio, limite - inicio)) > ancho) {
            trozos << palabra.mid(inicio, fin - inicio);
            inicio = fin;
        }
        fin = limite;
    }
    trozos << palabra.mid(inicio);
    return trozos;
}

// One paragraph in lines `ancho` wide, broken only at blanks, each line as the paragraph has it
// from its first word to its last; only a word wider than the line on its own is broken, at the
// line's edge. A paragraph without words is one empty line.
QStringList PartirParrafo(const QString& parrafo, const QFontMetricsF& metrica, qreal ancho) {
    // Blanks part words; a no-break space does not.
    static const QRegularExpression kPalabra(u"(?:\\S|[\\x{00A0}\\x{2007}\\x{202F}])+"_s);
    QStringList lineas;
    qsizetype inicio = -1; // where the line being filled begins in the paragraph, -1 for none
    qsizetype fin = 0;
    for (const QRegularExpressionMatch& m : kPalabra.globalMatch(parrafo)) {
        if (inicio >= 0 &&
            metrica.horizontalAdvance(parrafo.mid(inicio, m.capturedEnd() - inicio)) <= ancho) {
            fin = m.capturedEnd();
            continue;
        }
        if (inicio >= 0)
            lineas << parrafo.mid(inicio, fin - inicio);
        QStringList trozos = PartirPalabra(m.captured(), metrica, ancho);
        const QString ultimo = trozos.takeLast();
        lineas << trozos;
        inicio = m.capturedEnd() - ultimo.size();
        fin = m.capturedEnd();
    }
    lineas << (inicio >= 0 ? parrafo.mid(inicio, fin - inicio) : QString());
    return lineas;
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
    const auto* edicion = qobject_cast<const QLineEdit*>(&control);
    if (edicion != nullptr && edicion->echoMode() != QLineEdit::Normal)
        return edicion->displayText();
    QString texto;
    if (edicion != nullptr)
        texto = edicion->text();
    else if (const auto* lista = qobject_cast<const QComboBox*>(&control))
        texto = lista->currentText();
    else
        return {};
    // The text as typed: the field shows its line breaks as blanks, paper keeps them. Other
    // control characters are blanks on paper as on the screen.
    for (QChar& c : texto) {
        if ((c.unicode() < 0x20 && !EsSalto(c)) || c == QChar::ObjectReplacementCharacter)
            c = u' ';
    }
    return texto;
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
    const QFontMetricsF metrica(fuente);
    QStringList lineas;
    for (const QString& parrafo : Parrafos(texto))
        lineas << PartirParrafo(parrafo, metrica, ancho);
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
