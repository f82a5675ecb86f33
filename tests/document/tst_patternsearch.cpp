#include "document/patternsearch.h"

#include <QTest>

// A regular expression finds the same whether the text is searched at once or, as Replace
// All searches it to show its progress, a megabyte at a time; bytes that are not UTF-8 do
// not stop it.
class TestPatternSearch : public QObject
{
    Q_OBJECT

private slots:
    void findsAtOnceAndInPieces_data();
    void findsAtOnceAndInPieces();
};

void TestPatternSearch::findsAtOnceAndInPieces_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("found"); // "start-end", or empty

    const qint64 piece = 1024 * 1024;
    const QByteArray before(piece - 2, 'x');
    QTest::newRow("a match over a piece's end") << before + "abcd" << "abcd"
                                                << QString("%1-%2").arg(piece - 2).arg(piece + 2);
    QTest::newRow("a piece's end is no line end") << before + "xxy\n" << "x$" << QString();
    QTest::newRow("a piece's end between CR and LF") << before + "x\r\nz" << "^$" << QString();
    QTest::newRow("a character over a piece's end")
        << before + QByteArray("x\xc3\xa9") << QString::fromUtf8("\u00e9")
        << QString("%1-%2").arg(piece - 1).arg(piece + 1);
    QTest::newRow("bytes that are not UTF-8 match nothing") << QByteArray("a\xff\xfe b")
                                                            << "a.+" << QString();
    QTest::newRow("and do not stop the search") << QByteArray("a\xff\xfe b") << "b" << "4-5";
}

void TestPatternSearch::findsAtOnceAndInPieces()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, pattern);
    QFETCH(QString, found);

    for (const bool inPieces : {false, true}) {
        PatternSearch search(pattern, true);
        std::function<bool(qint64)> keepGoing;
        if (inPieces)
            keepGoing = [](qint64) { return true; };
        const PatternSearch::Outcome outcome = search.find(
            text.constData(), text.size(), 0, PatternSearch::Start::Anywhere, keepGoing);
        QCOMPARE(outcome, found.isEmpty() ? PatternSearch::Outcome::NotFound
                                          : PatternSearch::Outcome::Found);
        if (!found.isEmpty())
            QCOMPARE(QString("%1-%2").arg(search.matchStart()).arg(search.matchEnd()), found);
    }
}

QTEST_APPLESS_MAIN(TestPatternSearch)
#include "tst_patternsearch.moc"
