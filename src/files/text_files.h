#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace zyt {

// The program's own files, its text files and a logo picture, are small;
// anything larger is no file of ours, and reading it whole would only cost
// memory.
inline constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// Windows-1252, the code page the program's files have always been written
// in. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character there and
// stand for the control characters of the same number, both ways.
QString decodeWindows1252(QByteArrayView bytes);
// Nothing when a character has no byte in the code page.
std::optional<QByteArray> encodeWindows1252(QStringView text);

// The text of a file: UTF-8 when the bytes are valid UTF-8 (a leading byte
// order mark dropped), else Windows-1252.
QString decodeFileText(QByteArrayView bytes);
// The bytes to write: Windows-1252 when every character has a byte there and
// the result cannot be taken for UTF-8 on reading, else UTF-8. Decoding the
// result gives `text` back.
QByteArray encodeFileText(QStringView text);

// The lines of a text; CR LF, a lone CR and a lone LF each end a line. A
// terminator at the very end adds no empty line; an unended last line is a
// line. An empty text has no lines.
QStringList splitLines(QStringView text);

enum class FileReadStatus { Ok, Missing, NotRegular, TooLarge, CannotRead };

// Reads a regular file of at most `limit` bytes whole.
FileReadStatus readWholeFile(const QString &path, QByteArray &bytes, qint64 limit = MaxFileSize);

// Replaces the file at `path` by `bytes` in one step: either the new content
// is there in full, or the old file stays as it was.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

// A line of a file as a message box shows it: control characters as visible
// symbols and a long line cut to about 200 characters and "...".
QString displayLine(QStringView line);

// The path of a file named relative to `folder` (as "\" as well as "/"
// separated names, the way the program has always stored them). When that
// exact path does not exist, a path differing only in letter case is used.
// An absolute name is taken as it is.
QString resolveFileIn(const QString &folder, const QString &name);

} // namespace zyt
