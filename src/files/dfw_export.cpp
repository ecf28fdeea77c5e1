#include "dfw_export.h"

#include "calc/formats.h"
#include "file_command.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/ui_state.h"
#include "outside_files.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

using S = Flow_Test_Sheet;
namespace units = outsideUnits;

const QString Question =
    QStringLiteral("Will This Flow File be Used With Performance Trends - Engine Analyzer?");
const FileKind Kind{.filter = QStringLiteral("Flow Data Files (*.dfw)|*.dfw"),
                    .failure = failureBox(QStringLiteral("Problem - DFW File was Not Saved")),
                    .countText = {}};
const QString TooManyPoints = QStringLiteral(
    "There are more than 10 Data Point. This may cuase problems with some software.");

constexpr int ManyPoints = 10;

class Writer {
public:
    Writer(const S &sheet, bool metric, const NumberStyle &numbers)
        : sheet_(sheet), numbers_(numbers), metric_(metric)
    {
    }

    void line(const QString &text)
    {
        // A line break inside a cell would split the line in two.
        for (QChar c : text)
            text_ += c == u'\r' || c == u'\n' ? QChar(u' ') : c;
        text_ += QLatin1StringView(Crlf);
    }

    void valveLine(S::Array a)
    {
        const double cell = parseNumber(sheet_.cell(a, 3), numbers_.localeDecimal);
        line(QStringLiteral("1 ") + Format_6_Dec(units::lengthInches(cell, metric_), numbers_));
        line(QStringLiteral("1 28"));
    }

    // The rows whose lift and corrected flow both hold a number other than
    // zero, top row first: their lifts, then their flows.
    int points(S::Array flowColumn)
    {
        QStringList lifts;
        QStringList flows;
        for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row) {
            const double lift = fixDecimalSepValue(sheet_.cell(S::Text101, row), numbers_);
            const double flow = fixDecimalSepValue(sheet_.cell(flowColumn, row), numbers_);
            if (lift == 0.0 || flow == 0.0)
                continue;
            lifts << QStringLiteral("1 ") + fixed6(units::liftInches(lift, metric_));
            flows << QStringLiteral("1 ") + fixed6(units::flowCfm(flow, metric_));
        }
        for (const QString &l : lifts)
            line(l);
        for (const QString &l : flows)
            line(l);
        return int(lifts.size());
    }

    // A port length: inches for the peer, whatever the cell shows.
    QString length(S::Array a, int index) const
    {
        const QString &text = sheet_.cell(a, index);
        if (!metric_)
            return text;
        try {
            const double mm = fixDecimalSepValue(text, numbers_);
            return Format_3_Dec(units::lengthInches(mm, true), numbers_);
        } catch (const RuntimeError &) {
            return text;
        }
    }

    QString text_;

private:
    QString fixed6(double v) const
    {
        return formatNumber(v, 6, 6, false, numbers_.localeDecimal, numbers_.localeGroup);
    }

    const S &sheet_;
    const NumberStyle &numbers_;
    const bool metric_;
};

} // namespace

DFW_Flow_File writeDfwText(const Flow_Test_Sheet &sheet, bool engineAnalyzer, bool metric,
                           const NumberStyle &numbers)
{
    Writer body(sheet, metric, numbers);
    body.valveLine(S::Text102);
    const int inCount = body.points(S::Text102);
    body.valveLine(S::Text104);
    const int exCount = body.points(S::Text103);
    body.line(sheet.cell(S::Text106, 6)); // valve counts, as typed
    body.line(sheet.cell(S::Text108, 6));
    body.line(QStringLiteral("***"));
    body.line(QStringLiteral("***"));
    if (engineAnalyzer) {
        body.line(QStringLiteral("Performance Trends ONLY Information"));
        body.line(QStringLiteral("IVol = ") + sheet.cell(S::Text102, 1));
        body.line(QStringLiteral("EVol = ") + sheet.cell(S::Text104, 1));
        body.line(QStringLiteral("ILen = ") + body.length(S::Text102, 8));
        body.line(QStringLiteral("ELen = ") + body.length(S::Text104, 8));
    }

    Writer file(sheet, metric, numbers);
    file.line(QStringLiteral("5.00"));
    file.line(QStringLiteral("V O R N - Exported Flow Data From ZYT Program"));
    file.line(QStringLiteral("0"));
    file.line(QString::number(inCount));
    file.line(QString::number(exCount));
    return DFW_Flow_File{file.text_ + body.text_ + QLatin1StringView(Crlf), inCount, exCount};
}

bool Export_DFW_File(const Flow_Test_Sheet &sheet, AppState &st)
{
    const bool engineAnalyzer =
        st.platform.message(MsgRequest{Question, MsgButtons::YesNo, MsgIcon::None, std::nullopt}) ==
        AnswerYes;
    DFW_Flow_File file;
    const auto build = [&]() -> std::optional<FileText> {
        try {
            file = writeDfwText(sheet, engineAnalyzer, st.Metric(), st.numbers);
        } catch (const RuntimeError &) {
            return std::nullopt;
        }
        return FileText{file.text, 0};
    };
    if (!writeFile(Kind, fileServices(st), std::nullopt, build))
        return false;
    if ((file.inCount > ManyPoints || file.exCount > ManyPoints) && !engineAnalyzer)
        st.platform.message(TooManyPoints, MsgButtons::Ok, MsgIcon::Exclamation);
    return true;
}

} // namespace zyt
