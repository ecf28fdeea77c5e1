// Any bytes through the text decoding, the line splitting and the pieces of
// a record line: nothing may crash or throw, no piece may reach past its
// line, and the text must come back whole from the encoder.

#include "files/record_lines.h"
#include "files/text_files.h"
#include "fuzz_support.h"

using namespace zyt;

namespace {

void run(QByteArrayView bytes)
{
    const QString text = decodeFileText(bytes);
    FUZZ_CHECK(text.size() <= bytes.size());
    FUZZ_CHECK(decodeFileText(encodeFileText(text)) == text);

    const QStringList lines = splitLines(text);
    FUZZ_CHECK(lines.size() <= text.size());
    qsizetype chars = 0;
    for (const QString &line : lines) {
        chars += line.size();
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));

        const RecordLine r(line);
        FUZZ_CHECK(r.text() == line);
        FUZZ_CHECK(r.lower().size() == line.size());
        const qsizetype pos = r.Char_Pos();
        FUZZ_CHECK(pos >= 0 && pos <= line.size());
        FUZZ_CHECK(pos == 0 ? !line.contains(u'=') : line[pos - 1] == u'=');
        FUZZ_CHECK(line.endsWith(r.value()));
        FUZZ_CHECK(r.value().size() == r.lowerValue().size());
        FUZZ_CHECK(pos == 0 || r.value().size() >= line.size() - pos - 1);
        for (qsizetype k : {0, 5, 8, 10, 14}) {
            const RecordLine::Index i = r.index(k, u'.');
            FUZZ_CHECK(i.status != RecordLine::IndexStatus::Ok || i.value == i.value);
        }

        const QString shown = displayLine(line);
        FUZZ_CHECK(shown.size() <= 203);
        for (QChar c : shown)
            FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7F);
    }
    FUZZ_CHECK(chars <= text.size());

    RecordWriter w;
    for (const QString &line : lines)
        w.record(u"Key", line);
    FUZZ_CHECK(w.Write_Count() == lines.size());
    FUZZ_CHECK(splitLines(decodeFileText(w.bytes())).size() == lines.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the record lines");
    }
    return 0;
}
