#include "support/program.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

// The fixed texts of the Insert menu and the tab strip, and the buttons that forward
// to menu items.
class TestSnippets : public QObject
{
    Q_OBJECT

private slots:
    void menuSnippets_data();
    void menuSnippets();
    void selectionIsReplacedAndCaretEndsBehind_data();
    void selectionIsReplacedAndCaretEndsBehind();
    void definitionListHasThreeLineFeeds();
    void ownButtonTexts_data();
    void ownButtonTexts();
    void forwardingButtons_data();
    void forwardingButtons();
    void dialogButtonsShowTheMenuItemsWindow_data();
    void dialogButtonsShowTheMenuItemsWindow();
    void tabPages_data();
    void tabPages();
    void menuAccessKeysWinOverTabButtons_data();
    void menuAccessKeysWinOverTabButtons();
    void tabButtonGivesFocusBackToEditor();
};

void TestSnippets::menuSnippets_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("text");

    const struct
    {
        const char *item;
        QByteArray text;
    } rows[] = {
        {"mnuhtml", "<HTML>"},
        {"mnutitle", "<TITLE>Title here</TITLE>"},
        {"mnunoframe", "<NOFRAMES>"},
        {"mnuhref", "<HREF=\"\">"},
        {"mnuend", "</BODY>"},
        {"mnunobr", "<NOBR>"},
        {"mnuaddress", "<ADDRESS>Address here</ADDRESS>"},
        {"mnublock", "<BLOCKQUOTE>Quote here</BLOCKQUOTE>"},
        {"mnucenter", "<CENTER>Centered text</CENTER>"},
        {"mnucom", "<COMMENT>Comment</COMMENT>"},
        {"mnubold", "<B>Bold</B>"},
        {"mnuitalic", "<I>Italic</I>"},
        {"mnuunderline", "<U>Underline</U>"},
        {"mnusuper", "<SUP>Superscript</SUP>"},
        {"mnusubscr", "<SUB>Subscript</SUB>"},
        {"mnubig", "<BIG>BIG</BIG>"},
        {"mnublink", "<BLINK>Blink</BLINK>"},
        {"mnustrike", "<STRIKE>Strike</STRIKE>"},
        {"mnutt", "<TT>Typewriter text</TT>"},
        {"mnuxmp", "<XMP>Text here</XMP>"},
        {"mnulist", "<LISTING>Text</LISTING>"},
        {"mnuplain", "<PLAINTEXT>text</PLAINTEXT>"},
        {"mnuabbrev", "<ABBREV></ABBREV>"},
        {"Acronym", "<ACRONYM>Acronym</ACRONYM>"},
        {"mnucode", "<CODE></CODE>"},
        {"mnuperson", "<PERSON></PERSON>"},
        {"mnusample", "<SAMPLE>Sample</SAMPLE>"},
        {"mnuparagr", "<P>"},
        {"mnumath", "<MATH>Math actions</MATH>"},
        {"mnuarray", "<ARRAY>Array</ARRAY>"},
        {"mnuabove", "<ABOVE></ABOVE>"},
        {"mnubelow", "<BELOW></BELOW>"},
        {"mnuover", "<OVER></OVER>"},
        {"mnuroot", "<ROOT></ROOT>"},
        {"mnusqroot", "<SQRT>4</SQRT>"},
        {"mnutr", "<TR>"},
        {"mnudl", "<DL compact><!-- You can delete compact if you like, for a different "
                  "definition style -->\n<DT>1st term<DD>Definition for 1st term\n"
                  "<DT>2nd term<DD>Definition for second term\n</DL>"},
        {"mnudir", "<DIR>\n<LI>1st item\n<LI>Second item, etc.\n</DIR>"},
        {"mnumenu", "<MENU>\n<LI>For each new data, first put\n<LI>and a second will be "
                    "created\n</MENU>"},
        {"mnuif", "<!--#if \"<opernand1>\" operator \"<operand2>\" operation -->"},
        {"mnugoto", "<!--#goto <label> -->"},
        {"mnulabel", "<!--#label <label> -->"},
        {"mnubreak", "<!--#break -->"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.item) << row.item << row.text;
}

void TestSnippets::menuSnippets()
{
    QFETCH(QString, item);
    QFETCH(QByteArray, text);
    Program program;
    program.trigger(item);
    QCOMPARE(program.bytes(), text);
    program.trigger(item);
    QCOMPARE(program.bytes(), text + text);
    QVERIFY(program.form.document().changed);
}

