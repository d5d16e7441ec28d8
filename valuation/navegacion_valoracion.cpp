// The valuation sheet by keyboard and screen reader: its tab order, read from the page, and
// the names a screen reader gives its controls, from their captions.

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

namespace {

// clang-format off
constexpr NombreAccesible kNombres[] = {
    {"ENombreMarca", "Label2", "Marca"},
    {"ETipoVehiculo", "Label2", "Tipo vehiculo"},
    {"EMesFabricacion", "Label8", nullptr},
    {"EAnoFabricacion", "Label9", nullptr},
    {"CImportacion", nullptr, "Origen: Import"},
    {"CNacional", nullptr, "Origen: Nacional"},
    {"CGasolina", nullptr, "Combustible: Gasolina"},
    {"CDiesel", nullptr, "Combustible: Diesel"},
    {"CMixto", nullptr, "Combustible: Hibrido"},
    {"EMesesLeasing", nullptr, "Meses de leasing"},
    {"MemoAyuda", nullptr, "Ayuda del criterio"},
};
// clang-format on

} // namespace

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

    NombrarControles(hoja(), kNombres);
    QStringList columnas;
    for (const ColumnaValoracion& columna : kColumnas)
        columnas << DeTabla(columna.linea1);
    for (size_t fila = 0; fila < CP.size(); ++fila)
        NombrarFila(CP[fila], LabelP[fila]->text(), columnas);
    ScrollBox1->setAccessibleName(QStringLiteral("Hoja de valoracion"));
}
