#include "support/program.h"

#include <Qsci/qsciscintilla.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>

// Cut, Copy, Paste, Delete, Select All and the editor font, driven from the menus, the
// toolbar and the keyboard.
namespace {
QClipboard *clipboard()
{
    return QGuiApplication::clipboard();
}

void setClipboard(const QString &text)
{
    if (text.isNull())
        clipboard()->clear();
    else
        clipboard()->setText(text);
}

// Puts the caret at start and selects length characters with the keyboard.
void select(Program &program, int start, int length)
{
    program.key(Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < start; ++i)
        program.key(Qt::Key_Right);
    for (int i = 0; i < length; ++i)
        program.key(Qt::Key_Right, Qt::ShiftModifier);
}

QsciScintilla *scintilla(Program &program)
{
    return qobject_cast<QsciScintilla *>(program.textArea());
}

// How the character at a position is drawn.
struct Look
{
    QByteArray family;
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool struckOut = false;
};

Look lookAt(Program &program, long position)
{
    QsciScintilla *area = scintilla(program);
    const long style = area->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, position);
    char family[128] = {};
    area->SendScintilla(QsciScintilla::SCI_STYLEGETFONT, style, family);
    Look look;
    look.family = family;
    look.size = int(area->SendScintilla(QsciScintilla::SCI_STYLEGETSIZE, style));
    // QScintilla hands Qt's weight over negated, on the scale of the Qt in use.
    look.bold = std::abs(area->SendScintilla(QsciScintilla::SCI_STYLEGETWEIGHT, style))
                >= QFont::Bold;
    look.italic = area->SendScintilla(QsciScintilla::SCI_STYLEGETITALIC, style);
    look.underline = area->SendScintilla(QsciScintilla::SCI_STYLEGETUNDERLINE, style);
    const long indicators = area->SendScintilla(QsciScintilla::SCI_INDICATORALLONFOR, position);
    for (int indicator = 0; indicator < 32; ++indicator) {
        if ((indicators & (1L << indicator))
            && area->SendScintilla(QsciScintilla::SCI_INDICGETSTYLE, indicator)
                   == QsciScintilla::INDIC_STRIKE)
            look.struckOut = true;
    }
    return look;
}

long foregroundAt(Program &program, long position)
{
    QsciScintilla *area = scintilla(program);
    const long style = area->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, position);
    return area->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, style);
}

void colourise(Program &program)
{
    scintilla(program)->SendScintilla(QsciScintilla::SCI_COLOURISE, 0L, -1L);
}

const QByteArray page("<B>bold</B> text");
} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void cutRemovesTheSelectionAndLeavesTheCaretThere();
    void cutTakesWhatAltShiftArrowsSelect();
    void copyNeverChangesTheDocument();
    void commandsWithNothingToDoLeaveTheDocumentUnchanged_data();
    void commandsWithNothingToDoLeaveTheDocumentUnchanged();
    void delKeyDeletesWithoutTypingABlank();
    void ctrlUSelectsAll();
    void editorsOwnClipboardKeysAndUndoStillWork();
    void menuCutCanBeUndone();
    void fontAppliesToTheWholeText();
    void fontDialogStartsFromTheShownFont();
    void cancelledFontKeepsTheLookWithEverythingSelected();
    void strikeOutCoversTextTypedLater();
    void fontIsNeverSaved();
};

void TestEditCommands::commands_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("clipboardAfter");

    const QByteArray text("x abc y");
    QTest::newRow("cut a selection") << "mnucut" << 2 << 3 << "old" << QByteArray("x  y") << "abc";
    QTest::newRow("cut nothing selected") << "mnucut" << 2 << 0 << "old" << text << "old";
    QTest::newRow("toolbar cut") << "Toolbar1(6)" << 0 << 1 << "old" << QByteArray(" abc y")
                                 << "x";
    QTest::newRow("copy a selection") << "mnucopy" << 2 << 3 << "old" << text << "abc";
    QTest::newRow("copy nothing selected") << "mnucopy" << 2 << 0 << "old" << text << "old";
    QTest::newRow("toolbar copy") << "Toolbar1(7)" << 6 << 1 << "old" << text << "y";
    QTest::newRow("paste over a selection")
        << "mnupastefrom" << 2 << 3 << "NEW" << QByteArray("x NEW y") << "NEW";
    QTest::newRow("paste at the caret")
        << "mnupastefrom" << 2 << 0 << "NEW" << QByteArray("x NEWabc y") << "NEW";
    QTest::newRow("paste several lines")
        << "mnupastefrom" << 7 << 0 << "\r\n<P>\n" << QByteArray("x abc y\r\n<P>\n")
        << "\r\n<P>\n";
    QTest::newRow("paste an empty clipboard") << "mnupastefrom" << 2 << 3 << QString() << text
                                              << QString();
    QTest::newRow("toolbar paste")
        << "Toolbar1(8)" << 0 << 0 << "<HR>" << QByteArray("<HR>x abc y") << "<HR>";
    QTest::newRow("delete a selection") << "mnudel" << 2 << 3 << "old" << QByteArray("x  y")
                                        << "old";
    QTest::newRow("delete after the caret") << "mnudel" << 2 << 0 << "old"
                                            << QByteArray("x bc y") << "old";
    QTest::newRow("delete at the end") << "mnudel" << 7 << 0 << "old" << text << "old";
}

