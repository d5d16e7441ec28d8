#pragma once
// The criteria grid as the valuation sheet shows it: the five rating columns, each with its head,
// the colour its buttons share and the names of its controls.

#include "criterios.h"

#include <array>

// Each column's scale mark shows PuntosEnColumna: 100 to 500.
struct ColumnaValoracion {
    const char* sufijo;   // radio buttons CP<row><sufijo>
    const char* cabecera; // head control
    const char* linea1;
    const char* linea2;
    unsigned color;    // 0x00BBGGRR, shared by the head, the buttons and the scale mark
    const char* marca; // scale control
};

inline constexpr auto kColumnas = std::to_array<ColumnaValoracion>({
    {"MuyMal", "StaticText2", "MUY MAL", "Nada Import", 0x00D0D0FF, "Label11"},
    {"Mal", "StaticText3", "MAL", "Poco Import", 0x00E0D0FF, "Label12"},
    {"Normal", "StaticText7", "NORMAL", "Standard", 0x00E0E0FF, "Label13"},
    {"Bien", "StaticText8", "BIEN", "Importante", 0x00F0E0FF, "Label14"},
    {"MuyBien", "StaticText10", "MUY BIEN", "Muy Import", 0x00F0F0FF, "Label15"},
});

static_assert(kColumnas.size() == kNumeroColumnas,
              "one column on the sheet for each step of the rating scale");
