// Injected with LD_PRELOAD into a Qt program by the start-up comparison: it ends the process as
// soon as its first window has been exposed and painted, and the X server has drawn it. The
// program under measure knows nothing of it and is not changed.

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <unistd.h>

namespace {

class Vigia : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Expose && !visto_) {
            auto* ventana = qobject_cast<QWindow*>(objeto);
            if (ventana != nullptr && ventana->isExposed()) {
                visto_ = true;
                // Queued: the window paints while this expose is handled, the exit comes after.
                QMetaObject::invokeMethod(
                    this,
                    [] {
                        QGuiApplication::sync(); // a round trip: the server has drawn it all
                        _exit(0);
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    bool visto_ = false;
};

void Vigilar() {
    auto* aplicacion = QCoreApplication::instance();
    aplicacion->installEventFilter(new Vigia(aplicacion));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Vigilar)
