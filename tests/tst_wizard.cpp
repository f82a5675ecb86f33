#include "support/dialogrows.h"
#include "support/program.h"

#include "app/commands/filecommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

// The new-document wizard: the skeleton it writes, its opening routine and its closing
// message.
namespace {
const QByteArray advertisement = "<!--#This help file was created with Quillet -->\n"
                                 "<!--# A freeware HTML editor, using HTML Wizard -->\n";
const char *const colourFields[] = {"Text2", "Text3", "Text4", "Text5", "Text6"};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void skeleton_data();
    void skeleton();
    void documentTypeList();
    void closingMessageAfterHiding();
    void valuesKeptOnReopening();
    void skeletonReplacesSelection();
    void colourButtonFillsItsRow_data();
    void colourButtonFillsItsRow();
    void cancelledColourChangesNothing();
    void cancelHidesAndInsertsNothing();
    void tabOrder();
    void unchangedDocumentOpensWithoutPrompt_data();
    void unchangedDocumentOpensWithoutPrompt();
    void promptAnswers_data();
    void promptAnswers();
    void yesOpensWizardEvenWhenSaveAsIsCancelled();

private:
    QLineEdit *field(Program &program, const QString &name)
    {
        return program.find<QLineEdit>(name, "htmlwiz1");
    }
    QCheckBox *check(Program &program, const QString &name)
    {
        return program.find<QCheckBox>(name, "htmlwiz1");
    }
};

void TestWizard::skeleton_data()
{
    QTest::addColumn<bool>("advertise");
    QTest::addColumn<int>("listEntry"); // -1: the document type is typed
    QTest::addColumn<QString>("typedType");
    QTest::addColumn<bool>("meta");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QStringList>("colours"); // BGCOLOR, text, link, visited, active
    QTest::addColumn<bool>("headerImage");
    QTest::addColumn<bool>("imageMap");
    QTest::addColumn<bool>("rule");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QByteArray>("expected");

    const QStringList noColours{"", "", "", "", ""};

    QTest::newRow("start state") << true << -1 << "" << false << "" << "" << noColours << false
                                 << false << false << "" << advertisement + "<BODY>\n";
    QTest::newRow("without advertisement") << false << -1 << "" << false << "" << "" << noColours
                                           << false << false << false << ""
                                           << QByteArray("<BODY>\n");
    QTest::newRow("HTML 3.2 and header")
        << true << 4 << "" << false << "My page" << "" << noColours << false << false << false
        << "" << advertisement + "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n"
                                 "<HEAD>\n<TITLE>My page</TITLE>\n</HEAD>\n<BODY>\n";
    QTest::newRow("hand-typed document type")
        << false << -1 << "no doctype at all" << false << "" << "" << noColours << false << false
        << false << "" << QByteArray("no doctype at all\n<BODY>\n");
    QTest::newRow("META before HEAD")
        << false << -1 << "" << true << "T" << "" << noColours << false << false << false << ""
        << QByteArray("<META HTTP-EQUIV=\"your-equiv\" NAME=\"name\" CONTENT=content >\n"
                      "<HEAD>\n<TITLE>T</TITLE>\n</HEAD>\n<BODY>\n");
    QTest::newRow("blank header is filled")
        << false << -1 << "" << false << " " << "" << noColours << false << false << false << ""
        << QByteArray("<HEAD>\n<TITLE> </TITLE>\n</HEAD>\n<BODY>\n");
    QTest::newRow("two colours")
        << false << -1 << "" << false << "" << ""
        << QStringList{"000000", "", "", "FF0000", ""} << false << false << false << ""
        << QByteArray("<BODY BGCOLOR=#000000 VLINK=#FF0000>\n");
    QTest::newRow("background and five colours in order")
        << false << -1 << "" << false << "" << "back.gif"
        << QStringList{"111111", "222222", "333333", "444444", "555555"} << false << false
        << false << ""
        << QByteArray("<BODY background=\"back.gif\" BGCOLOR=#111111 TEXT=#222222 LINK=#333333 "
                      "VLINK=#444444 ALINK=#555555>\n");
    QTest::newRow("three check boxes and heading")
        << false << -1 << "" << false << "" << "" << noColours << true << true << true << "Hello"
        << QByteArray("<BODY>\n<IMG SRC=\"your image\">\n"
                      "<IMG SRC=\"your image map\" USEMAP=\"where map infos are\">\n"
                      "<HR WIdth=xx% SIZE=x>\n<H1 ALIGN=youralign>Hello</H1>");
    QTest::newRow("image map only") << false << -1 << "" << false << "" << "" << noColours
                                    << false << true << false << ""
                                    << QByteArray("<BODY>\n<IMG SRC=\"your image map\" "
                                                  "USEMAP=\"where map infos are\">\n");
    QTest::newRow("everything in block order")
        << true << 0 << "" << true << "Home" << "bg.png"
        << QStringList{"FFFFFF", "000000", "0000FF", "800080", "FF0000"} << true << true << true
        << "Welcome"
        << advertisement
               + "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n"
                 "<META HTTP-EQUIV=\"your-equiv\" NAME=\"name\" CONTENT=content >\n"
                 "<HEAD>\n<TITLE>Home</TITLE>\n</HEAD>\n"
                 "<BODY background=\"bg.png\" BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF "
                 "VLINK=#800080 ALINK=#FF0000>\n"
                 "<IMG SRC=\"your image\">\n"
                 "<IMG SRC=\"your image map\" USEMAP=\"where map infos are\">\n"
                 "<HR WIdth=xx% SIZE=x>\n"
                 "<H1 ALIGN=youralign>Welcome</H1>";
}