void TestEditCommands::commands()
{
    QFETCH(QString, action);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, clipboardBefore);
    QFETCH(QByteArray, expected);
    QFETCH(QString, clipboardAfter);

    Program program;
    program.type("x abc y");
    select(program, start, length);
    setClipboard(clipboardBefore);

    program.trigger(action);

    QCOMPARE(program.bytes(), expected);
    QCOMPARE(clipboard()->text(), clipboardAfter);
}

void TestEditCommands::cutRemovesTheSelectionAndLeavesTheCaretThere()
{
    Program program;
    program.type("<I>word</I>");
    select(program, 3, 4);
    program.trigger("mnucut");
    program.type("Z");
    QCOMPARE(program.bytes(), QByteArray("<I>Z</I>"));
    QCOMPARE(clipboard()->text(), QString("word"));
}

// The editor draws no block: what Cut takes is what leaves the page.
void TestEditCommands::cutTakesWhatAltShiftArrowsSelect()
{
    Program program;
    program.show();
    program.editor().setBytes("abcdef\nghijkl");
    program.key(Qt::Key_Right);
    program.key(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    program.key(Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier);
    program.key(Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier);
    program.trigger("mnucut");
    QCOMPARE(clipboard()->text(), QString("bcdef\nghi"));
    QCOMPARE(program.bytes(), QByteArray("ajkl"));
}

void TestEditCommands::copyNeverChangesTheDocument()
{
    Program program;
    program.editor().setBytes("one two");
    setClipboard("old");
    program.trigger("mnucopy");
    QVERIFY(!program.form.document().changed);
    QCOMPARE(clipboard()->text(), QString("old"));

    select(program, 4, 3);
    program.trigger("mnucopy");
    QCOMPARE(program.bytes(), QByteArray("one two"));
    QCOMPARE(program.editor().selectedText(), QString("two"));
    QCOMPARE(clipboard()->text(), QString("two"));
}

void TestEditCommands::commandsWithNothingToDoLeaveTheDocumentUnchanged_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("clipboardText");

    QTest::newRow("cut") << "mnucut" << "old";
    QTest::newRow("copy") << "mnucopy" << "old";
    QTest::newRow("paste nothing") << "mnupastefrom" << QString();
}

void TestEditCommands::commandsWithNothingToDoLeaveTheDocumentUnchanged()
{
    QFETCH(QString, action);
    QFETCH(QString, clipboardText);

    Program program;
    program.editor().setBytes("text");
    setClipboard(clipboardText);
    program.trigger(action);
    QCOMPARE(program.bytes(), QByteArray("text"));
    QVERIFY(!program.form.document().changed);
}

void TestEditCommands::delKeyDeletesWithoutTypingABlank()
{
    Program program;
    program.show();
    program.type("abcd");
    select(program, 1, 0);
    program.key(Qt::Key_Delete);
    QCOMPARE(program.bytes(), QByteArray("acd"));

    select(program, 1, 2);
    program.key(Qt::Key_Delete);
    QCOMPARE(program.bytes(), QByteArray("a"));
    QVERIFY(program.form.document().changed);
}

void TestEditCommands::ctrlUSelectsAll()
{
    Program program;
    program.show();
    program.type("first");
    program.key(Qt::Key_Return);
    program.type("second");
    program.key(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(program.editor().selectedText(), QString("first\nsecond"));
    QCOMPARE(program.bytes(), QByteArray("first\nsecond"));
}

void TestEditCommands::editorsOwnClipboardKeysAndUndoStillWork()
{
    Program program;
    program.show();
    program.type("hello world");
    select(program, 6, 5);
    program.key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard()->text(), QString("world"));

    select(program, 0, 6);
    program.key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("world"));
    QCOMPARE(clipboard()->text(), QString("hello "));

    program.key(Qt::Key_End);
    program.key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("worldhello "));

    program.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("world"));
}

