// Morvex: valuation and quality certificate of used cars.

#include "plataforma.h"
#include "programa.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    // Before the application exists: Qt picks its platform as it starts.
    const QByteArray plataforma =
        PlataformaPreferida(QProcessEnvironment::systemEnvironment(), argumentos);
    if (!plataforma.isEmpty())
        qputenv("QT_QPA_PLATFORM", plataforma);
    QApplication aplicacion(argc, argv);
    PrepararAplicacion(aplicacion);
    Programa programa;
    programa.Mostrar();
    return aplicacion.exec();
}
