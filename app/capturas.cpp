// Renders both windows and their whole sheets (not only the part the scroll box shows) to PNG
// files, for the README and for review, and the first printed page of each sheet as pdftoppm
// renders the PDF: capturas <folder>. At a scale factor other than 1 (QT_SCALE_FACTOR) it
// renders only the valuation window, named for the factor, to review how the window scales.

#include "form1.h"
#include "form2.h"
#include "impresion.h"
#include "programa.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool Guardar(QWidget& control, const QDir& carpeta, const QString& nombre) {
    const QString ruta = carpeta.filePath(nombre);
    const bool hecho = control.grab().save(ruta);
    QTextStream(stdout) << (hecho ? "wrote " : "could not write ") << ruta << '\n';
    return hecho;
}

// Prints the window to a PDF in `temporal`, as "Imprimir" would, and keeps its first page as a
// PNG `nombre` in the folder.
bool GuardarImpresa(TMarco& ventana, const QTemporaryDir& temporal, const QDir& carpeta,
                    const QString& nombre) {
    const QString pdf = temporal.filePath(nombre + QStringLiteral(".pdf"));
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(pdf);
    bool hecho = true;
    try {
        ventana.Imprimir(impresora);
    } catch (const ErrorImpresion& error) {
        QTextStream(stdout) << error.what() << '\n';
        hecho = false;
    }
    const QString png = carpeta.filePath(nombre);
    hecho = hecho &&
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                               QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                               QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, png}) == 0;
    QTextStream(stdout) << (hecho ? "wrote " : "could not write ") << png << ".png\n";
    return hecho;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    PrepararAplicacion(aplicacion);
    const QDir carpeta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    if (!carpeta.exists() && !QDir().mkpath(carpeta.path()))
        return 1;

    Programa programa;
    programa.Mostrar();
    QApplication::processEvents();

    const qreal escala = programa.Form1().devicePixelRatioF();
    if (escala != 1) {
        const QString nombre = QStringLiteral("valoracion-ventana-escala%1.png").arg(escala);
        return Guardar(programa.Form1(), carpeta, nombre) ? 0 : 1;
    }

    bool hecho = true;
    hecho &= Guardar(programa.Form1(), carpeta, QStringLiteral("valoracion-ventana.png"));
    hecho &= Guardar(*programa.Form1().hoja(), carpeta, QStringLiteral("valoracion-hoja.png"));
    // The first printed page of each sheet, through a PDF that is not kept.
    const QTemporaryDir temporal;
    hecho &= temporal.isValid();
    hecho &=
        GuardarImpresa(programa.Form1(), temporal, carpeta, QStringLiteral("valoracion-impresa"));

    // A help pop-up, as the pointer over the third criterion brings it up.
    QWidget* criterio = programa.Form1().findChild<QWidget*>(QStringLiteral("LabelP3"));
    QMouseEvent movimiento(QEvent::MouseMove, QPointF(20, 10),
                           criterio->mapToGlobal(QPointF(20, 10)), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(criterio, &movimiento);
    hecho &= Guardar(programa.Form1(), carpeta, QStringLiteral("valoracion-ayuda.png"));

    // "Certificado de Calidad": the certificate prepared from the worked example.
    programa.Form1().findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    QApplication::processEvents();

    hecho &= Guardar(programa.Form2(), carpeta, QStringLiteral("certificado-ventana.png"));
    hecho &= Guardar(*programa.Form2().hoja(), carpeta, QStringLiteral("certificado-hoja.png"));
    hecho &=
        GuardarImpresa(programa.Form2(), temporal, carpeta, QStringLiteral("certificado-impreso"));
    return hecho ? 0 : 1;
}
