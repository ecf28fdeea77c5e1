#include "ptpfa_import.h"

#include "calc/formats.h"
#include "file_command.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "platform/numbers.h"

#include <array>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;
using M = MainModel;
namespace units = outsideUnits;

const FileKind Kind{.filter = QStringLiteral("PTPFA Files (*.pti)|*.pti|All Files (*.*)|*.*"),
                    .failure =
                        failureBox(QStringLiteral("Data from PTPFA File has Not been Loaded")),
                    .countText = {},
                    .keepLastName = true};

constexpr int HeaderLines = 250;
constexpr int BaseRecordLength = 13;
constexpr int FirstDataRow = 17;

// Header lines copied into the sheet when they are not blank.
struct HeaderCell {
    int line;
    S::Array array;
    int index;
    bool length; // inches in the file, millimetres in the cell under "Metric"
};

const HeaderCell headerCells[] = {
    {34, S::Text102, 3, true},  // intake valve
    {35, S::Text102, 4, true},  // intake stem
    {36, S::Text102, 6, true},  // intake throat
    {37, S::Text202, 4, false}, // intake seat angle
    {39, S::Text102, 1, false}, // intake port volume, cc
    {40, S::Text106, 2, true},  // intake port width
    {41, S::Text108, 2, true},  // intake port height
    {42, S::Text102, 8, true},  // intake centre-line length
    {44, S::Text104, 3, true},  // the same for the exhaust
    {45, S::Text104, 4, true},  {46, S::Text104, 6, true}, {47, S::Text204, 4, false},
    {49, S::Text104, 1, false}, {50, S::Text106, 3, true}, {51, S::Text108, 3, true},
    {52, S::Text104, 8, true},
};

// The lines whose "1" lengthens every record by two lines; line 73 is not
// one of them.
constexpr std::array<int, 5> RecordSwitches = {69, 70, 71, 72, 74};

// Nothing but blanks, or nothing at all.
bool blank(const QString &text)
{
    for (QChar c : text)
        if (c != u' ')
            return false;
    return true;
}

// Thrown when a point would need a row past the last lift row: the reading
// ends there, with the import's failure box and no run-time error.
struct NoRowLeft {};

// The first separator of the other kind turned into the own one, as the
// separator walk of a window does for a cell holding a number.
QString ownSeparator(const QString &text, const NumberStyle &numbers)
{
    const QChar from = numbers.Decimal_Comma != 0 ? u'.' : u',';
    const QChar to = numbers.Decimal_Comma != 0 ? u',' : u'.';
    const qsizetype p = text.indexOf(from);
    if (p < 0)
        return text;
    QString changed = text;
    changed[p] = to;
    return tryParseNumber(changed, to) ? changed : text;
}

class Reader {
public:
    Reader(S &sheet, M &main, bool ptiName, bool metric, const NumberStyle &numbers)
        : sheet_(sheet), main_(main), numbers_(numbers), pti_(ptiName), metric_(metric),
          firstAnchor_(ptiName ? 271 : 258), anchor_(firstAnchor_)
    {
    }

    void header(int N, const QString &L)
    {
        for (const HeaderCell &c : headerCells) {
            if (c.line == N) {
                if (!blank(L))
                    sheet_.setCell(c.array, c.index, c.length ? length(L) : L);
                return;
            }
        }
        switch (N) {
        case 2:
            records_ = cint(fixDecimalSepValue(L, numbers_));
            break;
        case 63:
            sheet_.setCell(S::Text108, 7, L); // test pressure
            break;
        case 66:
            sheet_.setCell(S::Text104, 0, length(L)); // bore of the test
            break;
        case 68:
            sheet_.setCell(S::Text102, 10,
                           L.left(4).toLower() == u"none" ? QStringLiteral("No")
                                                          : QStringLiteral("Yes"));
            break;
        case 110:
            estimator(M::Text104, 3, L, true); // bore
            break;
        case 111:
            estimator(M::Text105, 3, L, true); // stroke
            break;
        case 112:
            estimator(M::Text111, 3, L, false); // cylinders
            break;
        case 113:
            if (!blank(L)) {
                estimator(M::Text101, 8, L, false); // compression ratio
                sheet_.setCell(S::Text110, 5, L);
            }
            break;
        default:
            for (int line : RecordSwitches)
                if (line == N && L == u"1")
                    recordLength_ += 2;
            break;
        }
        if (N == 141) // the record length is complete by now
            intakeEnd_ = firstAnchor_ + (records_ - 1) * recordLength_ - (pti_ ? 1 : 0);
    }

