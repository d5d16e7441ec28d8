#pragma once
// The sheets by keyboard, wheel and screen reader: what every window of the program does alike
// (PrepararTeclado), the style that shows the focus, and the helpers a window uses to give its
// controls their tab order and their names for screen readers.

#include "apariencia.h"

#include <QString>
#include <QStringList>
#include <span>

class QRadioButton;
class QScrollArea;
class QStyle;
class QWidget;

// The colour of the focus ring, 0x00BBGGRR: strong on white, yellow, pink, cyan and red.
inline constexpr unsigned kColorFoco = 0x00DC5A00;

// The program's style: Fusion, with a two-pixel ring in kColorFoco around the focused control,
// whatever its kind: edit fields, lists, memos, push buttons, check boxes and the captionless
// radio buttons, around the whole button.
QStyle* EstiloDelPrograma();

// Keyboard and wheel on every control of a window:
//  - a list, combo box or spin box takes the wheel only while it has the focus; otherwise the
//    turn scrolls `caja`, and the wheel never gives it the focus;
//  - read-only fields are no tab stops (a click still focuses them, to select and copy);
//  - Tab and Backtab leave every multi-line field, which never takes a tab character;
//  - Enter and Return press the focused push button, as Space does;
//  - the radio buttons of one parent are one tab stop, the one set (the first while none is);
//    the arrow keys move the choice within them;
//  - `caja` scrolls the focused control into view.
// Call once the window's controls exist.
void PrepararTeclado(QWidget* ventana, QScrollArea* caja);

// Tab order: each control after the one before it, the first after `anterior`.
void EncadenarTabulacion(QWidget* anterior, std::span<QWidget* const> controles);

// A caption as a name: its lines joined, blanks collapsed, a closing ":" or "=" dropped.
QString NombreDeLeyenda(const QString& leyenda);

// The name a screen reader gives a control of a sheet: the text of the caption named
// `leyenda` (NombreDeLeyenda), then ": " and `detalle` when there is one; without a caption,
// `detalle` alone. A caption that names its control alone also labels it (its buddy): on Linux
// a list's name is its text, and screen readers say its caption from that relation.
struct NombreAccesible {
    const char* control;
    const char* leyenda;
    const char* detalle;
};

// Names each control of the table. A control or caption the sheet lacks is a fault of the table:
// it stops the program with the name missing.
void NombrarControles(QWidget* hoja, std::span<const NombreAccesible> nombres);

// The buttons of a rating row named "<row caption>: <column>", in column order.
void NombrarFila(std::span<QRadioButton* const> botones, const QString& leyenda,
                 const QStringList& columnas);
