#pragma once
// The looks of the program: its colours, fonts, and the background and ink of a control. A data
// table of the sheets (captions, help texts) needs only this, not the window frame.

#include <QColor>
#include <QFont>

class QWidget;

// The program's colours, written 0x00BBGGRR.
inline constexpr unsigned kAmarillo = 0x0000FFFF;
inline constexpr unsigned kRojo = 0x000000FF;
inline constexpr unsigned kAzul = 0x00FF0000;
inline constexpr unsigned kMarino = 0x00800000;
inline constexpr unsigned kBlanco = 0x00FFFFFF;
inline constexpr unsigned kNegro = 0x00000000;
inline constexpr unsigned kCianClaro = 0x00FFFFC0;
inline constexpr unsigned kTintaHoja = 0x00656549;   // the sheets' text
inline constexpr unsigned kTintaTitulo = 0x008C4646; // the title on each sheet
inline constexpr unsigned kTintaPrecio = 0x00654949;
inline constexpr unsigned kHeredado = 0xFFFFFFFFu; // keep the sheet's own colour

// 0x00BBGGRR, the way the program's colours are written, to a QColor.
QColor ColorBGR(unsigned bbggrr);

// A font by family and character height in pixels; a family the machine lacks falls back.
QFont Fuente(const char* familia, int altoPixeles, bool negrita = false);

// Background and text colour of a control, whatever its kind.
void PonerFondo(QWidget* control, QColor fondo);
void PonerTinta(QWidget* control, QColor tinta);

// The looks a table gives a control: colours, character height, weight.
struct Estilo {
    unsigned fondo = kHeredado; // 0x00BBGGRR
    unsigned tinta = kHeredado;
    int px = 0; // character height; 0 keeps the sheet's 11 px
    bool negrita = false;
};

inline constexpr Estilo kNegrita{.negrita = true};

void Aplicar(QWidget* control, const Estilo& estilo);
