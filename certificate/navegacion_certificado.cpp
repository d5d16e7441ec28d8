// The certificate sheet by keyboard and screen reader: its tab order, which follows the page,
// and the names a screen reader gives its controls, from their captions.

#include "comprobaciones.h"
#include "form2.h"
#include "general.h"
#include "lector.h"
#include "teclado.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace {

// clang-format off
constexpr NombreAccesible kNombres[] = {
    {"EProtocoloUCE", "Label4", nullptr},
    {"ENumRecambio", "Label5", nullptr},
    {"ETipoSistema", "Label9", nullptr},
    {"ECodificacion", "Label6", nullptr},
    {"ENumTaller", "Label10", nullptr},
    {"EInfoAdicional1", "Label7", "línea 1"},
    {"EInfoAdicional2", "Label8", "línea 2"},
    {"MemoAverias", "LabelAverias", nullptr},
    {"ENombreMarca", "Label13", "Marca"},
    {"ETipoVehiculo", "Label13", "Tipo vehiculo"},
    {"EMarca", "Label13", "Modelo"},
    {"EBastidor", "Label14", nullptr},
    {"EMatricula", "Label15", nullptr},
    {"EPrecioNuevo", "Label18", nullptr},
    {"EPrecioCambio", "Label20", nullptr},
    {"EPrecioVendedor", "Label19", nullptr},
    {"EPuntuacionValoracion", "Label21", nullptr},
    {"EPuntosAsteriscos", nullptr, "Puntuacion en asteriscos"},
    {"EPuntosObtenidos", nullptr, "Puntuacion obtenida"},
    {"EPuntosITV", nullptr, "Puntos de la ITV"},
    {"EPuntosTotales", nullptr, "Puntuacion total sobre 10"},
    {"MemoDefectosEncontrados", nullptr, "Defectos encontrados"},
    {"EPVPVendedor", "Label32", nullptr},
    {"EPuntuacion", "Label34", nullptr},
    {"EPrecioCompra", "Label35", nullptr},
    {"EVendedor", "Label37", nullptr},
    {"EComprador", "Label38", nullptr},
};
// clang-format on

} // namespace

void TForm2::PrepararNavegacion() {
    // After the frame's buttons and the scroll box, the sheet top to bottom, left to right.
    QList<QWidget*> orden = {
        EProtocoloUCE,        ENumRecambio,    ETipoSistema,    ECodificacion,
        ENumTaller,           EInfoAdicional1, EInfoAdicional2, MemoAverias,
        ENombreMarca,         ETipoVehiculo,   EMarca,          EBastidor,
        EMatricula,           EPrecioNuevo,    EPrecioCambio,   EPrecioVendedor,
        EPuntuacionValoracion};
    QList<QWidget*> filas;
    for (const auto& elemento : CV) {
        for (QRadioButton* boton : elemento)
            orden << boton;
        filas << elemento.front()->parentWidget();
    }
    orden << CITV << EPuntosAsteriscos << EPuntosObtenidos << EPuntosITV << EPuntosTotales
          << MemoDefectosEncontrados << EPVPVendedor << EPuntuacion << Button3 << EPrecioCompra
          << EVendedor << EComprador << LabelFecha;
    // The dated agreement line is a result too, heard by its caption.
    LeerComoResultado(LabelFecha, LabelFecha->text()); // its caption, until a date follows it
    // The score in asterisks, heard as their count.
    LeerComoCuenta(EPuntosAsteriscos, u'*', QStringLiteral("asterisco"),
                   QStringLiteral("asteriscos"));
    OrdenarTabulacion(orden);
    CalificacionesEnRejilla(filas);
    // Every result is a tab stop; the agreement boxes, which the program only empties and the
    // parties sign on paper, are not.
    EVendedor->setFocusPolicy(Qt::ClickFocus);
    EComprador->setFocusPolicy(Qt::ClickFocus);

    NombrarControles(hoja(), kNombres);
    const QStringList columnas = {QStringLiteral("Bien"), QStringLiteral("Regular"),
                                  QStringLiteral("Mal")};
    for (size_t i = 0; i < CV.size(); ++i)
        NombrarFila(CV[i], TituloElemento(static_cast<int>(i) + 1), columnas);
    ScrollBox1->setAccessibleName(QStringLiteral("Hoja del certificado"));
}
