#include "avisos.h"

#include <QList>
#include <QMessageBox>
#include <QPushButton>

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

int Preguntar(QWidget* ventana, const QString& texto, const QStringList& respuestas) {
    Q_ASSERT(!respuestas.isEmpty());
    QMessageBox caja(QMessageBox::Question, kTituloAplicacion, texto, QMessageBox::NoButton,
                     ventana);
    caja.setTextFormat(Qt::PlainText);
    QList<QPushButton*> botones;
    for (qsizetype i = 0; i < respuestas.size(); ++i) {
        const bool ultima = i + 1 == respuestas.size();
        botones << caja.addButton(respuestas[i],
                                  ultima ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    caja.setDefaultButton(botones.first());
    caja.setEscapeButton(botones.last());
    caja.exec();
    return static_cast<int>(botones.indexOf(caja.clickedButton()));
}
