#pragma once
// The eleven subjective criteria of the valuation, in row order, and the rating column that
// counts as "NORMAL".

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

inline constexpr int kColumnaNormal = 3;

// Every class's points are a multiple of 3, so each rating counts a whole number of points.
static_assert([] {
    for (const Criterio& c : kCriterios) {
        if (c.puntosClase % kColumnaNormal != 0)
            return false;
    }
    return true;
}());
