// Prints how long the editor takes to show a page, to lay it out in the background and to
// answer keys there, with its peak memory: generated pages of ordinary markup, minified
// one-line pages, or a page given by name; for the generated pages of markup also how long
// saving, inserting, Replace All and pasting take, and a Find and a Replace All with a
// regular expression.
#include "app/commands/filecommands.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/outsideworld.h"
#include "app/qtcommondialogs.h"
#include "app/settings.h"
#include "document/memory.h"
#include "document/speller.h"
#include "editor/editor.h"
#include "editor/spellmarks.h"
#include "previewbench.h"
#include "recoverybench.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <ctime>
#include <functional>
#include <numeric>
#include <optional>

namespace {
class QuietWorld : public OutsideWorld
{
public:
    QString installFolder() override { return {}; }
    QString userDataFolder() override { return {}; }
    QString openInBrowser(const QString &) override { return {}; }
    QString startProgram(const QString &, const QStringList &) override { return {}; }
    QString print(const QString &) override { return {}; }
    void endProgram() override {}
    QByteArray lineEnd() override { return "\n"; }
    QStringList dictionaryFolders() override { return {QStringLiteral("/usr/share/hunspell")}; }
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

// Pages as people have them: sections of paragraphs of 300 to 400 characters with links
// and entities, a table, a list, a form, a script and one line of about 5,000 characters;
// or the same markup minified into one line. Words are drawn from a fixed sequence, so
// that every run writes the same page, and seldom repeat, so that no cache is flattered.
class PageWriter
{
public:
    explicit PageWriter(bool oneLine)
        : m_oneLine(oneLine)
    {
    }

    QByteArray section()
    {
        QByteArray text;
        const int number = ++m_sections;
        line(text, "<H2><A NAME=\"s" + QByteArray::number(number) + "\">Section "
                       + QByteArray::number(number) + ": " + words(3) + "</A></H2>");
        for (int i = 0; i < 8; ++i)
            line(text, paragraph(300 + int(next() % 100)));
        line(text, "<TABLE BORDER=1 CELLPADDING=2>");
        line(text, "<TR><TH>Name</TH><TH>Value</TH><TH>Notes</TH></TR>");
        for (int i = 0; i < 5; ++i)
            line(text, "<TR><TD ALIGN=LEFT>cell text</TD><TD>" + QByteArray::number(next() % 10000)
                           + "</TD><TD>" + words(2) + " &amp; " + words(2) + "</TD></TR>");
        line(text, "</TABLE>");
        line(text, "<UL>");
        for (int i = 0; i < 5; ++i)
            line(text, "<LI>" + words(4) + " " + link() + "</LI>");
        line(text, "</UL>");
        line(text, "<FORM ACTION=\"/cgi-bin/find\" METHOD=POST>");
        line(text, "<INPUT TYPE=TEXT NAME=\"q" + QByteArray::number(number)
                       + "\" SIZE=30> <SELECT NAME=\"where\"><OPTION>all<OPTION>titles</SELECT>");
        line(text, "<INPUT TYPE=SUBMIT VALUE=\"Find\"></FORM>");
        line(text, "<SCRIPT>");
        line(text, "function show" + QByteArray::number(number) + "(id) {");
        line(text, "    var e = document.getElementById(id);");
        line(text, "    if (e) { e.style.display = \"block\"; }");
        line(text, "}");
        line(text, "</SCRIPT>");
        line(text, paragraph(5000));
        return text;
    }

private:
    quint32 next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }

    QByteArray words(int count)
    {
        static const char *const list[]
            = {"the",     "page",    "of",      "and",     "a",        "to",      "editor",
               "in",      "text",    "is",      "for",     "with",     "that",    "on",
               "file",    "as",      "line",    "by",      "this",     "window",  "from",
               "it",      "are",     "table",   "be",      "or",       "menu",    "each",
               "when",    "an",      "tag",     "which",   "not",      "can",     "link",
               "all",     "its",     "has",     "one",     "more",     "image",   "new",
               "list",    "form",    "then",    "some",    "cell",     "row",     "about",
               "there",   "their",   "what",    "would",   "make",     "like",    "time",
               "just",    "know",    "take",    "people",  "into",     "year",    "your",
               "good",    "could",   "them",    "see",     "other",    "than",    "now",
               "look",    "only",    "come",    "over",    "think",    "also",    "back",
               "after",   "use",     "two",     "how",     "our",      "work",    "first",
               "well",    "way",     "even",    "want",    "because",  "any",     "these",
               "give",    "day",     "most",    "heading", "paragraph", "anchor", "colour",
               "browser", "server",  "caf\xc3\xa9", "document", "section", "figure", "number"};
        QByteArray text;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                text += ' ';
            text += list[next() % (sizeof list / sizeof *list)];
        }
        return text;
    }

