#include "report_model.h"

#include "flow_test_sheet.h"

#include <iterator>
#include <vector>

namespace zyt {

namespace {

using R = ReportModel;
using S = Flow_Test_Sheet;
using K = ReportFieldKind;

constexpr ReportField fields[] = {
    {"Actual Valve Lift", K::Column, S::Text101, 8},
    {"Corrected Intake", K::Column, S::Text102, 10},
    {"Corrected Exhaust", K::Column, S::Text103, 10},
    {"Effective Lift In.", K::Column, S::Text104, 10},
    {"Effective Lift Ex.", K::Column, S::Text105, 10},
    {"Observed Flow Intake", K::Column, S::Text106, 10},
    {"Observed Flow Exhaust", K::Column, S::Text107, 10},
    {"CFM Sq In In.", K::Column, S::Text109, 9},
    {"CFM Sq In Ex.", K::Column, S::Text110, 9},
    {"SAE CD In.", K::Column, S::Text111, 8},
    {"SAE CD Ex.", K::Column, S::Text112, 8},
    {"In/Ex Flow Ratio", K::Column, S::Text113, 8},
    {"Mean Port Vel In.", K::Column, S::Text114, 9},
    {"Mean Port Vel Ex.", K::Column, S::Text115, 9},
    {"Show Comments", K::Comments, -1, 0},
    {"Port Energy In.", K::EnergyIntake, -1, 9},
    {"Port Energy Ex.", K::EnergyExhaust, -1, 9},
    {"Port Density In.", K::DensityIntake, -1, 9},
    {"Port Density Ex.", K::DensityExhaust, -1, 9},
    {"Effective Valve Area In.", K::Column, S::Text201, 10},
    {"Effective Valve Area Ex.", K::Column, S::Text202, 10},
    {"Effective Valve Vel In.", K::Column, S::Text203, 10},
    {"Effective Valve Vel Ex.", K::Column, S::Text204, 10},
    {"Swirl", K::Column, S::Text207, 10},
    {"Effective SAE CD In.", K::Column, S::text205, 10},
    {"Effective SAE CD Ex.", K::Column, S::Text206, 10},
    {"L / R Ratio In.", K::Column, S::Text208, 8},
    {"L / R Ratio Ex.", K::Column, S::Text209, 8},
    {"Floating Depression In.", K::Column, S::Text210, 11},
    {"Floating Depression Ex.", K::Column, S::Text211, 11},
};
static_assert(std::size(fields) == R::FieldCount);

using C = ReportControlKind;

constexpr const char *Frame3 = "Frame3";
constexpr const char *Frame1 = "Frame1";
constexpr const char *Frame2 = "Frame2";
constexpr const char *Frame5 = "Frame5";
constexpr const char *Frame6 = "Frame6";

// Everything but the 30 field boxes, which come from the field table.
constexpr ReportControl before[] = {
    {"Text38", -1, C::DisplayBox, "", nullptr, nullptr},
    {"Save", -1, C::Button, "&Save Configuration", nullptr,
     "Save this Text Report Configuration to a File."},
    {"Load", -1, C::Button, "&Load Configuration", nullptr,
     "Load a previous Saved Text Report Configuration File."},
    {"Command2", -1, C::Button, "&Create Text Report", nullptr,
     "Create a Text Report using the Selected / Checked Option on this screen."},
    {Frame3, -1, C::Frame, "Show  Information from Main Screen on Report", nullptr, nullptr},
    {"Check3", 0, C::CheckBox, "Yes", Frame3, nullptr},
    {Frame1, -1, C::Frame, "Show These Flow Test on Report", nullptr, nullptr},
    {"Check1", 0, C::CheckBox, "Test 1", Frame1, nullptr},
    {"Check1", 1, C::CheckBox, "Test 2", Frame1, nullptr},
    {"Check1", 2, C::CheckBox, "Test 3", Frame1, nullptr},
    {"Check1", 3, C::CheckBox, "Test 4", Frame1, nullptr},
    {"Check1", 4, C::CheckBox, "Test 5", Frame1, nullptr},
    {Frame2, -1, C::Frame, "Show These Data Fields on the Report", nullptr, nullptr},
};

constexpr ReportControl after[] = {
    {Frame5, -1, C::Frame, "Set Main Screen Data", nullptr, nullptr},
    {"Option1", 0, C::Option, "Flush Left", Frame5, nullptr},
    {"Option1", 1, C::Option, "Centered", Frame5, nullptr},
    {"Option1", 2, C::Option, "Flush Right", Frame5, nullptr},
    {Frame6, -1, C::Frame, "Set Text Data", nullptr, nullptr},
    {"Option2", 0, C::Option, "Flush Left", Frame6, nullptr},
    {"Option2", 1, C::Option, "Centered", Frame6, nullptr},
    {"Option2", 2, C::Option, "Flush Right", Frame6, nullptr},
    {"Select", -1, C::Button, "S&elect All", nullptr, "Select All UnChecked Entries."},
    {"Clear", -1, C::Button, "Clear &All", nullptr, "Clear All Checked Entries."},
    {"Command5", -1, C::Button, "PrtSc as &JPG", nullptr, "Help_PrtSc"},
    // The text names the wrong screen; users know it as it is.
    {"subend", -1, C::Button, "&Quit", nullptr, "Quit / Close the Flow Test compare Screen"},
    {"Label7", -1, C::HelpLine, "", nullptr, nullptr},
};

std::vector<ReportControl> buildControls()
{
    std::vector<ReportControl> all(std::begin(before), std::end(before));
    for (int k = 0; k < R::FieldCount; ++k)
        all.push_back({"Check2", k, C::CheckBox, fields[k].caption, Frame2, nullptr});
    all.insert(all.end(), std::begin(after), std::end(after));
    return all;
}

CellInfo box(const char *start)
{
    CellInfo s;
    s.kind = CellKind::Check;
    s.readOnly = false;
    s.tabStop = true;
    s.defaultText = QString::fromLatin1(start);
    return s;
}

CellLayout buildLayout()
{
    CellLayout layout;
    [[maybe_unused]] const int check3 = layout.addArray(QStringLiteral("Check3"), 0, 0);
    [[maybe_unused]] const int check1 = layout.addArray(QStringLiteral("Check1"), 0, 4);
    [[maybe_unused]] const int check2 = layout.addArray(QStringLiteral("Check2"), 0, 29);
    [[maybe_unused]] const int option1 = layout.addSingle(QStringLiteral("Option1"));
    [[maybe_unused]] const int option2 = layout.addSingle(QStringLiteral("Option2"));
    [[maybe_unused]] const int text38 = layout.addSingle(QStringLiteral("Text38"));
    Q_ASSERT(check3 == R::Check3 && check1 == R::Check1 && check2 == R::Check2);
    Q_ASSERT(option1 == R::Option1 && option2 == R::Option2 && text38 == R::Text38);

    // Everything is chosen as the window first opens, both alignments flush
    // left.
    layout.addCell(R::Check3, 0, box("1"));
    for (int k = 0; k < R::TestCount; ++k)
        layout.addCell(R::Check1, k, box("1"));
    for (int k = 0; k < R::FieldCount; ++k)
        layout.addCell(R::Check2, k, box("1"));
    layout.addCell(R::Option1, R::Single, box("0"));
    layout.addCell(R::Option2, R::Single, box("0"));

    // The report is free text: no number walk may touch it.
    CellInfo display;
    display.kind = CellKind::Result;
    display.multiline = true;
    display.alignment = 0;
    layout.addCell(R::Text38, R::Single, display);
    return layout;
}

} // namespace

std::span<const ReportField, 30> reportFields() { return std::span<const ReportField, 30>(fields); }

std::span<const ReportControl> reportControls()
{
    static const std::vector<ReportControl> all = buildControls();
    return all;
}

ReportModel::ReportModel(QObject *parent)
    : CellModel(reportLayout(), QStringLiteral("Form70"), parent)
{
}

const CellLayout &ReportModel::reportLayout()
{
    static const CellLayout layout = buildLayout();
    return layout;
}

int ReportModel::lastIndex(Array box)
{
    switch (box) {
    case Check3:
        return 0;
    case Check1:
        return TestCount - 1;
    case Check2:
        return FieldCount - 1;
    default:
        return -1;
    }
}

void ReportModel::setChecked(Array box, int index, bool checked)
{
    setText(checkedId(box, index), checked ? QStringLiteral("1") : QStringLiteral("0"));
}

int ReportModel::option(Array group) const
{
    const QString &value = text(checkedId(group, Single));
    for (int k = 0; k < OptionCount; ++k)
        if (value == QString::number(k))
            return k;
    return -1;
}

void ReportModel::setOption(Array group, int index)
{
    Q_ASSERT(index >= 0 && index < OptionCount);
    setText(checkedId(group, Single), QString::number(index));
}

void ReportModel::setAll(bool checked)
{
    for (Array box : {Check1, Check2, Check3})
        for (int k = 0; k <= lastIndex(box); ++k)
            setChecked(box, k, checked);
}

void ReportModel::showReport(const QString &report)
{
    setText(checkedId(Text38, Single), report);
    if (!shown_) {
        shown_ = true;
        emit reportShownChanged(true);
    }
}

void ReportModel::closeReport()
{
    setText(checkedId(Text38, Single), QString());
    if (shown_) {
        shown_ = false;
        emit reportShownChanged(false);
    }
}

} // namespace zyt
