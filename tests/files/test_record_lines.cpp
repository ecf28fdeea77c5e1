#include "files/record_lines.h"

#include <QTest>

using namespace zyt;
using Status = RecordLine::IndexStatus;

class TestRecordLines : public QObject {
    Q_OBJECT

private slots:
    void equalsPosition_data();
    void equalsPosition();
    void index_data();
    void index();
    void value_data();
    void value();
    void lowerCopyKeepsPositions();
    void records_data();
    void records();
    void comments_data();
    void comments();
    void countsRecordsNotLines();
};

void TestRecordLines::equalsPosition_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("pos");
    QTest::newRow("record") << "Text101_16 = 50" << 12;
    QTest::newRow("first of two") << "Comments = a = b" << 10;
    QTest::newRow("none") << "Text101_16" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestRecordLines::equalsPosition()
{
    QFETCH(QString, line);
    QFETCH(int, pos);
    const RecordLine r(line);
    QCOMPARE(int(r.Char_Pos()), pos);
    QCOMPARE(r.hasEquals(), pos > 0);
}

void TestRecordLines::index_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("index");

    const QChar point = u'.';
    const int ok = int(Status::Ok);
    const int noEquals = int(Status::NoEquals);
    const int nan = int(Status::NotANumber);
    QTest::newRow("written by the program") << "Text101_16 = 50" << point << ok << 16.0;
    QTest::newRow("capitals") << "TEXT101_16 = 50" << point << ok << 16.0;
    QTest::newRow("blanks around") << "text101_  16   = 50" << point << ok << 16.0;
    QTest::newRow("right against the equals") << "text101_16= 50" << point << ok << 16.0;
    QTest::newRow("single digit") << "Text102_0 = E7TE" << point << ok << 0.0;
    QTest::newRow("fraction rounded down") << "text101_16.7 = 1" << point << ok << 16.0;
    QTest::newRow("negative rounded down") << "text106_-0.5 = 1" << point << ok << -1.0;
    QTest::newRow("exponent") << "text101_1.6e1 = 1" << point << ok << 16.0;
    QTest::newRow("comma under a comma locale") << "text101_16,5 = 1" << QChar(u',') << ok << 16.0;
    QTest::newRow("huge") << "text101_1e300 = 1" << point << ok << 1e300;
    QTest::newRow("no index") << "text101_ = 50" << point << nan << 0.0;
    QTest::newRow("letters") << "text101_ab = 50" << point << nan << 0.0;
    QTest::newRow("group separator") << "text101_1,6 = 50" << point << nan << 0.0;
    QTest::newRow("index beyond range") << "text101_1e999 = 1" << point << nan << 0.0;
    QTest::newRow("no equals") << "Text101_16" << point << noEquals << 0.0;
    QTest::newRow("equals inside the key") << "text1=1_16" << point << noEquals << 0.0;
    QTest::newRow("equals right after the key") << "text101_= 5" << point << nan << 0.0;
}

void TestRecordLines::index()
{
    QFETCH(QString, line);
    QFETCH(QChar, decimal);
    QFETCH(int, status);
    QFETCH(double, index);
    const RecordLine::Index i = RecordLine(line).index(8, decimal);
    QCOMPARE(int(i.status), status);
    if (i.status == Status::Ok)
        QCOMPARE(i.value, index);
}

void TestRecordLines::value_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("lower");

    QTest::newRow("text") << "Text102_0 = E7TE"
                          << "E7TE"
                          << "e7te";
    QTest::newRow("empty value") << "Text102_3 = "
                                 << ""
                                 << "";
    QTest::newRow("ends at the equals") << "Text102_3 ="
                                        << ""
                                        << "";
    QTest::newRow("blanks kept") << "Text102_0 =  a b  "
                                 << " a b  "
                                 << " a b  ";
    QTest::newRow("no blank after the equals") << "Text102_3 =2.05"
                                               << "2.05"
                                               << "2.05";
    QTest::newRow("later equals kept") << "Comments = x = y"
                                       << "x = y"
                                       << "x = y";
    QTest::newRow("no equals") << "Text102_3"
                               << ""
                               << "";
}

void TestRecordLines::value()
{
    QFETCH(QString, line);
    QFETCH(QString, value);
    QFETCH(QString, lower);
    const RecordLine r(line);
    QCOMPARE(r.value(), value);
    QCOMPARE(r.lowerValue(), lower);
}

void TestRecordLines::lowerCopyKeepsPositions()
{
    // A capital whose full lower case is two characters would shift every
    // position after it.
    const QString line = QStringLiteral("Comp_Name = \u0130stanbul = Heads");
    const RecordLine r(line);
    QCOMPARE(r.lower().size(), line.size());
    QVERIFY(r.startsWith(QLatin1StringView("comp_name")));
    QCOMPARE(r.value(), QStringLiteral("\u0130stanbul = Heads"));
    QCOMPARE(r.lowerValue().size(), r.value().size());
}

void TestRecordLines::records_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("value") << "Text101_16"
                           << "50"
                           << "Text101_16 = 50\r\n";
    QTest::newRow("empty") << "Text102_0"
                           << ""
                           << "Text102_0 = \r\n";
    QTest::newRow("blanks kept") << "Comp_Name"
                                 << " A  "
                                 << "Comp_Name =  A  \r\n";
    QTest::newRow("line breaks become blanks") << "Comp_Name"
                                               << "a\r\nb\nc\rd"
                                               << "Comp_Name = a  b c d\r\n";
}

void TestRecordLines::records()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, text);
    RecordWriter w;
    w.record(key, value);
    QCOMPARE(w.text(), text);
    QCOMPARE(w.Write_Count(), 1);
}

void TestRecordLines::comments_data()
{
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QString>("text");

    QTest::newRow("one line") << "Ported by hand"
                              << "Comments = Ported by hand\r\n";
    QTest::newRow("empty") << ""
                           << "Comments = \r\n";
    QTest::newRow("cr lf lines") << "a\r\nb"
                                 << "Comments = a\r\nb\r\n";
    QTest::newRow("lf lines") << "a\nb\n\nc"
                              << "Comments = a\r\nb\r\n\r\nc\r\n";
    QTest::newRow("leading blank") << " a"
                                   << "Comments =  a\r\n";
    QTest::newRow("ending in a break") << "a\r\n"
                                       << "Comments = a\r\n\r\n";
    QTest::newRow("only a break") << "\r\n"
                                  << "Comments = \r\n\r\n";
}

void TestRecordLines::comments()
{
    QFETCH(QString, comments);
    QFETCH(QString, text);
    RecordWriter w;
    w.comments(comments);
    QCOMPARE(w.text(), text);
    QCOMPARE(w.Write_Count(), 1);
}

void TestRecordLines::countsRecordsNotLines()
{
    RecordWriter w;
    w.record(u"Check1", u"No");
    w.Write_Record_Line(u"Option4 = 1");
    w.comments(u"one\r\ntwo\r\nthree");
    QCOMPARE(w.Write_Count(), 3);
    QCOMPARE(w.bytes(),
             QByteArray("Check1 = No\r\nOption4 = 1\r\nComments = one\r\ntwo\r\nthree\r\n"));
}

QTEST_APPLESS_MAIN(TestRecordLines)
#include "test_record_lines.moc"
