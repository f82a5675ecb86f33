#include "support/files.h"
#include "support/program.h"

#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>
#include <new>

// The memory an Open takes.
namespace {
std::atomic<std::size_t> largest{0}; // the largest block asked for since it was set to 0
} // namespace

void *operator new(std::size_t size)
{
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

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
