#include "support/dialogrows.h"
#include "support/program.h"

#include <QCheckBox>
#include <QLineEdit>

// The Table, Table column and Table Header dialogs.
namespace {
const QStringList fieldNames{"Text1", "Text2", "Text3", "Text4", "Text5",
                             "Text6", "Text7", "Text8", "Text9"};
const QStringList nothing{"", "", "", "", "", "", "", "", ""};

QString windowOf(const QString &menuItem)
{
    return menuItem == "mnucol" ? "tbl2" : menuItem == "mnuheadtable" ? "tbl3" : "tbl1";
}

// Opens the dialog through its menu item and fills Text1 to Text9 (and NoWrap).
void fill(Program &program, const QString &menuItem, const QStringList &fields,
          bool noWrap = false)
{
    program.trigger(menuItem);
    const QString window = windowOf(menuItem);
    for (int i = 0; i < fieldNames.size(); ++i)
        program.find<QLineEdit>(fieldNames.at(i), window)->setText(fields.at(i));
    if (auto check = program.find<QCheckBox>("Check1", window))
        check->setChecked(noWrap);
}

QStringList fieldTexts(Program &program, const QString &window)
{
    QStringList texts;
    for (const QString &name : fieldNames)
        texts << program.find<QLineEdit>(name, window)->text();
    return texts;
}

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void cells_data();
    void cells();
    void twoCellsInARowShareALine();
    void okResetsEveryFieldCancelKeepsThem_data();
    void okResetsEveryFieldCancelKeepsThem();
    void colourButtons_data();
    void colourButtons();
    void tabOrder_data();
    void tabOrder();
};

void TestTables::table_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << nothing << QByteArray("<TABLE>\n</TABLE>");
    QTest::newRow("border and width")
        << QStringList{"1", "", "", "", "", "", "", "", "100%"}
        << QByteArray("<TABLE BORDER=1 WIDTH=100%>\n</TABLE>");
    QTest::newRow("light border colour")
        << QStringList{"", "", "", "", "C0C0C0", "", "", "", ""}
        << QByteArray("<TABLE BORDERCOLORLIGHT=#C0C0C0>\n</TABLE>");
    QTest::newRow("dark border colour")
        << QStringList{"", "", "", "", "", "404040", "", "", ""}
        << QByteArray("<TABLE BORDERCOLORDARK=#404040>\n</TABLE>");
    QTest::newRow("nothing validated") << QStringList{"abc", "", "", "", "", "", "", "", ""}
                                       << QByteArray("<TABLE BORDER=abc>\n</TABLE>");
    QTest::newRow("full in order")
        << QStringList{"2", "4", "6", "FF0000", "00FF00", "0000FF", "center", "top", "50%"}
        << QByteArray("<TABLE BORDER=2 CELLPADDING=4 CELLSPACING=6 BORDERCOLOR=#FF0000 "
                      "BORDERCOLORLIGHT=#00FF00 BORDERCOLORDARK=#0000FF ALIGN=center "
                      "VALIGN=top WIDTH=50%>\n</TABLE>");
    QTest::newRow("value with blank and quote quoted")
        << QStringList{"", "", "", "", "", "", "a \"b\"", "", ""}
        << QByteArray("<TABLE ALIGN=\"a &quot;b&quot;\">\n</TABLE>");
}

void TestTables::table()
{
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, expected);

    Program program;
    fill(program, "mnutable", fields);
    program.click("Command2", "tbl1");
    QCOMPARE(program.bytes(), expected);
    QVERIFY(!program.window("tbl1")->isVisible());
}

void TestTables::cells_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("noWrap");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("TD empty") << "mnucol" << nothing << false
                              << QByteArray("<TD>Your column content</TD>");
    QTest::newRow("TD nowrap") << "mnucol" << nothing << true
                               << QByteArray("<TD NOWRAP>Your column content</TD>");
    QTest::newRow("TD rowspan blank")
        << "mnucol" << QStringList{"", " ", "", "", "", "", "", "", ""} << false
        << QByteArray("<TD ROWSPAN=\" \">Your column content</TD>");
    QTest::newRow("TD full in order")
        << "mnucol"
        << QStringList{"FFFFCC", "2", "3", "111111", "222222", "333333", "left", "middle", "20"}
        << true
        << QByteArray("<TD BGCOLOR=#FFFFCC ROWSPAN=2 COLSPAN=3 BORDERCOLOR=#111111 "
                      "BORDERCOLORLIGHT=#222222 BORDERCOLORDARK=#333333 ALIGN=left "
                      "VALIGN=middle WIDTH=20 NOWRAP>Your column content</TD>");
    QTest::newRow("TH empty") << "mnuheadtable" << nothing << false
                              << QByteArray("<TH>Table Header</TH>");
    QTest::newRow("TH colspan and align")
        << "mnuheadtable" << QStringList{"", "", "2", "", "", "", "center", "", ""} << false
        << QByteArray("<TH COLSPAN=2 ALIGN=center>Table Header</TH>");
    QTest::newRow("TH light and dark")
        << "mnuheadtable" << QStringList{"", "", "", "", "C0C0C0", "808080", "", "", ""}
        << false << QByteArray("<TH BORDERCOLORLIGHT=#C0C0C0 BORDERCOLORDARK=#808080>"
                               "Table Header</TH>");
    QTest::newRow("TH full in order")
        << "mnuheadtable"
        << QStringList{"000080", "1", "4", "AAAAAA", "BBBBBB", "CCCCCC", "right", "bottom",
                       "25%"}
        << true
        << QByteArray("<TH BGCOLOR=#000080 ROWSPAN=1 COLSPAN=4 BORDERCOLOR=#AAAAAA "
                      "BORDERCOLORLIGHT=#BBBBBB BORDERCOLORDARK=#CCCCCC ALIGN=right "
                      "VALIGN=bottom WIDTH=25% NOWRAP>Table Header</TH>");
}

