#include "teclado.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOption>
#include <QTextCursor>
#include <QTextEdit>
#include <QVariant>
#include <utility>

namespace {

// Whether the painter paints for the screen: a window's backing store, or a grab of it, which
// paint through the raster engine (or OpenGL). Printing starts its painting on a printer, a
// PDF or a recording of a control (a picture), through engines of their own.
bool EnPantalla(const QPainter& pintor) {
    const QPaintEngine* motor = pintor.paintEngine();
    return motor != nullptr &&
           (motor->type() == QPaintEngine::Raster || motor->type() == QPaintEngine::OpenGL2);
}

void Anillo(QPainter* pintor, const QRect& lugar) {
    // The ring is for the screen: paper shows the sheet without it.
    if (!EnPantalla(*pintor))
        return;
    pintor->save();
    pintor->setRenderHint(QPainter::Antialiasing, false);
    pintor->setBrush(Qt::NoBrush);
    pintor->setPen(QPen(ColorBGR(kColorFoco), 1));
    pintor->drawRect(lugar.adjusted(0, 0, -1, -1));
    pintor->drawRect(lugar.adjusted(1, 1, -2, -2));
    pintor->restore();
}

// The scroll box has no frame of its own to show the focus: a ring laid over its edges, shown
// while the box itself has the focus.
class AnilloDeCaja : public QWidget {
public:
    explicit AnilloDeCaja(QScrollArea* caja) : QWidget(caja) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void Seguir(const QWidget* foco) {
        auto* caja = static_cast<QWidget*>(parent());
        setVisible(foco == caja);
        if (isVisible()) {
            setGeometry(caja->rect());
            raise();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        Anillo(&pintor, rect());
    }
};

// A caption that takes the focus (a result written as a line) has no frame to draw it on: the
// ring is drawn over it once it has painted itself.
class AnilloDeLinea : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        auto* linea = static_cast<QWidget*>(objeto);
        if (evento->type() != QEvent::Paint || pintando_ || !linea->hasFocus())
            return QObject::eventFilter(objeto, evento);
        pintando_ = true;
        QCoreApplication::sendEvent(linea, evento);
        pintando_ = false;
        QPainter pintor(linea);
        Anillo(&pintor, linea->rect());
        return true;
    }

private:
    bool pintando_ = false;
};

class EstiloConFoco : public QProxyStyle {
public:
    EstiloConFoco() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                       const QWidget* control) const override {
        // Fusion draws the focus of buttons faintly, and only after a key moved it.
        if (elemento == PE_FrameFocusRect) {
            Anillo(pintor, opcion->rect);
            return;
        }
        QProxyStyle::drawPrimitive(elemento, opcion, pintor, control);
        const bool borde = elemento == PE_FrameLineEdit || elemento == PE_Frame;
        if (borde && (opcion->state & State_HasFocus))
            Anillo(pintor, opcion->rect);
    }

    void drawControl(ControlElement elemento, const QStyleOption* opcion, QPainter* pintor,
                     const QWidget* control) const override {
        // A radio button or check box without a caption shows its focus around the whole
        // button, not across its small indicator.
        const auto* boton = qstyleoption_cast<const QStyleOptionButton*>(opcion);
        const bool sinLeyenda = (elemento == CE_RadioButton || elemento == CE_CheckBox) &&
                                boton != nullptr && boton->text.isEmpty() && boton->icon.isNull();
        if (sinLeyenda && (opcion->state & State_HasFocus)) {
            QStyleOptionButton sinFoco = *boton;
            sinFoco.state &= ~State_HasFocus;
            QProxyStyle::drawControl(elemento, &sinFoco, pintor, control);
            Anillo(pintor, opcion->rect);
            return;
        }
        QProxyStyle::drawControl(elemento, opcion, pintor, control);
        // Inside the bevel, under the caption.
        if (elemento == CE_PushButtonBevel && (opcion->state & State_HasFocus))
            Anillo(pintor, opcion->rect.adjusted(2, 2, -2, -2));
    }

    void drawComplexControl(ComplexControl elemento, const QStyleOptionComplex* opcion,
                            QPainter* pintor, const QWidget* control) const override {
        QProxyStyle::drawComplexControl(elemento, opcion, pintor, control);
        if (elemento == CC_ComboBox && (opcion->state & State_HasFocus))
            Anillo(pintor, opcion->rect);
    }
};

// The wheel over a control it would change, without the focus: the sheet scrolls instead.
class RuedaSoloConFoco : public QObject {
public:
    explicit RuedaSoloConFoco(QScrollArea* caja) : QObject(caja), caja_(caja) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::Wheel || static_cast<QWidget*>(objeto)->hasFocus())
            return QObject::eventFilter(objeto, evento);
        QCoreApplication::sendEvent(caja_->viewport(), evento);
        return true;
    }

private:
    QScrollArea* caja_;
};

// Enter and Return on a push button press it; a key held down presses it once.
class IntroPulsa : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress)
            return QObject::eventFilter(objeto, evento);
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool intro = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
        if (!intro || (tecla->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QObject::eventFilter(objeto, evento);
        if (!tecla->isAutoRepeat())
            static_cast<QPushButton*>(objeto)->click();
        return true;
    }
};

