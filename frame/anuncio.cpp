#include "anuncio.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

constexpr char kNombreAnuncio[] = "Anuncio";
constexpr char kFrase[] = "morvexFrase";

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

QWidget* AnuncioDe(QWidget* ventana) {
    return ventana->findChild<QWidget*>(QLatin1String(kNombreAnuncio), Qt::FindDirectChildrenOnly);
}

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
    QWidget* anuncio = AnuncioDe(ventana);
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

QString UltimoAnuncio(const QWidget* control) {
    QWidget* anuncio = AnuncioDe(const_cast<QWidget*>(control)->window());
    return anuncio == nullptr ? QString() : anuncio->property(kFrase).toString();
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
    if (QApplication::activeModalWidget() != nullptr)
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