    QByteArray link()
    {
        return "<A HREF=\"page" + QByteArray::number(next() % 500) + ".htm#s"
               + QByteArray::number(next() % 90) + "\">" + words(2) + "</A>";
    }

    // Text with now and then a link, an entity or a bold word, about `size` long.
    QByteArray paragraph(int size)
    {
        static const char *const entities[] = {"&amp;", "&nbsp;", "&eacute;", "&quot;", "&lt;"};
        QByteArray text = "<P>";
        while (text.size() < size) {
            switch (next() % 12) {
            case 0:
                text += link() + ' ';
                break;
            case 1:
                text += QByteArray(entities[next() % 5]) + ' ';
                break;
            case 2:
                text += "<B>" + words(1) + "</B> ";
                break;
            default:
                text += words(3) + (next() % 4 == 0 ? ", " : " ");
            }
        }
        text += "</P>";
        return text;
    }

    void line(QByteArray &text, const QByteArray &content)
    {
        text += content;
        if (!m_oneLine)
            text += '\n';
    }

    bool m_oneLine;
    quint32 m_state = 2024;
    int m_sections = 0;
};

// Writes a page of sections, with a marker in the middle, after `blank` empty lines.
void writePage(const QString &path, qint64 size, bool oneLine, qint64 blank)
{
    PageWriter writer(oneLine);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(blank, '\n'));
    bool marked = false;
    for (qint64 written = blank; written < size;) {
        const QByteArray section = writer.section().left(int(size - written));
        if (!marked && written + section.size() >= size / 2) {
            file.write("<!--middle-->");
            marked = true;
        }
        file.write(section);
        written += section.size();
    }
}

// Eight megabytes of table rows, as a large paste brings them.
QByteArray tableRows()
{
    const QByteArray line
        = "<TR><TD ALIGN=LEFT>cell text</TD><TD>caf\xc3\xa9 &amp; more</TD></TR>\n";
    return line.repeated(8 * 1024 * 1024 / line.size());
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

// Work goes on in slices while the program is idle. It is over when the process has stayed
// under a fifth of a core for `quietFor` milliseconds, as a user watching a processor meter
// would see it: judged over the last `window` milliseconds, so that a caret's blink, a few
// milliseconds twice a second, is no work going on. `tick` is called on every sample.
struct Busy
{
    double done = 0; // milliseconds until the last busy sample
    double processor = 0; // processor time until then
    double slowestSlice = 0;
    bool worked = false; // whether any sample found work going on
};

Busy untilQuiet(double quietFor, double window,
               const std::function<void(const Busy &)> &tick = {})
{
    Busy busy;
    QElapsedTimer wall;
    wall.start();
    double lastTick = 0;
    const double startCpu = cpuMilliseconds();
    double lastCpu = startCpu;
    bool first = true;
    std::deque<std::pair<double, double>> recent; // (wall, processor) of the window's samples
    double lastWorking = 0; // the last sample that was busy on its own
    double cpuThen = startCpu;
    QEventLoop loop;
    QTimer sampler;
    sampler.setInterval(5);
    QObject::connect(&sampler, &QTimer::timeout, &loop, [&] {
        const double now = ms(wall);
        const double cpu = cpuMilliseconds();
        busy.slowestSlice = std::max(busy.slowestSlice, now - lastTick);
        const bool slice = cpu - lastCpu > (now - lastTick) / 5;
        // A key handled within the first sample still counts.
        if (first || slice) {
            lastWorking = now;
            cpuThen = cpu;
        }
        recent.emplace_back(now, cpu);
        while (recent.size() > 1 && now - recent[1].first >= window)
            recent.pop_front();
        const double span = now - recent.front().first;
        const bool working = span > 0 ? cpu - recent.front().second > span / 5 : slice;
        if (first || working) {
            busy.done = std::max(busy.done, lastWorking);
            busy.processor = std::max(busy.processor, cpuThen - startCpu);
            busy.worked = busy.worked || working;
        } else if (now - busy.done > quietFor) {
            loop.quit();
        }
        first = false;
        if (tick)
            tick(busy);
        lastTick = ms(wall);
        lastCpu = cpuMilliseconds();
    });
    sampler.start();
    loop.exec();
    return busy;
}

// Processor time of a key at the caret, from its press until the program is quiet again:
// the edit or move, the repaint and the work it leaves for idle time.
double keyProcessor(QWidget *target, Qt::Key key, const QString &text = {})
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    return untilQuiet(100, 0).processor;
}

