#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace zyt {

// A check box or option holds its value as text: "0" or "1" (an option
// group its chosen index). A marker is a small coloured patch beside a cell,
// no text box: it has no text, and number, font and alignment walks pass it by.
enum class CellKind : std::uint8_t { Label, Input, Result, Header, Blank, Check, Marker };

// The most characters typing or pasting puts into a comments box. At three
// bytes a character (UTF-8) its file still stays well inside the size the
// file readers take, so a comment typed can always be saved and read back.
inline constexpr int MaxCommentLength = 1'000'000;

// What a window shows in one cell and how it may be edited.
struct CellInfo {
    QString defaultText;
    CellKind kind = CellKind::Blank;
    bool readOnly = true;
    bool tabStop = false;
    bool numeric = false; // holds a number; free text never takes part in number walks
    bool multiline = false;
    int maxLength = 0;                  // no limit when 0
    std::uint32_t foreColor = 0x000000; // 0xRRGGBB
    std::uint32_t backColor = 0xFFFFFF;
    int tabOrder = -1; // place in the window's tab chain, -1 outside it
    int alignment = 2; // as designed: 0 left, 1 right, 2 centre
};

// A cell the user types into or ticks: editable and in the tab chain.
inline CellInfo editableCell(CellKind kind, const char *defaultText)
{
    CellInfo s;
    s.kind = kind;
    s.readOnly = false;
    s.tabStop = true;
    s.defaultText = QString::fromLatin1(defaultText);
    return s;
}

// How a cell looks and behaves at the moment: it starts as designed and the
// program changes it (the estimator's typed or computed cells, fonts and
// alignment chosen by the user), whether or not a window shows the cell.
struct CellLook {
    std::uint32_t foreColor = 0x000000;
    std::uint32_t backColor = 0xFFFFFF;
    bool readOnly = true;
    bool tabStop = false;
    QString fontName;      // empty: the window's own font
    double fontSize = 0.0; // points; 0: the window's own size
    bool fontBold = false;
    bool fontItalic = false;
    int alignment = 2; // 0 left, 1 right, 2 centre

    bool operator==(const CellLook &) const = default;
};

// The cell arrays of one kind of window: names, present indexes and what
// every present cell holds. Single cells are arrays whose only index is -1.
class CellLayout {
public:
    static constexpr int Single = -1;

    int addArray(const QString &name, int first, int last);
    int addSingle(const QString &name) { return addArray(name, Single, Single); }
    // Makes (array, index) present with the given info; returns its id.
    int addCell(int array, int index, CellInfo info);

    int arrayCount() const { return int(arrays_.size()); }
    const QString &arrayName(int array) const { return arrays_[size_t(array)].name; }
    // Exact name first, then ignoring letter case; -1 when there is none.
    int findArray(QStringView name) const;
    // Id of a present cell, -1 when the array has no such index.
    int id(int array, int index) const
    {
        const Array &a = arrays_[size_t(array)];
        if (index < a.first || index > a.last)
            return -1;
        return slots_[size_t(a.slotBase + index - a.first)];
    }
    int find(QStringView name, int index) const;

    int cellCount() const { return int(infos_.size()); }
    const CellInfo &info(int id) const { return infos_[size_t(id)]; }
    CellInfo &info(int id) { return infos_[size_t(id)]; }
    int arrayOf(int id) const { return where_[size_t(id)].array; }
    int indexOf(int id) const { return where_[size_t(id)].index; }

private:
    struct Array {
        QString name;
        int first;
        int last;
        int slotBase;
    };
    struct Where {
        int array;
        int index;
    };
    std::vector<Array> arrays_;
    std::vector<int> slots_;
    std::vector<CellInfo> infos_;
    std::vector<Where> where_;
};

// The cells of one window: the text of every present cell. Windows are views
// of it; calculations, files and reports work on it with no window shown.
class CellModel : public QObject {
    Q_OBJECT

public:
    CellModel(const CellLayout &layout, QString windowName, QObject *parent = nullptr);

    const CellLayout &layout() const { return layout_; }
    const QString &windowName() const { return windowName_; }

    int find(QStringView array, int index) const { return layout_.find(array, index); }
    // The id of a cell the program names itself; an absent one is a fault of
    // the program, not of its input, and stops it.
    int checkedId(int array, int index) const
    {
        const int id = layout_.id(array, index);
        if (id < 0)
            absentCell(array, index);
        return id;
    }
    const QString &text(int id) const { return texts_[size_t(id)]; }
    void setText(int id, const QString &text);

    // By array name and index; an absent cell reads as nothing and refuses
    // a write.
    bool has(QStringView array, int index) const { return find(array, index) >= 0; }
    const QString *text(QStringView array, int index) const;
    bool setText(QStringView array, int index, const QString &text);

    void resetToDefaults();

    const CellLook &look(int id) const { return looks_[size_t(id)]; }
    void setLook(int id, const CellLook &look);

signals:
    void cellChanged(int id);
    void lookChanged(int id);

private:
    [[noreturn]] void absentCell(int array, int index) const;

    const CellLayout &layout_;
    QString windowName_;
    std::vector<QString> texts_;
    std::vector<CellLook> looks_;
};

} // namespace zyt
