#pragma once
// A memo on paper: its whole text laid out as the memo wraps it, every line, the box as tall as
// they need, and the lines between them where a page may end.

#include <QList>
#include <memory>

class QFrame;
class QTextDocument;
class QWidget;

// A memo (QPlainTextEdit or QTextEdit) as the frame it is.
const QFrame& CercoDeMemo(const QWidget& memo);

// A memo's whole text laid out `ancho` wide, as the memo wraps it.
std::unique_ptr<QTextDocument> DocumentoDeMemo(const QWidget& memo, int ancho);

struct MemoEnPapel {
    int alto;               // the box's height for every line
    QList<int> entreLineas; // from the box's top, the ends of all lines but the last
};

// The memo in a box `ancho` wide, its frame included.
MemoEnPapel MedirMemo(const QWidget& memo, int ancho);
