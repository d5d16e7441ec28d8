#include "principio.h"

#include "anuncio.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSet>

namespace {

class Principio : public QObject {
public:
    explicit Principio(QWidget* hoja) : QObject(hoja) {
        for (QLineEdit* campo : hoja->findChildren<QLineEdit*>()) {
            campo->installEventFilter(this);
            // A field shows the part of its text around its cursor, and a write leaves the
            // cursor at the end. A list has the focus for its edit part (its focus proxy).
            connect(campo, &QLineEdit::cursorPositionChanged, this, [this, campo](int, int ahora) {
                if (ahora != 0 && !campo->hasFocus())
                    AlPrincipioLuego(campo);
            });
            campo->setCursorPosition(0);
        }
        // A list passes the focus leaving it on to its edit part directly, past any filter.
        for (QComboBox* lista : hoja->findChildren<QComboBox*>()) {
            if (lista->isEditable())
                lista->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        auto* campo = qobject_cast<QLineEdit*>(objeto);
        if (auto* lista = qobject_cast<QComboBox*>(objeto))
            campo = lista->lineEdit();
        if (campo == nullptr)
            return QObject::eventFilter(objeto, evento);
        switch (evento->type()) {
        case QEvent::FocusOut: {
            // A context menu or another window takes the focus for a while: the field stays as
            // it was, its selection too.
            const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
            if (motivo != Qt::PopupFocusReason && motivo != Qt::ActiveWindowFocusReason)
                AlPrincipio(campo);
            break;
        }
        // Text dragged over a field without the focus moves its cursor to where it would drop.
        case QEvent::DragEnter:
        case QEvent::DragMove:
            arrastre_ = campo;
            break;
        case QEvent::DragLeave:
            Soltado(campo);
            break;
        case QEvent::Drop:
            if (soltando_)
                break;
            soltando_ = true;
            QCoreApplication::sendEvent(objeto, evento);
            soltando_ = false;
            Soltado(campo);
            return true;
        default:
            break;
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    // Once the running step is over: text put into a field without the focus in several
    // steps (pasted over a selection, typed through a screen reader's text interface) goes
    // in at its cursor, where each step left it.
    void AlPrincipioLuego(QLineEdit* campo) {
        if (pendientes_.contains(campo))
            return;
        pendientes_.insert(campo);
        QMetaObject::invokeMethod(
            this,
            [this, campo] {
                pendientes_.remove(campo);
                if (!campo->hasFocus() && campo != arrastre_)
                    AlPrincipio(campo);
            },
            Qt::QueuedConnection);
    }

    void Soltado(QLineEdit* campo) {
        arrastre_ = nullptr;
        if (!campo->hasFocus())
            AlPrincipio(campo);
    }

    // The cursor of a field without the focus is nothing a screen reader follows: moved back
    // to the start, it tells none.
    static void AlPrincipio(QLineEdit* campo) {
        const EventosCallados callados([campo](const QAccessibleEvent& evento) {
            return evento.type() == QAccessible::TextCaretMoved && evento.object() == campo;
        });
        campo->setCursorPosition(0);
    }

    QSet<QLineEdit*> pendientes_;
    QLineEdit* arrastre_ = nullptr;
    bool soltando_ = false;
};

} // namespace

void PrincipioALaVista(QWidget* hoja) { new Principio(hoja); }
