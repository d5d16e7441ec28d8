#include "ayuda_emergente.h"

#include "anuncio.h"
#include "general.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QtMath>
#include <algorithm>

namespace {

// The height at which a memo shows all of its text without scrolling: its lines at its width,
// the document's margins above and below, and the memo's frame.
int AltoDelTextoEntero(const QPlainTextEdit& memo) {
    const QTextDocument* documento = memo.document();
    const QAbstractTextDocumentLayout* disposicion = documento->documentLayout();
    qreal lineas = 0;
    for (QTextBlock bloque = documento->begin(); bloque.isValid(); bloque = bloque.next())
        lineas += disposicion->blockBoundingRect(bloque).height();
    // The last block's height holds the margin below; the view takes one pixel more than the
    // text before it counts it whole.
    const int vista = qCeil(lineas + documento->documentMargin()) + 1;
    return vista + memo.height() - memo.viewport()->height();
}

} // namespace

AyudaEmergente::AyudaEmergente(QScrollArea* caja, QPlainTextEdit* memo,
                               const std::array<Controles, kAyudas.size()>& controles)
    : caja_(caja), memo_(memo), controles_(controles) {
    for (size_t i = 0; i < kAyudas.size(); ++i) {
        const QString descripcion = DeTabla(kAyudas[i].titulo) + u'\n' + DeTabla(kAyudas[i].texto);
        controles_[i].raton->setMouseTracking(true);
        controles_[i].raton->installEventFilter(this);
        controles_[i].raton->setAccessibleDescription(descripcion);
        for (QWidget* control : controles_[i].teclado)
            control->setAccessibleDescription(descripcion);
    }
    Hoja()->setMouseTracking(true);
    Hoja()->installEventFilter(this);
    // F1 and Escape from whichever control of the sheet has the focus.
    for (QWidget* control : Hoja()->findChildren<QWidget*>())
        control->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* ahora) { AlCambiarFoco(ahora); });
}

QWidget* AyudaEmergente::Hoja() const { return caja_->widget(); }

bool AyudaEmergente::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress)
        return FiltrarTecla(objeto, evento);
    return FiltrarRaton(objeto, evento);
}

bool AyudaEmergente::FiltrarRaton(QObject* objeto, QEvent* evento) {
    QWidget* hoja = Hoja();
    if (objeto == hoja && evento->type() == QEvent::MouseButtonPress) {
        // A press that a child control left unhandled reaches the sheet too: the deepest
        // control under the pointer is where it began.
        const auto* raton = static_cast<QMouseEvent*>(evento);
        if (raton->buttons() == raton->button()) {
            QWidget* debajo = hoja->childAt(raton->position().toPoint());
            pulsadoEn_ = debajo != nullptr ? debajo : hoja;
        }
    } else if (objeto == hoja && evento->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(evento)->buttons() == Qt::NoButton)
            pulsadoEn_ = nullptr;
    }
    if (evento->type() != QEvent::MouseMove)
        return false;
    if (objeto == hoja) {
        // A move that a child control left unhandled reaches the sheet too. While a button is
        // held the moves belong to the control where the press began, wherever the pointer
        // goes; otherwise only a move over the bare sheet counts.
        const auto* raton = static_cast<QMouseEvent*>(evento);
        const bool deLaHojaDesnuda = raton->buttons() != Qt::NoButton
                                         ? pulsadoEn_ == hoja
                                         : hoja->childAt(raton->position().toPoint()) == nullptr;
        if (deLaHojaDesnuda)
            Panel1MouseMove();
        return false;
    }
    for (size_t i = 0; i < controles_.size(); ++i) {
        if (objeto == controles_[i].raton) {
            AyudaMouseMove(i);
            return true; // handled here; it must not go on to the sheet
        }
    }
    return false;
}

