// Morvex: valuation and quality certificate of used cars.

#include "programa.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    PrepararAplicacion(aplicacion);
    Programa programa;
    programa.Mostrar();
    return aplicacion.exec();
}
