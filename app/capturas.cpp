// Renders both windows and their whole sheets (not only the part the scroll box shows) to PNG
// files, for the README and for review, and every printed page of each sheet as pdftoppm
// renders the PDF: capturas <folder>. At a scale factor other than 1 (QT_SCALE_FACTOR) it
// renders only the valuation window, named for the factor, to review how the window scales.
// At either, the month and model boxes holding long texts, and the longest help.

#include "ayudas.h"
#include "form1.h"
#include "form2.h"
#include "impresion.h"
#include "programa.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <string>

namespace {

bool GuardarImagen(const QPixmap& imagen, const QDir& carpeta, const QString& nombre) {
    const QString ruta = carpeta.filePath(nombre);
    const bool hecho = imagen.save(ruta);
    QTextStream(stdout) << (hecho ? "wrote " : "could not write ") << ruta << '\n';
    return hecho;
}

bool Guardar(QWidget& control, const QDir& carpeta, const QString& nombre) {
    return GuardarImagen(control.grab(), carpeta, nombre);
}

// Prints the window to a PDF in `temporal`, as "Imprimir" would, and keeps its pages as PNG
// files in the folder: the first as `nombre`.png, the others as `nombre`-2.png and on.
bool GuardarImpresa(TMarco& ventana, const QTemporaryDir& temporal, const QDir& carpeta,
                    const QString& nombre) {
    const QString pdf = temporal.filePath(nombre + QStringLiteral(".pdf"));
    QPrinter impresora(QPrinter::HighResolution);
    PrepararImpresora(impresora);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(pdf);
    try {
        ventana.Imprimir(impresora);
    } catch (const ErrorImpresion& error) {
        QTextStream(stdout) << error.what() << '\n';
        return false;
    }
    const QString raiz = temporal.filePath(nombre);
    if (QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                       QStringLiteral("80"), pdf, raiz}) != 0)
        return false;
    // pdftoppm numbers the pages with as many digits as the last one needs.
    const QStringList paginas =
        QDir(temporal.path())
            .entryList({nombre + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
    bool hecho = !paginas.isEmpty();
    for (qsizetype i = 0; i < paginas.size(); ++i) {
        const QString destino =
            carpeta.filePath(i == 0 ? nombre + QStringLiteral(".png")
                                    : QStringLiteral("%1-%2.png").arg(nombre).arg(i + 1));
        QFile::remove(destino);
        const bool copiada = QFile::copy(temporal.filePath(paginas[i]), destino);
        QTextStream(stdout) << (copiada ? "wrote " : "could not write ") << destino << '\n';
        hecho = hecho && copiada;
    }
    return hecho;
}

// The month and model boxes holding texts longer than they are, the focus elsewhere, and the
// longest help as the pointer brings it up: `sufijo` ends each file's name.
bool GuardarTextosLargos(TForm1& valoracion, const QDir& carpeta, const QString& sufijo) {
    QWidget* hoja = valoracion.hoja();
    auto* mes = hoja->findChild<QComboBox*>(QStringLiteral("EMesFabricacion"));
    auto* modelo = hoja->findChild<QLineEdit*>(QStringLiteral("EMarca"));
    mes->setCurrentText(QStringLiteral("Septiembre"));
    modelo->setText(QStringLiteral("León 1.6 TDI 105 CV Style"));
    const QRect campos =
        modelo->geometry().united(mes->geometry()).adjusted(-8, -8, 8, 8).intersected(hoja->rect());
    bool hecho = GuardarImagen(hoja->grab(campos), carpeta,
                               QStringLiteral("valoracion-campos%1.png").arg(sufijo));

    const auto larga =
        std::max_element(kAyudas.begin(), kAyudas.end(), [](const Ayuda& a, const Ayuda& b) {
            return std::char_traits<char>::length(a.texto) <
                   std::char_traits<char>::length(b.texto);
        });
    QWidget* control = hoja->findChild<QWidget*>(QString::fromLatin1(larga->nombre));
    QMouseEvent movimiento(QEvent::MouseMove, QPointF(5, 5), control->mapToGlobal(QPointF(5, 5)),
                           Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &movimiento);
    const QWidget* memo = hoja->findChild<QPlainTextEdit*>(QStringLiteral("MemoAyuda"));
    const QRect ayuda = memo->geometry()
                            .united(control->geometry())
                            .adjusted(-8, -8, 8, 8)
                            .intersected(hoja->rect());
    hecho &= GuardarImagen(hoja->grab(ayuda), carpeta,
                           QStringLiteral("valoracion-ayuda-larga%1.png").arg(sufijo));
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
        const QString sufijo = QStringLiteral("-escala%1").arg(escala);
        bool hecho = Guardar(programa.Form1(), carpeta,
                             QStringLiteral("valoracion-ventana%1.png").arg(sufijo));
        hecho &= GuardarTextosLargos(programa.Form1(), carpeta, sufijo);
        return hecho ? 0 : 1;
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
    // A certificate worth printing: more faults read from the control unit than its box shows,
    // two defects, the ITV.
    TForm2& certificado = programa.Form2();
    certificado.findChild<QPlainTextEdit*>(QStringLiteral("MemoAverias"))
        ->setPlainText(QStringLiteral("P0300 Fallo de encendido detectado\n"
                                      "P0420 Eficiencia del catalizador por debajo del umbral\n"
                                      "P0171 Mezcla demasiado pobre, bancada 1\n"
                                      "P0128 Temperatura del refrigerante por debajo de la normal\n"
                                      "P0442 Fuga pequeña en el sistema de evaporación\n"
                                      "U0100 Comunicación perdida con la unidad de motor"));
    for (const char* nombre : {"CV3Regular", "CV47Mal"})
        certificado.findChild<QRadioButton*>(QString::fromLatin1(nombre))->click();
    certificado.findChild<QCheckBox*>(QStringLiteral("CITV"))->click();
    hecho &=
        GuardarImpresa(programa.Form2(), temporal, carpeta, QStringLiteral("certificado-impreso"));
    hecho &= GuardarTextosLargos(programa.Form1(), carpeta, QString());
    return hecho ? 0 : 1;
}
