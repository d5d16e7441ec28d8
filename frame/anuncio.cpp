#include "anuncio.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

constexpr char kNombreAnuncio[] = "Anuncio";
constexpr char kNombreAnunciador[] = "Anunciador";
constexpr char kFrase[] = "morvexFrase";           // the notification's: the sentence said
constexpr char kUltimoAnuncio[] = "morvexAnuncio"; // a window's: the last sentence asked for
// How long a sentence waits for a window brought to the front to take the keyboard, and how
// often it looks.
constexpr int kEsperaMaximaMs = 1000;
constexpr int kMiradaMs = 20;

// The notification as a screen reader finds it: its name is the sentence.
class AnuncioAccesible : public QAccessibleWidget {
public:
    explicit AnuncioAccesible(QWidget* anuncio)
        : QAccessibleWidget(anuncio, QAccessible::Notification) {}

    QString text(QAccessible::Text clase) const override {
        if (clase == QAccessible::Name || clase == QAccessible::Value)
            return widget()->property(kFrase).toString();
        return QAccessibleWidget::text(clase);
    }
};

// Shows `frase` on the notification of `ventana`, made the first time.
void Mostrar(QWidget* ventana, const QString& frase) {
    auto* anuncio =
        ventana->findChild<QWidget*>(QLatin1String(kNombreAnuncio), Qt::FindDirectChildrenOnly);
    if (anuncio == nullptr) {
        // Nothing to see or click: an empty corner of the window that takes no focus.
        anuncio = new QWidget(ventana);
        anuncio->setObjectName(QLatin1String(kNombreAnuncio));
        anuncio->setAttribute(Qt::WA_TransparentForMouseEvents);
        anuncio->setFocusPolicy(Qt::NoFocus);
        anuncio->setGeometry(0, 0, 1, 1);
    }
    anuncio->setProperty(kFrase, frase);
    // Readers speak a notification when it shows: hidden and shown again, it is said again.
    anuncio->hide();
    anuncio->show();
}

// The sentences waiting to be said, for the whole program: one step can ask for sentences in
// both windows, and a window coming to the front holds back all of them.
class Anunciador : public QObject {
public:
    explicit Anunciador(QObject* padre) : QObject(padre) {
        setObjectName(QLatin1String(kNombreAnunciador));
        reloj_.setSingleShot(true);
        connect(&reloj_, &QTimer::timeout, this, &Anunciador::Intentar);
    }

    static Anunciador& DelPrograma() {
        auto* anunciador = qApp->findChild<Anunciador*>(QLatin1String(kNombreAnunciador),
                                                        Qt::FindDirectChildrenOnly);
        return anunciador != nullptr ? *anunciador : *new Anunciador(qApp);
    }

    void Encolar(QWidget* ventana, const QString& frase) {
        cola_.append({ventana, frase});
        if (!reloj_.isActive())
            reloj_.start(0);
    }

    void Esperar(QWidget* ventana) {
        esperada_ = ventana;
        espera_.start();
    }

private:
    struct Pendiente {
        QPointer<QWidget> ventana;
        QString frase;
    };

    void Intentar() {
        if (!esperada_.isNull() && esperada_->isVisible() && !esperada_->isActiveWindow() &&
            espera_.elapsed() < kEsperaMaximaMs) {
            reloj_.start(kMiradaMs);
            return;
        }
        esperada_.clear();
        // Each window's sentences in one, in the order asked.
        QList<std::pair<QWidget*, QStringList>> frases;
        for (const Pendiente& p : std::exchange(cola_, {})) {
            if (p.ventana.isNull())
                continue;
            QWidget* donde = p.ventana;
            // Not over a message box, which the reader is saying.
            QWidget* activa = QApplication::activeWindow();
            if (activa != nullptr && activa != donde &&
                qobject_cast<QMessageBox*>(activa) == nullptr)
                donde = activa;
            // A dialog's own: a reader says a notification in a dialog with the dialog's title
            // and captions first, so that the page of a preview would be heard twice; the
            // window it belongs to says it alone.
            if (qobject_cast<QDialog*>(donde) != nullptr && donde->parentWidget() != nullptr)
                donde = donde->parentWidget()->window();
            auto igual = std::find_if(frases.begin(), frases.end(),
                                      [donde](const auto& f) { return f.first == donde; });
            if (igual == frases.end())
                frases.append({donde, {p.frase}});
            else if (!igual->second.contains(p.frase))
                igual->second << p.frase;
        }
        for (const auto& [ventana, dichas] : frases)
            Mostrar(ventana, dichas.join(u' '));
    }

