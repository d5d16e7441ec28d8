#pragma once
// The subjective criteria of the valuation, in row order, and the five-step rating scale
// they are rated on. Plain data for the calculation: how the sheet shows them is rejilla.h's.

#include "traspaso.h"

#include <array>

struct Criterio {
    const char* linea1; // caption, first line
    const char* linea2; // caption, second line (ends with the weight class)
    int puntosClase;    // points of the weight class, a (57) to h (9)
};

// clang-format off
inline constexpr auto kCriterios = std::to_array<Criterio>({
    {"Imagen percibida sobre la Marca", "y el Modelo de Coche (g)", 15},
    {"Color coche: Moderno/habitual o", "desfasado (h)", 9},
    {"Velocidad depreciacion coche por ", "variar mucho el modelo (f)", 18},
    {"Coche depreciado: Leasing,Rent ", "Car,Renting,muchosCV.. (b)", 45},
    {"Apariencia/Cuidado EXTERNO del ", "coche (f)", 18},
    {"Aspecto INTERNO del conjunto ", "habitaculo (g)", 15},
    {"Años del coche:Prejuicio por tener ", "modelo actual o NO (e)", 27},
    {"Kilometros Cuadro: Posibilidad de ", "Falsedad/Engaño (a)", 57},
    {"Estado mecanica: Prueba ", "motor,cambio,etc. (e)", 27},
    {"Fallos ocultos coche: Escaneado ", "averias electronicas (d)", 33},
    {"Extras: Opciones NO incluidas en ", "Vehiculo Nuevo (c)", 36},
});
// clang-format on

// The caption of criterion row r (1-based) on the sheet is named kTituloCriterio followed by r
// (LabelP1 ...): the help of a criterion is found by that name.
inline constexpr char kTituloCriterio[] = "LabelP";

// The rating scale: columns 1 ("MUY MAL") to 5 ("MUY BIEN"). A criterion rated in column c
// counts its class points times c / 3.
inline constexpr int kNumeroColumnas = 5;
inline constexpr int kColumnaNormal = 3;

// The points of every criterion rated in column `columna`: that column's mark on the scale.
constexpr int PuntosEnColumna(int columna) {
    int puntos = 0;
    for (const Criterio& c : kCriterios)
        puntos += c.puntosClase * columna / kColumnaNormal;
    return puntos;
}

static_assert(
    [] {
        for (const Criterio& c : kCriterios) {
            if (c.puntosClase % kColumnaNormal != 0)
                return false;
        }
        return true;
    }(),
    "each class's points must be a multiple of 3, so that every rating counts whole points");
static_assert(PuntosEnColumna(kColumnaNormal) == kPuntosEstandar,
              "every criterion rated NORMAL must give the standard valuation points");
