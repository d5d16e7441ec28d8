#pragma once
// What the user does to a sheet, told apart from what the program writes there: a window knows
// by it whether anything was typed, ticked or chosen since it was last filled.

#include <functional>

class QWidget;

// Calls `alEscribir` each time the user types, ticks or chooses anything on `hoja`: an edit
// field's text edited (a list's edit part included, pasting and the field's own undo too), a
// list item chosen, a check box or radio button clicked or moved to by the arrow keys, a
// multi-line field's text changed. The program's writes to edit fields, lists and buttons call
// nothing; a multi-line field cannot tell them from the user's, so a window that writes one
// discounts that write itself. Read-only multi-line fields, which only the program writes, are
// not watched. Call once, when the sheet is built; a second call on the same sheet does nothing,
// so nothing the user does counts twice.
void VigilarEscritura(QWidget* hoja, const std::function<void()>& alEscribir);
