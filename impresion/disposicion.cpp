#include "disposicion.h"

#include "ajuste.h"
#include "memo.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

int AltoDeFirma(const QWidget& caja, int ancho, double mmPorPixel) {
    const int linea = QFontMetrics(caja.font()).height();
    const int nombre = NombreDeFirma(caja, ancho).renglones;
    const int paraFirmar = static_cast<int>(std::ceil(kMmParaFirmar / mmPorPixel));
    return 2 * (BordeDeCaja(caja) + kRelleno) + nombre * linea + kBajoLinea + kRelleno + linea +
           paraFirmar;
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

// How much taller than on the screen piece `i` is on paper; sets how wide its text may run on
// and where a page may end inside it.
int Crece(QList<Pieza>& piezas, qsizetype i, int anchoHoja, double mmPorPixel) {
    Pieza& pieza = piezas[i];
    const QWidget& control = *pieza.control;
    int alto = pieza.lugar.height();
    switch (pieza.tipo) {
    case TipoDePieza::Firma:
        alto = AltoDeFirma(control, pieza.lugar.width(), mmPorPixel);
        break;
    case TipoDePieza::Texto: {
        const int ancho = AnchoInterior(control, pieza.lugar.width());
        const int libre = BordeLibre(piezas, i, anchoHoja) - 2 - pieza.lugar.left() -
                          BordeDeCaja(control) - kMargenTextoX;
        pieza.anchoLibre = std::max(ancho, libre);
        alto = std::max(alto, AltoParaLineas(control, Acomodar(control, ancho, libre)));
        if (alto > pieza.lugar.height())
            pieza.anchoLibre = ancho; // in lines under each other, not running on
        break;
    }
    case TipoDePieza::Memo: {
        const MemoEnPapel medida = MedirMemo(control, pieza.lugar.width());
        alto = std::max(alto, medida.alto);
        for (int y : medida.entreLineas)
            pieza.cortes << pieza.lugar.top() + y;
        break;
    }
    case TipoDePieza::Junta:
    case TipoDePieza::Casilla:
    case TipoDePieza::Opcion:
    case TipoDePieza::Propio:
        break;
    }
    return alto - pieza.lugar.height();
}

} // namespace

NombreEnFirma NombreDeFirma(const QWidget& caja, int ancho) {
    NombreEnFirma nombre{u"Nombre y DNI:"_s, 0, {}, 1};
    const QFontMetrics metrica(caja.font());
    nombre.sangria = metrica.horizontalAdvance(nombre.leyenda + u' ');
    const int dentro = ancho - 2 * (BordeDeCaja(caja) + kRelleno);
    nombre.lineas = EnLineas(TextoDeCaja(caja), caja.font(), std::max(1, dentro - nombre.sangria));
    nombre.renglones = static_cast<int>(std::max<qsizetype>(1, nombre.lineas.size()));
    return nombre;
}

QList<Pieza> PiezasEnPapel(const QWidget& hoja, const FiltroImpresion& seImprime,
                           const QList<Firma>& firmas, double mmPorPixel) {
    QList<Pieza> piezas = ClasificarPiezas(hoja, seImprime, firmas);
    std::vector<int> crece(static_cast<size_t>(piezas.size()), 0);
    for (qsizetype i = 0; i < piezas.size(); ++i)
        crece[static_cast<size_t>(i)] = Crece(piezas, i, hoja.width(), mmPorPixel);

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
            piezas << Pieza{.tipo = TipoDePieza::Junta, .lugar = junta};
    }
    return piezas;
}
