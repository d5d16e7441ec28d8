#pragma once
// The program's message boxes and its error handling: no exception crosses a signal or reaches
// the event loop; a handler's error ends at its entry and is shown there.

#include "errores.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <exception>

class QWidget;

// The application's title, as the message boxes show it.
extern const QString kTituloAplicacion;

// The program's message boxes are modal, carry the application's title and one OK button, and
// show their text as plain text: every character as written, so that a typed "<b>" or "&lt;"
// shows as typed.

// A box without icon.
void MostrarAviso(QWidget* ventana, const QString& texto);

// The application's error handler: a box with the error icon and the message, a full stop
// appended where the message needs one.
void MostrarError(QWidget* ventana, const QString& mensaje);

// A question with a button for each answer (at least one), the one numbered `porDefecto` the
// default (the first unless told) and the last the one that Escape or closing the box gives;
// returns the number of the answer chosen.
int Preguntar(QWidget* ventana, const QString& texto, const QStringList& respuestas,
              qsizetype porDefecto = 0);

// Runs a handler's work; an error that ends it is shown here and goes no further, so that no
// exception crosses a signal or reaches the event loop.
template <class Accion> void Proteger(QWidget* ventana, Accion&& accion) noexcept {
    try {
        accion();
    } catch (const ErrorCalculo& error) {
        MostrarError(ventana, error.mensaje());
    } catch (const std::exception& error) {
        MostrarError(ventana, QString::fromUtf8(error.what()));
    }
}

// Connects a control's signal to a handler of the window; the handler's errors end at its entry
// (Proteger), so none crosses the signal.
template <class Ventana, class Emisor, class Senal>
void Manejar(Ventana* ventana, Emisor* emisor, Senal senal, void (Ventana::*manejador)()) {
    QObject::connect(emisor, senal, ventana, [ventana, manejador] {
        Proteger(ventana, [ventana, manejador] { (ventana->*manejador)(); });
    });
}
