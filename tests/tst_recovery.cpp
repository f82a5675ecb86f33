#include "support/files.h"
#include "support/program.h"

#include "app/commands/filecommands.h"
#include "document/recovery.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// Unsaved text outlives a killed program. The program is this executable run with
// "--program TEXT [FILE]": it opens FILE, or goes on from the intro window, types TEXT and
// runs until it is killed.
using Answer = CommonDialogs::Answer;

namespace {
const QString restoreQuestion = QStringLiteral(
    "Quillet was not ended properly. Restore the text that was not saved?\rIt belonged to %1.");
const QString closeQuestion = "File has changed. Do you wish to save it before closing?";

QStringList recoveryFiles()
{
    return QDir(recoveryFolder()).entryList({QStringLiteral("*.qrec")}, QDir::Files);
}

int runProgram(const QString &text, const QString &file)
{
    Intro intro(file);
    if (file.isEmpty())
        intro.goOn();
    QTest::keyClicks(intro.mainWindow()->editor().textArea(), text);
    return QApplication::exec();
}

// A program that has typed its text and kept it in a recovery file of its own.
class RunningProgram
{
public:
    explicit RunningProgram(const QString &text, const QString &file = {})
    {
        const int before = recoveryFiles().size();
        m_process.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--program"), text, file});
        QTRY_COMPARE_WITH_TIMEOUT(recoveryFiles().size(), before + 1, 20000);
    }
    ~RunningProgram() { kill(); }

    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};
} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void killedProgramsTextIsRestored_data();
    void killedProgramsTextIsRestored();
    void runningProgramsKeepTheirOwnFiles();
    void endingInOrderLeavesNothing_data();
    void endingInOrderLeavesNothing();
    void onlyTheUserReadsTheText();
    void textThatCannotBeKeptIsSaidOnce();

private:
    QTemporaryDir m_data;
};

void TestRecovery::initTestCase()
{
    // The programs of this test, and nobody else's, keep their files here.
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
}

void TestRecovery::init()
{
    QFile::remove(recoveryFolder());
    QVERIFY(QDir(recoveryFolder()).removeRecursively());
}

void TestRecovery::killedProgramsTextIsRestored_data()
{
    QTest::addColumn<bool>("titled");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("a new document") << false << QByteArray();
    QTest::newRow("a UTF-8 file") << true << QByteArray("<P>caf\xc3\xa9");
    QTest::newRow("a Windows-1252 file") << true << QByteArray("<P>caf\xe9");
}

void TestRecovery::killedProgramsTextIsRestored()
{
    QFETCH(bool, titled);
    QFETCH(QByteArray, file);
    const QString path = QDir::toNativeSeparators(m_data.filePath(QStringLiteral("page.htm")));
    writeFile(path, file);
    RunningProgram program(QStringLiteral("typed "), titled ? path : QString());
    program.kill();

    Intro next;
    next.dialogs.questionAnswers << Answer::Yes;
    next.goOn();
    QCOMPARE(next.dialogs.questions,
             QStringList{restoreQuestion.arg(titled ? path : QStringLiteral("a new document"))});
    QCOMPARE(next.dialogs.yesNoDefaults, QList<Answer>{Answer::Yes});
    Form1 &main = *next.mainWindow();
    QCOMPARE(main.editor().bytes(), "typed " + file);
    const QString name = titled ? path : QStringLiteral("Untitled.htm");
    QCOMPARE(main.windowTitle(), QStringLiteral("Quillet 2.0 - ") + name);
    QCOMPARE(main.document().untitled, !titled);
    QCOMPARE(readFile(path), file);

    // Restored text is unsaved text: closing asks, and it stays kept meanwhile.
    QVERIFY(!main.close());
    QCOMPARE(next.dialogs.questions.last(), closeQuestion);
    QCOMPARE(recoveryFiles().size(), 1);
    if (!titled)
        return;
    // What the killed program knew of its file came along: Save writes without asking.
    main.trigger(QStringLiteral("mnusave"));
    QCOMPARE(next.dialogs.questions.size(), 2);
    QCOMPARE(readFile(path), "typed " + file);
    QTRY_COMPARE(recoveryFiles(), QStringList());
}

