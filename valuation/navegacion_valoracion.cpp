// The valuation sheet by keyboard and screen reader: its tab order, read from the page, and
// the names a screen reader gives the buttons of the criteria grid, from their rows and columns.
// Every other control is named where the sheet makes it (hoja_valoracion.cpp).

#include "criterios.h"
#include "form1.h"
#include "general.h"
#include "lector.h"
#include "orden.h"
#include "rejilla.h"
#include "teclado.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

void TForm1::PrepararNavegacion() {
    // After the frame's buttons and the scroll box, the sheet as the page reads.
    OrdenarTabulacion(OrdenDeLaPagina(hoja()));
    QList<QWidget*> filas;
    for (const auto& fila : CP)
        filas << fila.front()->parentWidget();
    CalificacionesEnRejilla(filas);
    // Results are tab stops, read-only or not; the control-unit boxes, which nothing on this
    // sheet fills, and the help memo, which F1 brings up and a screen reader hears as the
    // description of its controls, are not.
    for (QWidget* vacio :
         {static_cast<QWidget*>(ENumRecambio), static_cast<QWidget*>(ECodificacion),
          static_cast<QWidget*>(EExtra2), static_cast<QWidget*>(MemoAyuda)})
        vacio->setFocusPolicy(Qt::ClickFocus);

    QStringList columnas;
    for (const ColumnaValoracion& columna : kColumnas)
        columnas << DeTabla(columna.linea1);
    for (size_t fila = 0; fila < CP.size(); ++fila)
        NombrarFila(CP[fila], LabelP[fila]->text(), columnas);
    ScrollBox1->setAccessibleName(QStringLiteral("Hoja de valoracion"));
}