void TestSnippets::selectionIsReplacedAndCaretEndsBehind_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("Bold") << "mnubold" << QByteArray("<B>Bold</B>");
    QTest::newRow("HREF") << "mnuhref" << QByteArray("<HREF=\"\">");
    QTest::newRow("Menu list") << "mnumenu"
                               << QByteArray("<MENU>\n<LI>For each new data, first put\n"
                                             "<LI>and a second will be created\n</MENU>");
}

void TestSnippets::selectionIsReplacedAndCaretEndsBehind()
{
    QFETCH(QString, item);
    QFETCH(QByteArray, text);
    Program program;
    program.show();
    program.type("before word after");
    QVERIFY(program.editor().find("word", 0));
    program.trigger(item);
    QCOMPARE(program.bytes(), "before " + text + " after");
    QCOMPARE(program.editor().selectionLength(), 0);
    program.type("|");
    QCOMPARE(program.bytes(), "before " + text + "| after");
}

void TestSnippets::definitionListHasThreeLineFeeds()
{
    Program program;
    program.trigger("mnudl");
    const QByteArray bytes = program.bytes();
    QCOMPARE(bytes.count('\n'), 3);
    QCOMPARE(bytes.count('\r'), 0);
    QVERIFY(bytes.endsWith("\n</DL>"));
    program.type("|");
    QVERIFY(program.bytes().endsWith("</DL>|"));
}

void TestSnippets::ownButtonTexts_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("New line") << "Command3" << QByteArray("<BR>");
    QTest::newRow("Bold") << "Command4" << QByteArray("<B>Bold</B>");
    QTest::newRow("BoldItalic") << "Command7" << QByteArray("<B><I>Bolditalic text</I></B>");
}

void TestSnippets::ownButtonTexts()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, text);
    Program program;
    program.click(button);
    QCOMPARE(program.bytes(), text);
}

void TestSnippets::forwardingButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("item");
    const char *pairs[][2] = {
        {"Command14(1)", "mnuhtml"},      {"Command14(2)", "mnutitle"},
        {"Command14(6)", "mnunoframe"},   {"Command14(12)", "mnuhref"},
        {"Command14(11)", "mnuend"},      {"Command15(0)", "mnumath"},
        {"Command15(1)", "mnuarray"},     {"Command15(2)", "mnuabove"},
        {"Command15(3)", "mnubelow"},     {"Command15(4)", "mnuover"},
        {"Command15(5)", "mnuroot"},      {"Command15(6)", "mnusqroot"},
        {"Command16(3)", "mnuif"},        {"Command16(4)", "mnugoto"},
        {"Command16(6)", "mnulabel"},     {"Command18(2)", "mnubreak"},
        {"Command1", "mnuparagr"},        {"Command2", "mnutitle"},
        {"Command4", "mnubold"},          {"Command5", "mnuitalic"},
        {"Command6", "mnuunderline"},
    };
    for (const auto &pair : pairs)
        QTest::newRow(pair[0]) << pair[0] << pair[1];
}

void TestSnippets::forwardingButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, item);
    Program byButton;
    byButton.click(button);
    Program byMenu;
    byMenu.trigger(item);
    QVERIFY(!byMenu.bytes().isEmpty());
    QCOMPARE(byButton.bytes(), byMenu.bytes());
}

void TestSnippets::dialogButtonsShowTheMenuItemsWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("Document Type") << "Command14(0)" << "doc";
    QTest::newRow("Is Index") << "Command14(7)" << "is1";
    QTest::newRow("next Id") << "Command14(9)" << "nextid1";
    QTest::newRow("Iframes") << "Command19" << "frame3";
    QTest::newRow("Echo") << "Command16(0)" << "ssi1";
    QTest::newRow("Fsize") << "Command18(0)" << "ssi5";
    QTest::newRow("Anchor") << "Command17(0)" << "anchor1";
    QTest::newRow("H5") << "Command12" << "Head1";
}

void TestSnippets::dialogButtonsShowTheMenuItemsWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    Program program;
    program.click(button);
    QWidget *shown = program.window(window);
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(program.bytes(), QByteArray());
}

