#pragma once

#include "calc/calculate_sheet.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/models.h"

#include <array>
#include <memory>

namespace zyt::test {

// The five sample sheets `Form1` to `Form5`, and their list as the windows
// and commands take them.
struct FiveSheets {
    FiveSheets()
    {
        for (size_t k = 0; k < sheets.size(); ++k) {
            sheets[k] = std::make_unique<Flow_Test_Sheet>(QStringLiteral("Form%1").arg(k + 1));
            list[k] = sheets[k].get();
        }
    }
    // Each calculated, as a user would have them before the command that
    // reads them.
    void calculate(AppState &st)
    {
        for (Flow_Test_Sheet *sheet : list)
            Calculate_Sheet(*sheet, st.Metric(), st.calc, st.numbers, st.platform);
    }
    Flow_Test_Sheet &operator[](size_t k) { return *sheets[k]; }

    std::array<std::unique_ptr<Flow_Test_Sheet>, 5> sheets;
    SheetList list{};
};

} // namespace zyt::test
