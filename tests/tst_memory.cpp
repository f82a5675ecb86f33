#include "support/files.h"
#include "support/program.h"

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>
#include <new>

// The memory an Open takes, and an Open that runs out of it without running out: in this
// program every allocation of at least `failingFrom` bytes fails, as the room for a large
// file's text does in a process that has no more.
namespace {
std::atomic<std::size_t> failingFrom{0}; // none fails while 0
std::atomic<std::size_t> largest{0}; // the largest block asked for since it was set to 0
} // namespace

void *operator new(std::size_t size)
{
    const std::size_t limit = failingFrom.load(std::memory_order_relaxed);
    if (limit != 0 && size >= limit)
        throw std::bad_alloc();
    for (std::size_t seen = largest.load(std::memory_order_relaxed);
         size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed);) {
    }
    if (void *block = std::malloc(size != 0 ? size : 1))
        return block;
    throw std::bad_alloc();
}

// Qt asks so too; its blocks are freed by the operator delete below, like the others.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return operator new(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void operator delete(void *block) noexcept
{
    std::free(block);
}

void operator delete(void *block, std::size_t) noexcept
{
    std::free(block);
}

class TestMemory : public QObject
{
    Q_OBJECT

private slots:
    void blankLinesFirstTakeNoMoreRoomThanTheText();
    void openKeepsTheDocumentWhenMemoryRunsOut();
};

// The editor makes room for as many lines as the first megabyte promises for the whole
// page; its largest block stays the room for the text, with the little more kept for typing.
void TestMemory::blankLinesFirstTakeNoMoreRoomThanTheText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("blank.htm");
    const QByteArray page = QByteArray(1024 * 1024, '\n')
                            + QByteArray("<P>a line of the page</P>\n").repeated(7 * 40 * 1024);
    writeFile(path, page);
    Program program;
    program.dialogs.openAnswers << path;
    largest = 0;
    program.trigger("mnuopen");
    QCOMPARE(program.bytes().size(), page.size());
    const std::size_t block = largest;
    QVERIFY2(block <= std::size_t(page.size()) + 64 * 1024, qPrintable(QString::number(block)));
}

void TestMemory::openKeepsTheDocumentWhenMemoryRunsOut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.htm");
    writeFile(path, QByteArray("<P>a line of the page</P>\n").repeated(160 * 1024));
    Program program;
    program.show();
    program.type("abc");
    program.dialogs.questionAnswers << CommonDialogs::Answer::No;
    program.dialogs.openAnswers << path;

    failingFrom = 1024 * 1024;
    program.trigger("mnuopen");
    failingFrom = 0;

    QCOMPARE(program.dialogs.messages,
             QStringList("Quillet could not open " + QDir::toNativeSeparators(path)
                         + ".\rIt is too large for the memory Quillet has."));
    QCOMPARE(program.bytes(), QByteArray("abc"));
    QVERIFY(program.form.document().untitled);
    program.type("d");
    QCOMPARE(program.bytes(), QByteArray("abcd"));
}

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
