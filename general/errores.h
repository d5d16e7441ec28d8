#pragma once
// The one error a calculation raises: it ends the running operation where it arose. Whatever the
// operation wrote before stays written; the window that started it shows the message.

#include <QByteArray>
#include <QString>
#include <exception>

class ErrorCalculo : public std::exception {
public:
    explicit ErrorCalculo(QString mensaje);
    const QString& mensaje() const noexcept { return mensaje_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString mensaje_;
    QByteArray utf8_;
};

// "'<texto>' is not a valid floating point value": a text that is no number.
ErrorCalculo ErrorConversion(const QString& texto);

// "Invalid floating point operation": a value that has no whole number (too large, NaN, infinite).
ErrorCalculo ErrorOperacionInvalida();

// The text an error box shows: the message with a full stop appended when its last character
// sorts after the full stop (a letter or a digit, say).
QString TextoDelAviso(const QString& mensaje);
