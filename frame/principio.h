#pragma once
// Edit fields that show the start of their text while the focus is elsewhere.

class QWidget;

// Every edit field of `hoja`, an editable list's edit part included, shows the start of its
// text when it does not have the focus: once the focus leaves it, and whenever the program
// writes it or moves its cursor, as soon as that step is over (text put in by several steps,
// a paste over a selection, goes in at the cursor). A field left with the end in view shows a
// month as "eptiembre" and a model as "V Style". While a field has the focus it scrolls to its
// cursor, as any edit field does; a context menu or another window taking the focus for a
// while leaves the field as it was, its selection too. Call once, when the sheet is built.
void PrincipioALaVista(QWidget* hoja);
