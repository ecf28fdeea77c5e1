#pragma once

#include "platform/message_boxes.h"

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

// One action (a file read, the whole start-up with the files it preloads)
// shows at most `Limit` boxes: the bad records' boxes of each file, their
// counts, the calculation's errors and the closing count all share it.
// While the budget lives it stands in for the platform's message boxes.
// The boxes past it are skipped, answered OK (a record box: read on, so no
// data is dropped), and one box at the end says how many; an OK box in the
// last place waits for the end, so an action of `Limit` boxes or fewer
// shows them all. A Yes/No question is always shown: no answer can be
// taken for the user's. A budget opened while another lives joins it.
class BoxBudget final : public MessageBoxes {
public:
    static constexpr int Limit = 12;

    BoxBudget(Platform &platform, const NumberStyle &numbers);
    ~BoxBudget() override;
    BoxBudget(const BoxBudget &) = delete;
    BoxBudget &operator=(const BoxBudget &) = delete;

    int show(const MsgRequest &request) override;

private:
    Platform &platform_;
    const NumberStyle &numbers_;
    MessageBoxes *boxes_ = nullptr; // shown through; none when joined
    int shown_ = 0;
    int skipped_ = 0;
    std::optional<MsgRequest> last_; // the OK box waiting in the last place
};

} // namespace recordBoxes
} // namespace zyt
