#include "document/encoding.h"

#include <QTest>

Q_DECLARE_METATYPE(Escape)

// The UTF-8 check says the same however the bytes are cut into pieces, as a file read a
// megabyte at a time cuts them anywhere; text saved as Windows-1252 keeps the page's bytes
// and escapes what Windows-1252 cannot hold.
class TestEncoding : public QObject
{
    Q_OBJECT

private slots:
    void checkIsTheSameInAnyPieces_data();
    void checkIsTheSameInAnyPieces();
    void savedAsWindows1252_data();
    void savedAsWindows1252();
};

void TestEncoding::checkIsTheSameInAnyPieces_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ASCII") << QByteArray("<P>plain\r\n") << true;
    QTest::newRow("two to four bytes") << QByteArray("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80")
                                       << true;
    QTest::newRow("Windows-1252") << QByteArray("caf\xe9") << false;
    QTest::newRow("overlong") << QByteArray("\xc0\xaf") << false;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
    QTest::newRow("cut short at the end") << QByteArray("abc\xe2\x82") << false;
    QTest::newRow("lone continuation") << QByteArray("a\x80z") << false;
}

void TestEncoding::checkIsTheSameInAnyPieces()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    for (int cut = 0; cut <= bytes.size(); ++cut) {
        Utf8Check check;
        check.add(bytes.constData(), cut);
        check.add(bytes.constData() + cut, bytes.size() - cut);
        QVERIFY2(check.isValid() == valid, qPrintable(QStringLiteral("cut at %1").arg(cut)));
    }
}

void TestEncoding::savedAsWindows1252_data()
{
    QTest::addColumn<QByteArray>("text"); // as the editor holds it
    QTest::addColumn<Escape>("escape");   // what the place understands
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252 characters")
        << QByteArray("caf\xc3\xa9 \xe2\x82\xac") << Escape::Script << QByteArray("caf\xe9 \x80");
    QTest::newRow("beyond Windows-1252") << QByteArray("\xe4\xb8\xad \xf0\x9f\x98\x80")
                                         << Escape::Reference << QByteArray("&#20013; &#128512;");
    // C3 A9 would open again as the UTF-8 of a single character: still the page's bytes.
    QTest::newRow("bytes that read as UTF-8") << QByteArray("\xc3\x83\xc2\xa9 \xe4\xb8\xad")
                                              << Escape::Reference
                                              << QByteArray("\xc3\xa9 &#20013;");
    QTest::newRow("bytes that do not") << QByteArray("\xc3\x83\xc2\xa9 caf\xc3\xa9")
                                       << Escape::Reference << QByteArray("\xc3\xa9 caf\xe9");
    QTest::newRow("JavaScript, beyond U+FFFF in two halves")
        << QByteArray("\xe4\xb8\xad \xf0\x9f\x98\x80") << Escape::Script
        << QByteArray("\\u4E2D \\uD83D\\uDE00");
    QTest::newRow("CSS") << QByteArray("\xe4\xb8\xad\xf0\x9f\x98\x80") << Escape::Css
                         << QByteArray("\\4E2D \\1F600 ");
}

void TestEncoding::savedAsWindows1252()
{
    QFETCH(QByteArray, text);
    QFETCH(Escape, escape);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWindows1252(text.constData(), text.size(), [=](qsizetype) { return escape; }),
             bytes);
}

QTEST_GUILESS_MAIN(TestEncoding)
#include "tst_encoding.moc"
