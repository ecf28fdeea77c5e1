#include "fuzz_support.h"

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "files/flow_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"

#include <QDir>
#include <QTemporaryDir>

namespace zyt::fuzz {

FuzzPlatform::FuzzPlatform()
{
    platform.messages = this;
    platform.beeper = this;
    platform.dialogs = this;
    platform.folder = this;
}

FuzzPlatform::~FuzzPlatform() = default;

void FuzzPlatform::reset(std::uint8_t answers)
{
    answers_ = answers;
    asked_ = 0;
    texts.clear();
}

int FuzzPlatform::show(const MsgRequest &request)
{
    texts << request.text;
    if (request.buttons == MsgButtons::Ok)
        return AnswerOk;
    const bool no = (answers_ >> (asked_++ % 8)) & 1;
    if (request.buttons == MsgButtons::YesNo)
        return no ? AnswerNo : AnswerYes;
    return no ? AnswerCancel : AnswerOk;
}

QString FuzzPlatform::path()
{
    if (!folder_) {
        folder_ = std::make_unique<QTemporaryDir>();
        const QDir dir(folder_->path());
        Flow_Test_Sheet sample;
        writeFileAtomically(dir.filePath(QStringLiteral("test1.dat")),
                            writeFlowDataRecords(sample).bytes());
        writeFileAtomically(dir.filePath(QStringLiteral("logo.bmp")), "BM");
    }
    return folder_->path();
}

void resetState(AppState &st, FuzzPlatform &platform)
{
    st = AppState();
    st.platform = platform.platform;
    st.numbers.setLocaleSeparators(u'.', u',');
}

namespace {

ImportRun *running = nullptr;

} // namespace

ImportRun::ImportRun(FuzzPlatform &platform, bool metric, bool comma) : platform_(platform)
{
    resetState(st, platform);
    if (comma)
        st.numbers.setLocaleSeparators(u',', u'.');
    main.setCell(MainModel::Check2, metric ? QStringLiteral("1") : QStringLiteral("0"));
    st.Main = &main;
    if (st.numbers.Decimal_Comma != 0)
        Form_Dots_To_Commas(sheet);
    sheet.setCell(Flow_Test_Sheet::Text39, Flow_Test_Sheet::Single, before);
    QObject::connect(&sheet, &CellModel::cellChanged, [this](int id) {
        if (!calculating_)
            written.insert(id);
    });
    running = this;
}

ImportRun::~ImportRun() { running = nullptr; }

void ImportRun::calculate(Flow_Test_Sheet &sheet, bool metric, CalcState &calc,
                          const NumberStyle &numbers, const Platform &platform)
{
    FUZZ_CHECK(running != nullptr);
    ++running->calculations;
    running->boxesBeforeCalculation = running->platform_.texts.size();
    running->calculating_ = true;
    Calculate_Sheet(sheet, metric, calc, numbers, platform);
    running->calculating_ = false;
}

std::set<int> ImportRun::liftRowCells()
{
    using S = Flow_Test_Sheet;
    const CellLayout &l = S::sheetLayout();
    std::set<int> out;
    for (int r = 16; r <= 30; ++r)
        for (S::Array a :
             {S::Text101, S::Text106, S::Text107, S::Text108, S::Text207, S::Text210, S::Text211})
            out.insert(l.id(a, r));
    return out;
}

QString lowerChars(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = c.toLower();
    return out;
}

QString asWrittenValue(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return out;
}

QString asWrittenComments(const QString &text)
{
    QString out = splitLines(text).join(QStringLiteral("\r\n"));
    if (!text.isEmpty() && (text.back() == u'\r' || text.back() == u'\n'))
        out += QStringLiteral("\r\n");
    return out;
}

QByteArrayView fileBytes(const std::uint8_t *data, size_t size)
{
    if (size == 0)
        return {};
    return QByteArrayView(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
}

} // namespace zyt::fuzz
