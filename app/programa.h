#pragma once
// The program unit: both windows, created in order at start-up, and the ways between them.
// Direction of use: general/ <- frame/ <- valuation/, certificate/ <- app/; this is the top.

#include <memory>

class QApplication;

class TForm1;
class TForm2;
struct TraspasoValoracion;

// Application-wide settings every window relies on: the style with its focus ring, Qt's own
// texts in the user's language, the decimal separator and the answer to a change of the
// regional settings. Call once, after the QApplication exists.
void PrepararAplicacion(QApplication& aplicacion);

class Programa {
public:
    Programa();
    ~Programa();

    TForm1& Form1() { return *form1_; }
    TForm2& Form2() { return *form2_; }

    // Shows the main window, as the event loop starts.
    void Mostrar();

private:
    void IrAlCertificado(const TraspasoValoracion& valoracion);
    void VolverALaValoracion();

    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
};
