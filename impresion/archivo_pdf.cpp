#include "archivo_pdf.h"

#include "impresion.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// The longest name a folder holds on the usual file systems, in bytes, less what the temporary
// file adds to it.
constexpr qsizetype kNombreMaximo = 255 - 7;

QString Nativa(const QString& ruta) { return QDir::toNativeSeparators(ruta); }

} // namespace

QString RutaSugerida(const QString& nombre) {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(carpeta).isDir()) // a home without one
        carpeta = QDir::homePath();
    return QDir(carpeta).filePath(nombre + u".pdf"_s);
}

void EscribirPdf(const QString& ruta, const QPageLayout& pagina, int resolucion,
                 const std::function<void(QPagedPaintDevice&)>& pintar) {
    const QFileInfo destino(ruta);
    const QString nombre = destino.fileName();
    if (nombre.isEmpty() || nombre.toLocal8Bit().size() > kNombreMaximo) {
        throw ErrorImpresion(
            u"El nombre «%1» no vale para un archivo: elija uno más corto"_s.arg(nombre));
    }
    if (!destino.dir().exists()) {
        throw ErrorImpresion(u"La carpeta «%1» no existe: elija otra para guardar el PDF"_s.arg(
            Nativa(destino.absolutePath())));
    }
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) {
        throw ErrorImpresion(u"No se puede escribir el archivo PDF «%1»: compruebe que se puede "
                             u"escribir en la carpeta, o elija otra"_s.arg(Nativa(ruta)));
    }
    {
        QPdfWriter pdf(&archivo);
        pdf.setCreator(u"Morvex"_s);
        pdf.setResolution(resolucion);
        pdf.setPageLayout(pagina);
        pintar(pdf); // on a throw the temporary file goes with `archivo`
    }
    if (!archivo.commit()) {
        throw ErrorImpresion(u"No se pudo terminar de escribir el archivo PDF «%1»: puede que el "
                             u"disco esté lleno. No se ha guardado nada"_s.arg(Nativa(ruta)));
    }
}
