#pragma once

#include "cell_model.h"

#include <QString>

#include <span>

namespace zyt {

// What a column of the report's lift table shows.
enum class ReportFieldKind : std::uint8_t {
    Column,        // the same row of one sheet column
    Comments,      // no column: the sheet's comments after the table
    EnergyIntake,  // computed from the intake port velocity
    EnergyExhaust, // computed from the exhaust port velocity
    DensityIntake,
    DensityExhaust,
};

// One field the report can show, by its element of `Check2`.
struct ReportField {
    const char *caption;
    ReportFieldKind kind;
    int column; // the sheet column (a Flow_Test_Sheet::Array) of a Column field, else -1
    int width;  // characters; 0 for the comments
};

// The 30 fields in element order, which is also the order of the columns.
std::span<const ReportField, 30> reportFields();

// The choices of the report window `Form70`: which tests and fields go into
// the report, whether the main window's block does, and how the two kinds of
// cells are aligned. Check boxes hold "0" or "1", an option group the index
// of its chosen element ("0" to "2"). The display box `Text38` holds the
// report while it is shown; that text is what "." saves.
class ReportModel : public CellModel {
    Q_OBJECT

public:
    enum Array : int {
        Check3,  // element 0 only: the main window's block
        Check1,  // tests 1 to 5
        Check2,  // the 30 fields
        Option1, // alignment of the main window's block: 0 left, 1 centre, 2 right
        Option2, // alignment of the lift table's cells
        Text38,  // the report shown; empty while none is
    };

    static constexpr int Single = CellLayout::Single;
    static constexpr int TestCount = 5;
    static constexpr int FieldCount = 30;
    static constexpr int OptionCount = 3;

    explicit ReportModel(QObject *parent = nullptr);

    static const CellLayout &reportLayout();

    // The elements of a check box array: 0 for Check3, 0 to 4 for Check1,
    // and for Check2 from 0 to 29.
    static int lastIndex(Array box);

    bool checked(Array box, int index) const { return text(checkedId(box, index)) == u"1"; }
    void setChecked(Array box, int index, bool checked);
    // The chosen element of Option1 or Option2; -1 when none is.
    int option(Array group) const;
    void setOption(Array group, int index);

    // "S&elect All" and "Clear &All": every test and field box, then the
    // main window's box; the options stay as they are.
    void Select_Click() { setAll(true); }
    void Clear_Click() { setAll(false); }

    bool reportShown() const { return shown_; }
    const QString &reportText() const { return text(checkedId(Text38, Single)); }
    // Puts the report into the display box and shows it over the choices.
    void showReport(const QString &report);
    // Hides the display box; the report is gone.
    void closeReport();

signals:
    void reportShownChanged(bool shown);

private:
    void setAll(bool checked);

    bool shown_ = false;
};

// What the main window appends to the program title for this window.
inline constexpr const char *ReportCaption = " -- Select Items for Text Report";

} // namespace zyt