struct KeyCosts
{
    double typed = 0;
    double pageUp = 0;
    double arrow = 0;
};

// Runs the window's events until the test holds, at most a minute.
bool waitUntil(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// Spelling with English (US): the processor time a check of the screen at the middle takes,
// with no word known yet, again, and with the page folded, the lines on screen far apart.
// False without the dictionary.
bool benchSpellingChecks(Form1 &form, const std::function<void()> &moveToMiddle)
{
    form.spellMarks().followPage();
    form.speller().waitUntilReady();
    if (!form.speller().isReady()) {
        std::printf("        spelling: no English (US) dictionary (hunspell-en-us)\n");
        return false;
    }
    const auto check = [&form] {
        const double processor = cpuMilliseconds();
        form.spellMarks().check();
        return cpuMilliseconds() - processor;
    };
    moveToMiddle();
    form.insertAtCaret(QStringLiteral("recieveable "));
    const double firstCheck = check();
    const double againCheck = check();
    QElapsedTimer timer;
    timer.start();
    form.trigger(QStringLiteral("mnufoldall"));
    const double folded = ms(timer);
    const double foldedCheck = check();
    form.trigger(QStringLiteral("mnuunfoldall"));
    std::printf("        spelling: a screenful checked in %.2f ms of processor (%.2f ms again) | "
                "Fold All %.0f ms, then a check %.2f ms\n",
                firstCheck, againCheck, folded, foldedCheck);
    return true;
}

// How long the Spelling window takes from the top to the misspelt word at the middle, the
// page's other words let pass (Ignore All).
void benchSpellingWindow(Form1 &form)
{
    form.editor().setCaret({1, 1});
    form.trigger(QStringLiteral("mnuspelling"));
    auto window = form.findChild<QWidget *>(QStringLiteral("spelling1"));
    auto word = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    const auto found = [word] { return !word->text().isEmpty(); };
    while (waitUntil(found) && word->text() != QLatin1String("recieveable"))
        window->findChild<QAbstractButton *>(QStringLiteral("Command4"))->click();
    form.editor().setCaret({1, 1});
    QElapsedTimer timer;
    timer.start();
    form.trigger(QStringLiteral("mnuspelling"));
    const bool reached = waitUntil(found);
    const double toMiddle = ms(timer);
    std::printf("        Spelling window to the word %.0f MB away %.0f ms%s\n",
                form.editor().caretOffset() / 1048576.0, toMiddle, reached ? "" : " (not found)");
    window->hide();
}

// A typed key (taken back afterwards), a Page Up and an arrow key, each at the middle.
KeyCosts keyCostsAt(QAbstractScrollArea *area, const std::function<void()> &moveToMiddle)
{
    KeyCosts costs;
    moveToMiddle();
    costs.typed = keyProcessor(area, Qt::Key_X, QStringLiteral("x"));
    QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(area, &undo);
    moveToMiddle();
    costs.pageUp = keyProcessor(area, Qt::Key_PageUp);
    moveToMiddle();
    costs.arrow = keyProcessor(area, Qt::Key_Right);
    return costs;
}

// The background layout of a page just shown, and what some keys cost while it runs.
struct Layout
{
    Busy busy;
    bool probed = false;
    double reached = 0; // Find's jump to the middle
    double toEnd = 0; // Ctrl+End
    Latency during;
};

Layout watchLayout(QAbstractScrollArea *area, const std::function<void()> &moveToMiddle)
{
    Layout layout;
    layout.busy = untilQuiet(500, 100, [&](const Busy &busy) {
        // Probed once, on the first sample that finds work going on.
        if (layout.probed || !busy.worked)
            return;
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
    });
    return layout;
}

// What a page is: generated (sections, sections after a megabyte of blank lines or one line,
// of some megabytes) or a file of the user's.
struct Page
{
    QString kind; // "page", "blank", "line", "preview" (a page, the live preview on) or "file"
    int megabytes = 0;
    QString path;

    QString name() const
    {
        if (kind == QLatin1String("file"))
            return path;
        if (kind == QLatin1String("blank"))
            return QStringLiteral("%1 MB page after a megabyte of blank lines").arg(megabytes);
        return QStringLiteral("%1 MB %2").arg(megabytes).arg(kind == QLatin1String("line")
                                                                ? "one-line page"
                                                                : "page");
    }
};
} // namespace

