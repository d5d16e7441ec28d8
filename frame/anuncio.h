#pragma once
// What a window says to a screen reader unasked: a sentence announced, and the results that
// changed in one step of the user's, said once.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QAccessibleInterface;
class QLineEdit;
class QObject;
class QWidget;

// The notification's own interface for the screen-reader bridge (a notification named by its
// sentence), or null for any other object; the program's factory (PrepararLector) asks it.
QAccessibleInterface* InterfazDeAnuncio(const QString& clase, QObject* objeto);

// Says `frase` to a screen reader, once, in the window of `control`: the window's notification
// (an accessible object of the notification role, named by the sentence) is shown anew, and
// readers speak a notification as it shows. Nothing for an empty sentence.
void Anunciar(QWidget* control, const QString& frase);

// The last sentence announced in the window of `control` (empty before the first).
QString UltimoAnuncio(const QWidget* control);

// Results as a sentence: a step's runs (one change can start several, nested) change the
// results; once the step is over, those that changed are said in one sentence, in page order,
// "Valor de uso 3823 euros, valor de cambio 3345." Nothing when nothing changed.
class ResultadosHablados {
public:
    struct Resultado {
        QPointer<QLineEdit> campo;
        QString nombre; // as said, lower case: "valor de uso"
        QString unidad; // after the value, or empty: "euros"
    };

    // The results to watch, in page order; the first also stands for its window.
    void Vigilar(std::vector<Resultado> resultados) { resultados_ = std::move(resultados); }

    // At the start of each run: the first of a step remembers the results as they stand and
    // says what changed once the event loop takes over again.
    void Antes();
    // What the step changed is not said (a preparation, a reset).
    void Callar() { pendiente_ = false; }

    // The sentence of the results that differ from `antes`, in table order.
    QString Frase(const QStringList& antes) const;

private:
    QStringList Textos() const;
    void Decir();

    std::vector<Resultado> resultados_;
    QStringList antes_;
    bool pendiente_ = false;
};
