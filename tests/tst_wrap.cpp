#include "support/paints.h"
#include "support/program.h"

#include "editor/htmlstyler.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractScrollArea>
#include <QFontInfo>

// Word wrap: a line takes as many rows as it is drawn in, however the editor came to wrap
// it, and a jump ahead of the background layout shows its place.
namespace {
long send(QWidget *area, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return static_cast<QsciScintilla *>(area)->SendScintilla(message, wParam, lParam);
}

// The rows the line takes on screen.
long rowsTaken(QWidget *area, long line)
{
    return send(area, QsciScintilla::SCI_VISIBLEFROMDOCLINE, line + 1)
           - send(area, QsciScintilla::SCI_VISIBLEFROMDOCLINE, line);
}

// The rows its text is drawn in, from a layout of the line made there and then.
long drawnRows(QWidget *area, long line)
{
    return send(area, QsciScintilla::SCI_WRAPCOUNT, line);
}

// Where the caret would stand before each byte of the text: the row gives the wrap points.
QList<QPoint> caretPlaces(QWidget *area)
{
    QList<QPoint> places;
    const long length = send(area, QsciScintilla::SCI_GETLENGTH);
    for (long position = 0; position <= length; ++position)
        places << QPoint(int(send(area, QsciScintilla::SCI_POINTXFROMPOSITION, 0, position)),
                         int(send(area, QsciScintilla::SCI_POINTYFROMPOSITION, 0, position)));
    return places;
}

bool onScreen(QWidget *area, long line)
{
    const long shown = send(area, QsciScintilla::SCI_VISIBLEFROMDOCLINE, line);
    const long first = send(area, QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    return shown >= first && shown < first + send(area, QsciScintilla::SCI_LINESONSCREEN);
}
} // namespace

class TestWrap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void lineTakesTheRowsItIsDrawnIn_data();
    void lineTakesTheRowsItIsDrawnIn();
    void jumpAheadOfTheLayout();
    void longLineEditedInTheMiddle();
    void foldedLineShownAgainTakesItsRows();
    void computedPositionsAreMeasuredOnes_data();
    void computedPositionsAreMeasuredOnes();
};

void TestWrap::lineTakesTheRowsItIsDrawnIn_data()
{
    // A piece repeated to a share of the characters that fit in a row.
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<double>("rowShare");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("short") << QByteArray("<TD>") << 0.5 << false;
    QTest::newRow("just short of the edge") << QByteArray("x") << 0.97 << false;
    QTest::newRow("just over the edge") << QByteArray("x") << 1.03 << true;
    QTest::newRow("words over the edge") << QByteArray("word ") << 1.5 << true;
    QTest::newRow("tabs") << QByteArray("\tab") << 0.9 << true;
    QTest::newRow("two-byte characters") << QByteArray("\xc3\xa9") << 0.9 << false;
    QTest::newRow("two-byte characters over the edge") << QByteArray("\xc3\xa9") << 1.1 << true;
    // Measured word by word, each word starting with a byte above 0x7F.
    QTest::newRow("words of two-byte characters") << QByteArray("\xc3\xa9t\xc3\xa9 ") << 1.5
                                                  << true;
    QTest::newRow("C1 controls, shown as blobs") << QByteArray("a\xc2\x85") << 0.8 << true;
    QTest::newRow("control characters") << QByteArray("a\x01") << 0.8 << true;
    QTest::newRow("three-byte characters") << QByteArray("\xe2\x82\xac") << 1.05 << true;
}

void TestWrap::lineTakesTheRowsItIsDrawnIn()
{
    QFETCH(QByteArray, piece);
    QFETCH(double, rowShare);
    QFETCH(bool, wraps);
    Program program;
    program.form.resize(640, 480);
    program.show();
    QWidget *area = program.textArea();
    const QByteArray x(100, 'x');
    long rowWidth = static_cast<QsciScintilla *>(area)->viewport()->width()
                    - send(area, QsciScintilla::SCI_GETMARGINLEFT)
                    - send(area, QsciScintilla::SCI_GETMARGINRIGHT);
    for (int margin = 0; margin < 5; ++margin)
        rowWidth -= send(area, QsciScintilla::SCI_GETMARGINWIDTHN, margin);
    const double charWidth = static_cast<QsciScintilla *>(area)->SendScintilla(
                                 QsciScintilla::SCI_TEXTWIDTH, uintptr_t(0), x.constData())
                             / 100.0;
    const int pieceChars = QString::fromUtf8(piece).size();
    QByteArray line;
    while ((line.size() / piece.size() + 1) * pieceChars * charWidth <= rowShare * rowWidth)
        line += piece;
    program.editor().setContents("<P>\n" + line + "\n</P>\n", Encoding::Utf8);
    QTRY_COMPARE(rowsTaken(area, 1), drawnRows(area, 1));
    QCOMPARE(rowsTaken(area, 1) > 1, wraps);
}

