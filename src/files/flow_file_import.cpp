#include "flow_file_import.h"

#include "calc/formats.h"
#include "file_command.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

using S = Flow_Test_Sheet;
namespace units = outsideUnits;

const QString Filter = QStringLiteral("Flow Files (*.flw, *.dfw)|*.flw; *.dfw|"
                                      "DeskTop Dyno Files (*.dyn)|*.dyn|"
                                      "Dynomation Files (*.dym)|*.dym|"
                                      "All Files (*.*)|*.*");

// The filter entry chosen last is preselected the next time.
const FileKind Kind{.filter = Filter,
                    .failure = MsgRequest{QStringLiteral("No Flow File Selected"), MsgButtons::Ok,
                                          MsgIcon::None, std::nullopt},
                    .countText = {},
                    .keepLastName = true,
                    .filterMemory = &FileState::Import_Filter_Index};
const QString NoFlowInformation = QStringLiteral("NO Flow Infomation Found!!!");
const QString NotAllProcessed = QStringLiteral("NOT ALL Flow Infomation Could be Pocessed!!!");
const QString ProblemReading =
    QStringLiteral("Problem Reading Flow File -- May Not have all needed Information");

constexpr int FirstDataRow = 17;

// The file ended, or a side has more points than places.
struct ReadFailure {};

class Lines {
public:
    explicit Lines(const QStringList &lines) : lines_(lines) {}

    const QString &read()
    {
        if (Read_Count >= lines_.size())
            throw ReadFailure{};
        return lines_[Read_Count++];
    }

    int Read_Count = 0;

private:
    const QStringList &lines_;
};

class Reader {
public:
    Reader(bool metric, const NumberStyle &numbers) : numbers_(numbers), metric_(metric) {}

    // The number a value line holds after its leading "1".
    double value(const QString &line) const { return fixDecimalSepValue(line.mid(1), numbers_); }

    // A count line is a whole number.
    int count(const QString &line) const { return cint(fixDecimalSepValue(line, numbers_)); }

    // A lift or flow as the lists keep it: at most four decimals. A lift
    // must still fit in thousandths of an inch.
    double point(const QString &line, bool lift) const
    {
        const double v = value(line);
        if (lift)
            checkFinite(v * 1000.0);
        return parseNumber(Format_4_Dec(v, numbers_), numbers_.localeDecimal);
    }

    void list(Lines &in, int count, FlowPointList &out, bool lifts) const
    {
        for (int i = 0; i < count; ++i) {
            const QString &line = in.read();
            if (i >= FlowPoints)
                throw ReadFailure{};
            out[size_t(i)] = point(line, lifts);
        }
    }

    QString diameter(double inches) const
    {
        return metric_ ? units::metricLengthCell(inches, numbers_) : Format_4_Dec(inches, numbers_);
    }

private:
    const NumberStyle &numbers_;
    const bool metric_;
};

int markerCount(FlowFileKind kind)
{
    switch (kind) {
    case FlowFileKind::Dyn:
        return 3;
    case FlowFileKind::Dym:
        return 5;
    case FlowFileKind::Flw:
    case FlowFileKind::Dfw:
        break;
    }
    return 1;
}

bool hasExhaustCount(FlowFileKind kind)
{
    return kind == FlowFileKind::Dfw || kind == FlowFileKind::Dym;
}

} // namespace

FlowFileKind flowFileKind(QStringView path)
{
    const QString last = path.right(3).toString().toLower();
    if (last == u"dyn")
        return FlowFileKind::Dyn;
    if (last == u"dym")
        return FlowFileKind::Dym;
    if (last == u"dfw")
        return FlowFileKind::Dfw;
    return FlowFileKind::Flw;
}

FlowFileRead readFlowFileLines(Flow_Test_Sheet &sheet, const QStringList &lines, FlowFileKind kind,
                               bool metric, const NumberStyle &numbers)
{
    FlowFileRead out;
    FlowBlock &b = out.block;
    Lines in(lines);
    const Reader r(metric, numbers);
    try {
        // The block starts two lines after the marker's last appearance; a
        // line counts only when it equals the first line exactly.
        const QString marker = in.read();
        for (int seen = 1; seen < markerCount(kind);)
            if (in.read() == marker)
                ++seen;
        in.read();
        in.read();

        b.inCount = r.count(in.read());
        b.exCount = hasExhaustCount(kind) ? r.count(in.read()) : b.inCount;

        const QString &valveIn = in.read();
        if (!valveIn.startsWith(u"1 ")) {
            out.end = FlowReadEnd::NoFlowBlock;
            out.Read_Count = in.Read_Count;
            return out;
        }
        sheet.setCell(S::Text102, 3, r.diameter(r.value(valveIn)));
        b.inPressure = r.value(in.read());
        sheet.setCell(S::Text108, 7, Format_4_Dec(b.inPressure, numbers));
        r.list(in, b.inCount, b.inLift, true);
        r.list(in, b.inCount, b.inFlow, false);

        sheet.setCell(S::Text104, 3, r.diameter(r.value(in.read())));
        b.exPressure = r.value(in.read());
        r.list(in, b.exCount, b.exLift, true);
        r.list(in, b.exCount, b.exFlow, false);

        if (hasExhaustCount(kind)) {
            sheet.setCell(S::Text106, 6, in.read());
            sheet.setCell(S::Text108, 6, in.read());
        } else {
            sheet.setCell(S::Text106, 6, QStringLiteral("1"));
            sheet.setCell(S::Text108, 6, QStringLiteral("1"));
        }
        out.end = FlowReadEnd::Complete;
    } catch (const ReadFailure &) {
        out.end = FlowReadEnd::Failed;
    } catch (const RuntimeError &) {
        out.end = FlowReadEnd::Failed;
    }
    out.Read_Count = in.Read_Count;
    return out;
}

