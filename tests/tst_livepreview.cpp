#include "support/files.h"
#include "support/program.h"

#include "app/livepreview.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

// View > Live Preview: the page drawn beside the editor as it is typed.
namespace {
LivePreview *previewOn(Program &program)
{
    program.show();
    program.trigger("mnulivepreview");
    return program.find<LivePreview>("LivePreview");
}

void open(Program &program, const QString &path, const QByteArray &bytes)
{
    writeFile(path, bytes);
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
}

QString drawnText(LivePreview *preview)
{
    return preview->page() ? preview->page()->toPlainText() : QString();
}

QAbstractScrollArea *view(LivePreview *preview)
{
    return preview->findChild<QAbstractScrollArea *>("LivePreviewPage");
}

bool showsRed(LivePreview *preview)
{
    const QImage shot = view(preview)->viewport()->grab().toImage();
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) == qRgb(255, 0, 0))
                return true;
        }
    }
    return false;
}

QString note(LivePreview *preview)
{
    auto label = preview->findChild<QLabel *>("LivePreviewNote");
    return label->isVisible() ? label->text() : QString();
}

bool checked(Form1 &form, const char *action)
{
    return form.findChild<QAction *>(action)->isChecked();
}
} // namespace

class TestLivePreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void drawnWhenTypingPauses();
    void followsTheCaretToAnElement();
    void linkShowsItsTargetAndIsNotFollowed();
    void imagesFromThePagesFolderOnly_data();
    void imagesFromThePagesFolderOnly();
    void windows1252Characters();
    void textAfterANulByte();
    void framesetSaysToUseTheBrowser();
    void largePageDrawnWhenAsked();
    void choiceAndSplitKeptForTheNextStart();

private:
    QTemporaryDir m_dir;
};

void TestLivePreview::initTestCase()
{
    initResources();
    QVERIFY(QDir(m_dir.path()).mkpath("site/img"));
    QVERIFY(QDir(m_dir.path()).mkpath("other"));
    QImage red(24, 24, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_dir.filePath("site/img/red.png")));
    QVERIFY(red.save(m_dir.filePath("other/red.png")));
}

void TestLivePreview::init()
{
    // Every test starts as Quillet's first start, with the preview off.
    QVERIFY(firstStart());
}

void TestLivePreview::drawnWhenTypingPauses()
{
    Program program;
    LivePreview *preview = previewOn(program);
    program.type("<B>Hello</B>");
    // Not while typing: only once it pauses.
    QVERIFY(drawnText(preview) != "Hello");
    QTRY_COMPARE(drawnText(preview), QString("Hello"));
}

void TestLivePreview::followsTheCaretToAnElement()
{
    Program program;
    LivePreview *preview = previewOn(program);
    QByteArray page;
    for (int i = 0; i < 100; ++i)
        page += "<P>before " + QByteArray::number(i) + "</P>\n";
    page += "<H2><A NAME=\"far\">Far</A></H2>\n<P>after</P>\n";
    for (int i = 0; i < 100; ++i)
        page += "<P>after " + QByteArray::number(i) + "</P>\n";
    open(program, m_dir.filePath("site/follow.htm"), page);
    QTRY_VERIFY(drawnText(preview).contains("after 99"));
    const QTextCursor far = preview->page()->find("Far");
    const int top = int(preview->page()->documentLayout()->blockBoundingRect(far.block()).top());
    QVERIFY(top > 0);

    program.editor().setCaret({102, 3}); // in the paragraph after the named one
    QScrollBar *scroll = view(preview)->verticalScrollBar();
    QTRY_COMPARE(scroll->value(), top);
    program.key(Qt::Key_Home, Qt::ControlModifier);
    QTRY_COMPARE(scroll->value(), 0);
}

void TestLivePreview::linkShowsItsTargetAndIsNotFollowed()
{
    Program program;
    LivePreview *preview = previewOn(program);
    program.type("<P><A HREF=\"next.htm\">Next page</A></P>");
    QTRY_COMPARE(drawnText(preview), QString("Next page"));
    const QTextDocument *page = preview->page();
    const QRectF link = page->documentLayout()->blockBoundingRect(page->begin());
    QTest::mouseClick(view(preview)->viewport(), Qt::LeftButton, {},
                      QPoint(int(link.left()) + 8, int(link.center().y())));
    QCOMPARE(program.find<QStatusBar>("Bar1")->currentMessage(), QString("Link to next.htm"));
    QCOMPARE(preview->page(), page);
    QCOMPARE(program.world.browserFiles, QStringList());
}

