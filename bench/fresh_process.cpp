#include "fresh_process.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace zyt::bench {

namespace {

constexpr const char *ChildFlag = "--first-show-child=";

std::map<std::string, FirstShow> &shows()
{
    static std::map<std::string, FirstShow> all;
    return all;
}

// Notes the first paint the window itself gets; its children paint in the
// same pass, and the pass ends with the picture on the screen.
class PaintWatch final : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// One child per run; each iteration's time is the child's own.
void timeInFreshProcesses(benchmark::State &state, const std::string &name)
{
    std::vector<double> runs;
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(childEnvironment());
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(ChildFlag) + QString::fromStdString(name)});
        child.waitForFinished(60000);
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        const double ms = words.size() == 2 && words[0] == "first-show" ? words[1].toDouble() : 0.0;
        if (ms <= 0.0) {
            state.SkipWithError("the child process reported no first show");
            break;
        }
        runs.push_back(ms);
        state.SetIterationTime(ms / 1000.0);
    }
    std::sort(runs.begin(), runs.end());
    if (!runs.empty()) {
        state.counters["median_ms"] = runs[runs.size() / 2];
        state.counters["min_ms"] = runs.front();
        state.counters["max_ms"] = runs.back();
    }
}

} // namespace

int registerFirstShow(const char *name, FirstShow show)
{
    shows()[name] = std::move(show);
    benchmark::RegisterBenchmark(
        name, [n = std::string(name)](benchmark::State &state) { timeInFreshProcesses(state, n); })
        ->Iterations(15)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    return 0;
}

bool runFirstShowChild(int argc, char **argv)
{
    const std::size_t flagSize = std::strlen(ChildFlag);
    if (argc != 2 || std::strncmp(argv[1], ChildFlag, flagSize) != 0)
        return false;
    const auto found = shows().find(argv[1] + flagSize);
    const double ms = found == shows().end() ? 0.0 : found->second();
    std::printf("first-show %.3f\n", ms);
    std::fflush(stdout);
    return true;
}

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (QGuiApplication::platformName() != u"offscreen")
        return environment;
    static QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    if (!QFile::exists(config)) {
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1920,
                           "height": 1080, "logicalDpi": 96, "logicalBpp": 32, "dpr": 1}]})");
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config);
    return environment;
}

void showPainted(QWidget &window)
{
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.removeEventFilter(&watch);
}

} // namespace zyt::bench
