#include "report_model.h"

#include "flow_test_sheet.h"

#include <iterator>

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

CellInfo box(const char *start) { return editableCell(CellKind::Check, start); }

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
