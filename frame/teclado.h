#pragma once
// Keyboard set-up of both windows: tab order, the keys and wheel of a sheet, the focus ring.

#include "apariencia.h"

#include <QList>

#include <span>

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
//  - read-only fields are tab stops like any other, so that results are reached and read; a
//    caption made a tab stop shows the focus ring around it;
//  - Tab and Backtab leave every multi-line field, which never takes a tab character;
//  - Enter and Return press the focused push button, as Space does;
//  - the radio buttons of one parent are one tab stop, the one set (the first while none is);
//    the arrow keys move the choice within them;
//  - `caja` scrolls the focused control into view;
//  - Ctrl+Home and Ctrl+End, from any control, give the focus to the sheet's first and last
//    tab stop and show the sheet's top and the end of its content; PageUp and PageDown scroll
//    it by a page. In a multi-line field all four keys stay in its own text: Ctrl+Home and
//    Ctrl+End move its cursor to the text's start and end, as in any text box, and the page
//    keys page it.
// Call once the window's controls exist; a second call on the same window does nothing, so no
// key is filtered twice.
void PrepararTeclado(QWidget* ventana, QScrollArea* caja);

// Rating rows as a grid: `filas` are the panels that each hold one row's radio buttons, top to
// bottom. Up and Down go to the chosen rating of the row above or below and change no rating;
// on the first and the last row they do nothing, as Left and Right at a row's ends. Left and
// Right change the rating in the row, as in any group of radio buttons.
void CalificacionesEnRejilla(QList<QWidget*> filas);

// Tab order: each control after the one before it, the first after `anterior`.
void EncadenarTabulacion(QWidget* anterior, std::span<QWidget* const> controles);
