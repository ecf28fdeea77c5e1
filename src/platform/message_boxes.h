#pragma once

#include <QString>

#include <optional>

namespace zyt {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Critical, Exclamation, Information };

// The answers keep the numbers users and stored logic know them by.
enum MsgAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct MsgRequest {
    QString text; // plain text; CR LF separates lines
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::optional<QString> title; // none: the program's title shows
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box, waits for the user, returns the answer (1, 2, 6 or 7).
    virtual int show(const MsgRequest &request) = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

} // namespace zyt
