#pragma once
// The criteria grid as the valuation sheet shows it: the five rating columns, each with its head,
// the colour its buttons share and the names of its controls.

#include <array>

// Rating columns, 1 to 5. A criterion rated in column c counts its class points times c / 3, so
// every row at "NORMAL" (column 3) gives the standard 300 points and every row at one column
// gives that column's mark on the scale: 100 to 500.
struct ColumnaValoracion {
    const char* sufijo;   // radio buttons CP<row><sufijo>
    const char* cabecera; // head control
    const char* linea1;
    const char* linea2;
    unsigned color;     // 0x00BBGGRR, shared by the head, the buttons and the scale mark
    const char* marca;  // scale control
    const char* puntos; // scale text
};

inline constexpr std::array<ColumnaValoracion, 5> kColumnas = {{
    {"MuyMal", "StaticText2", "MUY MAL", "Nada Import", 0x00D0D0FF, "Label11", "100"},
    {"Mal", "StaticText3", "MAL", "Poco Import", 0x00E0D0FF, "Label12", "200"},
    {"Normal", "StaticText7", "NORMAL", "Standard", 0x00E0E0FF, "Label13", "300"},
    {"Bien", "StaticText8", "BIEN", "Importante", 0x00F0E0FF, "Label14", "400"},
    {"MuyBien", "StaticText10", "MUY BIEN", "Muy Import", 0x00F0F0FF, "Label15", "500"},
}};
