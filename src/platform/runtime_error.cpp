#include "runtime_error.h"

namespace zyt {

RuntimeError::RuntimeError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(QByteArray::number(number) + " -- " + description_.toUtf8())
{
}

RuntimeError RuntimeError::typeMismatch()
{
    return {TypeMismatch, QStringLiteral("Type mismatch")};
}

RuntimeError RuntimeError::divisionByZero()
{
    return {DivisionByZero, QStringLiteral("Division by zero")};
}

RuntimeError RuntimeError::overflow() { return {Overflow, QStringLiteral("Overflow")}; }

} // namespace zyt
