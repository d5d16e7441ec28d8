#pragma once
// The frame both windows share: title line, scrolling white sheet, the three buttons at the
// bottom. Direction of use: general/ <- impresion/ <- frame/ <- the windows (valuation/,
// certificate/) <- app/.
// Message boxes and error handling in avisos.h, looks in apariencia.h, control builders in
// controles.h.

#include "apariencia.h"
#include "avisos.h"
#include "impresion.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

class OfertaDeshacer;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QScrollArea;

struct DisenoMarco {
    const char* nombre;      // objectName and window title
    const char* titulo;      // text of the title line
    int altoHoja;            // height of the white sheet
    const char* textoAvance; // caption of Button2
    QPoint posAvance;        // Button2
    QPoint posRegresar;      // BitBtn13 "Regresar"
    bool regresarPrimero;    // tab order: BitBtn13 before Button2
    const char* documento;   // the document's name on paper, in the page footers
    const char* archivo;     // the first word of its PDF's name and of the print job's
    bool unaPagina;          // printed on one page, scaled down where the paper is short
};

// Where a window's frame goes on a screen whose available area is `disponible`: the given place
// and outer size (left 268, top 1, 656 x 739, frame included) where the area holds them; where it
// does not, the frame is cut down to the area and moved only as far as needed to lie wholly in
// it.
QRect ExteriorEnPantalla(const QRect& disponible);

// Height kept free for the desktop's panels where the window system does not report them:
// Wayland tells a program nothing of them and reports the whole screen as available, and the
// compositor then places the window beside them. A top bar (some 32 pixels) or a bottom panel
// (some 44, floating up to 56) fits in it, so the bottom buttons stay on a 1280 x 720 screen.
constexpr int kAltoPaneles = 64;

// The area a window may take: `disponible`, as the window system reports it; where it cannot
// know the panels (`panelesDesconocidos`) and reports the whole screen, that less kAltoPaneles
// (down to half of it, on a screen hardly taller than a panel).
QRect AreaSinPaneles(const QRect& disponible, bool panelesDesconocidos);

class TMarco : public QWidget {
    Q_OBJECT
public:
    explicit TMarco(const DisenoMarco& diseno);

    QWidget* hoja() const { return Panel1; }

    // Prints the whole sheet as it stands, but what the sheet's rows leave off paper: what the
    // preview shows and what reaches the printer or a PDF file. Changes nothing in the window.
    // Throws ErrorImpresion (impresion.h).
    void Imprimir(QPagedPaintDevice& papel);
    // The document as printing sees it, with the signature blocks its rows name; a window adds
    // its plate.
    virtual Impreso ComoSeImprime() const;

    // Shown or hidden as a window: a screen reader hears the window, not each of its controls.
    void setVisible(bool visible) override;

protected:
    bool event(QEvent* evento) override;
    void FormActivate();
    void BitBtn13Click();
    // "Imprimir" and Ctrl+P: the print preview of the sheet, from which the user prints or
    // saves a PDF; after AntesDeImprimir, and not when it says no.
    void ButtonImprimirClick();
    // Called when the user asks to print; false: print nothing. Where the results shown are not
    // what the sheet's inputs give now (ResultadosAlDia), the user chooses: calculate first and
    // print only if that ends well (Recalcular, with the calculation's own messages), print the
    // sheet as it stands, or cancel.
    bool AntesDeImprimir();
    // Whether the results shown are what the sheet's inputs give now, computed apart, without
    // writing to the sheet; false where they cannot be computed. The frame's sheet has none.
    virtual bool ResultadosAlDia() const;
    // The window's calculation as the button named `botonCalcular` runs it, its messages shown.
    virtual void Recalcular();
    virtual QString BotonCalcular() const;
    // The sheet's controls in tab order after the scroll box, "Imprimir" last, the keyboard
    // and wheel of the whole window (PrepararTeclado), and the start of every edit field in
    // view while it lacks the focus (PrincipioALaVista). Call once, when the sheet is built.
    void OrdenarTabulacion(QList<QWidget*> orden);
    // The window's way back from the program's overwrites, and its bar under the sheet.
    OfertaDeshacer& Deshacer() const { return *deshacer_; }

    QLabel* LabelCaption;
    QScrollArea* ScrollBox1;
    QWidget* Panel1;
    QPushButton* Button2;
    QPushButton* BitBtn13;
    QPushButton* ButtonImprimir;
    // Filled by the sheet's builders from their rows: signature blocks, and what stays off
    // paper.
    PapelDeHoja hojaEnPapel_;

private:
    // Places the window so that its frame, as the window system reports it, takes the given
    // place and outer size on the window's screen.
    void Colocar();
    // On the first show: once the window is mapped, the window system knows the frame it draws
    // around it, and the window is placed again.
    void AlMostrar();

    // Fits the frame's content into a window inside of `tamano`. Where the window is shorter
    // than its content (fitted into a small screen, or at a large scale factor) the scroll box
    // gives up the difference and the buttons move up with its bottom; where it is narrower,
    // the scroll box gives up width down to the sheet's own: the sheet keeps its one scroll bar
    // wholly in view, and the buttons and the focus stay in sight.
    void Encajar(QSize tamano);

    QWidget* cliente_; // holds the title line, the scroll box and the buttons
    int yAvance_ = 0;  // the buttons' places as designed
    int yRegresar_ = 0;
    QString titulo_;
    QString documento_;
    QString archivo_;
    bool unaPagina_;
    bool colocadoConBordes_ = false;
    OfertaDeshacer* deshacer_;
};
