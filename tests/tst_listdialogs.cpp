#include "support/dialogtables.h"
#include "support/program.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

// The UL and OL list dialogs: list skeletons with their type and start attributes.
class TestListDialogs : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void output_data();
    void output();
    void reopen_data();
    void reopen();
    void tabOrder_data();
    void tabOrder();
    void typedTypeStaysAsTyped_data();
    void typedTypeStaysAsTyped();
    void olNoteShowsEachPartOnItsOwnLine();
    void onlyTheOlDialogIsResizable();
};

void TestListDialogs::opens_data()
{
    DialogTables::opensColumns();

    QTest::newRow("UL menu") << "mnul" << "list1" << "UL List" << "Frame3" << "UL List";
    QTest::newRow("UL tab button") << "Command17(1)" << "list1" << "UL List" << "Frame3"
                                   << "UL List";
    QTest::newRow("OL menu") << "mnuol" << "list2" << "OL List" << "Frame3" << "OL List";
}

void TestListDialogs::opens()
{
    DialogTables::checkOpens();
}

void TestListDialogs::output_data()
{
    DialogTables::outputColumns();

    QTest::newRow("UL empty") << "mnul" << "list1" << QStringList()
                              << QByteArray("<UL>\n<LI>1st item\n<LI>2nd item, etc.\n</UL>");
    QTest::newRow("UL disc") << "mnul" << "list1" << QStringList{"Combo1=DISC"}
                             << QByteArray("<UL TYPE=DISC>\n<LI>1st item\n<LI>2nd item, etc.\n"
                                           "</UL>");
    QTest::newRow("UL typed type, bare as typed")
        << "mnul" << "list1" << QStringList{"Combo1=my square"}
        << QByteArray("<UL TYPE=my square>\n<LI>1st item\n<LI>2nd item, etc.\n</UL>");
    QTest::newRow("OL empty") << "mnuol" << "list2" << QStringList()
                              << QByteArray("<OL>\n<LI>1st item\n<LI>2nd item, etc\n</OL>");
    QTest::newRow("OL type and start")
        << "mnuol" << "list2" << QStringList{"Combo1=i", "Text1=3"}
        << QByteArray("<OL TYPE=i START=3>\n<LI>1st item\n<LI>2nd item, etc\n</OL>");
    QTest::newRow("OL only start") << "mnuol" << "list2" << QStringList{"Text1=10"}
                                   << QByteArray("<OL START=10>\n<LI>1st item\n"
                                                 "<LI>2nd item, etc\n</OL>");
    QTest::newRow("OL only type") << "mnuol" << "list2" << QStringList{"Combo1=A"}
                                  << QByteArray("<OL TYPE=A>\n<LI>1st item\n"
                                                "<LI>2nd item, etc\n</OL>");
    QTest::newRow("OL blank start is filled")
        << "mnuol" << "list2" << QStringList{"Text1= "}
        << QByteArray("<OL START= >\n<LI>1st item\n<LI>2nd item, etc\n</OL>");
}

void TestListDialogs::output()
{
    DialogTables::checkOutput();
}

void TestListDialogs::reopen_data()
{
    DialogTables::reopenColumns();

    QTest::newRow("UL empty after OK") << "mnul" << "list1" << QStringList{"Combo1=CIRCLE"}
                                       << "Command2" << QStringList{"Combo1="};
    QTest::newRow("UL kept after cancel") << "mnul" << "list1" << QStringList{"Combo1=CIRCLE"}
                                          << "Command1" << QStringList{"Combo1=CIRCLE"};
    QTest::newRow("OL empty after OK")
        << "mnuol" << "list2" << QStringList{"Combo1=I", "Text1=4"} << "Command2"
        << QStringList{"Combo1=", "Text1="};
    QTest::newRow("OL kept after cancel")
        << "mnuol" << "list2" << QStringList{"Combo1=I", "Text1=4"} << "Command1"
        << QStringList{"Combo1=I", "Text1=4"};
}

void TestListDialogs::reopen()
{
    DialogTables::checkReopen();
}

void TestListDialogs::tabOrder_data()
{
    DialogTables::tabOrderColumns();

    QTest::newRow("UL") << "mnul" << "list1" << "Combo1" << QStringList{"Command1", "Command2"};
    QTest::newRow("OL: Start before Type")
        << "mnuol" << "list2" << "Text1" << QStringList{"Combo1", "Command1", "Command2"};
}

void TestListDialogs::tabOrder()
{
    DialogTables::checkTabOrder();
}

void TestListDialogs::typedTypeStaysAsTyped_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QByteArray>("expected");

    // The lists hold both cases of a letter: small roman must not turn into large roman.
    QTest::newRow("OL small roman") << "mnuol" << "list2" << "i" << false
                                    << QByteArray("<OL TYPE=i>\n<LI>1st item\n"
                                                  "<LI>2nd item, etc\n</OL>");
    QTest::newRow("OL small roman, then Enter")
        << "mnuol" << "list2" << "i" << true
        << QByteArray("<OL TYPE=i>\n<LI>1st item\n<LI>2nd item, etc\n</OL>");
    QTest::newRow("OL small letters") << "mnuol" << "list2" << "a" << false
                                      << QByteArray("<OL TYPE=a>\n<LI>1st item\n"
                                                    "<LI>2nd item, etc\n</OL>");
    QTest::newRow("UL start of an item") << "mnul" << "list1" << "d" << false
                                         << QByteArray("<UL TYPE=d>\n<LI>1st item\n"
                                                       "<LI>2nd item, etc.\n</UL>");
}

void TestListDialogs::typedTypeStaysAsTyped()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QString, keys);
    QFETCH(bool, enter);
    QFETCH(QByteArray, expected);

    Program program;
    program.show();
    program.trigger(action);
    QVERIFY(QTest::qWaitForWindowExposed(program.window(window)));
    auto combo = program.find<QComboBox>("Combo1", window);
    combo->setFocus();
    QTest::keyClicks(combo, keys);
    if (enter)
        QTest::keyClick(combo, Qt::Key_Return);
    QTest::mouseClick(program.find<QPushButton>("Command2", window), Qt::LeftButton);
    QCOMPARE(program.bytes(), expected);
}

void TestListDialogs::olNoteShowsEachPartOnItsOwnLine()
{
    Program program;
    program.trigger("mnuol");
    auto note = program.find<QLabel>("Label3", "list2");
    QVERIFY(note);
    const QStringList lines{"",
                            "NOTE:",
                            "",
                            "Type=A means Capital letters",
                            "TYPE=a means small letters",
                            "TYPE=I means large roman count",
                            "TYPE=i means small roman count",
                            "TYPE=1 means numeric count"};
    QCOMPARE(note->text().split('\n'), lines);
    QVERIFY(!note->text().contains('\r'));
    // The label really is as tall as its lines: QLabel would show a CR on one line.
    QVERIFY(note->sizeHint().height() >= lines.size() * note->fontMetrics().lineSpacing());
    QVERIFY(note->isVisible());
    QVERIFY(!program.find<QGroupBox>("Frame3", "list2")->isAncestorOf(note));
}

void TestListDialogs::onlyTheOlDialogIsResizable()
{
    Program program;
    program.trigger("mnul");
    program.trigger("mnuol");
    QWidget *ul = program.window("list1");
    QWidget *ol = program.window("list2");
    QCOMPARE(ul->minimumSize(), ul->maximumSize());
    QVERIFY(ol->minimumSize() != ol->maximumSize());
    QVERIFY(ul->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(!ol->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
}

QTEST_MAIN(TestListDialogs)
#include "tst_listdialogs.moc"
