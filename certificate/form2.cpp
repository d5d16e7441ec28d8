#include "form2.h"

#include <QPushButton>

namespace {

constexpr DisenoMarco kDiseno = {
    .nombre = "Form2",
    .titulo = "SCANNER MORVEX: Certificado de Calidad",
    .altoHoja = 2500,
    .textoAvance = "Valoracion Coches Ocasion",
    .posAvance = {16, 653},
    .posRegresar = {332, 653},
    .regresarPrimero = false,
};

} // namespace

TForm2::TForm2() : TMarco(kDiseno) {
    connect(Button2, &QPushButton::clicked, this, &TForm2::valoracionPedida);
}