    // True once the last exhaust record has been read.
    bool data(int N, const QString &L)
    {
        if (side_ == Side::Intake)
            intake(N, L);
        else
            exhaust(N, L);
        return complete_;
    }

private:
    enum class Side { Intake, Exhaust };

    void intake(int N, const QString &L)
    {
        if (N == anchor_ - (pti_ ? 0 : 1)) {
            if (!L.isEmpty())
                lift(number(L));
        } else if (N == anchor_ + 2) {
            if (!L.isEmpty() && L != sheet_.cell(S::Text108, 7))
                put(S::Text210, row_, L); // depression of the point
        } else if (N == anchor_ + 6) {
            if (L.isEmpty()) {
                anchor_ += recordLength_;
                sideCheck();
            } else if (liftIsZero()) {
                // A record at lift 0 measures the bench itself: its flow is
                // taken off every later one and fills no row.
                intakeBase_ = number(L);
                hasIntakeBase_ = true;
                anchor_ += recordLength_;
            } else {
                put(S::Text106, row_, flow(L, intakeBase_));
                ++row_;
                anchor_ += recordLength_;
                sideCheck();
            }
        } else if (N == anchor_ + 8 - recordLength_) {
            if (!blank(L))
                put(S::Text207, row_ - 1, L); // swirl of the record before
        }
    }

    void sideCheck()
    {
        if (anchor_ <= intakeEnd_)
            return;
        side_ = Side::Exhaust;
        row_ = FirstDataRow;
        anchor_ = firstAnchor_ + records_ * recordLength_ + 9;
        exhaustEnd_ = anchor_ + (records_ - 1) * recordLength_ - (pti_ ? 1 : 0);
    }

    void exhaust(int N, const QString &L)
    {
        if (N == anchor_ - 4) {
            if (!L.isEmpty() && L != sheet_.cell(S::Text108, 7))
                put(S::Text211, row_, L);
        } else if (N == anchor_) {
            if (L.isEmpty()) {
                anchor_ += recordLength_;
                complete_ = anchor_ > exhaustEnd_;
            } else if (hasIntakeBase_ && !hasExhaustBase_) {
                // The exhaust side starts with its own record at lift 0.
                exhaustBase_ = number(L);
                hasExhaustBase_ = true;
                anchor_ += recordLength_;
            } else {
                put(S::Text107, row_, flow(L, exhaustBase_));
                ++row_;
                anchor_ += recordLength_;
                complete_ = anchor_ > exhaustEnd_;
            }
        }
    }

    double number(const QString &L) const { return fixDecimalSepValue(L, numbers_); }

    bool liftIsZero() const
    {
        row(row_);
        return liftThou_[size_t(row_)] == 0.0;
    }

    static void row(int r)
    {
        if (r < S::FirstLiftRow || r > S::LastLiftRow)
            throw NoRowLeft();
    }

    void put(S::Array a, int r, const QString &text)
    {
        row(r);
        sheet_.setCell(a, r, text);
    }

    void lift(double inches)
    {
        row(row_);
        const QString thou = units::liftCell(inches, false, numbers_);
        const QString text = metric_ ? units::liftCell(inches, true, numbers_) : thou;
        // Whether a record is at lift 0 is judged in thousandths, as the
        // file's own units have it, whatever the cells show.
        liftThou_[size_t(row_)] = parseNumber(thou, numbers_.localeDecimal);
        sheet_.setCell(S::Text101, row_, text);
        sheet_.setCell(S::Text108, row_, text);
    }

    // The flow less the base taken at lift 0; without a base the file's
    // text is kept, though it must hold a number all the same.
    QString flow(const QString &L, double base) const
    {
        const double v = number(L);
        if (metric_)
            return units::metricFlowCell((Checked(v) - base).value(), numbers_);
        if (base != 0.0)
            return Format_1_Dec((Checked(v) - base).value(), numbers_);
        return L;
    }

