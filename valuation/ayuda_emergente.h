#pragma once
// The valuation sheet's help pop-up: MemoAyuda by pointer, by F1, and as screen-reader text.

#include "ayudas.h"

#include <QList>
#include <QObject>
#include <array>

class QPlainTextEdit;
class QScrollArea;
class QWidget;

// The pointer brings a help up by moving over its control and hides it over the bare sheet.
// The keyboard reaches each help by other controls (a criterion by its rating row, a value's
// caption by its value field): F1 on one of them brings the help up as the pointer does,
// scrolled into view; Escape, or the focus leaving them, hides it as the bare sheet does. A
// screen reader says each help with those controls: it is their accessible description.
class AyudaEmergente : public QObject {
public:
    // The controls of the help kAyudas[i]: the one that shows it to the pointer, and those the
    // keyboard reaches for it.
    struct Controles {
        QWidget* raton;
        QList<QWidget*> teclado;
    };

    // Watches the sheet's controls; it must go before they do (its owner deletes it first).
    AyudaEmergente(QScrollArea* caja, QPlainTextEdit* memo,
                   const std::array<Controles, kAyudas.size()>& controles);

    // Normal colours back on every help-bearing control but the one named (all of them for an
    // empty or unknown name).
    void ResetColoresAyuda(const QString& nombre);
    // Help number `indice` shown: its control highlighted, the memo filled, placed and shown.
    void AyudaMouseMove(size_t indice);
    // The pointer over the bare sheet: the memo hidden, normal colours everywhere.
    void Panel1MouseMove();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool FiltrarRaton(QObject* objeto, QEvent* evento);
    bool FiltrarTecla(QObject* objeto, QEvent* evento);
    void AlCambiarFoco(QWidget* ahora);
    QWidget* Hoja() const;

    QScrollArea* caja_;
    QPlainTextEdit* memo_;
    std::array<Controles, kAyudas.size()> controles_;
    // The help F1 brought up, while it shows; none (kAyudas.size()) when the pointer did.
    size_t porTeclado_ = kAyudas.size();
    // While a mouse button is held: the sheet or the control of the sheet where it was pressed.
    QWidget* pulsadoEn_ = nullptr;
};