void TestWizard::skeleton()
{
    QFETCH(bool, advertise);
    QFETCH(int, listEntry);
    QFETCH(QString, typedType);
    QFETCH(bool, meta);
    QFETCH(QString, header);
    QFETCH(QString, background);
    QFETCH(QStringList, colours);
    QFETCH(bool, headerImage);
    QFETCH(bool, imageMap);
    QFETCH(bool, rule);
    QFETCH(QString, heading);
    QFETCH(QByteArray, expected);

    Program program;
    program.trigger("mnuhtmlwiz2");
    QVERIFY(program.window("htmlwiz1")->isVisible());
    check(program, "Check2")->setChecked(advertise);
    auto types = program.find<QComboBox>("Combo1", "htmlwiz1");
    if (listEntry >= 0)
        types->setCurrentIndex(listEntry);
    else
        QTest::keyClicks(types, typedType);
    check(program, "Check1")->setChecked(meta);
    field(program, "Text1")->setText(header);
    field(program, "Text7")->setText(background);
    for (int i = 0; i < 5; ++i)
        field(program, colourFields[i])->setText(colours.at(i));
    check(program, "Check3")->setChecked(headerImage);
    check(program, "Check4")->setChecked(imageMap);
    check(program, "Check5")->setChecked(rule);
    field(program, "Text8")->setText(heading);
    program.click("Command2", "htmlwiz1");

    QCOMPARE(program.bytes(), expected);
    QVERIFY(!program.window("htmlwiz1")->isVisible());
}

void TestWizard::documentTypeList()
{
    Program program;
    program.trigger("mnuhtmlwiz2");
    auto types = program.find<QComboBox>("Combo1", "htmlwiz1");
    QStringList items;
    for (int i = 0; i < types->count(); ++i)
        items << types->itemText(i);
    const QString start = "<!DOCTYPE HTML PUBLIC \"";
    QCOMPARE(items, QStringList({start + "-//IETF//DTD HTML//EN\">",
                                 start + "-//IETF//DTD HTML 1.0//EN\">",
                                 start + "-//IETF//DTD HTML 2.0//EN\">",
                                 start + "-//IETF//DTD HTML 3.0//EN\">",
                                 start + "-//W3C//DTD HTML 3.2//EN\">",
                                 start + "-//IETF//DTD HTML Level 0//EN\">",
                                 start + "-//IETF//DTD HTML Level 1//EN\">",
                                 start + "-//IETF//DTD HTML Level 2//EN\">",
                                 start + "-//IETF//DTD HTML Level 3//EN\">"}));
    QCOMPARE(types->currentText(), QString());
    QVERIFY(types->isEditable());
}

