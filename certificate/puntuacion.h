#pragma once
// The certificate's arithmetic on plain values: the checklist score, the corrected purchase
// price, the score out of 10 with its asterisk bar, the defects found and the date line.

#include "comprobaciones.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

enum class Calificacion { Ninguna, Bien, Regular, Mal };

using Calificaciones = std::array<Calificacion, kElementos.size()>;
// One text a checklist item.
using TextosLista = std::array<QString, kElementos.size()>;

// The caption of checklist item `elemento` (1-based) as the sheet shows it: its number, ".- " and
// its text.
QString TituloElemento(int elemento);

// The checklist score: "Bien" adds the item's weight, "Regular" half of it, "Mal" and an item
// not yet rated nothing; the sum over the checklist's divisor. Every item "Bien" gives about 7.
long double PuntuacionLista(const Calificaciones& calificaciones);

// The purchase price after the checklist: each tenth of a point above 6.7 adds 1 % of the
// exchange value, each tenth below takes 1 % off; whole euros. Throws ErrorCalculo when the
// price has no whole number.
long long PrecioCorregido(long double puntuacionLista, long double precioCambio);

// The four score texts a run writes.
struct Nota {
    QString obtenidos; // before the ITV point
    QString itv;       // "1.0" or "0.0", always with a point
    QString totales;
    QString asteriscos; // "* " once per whole point
};

// The score out of 10: the checklist score less half a point per fault, rounded to hundredths,
// corrected by the valuation points (at most 500; a point every 200 points, one at the
// standard points), plus the ITV point.
// Throws ErrorCalculo when the valuation points are not a number or a score has no whole number.
Nota NotaCertificado(long double puntuacionLista, int averias, const QString& puntosValoracion,
                     bool itv, QChar separador);

// Faults in the fault memory: its lines that are not blank.
int ContarAverias(const QString& memoria);

// The defect of each item: its text, without the number, followed by " (Regular)" or
// " (Mal)"; empty for an item rated "Bien" or not rated.
TextosLista Defectos(const Calificaciones& calificaciones);

// One line: "3.-<defect>; 17.-<defect>; " for the slots that hold a text.
QString LineaDefectos(const TextosLista& defectos);

// What a scoring run reads: the ratings, the texts it converts, the faults and the ITV tick.
struct EntradasCertificado {
    Calificaciones calificaciones{};
    QString pvpVendedor;      // the seller's price below, as it stands
    QString precioCambio;     // the exchange value
    QString averias;          // the fault memory's text
    QString puntosValoracion; // the valuation points handed over
    bool itv = false;
};

// The results of a run, in the order they are written. A run that fails part-way leaves set
// exactly those computed before the failure: they are written all the same.
struct ResultadosCertificado {
    std::optional<QString> pvpVendedor; // normalised
    std::optional<QString> precioCompra;
    std::optional<Nota> nota;
    std::optional<TextosLista> defectos;
    std::optional<QString> lineaDefectos; // the defects in one line, as the memo shows them
};

// One scoring run on plain values: the seller's price normalised, the corrected purchase price,
// the score and the defects, in that order. Throws ErrorCalculo when the exchange value or the
// valuation points are not a number, or a rounding fails; what was computed before stays in
// `resultados`.
void PuntuarCertificado(const EntradasCertificado& entradas, QChar separador,
                        ResultadosCertificado& resultados);

// The date line's caption, which the sheet shows before the first date and a screen reader says
// as the line's name.
inline constexpr char kLeyendaFecha[] = "Fecha del certificado: ";

// "Fecha del certificado: Martes, 12 de Agosto     de 2008     12:51:09".
QString LineaFecha(const QDateTime& momento);
