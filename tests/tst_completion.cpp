#include "support/program.h"

#include "document/recovery.h"
#include "editor/htmlcontext.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

// Completion of what is typed from the program's vocabulary: where a list opens and what
// it offers, what accepting writes, and the end tag that "</" writes.
namespace {
// Types the keys as a user does: text as it stands, {Enter}, {Tab}, {Esc}, {Down},
// {Backspace} and {Undo} (Ctrl+Z) as those keys.
void press(Program &program, const QString &keys)
{
    static const QMap<QString, QPair<int, Qt::KeyboardModifiers>> named = {
        {"Enter", {Qt::Key_Return, Qt::NoModifier}},  {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
        {"Esc", {Qt::Key_Escape, Qt::NoModifier}},    {"Down", {Qt::Key_Down, Qt::NoModifier}},
        {"Backspace", {Qt::Key_Backspace, Qt::NoModifier}},
        {"Undo", {Qt::Key_Z, Qt::ControlModifier}},
    };
    const QRegularExpression key(QStringLiteral("\\{(\\w+)\\}"));
    int from = 0;
    for (auto it = key.globalMatch(keys); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        program.type(keys.mid(from, match.capturedStart() - from));
        const auto [code, modifiers] = named.value(match.captured(1));
        program.key(code, modifiers);
        QCoreApplication::processEvents(); // as between a user's keys
        from = match.capturedEnd();
    }
    program.type(keys.mid(from));
}

// The items of the open completion list; none while it is closed.
QStringList listed(Program &program)
{
    QStringList items;
    for (auto list : program.textArea()->findChildren<QListWidget *>()) {
        for (int row = 0; list->isVisible() && row < list->count(); ++row)
            items << list->item(row)->text();
    }
    return items;
}
} // namespace

class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void context_data();
    void context();
    void typedCase_data();
    void typedCase();
    void openElement_data();
    void openElement();
    void listOffers_data();
    void listOffers();
    void typing_data();
    void typing();
    void menuItemTurnsItOff();
    void completionIsKeptForACrash();
};

void TestCompletion::context_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QByteArray>("attribute");
    QTest::addColumn<QByteArray>("typed");

    const auto row = [](const char *name, const QByteArray &text, HtmlContext::Kind kind,
                        const QByteArray &element = {}, const QByteArray &attribute = {},
                        const QByteArray &typed = {}) {
        QTest::newRow(name) << text << int(kind) << element << attribute << typed;
    };
    row("text", "<P>Some words", HtmlContext::Text);
    row("a < b", "if a < b", HtmlContext::Text);
    row("after <", "<P>x<MAR", HtmlContext::TagName, {}, {}, "MAR");
    row("an end tag", "x</TA", HtmlContext::Tag);
    row("an attribute", "<TD AL", HtmlContext::AttributeName, "TD", {}, "AL");
    row("an attribute after others", "<TD ALIGN=LEFT\nval", HtmlContext::AttributeName, "TD",
        {}, "val");
    row("no blank before it", "<A HREF=\"x\"T", HtmlContext::Tag, "A");
    row("after a quoted >", "<A TITLE=\"a>b\" HR", HtmlContext::AttributeName, "A", {}, "HR");
    row("a bare value", "<TD ALIGN=", HtmlContext::Value, "TD", "ALIGN");
    row("a quoted value", "<FONT FACE=\"Ti", HtmlContext::Value, "FONT", "FACE", "Ti");
    row("after &", "caf&eac", HtmlContext::Entity, {}, {}, "eac");
    row("a character number", "&#23", HtmlContext::Text);
    row("after <!--#", "<P><!--#inc", HtmlContext::Directive, {}, {}, "inc");
    row("a directive's attributes", "<!--#include vir", HtmlContext::Comment);
    row("inside a comment", "<!-- <B", HtmlContext::Comment);
    row("after a comment", "<!-- x --><B", HtmlContext::TagName, {}, {}, "B");
    row("inside SCRIPT", "<SCRIPT>if (a <b", HtmlContext::RawText);
    row("after SCRIPT", "<script>x</script><I", HtmlContext::TagName, {}, {}, "I");
    row("a declaration", "<!DOCTYPE HTML", HtmlContext::Comment);
}

