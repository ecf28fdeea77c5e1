#pragma once

#include <QString>

#include <exception>

namespace zyt {

// A run-time error as the users know it from the error boxes: a number and a
// short description. Raised only where a calculation or reader meets a value it
// cannot use; the command that started the work catches it and reports it.
class RuntimeError : public std::exception {
public:
    enum Number : int { Overflow = 6, DivisionByZero = 11, TypeMismatch = 13 };

    RuntimeError(int number, QString description);

    int number() const noexcept { return number_; }
    const QString &description() const noexcept { return description_; }
    const char *what() const noexcept override { return what_.constData(); }

    static RuntimeError typeMismatch();
    static RuntimeError divisionByZero();
    static RuntimeError overflow();

private:
    int number_;
    QString description_;
    QByteArray what_;
};

} // namespace zyt
