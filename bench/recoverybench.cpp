#include "recoverybench.h"

#include "app/form1.h"
#include "document/recovery.h"
#include "editor/editor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// A character typed at the caret, until the window has handled it and repainted.
double typeKey(QWidget *area)
{
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(area, &press);
    QApplication::sendEvent(area, &release);
    QApplication::processEvents();
    return ms(timer);
}

void waitUntil(const std::function<bool()> &done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}
} // namespace

void benchRecovery(Form1 &form)
{
    QWidget *area = form.editor().textArea();
    Recovery &recovery = form.recovery();
    bool written = false;
    QObject::connect(&recovery, &Recovery::written, [&written] { written = true; });

    // What the steps before left to keep is kept first.
    QElapsedTimer settle;
    settle.start();
    waitUntil([&] { return settle.elapsed() > 2500 && !recovery.isWriting(); });

    QElapsedTimer sinceKey;
    sinceKey.start();
    written = false;
    typeKey(area);
    waitUntil([&] { return written; });
    const double delay = ms(sinceKey);

    // Keys at a fast typist's pace, before a pause lets the copy be taken and while the
    // copy is written; a few rounds, so that a busy machine's hiccups stand out as such.
    const auto typeAtPace = [area](QList<double> &keys) {
        keys << typeKey(area);
        QThread::msleep(10);
    };
    QList<double> idle;
    QList<double> keys;
    QList<double> copies;
    QList<double> writes;
    for (int round = 0; round < 5; ++round) {
        for (int i = 0; i < 10; ++i)
            typeAtPace(idle);
        // The turn of the event loop that starts the writer is the one that takes the copy.
        while (!recovery.isWriting()) {
            QThread::msleep(1);
            QElapsedTimer turn;
            turn.start();
            QApplication::processEvents();
            if (recovery.isWriting())
                copies << ms(turn);
        }
        QElapsedTimer writing;
        writing.start();
        while (recovery.isWriting())
            typeAtPace(keys);
        writes << ms(writing);
    }
    std::printf("        recovery file on disk %.0f ms after the last key | copy on the UI thread "
                "%.1f ms, write %.0f ms (medians) | typed key while it is written: median "
                "%.2f ms, slowest %.2f ms over %lld keys (median %.2f ms otherwise)\n",
                delay, median(copies), median(writes), median(keys),
                keys.isEmpty() ? 0 : *std::max_element(keys.begin(), keys.end()),
                static_cast<long long>(keys.size()), median(idle));
}