void TestCompletion::context()
{
    QFETCH(QByteArray, text);
    QFETCH(int, kind);
    QFETCH(QByteArray, element);
    QFETCH(QByteArray, attribute);
    QFETCH(QByteArray, typed);

    const HtmlContext context = contextBefore(text);
    QCOMPARE(int(context.kind), kind);
    QCOMPARE(context.element, element);
    QCOMPARE(context.attribute, attribute);
    QCOMPARE(context.typed, typed);
}

void TestCompletion::typedCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("upper") << "MARQUEE" << QByteArray("Ma") << "MARQUEE";
    QTest::newRow("lower") << "MARQUEE" << QByteArray("mA") << "marquee";
    QTest::newRow("a lower-case name typed upper") << "background" << QByteArray("B")
                                                  << "BACKGROUND";
    QTest::newRow("with a hyphen") << "HTTP-EQUIV" << QByteArray("h") << "http-equiv";
}

void TestCompletion::typedCase()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, typed);
    QFETCH(QString, written);
    QCOMPARE(inTypedCase(name, typed), written);
}

void TestCompletion::openElement_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("open");

    QTest::newRow("nested") << QByteArray("<HTML><BODY><TABLE><TR><TD>x") << QByteArray("TD");
    QTest::newRow("inner one closed") << QByteArray("<B><I>x</I>") << QByteArray("B");
    QTest::newRow("mixed case") << QByteArray("<b>x</B><Font SIZE=2>y") << QByteArray("Font");
    QTest::newRow("void") << QByteArray("<P>x<BR><IMG SRC=\"a.gif\">") << QByteArray("P");
    QTest::newRow("closed by itself") << QByteArray("<DIV>x<SPAN/>") << QByteArray("DIV");
    QTest::newRow("closed by itself after a blank") << QByteArray("<DIV>x<SPAN />")
                                                    << QByteArray("DIV");
    QTest::newRow("an address ending in /")
        << QByteArray("<P>See <A HREF=http://www.example.com/>our site") << QByteArray("A");
    QTest::newRow("unclosed inside a closed one") << QByteArray("<DIV><P>text</DIV>")
                                                  << QByteArray();
    QTest::newRow("a stray end tag") << QByteArray("<B>x</I>") << QByteArray("B");
    QTest::newRow("an item ends the one before") << QByteArray("<UL><LI>one<LI>two</LI>")
                                                 << QByteArray("UL");
    QTest::newRow("a row ends the cell") << QByteArray("<TABLE><TR><TD>a<TR><TD>b</TD>")
                                         << QByteArray("TR");
    QTest::newRow("commented out") << QByteArray("<B>x<!-- <I> -->") << QByteArray("B");
    QTest::newRow("a directive") << QByteArray("<B><!--#echo var=\"x\" -->")
                                 << QByteArray("B");
    QTest::newRow("a script's text") << QByteArray("<B><SCRIPT>if (a<b) w('<I>')</SCRIPT>")
                                     << QByteArray("B");
    QTest::newRow("in a script") << QByteArray("<P><SCRIPT>x") << QByteArray("SCRIPT");
    QTest::newRow("in a comment") << QByteArray("<B><!-- x") << QByteArray();
    QTest::newRow("one the vocabulary lacks") << QByteArray("<blah>x") << QByteArray("blah");
    QTest::newRow("none") << QByteArray("plain text") << QByteArray();
}

void TestCompletion::openElement()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, open);
    QCOMPARE(openElementBefore(text), open);
}

void TestCompletion::listOffers_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("names in the case typed")
        << "<m" << QStringList{"map", "marquee", "math", "menu", "meta", "multicol"};
    QTest::newRow("narrowed") << "<MAR" << QStringList{"MARQUEE"};
    QTest::newRow("widened again") << "<BLI{Backspace}"
                                   << QStringList{"BLINK", "BLOCKQUOTE"};
    QTest::newRow("back to a lone <") << "<B{Backspace}" << QStringList();
    QTest::newRow("an element's attributes") << "<TD V" << QStringList{"VALIGN"};
    QTest::newRow("an attribute's values") << "<MARQUEE BE{Enter}"
                                           << QStringList{"SCROLL", "SLIDE", "ALTERNATE"};
    QTest::newRow("entities keep their case") << "&AE" << QStringList{"AElig"};
    QTest::newRow("directives") << "<!--#e" << QStringList{"echo", "email", "exec"};
    QTest::newRow("no name after a blank") << "a < b" << QStringList();
    QTest::newRow("a digit") << "<1" << QStringList();
    QTest::newRow("a character no name has") << "<MAR>" << QStringList();
    QTest::newRow("Escape") << "<MAR{Esc}" << QStringList();
    QTest::newRow("in a comment") << "<!-- <B" << QStringList();
    QTest::newRow("in a script") << "<SCRIPT>a <b" << QStringList();
}

