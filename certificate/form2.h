#pragma once
// The quality certificate window: one white sheet 2500 pixels high. It receives the valuation's
// values and says when the user wants to go back to the valuation.

#include "marco.h"

class TForm2 : public TMarco {
    Q_OBJECT
public:
    TForm2();

signals:
    // "Valoracion Coches Ocasion": back to the valuation, which starts again.
    void valoracionPedida();
};
