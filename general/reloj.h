#pragma once
// Today's local date and time. Everything that depends on the day (the year list, the car's age,
// the certificate's date line) asks here, so that a test can stop the clock at a chosen moment.

#include <QDateTime>

QDateTime AhoraLocal();

// Stops the clock at the given moment (tests).
void FijarReloj(const QDateTime& momento);
