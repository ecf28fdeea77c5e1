#include "fake_screen.h"
#include "files/flow_data_file.h"
#include "files/main_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "main/main_window.h"
#include "main/program.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/sheet_design.h"
#include "program_starts.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using S = zyt::Flow_Test_Sheet;

// A long comment as hand-typed notes: 8,000 lines.
QString longComment()
{
    QString text;
    for (int k = 1; k <= 8000; ++k) {
        if (k > 1)
            text += QStringLiteral("\r\n");
        text += QStringLiteral("Run %1: short turn reshaped, 0.450 lift, flow up 2.5 CFM").arg(k);
    }
    return text;
}

// The comment at its limit, 1,000,000 characters: the same notes repeated.
QString millionCharacterComment()
{
    const QString lines = longComment() + QStringLiteral("\r\n");
    QString text;
    while (text.size() < zyt::MaxCommentLength)
        text += lines;
    text.truncate(zyt::MaxCommentLength);
    return text;
}

// A flow data file with a long comment loaded into a sheet whose window
// shows, through its load command.
void loadIntoAnOpenSheet(benchmark::State &state, const QString &comment)
{
    QTemporaryDir folder;
    zyt::test::ScriptedPlatform platform;
    platform.answerAllWith(zyt::AnswerOk);
    platform.setProgramFolder(folder.path());
    zyt::AppState st;
    st.platform = platform.platform();
    zyt::fillSheetHelpTexts(st.ui);
    S sheet;
    {
        S source;
        source.setCell(S::Text38, S::Single, comment);
        const QString path = folder.filePath(QStringLiteral("comments.dat"));
        zyt::writeFileAtomically(path, zyt::writeFlowDataRecords(source).bytes());
        platform.chooseAlways(path);
    }
    zyt::SheetWindow window(sheet, st);
    window.show();
    window.NextPage_Click(); // the comments box shows on page 2
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.Load_Data_Click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        sheet.setCell(S::Text38, S::Single, QString());
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void commentsIntoAnOpenSheet(benchmark::State &state) { loadIntoAnOpenSheet(state, longComment()); }

void millionCharactersIntoAnOpenSheet(benchmark::State &state)
{
    loadIntoAnOpenSheet(state, millionCharacterComment());
}

// One key typed at the end of a comments box filled to its limit.
void keyIntoAFullComment(benchmark::State &state)
{
    zyt::test::ScriptedPlatform platform;
    platform.answerAllWith(zyt::AnswerOk);
    zyt::AppState st;
    st.platform = platform.platform();
    zyt::fillSheetHelpTexts(st.ui);
    S sheet;
    QString full;
    for (int k = 0; k < zyt::MaxCommentLength / 100; ++k)
        full += QString(99, u'a') + QStringLiteral("\r\n");
    full.chop(2);
    sheet.setCell(S::Text38, S::Single, full);
    zyt::SheetWindow window(sheet, st);
    window.show();
    window.NextPage_Click(); // the comments box shows on page 2
    QCoreApplication::processEvents();
    auto *box = qobject_cast<QPlainTextEdit *>(window.cellWidget(S::Text38, S::Single));
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    for (auto _ : state) {
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_B}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                            key == Qt::Key_B ? QStringLiteral("b") : QStringLiteral("\b"));
            QApplication::sendEvent(box, &press);
        }
        QCoreApplication::processEvents();
    }
}

// From nothing to the main window shown, with the long comment in the
// autosave file of the earlier run.
void commentsThroughTheAutosave(benchmark::State &state)
{
    QTemporaryDir folder;
    zyt::test::FakeScreen screen(1920, 1080, 96);
    zyt::test::ScriptedPlatform platform;
    platform.answerAllWith(zyt::AnswerOk);
    platform.setProgramFolder(folder.path());
    zyt::Platform p = platform.platform();
    p.screen = &screen;
    {
        zyt::Program earlier(p);
        earlier.Form_Load(QString());
        earlier.main.setCell(zyt::MainModel::Text38, longComment());
        earlier.Exit_Click();
    }
    zyt::bench::timeProgramStarts(state, p);
}

} // namespace

BENCHMARK(commentsIntoAnOpenSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(millionCharactersIntoAnOpenSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(commentsThroughTheAutosave)->Unit(benchmark::kMillisecond);
BENCHMARK(keyIntoAFullComment)->Unit(benchmark::kMillisecond);