void TestWrap::jumpAheadOfTheLayout()
{
    Program program;
    program.form.resize(640, 480);
    program.show();
    QWidget *area = program.textArea();
    const QByteArray longLine = QByteArray("the <B>end</B> of the page ").repeated(30);
    const QByteArray rows = QByteArray("<TR><TD ALIGN=LEFT>cell text</TD><TD>more</TD></TR>\n")
                                .repeated(40000);
    const QByteArray page = rows + longLine + "\n" + rows + longLine + "\n" + longLine;
    program.editor().setContents(page, Encoding::Utf8);
    const long middle = 40000;
    const long last = send(area, QsciScintilla::SCI_GETLINECOUNT) - 1;

    program.key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(send(area, QsciScintilla::SCI_GETCURRENTPOS), long(page.size()));
    QVERIFY(onScreen(area, last));
    QCOMPARE(rowsTaken(area, last - 1), drawnRows(area, last - 1));
    QVERIFY(rowsTaken(area, last - 1) > 1);

    // Once the lines before it are wrapped, the end is still where the view is. The rows are
    // counted as they come: the vertical scroll bar, shown meanwhile, narrows the rows. The
    // view is not drawn again for each piece of that work, only when what it shows changes.
    const Paints paints(static_cast<QAbstractScrollArea *>(area)->viewport());
    QTRY_COMPARE_WITH_TIMEOUT(send(area, QsciScintilla::SCI_VISIBLEFROMDOCLINE, last),
                              last + drawnRows(area, middle) - 1 + drawnRows(area, last - 1) - 1,
                              20000);
    QVERIFY(onScreen(area, last));
    QVERIFY2(paints.whole <= 2, QByteArray::number(paints.whole));
    // Coloured in idle time, and wrapped again where the colours changed.
    const long tag = send(area, QsciScintilla::SCI_POSITIONFROMLINE, last) + 4;
    QTRY_COMPARE(send(area, QsciScintilla::SCI_GETSTYLEAT, tag), long(HtmlStyler::Tag));
    QCOMPARE(rowsTaken(area, last - 1), drawnRows(area, last - 1));
    QVERIFY(showsWhatItDraws(static_cast<QAbstractScrollArea *>(area)->viewport()));
}

// A minified page, one line far longer than a screenful: each row within the window, each
// character right of the one before it on its row, the rows taken those it is drawn in,
// before and after typing in its middle.
void TestWrap::longLineEditedInTheMiddle()
{
    Program program;
    program.form.resize(640, 480);
    program.show();
    QWidget *area = program.textArea();
    const QByteArray line = QByteArray("<TD ALIGN=LEFT>cell &amp; caf\xc3\xa9 text</TD>"
                                       "<P>words\tand <A HREF=\"x.htm\">more</A> ")
                                .repeated(600);
    program.editor().setContents(line, Encoding::Utf8);
    const auto checkRows = [&] {
        QTRY_COMPARE(rowsTaken(area, 0), drawnRows(area, 0));
        const QList<QPoint> places = caretPlaces(area);
        const int width = static_cast<QsciScintilla *>(area)->viewport()->width();
        for (int i = 1; i < places.size(); ++i) {
            QVERIFY(places[i].x() < width);
            QVERIFY(places[i].y() >= places[i - 1].y());
            // A two-byte character's second byte stands where it does.
            QVERIFY(places[i].y() > places[i - 1].y() || places[i].x() >= places[i - 1].x());
        }
        QCOMPARE(places.last().y() - places.first().y(),
                 int((rowsTaken(area, 0) - 1)
                     * send(area, QsciScintilla::SCI_TEXTHEIGHT, 0)));
    };
    checkRows();
    program.editor().setCaret({1, 20000});
    program.type("typed <B>");
    QVERIFY(program.bytes().contains("typed <B>"));
    checkRows();
    program.key(Qt::Key_PageUp);
    program.key(Qt::Key_Backspace);
    checkRows();
}

