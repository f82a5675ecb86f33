#include "support/files.h"

#include "document/filereader.h"

#include <QTemporaryDir>
#include <QTest>

// The reader hands a file over in pieces and stops when told to.
namespace {
class RecordingSink : public DocumentSink
{
public:
    void reserve(qint64 size) override { reserved = size; }
    void add(const char *data, qsizetype size) override { pieces << QByteArray(data, size); }

    qint64 reserved = -1;
    QList<QByteArray> pieces;
};

QByteArray pageOf(qint64 size)
{
    QByteArray page;
    for (int i = 0; page.size() < size; ++i)
        page += "<P>line " + QByteArray::number(i) + "\r\n";
    page.truncate(size);
    return page;
}
} // namespace

class TestFileReader : public QObject
{
    Q_OBJECT

private slots:
    void readsWholeFileInPieces();
    void cancelStopsAfterThePiece();

private:
    QTemporaryDir m_dir;
};

void TestFileReader::readsWholeFileInPieces()
{
    const QString path = m_dir.filePath(QStringLiteral("page.htm"));
    const QByteArray page = pageOf(2 * 1024 * 1024 + 5);
    writeFile(path, page);
    RecordingSink sink;
    QList<qint64> told;
    FileReader reader;
    const auto outcome = reader.read(path, sink, [&](qint64 read, qint64 size) {
        told << read;
        return size == page.size();
    });
    QCOMPARE(outcome, FileReader::Outcome::Read);
    QCOMPARE(sink.reserved, qint64(page.size()));
    QCOMPARE(sink.pieces.size(), 3);
    QCOMPARE(sink.pieces.join(), page);
    QCOMPARE(told, (QList<qint64>{1 << 20, 2 << 20, page.size()}));
}

void TestFileReader::cancelStopsAfterThePiece()
{
    const QString path = m_dir.filePath(QStringLiteral("long.htm"));
    writeFile(path, pageOf(3 * 1024 * 1024));
    RecordingSink sink;
    FileReader reader;
    QCOMPARE(reader.read(path, sink, [](qint64, qint64) { return false; }),
             FileReader::Outcome::Cancelled);
    QCOMPARE(sink.pieces.size(), 1);
}

QTEST_GUILESS_MAIN(TestFileReader)
#include "tst_filereader.moc"