void TestSnippets::tabPages_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("Structure") << "Structure" << QStringList{
        "Command14(0) Document Type", "Command14(1) HTML", "Command14(2) TITLE",
        "Command14(3) BODY", "Command14(4) Frameset", "Command14(5) Frame",
        "Command19 Iframes", "Command14(6) No frames", "Command14(12) HREF",
        "Command14(7) Is Index", "Command14(8) Division", "Command14(9) next Id",
        "Command14(10) META", "Command14(11) </BODY>"};
    QTest::newRow("Math Tags") << "Math Tags" << QStringList{
        "Command15(0) MATH", "Command15(1) Array", "Command15(2) Above", "Command15(3) Below",
        "Command15(4) Over", "Command15(5) Root", "Command15(6) Square Root"};
    QTest::newRow("SSI tags") << "SSI tags" << QStringList{
        "Command16(0) Echo", "Command16(1) Exec", "Command16(2) Include", "Command16(3) If",
        "Command16(4) Goto", "Command16(5) E-mail", "Command16(6) Label", "Command18(0) Fsize",
        "Command18(1) Flastmod", "Command18(2) Break"};
    QTest::newRow("Other tags") << "Other tags" << QStringList{
        "Command17(0) Anchor", "Command17(1) UL list", "Command17(2) Form",
        "Command17(3) Text Area", "Command17(4) Option", "Command17(5) Select",
        "Command17(6) Images", "Command17(7) Avi mov wav mid", "Command1 New &Paragraph",
        "Command2 T&itle", "Command3 New l&ine", "Command4 B&old", "Command5 &Italic",
        "Command6 &Underline", "Command7 Bo&ldItalic", "Command8 H&1", "Command9 H&2",
        "Command10 H&3", "Command11 H&4", "Command12 H&5", "Command13 H&6"};
}

void TestSnippets::tabPages()
{
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    Program program;
    program.show();
    auto tabs = program.form.findChild<QTabWidget *>("SSTab1");
    QWidget *page = nullptr;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == title)
            page = tabs->widget(i);
    }
    QVERIFY(page);
    tabs->setCurrentWidget(page);

    // Reading order: row by row from the top, left to right; a button as tall as both
    // rows comes first.
    QList<QPushButton *> found = page->findChildren<QPushButton *>();
    std::stable_sort(found.begin(), found.end(), [](QPushButton *a, QPushButton *b) {
        const QPoint pa = a->mapTo(a->window(), QPoint(0, 0));
        const QPoint pb = b->mapTo(b->window(), QPoint(0, 0));
        const bool tallA = a->height() > b->height() && a->x() < b->x();
        const bool tallB = b->height() > a->height() && b->x() < a->x();
        if (tallA || tallB)
            return tallA;
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    QStringList shown;
    for (QPushButton *button : found)
        shown << button->objectName() + " " + button->text();
    QCOMPARE(shown, buttons);
}

void TestSnippets::menuAccessKeysWinOverTabButtons_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QByteArray>("bytes");
    // "T&itle", "New l&ine" and "&Italic" have I, "New &Paragraph" has P.
    QTest::newRow("Alt+I opens Insert") << int(Qt::Key_I) << "mnucommands" << QByteArray();
    QTest::newRow("Alt+P opens Options") << int(Qt::Key_P) << "mnuoptions" << QByteArray();
    QTest::newRow("Alt+O still presses Bold") << int(Qt::Key_O) << QString()
                                              << QByteArray("<B>Bold</B>");
}

void TestSnippets::menuAccessKeysWinOverTabButtons()
{
    QFETCH(int, letter);
    QFETCH(QString, menu);
    QFETCH(QByteArray, bytes);
    Program program;
    program.show();
    QTest::keyClick(&program.form, Qt::Key(letter), Qt::AltModifier);
    if (!menu.isEmpty()) {
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), menu);
        QApplication::activePopupWidget()->close();
    }
    QTRY_COMPARE(program.bytes(), bytes);
}

void TestSnippets::tabButtonGivesFocusBackToEditor()
{
    Program program;
    program.show();
    auto bold = program.find<QPushButton>("Command4");
    bold->setFocus(Qt::TabFocusReason); // where Tab brings the keyboard
    QTest::keyClick(bold, Qt::Key_Space);
    QTest::keyClicks(QApplication::focusWidget(), "x");
    QCOMPARE(program.bytes(), QByteArray("<B>Bold</B>x"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("<B>Bold</B>"));
}

QTEST_MAIN(TestSnippets)
#include "tst_snippets.moc"
