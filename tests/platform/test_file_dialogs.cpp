#include "platform/file_dialogs.h"

#include <QTest>

using namespace zyt;

class TestFileDialogs : public QObject {
    Q_OBJECT

private slots:
    void nameFilters_data();
    void nameFilters();
};

void TestFileDialogs::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("flow data")
        << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Flow Data Files (*.dat)|*.dat"
        << QStringList{"Text Files (*.txt)", "All Files (*)", "Flow Data Files (*.dat)"};
    QTest::newRow("main data")
        << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Main Data Files (*.dta)|*.dta"
        << QStringList{"Text Files (*.txt)", "All Files (*)", "Main Data Files (*.dta)"};
    QTest::newRow("one entry") << "Flow Data Files (*.dat)|*.dat"
                               << QStringList{"Flow Data Files (*.dat)"};
    // A description whose parenthesis does not list plain patterns must not
    // reach Qt as patterns: "*.flw," would be one.
    QTest::newRow("patterns from the pattern part")
        << "Flow Files (*.flw, *.dfw)|*.flw;*.dfw|All Files (*.*)|*.*"
        << QStringList{"Flow Files (*.flw *.dfw)", "All Files (*)"};
    QTest::newRow("description without patterns")
        << "Pictures|*.bmp" << QStringList{"Pictures (*.bmp)"};
    QTest::newRow("unbalanced description")
        << "Text Files (All Files (*.*)|*.*|Company Name Data Files (*.dcn)|*.dcn"
        << QStringList{"Text Files (All Files (*)", "Company Name Data Files (*.dcn)"};
    QTest::newRow("blanks around patterns")
        << "Mixed| *.a ; *.b |" << QStringList{"Mixed (*.a *.b)"};
    QTest::newRow("entry without patterns dropped")
        << "Nothing||Data (*.dat)|*.dat" << QStringList{"Data (*.dat)"};
    QTest::newRow("odd tail ignored")
        << "Data (*.dat)|*.dat|Dangling" << QStringList{"Data (*.dat)"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestFileDialogs::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtNameFilters(filter), expected);
}

QTEST_APPLESS_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
