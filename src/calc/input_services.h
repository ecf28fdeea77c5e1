#pragma once

#include <QString>
#include <QStringView>

namespace zyt {

struct NumberStyle;
struct Platform;
struct UiState;

// Character codes of the keys the filters know.
enum KeyCode : int {
    Key_Backspace = 8,
    Key_Return = 13,
    Key_Comma = 44,
    Key_Minus = 45,
    Key_Point = 46,
};

// Key filters: take the cell's text before the key and the key's character
// code; return the code to let through, 0 when the key is refused (with a
// beep). Control keys 8 to 13 always pass.
int Key_Integer(int key, const Platform &platform);
int Key_Decimal(QStringView text, int key, const NumberStyle &numbers, const Platform &platform);
int Key_Signed_Decimal(QStringView text, int key, const NumberStyle &numbers,
                       const Platform &platform);

// The little a focus check needs of a text box.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual QString text() const = 0;
    virtual void setFocus() = 0; // does nothing when the box cannot take it
    virtual void setSelection(int start, int length) = 0;
};

// On focus: select the whole text, unless a mouse button is down on a cell.
void Select_All_Text(TextBox &box, const UiState &ui);

// On focus loss: a box holding nothing but minus signs and separators gets
// the focus back, then the warning. True when the box passed.
bool Check_Not_Empty(TextBox &box, const UiState &ui, const Platform &platform);
// The same, and a zero or a text that is no number fails too.
bool Check_Not_Zero(TextBox &box, const UiState &ui, const NumberStyle &numbers,
                    const Platform &platform);

} // namespace zyt