void TestWizard::closingMessageAfterHiding()
{
    Program program;
    program.trigger("mnuhtmlwiz2");
    program.click("Command2", "htmlwiz1");
    QCOMPARE(program.dialogs.messages,
             QStringList("Ok. Now the basic form of your HTML docuemnt has been created.\r\r"
                         "Now you must correct the settings and adjust them as your desire\r"
                         "You can also use the templates for a basic form of your HTML "
                         "documet\r\r"
                         "Thank you for using Quillet HTML Wizard"));
    QVERIFY(!program.window("htmlwiz1")->isVisible());
}

void TestWizard::valuesKeptOnReopening()
{
    Program program;
    program.trigger("mnuhtmlwiz2");
    program.find<QComboBox>("Combo1", "htmlwiz1")->setCurrentIndex(2);
    check(program, "Check1")->setChecked(true);
    check(program, "Check2")->setChecked(false);
    field(program, "Text1")->setText("Title");
    field(program, "Text4")->setText("00FF00");
    check(program, "Check5")->setChecked(true);
    field(program, "Text8")->setText("Top");
    program.click("Command2", "htmlwiz1");
    const QByteArray first = program.bytes();

    program.trigger("mnuhtmldocwiz");
    QCOMPARE(program.find<QComboBox>("Combo1", "htmlwiz1")->currentText(),
             QString("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">"));
    QVERIFY(check(program, "Check1")->isChecked());
    QVERIFY(!check(program, "Check2")->isChecked());
    QCOMPARE(field(program, "Text1")->text(), QString("Title"));
    QCOMPARE(field(program, "Text4")->text(), QString("00FF00"));
    QVERIFY(check(program, "Check5")->isChecked());
    QCOMPARE(field(program, "Text8")->text(), QString("Top"));

    program.click("Command2", "htmlwiz1");
    QCOMPARE(program.bytes(), first + first);
}

void TestWizard::skeletonReplacesSelection()
{
    Program program;
    program.type("keep REPLACE keep");
    program.editor().find("REPLACE", 0);
    program.dialogs.questionAnswers << CommonDialogs::Answer::No;
    program.trigger("mnuhtmlwiz2");
    check(program, "Check2")->setChecked(false);
    program.click("Command2", "htmlwiz1");
    QCOMPARE(program.bytes(), QByteArray("keep <BODY>\n keep"));
}

void TestWizard::colourButtonFillsItsRow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("0 BGCOLOR") << 0 << "Text2" << QByteArray("<BODY BGCOLOR=#12AB0F>\n");
    QTest::newRow("1 text") << 1 << "Text3" << QByteArray("<BODY TEXT=#12AB0F>\n");
    QTest::newRow("2 link") << 2 << "Text4" << QByteArray("<BODY LINK=#12AB0F>\n");
    QTest::newRow("3 visited") << 3 << "Text5" << QByteArray("<BODY VLINK=#12AB0F>\n");
    QTest::newRow("4 active") << 4 << "Text6" << QByteArray("<BODY ALINK=#12AB0F>\n");
}

void TestWizard::colourButtonFillsItsRow()
{
    QFETCH(int, index);
    QFETCH(QString, fieldName);
    QFETCH(QByteArray, expected);

    Program program;
    program.trigger("mnuhtmlwiz2");
    check(program, "Check2")->setChecked(false);
    program.dialogs.colourAnswers << QColor(0x12, 0xAB, 0x0F);
    program.click(QString("Command3(%1)").arg(index), "htmlwiz1");
    QCOMPARE(field(program, fieldName)->text(), QString("12AB0F"));
    program.click("Command2", "htmlwiz1");
    QCOMPARE(program.bytes(), expected);
}

void TestWizard::cancelledColourChangesNothing()
{
    Program program;
    program.trigger("mnuhtmlwiz2");
    field(program, "Text6")->setText("ABCDEF");
    program.click("Command3(4)", "htmlwiz1");
    QCOMPARE(program.dialogs.colourRequests, 1);
    QCOMPARE(field(program, "Text6")->text(), QString("ABCDEF"));
    QVERIFY(program.window("htmlwiz1")->isVisible());
}

void TestWizard::cancelHidesAndInsertsNothing()
{
    Program program;
    program.trigger("mnuhtmlwiz2");
    field(program, "Text1")->setText("typed");
    program.click("Command1", "htmlwiz1");
    QVERIFY(!program.window("htmlwiz1")->isVisible());
    QCOMPARE(program.bytes(), QByteArray());
    QVERIFY(program.dialogs.messages.isEmpty());
    program.trigger("mnuhtmlwiz2");
    QCOMPARE(field(program, "Text1")->text(), QString("typed"));
}

void TestWizard::tabOrder()
{
    Program program;
    program.trigger("mnuhtmlwiz2");
    QWidget *wizard = program.window("htmlwiz1");
    QCOMPARE(wizard->windowTitle(), QString("New HTML Document Wizard"));
    QCOMPARE(tabStops(wizard, 21),
             QStringList({"Check1", "Combo1", "Text1", "Check2", "Text2", "Text3", "Text4",
                          "Text5", "Text6", "Text7", "Check3", "Check4", "Check5", "Text8",
                          "Command1", "Command2", "Command3(4)", "Command3(0)", "Command3(1)",
                          "Command3(2)", "Command3(3)"}));
}

void TestWizard::unchangedDocumentOpensWithoutPrompt_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("Tools menu") << "mnuhtmlwiz2";
    QTest::newRow("File New menu") << "mnuhtmldocwiz";
}

