#include "fonts_alignment.h"

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "model/models.h"
#include "platform/choice_dialogs.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

enum class Boxes { All, Entry };

bool isTextBox(const CellInfo &info)
{
    switch (info.kind) {
    case CellKind::Label:
    case CellKind::Input:
    case CellKind::Result:
    case CellKind::Header:
        return true;
    case CellKind::Blank:
    case CellKind::Check:
    case CellKind::Marker:
        return false;
    }
    return false;
}

bool named(const CellModel &window, int id, QStringView name)
{
    const CellLayout &layout = window.layout();
    return layout.arrayName(layout.arrayOf(id)) == name;
}

// The compare window's graph caption lines are the user's own and keep
// their font and alignment.
bool isGraphCaption(const CellModel &window, int id)
{
    return window.windowName() == u"Form50" &&
           (named(window, id, u"Text71") || named(window, id, u"Text72"));
}

void applyFont(CellModel &window, Boxes which, const LookState &looks, const NumberStyle &numbers)
{
    const std::optional<double> size = fontSizeValue(looks.Font_Size, numbers);
    for (int id = 0; id < window.layout().cellCount(); ++id) {
        if (!isTextBox(window.layout().info(id)) || isGraphCaption(window, id))
            continue;
        CellLook look = window.look(id);
        if (which == Boxes::Entry && look.readOnly)
            continue;
        // A face or size a box cannot take leaves that one as it was and
        // the rest still applies.
        if (!looks.Font_Name.isEmpty())
            look.fontName = looks.Font_Name;
        if (size)
            look.fontSize = *size;
        look.fontBold = looks.Font_Bold != 0;
        look.fontItalic = looks.Font_Italic != 0;
        window.setLook(id, look);
    }
}

void applyToSheets(Models &models, Boxes which, const LookState &looks, const NumberStyle &numbers)
{
    for (Flow_Test_Sheet *sheet : models.sheets)
        if (sheet)
            applyFont(*sheet, which, looks, numbers);
    applyFont(models.compare, which, looks, numbers);
}

} // namespace

std::optional<double> fontSizeValue(const QString &text, const NumberStyle &numbers)
{
    try {
        const double size = fixDecimalSepValue(text, numbers);
        if (size >= 1.0 && size <= 200.0)
            return size;
    } catch (const RuntimeError &) {
        // no number: no size
    }
    return std::nullopt;
}

bool Choose_Font(LookState &looks, const NumberStyle &numbers, const Platform &platform)
{
    Q_ASSERT(platform.fonts);
    const std::optional<FontChoice> font = platform.fonts->showFontDialog();
    if (!font) {
        platform.message(QStringLiteral("No Font Selected"), MsgButtons::Ok, MsgIcon::Exclamation);
        looks.Font_Cancelled = 1;
        return false;
    }
    looks.Font_Name = font->name;
    looks.Font_Size = canonicalNumberText(font->size, numbers.localeDecimal);
    looks.Font_Bold = font->bold ? -1 : 0;
    looks.Font_Italic = font->italic ? -1 : 0;
    looks.Font_Cancelled = 0;
    return true;
}

void Apply_Font_Main(MainModel &Main, const LookState &looks, const NumberStyle &numbers)
{
    applyFont(Main, Boxes::All, looks, numbers);
}

void Apply_Entry_Font_Main(MainModel &Main, const LookState &looks, const NumberStyle &numbers)
{
    applyFont(Main, Boxes::Entry, looks, numbers);
}

void Apply_Font_Sheets(Models &models, const LookState &looks, const NumberStyle &numbers)
{
    applyToSheets(models, Boxes::All, looks, numbers);
}

void Apply_Entry_Font_Sheets(Models &models, const LookState &looks, const NumberStyle &numbers)
{
    applyToSheets(models, Boxes::Entry, looks, numbers);
}

void Apply_Font_Form(CellModel &window, const LookState &looks, const NumberStyle &numbers)
{
    applyFont(window, Boxes::All, looks, numbers);
}

void Apply_Entry_Font_Form(CellModel &window, const LookState &looks, const NumberStyle &numbers)
{
    applyFont(window, Boxes::Entry, looks, numbers);
}

void Align_Form(CellModel &window, const NumberStyle &numbers)
{
    for (int id = 0; id < window.layout().cellCount(); ++id) {
        if (!isTextBox(window.layout().info(id)) || isGraphCaption(window, id) ||
            named(window, id, u"Text38"))
            continue;
        CellLook look = window.look(id);
        look.alignment = numbers.Box_Alignment;
        window.setLook(id, look);
    }
}

void Align_All_Forms(Models &models, const NumberStyle &numbers)
{
    // The graph window and the report window keep theirs; neither is among
    // these, the check is for whatever window joins the list.
    auto align = [&](CellModel &window) {
        if (window.windowName() != u"Form60" && window.windowName() != u"Form70")
            Align_Form(window, numbers);
    };
    align(models.main);
    for (Flow_Test_Sheet *sheet : models.sheets)
        if (sheet)
            align(*sheet);
    align(models.compare);
}

void calculateAllSheets(Models &models, AppState &st)
{
    for (Flow_Test_Sheet *sheet : models.sheets)
        if (sheet)
            Calculate_Sheet(*sheet, st.Metric(), st.calc, st.numbers, st.platform);
}

void AllFont_Click(Models &models, AppState &st)
{
    if (Choose_Font(st.looks, st.numbers, st.platform))
        Apply_Font_Main(models.main, st.looks, st.numbers);
}

void EntryFont_Click(Models &models, AppState &st)
{
    if (Choose_Font(st.looks, st.numbers, st.platform))
        Apply_Entry_Font_Main(models.main, st.looks, st.numbers);
}

void AllFont_Flow_Click(Models &models, AppState &st)
{
    if (Choose_Font(st.looks, st.numbers, st.platform))
        Apply_Font_Sheets(models, st.looks, st.numbers);
}

void EntryFont_Flow_Click(Models &models, AppState &st)
{
    if (Choose_Font(st.looks, st.numbers, st.platform))
        Apply_Entry_Font_Sheets(models, st.looks, st.numbers);
}

void AligLeft_Click(Models &models, AppState &st)
{
    st.numbers.Box_Alignment = 0;
    Align_All_Forms(models, st.numbers);
}

void AligCenter_Click(Models &models, AppState &st)
{
    st.numbers.Box_Alignment = 2;
    Align_All_Forms(models, st.numbers);
}

void AligRight_Click(Models &models, AppState &st)
{
    st.numbers.Box_Alignment = 1;
    Align_All_Forms(models, st.numbers);
    calculateAllSheets(models, st);
}

} // namespace zyt
