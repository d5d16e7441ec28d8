#pragma once
// The frame both windows share: title line, scrolling white sheet, the three buttons at the
// bottom, and the application's error handler. Direction of use: general/ <- frame/ <- the
// windows (valuation/, certificate/) <- app/. Looks in apariencia.h, control builders in
// controles.h.

#include "apariencia.h"
#include "errores.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <exception>

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

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

struct DisenoMarco {
    const char* nombre;      // objectName and window title
    const char* titulo;      // text of the title line
    int altoHoja;            // height of the white sheet
    const char* textoAvance; // caption of Button2
    QPoint posAvance;        // Button2
    QPoint posRegresar;      // BitBtn13 "Regresar"
    bool regresarPrimero;    // tab order: BitBtn13 before Button2
    const char* documento;   // the document's name on paper: print job and page footers
};

// Where a window's frame goes on a screen whose available area is `disponible`: the given place
// and outer size (left 268, top 1, 656 x 739, frame included) where the area holds them; where it
// does not, the frame is cut down to the area and moved only as far as needed to lie wholly in
// it.
QRect MarcoEnPantalla(const QRect& disponible);

class TMarco : public QWidget {
    Q_OBJECT
public:
    explicit TMarco(const DisenoMarco& diseno);

    QWidget* hoja() const { return Panel1; }

    // Prints the whole sheet as it stands, but what SeImprime leaves out: what the preview shows
    // and what reaches the printer or a PDF file. Changes nothing in the window. Throws
    // ErrorImpresion (impresion.h).
    void Imprimir(QPrinter& impresora);

protected:
    bool event(QEvent* evento) override;
    void FormActivate();
    void BitBtn13Click();
    // "Imprimir" and Ctrl+P: the print preview of the sheet, from which the user prints or
    // saves a PDF.
    void ButtonImprimirClick();
    // Whether a control of the sheet goes on paper; the frame prints every one.
    virtual bool SeImprime(const QWidget& control) const;
    // The sheet's controls in tab order after the scroll box, "Imprimir" last, and the keyboard
    // and wheel of the whole window (PrepararTeclado). Call once, when the sheet is built.
    void OrdenarTabulacion(QList<QWidget*> orden);

    QLabel* LabelCaption;
    QScrollArea* ScrollBox1;
    QWidget* Panel1;
    QPushButton* Button2;
    QPushButton* BitBtn13;
    QPushButton* ButtonImprimir;

private:
    // Places the window so that its frame, as the window system reports it, takes the given
    // place and outer size on the window's screen.
    void Colocar();
    // On the first show: once the window is mapped, the window system knows the frame it draws
    // around it, and the window is placed again.
    void AlMostrar();

    // Fits the frame's content into a window inside `alto` high. Where the window is shorter
    // than its content (fitted into a small screen, or at a large scale factor) the scroll box
    // gives up the difference and the buttons move up with its bottom: the sheet keeps its one
    // scroll bar wholly in view, and the buttons and the focus stay in sight.
    void Encajar(int alto);

    QWidget* cliente_; // holds the title line, the scroll box and the buttons
    int yAvance_ = 0;  // the buttons' places as designed
    int yRegresar_ = 0;
    QString titulo_;
    QString documento_;
    bool colocadoConMarco_ = false;
};