void TestWizard::unchangedDocumentOpensWithoutPrompt()
{
    QFETCH(QString, menuItem);
    Program program;
    program.trigger(menuItem);
    QVERIFY(program.dialogs.questions.isEmpty());
    QVERIFY(program.window("htmlwiz1")->isVisible());
}

void TestWizard::promptAnswers_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QByteArray>("onDisk");

    const int yes = int(CommonDialogs::Answer::Yes);
    const int no = int(CommonDialogs::Answer::No);
    const int cancel = int(CommonDialogs::Answer::Cancel);
    QTest::newRow("Cancel keeps the wizard closed") << "mnuhtmlwiz2" << cancel << false
                                                    << QByteArray("old");
    QTest::newRow("No opens it unsaved") << "mnuhtmlwiz2" << no << true << QByteArray("old");
    QTest::newRow("Yes saves, then opens it") << "mnuhtmlwiz2" << yes << true
                                              << QByteArray("new old");
    QTest::newRow("Ctrl+W item: Cancel") << "mnuhtmldocwiz" << cancel << false
                                         << QByteArray("old");
    QTest::newRow("Ctrl+W item: Yes") << "mnuhtmldocwiz" << yes << true
                                      << QByteArray("new old");
}

void TestWizard::promptAnswers()
{
    QFETCH(QString, menuItem);
    QFETCH(int, answer);
    QFETCH(bool, shown);
    QFETCH(QByteArray, onDisk);

    QTemporaryDir folder;
    const QString path = folder.filePath("page.htm");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();

    Program program;
    QVERIFY(program.form.fileCommands().load(path));
    program.type("new ");
    program.dialogs.questionAnswers << CommonDialogs::Answer(answer);
    program.trigger(menuItem);

    QCOMPARE(program.dialogs.questions,
             QStringList("File has changed. Do you wish to save it before using Quillet Wizard?"));
    QWidget *wizard = program.window("htmlwiz1");
    QCOMPARE(wizard && wizard->isVisible(), shown);
    QCOMPARE(readFile(path), onDisk);
    QCOMPARE(program.bytes(), QByteArray("new old"));
    QCOMPARE(program.form.document().fileName, path);
}

void TestWizard::yesOpensWizardEvenWhenSaveAsIsCancelled()
{
    Program program;
    program.type("text");
    program.dialogs.questionAnswers << CommonDialogs::Answer::Yes;
    program.trigger("mnuhtmlwiz2");
    QCOMPARE(program.dialogs.saveRequests.size(), 1);
    QVERIFY(program.form.document().untitled);
    QVERIFY(program.window("htmlwiz1")->isVisible());
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
