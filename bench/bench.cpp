// Prints how long the editor takes to start, open, lay out, save and insert into large
// documents, beside the time a plain read of the same file takes: pages of table rows,
// and one of prose.
#include "app/commands/filecommands.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/outsideworld.h"
#include "app/qtcommondialogs.h"
#include "document/memory.h"
#include "editor/editor.h"
#include "recoverybench.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <numeric>
#include <optional>

namespace {
class QuietWorld : public OutsideWorld
{
public:
    QString installFolder() override { return {}; }
    QString openInBrowser(const QString &) override { return {}; }
    QString startProgram(const QString &, const QStringList &) override { return {}; }
    QString print(const QString &) override { return {}; }
    void endProgram() override {}
};

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

double cpuMilliseconds()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A megabyte of paragraphs whose sentences seldom repeat, made of a few words.
QByteArray prose()
{
    const char *const words[] = {"the",  "quick", "brown", "fox",   "jumps",  "over",
                                 "lazy", "dog",   "and",   "then",  "some",   "more",
                                 "page", "words", "with",  "a",     "editor", "text",
                                 "of",   "to",    "in",    "is",    "caf\xc3\xa9", "follow"};
    QByteArray chunk;
    for (int line = 0; chunk.size() < 1024 * 1024; ++line) {
        chunk += "<P>";
        for (int word = 0; word < 14; ++word)
            chunk += words[(line * 31 + word * 17 + (line >> 3) * word) % 24] + QByteArray(" ");
        chunk += "</P>\n";
    }
    return chunk;
}

// A megabyte of table rows, or of prose and then rows.
QByteArray pageChunk(bool ofProse)
{
    const QByteArray line
        = "<TR><TD ALIGN=LEFT>cell text</TD><TD>caf\xc3\xa9 &amp; more</TD></TR>\n";
    QByteArray chunk = ofProse ? prose() : QByteArray();
    while (chunk.size() < 1024 * 1024)
        chunk += line;
    return chunk;
}

// Writes a page of table rows, or of prose, with a marker in the middle, without holding
// it in memory.
void writePage(const QString &path, qint64 size, bool ofProse)
{
    const QByteArray chunk = pageChunk(ofProse);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (qint64 written = 0; written < size; written += chunk.size()) {
        if (written < size / 2 && written + chunk.size() >= size / 2)
            file.write("<!--middle-->");
        file.write(chunk.left(size - written));
    }
}

// Milliseconds on the timer until the window system has shown the window and it has
// painted itself.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget &window, const QElapsedTimer &timer)
        : m_timer(timer)
    {
        window.installEventFilter(this);
    }

