#include "previewbench.h"

#include "app/commands/filecommands.h"
#include "app/form1.h"
#include "app/livepreview.h"
#include "editor/editor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
double processorMilliseconds(clockid_t clock)
{
    timespec time{};
    clock_gettime(clock, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

double threadMilliseconds()
{
    return processorMilliseconds(CLOCK_THREAD_CPUTIME_ID);
}

void waitFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void loadAtMiddle(Form1 &form, const QString &page)
{
    form.fileCommands().load(page);
    form.setDocumentFile(page, false);
    form.editor().find(QStringLiteral("<!--middle-->"), Editor::MatchCase);
    form.editor().setCaret(form.editor().caretPosition());
    // The editor's background layout and the first drawing are done.
    waitFor(3000);
}

// The median processor time of the window's thread for a key typed as a user types, a
// tenth of a second apart: the edit, its repaint, and what the key sets going there.
double typedKey(Form1 &form)
{
    QWidget *area = form.editor().textArea();
    std::vector<double> costs;
    for (int i = 0; i < 21; ++i) {
        const double start = threadMilliseconds();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(area, &press);
        QApplication::sendEvent(area, &release);
        QApplication::processEvents();
        costs.push_back(threadMilliseconds() - start);
        waitFor(100);
    }
    std::sort(costs.begin(), costs.end());
    return costs[costs.size() / 2];
}
} // namespace

void benchPreview(Form1 &form, const QString &page, const QString &smallPage)
{
    auto preview = form.findChild<LivePreview *>(QStringLiteral("LivePreview"));
    if (!preview || !preview->isVisible()) {
        std::printf("        live preview: not shown at start\n");
        return;
    }
    loadAtMiddle(form, page);
    const double on = typedKey(form);
    form.trigger(QStringLiteral("mnulivepreview"));
    const double off = typedKey(form);
    form.trigger(QStringLiteral("mnulivepreview"));

    loadAtMiddle(form, smallPage);
    std::vector<double> redraws;
    std::vector<double> processor; // of both threads, steadier on a busy machine
    for (int i = 0; i < 5; ++i) {
        const QTextDocument *before = preview->page();
        const double start = processorMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
        QApplication::sendEvent(form.editor().textArea(), &press);
        QElapsedTimer timer;
        timer.start();
        while (preview->page() == before && timer.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QApplication::processEvents(); // its paint
        redraws.push_back(timer.nsecsElapsed() / 1e6 - LivePreview::pause);
        processor.push_back(processorMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - start);
    }
    std::sort(redraws.begin(), redraws.end());
    std::sort(processor.begin(), processor.end());
    std::printf("        live preview: typed key at the middle, processor of the window's "
                "thread, median %.3f ms shown, %.3f ms hidden | %.0f KB page drawn %.0f ms "
                "after the pause (median of 5, slowest %.0f ms), %.0f ms of processor\n",
                on, off, QFileInfo(smallPage).size() / 1024.0, redraws[2], redraws.back(),
                processor[2]);
}
