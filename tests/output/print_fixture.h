#pragma once

#include "calc/calculate_sheet.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "output/print_job.h"
#include "platform/recording_surface.h"
#include "scripted_platform.h"
#include "scripted_printer.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace zyt::test {

// A program state with the main window's cells, one sample sheet, scripted
// desktop services and a scripted printer as the current printer, on
// Tuesday 8 December 2026 at 9:05:07.
class PrintFixture {
public:
    PrintFixture()
    {
        st.platform = platform.platform();
        st.platform.print = &printer;
        st.numbers.setLocaleSeparators(u'.', u',');
        st.Main = &main;
        st.ui.App_Title = QStringLiteral("Vorn / ZYT -- Version: 4.8.0");
        st.print.Printer = QStringLiteral("Office");
        main.setCell(MainModel::Text94, QStringLiteral("Quarnel Airpath Studio"));
        inputs.printedAt = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
        inputs.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    }

    // Logo on, with a picture file of 100 x 50 pixels; the print layout.
    void logoOn(int layout)
    {
        st.graph.Logo_On = 1;
        inputs.logo = QImage(100, 50, QImage::Format_RGB32);
        inputs.logo.fill(Qt::blue);
        st.graph.Logo_File = QStringLiteral("logo.bmp");
        QVERIFY(inputs.logo.save(QDir(platform.path()).filePath(st.graph.Logo_File)));
        main.setCell(MainModel::Option4, QString::number(layout));
    }
    PageHeaderInfo header() const { return pageHeaderFrom(st, inputs); }
    // The sheet recalculated in the units of the main window.
    void calculate() { Calculate_Sheet(sheet, st.Metric(), st.calc, st.numbers, st.platform); }

    ScriptedPlatform platform;
    ScriptedPrinter printer;
    AppState st;
    MainModel main;
    Flow_Test_Sheet sheet;
    PrintInputs inputs;
};

// The first text printed as `text`; fails the test when there is none.
inline DrawOp textOp(const RecordingSurface &s, const QString &text)
{
    for (const DrawOp &op : s.ops)
        if (op.kind == DrawOp::Kind::Text && op.text == text)
            return op;
    QTest::qFail(qPrintable(QStringLiteral("not printed: ") + text), __FILE__, __LINE__);
    return DrawOp();
}

} // namespace zyt::test
