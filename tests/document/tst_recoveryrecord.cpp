#include "document/encoding.h"
#include "document/recovery.h"

#include <QBuffer>
#include <QTest>

#include <algorithm>

// A recovery file gives back the record written into it, and anything else is refused.
Q_DECLARE_METATYPE(RecoveryRecord)

namespace {
QByteArray written(const RecoveryRecord &record)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeRecord(buffer, record);
    return buffer.data();
}

std::optional<RecoveryRecord> read(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readRecord(buffer);
}

// Remembers the most it was asked for at once: a reader that believes a damaged length asks
// for more than there is, and has taken the memory for it.
class WatchedBuffer : public QBuffer
{
public:
    using QBuffer::QBuffer;
    qint64 largestRead = 0;

protected:
    qint64 readData(char *data, qint64 size) override
    {
        largestRead = std::max(largestRead, size);
        return QBuffer::readData(data, size);
    }
};

const RecoveryRecord page{QStringLiteral("/home/me/caf\u00e9.htm"), false,
                          FileStamp{12, 1700000000123, QByteArray("\x01\x02", 2)},
                          qint32(Encoding::Windows1252), QByteArray("<P>a\0b\r\n", 8)};
} // namespace

class TestRecoveryRecord : public QObject
{
    Q_OBJECT

private slots:
    void readBackAsWritten_data();
    void readBackAsWritten();
    void otherBytesAreRefused_data();
    void otherBytesAreRefused();
};

void TestRecoveryRecord::readBackAsWritten_data()
{
    QTest::addColumn<RecoveryRecord>("record");
    QTest::newRow("a titled Windows-1252 page") << page;
    QTest::newRow("a new empty document") << RecoveryRecord{};
}

void TestRecoveryRecord::readBackAsWritten()
{
    QFETCH(RecoveryRecord, record);
    const std::optional<RecoveryRecord> back = read(written(record));
    QVERIFY(back);
    QCOMPARE(back->fileName, record.fileName);
    QCOMPARE(back->untitled, record.untitled);
    QCOMPARE(back->stamp.size, record.stamp.size);
    QCOMPARE(back->stamp.modified, record.stamp.modified);
    QCOMPARE(back->stamp.digest, record.stamp.digest);
    QCOMPARE(back->encoding, record.encoding);
    QCOMPARE(back->contents, record.contents);
}

void TestRecoveryRecord::otherBytesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = written(page);
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("another file") << QByteArray("<HTML><BODY>not a recovery file</BODY></HTML>");
    QTest::newRow("another version") << QByteArray(good).replace(7, 1, "\x02");
    QTest::newRow("an unknown encoding")
        << written(RecoveryRecord{page.fileName, false, page.stamp, 7, page.contents});
    for (int cut : {4, 8, 20, int(good.size()) - 1})
        QTest::addRow("cut short to %d bytes", cut) << good.left(cut);
    const QByteArray huge("\x7f\xff\xff\xf0", 4);
    QTest::newRow("a name longer than the file") << QByteArray(good).replace(8, 4, huge);
    QTest::newRow("contents longer than the file")
        << QByteArray(good).replace(good.size() - page.contents.size() - 4, 4, huge);
}

void TestRecoveryRecord::otherBytesAreRefused()
{
    QFETCH(QByteArray, bytes);
    WatchedBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QVERIFY(!readRecord(buffer));
    QVERIFY2(buffer.largestRead <= std::max(qint64(bytes.size()), qint64(8)),
             qPrintable(QString::number(buffer.largestRead)));
}

QTEST_GUILESS_MAIN(TestRecoveryRecord)
#include "tst_recoveryrecord.moc"
