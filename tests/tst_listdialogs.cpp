#include "support/dialogrows.h"
#include "support/program.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

// The UL and OL list dialogs: list skeletons with their type and start attributes.
class TestListDialogs : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void captions_data();
    void captions();
    void dialogs_data();
    void dialogs();
    void tabOrder_data();
    void tabOrder();
    void typedTypeStaysAsTyped_data();
    void typedTypeStaysAsTyped();
    void olNoteShowsEachPartOnItsOwnLine();
    void onlyTheOlDialogIsResizable();
};

void TestListDialogs::opens_data()
{
    addOpenColumns();

    QTest::newRow("UL menu and tab button")
        << "list1" << QStringList{"menu:mnul", "tab:Command17(1)"} << "UL List";
    QTest::newRow("OL menu") << "list2" << QStringList{"menu:mnuol"} << "OL List";
}

void TestListDialogs::opens()
{
    checkOpenRow();
}

void TestListDialogs::captions_data()
{
    addCaptionColumns();

    QTest::newRow("UL frame") << "menu:mnul" << "list1" << "Frame3" << "UL List" << "";
    QTest::newRow("OL frame") << "menu:mnuol" << "list2" << "Frame3" << "OL List" << "";
}

void TestListDialogs::captions()
{
    checkCaptionRow();
}

void TestListDialogs::dialogs_data()
{
    addDialogColumns();
    const QByteArray ulItems = ">\n<LI>1st item\n<LI>2nd item, etc.\n</UL>";
    const QByteArray olItems = ">\n<LI>1st item\n<LI>2nd item, etc\n</OL>";

    newDialogRow("UL empty", "list1", {"menu:mnul", "ok"}, {"<UL" + ulItems});
    newDialogRow("UL disc, then reopens empty", "list1",
                 {"menu:mnul", "Combo1=DISC", "ok", "?hidden", "menu:mnul", "?Combo1="},
                 {"<UL TYPE=DISC" + ulItems}, true);
    newDialogRow("UL typed type with a blank, quoted", "list1",
                 {"menu:mnul", "Combo1=my square", "ok"}, {"<UL TYPE=\"my square\"" + ulItems});
    newDialogRow("UL kept after cancel", "list1",
                 {"menu:mnul", "Combo1=CIRCLE", "cancel", "?hidden", "menu:mnul",
                  "?Combo1=CIRCLE"},
                 {}, true);
    newDialogRow("OL empty", "list2", {"menu:mnuol", "ok"}, {"<OL" + olItems});
    newDialogRow("OL type and start, then reopens empty", "list2",
                 {"menu:mnuol", "Combo1=i", "Text1=3", "ok", "?hidden", "menu:mnuol",
                  "?Combo1=", "?Text1="},
                 {"<OL TYPE=i START=3" + olItems}, true);
    newDialogRow("OL only start", "list2", {"menu:mnuol", "Text1=10", "ok"},
                 {"<OL START=10" + olItems});
    newDialogRow("OL only type", "list2", {"menu:mnuol", "Combo1=A", "ok"},
                 {"<OL TYPE=A" + olItems});
    newDialogRow("OL blank start is filled", "list2", {"menu:mnuol", "Text1= ", "ok"},
                 {"<OL START=\" \"" + olItems});
    newDialogRow("OL kept after cancel", "list2",
                 {"menu:mnuol", "Combo1=I", "Text1=4", "cancel", "?hidden", "menu:mnuol",
                  "?Combo1=I", "?Text1=4"},
                 {}, true);
}

void TestListDialogs::dialogs()
{
    checkDialogRow();
}

void TestListDialogs::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("UL") << "menu:mnul" << "list1" << QStringList{"Combo1", "Command1", "Command2"};
    QTest::newRow("OL: Start before Type")
        << "menu:mnuol" << "list2" << QStringList{"Text1", "Combo1", "Command1", "Command2"};
}

void TestListDialogs::tabOrder()
{
    checkTabOrderRow();
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
    // The label really is as tall as its lines: QLabel would show a CR on one line. Fonts
    // differ in whether their leading adds to a line or takes from it.
    const QFontMetrics metrics = note->fontMetrics();
    QVERIFY(note->sizeHint().height()
            >= lines.size() * std::min(metrics.height(), metrics.lineSpacing()));
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
