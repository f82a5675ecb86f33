#include "support/program.h"

#include "editor/htmlstyler.h"

#include <Qsci/qsciscintilla.h>

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

    // Once the lines before it are wrapped, the end is still where the view is.
    const long wrapped = last + drawnRows(area, middle) - 1 + drawnRows(area, last - 1) - 1;
    QTRY_COMPARE_WITH_TIMEOUT(send(area, QsciScintilla::SCI_VISIBLEFROMDOCLINE, last), wrapped,
                              20000);
    QVERIFY(onScreen(area, last));
    // Coloured in idle time, and wrapped again where the colours changed.
    const long tag = send(area, QsciScintilla::SCI_POSITIONFROMLINE, last) + 4;
    QTRY_COMPARE(send(area, QsciScintilla::SCI_GETSTYLEAT, tag), long(HtmlStyler::Tag));
    QCOMPARE(rowsTaken(area, last - 1), drawnRows(area, last - 1));
}

QTEST_MAIN(TestWrap)
#include "tst_wrap.moc"
