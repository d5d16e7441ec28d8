#pragma once
// The way back from an overwrite: where the program writes over what the user had given a
// window (a new car, the worked example, a certificate prepared again), the window keeps what
// stood before and offers it back, one level, until the user's next input there. The offer is
// taken by Ctrl+Z from any control of the window or by the "Deshacer" button of a bar that
// shows under the sheet while the offer stands.

#include <QPointer>
#include <QScrollArea>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

// The sheet's scroll box. It can keep a strip under the sheet's view for the undo bar: the box
// keeps its place and size, the sheet its place in it; only the view above the strip is shorter.
class CajaDeHoja : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    // `alto` pixels kept under the view; 0 gives the whole box back to the view.
    void ReservarAbajo(int alto) { setViewportMargins(0, 0, 0, alto); }
};

class OfertaDeshacer : public QObject {
public:
    // The bar `AvisoDeshacer`, hidden, in `caja` under the sheet's view, with its sentence and its
    // button `BotonDeshacer` "Deshacer"; the offers are of `ventana`.
    OfertaDeshacer(QWidget* ventana, CajaDeHoja* caja);

    // Offers `volver`, replacing any offer before: the bar shows `aviso` without taking the
    // focus, and the window describes itself to a screen reader as `descripcion`. Announcing
    // the overwrite is the caller's.
    void Ofrecer(const QString& aviso, const QString& descripcion, std::function<void()> volver);
    // The offer ends untaken: the bar hides, the description goes. Nothing without an offer.
    void Retirar();
    // The offer taken, as Ctrl+Z and the button take it: it ends, then `volver` runs; an error
    // it throws is shown in the window and goes no further.
    void Aceptar();
    bool Ofrecida() const { return static_cast<bool>(volver_); }

    QWidget* Barra() const { return barra_; }
    QPushButton* Boton() const { return boton_; }

protected:
    // Ctrl+Z pressed in the window while the offer stands, before the focused control's own
    // undo takes it.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // The bar under the view, across its width.
    void Colocar();
    // The bar hidden, the description and the watch on the keys gone.
    void Ocultar();

    QWidget* ventana_;
    CajaDeHoja* caja_;
    // The box's view, kept apart: events still reach the filter while the box is taken down.
    QWidget* vista_;
    QWidget* barra_;
    QLabel* aviso_;
    QPushButton* boton_;
    std::function<void()> volver_;
    // The control that had the focus before Tab or a click gave it to the button, to have it
    // back when the bar hides.
    QPointer<QWidget> focoAnterior_;
};