    double wait()
    {
        QElapsedTimer limit;
        limit.start();
        while (!m_painted && limit.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        // The window and all its widgets paint in the one pass that brought the event.
        return ms(m_timer);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    const QElapsedTimer &m_timer;
    bool m_painted = false;
};

void waitFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// From posting an input event until the window has handled it and repainted, as a user
// sees it; a slice of background work already queued is part of the wait.
double latency(QWidget *target, QEvent *event)
{
    QElapsedTimer timer;
    timer.start();
    QCoreApplication::postEvent(target, event);
    QApplication::processEvents();
    QApplication::processEvents();
    return ms(timer);
}

struct Latency
{
    double typed = 0;
    double arrow = 0;
    double scrolled = 0;
};

double keyLatency(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  const QString &text = {})
{
    const double pressed = latency(target, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
    latency(target, new QKeyEvent(QEvent::KeyRelease, key, modifiers, text));
    return pressed;
}

// A character typed at the caret, the caret moved on by the arrow key and one turn of the
// mouse wheel down.
Latency inputAt(QAbstractScrollArea *area)
{
    Latency result;
    result.typed = keyLatency(area, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    result.arrow = keyLatency(area, Qt::Key_Right);
    const QPoint at(area->viewport()->width() / 2, area->viewport()->height() / 2);
    result.scrolled = latency(area->viewport(),
                              new QWheelEvent(at, area->viewport()->mapToGlobal(at), {},
                                              {0, -120}, Qt::NoButton, Qt::NoModifier,
                                              Qt::NoScrollPhase, false));
    return result;
}

// Processor time per key while a line of HTML is typed at the caret, a key at a time as a
// user types it, each handled and painted before the next.
QList<double> typingAt(QWidget *area, const QString &text)
{
    QList<double> costs;
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        const double start = cpuMilliseconds();
        latency(area, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(c)));
        latency(area, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, QString(c)));
        costs << cpuMilliseconds() - start;
    }
    return costs;
}

struct Typing
{
    double median = 0;
    double mean = 0;
    int keys = 0;
};

Typing summed(QList<double> costs)
{
    std::sort(costs.begin(), costs.end());
    return {costs[costs.size() / 2],
            std::accumulate(costs.begin(), costs.end(), 0.0) / costs.size(), int(costs.size())};
}

// The editor lays out and colours the document in slices while the program is idle.
// Its background work is over when the process has stayed under a fifth of a core for
// half a second, as a user watching a processor meter would see it.
struct Layout
{
    double done = 0;
    double processor = 0; // processor time until done
    double slowestSlice = 0;
    bool probed = false;
    double reached = 0; // Find's jump to the middle
    double toEnd = 0; // Ctrl+End
    Latency during;
};

Layout watchLayout(QAbstractScrollArea *area, const std::function<void()> &moveToMiddle)
{
    Layout layout;
    QElapsedTimer wall;
    wall.start();
    double lastTick = 0;
    const double startCpu = cpuMilliseconds();
    double lastCpu = startCpu;
    QEventLoop loop;
    QTimer sampler;
    sampler.setInterval(5);
    QObject::connect(&sampler, &QTimer::timeout, &loop, [&] {
        const double now = ms(wall);
        const double cpu = cpuMilliseconds();
        layout.slowestSlice = std::max(layout.slowestSlice, now - lastTick);
        if (cpu - lastCpu > (now - lastTick) / 5) {
            layout.done = now;
            layout.processor = cpu - startCpu;
        }
        else if (now - layout.done > 500)
            loop.quit();
        lastTick = now;
        lastCpu = cpu;
        if (!layout.probed && layout.done > 0) {
            layout.probed = true;
            layout.toEnd = keyLatency(area, Qt::Key_End, Qt::ControlModifier);
            QElapsedTimer jump;
            jump.start();
            moveToMiddle();
            layout.reached = ms(jump);
            layout.during = inputAt(area);
            // Taken back, so that the recovery copy the key would start a second later
            // does not count as layout.
            QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
            QApplication::sendEvent(area, &undo);
            lastTick = ms(wall);
        }
    });
    sampler.start();
    loop.exec();
    return layout;
}
} // namespace

