#pragma once
// The program unit: both windows, created in order at start-up, and the ways between them.
// Direction of use: general/ <- impresion/ <- frame/ <- valuation/, certificate/ <- app/; this
// is the top.

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

    // Whether closing the valuation window may end the program: at once where nothing was
    // typed, ticked or chosen in either window since its last reset or preparation; otherwise
    // as the user answers "¿Cerrar el programa? …" ("Cerrar" or "Cancelar").
    bool PuedeCerrar();

private:
    void IrAlCertificado(const TraspasoValoracion& valoracion);
    // The return: the valuation in front, reset; Ctrl+Z there undoes it (VolverAlCertificado).
    void VolverALaValoracion();
    // The return undone: the certificate in front as it was left, not prepared again.
    void VolverAlCertificado();

    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
};
