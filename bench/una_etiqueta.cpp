// The yardstick of the start-up comparison: a Qt window of the program's size and place showing
// one line of text, and nothing else.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    QLabel etiqueta(QStringLiteral("SCANNER MORVEX: Valoracion Coches Ocasion"));
    etiqueta.move(268, 1);
    etiqueta.resize(656, 739);
    etiqueta.show();
    return aplicacion.exec();
}
