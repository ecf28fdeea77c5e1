#pragma once

#include "cell_model.h"

namespace zyt {

// One flow test: the cells of one flow test sheet window. Rows 0 to 11 are
// the dimension panel, 12 the unit words above the headers, 13 to 15 the
// column headers and 16 to 30 the fifteen lift rows.
class Flow_Test_Sheet : public CellModel {
    Q_OBJECT

public:
    // The cell arrays, in the order of the layout; `text205` keeps its
    // lower-case name.
    enum Array : int {
        Text101,
        Text102,
        Text103,
        Text104,
        Text105,
        Text106,
        Text107,
        Text108,
        Text109,
        Text110,
        Text111,
        Text112,
        Text113,
        Text114,
        Text115,
        Text201,
        Text202,
        Text203,
        Text204,
        text205,
        Text206,
        Text207,
        Text208,
        Text209,
        Text210,
        Text211,
        Text38,
        Text39,
    };

    static constexpr int FirstLiftRow = 16;
    static constexpr int LastLiftRow = 30;
    static constexpr int Single = CellLayout::Single;

    explicit Flow_Test_Sheet(QString windowName = QStringLiteral("Form1"),
                             QObject *parent = nullptr);

    // Shared by every sheet.
    static const CellLayout &sheetLayout();

    int id(Array array, int index) const { return layout().id(array, index); }
    const QString &cell(Array array, int index) const { return text(checkedId(array, index)); }
    void setCell(Array array, int index, const QString &value)
    {
        setText(checkedId(array, index), value);
    }
    const QString &comments() const { return cell(Text38, Single); }
    const QString &path() const { return cell(Text39, Single); }
};

} // namespace zyt
