#pragma once
// The results of a step that replaces a window's data (a reset, a preparation), written anew once.

#include <utility>

// Within such a step each result field gets the step's figure once, not emptied first, which a
// screen reader would hear as a change of its own: the step's first writing of results empties
// each field its run does not reach (or gives it its starting text). Every such step ends in a
// run that writes its results, even one that fails.
class VaciarSinResultado {
public:
    // The step, while it lives.
    class Paso {
    public:
        explicit Paso(VaciarSinResultado& vaciado) : vaciado_(vaciado) {
            vaciado_.pendiente_ = true;
        }
        ~Paso() { vaciado_.pendiente_ = false; }
        Paso(const Paso&) = delete;
        Paso& operator=(const Paso&) = delete;

    private:
        VaciarSinResultado& vaciado_;
    };

    // For a writing of results: whether it empties those its run lacks; once in a step.
    bool Tomar() { return std::exchange(pendiente_, false); }

private:
    bool pendiente_ = false;
};
