#pragma once

#include "files/record_lines.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "model/models.h"
#include "scripted_platform.h"
#include "test_hooks.h"

#include <QDir>
#include <QFile>

#include <array>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace zyt::test {

// The compare window with a text box of each kind its cells will have, the
// two graph captions among them, after its four boxes.
class CompareStandIn : public CompareModel {
public:
    CompareStandIn() : CompareModel(standInLayout(), nullptr) {}

private:
    static const CellLayout &standInLayout()
    {
        static const CellLayout layout = [] {
            CellLayout l;
            for (const char *name :
                 {"Check1", "Check2", "Check3", "Check4", "Text1", "Text71", "Text72"}) {
                CellInfo box;
                box.kind = name[0] == 'C' ? CellKind::Check : CellKind::Input;
                box.readOnly = false;
                l.addCell(l.addSingle(QString::fromLatin1(name)), CellLayout::Single, box);
            }
            return l;
        }();
        return layout;
    }
};

// The windows the settings reach, with scripted desktop services and a
// program folder of their own. The compare window stands in with a box of
// each kind its cells will have, the two graph captions among them.
class SettingsFixture {
public:
    SettingsFixture()
    {
        st.platform = platform.platform();
        st.numbers.setLocaleSeparators(u'.', u',');
        st.Main = &main;
        for (size_t k = 0; k < sheets.size(); ++k)
            sheets[k] = std::make_unique<Flow_Test_Sheet>(QStringLiteral("Form%1").arg(k + 1));
        compare = std::make_unique<CompareStandIn>();
        hooks.onClearGraph = [this] { ++cleared; };
        windows = std::make_unique<Models>(Models{
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            *compare,
            graph});
    }

    QString path(const QString &name) { return QDir(platform.path()).filePath(name); }

    // Writes the lines as a file of the program folder; returns its path.
    QString write(const QString &name, const QStringList &lines)
    {
        RecordWriter w;
        for (const QString &line : lines)
            w.Write_Record_Line(line);
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(w.bytes()) != w.bytes().size())
            qFatal("cannot write %s", qPrintable(name));
        return f.fileName();
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    static const CellLook &look(const CellModel &window, const char *array, int index = -1)
    {
        return window.look(window.find(QString::fromLatin1(array), index));
    }
    static QList<CellLook> looks(const CellModel &window)
    {
        QList<CellLook> out;
        for (int id = 0; id < window.layout().cellCount(); ++id)
            out << window.look(id);
        return out;
    }

    // Runs `write` with writes failing beyond `bytes`, as on a full disk.
    template <typename Write> static void withFullDisk(rlim_t bytes, Write write)
    {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        write();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
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
        return text + QStringLiteral(" [%1 %2 %3]")
                          .arg(int(buttons))
                          .arg(int(icon))
                          .arg(title ? u'"' + *title + u'"' : QStringLiteral("program"));
    }
    static QString warning(const QString &text)
    {
        return box(text, MsgButtons::Ok, MsgIcon::Exclamation);
    }

    ScriptedPlatform platform;
    AppState st;
    MainModel main;
    std::array<std::unique_ptr<Flow_Test_Sheet>, 5> sheets;
    std::unique_ptr<CompareStandIn> compare;
    GraphWindowState graph;
    TestHooks hooks;
    int cleared = 0; // times the graph picture was cleared
    std::unique_ptr<Models> windows;
};

} // namespace zyt::test