// A wrapped line folded away takes no rows, and those it took once it is shown again.
void TestWrap::foldedLineShownAgainTakesItsRows()
{
    Program program;
    program.form.resize(640, 480);
    program.show();
    QWidget *area = program.textArea();
    program.editor().setContents("<DIV>\n" + QByteArray("word ").repeated(300) + "\n</DIV>\nx",
                                 Encoding::Utf8);
    QTRY_VERIFY(rowsTaken(area, 1) > 1);
    const long rows = rowsTaken(area, 1);
    program.trigger(QStringLiteral("mnufoldall"));
    QCOMPARE(rowsTaken(area, 1), 0L);
    program.trigger(QStringLiteral("mnuunfoldall"));
    QCOMPARE(rowsTaken(area, 1), rows);
    QCOMPARE(rowsTaken(area, 1), drawnRows(area, 1));
}

void TestWrap::computedPositionsAreMeasuredOnes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("font"); // chosen with Options > Font; the program's own if empty
    QTest::addColumn<bool>("computed"); // whether the text's positions can be computed at all

    const QByteArray prose = "<P>The <A HREF=\"page.htm#top\">first page</A> &amp; its "
                             "<B>table</B> of contents, with entities &eacute; and words. ";
    QTest::newRow("markup") << prose.repeated(12) << QString() << true;
    QTest::newRow("Latin letters") << QByteArray("caf\xc3\xa9 ni\xc3\xb1o Stra\xc3\x9f" "e "
                                                 "\xc3\xa0 la \xc4\x8d\xc5\x91 ").repeated(20)
                                   << QString() << true;
    QTest::newRow("no-break and soft hyphens")
        << QByteArray("no\xc2\xa0" "break soft\xc2\xadhyphen ").repeated(20) << QString() << true;
    QTest::newRow("rarer Latin letters")
        << QByteArray("\xc7\x85 \xc8\xb8 \xc9\x8f \xc6\x80 word ").repeated(30) << QString()
        << true;
    QTest::newRow("tabs") << QByteArray("\tcell\tcell text\t").repeated(20) << QString() << true;
    QTest::newRow("double-width characters")
        << QByteArray("\xe4\xb8\xad\xe6\x96\x87 text ").repeated(30) << QString() << true;
    QTest::newRow("control characters") << QByteArray("a\x01 b\xc2\x85 ").repeated(40)
                                        << QString() << true;
    QTest::newRow("a proportional font") << prose.repeated(12) << "DejaVu Sans" << false;
}

void TestWrap::computedPositionsAreMeasuredOnes()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, font);
    QFETCH(bool, computed);
    Program program;
    program.form.resize(640, 480);
    program.show();
    if (!font.isEmpty()) {
        program.dialogs.fontAnswers << FontChoice{font, 10};
        program.trigger("mnufont");
    }
    QWidget *area = program.textArea();
    program.editor().setContents(text + "\n<P>short</P>\n", Encoding::Utf8);
    send(area, QsciScintilla::SCI_COLOURISE, 0, -1);
    // The program's font is fixed-pitch wherever a fixed-pitch font is to be had.
    if (QFontInfo(program.editor().displayFont()).fixedPitch())
        QCOMPARE(send(area, QsciScintilla::SCI_GETFIXEDPITCHSHORTCUT) != 0, computed);
    const QList<QPoint> shortcut = caretPlaces(area);
    QVERIFY(shortcut.last().y() > shortcut.first().y());

    send(area, QsciScintilla::SCI_SETFIXEDPITCHSHORTCUT, 0);
    QCOMPARE(send(area, QsciScintilla::SCI_GETFIXEDPITCHSHORTCUT), 0L);
    QCOMPARE(caretPlaces(area), shortcut);
}

QTEST_MAIN(TestWrap)
#include "tst_wrap.moc"
