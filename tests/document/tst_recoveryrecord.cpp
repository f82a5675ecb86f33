#include "document/encoding.h"
#include "document/recovery.h"

#include <QBuffer>
#include <QTest>

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
}

void TestRecoveryRecord::otherBytesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!read(bytes));
}

QTEST_GUILESS_MAIN(TestRecoveryRecord)
#include "tst_recoveryrecord.moc"
