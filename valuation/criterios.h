#pragma once
// The subjective criteria of the valuation, in row order, and the five-step rating scale
// they are rated on. Plain data for the calculation: how the sheet shows them is rejilla.h's.

#include "traspaso.h"

#include <array>

struct Criterio {
    const char* linea1; // caption, first line
    const char* linea2; // caption, second line, which the sheet ends with " (<clase>)"
    char clase;         // the weight class, 'a' (heaviest) to 'h': its points and its caption
};

// The points of a weight class: a (57) to h (9); 0 for a letter that is no class.
constexpr int PuntosDeClase(char clase) {
    // clang-format off
    switch (clase) {
    case 'a': return 57;
    case 'b': return 45;
    case 'c': return 36;
    case 'd': return 33;
    case 'e': return 27;
    case 'f': return 18;
    case 'g': return 15;
    case 'h': return 9;
    default: return 0;
    }
    // clang-format on
}

// clang-format off
inline constexpr auto kCriterios = std::to_array<Criterio>({
    {"Imagen percibida sobre la Marca", "y el Modelo de Coche", 'g'},
    {"Color coche: Moderno/habitual o", "desfasado", 'h'},
    {"Velocidad depreciacion coche por ", "variar mucho el modelo", 'f'},
    {"Coche depreciado: Leasing,Rent ", "Car,Renting,muchosCV..", 'b'},
    {"Apariencia/Cuidado EXTERNO del ", "coche", 'f'},
    {"Aspecto INTERNO del conjunto ", "habitaculo", 'g'},
    {"Años del coche:Prejuicio por tener ", "modelo actual o NO", 'e'},
    {"Kilometros Cuadro: Posibilidad de ", "Falsedad/Engaño", 'a'},
    {"Estado mecanica: Prueba ", "motor,cambio,etc.", 'e'},
    {"Fallos ocultos coche: Escaneado ", "averias electronicas", 'd'},
    {"Extras: Opciones NO incluidas en ", "Vehiculo Nuevo", 'c'},
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
        puntos += PuntosDeClase(c.clase) * columna / kColumnaNormal;
    return puntos;
}

static_assert(
    [] {
        for (const Criterio& c : kCriterios) {
            if (PuntosDeClase(c.clase) == 0 || PuntosDeClase(c.clase) % kColumnaNormal != 0)
                return false;
        }
        return true;
    }(),
    "each criterion's class must be a letter a to h, its points a multiple of 3, so that every "
    "rating counts whole points");
static_assert(PuntosEnColumna(kColumnaNormal) == kPuntosEstandar,
              "every criterion rated NORMAL must give the standard valuation points");
