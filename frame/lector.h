#pragma once
// Screen-reader set-up of both windows: names from captions, lists and windows as readers say them.

#include <QString>
#include <QStringList>
#include <span>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Hands Qt's screen-reader bridge the program's own descriptions of edit fields, memos, lists
// and windows. Every text query of an edit field or a memo (characters, words, sentences,
// lines, paragraphs; at, before and after any offset, the end included; the caret and the
// selection) is answered from the text itself, whole and without looping. Qt on
// Linux gives a list its text as its name, so that "Octubre" would stand for the month list: a
// list here is named by its caption and tells its text as its value, and so does the edit part
// of an editable list. A window of the program is a frame named by its accessible name. Call
// once, after the QApplication exists and before any window is shown.
void PrepararLector();

// A caption as a name: its lines joined, blanks collapsed, a closing ":" or "=" dropped.
QString NombreDeLeyenda(const QString& leyenda);

// The name a screen reader gives a control of a sheet: the text of the caption named
// `leyenda` (NombreDeLeyenda), then ": " and `detalle` when there is one; without a caption,
// `detalle` alone. A caption that names its control alone also labels it (its buddy), for
// readers that follow the relation rather than the name.
struct NombreAccesible {
    const char* control;
    const char* leyenda;
    const char* detalle;
};

// Names each control of the table; a list's edit part gets its list's name. A control or
// caption the sheet lacks is a fault of the table: it stops the program with the name missing.
void NombrarControles(QWidget* hoja, std::span<const NombreAccesible> nombres);

// The buttons of a rating row named "<row caption>: <column>", in column order.
void NombrarFila(std::span<QRadioButton* const> botones, const QString& leyenda,
                 const QStringList& columnas);

// A line that holds a result after its caption (`leyenda`, the start of its text): a tab stop,
// named by the caption, read as a read-only text holding what follows the caption.
void LeerComoResultado(QLabel* linea, const QString& leyenda);

// A field that shows a count as a row of marks ("* * * "): read as the count and its word,
// "1 asterisco", "8 asteriscos", not mark by mark; nothing while it shows none.
void LeerComoCuenta(QLineEdit* campo, QChar marca, const QString& una, const QString& varias);
