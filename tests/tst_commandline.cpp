#include "support/files.h"
#include "support/program.h"
#include "support/reasons.h"

#include "app/commandline.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

// Starting Quillet with arguments: the program itself for what it prints, the start as
// main() makes it for the file it opens.
namespace {
struct Run
{
    bool finished = false;
    int status = -1;
    QByteArray output;
    QByteArray error;
};

Run runQuillet(const QStringList &arguments)
{
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLET_BINARY), arguments);
    Run run;
    // A program that opened its window instead would not end by itself.
    run.finished = process.waitForFinished(20000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    // Windows' text-mode output ends its lines in CR LF.
    run.output = process.readAllStandardOutput().replace("\r\n", "\n");
    run.error = process.readAllStandardError().replace("\r\n", "\n");
    return run;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void version_data();
    void version();
    void replies_data();
    void replies();
    void fileGivenOpensWithoutIntro();
    void unreadableFileLeavesUntitledDocument_data();
    void unreadableFileLeavesUntitledDocument();
    void readOnlyFileIsRefused();
    void noFileGivesUntitledDocument();
};

void TestCommandLine::version_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("long") << "--version";
    QTest::newRow("short") << "-v";
}

void TestCommandLine::version()
{
    QFETCH(QString, option);
    const Run run = runQuillet({option});
    QVERIFY2(run.finished, "the program did not end");
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, QByteArray("Quillet 2.0\n"));
    QCOMPARE(run.error, QByteArray());
}

void TestCommandLine::replies_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArrayList>("outputHas");
    QTest::addColumn<QByteArrayList>("errorHas");

    QTest::newRow("help") << QStringList{"--help"} << 0
                          << QByteArrayList{"Usage: ", " [options] [file]", "--version", "--help"}
                          << QByteArrayList{};
    QTest::newRow("short help") << QStringList{"-h"} << 0 << QByteArrayList{"[file]"}
                                << QByteArrayList{};
    QTest::newRow("help wins over files") << QStringList{"a.htm", "--help", "b.htm"} << 0
                                          << QByteArrayList{"Usage: "} << QByteArrayList{};
    // The program names itself as it was started: quillet, or quillet.exe on Windows.
    const QByteArray name = QFileInfo(QStringLiteral(QUILLET_BINARY)).fileName().toUtf8();
    QTest::newRow("two files")
        << QStringList{"a.htm", "b.htm"} << 2 << QByteArrayList{}
        << QByteArrayList{name + ": Quillet opens one file at a time, not 2.",
                          "Try '" + name + " --help'"};
    QTest::newRow("unknown option")
        << QStringList{"--bogus", "a.htm"} << 2 << QByteArrayList{}
        << QByteArrayList{name + ": Unknown option 'bogus'.", "Try '" + name + " --help'"};
    QTest::newRow("unknown short option") << QStringList{"-x"} << 2 << QByteArrayList{}
                                          << QByteArrayList{"Unknown option 'x'."};
}

void TestCommandLine::replies()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArrayList, outputHas);
    QFETCH(QByteArrayList, errorHas);

    const Run run = runQuillet(arguments);
    QVERIFY2(run.finished, "the program did not end");
    QCOMPARE(run.status, status);
    QCOMPARE(run.output.isEmpty(), outputHas.isEmpty());
    QCOMPARE(run.error.isEmpty(), errorHas.isEmpty());
    for (const QByteArray &part : outputHas)
        QVERIFY2(run.output.contains(part), run.output.constData());
    for (const QByteArray &part : errorHas)
        QVERIFY2(run.error.contains(part), run.error.constData());
}

void TestCommandLine::fileGivenOpensWithoutIntro()
{
    QTemporaryDir dir;
    const char raw[] = "<HTML>\r\n<BODY>caf\xe9\0and\rmore</BODY>\n</HTML>";
    const QByteArray bytes(raw, sizeof raw - 1);
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    writeFile(path, bytes);
    // A name relative to the folder the program was started in.
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Intro intro(readCommandLine({QStringLiteral("quillet"), QStringLiteral("page.htm")}).file);
    QDir::setCurrent(startFolder);

    Form1 *main = intro.form.mainWindow();
    QVERIFY(main);
    QVERIFY(main->isVisible());
    // Never shown, not even for a moment.
    QVERIFY(!intro.form.windowHandle());
    QVERIFY(!intro.form.windowIcon().isNull());
    QVERIFY(!main->windowIcon().isNull());
    QCOMPARE(main->editor().bytes(), bytes);
    // On Windows, the separators are the system's, as after Open.
    const QString shown = QDir::toNativeSeparators(path);
    QCOMPARE(main->windowTitle(), QStringLiteral("Quillet 2.0 - ") + shown);
    QCOMPARE(main->document().fileName, shown);
    QVERIFY(!main->document().untitled);
    QVERIFY(!main->document().changed);
    QCOMPARE(intro.dialogs.messages, QStringList());
}

void TestCommandLine::unreadableFileLeavesUntitledDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing.htm" << missingFileReason();
    QTest::newRow("a folder") << "folder.htm" << "It is a folder, not a file.";
}

void TestCommandLine::unreadableFileLeavesUntitledDocument()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.htm")));
    const QString path = dir.filePath(name);

    Intro intro(readCommandLine({QStringLiteral("quillet"), path}).file);
    Form1 *main = intro.form.mainWindow();
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(intro.dialogs.messages,
             QStringList{QStringLiteral("Quillet could not open %1.\r%2")
                             .arg(QDir::toNativeSeparators(path), reason)});
    QCOMPARE(main->editor().bytes(), QByteArray());
    QCOMPARE(main->windowTitle(), QStringLiteral("Quillet 2.0 - Untitled.htm"));
    QVERIFY(main->document().untitled);
}

void TestCommandLine::readOnlyFileIsRefused()
{
    QTemporaryDir dir;
    const QString path
        = readCommandLine({QStringLiteral("quillet"), dir.filePath(QStringLiteral("locked.htm"))})
              .file;
    writeReadOnlyFile(path, "<P>locked");

    Intro intro(path);
    Form1 *main = intro.form.mainWindow();
    QVERIFY(main);
    QCOMPARE(intro.dialogs.messages,
             QStringList(path + "\rThis file is read-only and cannot be saved back.\r"
                                "Choose another file."));
    QCOMPARE(main->editor().bytes(), QByteArray());
    QVERIFY(main->document().untitled);
}

void TestCommandLine::noFileGivesUntitledDocument()
{
    Intro intro(readCommandLine({QStringLiteral("quillet")}).file);
    QVERIFY(intro.form.isVisible());
    QVERIFY(!intro.mainWindow());
    intro.goOn();
    Form1 *main = intro.form.mainWindow();
    QVERIFY(main);
    QCOMPARE(main->windowTitle(), QStringLiteral("Quillet 2.0 - Untitled.htm"));
    QVERIFY(main->document().untitled);
    QCOMPARE(intro.dialogs.messages, QStringList());
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