void TestCompletion::listOffers()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, items);

    Program program;
    program.show();
    press(program, keys);
    QCOMPARE(listed(program), items);
}

void TestCompletion::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Enter accepts") << "<MARQ{Enter}" << QByteArray("<MARQUEE");
    QTest::newRow("Tab accepts") << "<marq{Tab}>" << QByteArray("<marquee>");
    QTest::newRow("Escape keeps what was typed") << "<MARQ{Esc}{Enter}"
                                                 << QByteArray("<MARQ\n");
    QTest::newRow("Enter after a lone <") << "a <{Enter}b" << QByteArray("a <\nb");
    QTest::newRow("quoted attribute") << "<A HR{Enter}x.htm" << QByteArray("<A HREF=\"x.htm\"");
    QTest::newRow("bare attribute and its value") << "<td al{Enter}{Enter}>"
                                                  << QByteArray("<td align=LEFT>");
    QTest::newRow("quoted value") << "<FONT F{Enter}{Down}{Enter}>x"
                                  << QByteArray("<FONT FACE=\"Arial\">x");
    QTest::newRow("value typed by hand") << "<P ALIGN=j{Enter}>"
                                         << QByteArray("<P ALIGN=JUSTIFY>");
    QTest::newRow("colour") << "<BODY BGC{Enter}FF0000" << QByteArray("<BODY BGCOLOR=#FF0000");
    QTest::newRow("flag") << "<TD NOW{Enter}>" << QByteArray("<TD NOWRAP>");
    QTest::newRow("entity") << "caf&eac{Enter}" << QByteArray("caf&eacute;");
    QTest::newRow("directive") << "<!--#inc{Enter}" << QByteArray("<!--#include ");
    QTest::newRow("end tag") << "<TD>x</" << QByteArray("<TD>x</TD>");
    QTest::newRow("end tag in its start tag's case") << "<Td>x</" << QByteArray("<Td>x</Td>");
    QTest::newRow("end tag typed in full") << "<B>x</b>y" << QByteArray("<B>x</B>y");
    QTest::newRow("nothing open") << "x</" << QByteArray("x</");
    QTest::newRow("one Ctrl+Z takes a completion back") << "<MARQ{Enter}{Undo}"
                                                        << QByteArray("<MARQ");
    QTest::newRow("and an end tag") << "<B>x</{Undo}" << QByteArray("<B>x</");
}

void TestCompletion::typing()
{
    QFETCH(QString, keys);
    QFETCH(QByteArray, bytes);

    Program program;
    program.show();
    press(program, keys);
    QCOMPARE(program.bytes(), bytes);
}

void TestCompletion::menuItemTurnsItOff()
{
    Program program;
    program.show();
    auto item = program.find<QAction>("mnuautocomplete");
    QVERIFY(item->isChecked());
    program.trigger("mnuautocomplete");
    QVERIFY(!item->isChecked());
    press(program, "<MAR");
    QCOMPARE(listed(program), QStringList());
    press(program, ">x</");
    QCOMPARE(program.bytes(), QByteArray("<MAR>x</"));

    program.trigger("mnuautocomplete");
    QVERIFY(item->isChecked());
    press(program, "MAR><I>y</");
    QCOMPARE(program.bytes(), QByteArray("<MAR>x</MAR><I>y</I>"));
}

void TestCompletion::completionIsKeptForACrash()
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    Program program;
    program.show();
    press(program, "<MARQ");
    program.dialogs.saveAnswers << data.filePath("page.htm");
    program.trigger("mnusave");
    QVERIFY(!program.editor().isModified());

    // Enter types nothing: the word it accepts is the only edit.
    QSignalSpy written(&program.form.recovery(), &Recovery::written);
    press(program, "{Enter}");
    QVERIFY(program.editor().isModified());
    QVERIFY(written.wait(5000));
    QFile file(QDir(recoveryFolder()).entryInfoList({"*.qrec"}).value(0).filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(readRecord(file)->contents, QByteArray("<MARQUEE"));
}

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
