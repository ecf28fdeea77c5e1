#pragma once

#include "model/program_hooks.h"

#include <QString>

#include <functional>

namespace zyt::test {

// The program's hooks as a test sets them: each runs the function given for
// it; without one it does nothing, and any logo file loads.
class TestHooks final : public ProgramHooks {
public:
    std::function<void()> onCheck2;
    std::function<void()> onCommand51;
    std::function<bool(const QString &path)> onLoadLogo;
    std::function<void()> onClearGraph;
    std::function<void()> onStretch;

    void Check2_Click() override
    {
        if (onCheck2)
            onCheck2();
    }
    void Command51_Click() override
    {
        if (onCommand51)
            onCommand51();
    }
    bool loadLogoPicture(const QString &path) override { return !onLoadLogo || onLoadLogo(path); }
    void clearGraphPicture() override
    {
        if (onClearGraph)
            onClearGraph();
    }
    void Stretch_Picture() override
    {
        if (onStretch)
            onStretch();
    }
};

} // namespace zyt::test
