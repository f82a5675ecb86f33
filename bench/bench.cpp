// Prints how long the editor takes to start, open, save and insert into large
// documents, beside the time a plain read of the same file takes.
#include "app/commands/filecommands.h"
#include "app/editor.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/outsideworld.h"
#include "app/qtcommondialogs.h"
#include "recoverybench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

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

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Writes a page of table rows with a marker in the middle, without holding it in memory.
void writePage(const QString &path, qint64 size)
{
    const QByteArray line
        = "<TR><TD ALIGN=LEFT>cell text</TD><TD>caf\xc3\xa9 &amp; more</TD></TR>\n";
    QByteArray chunk;
    while (chunk.size() < 1024 * 1024)
        chunk += line;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (qint64 written = 0; written < size; written += chunk.size()) {
        if (written < size / 2 && written + chunk.size() >= size / 2)
            file.write("<!--middle-->");
        file.write(chunk.left(size - written));
    }
}
} // namespace

int main(int argc, char *argv[])
{
    // Each size runs in a process of its own, so that its peak memory is its own.
    if (argc == 1) {
        for (const char *megabytes : {"1", "20", "100"}) {
            if (QProcess::execute(QString::fromLocal8Bit(argv[0]), {megabytes}) != 0)
                return 1;
        }
        return 0;
    }

    QElapsedTimer startUp;
    startUp.start();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(quillet);
    QtCommonDialogs dialogs;
    QuietWorld world;
    Form2 intro(dialogs, world);
    intro.show();
    QApplication::processEvents();
    std::printf("%s MB: start-up to intro window shown: %.1f ms\n", argv[1], ms(startUp));

    Form1 form(dialogs, world);
    form.show();
    QApplication::processEvents();
    QTemporaryDir dir;
    const int megabytes = QByteArray(argv[1]).toInt();
    const QString path = dir.filePath(QStringLiteral("page%1.htm").arg(megabytes));
    writePage(path, qint64(megabytes) * 1024 * 1024);
    QElapsedTimer timer;
    timer.start();
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

    timer.restart();
    form.setDocumentFile(path, false);
    form.fileCommands().save();
    const double save = ms(timer);

    form.editor().find(QStringLiteral("<!--middle-->"), 0);
    QApplication::processEvents();
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

    timer.restart();
    const int replaced = form.editor().replaceAll(QStringLiteral("cell text"),
                                                  QStringLiteral("CELL"), 0);
    const double replaceAll = ms(timer);

    std::printf("%3d MB: read %7.1f ms | open %7.1f ms (%.1fx read) | save %7.1f ms | "
                "first insertion %.3f ms | insertion median %.3f ms, slowest %.3f ms "
                "(median %.3f ms with repaint) | caret move into a tag median %.3f ms | "
                "Replace All of %d %.0f ms | peak memory %ld MB\n",
                megabytes, read, open, open / read, save, firstInsert, inserts[10],
                inserts.last(), repaints[10], moves[10], replaced, replaceAll,
                peakMegabytes());
    benchRecovery(form);
    return 0;
}