void TestRecovery::runningProgramsKeepTheirOwnFiles()
{
    RunningProgram other(QStringLiteral("other's"));
    Program own;
    own.show();
    own.type(QStringLiteral("own"));
    QTRY_COMPARE_WITH_TIMEOUT(recoveryFiles().size(), 2, 10000);

    // A program starting now offers neither: both their programs are running.
    Intro third;
    third.goOn();
    QCOMPARE(third.dialogs.questions, QStringList());
    QCOMPARE(recoveryFiles().size(), 2);

    // Once the other is gone its text is offered, declined and deleted; the own file
    // stays. A file named at the start opens after the answer.
    other.kill();
    const QString path = m_data.filePath(QStringLiteral("start.htm"));
    writeFile(path, "<P>start");
    Intro fourth(path, {Answer::No});
    QCOMPARE(fourth.dialogs.questions,
             QStringList{restoreQuestion.arg(QStringLiteral("a new document"))});
    QCOMPARE(fourth.mainWindow()->editor().bytes(), QByteArray("<P>start"));
    QCOMPARE(recoveryFiles().size(), 1);
    Intro fifth;
    fifth.goOn();
    QCOMPARE(fifth.dialogs.questions, QStringList());
    QCOMPARE(own.bytes(), QByteArray("own"));
}

void TestRecovery::endingInOrderLeavesNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("endings");
    QTest::newRow("Exit, No") << "mnuexit" << 1;
    QTest::newRow("closing, No") << "close" << 1;
    QTest::newRow("Save") << "mnusave" << 0;
    QTest::newRow("undone") << "undo" << 0;
}

void TestRecovery::endingInOrderLeavesNothing()
{
    QFETCH(QString, action);
    QFETCH(int, endings);
    const QString path = m_data.filePath(QStringLiteral("page.htm"));
    writeFile(path, "<P>");
    {
        Program program;
        program.show();
        QVERIFY(program.form.fileCommands().load(path));
        program.type(QStringLiteral("x"));
        QTRY_COMPARE_WITH_TIMEOUT(recoveryFiles().size(), 1, 10000);
        program.dialogs.questionAnswers << Answer::No;
        if (action == QLatin1String("close"))
            program.form.close();
        else if (action == QLatin1String("undo"))
            program.key(Qt::Key_Z, Qt::ControlModifier);
        else
            program.trigger(action);
        QCOMPARE(program.world.endings, endings);
        QTRY_COMPARE(QDir(recoveryFolder()).entryList(QDir::Files), QStringList());
    }
    Intro next;
    next.goOn();
    QCOMPARE(next.dialogs.questions, QStringList());
}

void TestRecovery::onlyTheUserReadsTheText()
{
#ifdef Q_OS_UNIX
    const auto rights = [](const QString &path) {
        struct stat status;
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777
                                                                         : 0;
    };
    // As an earlier version left it.
    QVERIFY(QDir().mkpath(recoveryFolder()));
    QCOMPARE(::chmod(QFile::encodeName(recoveryFolder()).constData(), 0755), 0);
    Program program;
    program.show();
    program.type(QStringLiteral("secret"));
    QTRY_COMPARE_WITH_TIMEOUT(recoveryFiles().size(), 1, 10000);
    QCOMPARE(rights(recoveryFolder()), 0700u);
    QCOMPARE(rights(QDir(recoveryFolder()).filePath(recoveryFiles().first())), 0600u);
#else
    QSKIP("The user's own profile keeps others out");
#endif
}

void TestRecovery::textThatCannotBeKeptIsSaidOnce()
{
    // A file where the folder should be: no folder can be made there, even by root.
    writeFile(recoveryFolder(), "in the way");
    Program program;
    program.show();
    auto bar = program.find<QStatusBar>("Bar1");
    QSignalSpy said(bar, &QStatusBar::messageChanged);
    QSignalSpy written(&program.form.recovery(), &Recovery::written);
    const QString failed = "Quillet cannot keep the unsaved text aside. The folder "
                           + QDir::toNativeSeparators(recoveryFolder()) + " cannot be made.";
    program.type(QStringLiteral("a"));
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 10000);
    program.type(QStringLiteral("b"));
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 2, 10000);
    QCOMPARE(bar->currentMessage(), failed);

    QVERIFY(QFile::remove(recoveryFolder()));
    program.type(QStringLiteral("c"));
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 3, 10000);
    QCOMPARE(recoveryFiles().size(), 1);
    const QString kept = "Quillet keeps the unsaved text aside again.";
    const QList<QVariantList> messages = said;
    QCOMPARE(messages, QList<QVariantList>({{failed}, {kept}}));
    QCOMPARE(bar->currentMessage(), kept);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "--program")
        return runProgram(QString::fromLocal8Bit(argv[2]),
                          argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
