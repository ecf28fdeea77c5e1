#pragma once

#include "calc/app_state.h"
#include "main/main_model.h"
#include "scripted_platform.h"

#include <QStringList>

namespace zyt::test {

// A program state with scripted boxes over a fresh main window model.
class MainFixture {
public:
    MainFixture()
    {
        st.platform = platform.platform();
        st.Set_Decimal_Separators(u'.', u',');
        st.Main = &main;
    }

    void setMetric(bool on)
    {
        main.setCell(Main_Model::Check2, on ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // Every cell's text, by cell id.
    QStringList texts() const
    {
        QStringList all;
        for (int id = 0; id < main.layout().cellCount(); ++id)
            all << main.text(id);
        return all;
    }

    ScriptedPlatform platform;
    AppState st;
    Main_Model main;
};

} // namespace zyt::test