void TestEditCommands::menuCutCanBeUndone()
{
    Program program;
    program.show();
    program.type("keep this");
    select(program, 4, 5);
    program.trigger("mnucut");
    QCOMPARE(program.bytes(), QByteArray("keep"));
    program.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("keep this"));
}

void TestEditCommands::fontAppliesToTheWholeText()
{
    Program program;
    program.editor().setBytes(page);
    colourise(program);
    const long tagColour = foregroundAt(program, 1);
    QVERIFY(tagColour != foregroundAt(program, 13));

    program.dialogs.fontAnswers << FontChoice{"DejaVu Serif", 14, true, true, true, true};
    program.trigger("mnufont");
    colourise(program);

    for (long position = 0; position < page.size(); ++position) {
        const Look look = lookAt(program, position);
        QCOMPARE(look.family, QByteArray("DejaVu Serif"));
        QCOMPARE(look.size, 14);
        QVERIFY(look.bold);
        QVERIFY(look.italic);
        QVERIFY(look.underline);
        QVERIFY(look.struckOut);
    }
    QCOMPARE(foregroundAt(program, 1), tagColour);
    QCOMPARE(program.editor().selectedText(), QString(page));
    QVERIFY(program.form.document().changed);

    program.dialogs.fontAnswers << FontChoice{"DejaVu Sans Mono", 9, false, false, false, false};
    program.trigger("mnufont");
    const Look plain = lookAt(program, 5);
    QCOMPARE(plain.family, QByteArray("DejaVu Sans Mono"));
    QCOMPARE(plain.size, 9);
    QVERIFY(!plain.bold);
    QVERIFY(!plain.italic);
    QVERIFY(!plain.underline);
    QVERIFY(!plain.struckOut);
}

void TestEditCommands::fontDialogStartsFromTheShownFont()
{
    Program program;
    program.editor().setBytes("x");
    const QByteArray shownFamily = lookAt(program, 0).family;
    const FontChoice chosen{"DejaVu Serif", 12, false, true, false, false};
    program.dialogs.fontAnswers << chosen << std::nullopt;
    program.trigger("mnufont");
    program.trigger("mnufont");
    program.trigger("mnufont");

    QCOMPARE(program.dialogs.fontStarts.size(), 3);
    const FontChoice first = program.dialogs.fontStarts.first();
    QCOMPARE(first.name.toUtf8(), shownFamily);
    QCOMPARE(first, (FontChoice{first.name, 10, false, false, false, false}));
    QCOMPARE(program.dialogs.fontStarts.mid(1), (QList<FontChoice>{chosen, chosen}));
}

void TestEditCommands::cancelledFontKeepsTheLookWithEverythingSelected()
{
    Program program;
    program.editor().setBytes(page);
    program.dialogs.fontAnswers << FontChoice{"DejaVu Serif", 16, true, false, false, true};
    program.trigger("mnufont");
    program.key(Qt::Key_End);

    program.dialogs.fontAnswers << std::nullopt;
    program.trigger("mnufont");

    QCOMPARE(program.editor().selectedText(), QString(page));
    const Look look = lookAt(program, 3);
    QCOMPARE(look.family, QByteArray("DejaVu Serif"));
    QCOMPARE(look.size, 16);
    QVERIFY(look.bold);
    QVERIFY(look.underline);
    QCOMPARE(program.bytes(), page);
}

void TestEditCommands::strikeOutCoversTextTypedLater()
{
    Program program;
    program.type("old");
    program.dialogs.fontAnswers << FontChoice{"DejaVu Sans", 10, false, false, true, false};
    program.trigger("mnufont");
    program.key(Qt::Key_End);
    program.type(" new");
    QVERIFY(lookAt(program, 5).struckOut);
}

void TestEditCommands::fontIsNeverSaved()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("page.htm");
    Program program;
    program.type("<P>text</P>");
    program.key(Qt::Key_Return);
    program.dialogs.fontAnswers << FontChoice{"DejaVu Serif", 20, true, true, true, true};
    program.trigger("mnufont");
    program.dialogs.saveAnswers << path;
    program.trigger("mnusave");

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("<P>text</P>\n"));
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