    QString length(const QString &L) const { return units::lengthText(L, metric_, numbers_); }

    void estimator(M::Array a, int index, const QString &L, bool length)
    {
        if (blank(L))
            return;
        QString text = L;
        if (length && metric_) {
            // Millimetres as the metric switch gives the estimator.
            if (const auto v = tryNumber(L))
                text = Format_2_Dec((Checked(*v) * units::MmPerInch).value(), numbers_);
        }
        main_.setCell(a, index, ownSeparator(text, numbers_));
    }

    std::optional<double> tryNumber(const QString &L) const
    {
        try {
            return number(L);
        } catch (const RuntimeError &) {
            return std::nullopt;
        }
    }

    S &sheet_;
    M &main_;
    const NumberStyle &numbers_;
    const bool pti_;
    const bool metric_;
    const int firstAnchor_;

    int records_ = 0;
    int recordLength_ = BaseRecordLength;
    int intakeEnd_ = 0;
    int exhaustEnd_ = 0;
    Side side_ = Side::Intake;
    int row_ = FirstDataRow;
    int anchor_;
    double intakeBase_ = 0.0;
    double exhaustBase_ = 0.0;
    bool hasIntakeBase_ = false;
    bool hasExhaustBase_ = false;
    bool complete_ = false;
    std::array<double, S::LastLiftRow + 1> liftThou_{}; // the rows start at "0"
};

} // namespace

PtpfaRead readPtpfaLines(Flow_Test_Sheet &sheet, MainModel &main, const QStringList &lines,
                         bool ptiName, bool metric, const NumberStyle &numbers)
{
    for (S::Array a :
         {S::Text101, S::Text106, S::Text107, S::Text108, S::Text207, S::Text210, S::Text211})
        for (int r = S::FirstLiftRow; r <= S::LastLiftRow; ++r)
            sheet.setCell(a, r, QStringLiteral("0"));

    PtpfaRead out;
    Reader reader(sheet, main, ptiName, metric, numbers);
    try {
        for (const QString &line : lines) {
            const int N = out.linesRead++;
            if (N < HeaderLines) {
                reader.header(N, line);
            } else if (reader.data(N, line)) {
                // Whatever follows the last record is of no use.
                out.complete = true;
                break;
            }
        }
    } catch (const RuntimeError &e) {
        out.error = e;
    } catch (const NoRowLeft &) {
        out.tooManyPoints = true;
    }
    return out;
}

bool importPtpfaLines(Flow_Test_Sheet &sheet, MainModel &main, const QStringList &lines,
                      const QString &path, AppState &st, SheetCalculation calculate)
{
    const bool ptiName = path.endsWith(QLatin1StringView("pti"), Qt::CaseInsensitive);
    const PtpfaRead read = readPtpfaLines(sheet, main, lines, ptiName, st.Metric(), st.numbers);
    if (read.error || read.tooManyPoints) {
        QString text = QStringLiteral("Some or All of the Data from PTPFA File ") + path +
                       QStringLiteral(" has Not been Loaded");
        if (read.error)
            text.prepend(QStringLiteral("Error Number ") + QString::number(read.error->number()) +
                         QStringLiteral(" -- ") + read.error->description() +
                         QStringLiteral("\r\n\r\n"));
        st.platform.message(MsgRequest{text, MsgButtons::Ok, MsgIcon::Critical, std::nullopt});
        return false;
    }
    if (st.numbers.Decimal_Comma != 0)
        Form_Dots_To_Commas(sheet);
    else
        Form_Commas_To_Dots(sheet);
    calculate(sheet, st.Metric(), st.calc, st.numbers, st.platform);
    sheet.setCell(S::Text39, S::Single, path);
    return true;
}

bool Import_PTPFA_File(Flow_Test_Sheet &sheet, MainModel &main, AppState &st)
{
    const auto apply = [&](const QStringList &lines, const QString &path) {
        return ReadOutcome{importPtpfaLines(sheet, main, lines, path, st), 0, false};
    };
    return readFile(Kind, fileServices(st), std::nullopt, apply);
}

} // namespace zyt
