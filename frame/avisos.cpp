#include "avisos.h"

#include <QMessageBox>

const QString kTituloAplicacion = QStringLiteral("Morvex Coches Ocasion");

namespace {

void MostrarCaja(QWidget* ventana, QMessageBox::Icon icono, const QString& texto) {
    QMessageBox caja(icono, kTituloAplicacion, texto, QMessageBox::Ok, ventana);
    // The text often holds what the user typed; left to guess, the box would take a typed
    // "<b>" for markup.
    caja.setTextFormat(Qt::PlainText);
    caja.exec();
}

} // namespace

void MostrarAviso(QWidget* ventana, const QString& texto) {
    MostrarCaja(ventana, QMessageBox::NoIcon, texto);
}

void MostrarError(QWidget* ventana, const QString& mensaje) {
    MostrarCaja(ventana, QMessageBox::Critical, TextoDelAviso(mensaje));
}
