#include "programa.h"

#include "form1.h"
#include "form2.h"
#include "numeros.h"
#include "teclado.h"

#include <QApplication>
#include <QDirIterator>
#include <QEvent>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace {

// Reads the decimal separator again when the user changes the regional settings.
class VigiaRegional : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::LocaleChange)
            LeerSeparadorDecimal();
        return QObject::eventFilter(objeto, evento);
    }
};

// Shows a window in front of the other; without a window manager only raise() does that.
void AlFrente(QWidget& ventana) {
    ventana.show();
    ventana.raise();
    ventana.activateWindow();
}

} // namespace

void PrepararAplicacion(QApplication& aplicacion) {
    aplicacion.setApplicationName(QStringLiteral("morvex"));
    aplicacion.setStyle(EstiloDelPrograma());
    // Qt's own texts (context menus, standard buttons, the print dialog) in the user's language;
    // the program's own texts are Spanish already.
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traductor);
    aplicacion.setQuitOnLastWindowClosed(false);
    // Every size the build rendered, so the window manager never scales one up. The folder
    // holds the PNGs alone: a "*.png" filter would compile a regular expression, paging in
    // the PCRE2 library and its JIT at start-up. Each is read as a PNG and nothing else:
    // QIcon::addFile lets the image reader ask every image format plugin whether it reads the
    // file, which loads them all (and libjpeg) only to end in Qt's own PNG reader.
    QIcon icono;
    for (QDirIterator png(QStringLiteral(":/iconos"), QDir::Files); png.hasNext();) {
        QImageReader lector(png.next(), "png");
        lector.setAutoDetectImageFormat(false);
        icono.addPixmap(QPixmap::fromImage(lector.read()));
    }
    aplicacion.setWindowIcon(icono);
    // On Wayland the window is matched to its menu entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("es.morvex.morvex"));
    aplicacion.installEventFilter(new VigiaRegional(&aplicacion));
    LeerSeparadorDecimal();
}

// Created in this order: the valuation window first, the main one; then the certificate.
Programa::Programa() : form1_(std::make_unique<TForm1>()), form2_(std::make_unique<TForm2>()) {
    QObject::connect(form1_.get(), &TForm1::cerrado, qApp, &QCoreApplication::quit);
    QObject::connect(form1_.get(), &TForm1::certificadoPedido, form2_.get(),
                     [this](const QStringList& valores) { IrAlCertificado(valores); });
    QObject::connect(form2_.get(), &TForm2::valoracionPedida, form1_.get(),
                     [this] { VolverALaValoracion(); });
}

Programa::~Programa() = default;

void Programa::Mostrar() { form1_->show(); }

void Programa::IrAlCertificado(const QStringList& valores) {
    AlFrente(*form2_);
    form2_->RecibirValoracion(valores);
    Proteger(form2_.get(), [this] { form2_->PrepararCertificado(); });
}

void Programa::VolverALaValoracion() {
    AlFrente(*form1_);
    Proteger(form1_.get(), [this] { form1_->ResetValoracion(); });
}
