#pragma once
// What the fuzz targets share: reading typed texts and small numbers out of the fuzzer's bytes,
// and stopping hard when a property fails, so that the fuzzer keeps the input.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

class Bytes {
public:
    Bytes(const uint8_t* datos, size_t tamano) : datos_(datos), resto_(tamano) {}

    uint8_t Byte() {
        if (resto_ == 0)
            return 0;
        --resto_;
        return *datos_++;
    }

    // A text up to the next 0x1F byte (or the end), as UTF-8.
    QString Texto() {
        const uint8_t* inicio = datos_;
        while (resto_ > 0 && *datos_ != 0x1F) {
            ++datos_;
            --resto_;
        }
        const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(inicio),
                                                static_cast<qsizetype>(datos_ - inicio));
        Byte(); // the separator itself
        return texto;
    }

    QChar Separador() { return Byte() % 2 ? QLatin1Char(',') : QLatin1Char('.'); }

private:
    const uint8_t* datos_;
    size_t resto_;
};

[[noreturn]] inline void Falla(const char* propiedad, const QString& detalle) {
    std::fprintf(stderr, "property failed: %s: %s\n", propiedad, qPrintable(detalle));
    std::abort();
}

// A number as the program writes it never reads "nan" or "inf".
inline void ComprobarTextoNumero(const QString& texto) {
    if (texto.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
        texto.contains(QLatin1String("inf"), Qt::CaseInsensitive))
        Falla("number text is a number", texto);
}