bool mergeFlowPoints(Flow_Test_Sheet &sheet, const FlowBlock &b, bool metric,
                     const NumberStyle &numbers)
{
    for (S::Array a :
         {S::Text101, S::Text106, S::Text107, S::Text108, S::Text207, S::Text210, S::Text211})
        for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row)
            sheet.setCell(a, row, QStringLiteral("0"));

    const bool pressuresDiffer = b.inPressure != b.exPressure;
    auto lift = [&](int row, double inches) {
        const QString text = units::liftCell(inches, metric, numbers);
        sheet.setCell(S::Text101, row, text);
        sheet.setCell(S::Text108, row, text);
    };
    auto flow = [&](S::Array a, int row, double cfm) {
        sheet.setCell(a, row,
                      metric ? units::metricFlowCell(cfm, numbers)
                             : Format_Short_Decimal(cfm, numbers));
    };
    auto exhaustPressure = [&](int row) {
        if (pressuresDiffer)
            sheet.setCell(S::Text211, row, Format_4_Dec(b.exPressure, numbers));
    };

    // Each row takes at most one point of a side, so neither place can pass
    // the fourteenth before the rows run out.
    size_t a = 0;
    size_t e = 0;
    for (int row = FirstDataRow; row <= S::LastLiftRow; ++row) {
        if (b.inFlow[a] == 0.0 && b.exFlow[e] == 0.0)
            break;
        const bool intakeFirst = b.inLift[a] < b.exLift[e] && b.inLift[a] != 0.0;
        if (b.inLift[a] == b.exLift[e]) {
            lift(row, b.inLift[a]);
            flow(S::Text106, row, b.inFlow[a]);
            flow(S::Text107, row, b.exFlow[e]);
            exhaustPressure(row);
            ++a;
            ++e;
        } else if (intakeFirst || b.exLift[e] == 0.0) {
            lift(row, b.inLift[a]);
            flow(S::Text106, row, b.inFlow[a]);
            ++a;
        } else {
            lift(row, b.exLift[e]);
            flow(S::Text107, row, b.exFlow[e]);
            exhaustPressure(row);
            ++e;
        }
    }

    // A point is left when its place, or a later one past a 0 flow that
    // ended the placing, still holds a flow.
    for (size_t i = a; i < b.inFlow.size(); ++i)
        if (b.inFlow[i] != 0.0)
            return false;
    for (size_t i = e; i < b.exFlow.size(); ++i)
        if (b.exFlow[i] != 0.0)
            return false;
    return true;
}

bool importFlowLines(Flow_Test_Sheet &sheet, const QStringList &lines, const QString &path,
                     AppState &st, SheetCalculation calculate)
{
    const bool metric = st.Metric();
    const FlowFileRead read =
        readFlowFileLines(sheet, lines, flowFileKind(path), metric, st.numbers);
    const QString count =
        Format_Thousands(read.Read_Count, st.numbers) + QStringLiteral(" Records Read");
    switch (read.end) {
    case FlowReadEnd::NoFlowBlock:
        st.platform.message(NoFlowInformation);
        return false;
    case FlowReadEnd::Failed:
        st.platform.message(ProblemReading);
        st.platform.message(count);
        return false;
    case FlowReadEnd::Complete:
        break;
    }
    st.platform.message(count);
    if (!mergeFlowPoints(sheet, read.block, metric, st.numbers))
        st.platform.message(NotAllProcessed);
    if (st.numbers.Decimal_Comma != 0)
        Form_Dots_To_Commas(sheet);
    else
        Form_Commas_To_Dots(sheet);
    calculate(sheet, metric, st.calc, st.numbers, st.platform);
    sheet.setCell(S::Text39, S::Single, path);
    return true;
}

bool Import_Flow_File(Flow_Test_Sheet &sheet, AppState &st)
{
    // The import shows its count itself, between its other boxes.
    const auto apply = [&](const QStringList &lines, const QString &path) {
        return ReadOutcome{importFlowLines(sheet, lines, path, st), 0, false};
    };
    return readFile(Kind, fileServices(st), std::nullopt, apply);
}

} // namespace zyt
