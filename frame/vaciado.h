#pragma once
// The results of a step that replaces a window's data (a reset, a preparation), written anew once.

#include <functional>
#include <utility>

// Within such a step each result field gets the step's figure once, not emptied first, which a
// screen reader would hear as a change of its own: the step's first writing of results empties
// each field its run does not reach (or gives it its starting text), and should no run write
// results, they are emptied as the step ends.
class VaciarSinResultado {
public:
    // The step, while it lives. `vaciar` empties the results, at the step's end where no run
    // wrote any: insurance, for each step ends in a run that writes them even when it fails.
    // It runs from the destructor, so it must not throw.
    class Paso {
    public:
        Paso(VaciarSinResultado& vaciado, std::function<void()> vaciar)
            : vaciado_(vaciado), vaciar_(std::move(vaciar)) {
            vaciado_.pendiente_ = true;
        }
        ~Paso() {
            if (vaciado_.pendiente_)
                vaciar_();
            vaciado_.pendiente_ = false;
        }
        Paso(const Paso&) = delete;
        Paso& operator=(const Paso&) = delete;

    private:
        VaciarSinResultado& vaciado_;
        std::function<void()> vaciar_;
    };

    // For a writing of results: whether it empties those its run lacks; once in a step.
    bool Tomar() { return std::exchange(pendiente_, false); }

private:
    bool pendiente_ = false;
};
