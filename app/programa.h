#pragma once
// The program unit: both windows, created in order at start-up, and the ways between them.
// Direction of use: general/ <- frame/ <- valuation/, certificate/ <- app/; this is the top.

#include <memory>
#include <thread>

class QApplication;

class TForm1;
class TForm2;
struct TraspasoValoracion;

// Application-wide settings every window relies on: the style with its focus ring, Qt's own
// texts in the user's language, the decimal separator and the answer to a change of the
// regional settings. Call once, after the QApplication exists.
void PrepararAplicacion(QApplication& aplicacion);

// Reads the machine's font configuration on another core while the application starts: the
// first text a window measures needs it, and reading it is a fifth of the start-up. Start it
// before the QApplication and wait for it before the first window is built, so that it is
// read once, not twice at the same time. Where no thread can be started, Qt reads it itself
// at the first text, as it would anyway.
class FuentesEnParalelo {
public:
    FuentesEnParalelo();
    ~FuentesEnParalelo();
    FuentesEnParalelo(const FuentesEnParalelo&) = delete;
    FuentesEnParalelo& operator=(const FuentesEnParalelo&) = delete;

    // Returns once the configuration is read; again at once.
    void Esperar();

private:
    std::thread hilo_;
};

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
