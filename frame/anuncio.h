#pragma once
// What a window says to a screen reader unasked: a sentence announced, and the results that
// changed in one step of the user's, said once; and the accessibility events a reader has no
// use for, kept from it, so that it keeps up with the user and drops nothing it should say.

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
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
// The sentence is said once the step that asked for it is over and its own events are out:
// when the event loop takes over again and, where a window is coming to the front
// (EsperarAlFrente), once that window has the keyboard; a reader says a window it comes to,
// cutting short what it was saying, and then the sentence. It is said in the window the user
// is in when that is another of the program's (the window brought to the front); a dialog's
// sentences (a preview's) in the window the dialog belongs to, as a reader says a notification
// in a dialog after the dialog's title and captions, and so twice. Never over a message box.
// Sentences asked for together are said together, in order; the same one twice, once.
void Anunciar(QWidget* control, const QString& frase);

// `ventana` is being brought to the front: what is announced meanwhile waits until it has the
// keyboard, or at most a second.
void EsperarAlFrente(QWidget* ventana);

// The last sentence announced in the window of `control` (empty before the first), said or
// still waiting to be said.
QString UltimoAnuncio(const QWidget* control);

// While it lives, the accessibility events that `callar` picks go to no screen reader (and to
// no handler installed before it); the others go on as before. Scopes nest.
class EventosCallados {
public:
    explicit EventosCallados(std::function<bool(const QAccessibleEvent&)> callar);
    ~EventosCallados();
    EventosCallados(const EventosCallados&) = delete;
    EventosCallados& operator=(const EventosCallados&) = delete;

private:
    static void Filtrar(QAccessibleEvent* evento);

    std::function<bool(const QAccessibleEvent&)> callar_;
    QAccessible::UpdateHandler anterior_;
    EventosCallados* exterior_;
    static inline EventosCallados* activo_ = nullptr;
};

// Whether `evento` tells a control of `ventana` shown or hidden: a window shown or hidden
// whole is told as a window, and its hundreds of controls told one by one would bury what the
// reader says next (its notification among them, which would say its last sentence again).
bool ControlMostradoUOcultado(const QAccessibleEvent& evento, const QWidget* ventana);

// Results as a sentence: a step's runs (one change can start several, nested) change the
// results; once the step is over, those that changed are said in one sentence, in page order,
// "Valor de uso 3823 euros, valor de cambio 3345." Nothing when nothing changed, nor when a
// message box (a failure) is what the reader has in front.
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
