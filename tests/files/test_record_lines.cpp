#include "files/record_lines.h"

#include <QTest>

using namespace zyt;
using Status = RecordLine::IndexStatus;

class TestRecordLines : public QObject {
    Q_OBJECT

private slots:
    void index_data();
    void index();
    void value_data();
    void value();
    void lowerCopyKeepsPositions();
    void writer_data();
    void writer();
};

void TestRecordLines::index_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("index");

    const int ok = int(Status::Ok), noEquals = int(Status::NoEquals);
    const int nan = int(Status::NotANumber);
    QTest::newRow("written by the program") << "Text101_16 = 50" << ok << 16.0;
    QTest::newRow("blanks around") << "text101_  16   = 50" << ok << 16.0;
    QTest::newRow("right against the equals") << "text101_16= 50" << ok << 16.0;
    QTest::newRow("fraction rounded down") << "text101_16.7 = 1" << ok << 16.0;
    QTest::newRow("negative rounded down") << "text106_-0.5 = 1" << ok << -1.0;
    QTest::newRow("exponent") << "text101_1.6e1 = 1" << ok << 16.0;
    QTest::newRow("no index") << "text101_ = 50" << nan << 0.0;
    QTest::newRow("letters") << "text101_ab = 50" << nan << 0.0;
    QTest::newRow("group separator") << "text101_1,6 = 50" << nan << 0.0;
    QTest::newRow("beyond any number") << "text101_1e999 = 1" << nan << 0.0;
    QTest::newRow("no equals") << "Text101_16" << noEquals << 0.0;
    QTest::newRow("equals inside the key") << "text1=1_16" << noEquals << 0.0;
}

void TestRecordLines::index()
{
    QFETCH(QString, line);
    QFETCH(int, status);
    QFETCH(double, index);
    const RecordLine r(line);
    const RecordLine::Index i = r.index(8, u'.');
    QCOMPARE(int(i.status), status);
    if (i.status == Status::Ok)
        QCOMPARE(i.value, index);
    QCOMPARE(r.hasEquals(), line.contains(u'='));
    QCOMPARE(r.Char_Pos(), line.indexOf(u'=') + 1);
}

void TestRecordLines::value_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");

    QTest::newRow("text") << "Text102_0 = E7TE"
                          << "E7TE";
    QTest::newRow("empty value") << "Text102_3 = "
                                 << "";
    QTest::newRow("ends at the equals") << "Text102_3 ="
                                        << "";
    QTest::newRow("blanks kept") << "Text102_0 =  a b  "
                                 << " a b  ";
    QTest::newRow("no blank after the equals") << "Text102_3 =2.05"
                                               << "2.05";
    QTest::newRow("later equals kept") << "Comments = x = y"
                                       << "x = y";
    QTest::newRow("no equals") << "Text102_3"
                               << "";
}

void TestRecordLines::value()
{
    QFETCH(QString, line);
    QFETCH(QString, value);
    const RecordLine r(line);
    QCOMPARE(r.value(), value);
    QCOMPARE(r.lowerValue(), value.toLower());
}

void TestRecordLines::lowerCopyKeepsPositions()
{
    // A capital whose full lower case is two characters would shift every
    // position after it.
    const RecordLine r(QStringLiteral("Comp_Name = \u0130stanbul = Heads"));
    QCOMPARE(r.lower().size(), r.text().size());
    QVERIFY(r.startsWith(QLatin1StringView("comp_name")));
    QCOMPARE(r.value(), QStringLiteral("\u0130stanbul = Heads"));
    QCOMPARE(r.lowerValue().size(), r.value().size());
}

void TestRecordLines::writer_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("value") << "50"
                           << "c" << QByteArray("Key = 50\r\nComments = c\r\n");
    QTest::newRow("empty") << ""
                           << "" << QByteArray("Key = \r\nComments = \r\n");
    QTest::newRow("line breaks in a value become blanks")
        << "a\r\nb\nc"
        << "x" << QByteArray("Key = a  b c\r\nComments = x\r\n");
    QTest::newRow("comment lines")
        << "1"
        << "a\nb\r\n\r\n  d" << QByteArray("Key = 1\r\nComments = a\r\nb\r\n\r\n  d\r\n");
    QTest::newRow("comments ending in a break") << "1"
                                                << "a\r\n"
                                                << QByteArray("Key = 1\r\nComments = a\r\n\r\n");
    QTest::newRow("windows-1252") << QString::fromUtf16(u"\u00E9\u20AC") << ""
                                  << QByteArray("Key = \xE9\x80\r\nComments = \r\n");
}

void TestRecordLines::writer()
{
    QFETCH(QString, value);
    QFETCH(QString, comments);
    QFETCH(QByteArray, bytes);
    RecordWriter w;
    w.record(u"Key", value);
    w.comments(comments);
    QCOMPARE(w.bytes(), bytes);
    QCOMPARE(w.Write_Count(), 2); // records, not lines
}

QTEST_APPLESS_MAIN(TestRecordLines)
#include "test_record_lines.moc"