// The whole control, with a little of the sheet around it, in view in `caja`.
void MostrarEnCaja(QScrollArea* caja, const QWidget* control) {
    constexpr int kAlrededor = 6;
    const QRect lugar(control->mapTo(caja->widget(), QPoint(0, 0)), control->size());
    caja->ensureVisible(lugar.center().x(), lugar.center().y(), lugar.width() / 2 + kAlrededor,
                        lugar.height() / 2 + kAlrededor);
}

// The sheet's first or last tab stop: where Tab from the scroll box first stops, or the last
// stop before Tab leaves the sheet.
QWidget* ParadaDeHoja(QScrollArea* caja, bool ultima) {
    const QWidget* hoja = caja->widget();
    QWidget* parada = nullptr;
    for (QWidget* control = caja->nextInFocusChain(); control != caja;
         control = control->nextInFocusChain()) {
        const bool tabula = (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                            control->isEnabled() && control->isVisibleTo(control->window()) &&
                            control->focusProxy() == nullptr;
        if (tabula && hoja->isAncestorOf(control)) {
            parada = control;
            if (!ultima)
                break;
        }
    }
    return parada;
}

// The whole sheet by keyboard, whichever control has the focus: Ctrl+Home and Ctrl+End give
// the focus to its first and its last control and show its top and its end, PageUp and
// PageDown scroll a page up or down; but in a multi-line field all four keys move in the
// field's own text.
class TeclasDeHoja : public QObject {
public:
    explicit TeclasDeHoja(QScrollArea* caja) : QObject(caja), caja_(caja) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress)
            return QObject::eventFilter(objeto, evento);
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const auto modificadores = tecla->modifiers() & ~Qt::KeypadModifier;
        QScrollBar* barra = caja_->verticalScrollBar();
        auto* memoLlano = qobject_cast<QPlainTextEdit*>(objeto);
        auto* memoRico = qobject_cast<QTextEdit*>(objeto);
        const bool memo = memoLlano != nullptr || memoRico != nullptr;
        const bool extremo = tecla->key() == Qt::Key_Home || tecla->key() == Qt::Key_End;
        if (modificadores == Qt::ControlModifier && extremo && memo) {
            // The start or end of the memo's own text, as in any text box; a read-only memo,
            // which ignores the keys, too.
            const auto hasta = tecla->key() == Qt::Key_Home ? QTextCursor::Start : QTextCursor::End;
            if (memoLlano != nullptr)
                memoLlano->moveCursor(hasta);
            else
                memoRico->moveCursor(hasta);
        } else if (modificadores == Qt::ControlModifier && tecla->key() == Qt::Key_Home) {
            barra->triggerAction(QAbstractSlider::SliderToMinimum);
            Enfocar(ParadaDeHoja(caja_, false));
        } else if (modificadores == Qt::ControlModifier && tecla->key() == Qt::Key_End) {
            MostrarElFinal();
            Enfocar(ParadaDeHoja(caja_, true));
        } else if (modificadores == Qt::NoModifier && tecla->key() == Qt::Key_PageUp && !memo) {
            barra->triggerAction(QAbstractSlider::SliderPageStepSub);
        } else if (modificadores == Qt::NoModifier && tecla->key() == Qt::Key_PageDown && !memo) {
            barra->triggerAction(QAbstractSlider::SliderPageStepAdd);
        } else {
            return QObject::eventFilter(objeto, evento);
        }
        return true;
    }

private:
    // The end of what the sheet holds, at the bottom of the view. The sheet is drawn taller
    // than its content: its own end is blank white, all that a short view (a small screen, a
    // large scale factor) would show of it.
    void MostrarElFinal() {
        constexpr int kMargen = 6;
        const int fin = caja_->widget()->childrenRect().bottom() + 1 + kMargen;
        caja_->verticalScrollBar()->setValue(fin - caja_->viewport()->height());
    }

    // Also where the control has the focus already, and so the sheet would not follow it.
    void Enfocar(QWidget* control) {
        if (control == nullptr)
            return;
        control->setFocus(Qt::OtherFocusReason);
        MostrarEnCaja(caja_, control);
    }

    QScrollArea* caja_;
};

