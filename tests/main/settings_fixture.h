#pragma once

#include "calc/app_state.h"
#include "calc/flow_test_sheet.h"
#include "compare/compare_state.h"
#include "main/main_model.h"
#include "main/settings_windows.h"
#include "scripted_platform.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <array>
#include <memory>

namespace zyt::test {

// The windows the settings reach, with scripted desktop services and a
// program folder of their own. The compare window stands in with a box of
// each kind its cells will have, the two graph captions among them.
class SettingsFixture {
public:
    SettingsFixture()
    {
        st.platform = platform.platform();
        st.Set_Decimal_Separators(u'.', u',');
        st.Main = &main;
        for (size_t k = 0; k < sheets.size(); ++k)
            sheets[k] = std::make_unique<Flow_Test_Sheet>(QStringLiteral("Form%1").arg(k + 1));
        for (const char *name : {"Text1", "Text71", "Text72"}) {
            CellInfo box;
            box.kind = CellKind::Input;
            box.readOnly = false;
            compareLayout.addCell(compareLayout.addSingle(QString::fromLatin1(name)),
                                  CellLayout::Single, box);
        }
        CellInfo check;
        check.kind = CellKind::Check;
        check.readOnly = false;
        compareLayout.addCell(compareLayout.addSingle(QStringLiteral("Check1")), CellLayout::Single,
                              check);
        compare = std::make_unique<CellModel>(compareLayout, QStringLiteral("Form50"));
        graph.Picture1_Cls = [this] { ++cleared; };
        windows = std::make_unique<Settings_Windows>(Settings_Windows{
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            *compare,
            graph});
    }

    QString path(const QString &name) { return QDir(platform.path()).filePath(name); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString p = path(name);
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(p));
        return p;
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // The looks of every cell of a window.
    static QList<CellLook> looks(const CellModel &window)
    {
        QList<CellLook> out;
        for (int id = 0; id < window.layout().cellCount(); ++id)
            out << window.look(id);
        return out;
    }

    // The boxes shown so far, each as its text and, in brackets, its
    // buttons, icon and title.
    QStringList boxes() const
    {
        QStringList out;
        for (const MsgRequest &r : platform.shown)
            out << box(r.text, r.buttons, r.icon, r.title);
        return out;
    }

    static QString box(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                       MsgIcon icon = MsgIcon::None,
                       const std::optional<QString> &title = std::nullopt)
    {
        static const char *const buttonNames[] = {"OK", "OK/Cancel", "Yes/No"};
        static const char *const iconNames[] = {"-", "critical", "exclamation", "information"};
        return text +
               QStringLiteral(" [%1 %2 %3]")
                   .arg(QLatin1StringView(buttonNames[int(buttons)]),
                        QLatin1StringView(iconNames[int(icon)]),
                        title ? QStringLiteral("\"") + *title + u'"' : QStringLiteral("program"));
    }
    static QString warning(const QString &text)
    {
        return box(text, MsgButtons::Ok, MsgIcon::Exclamation);
    }

    ScriptedPlatform platform;
    AppState st;
    Main_Model main;
    std::array<std::unique_ptr<Flow_Test_Sheet>, 5> sheets;
    CellLayout compareLayout;
    std::unique_ptr<CellModel> compare;
    Graph_Window_State graph;
    int cleared = 0; // times the graph picture was cleared
    std::unique_ptr<Settings_Windows> windows;
};

} // namespace zyt::test
