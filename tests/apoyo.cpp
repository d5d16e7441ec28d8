#include "apoyo.h"

#include "numeros.h"
#include "programa.h"
#include "reloj.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

Avisos::Avisos() {
    reloj_.setInterval(5);
    connect(&reloj_, &QTimer::timeout, this, &Avisos::Revisar);
    reloj_.start();
}

void Avisos::Revisar() {
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        auto* caja = qobject_cast<QMessageBox*>(ventana);
        if (caja == nullptr || !caja->isVisible() || caja->property("visto").toBool())
            continue;
        caja->setProperty("visto", true);
        recogidos_.append({caja->icon(), caja->windowTitle(), caja->text()});
        caja->button(QMessageBox::Ok)->click();
    }
}

QList<Aviso> Avisos::Tomar() {
    QList<Aviso> tomados;
    tomados.swap(recogidos_);
    return tomados;
}

QString Avisos::Resumen() const {
    QStringList textos;
    for (const Aviso& aviso : recogidos_)
        textos << aviso.texto;
    return QStringLiteral("unexpected message boxes: ") + textos.join(QStringLiteral(" | "));
}

QDateTime MomentoDePrueba(int ano, int mes, int dia) {
    return QDateTime(QDate(ano, mes, dia), QTime(12, 0));
}

QString Texto(const QWidget& ventana, const char* nombre) {
    QObject* control = ventana.findChild<QObject*>(QString::fromLatin1(nombre));
    if (auto* edicion = qobject_cast<QLineEdit*>(control))
        return edicion->text();
    if (auto* lista = qobject_cast<QComboBox*>(control))
        return lista->currentText();
    if (auto* etiqueta = qobject_cast<QLabel*>(control))
        return etiqueta->text();
    if (auto* boton = qobject_cast<QAbstractButton*>(control))
        return boton->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        return memo->toPlainText();
    qFatal("no control named %s", nombre);
}

namespace {

// The offscreen platform warns about a window feature it lacks on every top-level window shown;
// that says nothing about the program.
QtMessageHandler manejadorAnterior = nullptr;

void FiltrarMensajes(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.startsWith(QLatin1String("This plugin does not support")))
        return;
    manejadorAnterior(tipo, contexto, texto);
}

} // namespace

void SilenciarPlataforma() { manejadorAnterior = qInstallMessageHandler(FiltrarMensajes); }

std::unique_ptr<QApplication> AplicacionDePrueba(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto aplicacion = std::make_unique<QApplication>(argc, argv);
    PrepararAplicacion(*aplicacion);
    FijarSeparadorDecimal(QLatin1Char(','));
    FijarReloj(MomentoDePrueba(2010, 3));
    return aplicacion;
}
