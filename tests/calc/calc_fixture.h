#pragma once

#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "scripted_platform.h"

namespace zyt::test {

// A program state with scripted message boxes and the main window's cells,
// whose "Metric" box gives the units, for calculations without any window.
class CalcFixture {
public:
    CalcFixture()
    {
        st.platform = platform.platform();
        st.numbers.setLocaleSeparators(u'.', u',');
        st.Main = &main;
    }

    void setMetric(bool on)
    {
        main.setCell(MainModel::Check2, on ? QStringLiteral("1") : QStringLiteral("0"));
    }

    ScriptedPlatform platform;
    AppState st;
    MainModel main;
};

} // namespace zyt::test
