#pragma once

#include "calc/app_state.h"
#include "calc/cell_model.h"
#include "calc/flow_test_sheet.h"
#include "scripted_platform.h"

#include <memory>

namespace zyt::test {

// A program state with scripted message boxes and a main window that has
// just its "Metric" box, for calculations without any window.
class CalcFixture {
public:
    CalcFixture()
    {
        st.platform = platform.platform();
        st.Set_Decimal_Separators(u'.', u',');
        mainLayout.addSingle(QStringLiteral("Check2"));
        CellInfo check;
        check.kind = CellKind::Check;
        check.defaultText = QStringLiteral("0");
        mainLayout.addCell(0, CellLayout::Single, check);
        main = std::make_unique<CellModel>(mainLayout, QStringLiteral("Main"));
        st.Main = main.get();
    }

    void setMetric(bool on)
    {
        main->setText(u"Check2", CellLayout::Single,
                      on ? QStringLiteral("1") : QStringLiteral("0"));
    }

    ScriptedPlatform platform;
    AppState st;
    CellLayout mainLayout;
    std::unique_ptr<CellModel> main;
};

} // namespace zyt::test
