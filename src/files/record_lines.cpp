#include "record_lines.h"

#include "platform/numbers.h"
#include "text_files.h"

#include <cmath>

namespace zyt {

RecordLine::RecordLine(QString line) : line_(std::move(line)), lower_(line_)
{
    // Character by character, so the copy keeps the line's length and every
    // position in one is the same in the other.
    for (QChar &c : lower_)
        c = c.toLower();
    equals_ = line_.indexOf(u'=');
}

RecordLine::Index RecordLine::index(qsizetype keyLength, QChar decimal) const
{
    Index out;
    if (equals_ < keyLength)
        return out;
    out.status = IndexStatus::NotANumber;
    // Everything up to the "=": a blank before it is trimmed away like any
    // other, and an index written right against the "=" still counts.
    const std::optional<double> n =
        tryParseNumber(QStringView(lower_).sliced(keyLength, equals_ - keyLength), decimal);
    if (!n)
        return out;
    out.status = IndexStatus::Ok;
    out.value = std::floor(*n);
    return out;
}

QString RecordLine::valueOf(const QString &source) const
{
    if (equals_ < 0)
        return QString();
    qsizetype start = equals_ + 1;
    // Only the blank of " = " is skipped: a value written right after the
    // "=" keeps its first character.
    if (start < source.size() && source[start] == u' ')
        ++start;
    return source.sliced(start);
}

void RecordWriter::Write_Record_Line(QStringView Text_Buf)
{
    ++count_;
    text_ += Text_Buf;
    text_ += QLatin1StringView("\r\n");
}

void RecordWriter::record(QStringView key, QStringView value)
{
    QString line;
    line.reserve(key.size() + 3 + value.size());
    line += key;
    line += QLatin1StringView(" = ");
    const qsizetype start = line.size();
    line += value;
    for (qsizetype i = start; i < line.size(); ++i)
        if (line[i] == u'\r' || line[i] == u'\n')
            line[i] = u' ';
    Write_Record_Line(line);
}

void RecordWriter::comments(QStringView text)
{
    // The comments box may hold its lines joined by CR LF, LF or CR alike.
    QString line = QStringLiteral("Comments = ");
    const QStringList lines = splitLines(text);
    line += lines.join(QLatin1StringView("\r\n"));
    // A comment ending in a line break keeps its empty last line.
    if (!text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r'))
        line += QLatin1StringView("\r\n");
    Write_Record_Line(line);
}

QByteArray RecordWriter::bytes() const { return encodeFileText(text_); }

} // namespace zyt