int main(int argc, char *argv[])
{
    // Each page runs in a process of its own, so that its peak memory is its own. A page
    // given by name is measured alone.
    if (argc <= 2) {
        const QList<QStringList> runs = argc == 2
            ? QList<QStringList>{{"file", QString::fromLocal8Bit(argv[1])}}
            : QList<QStringList>{{"page", "1"}, {"page", "20"}, {"page", "100"},
                                 {"blank", "64"}, {"line", "1"}, {"line", "5"},
                                 {"preview", "1"}};
        for (const QStringList &run : runs) {
            if (QProcess::execute(QString::fromLocal8Bit(argv[0]), run) != 0)
                return 1;
        }
        return 0;
    }

    QTemporaryDir dir;
    // The settings of a first start (line numbers on), never the developer's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    // Nor the developer's data folder: a run cut short leaves its recovery copy there, and
    // the next would wait for an answer to the offer to restore it.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    Page page{QString::fromLocal8Bit(argv[1]), 0, {}};
    if (page.kind == QLatin1String("file")) {
        page.path = QString::fromLocal8Bit(argv[2]);
    } else {
        page.megabytes = QByteArray(argv[2]).toInt();
        page.path = dir.filePath(QStringLiteral("%1%2.htm").arg(page.kind).arg(page.megabytes));
        const qint64 megabyte = 1024 * 1024;
        writePage(page.path, page.megabytes * megabyte, page.kind == QLatin1String("line"),
                  page.kind == QLatin1String("blank") ? megabyte : 0);
    }
    const bool full = page.kind == QLatin1String("page");
    const bool preview = page.kind == QLatin1String("preview");

    QElapsedTimer timer;
    timer.start();
    returnLargeBlocks();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(quillet);
    // Kept on from the last run.
    if (preview)
        Settings().setLivePreview(true);
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
    if (preview) {
        const QString smallPage = dir.filePath(QStringLiteral("small.htm"));
        writePage(smallPage, 200 * 1024, false, 0);
        std::printf("%s, the live preview on: \"&Go on\" to main window %.1f ms\n",
                    qPrintable(page.name()), goOn);
        benchPreview(form, page.path, smallPage);
        return 0;
    }
    auto area = static_cast<QAbstractScrollArea *>(form.editor().textArea());
    // The marker of a generated page, or the middle line of a page of the user's (the
    // middle of its text when it is one line).
    const auto moveToMiddle = [&form, &page] {
        Editor &editor = form.editor();
        if (page.kind != QLatin1String("file")) {
            editor.find(QStringLiteral("<!--middle-->"), Editor::MatchCase);
            editor.setCaret(editor.caretPosition());
        } else if (editor.lineCount() > 2) {
            editor.setCaret({editor.lineCount() / 2, 1});
        } else {
            editor.setCaret({1, int(QFileInfo(page.path).size() / 2)});
        }
        QApplication::processEvents();
    };

    timer.restart();
    {
        QFile file(page.path);
        file.open(QIODevice::ReadOnly);
        const QByteArray raw = file.readAll();
    }
    const double read = ms(timer);

    timer.restart();
    form.fileCommands().load(page.path);
    QApplication::processEvents();
    const double shown = ms(timer);

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
    const KeyCosts costs = keyCostsAt(area, moveToMiddle);

    std::printf("%s: shown %.0f ms (%.1fx a plain read), quiet %.0f ms after "
                "(%.0f ms of processor, slowest slice %.1f ms), peak memory %ld MiB | "
                "processor time at the middle: typed key %.1f ms, Page Up %.1f ms, "
                "arrow key %.1f ms\n",
                qPrintable(page.name()), shown, shown / read, layout.busy.done,
                layout.busy.processor, layout.busy.slowestSlice, layoutPeak, costs.typed,
                costs.pageUp, costs.arrow);
    std::printf("        intro window %.1f ms, \"&Go on\" to main window %.1f ms | peak memory "
                "after open %ld MiB\n",
                introShown, goOn, openPeak);
    std::printf("        during the layout: Ctrl+End %.1f ms, Find to the middle %.1f ms, there "
                "typed key %.1f ms, arrow key %.1f ms, wheel %.1f ms%s | "
                "after: typed key %.1f ms, arrow key %.1f ms, wheel %.1f ms, page down %.1f ms\n",
                layout.toEnd, layout.reached, layout.during.typed, layout.during.arrow,
                layout.during.scrolled, layout.probed ? "" : " (none: no layout)", after.typed,
                after.arrow, after.scrolled, pagedDown);
    const bool spelling = benchSpellingChecks(form, moveToMiddle);
    if (!full)
        return 0;

    timer.restart();
    form.setDocumentFile(page.path, false);
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
        form.editor().setCaret({line + i, 3});
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
    const int replaced
        = *form.editor().replaceAll(QStringLiteral("cell text"), QStringLiteral("CELL"), 0);
    const double replaceAll = ms(timer);
    const long replacedPeak = peakMegabytes();
    timer.restart();
    QKeyEvent undoKey(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(area, &undoKey);
    const double undone = ms(timer);

    QApplication::clipboard()->setText(QString::fromUtf8(tableRows()));
    timer.restart();
    QKeyEvent pasteKey(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(area, &pasteKey);
    const double pasted = ms(timer);
    const long pastedPeak = peakMegabytes();

    // A regular expression that matches only near the end, found from the start; then one
    // with a group replaced everywhere, letters folded.
    QKeyEvent endKey(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(area, &endKey);
    form.insertAtCaret(QStringLiteral("<!--last 2026-->"));
    form.editor().setCaret({1, 1});
    timer.restart();
    const bool nearEnd
        = form.editor().find(QStringLiteral("<!--last (\\d+)-->"), Editor::RegularExpression);
    const double patternFound = ms(timer);
    const long patternFoundPeak = peakMegabytes();
    timer.restart();
    const int patternReplaced = *form.editor().replaceAll(
        QStringLiteral("<td align=left>(cell \\w+)</td>"), QStringLiteral("<TD>\\1</TD>"),
        Editor::RegularExpression);
    const double patternReplaceAll = ms(timer);
    const long patternReplacedPeak = peakMegabytes();

    std::printf("        save %.1f ms | first insertion %.3f ms | insertion median %.3f ms, "
                "slowest %.3f ms (median %.3f ms with repaint) | peak memory by then %ld MiB\n",
                save, firstInsert, inserts[10], inserts.last(), repaints[10], insertedPeak);
    std::printf("        caret move median %.3f ms | Replace All of %d %.0f ms, "
                "peak memory then %ld MiB, undone by Ctrl+Z in %.0f ms | Ctrl+V of 8 MB %.0f ms\n",
                moves[10], replaced, replaceAll, replacedPeak, undone, pasted);
    std::printf("        typing at the middle, processor per key: completion on median %.3f ms, "
                "mean %.3f ms | off median %.3f ms, mean %.3f ms (%d keys each)\n",
                on.median, on.mean, off.median, off.mean, on.keys);
    std::printf("        regular expression, peak memory before %ld MiB: Find near the end "
                "%.0f ms%s, peak memory then %ld MiB | Replace All of %d with a group %.0f ms, "
                "peak memory then %ld MiB\n",
                pastedPeak, patternFound, nearEnd ? "" : " (NOT FOUND)", patternFoundPeak,
                patternReplaced, patternReplaceAll, patternReplacedPeak);
    benchRecovery(form);
    if (spelling)
        benchSpellingWindow(form);
    return 0;
}
