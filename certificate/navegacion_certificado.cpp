// The certificate sheet by keyboard and screen reader: its tab order, read from the page,
// and the names a screen reader gives the buttons of the checklist, from its items and columns.
// Every other control is named where the sheet makes it (hoja_certificado.cpp).

#include "comprobaciones.h"
#include "form2.h"
#include "general.h"
#include "lector.h"
#include "orden.h"
#include "teclado.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

void TForm2::PrepararNavegacion() {
    // The dated agreement line is a result too, heard by its caption: a stop in its place.
    LeerComoResultado(LabelFecha, DeTabla(kLeyendaFecha));
    // After the frame's buttons and the scroll box, the sheet as the page reads.
    OrdenarTabulacion(OrdenDeLaPagina(hoja()));
    QList<QWidget*> filas;
    for (const auto& elemento : CV)
        filas << elemento.front()->parentWidget();
    // The score in asterisks, heard as their count.
    LeerComoCuenta(EPuntosAsteriscos, u'*', QStringLiteral("asterisco"),
                   QStringLiteral("asteriscos"));
    CalificacionesEnRejilla(filas);
    // Every result is a tab stop; the agreement boxes, which the program only empties and the
    // parties sign on paper, are not.
    EVendedor->setFocusPolicy(Qt::ClickFocus);
    EComprador->setFocusPolicy(Qt::ClickFocus);

    const QStringList columnas = {QStringLiteral("Bien"), QStringLiteral("Regular"),
                                  QStringLiteral("Mal")};
    for (size_t i = 0; i < CV.size(); ++i)
        NombrarFila(CV[i], TituloElemento(static_cast<int>(i) + 1), columnas);
    ScrollBox1->setAccessibleName(QStringLiteral("Hoja del certificado"));
}
