#include "orden.h"

#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

// A control, or a panel's radio buttons, in its place on the page.
struct EnPagina {
    QRect lugar;
    QList<QWidget*> controles;
};

} // namespace

QList<QWidget*> OrdenDeLaPagina(QWidget* hoja) {
    QList<EnPagina> puestos;
    QList<QWidget*> ocultos;
    for (QWidget* control : hoja->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto botones = control->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        EnPagina puesto{control->geometry(), {}};
        if (!botones.isEmpty()) {
            QList<QRadioButton*> enFila = botones;
            std::ranges::stable_sort(enFila, {}, [](const QRadioButton* b) { return b->x(); });
            for (QRadioButton* boton : std::as_const(enFila))
                puesto.controles << boton;
        } else if (control->focusPolicy() != Qt::NoFocus) {
            puesto.controles = {control};
        } else {
            continue;
        }
        if (control->isHidden())
            ocultos << puesto.controles;
        else
            puestos << puesto;
    }
    std::ranges::stable_sort(puestos, {}, [](const EnPagina& p) { return p.lugar.top(); });
    QList<QWidget*> orden;
    for (qsizetype i = 0; i < puestos.size();) {
        qsizetype fin = i + 1;
        int pie = puestos[i].lugar.bottom();
        for (; fin < puestos.size() && puestos[fin].lugar.top() <= pie; ++fin)
            pie = std::max(pie, puestos[fin].lugar.bottom());
        QList<EnPagina> linea = puestos.mid(i, fin - i);
        std::ranges::stable_sort(
            linea, {}, [](const EnPagina& p) { return std::pair(p.lugar.left(), p.lugar.top()); });
        for (const EnPagina& p : std::as_const(linea))
            orden << p.controles;
        i = fin;
    }
    return orden + ocultos;
}