// Rating rows as a grid: Up and Down go to the chosen rating of the row above or below, and
// change none; at the first and the last row they stay, as Left and Right stay at a row's
// ends, and Tab leaves the grid. Left and Right are the group's own.
class RejillaDeFilas : public QObject {
public:
    RejillaDeFilas(QList<QWidget*> filas, QObject* padre)
        : QObject(padre), filas_(std::move(filas)) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress)
            return QObject::eventFilter(objeto, evento);
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const int paso = tecla->key() == Qt::Key_Up ? -1 : tecla->key() == Qt::Key_Down ? 1 : 0;
        if (paso == 0 || (tecla->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QObject::eventFilter(objeto, evento);
        const qsizetype fila = filas_.indexOf(static_cast<QWidget*>(objeto)->parentWidget());
        if (fila >= 0 && fila + paso >= 0 && fila + paso < filas_.size()) {
            Elegida(filas_[fila + paso])
                ->setFocus(paso < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        }
        return true; // nor does the sheet scroll a line
    }

private:
    // The row's rating set, or its tab stop while none is.
    static QRadioButton* Elegida(const QWidget* fila) {
        const auto botones = fila->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        for (QRadioButton* boton : botones) {
            if (boton->isChecked())
                return boton;
        }
        for (QRadioButton* boton : botones) {
            if ((boton->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
                return boton;
        }
        return botones.first();
    }

    QList<QWidget*> filas_;
};

// Of a group of radio buttons only the one set is a tab stop; Qt moves the stop to a button of
// the group that takes the focus, and the arrow keys move the choice along the group.
void ParadaEnLaElegida(QRadioButton* elegido) {
    for (QRadioButton* boton :
         elegido->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (boton->autoExclusive())
            boton->setFocusPolicy(boton == elegido ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void UnaParadaPorGrupo(QWidget* ventana) {
    QList<QWidget*> grupos;
    for (QRadioButton* boton : ventana->findChildren<QRadioButton*>()) {
        if (!boton->autoExclusive())
            continue;
        QObject::connect(boton, &QRadioButton::toggled, boton, [boton](bool puesto) {
            if (puesto)
                ParadaEnLaElegida(boton);
        });
        if (!grupos.contains(boton->parentWidget()))
            grupos << boton->parentWidget();
    }
    for (QWidget* grupo : grupos) {
        const auto botones = grupo->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        QRadioButton* elegido = botones.first();
        for (QRadioButton* boton : botones) {
            if (boton->isChecked())
                elegido = boton;
        }
        ParadaEnLaElegida(elegido);
    }
}

} // namespace

QStyle* EstiloDelPrograma() { return new EstiloConFoco; }

void PrepararTeclado(QWidget* ventana, QScrollArea* caja) {
    static constexpr char kPreparada[] = "tecladoPreparado";
    if (ventana->property(kPreparada).toBool())
        return;
    ventana->setProperty(kPreparada, true);
    auto* rueda = new RuedaSoloConFoco(caja);
    for (QWidget* control : ventana->findChildren<QWidget*>()) {
        const bool cambiaConLaRueda = qobject_cast<QComboBox*>(control) != nullptr ||
                                      qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                                      (qobject_cast<QAbstractSlider*>(control) != nullptr &&
                                       qobject_cast<QScrollBar*>(control) == nullptr);
        if (cambiaConLaRueda && control->window() == ventana) {
            if ((control->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
                control->setFocusPolicy(Qt::StrongFocus);
            control->installEventFilter(rueda);
        }
    }

    const auto tabuladorSale = [](const auto& memos) {
        for (auto* memo : memos)
            memo->setTabChangesFocus(true);
    };
    tabuladorSale(ventana->findChildren<QPlainTextEdit*>());
    tabuladorSale(ventana->findChildren<QTextEdit*>());

    auto* intro = new IntroPulsa(ventana);
    for (QPushButton* boton : ventana->findChildren<QPushButton*>())
        boton->installEventFilter(intro);

    UnaParadaPorGrupo(ventana);

    auto* anilloDeLinea = new AnilloDeLinea(ventana);
    for (QLabel* linea : ventana->findChildren<QLabel*>()) {
        if (linea->focusPolicy() & Qt::TabFocus)
            linea->installEventFilter(anilloDeLinea);
    }

    auto* teclasDeHoja = new TeclasDeHoja(caja);
    for (QWidget* control : ventana->findChildren<QWidget*>()) {
        if (control->window() == ventana)
            control->installEventFilter(teclasDeHoja);
    }

    // The whole control, with a little of the sheet around it: Qt's own scrolling on Tab
    // shows only an edit field's text cursor, and nothing scrolls for a click, an arrow key or
    // the program moving the focus. Focus that comes back from another window (a dialog, the
    // print preview) finds the sheet where the user left it.
    auto* anillo = new AnilloDeCaja(caja);
    QObject::connect(qApp, &QApplication::focusChanged, caja,
                     [caja, anillo](QWidget* antes, QWidget* ahora) {
                         anillo->Seguir(ahora);
                         QWidget* hoja = caja->widget();
                         if (ahora == nullptr || hoja == nullptr || !hoja->isAncestorOf(ahora))
                             return;
                         if (antes == nullptr || antes->window() != ahora->window())
                             return;
                         MostrarEnCaja(caja, ahora);
                     });
}

void CalificacionesEnRejilla(QList<QWidget*> filas) {
    if (filas.isEmpty())
        return;
    auto* rejilla = new RejillaDeFilas(filas, filas.first());
    for (const QWidget* fila : filas) {
        for (QRadioButton* boton : fila->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            boton->installEventFilter(rejilla);
    }
}

void EncadenarTabulacion(QWidget* anterior, std::span<QWidget* const> controles) {
    for (QWidget* control : controles) {
        QWidget::setTabOrder(anterior, control);
        anterior = control;
    }
}
