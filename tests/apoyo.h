#pragma once
// What every test of the program shares: a headless application prepared as the program
// prepares it, a stopped clock, a chosen decimal separator, and a watch over message boxes that
// answers them and keeps what they said, so that an unexpected box fails the test.

#include "apoyo_calculo.h"

#include <QApplication>
#include <QDateTime>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

struct Aviso {
    QMessageBox::Icon icono;
    QString titulo;
    QString texto;
    QStringList botones; // as laid out, left to right
    QString porDefecto;  // the button Enter presses
    QString respuesta;   // the button pressed
};

class Avisos : public QObject {
public:
    explicit Avisos(int intervaloMs = 5);
    // The next box is answered with the button of this text, or with the Escape key for
    // "Escape"; a box without an answer given gets its OK button, or else Escape.
    void Responder(const QString& boton) { respuestas_.append(boton); }
    // The boxes shown since the last call, oldest first; answers no box took are dropped.
    QList<Aviso> Tomar();
    // No box left to take, and no answer given that no box took.
    bool Vacio() const { return recogidos_.isEmpty() && respuestas_.isEmpty(); }
    QString Resumen() const;

private:
    void Revisar();
    QTimer reloj_;
    QList<Aviso> recogidos_;
    QStringList respuestas_;
};

// Runs `accion` once, on the first modal dialog of kind T that opens while it lives.
template <class T> class AlAbrirse : public QObject {
public:
    explicit AlAbrirse(std::function<void(T&)> accion) : accion_(std::move(accion)) {
        connect(&reloj_, &QTimer::timeout, this, [this] {
            auto* dialogo = qobject_cast<T*>(QApplication::activeModalWidget());
            if (dialogo == nullptr || !dialogo->isVisible() || hecho)
                return;
            hecho = true;
            accion_(*dialogo);
        });
        reloj_.start(10);
    }
    bool hecho = false;

private:
    std::function<void(T&)> accion_;
    QTimer reloj_;
};

// Name of a checklist button: item n, rating "Bien", "Regular" or "Mal", as the sheet names it
// (NombreBotonLista).
QString BotonLista(int n, const char* calificacion);

// The control of `ventana` named `nombre`; a name the window lacks stops the test.
template <class T = QWidget> T* En(const QWidget& ventana, const QString& nombre) {
    T* control = ventana.findChild<T*>(nombre);
    if (control == nullptr)
        qFatal("no control %s", qPrintable(nombre));
    return control;
}
template <class T = QWidget> T* En(const QWidget& ventana, const char* nombre) {
    return En<T>(ventana, QString::fromLatin1(nombre));
}

// Types `texto` over what the field holds, key by key, as a person does.
inline void Teclear(QWidget* campo, const QString& texto) {
    QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(campo, texto);
}

// Ctrl+Z pressed with the focus in `control`.
inline void CtrlZ(QWidget* control) {
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Z, Qt::ControlModifier);
}

// Text of a control of `ventana` found by its name, whatever its kind.
QString Texto(const QWidget& ventana, const char* nombre);

// Everything a person could see change in a window: every control's text, tick, list (its
// items and the one chosen), place, visibility and colours, the scroll bars and, last, the
// control with the focus.
QStringList EstadoVisible(const QWidget& ventana);

// What the user gave a window and what it shows, as EstadoVisible tells it, but the scroll bars
// and the focus, which the program's overwrites and their undo leave to the user.
QStringList DatosVisibles(const QWidget& ventana);

// Drops the offscreen platform's warnings about window features it lacks. Call it from
// initTestCase: the test library installs its own message handler when the tests start.
void SilenciarPlataforma();

// The headless application for a test class: offscreen platform, the program's own settings,
// "," as decimal separator and the clock stopped in March 2010.
std::unique_ptr<QApplication> AplicacionDePrueba(int& argc, char** argv);

#define MORVEX_TEST_MAIN(Clase)                                                                    \
    int main(int argc, char** argv) {                                                              \
        const auto aplicacion = AplicacionDePrueba(argc, argv);                                    \
        Clase pruebas;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&pruebas, argc, argv);                                                 \
    }

// What a person would see as a fault of the sheet's layout: a visible control reaching past
// the sheet, a caption that does not fit its control, two controls on top of each other.
// `solapeAdmitido` names the pairs of controls that are meant to overlap.
QStringList
DefectosDeMaqueta(const QWidget& hoja,
                  const std::function<bool(const QWidget&, const QWidget&)>& solapeAdmitido);
