#include "deshacer.h"

#include "apariencia.h"
#include "avisos.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <utility>

namespace {

constexpr int kAltoBarra = 30;
constexpr int kAnchoBoton = 96;
constexpr int kMargen = 3; // around the button, inside the bar's border

} // namespace

OfertaDeshacer::OfertaDeshacer(QWidget* ventana, CajaDeHoja* caja)
    : QObject(ventana), ventana_(ventana), caja_(caja), vista_(caja->viewport()) {
    auto* barra = new QFrame(caja);
    barra->setObjectName(QStringLiteral("AvisoDeshacer"));
    barra->setFrameShape(QFrame::Box);
    // The system's info-tip colours, as the help pop-up: a note beside the sheet, not part of it.
    const QPalette colores = barra->palette();
    PonerFondo(barra, colores.color(QPalette::ToolTipBase));
    PonerTinta(barra, colores.color(QPalette::ToolTipText));
    barra_ = barra;

    aviso_ = new QLabel(barra);
    aviso_->setObjectName(QStringLiteral("LabelAvisoDeshacer"));
    aviso_->setFont(Fuente("Verdana", 11, true));
    boton_ = new QPushButton(QStringLiteral("Deshacer"), barra);
    boton_->setObjectName(QStringLiteral("BotonDeshacer"));
    boton_->setFont(Fuente("Verdana", 11));
    PonerTinta(boton_, Qt::black);
    // Tab and a click reach it, and the focus goes back where the user had it when the offer is
    // taken (Ocultar). Without the focus on a click, the click would give it to the first
    // control under the pointer that takes it on a click: the scroll box the bar stands in.
    boton_->setFocusPolicy(Qt::StrongFocus);
    connect(boton_, &QPushButton::clicked, this, &OfertaDeshacer::Aceptar);
    barra->hide();
    Colocar();

    vista_->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* ahora) {
        if (ahora == boton_ && antes != nullptr && antes->window() == ventana_)
            focoAnterior_ = antes;
    });
}

void OfertaDeshacer::Ofrecer(const QString& aviso, const QString& descripcion,
                             std::function<void()> volver) {
    if (!Ofrecida())
        qApp->installEventFilter(this);
    volver_ = std::move(volver);
    aviso_->setText(aviso);
    barra_->setAccessibleName(aviso);
    ventana_->setAccessibleDescription(descripcion);
    caja_->ReservarAbajo(kAltoBarra);
    Colocar();
    // A widget shown takes no focus of its own.
    barra_->show();
    barra_->raise();
}

void OfertaDeshacer::Retirar() {
    if (!Ofrecida())
        return;
    volver_ = nullptr;
    Ocultar();
}

void OfertaDeshacer::Aceptar() {
    if (!Ofrecida())
        return;
    const std::function<void()> volver = std::exchange(volver_, nullptr);
    Ocultar();
    Proteger(ventana_, volver);
}

void OfertaDeshacer::Ocultar() {
    qApp->removeEventFilter(this);
    ventana_->setAccessibleDescription(QString());
    // The focus goes back where Tab or the click took it from, not on to the next control of the
    // chain.
    if (barra_->isAncestorOf(QApplication::focusWidget()) && focoAnterior_ != nullptr &&
        focoAnterior_->isVisible())
        focoAnterior_->setFocus(Qt::OtherFocusReason);
    barra_->hide();
    aviso_->clear();
    barra_->setAccessibleName(QString());
    caja_->ReservarAbajo(0);
    Colocar();
}

bool OfertaDeshacer::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == vista_ && evento->type() == QEvent::Resize)
        Colocar();
    else if (evento->type() == QEvent::KeyPress && objeto->isWidgetType() &&
             static_cast<QWidget*>(objeto)->window() == ventana_ &&
             static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Undo)) {
        Aceptar();
        return true;
    }
    return QObject::eventFilter(objeto, evento);
}

void OfertaDeshacer::Colocar() {
    const QRect vista = vista_->geometry();
    barra_->setGeometry(vista.left(), vista.bottom() + 1, vista.width(), kAltoBarra);
    // Placed here rather than by a layout, which would place them only once the bar shows.
    boton_->setGeometry(vista.width() - kMargen - kAnchoBoton, kMargen, kAnchoBoton,
                        kAltoBarra - 2 * kMargen);
    aviso_->setGeometry(8, 0, boton_->x() - 8 - kMargen, kAltoBarra);
}