bool AyudaEmergente::FiltrarTecla(QObject* objeto, QEvent* evento) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if ((tecla->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (tecla->key() == Qt::Key_Escape && memo_->isVisible()) {
        Panel1MouseMove();
        return true;
    }
    if (tecla->key() != Qt::Key_F1)
        return false;
    for (size_t i = 0; i < controles_.size(); ++i) {
        const QList<QWidget*>& teclado = controles_[i].teclado;
        if (!teclado.contains(objeto))
            continue;
        AyudaMouseMove(i);
        porTeclado_ = i;
        // The focus stays where it was, so a reader says the help only when told.
        Anunciar(memo_, DeTabla(kAyudas[i].titulo).simplified() + QStringLiteral(". ") +
                            DeTabla(kAyudas[i].texto).simplified());
        // The control and its help in view together; where a short view (a small screen, a
        // large scale factor) cannot hold both, the help from its title down.
        auto* control = static_cast<QWidget*>(objeto);
        constexpr int kAlrededor = 6;
        const QRect lugar = QRect(control->mapTo(Hoja(), QPoint(0, 0)), control->size())
                                .united(memo_->geometry())
                                .intersected(Hoja()->rect());
        if (lugar.height() + 2 * kAlrededor <= caja_->viewport()->height()) {
            caja_->ensureVisible(lugar.center().x(), lugar.center().y(),
                                 lugar.width() / 2 + kAlrededor, lugar.height() / 2 + kAlrededor);
        } else {
            caja_->ensureVisible(memo_->x(), memo_->y(), kAlrededor, kAlrededor);
            caja_->verticalScrollBar()->setValue(memo_->y() - kAlrededor);
        }
        return true;
    }
    return false;
}

void AyudaEmergente::AlCambiarFoco(QWidget* ahora) {
    if (porTeclado_ >= controles_.size())
        return;
    // Focus that leaves for another window (a message box) comes back to the help as it was.
    if (ahora == nullptr || ahora->window() != Hoja()->window())
        return;
    if (!controles_[porTeclado_].teclado.contains(ahora)) {
        porTeclado_ = controles_.size();
        if (memo_->isVisible())
            Panel1MouseMove();
    }
}

void AyudaEmergente::AyudaMouseMove(size_t indice) {
    const Ayuda& ayuda = kAyudas[indice];
    QWidget* control = controles_[indice].raton;
    porTeclado_ = controles_.size();
    memo_->clear();
    ResetColoresAyuda(DeTabla(ayuda.nombre));
    PonerFondo(control, ColorBGR(kFondoResaltado));
    PonerTinta(control, ColorBGR(kTintaResaltado));
    memo_->setGeometry(control->x() + ayuda.derecha, control->y() + ayuda.abajo, kAnchoAyuda,
                       kAltoAyuda);
    // Set at once, its view at the top: text appended to a view at its end keeps it there,
    // the title scrolled out.
    memo_->setPlainText(DeTabla(ayuda.titulo) + QStringLiteral("\n\n") + DeTabla(ayuda.texto));
    memo_->raise();
    memo_->show(); // its text laid out at its width from here on
    // Grown downward to hold the whole text; moved up only as far as the sheet's foot asks.
    const int alto = std::max(kAltoAyuda, AltoDelTextoEntero(*memo_));
    memo_->setGeometry(memo_->x(), std::min(memo_->y(), Hoja()->height() - alto), kAnchoAyuda,
                       alto);
    memo_->verticalScrollBar()->setValue(0);
}

void AyudaEmergente::ResetColoresAyuda(const QString& nombre) {
    for (size_t i = 0; i < kAyudas.size(); ++i) {
        if (nombre != DeTabla(kAyudas[i].nombre))
            PonerFondo(controles_[i].raton, ColorBGR(kAyudas[i].fondoNormal));
    }
    for (size_t i = 0; i < kAyudas.size(); ++i) {
        if (nombre != DeTabla(kAyudas[i].nombre))
            PonerTinta(controles_[i].raton, ColorBGR(kTintaHoja));
    }
}

void AyudaEmergente::Panel1MouseMove() {
    porTeclado_ = controles_.size();
    memo_->hide();
    ResetColoresAyuda(QString());
}
