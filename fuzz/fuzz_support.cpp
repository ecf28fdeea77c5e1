#include "fuzz_support.h"

#include "files/flow_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "model/flow_test_sheet.h"

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
