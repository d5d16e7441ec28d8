#pragma once
// The shared unit of the program: what every calculation needs to read and write numbers as
// the user types them. Qt Core only; nothing here knows about windows.
//  - NormalizarNumero, NombreMes: the two free functions the forms call;
//  - numeros.h: decimal separator, text to number, number to text, rounding;
//  - errores.h: the error a calculation raises when a text or a value does not fit;
//  - reloj.h: today's date and time, through one place a test can set;
//  - traspaso.h: the ten texts the valuation hands over to the certificate.
// Direction of use: general/ <- impresion/ <- frame/ <- valuation/, certificate/ <- app/; this
// is the bottom.

#include <QChar>
#include <QString>

#include "numeros.h"

// Turns whatever was typed into a numeric field into a text the number conversion accepts:
// digits, one leading sign and one decimal separator; blanks, NULs and commas are skipped, and
// with a decimal comma so is a thousands point of the whole part: a point with exactly three
// digits after it and, if it is the first point, one to three digits not beginning with 0 just
// before it ("1.500,75" is 1500,75; "0.500" is 0, "1234.567" is 1234). Any other character ends
// the digits.
// Never empty ("0" at worst); at most three decimals, or at most 16 characters when there is no
// separator.
QString NormalizarNumero(const QString& texto, QChar separador);

// Spanish month name padded with blanks to ten characters; empty text outside 1 to 12.
QString NombreMes(int mes);

// Position 1 to 12 of the month whose name matches the text, ignoring letter case and blanks at
// either end; 0 when it is none of the twelve.
int NumeroMes(const QString& texto);

// The value of a typed number: NormalizarNumero, then the plain decimal conversion.
long double ValorDeTexto(const QString& texto, QChar separador);

// A text of one of the program's tables (captions, names, help texts, list items): the tables
// are written in UTF-8 and every one of their texts is read here, so that an accented caption
// anywhere shows whole.
inline QString DeTabla(const char* texto) { return QString::fromUtf8(texto); }
