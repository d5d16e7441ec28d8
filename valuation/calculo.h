#pragma once
// The valuation arithmetic on plain values: the input check and the calculation read the texts
// as the user left them and give back the texts to write. No window here.

#include "criterios.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

// The rating column of each criterion, 1 to 5; 0 when none is set.
using ColumnasCriterios = std::array<int, kCriterios.size()>;

struct EntradasValoracion {
    QString pvpNuevo;
    QString kilometros;
    QString anoFabricacion;
    QString mesFabricacion;
    std::array<QString, 5> costes; // paint, upholstery, engine, brakes, electronics
    bool especial1 = false;
    bool especial2 = false;
    ColumnasCriterios columnas{};
};

// The six result texts, in the order they are written. A calculation that fails part-way leaves
// set exactly those that were computed before the failure: they are written all the same.
struct ResultadosValoracion {
    std::optional<QString> puntosObtenidos;
    std::optional<QString> totalCoste;
    std::optional<QString> porcentaje;
    std::optional<QString> pvpValoracion;
    std::optional<QString> pvpCambio;
    std::optional<QString> pvpCompra;
};

// The depreciation of one car, every intermediate quantity kept for inspection.
struct Depreciacion {
    int N = 0;          // mileage divisor, 1600 km per month of age, plus 1
    long double r = 0;  // mileage ratio
    long double k = 0;  // mileage term
    long double p = 0;  // points term
    long double T = 0;  // yearly depreciation rate, percent
    long double V = 0;  // value of use
    long double E = 0;  // trade margin, percent
    long double V2 = 0; // exchange value
};

// Missing inputs, one line each ending in CR LF; empty when all four are there. Throws
// ErrorCalculo when the price new or the odometer reading is not a number.
QString DatosQueFaltan(const EntradasValoracion& entradas, QChar separador);

// Valuation points of the criteria's ratings.
long double PuntosValoracion(const ColumnasCriterios& columnas);

// The arithmetic of one car: price new, odometer, age in months, points and monthly divisor.
Depreciacion Depreciar(long double pvpNuevo, long double kilometros, int edadMeses,
                       long double puntos, long double divisor);

// The whole calculation after a passed input check. Throws ErrorCalculo: a conversion or a
// rounding that fails keeps in `resultados` what was computed before it; a month that is none of
// the twelve, or an impossible year, leaves `resultados` empty.
void ValorarCoche(const EntradasValoracion& entradas, QDate hoy, QChar separador,
                  ResultadosValoracion& resultados);
