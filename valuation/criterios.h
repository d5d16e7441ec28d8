#pragma once
// The eleven subjective criteria of the valuation, in row order, and the five rating columns.

#include <array>

struct Criterio {
    const char* nombre; // caption control
    const char* linea1; // caption, first line
    const char* linea2; // caption, second line (ends with the weight class)
    int puntosClase;    // points of the weight class, a (57) to h (9)
};

inline constexpr std::array<Criterio, 11> kCriterios = {{
    {"LabelP1", "Imagen percibida sobre la Marca", "y el Modelo de Coche (g)", 15},
    {"LabelP2", "Color coche: Moderno/habitual o", "desfasado (h)", 9},
    {"LabelP3", "Velocidad depreciacion coche por ", "variar mucho el modelo (f)", 18},
    {"LabelP4", "Coche depreciado: Leasing,Rent ", "Car,Renting,muchosCV.. (b)", 45},
    {"LabelP5", "Apariencia/Cuidado EXTERNO del ", "coche (f)", 18},
    {"LabelP6", "Aspecto INTERNO del conjunto ", "habitaculo (g)", 15},
    {"LabelP7", "Años del coche:Prejuicio por tener ", "modelo actual o NO (e)", 27},
    {"LabelP8", "Kilometros Cuadro: Posibilidad de ", "Falsedad/Engaño (a)", 57},
    {"LabelP9", "Estado mecanica: Prueba ", "motor,cambio,etc. (e)", 27},
    {"LabelP10", "Fallos ocultos coche: Escaneado ", "averias electronicas (d)", 33},
    {"LabelP11", "Extras: Opciones NO incluidas en ", "Vehiculo Nuevo (c)", 36},
}};

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

inline constexpr int kColumnaNormal = 3;

// Every class's points are a multiple of 3, so each rating counts a whole number of points.
static_assert([] {
    for (const Criterio& c : kCriterios) {
        if (c.puntosClase % kColumnaNormal != 0)
            return false;
    }
    return true;
}());
