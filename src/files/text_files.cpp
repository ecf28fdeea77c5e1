#include "text_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace zyt {

namespace {

// Characters of bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t Bom = 0xFEFF;

bool hasBom(QByteArrayView bytes) { return bytes.startsWith("\xEF\xBB\xBF"); }

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    // The byte order mark is dropped by the caller; a second one is text.
    // Stateless: a sequence cut off at the end is an error, not held back.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool hasHighBytes(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *p = out.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *p++ = QChar(b >= 0x80 && b <= 0x9F ? High[b - 0x80] : char16_t(b));
    }
    return out;
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *p = out.data();
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *p++ = static_cast<char>(u);
            continue;
        }
        int found = -1;
        for (int i = 0; i < int(High.size()); ++i) {
            if (High[size_t(i)] == u) {
                found = i;
                break;
            }
        }
        if (found < 0)
            return std::nullopt;
        *p++ = static_cast<char>(0x80 + found);
    }
    return out;
}

QString decodeFileText(QByteArrayView bytes)
{
    if (hasBom(bytes))
        bytes = bytes.sliced(3);
    if (std::optional<QString> text = decodeUtf8(bytes))
        return *text;
    return decodeWindows1252(bytes);
}

QByteArray encodeFileText(QStringView text)
{
    if (std::optional<QByteArray> bytes = encodeWindows1252(text)) {
        // Bytes that happen to be valid UTF-8, or begin like its byte order
        // mark, would be read back as other characters.
        if (!hasHighBytes(*bytes) || (!hasBom(*bytes) && !decodeUtf8(*bytes)))
            return *bytes;
    }
    QByteArray out = text.toUtf8();
    // The reader drops one leading byte order mark; keep a text's own one.
    if (text.startsWith(QChar(Bom)))
        out.prepend("\xEF\xBB\xBF");
    return out;
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.sliced(start, i - start).toString();
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.sliced(start).toString();
    return lines;
}

FileReadStatus readWholeFile(const QString &path, QByteArray &bytes, qint64 limit)
{
    bytes.clear();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return FileReadStatus::Missing;
    // A folder, a pipe or a device is nothing to read whole: a pipe could
    // block for ever and a device never end.
    if (!info.isFile())
        return FileReadStatus::NotRegular;
    if (info.size() > limit)
        return FileReadStatus::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileReadStatus::CannotRead;
    // Read into a buffer of the size the file reports (a file may report
    // none, or grow meanwhile), growing it up to one byte past the limit.
    bytes.resize(std::min(limit, info.size()) + 1);
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > limit)
                break;
            bytes.resize(std::min(limit + 1, 2 * filled));
        }
        const qint64 n = file.read(bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            bytes.clear();
            return FileReadStatus::CannotRead;
        }
        if (n == 0)
            break;
        filled += n;
    }
    bytes.resize(filled);
    if (filled > limit) {
        bytes.clear();
        return FileReadStatus::TooLarge;
    }
    return FileReadStatus::Ok;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QSaveFile file(path);
    // Unbuffered: a short write (a full disk) must show here. Left to the
    // buffer it would surface only while committing, where the save file
    // does not notice it and puts the cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString displayLine(QStringView line)
{
    constexpr qsizetype Shown = 200;
    QStringView part = line;
    bool cut = false;
    if (line.size() > Shown) {
        qsizetype n = Shown;
        if (line[n - 1].isHighSurrogate())
            --n;
        part = line.first(n);
        cut = true;
    }
    QString out = part.toString();
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u < 0x20)
            c = QChar(char16_t(0x2400 + u)); // the symbols for control characters
        else if (u == 0x7F)
            c = QChar(char16_t(0x2421));
    }
    if (cut)
        out += QStringLiteral("...");
    return out;
}

QString resolveFileIn(const QString &folder, const QString &name)
{
    QString relative = name;
    relative.replace(u'\\', u'/');
    const QDir base(folder);
    const QString exact = base.filePath(relative);
    if (QDir::isAbsolutePath(relative) || QFileInfo::exists(exact))
        return exact;
    QDir dir = base;
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString found;
        if (part == u"." || part == u"..") {
            found = part;
        } else {
            const QStringList entries = dir.entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        if (found.isEmpty())
            return exact;
        if (i + 1 == parts.size())
            return dir.filePath(found);
        if (!dir.cd(found))
            return exact;
    }
    return exact;
}

} // namespace zyt
