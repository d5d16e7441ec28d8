#pragma once
// What the tests of the plain calculations share: Qt Core only, so that such a test that
// reaches for a window fails to build.

#include "errores.h"

#include <QDateTime>
#include <QString>
#include <QTest>

// The message of the calculation error that the action raises; "(no error)" when it raises none.
template <class Accion> QString MensajeDeError(Accion&& accion) {
    try {
        accion();
    } catch (const ErrorCalculo& error) {
        return error.mensaje();
    }
    return QStringLiteral("(no error)");
}

// The moment the tests stop the clock at, unless a test sets another.
inline QDateTime MomentoDePrueba(int ano, int mes, int dia = 15) {
    return QDateTime(QDate(ano, mes, dia), QTime(12, 0));
}
