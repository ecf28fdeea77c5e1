#include "fonts_alignment.h"

#include "calc/app_state.h"
#include "calc/calculate_sheet.h"
#include "calc/formats.h"
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

void applyFont(CellModel &window, Boxes which, const AppState &st)
{
    const std::optional<double> size = Font_Size_Value(st.Font_Size, st);
    for (int id = 0; id < window.layout().cellCount(); ++id) {
        if (!isTextBox(window.layout().info(id)) || isGraphCaption(window, id))
            continue;
        CellLook look = window.look(id);
        if (which == Boxes::Entry && look.readOnly)
            continue;
        // A face or size a box cannot take leaves that one as it was and
        // the rest still applies.
        if (!st.Font_Name.isEmpty())
            look.fontName = st.Font_Name;
        if (size)
            look.fontSize = *size;
        look.fontBold = st.Font_Bold != 0;
        look.fontItalic = st.Font_Italic != 0;
        window.setLook(id, look);
    }
}

void applyToSheets(Models &models, Boxes which, const AppState &st)
{
    for (Flow_Test_Sheet *sheet : models.sheets)
        if (sheet)
            applyFont(*sheet, which, st);
    applyFont(models.compare, which, st);
}

} // namespace

std::optional<double> Font_Size_Value(const QString &text, const AppState &st)
{
    try {
        const double size = Fix_Decimal_Sep_Value(text, st);
        if (size >= 1.0 && size <= 200.0)
            return size;
    } catch (const RuntimeError &) {
        // no number: no size
    }
    return std::nullopt;
}

bool Choose_Font(AppState &st)
{
    Q_ASSERT(st.platform.fonts);
    const std::optional<FontChoice> font = st.platform.fonts->showFontDialog();
    if (!font) {
        st.message(QStringLiteral("No Font Selected"), MsgButtons::Ok, MsgIcon::Exclamation);
        st.Font_Cancelled = 1;
        return false;
    }
    st.Font_Name = font->name;
    st.Font_Size = canonicalNumberText(font->size, st.Locale_Decimal);
    st.Font_Bold = font->bold ? -1 : 0;
    st.Font_Italic = font->italic ? -1 : 0;
    st.Font_Cancelled = 0;
    return true;
}

void Apply_Font_Main(MainModel &Main, const AppState &st) { applyFont(Main, Boxes::All, st); }

void Apply_Entry_Font_Main(MainModel &Main, const AppState &st)
{
    applyFont(Main, Boxes::Entry, st);
}

void Apply_Font_Sheets(Models &models, const AppState &st)
{
    applyToSheets(models, Boxes::All, st);
}

void Apply_Entry_Font_Sheets(Models &models, const AppState &st)
{
    applyToSheets(models, Boxes::Entry, st);
}

void Apply_Font_Form(CellModel &window, const AppState &st) { applyFont(window, Boxes::All, st); }

void Apply_Entry_Font_Form(CellModel &window, const AppState &st)
{
    applyFont(window, Boxes::Entry, st);
}

void Align_Form(CellModel &window, const AppState &st)
{
    for (int id = 0; id < window.layout().cellCount(); ++id) {
        if (!isTextBox(window.layout().info(id)) || isGraphCaption(window, id) ||
            named(window, id, u"Text38"))
            continue;
        CellLook look = window.look(id);
        look.alignment = st.Box_Alignment;
        window.setLook(id, look);
    }
}

void Align_All_Forms(Models &models, const AppState &st)
{
    // The graph window and the report window keep theirs; neither is among
    // these, the check is for whatever window joins the list.
    auto align = [&](CellModel &window) {
        if (window.windowName() != u"Form60" && window.windowName() != u"Form70")
            Align_Form(window, st);
    };
    align(models.main);
    for (Flow_Test_Sheet *sheet : models.sheets)
        if (sheet)
            align(*sheet);
    align(models.compare);
}

void Calculate_All_Sheets(Models &models, AppState &st)
{
    for (Flow_Test_Sheet *sheet : models.sheets)
        if (sheet)
            Calculate_Sheet(*sheet, st);
}

void AllFont_Click(Models &models, AppState &st)
{
    if (Choose_Font(st))
        Apply_Font_Main(models.main, st);
}

void EntryFont_Click(Models &models, AppState &st)
{
    if (Choose_Font(st))
        Apply_Entry_Font_Main(models.main, st);
}

void AllFont_Flow_Click(Models &models, AppState &st)
{
    if (Choose_Font(st))
        Apply_Font_Sheets(models, st);
}

void EntryFont_Flow_Click(Models &models, AppState &st)
{
    if (Choose_Font(st))
        Apply_Entry_Font_Sheets(models, st);
}

void AligLeft_Click(Models &models, AppState &st)
{
    st.Box_Alignment = 0;
    Align_All_Forms(models, st);
}

void AligCenter_Click(Models &models, AppState &st)
{
    st.Box_Alignment = 2;
    Align_All_Forms(models, st);
}

void AligRight_Click(Models &models, AppState &st)
{
    st.Box_Alignment = 1;
    Align_All_Forms(models, st);
    Calculate_All_Sheets(models, st);
}

} // namespace zyt
