#pragma once
// Numbers as text: the decimal separator of the user's regional settings, the plain decimal
// conversion, the number text every result is written with, and rounding to a whole number.
// All arithmetic is long double: the 80-bit extended type, 64-bit significand.

#include <QChar>
#include <QString>

// The decimal separator shared by every conversion. LeerSeparadorDecimal takes it from the
// system's regional settings ("." when they give none); the program calls it at start-up and
// whenever the settings change. FijarSeparadorDecimal sets it outright (tests).
QChar SeparadorDecimal();
void LeerSeparadorDecimal();
void FijarSeparadorDecimal(QChar separador);

// Plain decimal conversion: an optional sign, digits, optionally the separator and digits,
// optionally E or e with an optional sign and digits; nothing else. A separator alone is 0.
// Throws ErrorConversion for any other text and for a value beyond the extended range.
long double ConvertirTexto(const QString& texto, QChar separador);

// Number text: rounded to 15 significant digits, plain notation, no trailing zeros, no separator
// without decimals, "-" before a negative value. Values of 10^15 and above, and nonzero values
// below 0.00001, are written as mantissa, "E" and exponent ("1,5E20", "1E-6").
// Throws ErrorOperacionInvalida for NaN and infinities.
QString TextoNumero(long double valor, QChar separador);

// Nearest whole number, a half to the even neighbour. Throws ErrorOperacionInvalida when the
// value is NaN or does not fit a signed 64-bit integer.
long long Redondear(long double valor);

// Rounded to hundredths: times 100, rounded as above, divided by 100.
long double RedondearCentesimas(long double valor);

// A digit 0 to 9, and nothing else that Unicode calls a digit.
inline bool EsDigito(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