void TestTables::cells()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, fields);
    QFETCH(bool, noWrap);
    QFETCH(QByteArray, expected);

    Program program;
    fill(program, menuItem, fields, noWrap);
    program.click("Command2", windowOf(menuItem));
    QCOMPARE(program.bytes(), expected);
    QVERIFY(!program.window(windowOf(menuItem))->isVisible());
}

void TestTables::twoCellsInARowShareALine()
{
    Program program;
    program.trigger("mnucol");
    program.click("Command2", "tbl2");
    program.trigger("mnucol");
    program.click("Command2", "tbl2");
    QCOMPARE(program.bytes(),
             QByteArray("<TD>Your column content</TD><TD>Your column content</TD>"));
}

void TestTables::okResetsEveryFieldCancelKeepsThem_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("Table") << "mnutable";
    QTest::newRow("Table from the Insert menu's foot") << "mnutable2";
    QTest::newRow("Table column") << "mnucol";
    QTest::newRow("Table Header") << "mnuheadtable";
}

void TestTables::okResetsEveryFieldCancelKeepsThem()
{
    QFETCH(QString, menuItem);
    const QString window = windowOf(menuItem);
    const QStringList typed{"a", "b", "c", "d", "e", "f", "g", "h", "i"};

    Program program;
    fill(program, menuItem, typed, true);
    program.click("Command1", window);
    QVERIFY(!program.window(window)->isVisible());
    QCOMPARE(program.bytes(), QByteArray());
    program.trigger(menuItem);
    QVERIFY(program.window(window)->isVisible());
    QCOMPARE(fieldTexts(program, window), typed);
    auto noWrap = program.find<QCheckBox>("Check1", window);
    QVERIFY(!noWrap || noWrap->isChecked());

    program.click("Command2", window);
    program.trigger(menuItem);
    QCOMPARE(fieldTexts(program, window), nothing);
    QVERIFY(!noWrap || !noWrap->isChecked());
}

void TestTables::colourButtons_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");

    QTest::newRow("tbl1 BorderColor") << "mnutable" << "Command3" << "Text4";
    QTest::newRow("tbl1 BorderColorLight") << "mnutable" << "Command4" << "Text5";
    QTest::newRow("tbl1 BorderColorDark") << "mnutable" << "Command5" << "Text6";
    QTest::newRow("tbl2 BgColor") << "mnucol" << "Command6" << "Text1";
    QTest::newRow("tbl2 BorderColor") << "mnucol" << "Command3" << "Text4";
    QTest::newRow("tbl2 BorderColorLight") << "mnucol" << "Command4" << "Text5";
    QTest::newRow("tbl2 BorderColorDark") << "mnucol" << "Command5" << "Text6";
    QTest::newRow("tbl3 BgColor") << "mnuheadtable" << "Command3" << "Text1";
    QTest::newRow("tbl3 BorderColor") << "mnuheadtable" << "Command4" << "Text4";
    QTest::newRow("tbl3 BorderColorLight") << "mnuheadtable" << "Command5" << "Text5";
    QTest::newRow("tbl3 BorderColorDark") << "mnuheadtable" << "Command6" << "Text6";
}

void TestTables::colourButtons()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, button);
    QFETCH(QString, field);
    const QString window = windowOf(menuItem);

    const QStringList typed{"1", "2", "3", "4", "5", "6", "7", "8", "9"};

    Program program;
    fill(program, menuItem, typed);
    program.click(button, window);
    QCOMPARE(program.dialogs.colourRequests, 1);
    QCOMPARE(fieldTexts(program, window), typed);

    program.dialogs.colourAnswers << QColor(0x0A, 0xBC, 0xDE);
    program.click(button, window);
    QStringList expected = typed;
    expected[fieldNames.indexOf(field)] = "0ABCDE";
    QCOMPARE(fieldTexts(program, window), expected);
    QVERIFY(program.window(window)->isVisible());
}

void TestTables::tabOrder_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("stops");

    QTest::newRow("tbl1") << "mnutable" << "Table"
                          << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                         "Command1", "Command2", "Text7", "Text8", "Text9",
                                         "Command3", "Command4", "Command5", "Text1"};
    QTest::newRow("tbl2") << "mnucol" << "Table column"
                          << QStringList{"Check1", "Text1", "Text2", "Text3", "Text4", "Text5",
                                         "Text6", "Text7", "Text8", "Command2", "Command1",
                                         "Text9", "Command3", "Command4", "Command5",
                                         "Command6", "Check1"};
    QTest::newRow("tbl3") << "mnuheadtable" << "Table Header"
                          << QStringList{"Text8", "Text7", "Text6", "Text5", "Text4", "Text3",
                                         "Text2", "Text1", "Command1", "Command2", "Check1",
                                         "Text9", "Command3", "Command4", "Command5",
                                         "Command6", "Text8"};
}

void TestTables::tabOrder()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, caption);
    QFETCH(QStringList, stops);
    const QString window = windowOf(menuItem);

    Program program;
    program.trigger(menuItem);
    QCOMPARE(program.window(window)->windowTitle(), caption);
    QCOMPARE(tabStops(program.window(window), stops.size()), stops);
}

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
