#pragma once

#include <QString>
#include <QStringView>

#include <optional>

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

// A file of thousands of bad records must not bury the user in boxes, one
// after the other at every start: the first bad record shows its box, the
// others are skipped and counted, and one box at the end gives their number.
class BadRecordTally {
public:
    // True for the first bad record, whose box is to show; false for a later
    // one, which is counted.
    bool first() { return count_++ == 0; }
    // The box for the records skipped after the first, when there were any:
    // exclamation, OK and the given title (the program's when nothing).
    void showSkipped(const Platform &platform, const NumberStyle &numbers,
                     const std::optional<QString> &title) const;

private:
    int count_ = 0;
};

} // namespace recordBoxes
} // namespace zyt