void TestLivePreview::imagesFromThePagesFolderOnly_data()
{
    // %1 is the folder that holds site/, the page's folder, and other/.
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("the page's folder") << "img/red.png" << false << true;
    QTest::newRow("untitled") << "%1/site/img/red.png" << true << false;
    QTest::newRow("another folder") << "%1/other/red.png" << false << false;
    QTest::newRow("up and out") << "../other/red.png" << false << false;
    QTest::newRow("UNC") << "\\\\server\\share\\red.png" << false << false;
    QTest::newRow("UNC with slashes") << "//server/share/red.png" << false << false;
    QTest::newRow("a file on another computer") << "file://server/share/red.png" << false
                                                << false;
    QTest::newRow("http") << "http://example.com/red.png" << false << false;
}

void TestLivePreview::imagesFromThePagesFolderOnly()
{
    QFETCH(QString, source);
    QFETCH(bool, untitled);
    QFETCH(bool, drawn);
    Program program;
    LivePreview *preview = previewOn(program);
    QStringList asked;
    preview->setFileReader([&asked](const QString &path) {
        asked << path;
        return readPageFile(path);
    });
    const QByteArray page = "<P>picture <IMG SRC=\""
                            + source.replace("%1", m_dir.path()).toUtf8() + "\"> end</P>";
    if (untitled)
        program.type(QString::fromUtf8(page));
    else
        open(program, m_dir.filePath("site/page.htm"), page);

    QTRY_VERIFY(drawnText(preview).contains("end"));
    QCOMPARE(showsRed(preview), drawn);
    asked.removeDuplicates();
    QCOMPARE(asked, drawn ? QStringList{m_dir.filePath("site/img/red.png")} : QStringList());
}

void TestLivePreview::windows1252Characters()
{
    Program program;
    LivePreview *preview = previewOn(program);
    open(program, m_dir.filePath("site/1252.htm"), "<P>\x93""Caf\xe9\x94 \x80 5</P>");
    QTRY_COMPARE(drawnText(preview), QString::fromUtf8("\u201cCaf\u00e9\u201d \u20ac 5"));
}

void TestLivePreview::textAfterANulByte()
{
    Program program;
    LivePreview *preview = previewOn(program);
    // Not "nul.htm": Windows keeps that name for a device.
    open(program, m_dir.filePath("site/zero.htm"), QByteArray("<P>before\0after</P>", 20));
    QTRY_VERIFY(drawnText(preview).contains("after"));
}

void TestLivePreview::framesetSaysToUseTheBrowser()
{
    Program program;
    LivePreview *preview = previewOn(program);
    program.type("<FRAMESET COLS=\"50%,50%\"><FRAME SRC=\"a.htm\"><FRAME SRC=\"b.htm\">"
                 "</FRAMESET>");
    QTRY_COMPARE(note(preview), QString("This page is made of frames, which the live preview "
                                        "does not draw: preview it in the browser (F5)."));
}

void TestLivePreview::largePageDrawnWhenAsked()
{
    Program program;
    LivePreview *preview = previewOn(program);
    const QByteArray page = "<P>big</P><!--" + QByteArray(LivePreview::largePage, 'x') + "-->";
    open(program, m_dir.filePath("site/big.htm"), page);
    auto button = preview->findChild<QPushButton *>("LivePreviewDraw");
    QTRY_VERIFY(button->isVisible());
    QCOMPARE(note(preview), QString("This page is larger than 4 MB, so the preview draws it "
                                    "only when asked, and typing stays quick."));
    QVERIFY(!drawnText(preview).contains("big"));

    button->click();
    QTRY_COMPARE(drawnText(preview), QString("big"));
}

void TestLivePreview::choiceAndSplitKeptForTheNextStart()
{
    Program first;
    first.show();
    QVERIFY(!checked(first.form, "mnulivepreview"));
    QVERIFY(!first.find<LivePreview>("LivePreview"));
    first.trigger("mnulivepreview");
    // The user drags the splitter's handle to the left.
    auto split = first.find<QSplitter>("PreviewSplitter");
    QSplitterHandle *handle = split->handle(1);
    const QPoint from = handle->rect().center();
    const QPoint to = from - QPoint(split->width() / 5, 0);
    for (const auto &[type, at] : {std::pair{QEvent::MouseButtonPress, from},
                                   std::pair{QEvent::MouseMove, to},
                                   std::pair{QEvent::MouseButtonRelease, to}}) {
        QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    }
    const QList<int> sizes = split->sizes();
    QVERIFY(sizes[0] < sizes[1]);

    Intro next;
    next.goOn();
    Form1 &main = *next.mainWindow();
    QVERIFY(checked(main, "mnulivepreview"));
    QVERIFY(main.findChild<LivePreview *>("LivePreview")->isVisible());
    const QList<int> kept = main.findChild<QSplitter *>("PreviewSplitter")->sizes();
    QCOMPARE(kept[0] * 100 / (kept[0] + kept[1]), sizes[0] * 100 / (sizes[0] + sizes[1]));
}

QTEST_MAIN(TestLivePreview)
#include "tst_livepreview.moc"