int main(int argc, char *argv[])
{
    // Each size runs in a process of its own, so that its peak memory is its own.
    if (argc == 1) {
        const QList<QStringList> runs = {{"1"}, {"20"}, {"100"}, {"20", "prose"}};
        for (const QStringList &run : runs) {
            if (QProcess::execute(QString::fromLocal8Bit(argv[0]), run) != 0)
                return 1;
        }
        return 0;
    }

    QTemporaryDir dir;
    const int megabytes = QByteArray(argv[1]).toInt();
    const QString path = dir.filePath(QStringLiteral("page%1.htm").arg(megabytes));
    const bool ofProse = argc > 2 && QByteArray(argv[2]) == "prose";
    writePage(path, qint64(megabytes) * 1024 * 1024, ofProse);

    QElapsedTimer timer;
    timer.start();
    returnLargeBlocks();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(quillet);
    QtCommonDialogs dialogs;
    QuietWorld world;
    Form2 intro(dialogs, world);
    PaintWatch introPainted(intro, timer);
    intro.show();
    const double introShown = introPainted.wait();

    // The user reads the intro window before going on.
    waitFor(500);
    auto goOnButton = intro.findChild<QAbstractButton *>(QStringLiteral("Command2"));
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [](QWidget *window) { return qobject_cast<Form1 *>(window); });
    timer.restart();
    // A main window built beforehand is watched from before the click, one built by it after.
    std::optional<PaintWatch> mainPainted;
    if (found != windows.end())
        mainPainted.emplace(**found, timer);
    goOnButton->click();
    Form1 &form = *intro.mainWindow();
    if (!mainPainted)
        mainPainted.emplace(form, timer);
    const double goOn = mainPainted->wait();
    auto area = static_cast<QAbstractScrollArea *>(form.editor().textArea());
    const auto moveToMiddle = [&form] {
        form.editor().find(QStringLiteral("<!--middle-->"), Editor::MatchCase);
        QApplication::processEvents();
    };

    timer.restart();
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray raw = file.readAll();
    }
    const double read = ms(timer);

    timer.restart();
    form.fileCommands().load(path);
    QApplication::processEvents();
    const double open = ms(timer);

    const long openPeak = peakMegabytes();
    const Layout layout = watchLayout(area, moveToMiddle);
    const long layoutPeak = peakMegabytes();
    moveToMiddle();
    const Latency after = inputAt(area);
    QElapsedTimer pageDown;
    pageDown.start();
    QKeyEvent pageDownKey(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(area, &pageDownKey);
    QApplication::processEvents();
    const double pagedDown = ms(pageDown);

    timer.restart();
    form.setDocumentFile(path, false);
    form.fileCommands().save();
    const double save = ms(timer);

    moveToMiddle();
    timer.restart();
    form.insertAtCaret(QStringLiteral("<B>Bold</B>"));
    const double firstInsert = ms(timer);
    QApplication::processEvents();
    // Later insertions at the same place, as typing makes them; the first ones after a
    // load also build the editor's per-line data, so the median is the figure to read.
    QList<double> inserts;
    QList<double> repaints;
    for (int i = 0; i < 21; ++i) {
        timer.restart();
        form.insertAtCaret(QStringLiteral("<I>Italic</I>"));
        inserts << ms(timer);
        QApplication::processEvents();
        repaints << ms(timer);
    }
    std::sort(inserts.begin(), inserts.end());
    std::sort(repaints.begin(), repaints.end());

    // A caret move counts the line's characters for the status bar and, in a tag name,
    // reads the text around the caret for the matching tag.
    const int line = form.editor().caretPosition().line + 1;
    QList<double> moves;
    for (int i = 0; i < 21; ++i) {
        timer.restart();
        form.editor().setCaret({line + i, 3}); // in the name of a row's <TR>
        moves << ms(timer);
    }
    std::sort(moves.begin(), moves.end());

    // Words, a tag and its end tag typed at the middle, the keys completion looks at: lines
    // with completion on as at start and off in turn, so that a changing load falls on both.
    const QString html = QStringLiteral("<P>one more word and <B>the</B> next ");
    moveToMiddle();
    keyLatency(area, Qt::Key_Right);
    QList<double> completing;
    QList<double> plain;
    for (int line = 0; line < 12; ++line) {
        (line % 2 ? plain : completing) << typingAt(area, html);
        form.trigger(QStringLiteral("mnuautocomplete"));
    }
    const Typing on = summed(completing);
    const Typing off = summed(plain);

    const long insertedPeak = peakMegabytes();
    timer.restart();
    const int replaced = form.editor().replaceAll(QStringLiteral("cell text"),
                                                  QStringLiteral("CELL"), 0);
    const double replaceAll = ms(timer);
    const long replacedPeak = peakMegabytes();
    timer.restart();
    QKeyEvent undoKey(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(area, &undoKey);
    const double undone = ms(timer);

    // Eight megabytes of table rows pasted at the caret.
    QApplication::clipboard()->setText(QString::fromUtf8(pageChunk(false).repeated(8)));
    timer.restart();
    QKeyEvent pasteKey(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(area, &pasteKey);
    const double pasted = ms(timer);

    std::printf("%3d MB%s: intro window %.1f ms | \"&Go on\" to main window %.1f ms | "
                "read %.1f ms | open %.1f ms (%.1fx read) | background layout done %.0f ms "
                "after (%.0f ms of processor, slowest slice %.1f ms) | peak memory %ld MiB "
                "after open, %ld MiB after the layout and its keys\n",
                megabytes, ofProse ? " of prose" : "", introShown, goOn, read, open, open / read, layout.done,
                layout.processor, layout.slowestSlice, openPeak, layoutPeak);
    std::printf("        during the layout: Ctrl+End %.1f ms, Find to the middle %.1f ms, there "
                "typed key %.1f ms, arrow key %.1f ms, wheel %.1f ms%s | "
                "after: typed key %.1f ms, arrow key %.1f ms, wheel %.1f ms, page down %.1f ms\n",
                layout.toEnd, layout.reached, layout.during.typed, layout.during.arrow,
                layout.during.scrolled, layout.probed ? "" : " (none: no layout)", after.typed,
                after.arrow, after.scrolled, pagedDown);
    std::printf("        save %.1f ms | first insertion %.3f ms | insertion median %.3f ms, "
                "slowest %.3f ms (median %.3f ms with repaint) | peak memory by then %ld MiB\n",
                save, firstInsert, inserts[10], inserts.last(), repaints[10], insertedPeak);
    std::printf("        caret move into a tag median %.3f ms | Replace All of %d %.0f ms, "
                "peak memory then %ld MiB, undone by Ctrl+Z in %.0f ms | Ctrl+V of 8 MB %.0f ms\n",
                moves[10], replaced, replaceAll, replacedPeak, undone, pasted);
    std::printf("        typing at the middle, processor per key: completion on median %.3f ms, "
                "mean %.3f ms | off median %.3f ms, mean %.3f ms (%d keys each)\n",
                on.median, on.mean, off.median, off.mean, on.keys);
    benchRecovery(form);
    return 0;
}
