#pragma once

#include <QString>
#include <QStringView>

namespace zyt {

struct NumberStyle;
struct Platform;

// The message boxes the record-file readers and writers share.
namespace recordBoxes {

inline const QString VornTitle = QStringLiteral("VORN - Error Message");
inline const QString MainTitle = QStringLiteral("MAIN - Error Message");

// An exclamation box with OK and no title of its own.
void failure(const Platform &platform, const QString &text);
// "Record not Handled -->" and the line, OK and Cancel; true for OK.
bool recordNotHandled(const Platform &platform, const QString &title, QStringView line);
// "Invalid Input Record # - ", the line count, "   Data --> " and the line.
QString invalidRecord(const NumberStyle &numbers, int lineCount, QStringView line);

} // namespace recordBoxes
} // namespace zyt
