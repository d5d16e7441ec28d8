// Renders both windows and their whole sheets (not only the part the scroll box shows) to PNG
// files, for the README and for review: capturas <folder>. At a scale factor other than 1
// (QT_SCALE_FACTOR) it renders only the valuation window, named for the factor, to review how
// the window scales.

#include "form1.h"
#include "form2.h"
#include "programa.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>

namespace {

bool Guardar(QWidget& control, const QDir& carpeta, const QString& nombre) {
    const QString ruta = carpeta.filePath(nombre);
    const bool hecho = control.grab().save(ruta);
    QTextStream(stdout) << (hecho ? "wrote " : "could not write ") << ruta << '\n';
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
    return hecho ? 0 : 1;
}
