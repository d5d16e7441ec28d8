// Build tool: one size of the program's icon as the program takes it at start-up. The output is
// the width and height (32-bit little-endian each), then the pixels as premultiplied ARGB32,
// row after row, in the byte order of the machine that builds and runs it. The program uses
// these as they lie in its file: decoding the PNGs took a twentieth of its start-up.
// usage: icono_crudo ICON.png OUTPUT

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: icono_crudo ICON.png OUTPUT\n", stderr);
        return 2;
    }
    const QImage imagen = QImage(QString::fromLocal8Bit(argv[1]), "png")
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (imagen.isNull()) {
        std::fprintf(stderr, "icono_crudo: %s is not a PNG image\n", argv[1]);
        return 1;
    }
    QByteArray datos(8, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(imagen.width()), datos.data());
    qToLittleEndian<quint32>(static_cast<quint32>(imagen.height()), datos.data() + 4);
    for (int y = 0; y < imagen.height(); ++y)
        datos.append(reinterpret_cast<const char*>(imagen.constScanLine(y)), imagen.width() * 4);
    QFile salida(QString::fromLocal8Bit(argv[2]));
    if (!salida.open(QIODevice::WriteOnly) || salida.write(datos) != datos.size()) {
        std::fprintf(stderr, "icono_crudo: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
