#include "avisos.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QtMath>

const QString kTituloAplicacion = QStringLiteral("Morvex Coches Ocasion");

namespace {

// The window manager writes a box's title in its own font, beside its own buttons, and cuts
// a title longer than the box is wide; Qt sizes the box for its text and a title in Qt's own
// font. A box is made wide enough for the title in a bold 14-pixel font and four buttons of the
// frame, in the window system's pixels whatever the scale factor.
void TituloEntero(QMessageBox& caja) {
    QFont fuente = caja.font();
    fuente.setBold(true);
    fuente.setPixelSize(14);
    constexpr int kBotonesDelMarco = 4 * 24 + 24;
    const int ancho = QFontMetrics(fuente).horizontalAdvance(caja.windowTitle()) + kBotonesDelMarco;
    auto* capas = qobject_cast<QGridLayout*>(caja.layout());
    if (capas == nullptr)
        return;
    const int logico = qCeil(ancho / caja.devicePixelRatioF());
    capas->addItem(new QSpacerItem(logico, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                   capas->rowCount(), 0, 1, capas->columnCount());
}

// Every box of the program: its title whole, its text as plain text. The text often holds what
// the user typed; left to guess, the box would take a typed "<b>" for markup.
void PrepararCaja(QMessageBox& caja) {
    TituloEntero(caja);
    caja.setTextFormat(Qt::PlainText);
}

void MostrarCaja(QWidget* ventana, QMessageBox::Icon icono, const QString& texto) {
    QMessageBox caja(icono, kTituloAplicacion, texto, QMessageBox::Ok, ventana);
    PrepararCaja(caja);
    caja.exec();
}

} // namespace

void MostrarAviso(QWidget* ventana, const QString& texto) {
    MostrarCaja(ventana, QMessageBox::NoIcon, texto);
}

void MostrarError(QWidget* ventana, const QString& mensaje) {
    MostrarCaja(ventana, QMessageBox::Critical, TextoDelAviso(mensaje));
}

int Preguntar(QWidget* ventana, const QString& texto, const QStringList& respuestas,
              qsizetype porDefecto) {
    Q_ASSERT(porDefecto >= 0 && porDefecto < respuestas.size());
    QMessageBox caja(QMessageBox::Question, kTituloAplicacion, texto, QMessageBox::NoButton,
                     ventana);
    PrepararCaja(caja);
    QList<QPushButton*> botones;
    for (qsizetype i = 0; i < respuestas.size(); ++i) {
        const bool ultima = i + 1 == respuestas.size();
        botones << caja.addButton(respuestas[i],
                                  ultima ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    caja.setDefaultButton(botones[porDefecto]);
    caja.setEscapeButton(botones.last());
    caja.exec();
    return static_cast<int>(botones.indexOf(caja.clickedButton()));
}
