#include "programa.h"

#include "anuncio.h"
#include "form1.h"
#include "form2.h"
#include "lector.h"
#include "numeros.h"
#include "teclado.h"

#include <QApplication>
#include <QDataStream>
#include <QDirIterator>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QResource>
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

// Asks `programa` before the valuation window closes, and so before the program ends; a close
// refused is ignored, and both windows stay as they were.
class PreguntaAlCerrar : public QObject {
public:
    PreguntaAlCerrar(QWidget* ventana, Programa* programa) : QObject(ventana), programa_(programa) {
        ventana->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Close && !programa_->PuedeCerrar()) {
            evento->ignore();
            return true;
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    Programa* programa_;
};

// Shows a window in front of the other and gives it the keyboard: without a window manager only
// raise() does that; on Wayland only the activation request does, as far as the compositor
// grants it. What is announced meanwhile waits until the reader has said the window.
void AlFrente(QWidget& ventana) {
    EsperarAlFrente(&ventana);
    ventana.show();
    ventana.raise();
    ventana.activateWindow();
}

// Every size the build rendered, so the window manager never scales one up; on X11 each is
// handed over when the window is made, so there is nothing to gain by reading them later. Each
// is stored as plain, uncompressed pixels (app/icono_crudo.cpp) and the pixmaps use them where
// they lie in the program's file: no copy on the heap for the program's whole life, no
// decompression, and neither the PNG decoder nor the image format plugins are loaded.
QIcon IconoDelPrograma() {
    QIcon icono;
    for (QDirIterator archivo(QStringLiteral(":/iconos"), QDir::Files); archivo.hasNext();) {
        const QString nombre = archivo.next();
        const QResource recurso(nombre);
        const bool talCual = recurso.compressionAlgorithm() == QResource::NoCompression;
        const QByteArray datos =
            talCual ? QByteArray::fromRawData(reinterpret_cast<const char*>(recurso.data()),
                                              recurso.size())
                    : recurso.uncompressedData();
        constexpr qsizetype kCabecera = 8; // width and height, 32 bits each, little-endian
        QDataStream cabecera(datos);
        cabecera.setByteOrder(QDataStream::LittleEndian);
        qint32 ancho = 0;
        qint32 alto = 0;
        cabecera >> ancho >> alto;
        QImage imagen;
        // The stored size must account for every byte: that bounds the width and height too.
        if (cabecera.status() == QDataStream::Ok && ancho > 0 && alto > 0 &&
            datos.size() == kCabecera + qsizetype{ancho} * alto * 4) {
            const auto* pixeles = reinterpret_cast<const uchar*>(datos.constData() + kCabecera);
            const bool alineados = reinterpret_cast<quintptr>(pixeles) % alignof(quint32) == 0;
            // Read-only pixels that outlive the program's windows: the pixmap shares them.
            imagen = QImage(pixeles, ancho, alto, ancho * 4, QImage::Format_ARGB32_Premultiplied);
            if (!talCual || !alineados)
                imagen = imagen.copy(); // a decompressed copy goes with `datos`
        }
        // The build wrote the resource; a size that does not match is a fault of the build.
        if (imagen.isNull())
            qFatal("damaged icon resource %s", qUtf8Printable(nombre));
        icono.addPixmap(QPixmap::fromImage(std::move(imagen)));
    }
    return icono;
}

} // namespace

void PrepararAplicacion(QApplication& aplicacion) {
    aplicacion.setApplicationName(QStringLiteral("morvex"));
    aplicacion.setStyle(EstiloDelPrograma());
    PrepararLector();
    // Qt's own texts (context menus, standard buttons, the print dialog) in the user's language;
    // the program's own texts are Spanish already.
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traductor);
    aplicacion.setQuitOnLastWindowClosed(false);
    aplicacion.setWindowIcon(IconoDelPrograma());
    // On Wayland the window is matched to its menu entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("es.morvex.morvex"));
    aplicacion.installEventFilter(new VigiaRegional(&aplicacion));
    LeerSeparadorDecimal();
}

// Created in this order: the valuation window first, the main one; then the certificate.
Programa::Programa() : form1_(std::make_unique<TForm1>()), form2_(std::make_unique<TForm2>()) {
    // Each new control asks to be polished at the first pass of the event loop. The valuation
    // window polishes all of its own when it is shown, the certificate when it is first shown
    // or printed: until then the requests would only polish controls nobody sees. The removal
    // takes every pending request of the application, which at this point holds these two
    // windows alone.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    QObject::connect(form1_.get(), &TForm1::cerrado, qApp, &QCoreApplication::quit);
    new PreguntaAlCerrar(form1_.get(), this);
    QObject::connect(form1_.get(), &TForm1::certificadoPedido, form2_.get(),
                     [this](const TraspasoValoracion& valoracion) { IrAlCertificado(valoracion); });
    QObject::connect(form2_.get(), &TForm2::valoracionPedida, form1_.get(),
                     [this] { VolverALaValoracion(); });
    QObject::connect(form1_.get(), &TForm1::resetDeshecho, form2_.get(),
                     [this] { VolverAlCertificado(); });
}

Programa::~Programa() = default;

void Programa::Mostrar() { form1_->show(); }

void Programa::IrAlCertificado(const TraspasoValoracion& valoracion) {
    AlFrente(*form2_);
    form2_->RecibirValoracion(valoracion);
    Proteger(form2_.get(), [this] { form2_->PrepararCertificado(); });
}

void Programa::VolverALaValoracion() {
    EstadoValoracion anterior = form1_->TomarEstado();
    AlFrente(*form1_);
    Proteger(form1_.get(), [this] { form1_->ResetValoracion(); });
    form1_->OfrecerDeshacer(std::move(anterior));
}

// The certificate was left open behind, untouched: shown again, it gives the keyboard to the
// control that last had it.
void Programa::VolverAlCertificado() { AlFrente(*form2_); }

bool Programa::PuedeCerrar() {
    if (!form1_->DatosEscritos() && !form2_->DatosEscritos())
        return true;
    int respuesta = 1;
    Proteger(form1_.get(), [this, &respuesta] {
        respuesta = Preguntar(
            form1_.get(), QStringLiteral("¿Cerrar el programa? Se perderán los datos escritos."),
            {QStringLiteral("Cerrar"), QStringLiteral("Cancelar")}, 1);
    });
    return respuesta == 0;
}
