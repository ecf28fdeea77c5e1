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
// after the other at every start: the first bad records of a file each show
// their box, the later ones are skipped and counted, and one box at the end
// gives their number. A record that ends the reading always shows its box;
// no count follows it.
class BadRecordTally {
public:
    static constexpr int Shown = 10;

    // Counts a bad record: true while its box is to show, false for a later
    // one, which is skipped as if its box had been answered with OK.
    bool show() { return ++count_ <= Shown; }
    // The box for the records skipped without their own, when there were
    // any: exclamation, OK and the given title (the program's when nothing).
    void showSkipped(const Platform &platform, const NumberStyle &numbers,
                     const std::optional<QString> &title) const;

private:
    int count_ = 0;
};

} // namespace recordBoxes
} // namespace zyt