    QList<Pendiente> cola_;
    QPointer<QWidget> esperada_;
    QElapsedTimer espera_;
    QTimer reloj_;
};

} // namespace

QAccessibleInterface* InterfazDeAnuncio(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("QWidget") && objeto->objectName() == QLatin1String(kNombreAnuncio))
        return new AnuncioAccesible(static_cast<QWidget*>(objeto));
    return nullptr;
}

void Anunciar(QWidget* control, const QString& frase) {
    if (control == nullptr || frase.isEmpty())
        return;
    QWidget* ventana = control->window();
    ventana->setProperty(kUltimoAnuncio, frase);
    Anunciador::DelPrograma().Encolar(ventana, frase);
}

void EsperarAlFrente(QWidget* ventana) { Anunciador::DelPrograma().Esperar(ventana->window()); }

QString UltimoAnuncio(const QWidget* control) {
    return control->window()->property(kUltimoAnuncio).toString();
}

EventosCallados::EventosCallados(std::function<bool(const QAccessibleEvent&)> callar)
    : callar_(std::move(callar)), anterior_(QAccessible::installUpdateHandler(&Filtrar)),
      exterior_(activo_) {
    activo_ = this;
}

EventosCallados::~EventosCallados() {
    activo_ = exterior_;
    QAccessible::installUpdateHandler(anterior_);
}

void EventosCallados::Filtrar(QAccessibleEvent* evento) {
    // Each scope in turn, from the innermost; the first whose predecessor is no scope hands
    // the event on to it, or to the screen reader's bridge where there is none.
    for (const EventosCallados* ambito = activo_; ambito != nullptr; ambito = ambito->exterior_) {
        if (ambito->callar_(*evento))
            return;
        if (ambito->anterior_ == &Filtrar)
            continue;
        if (ambito->anterior_ != nullptr) {
            ambito->anterior_(evento);
        } else {
            // The bridge is reached by the handler that stands without one.
            QAccessible::installUpdateHandler(nullptr);
            QAccessible::updateAccessibility(evento);
            QAccessible::installUpdateHandler(&Filtrar);
        }
        return;
    }
}

bool ControlMostradoUOcultado(const QAccessibleEvent& evento, const QWidget* ventana) {
    if (evento.type() != QAccessible::ObjectShow && evento.type() != QAccessible::ObjectHide)
        return false;
    const auto* control = qobject_cast<const QWidget*>(evento.object());
    return control != nullptr && control != ventana && ventana->isAncestorOf(control);
}

QStringList ResultadosHablados::Textos() const {
    QStringList textos;
    for (const Resultado& r : resultados_)
        textos << (r.campo.isNull() ? QString() : r.campo->text());
    return textos;
}

void ResultadosHablados::Antes() {
    if (pendiente_ || resultados_.empty() || resultados_.front().campo.isNull())
        return;
    pendiente_ = true;
    antes_ = Textos();
    QTimer::singleShot(0, resultados_.front().campo.data(), [this] { Decir(); });
}

void ResultadosHablados::Decir() {
    if (!pendiente_)
        return;
    pendiente_ = false;
    // A message box that a failure brought up is what the reader says now.
    if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr)
        return;
    Anunciar(resultados_.front().campo, Frase(antes_));
}

QString ResultadosHablados::Frase(const QStringList& antes) const {
    const QStringList ahora = Textos();
    QStringList partes;
    for (size_t i = 0; i < resultados_.size(); ++i) {
        const auto k = static_cast<qsizetype>(i);
        if (ahora.at(k) == antes.value(k) || ahora.at(k).trimmed().isEmpty())
            continue;
        const Resultado& r = resultados_[i];
        QString parte = r.nombre + u' ' + ahora.at(k).trimmed();
        if (!r.unidad.isEmpty())
            parte += u' ' + r.unidad;
        partes << parte;
    }
    if (partes.isEmpty())
        return {};
    QString frase = partes.join(QStringLiteral(", ")) + u'.';
    frase[0] = frase[0].toUpper();
    return frase;
}
