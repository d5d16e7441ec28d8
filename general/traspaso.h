#pragma once
// What the valuation hands over when the user asks for the quality certificate: ten texts read
// from the valuation's fields as they stand, unchecked and unnormalised. Neither window owns
// it: the valuation fills it and announces it, the certificate keeps it, app/ carries it.

#include <QString>

// The standard valuation points: every criterion rated "NORMAL". The valuation starts from
// them, and the certificate counts them until the first hand-over.
inline constexpr int kPuntosEstandar = 300;

struct TraspasoValoracion {
    QString FMarca;           // EMarca: the free text beside brand and type
    QString FBastidor;        // EBastidor: chassis number
    QString FMatricula;       // EMatricula: registration plate
    QString FPVPNuevo;        // EPVPNuevo: price of the car new
    QString FPuntosObtenidos; // EPuntosObtenidos: the valuation points
    QString FPVPCambio;       // EPVPCambio: exchange value
    QString FPVPVendedor;     // EPVPVendedor: the seller's price
    QString FPuntuacion;      // EPuntuacion: the score typed on the valuation
    QString FNombreMarca;     // ENombreMarca: brand, the text in the list's edit part
    QString FTipoVehiculo;    // ETipoVehiculo: vehicle type, likewise

    bool operator==(const TraspasoValoracion&) const = default;
};
