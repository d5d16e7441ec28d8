#pragma once
// The tab order of a sheet, read from the page: no list typed by hand, so a section moved on the
// page moves in the tab order with it.

#include <QList>

class QWidget;

// The controls of `hoja` that take the focus in any way, in the order the page reads. A line of
// the page is a run of controls whose heights overlap, one after another; a line is read left to
// right (top to bottom where two stand one above the other), the lines top to bottom. The radio
// buttons of a panel stand in the panel's place, read left to right among themselves. Hidden
// controls come last, in the order they were made.
QList<QWidget*> OrdenDeLaPagina(QWidget* hoja);
