#include "paginas.h"

#include <algorithm>

namespace {

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

} // namespace

int FinDe(const QList<Pieza>& piezas) {
    int fin = 0;
    for (const Pieza& pieza : piezas)
        fin = std::max(fin, pieza.lugar.bottom() + 1);
    return fin;
}

bool CubiertoBajo(const QList<Pieza>& piezas, qsizetype i, int y) {
    const QRect abajo = piezas[i].lugar.adjusted(0, y - piezas[i].lugar.y(), 0, 0);
    for (qsizetype j = i + 1; j < piezas.size(); ++j) {
        if (piezas[j].opaca && piezas[j].lugar.contains(abajo))
            return true;
    }
    return false;
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
