#pragma once

#include <QByteArray>
#include <QChar>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace zyt {

// One line of a record file: a key, " = " and a value, as in
// "Text102_10 = No". Keys are matched in lower case by prefix; an indexed key
// is an array name, "_" and the element index.
class RecordLine {
public:
    explicit RecordLine(QString line);

    const QString &text() const { return line_; } // as read
    const QString &lower() const { return lower_; }
    // Position of the first "=" counted from 1; 0 when the line has none.
    qsizetype Char_Pos() const { return equals_ + 1; }
    bool hasEquals() const { return equals_ >= 0; }

    // True when the lower-cased line starts with `key` (given in lower case).
    bool startsWith(QLatin1StringView key) const { return lower_.startsWith(key); }

    enum class IndexStatus {
        Ok,
        NoEquals,   // no "=" after the key
        NotANumber, // nothing or no number between the key and the "="
    };
    struct Index {
        IndexStatus status = IndexStatus::NoEquals;
        double value = 0.0; // rounded down
    };
    // The element index written between a key of `keyLength` characters and
    // the "=", blanks around it allowed, rounded down to a whole number.
    Index index(qsizetype keyLength, QChar decimal) const;

    // The value: everything after the "=" but one blank; trailing blanks
    // belong to it. Taken from the line as read or from its lower-cased copy.
    // Empty when the line has no "=".
    QString value() const { return valueOf(line_); }
    QString lowerValue() const { return valueOf(lower_); }

private:
    QString valueOf(const QString &source) const;

    QString line_;
    QString lower_;
    qsizetype equals_ = -1;
};

// Builds the text of a record file: one record a line, each line ended by
// CR LF.
class RecordWriter {
public:
    // Adds the line and counts it as one record.
    void Write_Record_Line(QStringView Text_Buf);
    // key, " = " and the value. A line break in the value would split the
    // record in two, so each becomes a blank.
    void record(QStringView key, QStringView value);
    // "Comments = " and the text, whose lines become lines of the file; it
    // must be the last record, since every line after it belongs to it.
    void comments(QStringView text);

    int Write_Count() const { return count_; }
    const QString &text() const { return text_; }
    // The file's bytes, encoded as the files are.
    QByteArray bytes() const;

private:
    QString text_;
    int count_ = 0;
};

} // namespace zyt
