#include "support/program.h"

#include "app/installfolder.h"
#include "app/systemworld.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

// The browser preview (F5) and the viewer preview (F6) through the fake outside world.
namespace {
const QString startPath = QStringLiteral("c:\\program files\\quick view plus\\program\\qvp32.exe");

QString tempFolder()
{
    return FakeWorld::dataFolder + QStringLiteral("/temp");
}

QString previewFile()
{
    return tempFolder() + QStringLiteral("/toview.htm");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A program with a titled document that has been typed in since it was opened.
void openAndChange(Program &program, const QString &path)
{
    write(path, "<P>old</P>");
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    program.key(Qt::Key_End, Qt::ControlModifier);
    program.type(" new");
    QVERIFY(program.form.document().changed);
}
} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void installFolderAndPreviewFile_data();
    void installFolderAndPreviewFile();
    void previewFileIsTheUsersOwn();

    void f5SavesWithoutAskingAndOpensTheDocument();
    void f5ShowsOnlyPagesThemselves_data();
    void f5ShowsOnlyPagesThemselves();
    void f5OverwritesThePreviewFileEachTime();
    void f5OnAnUntitledDocumentAsksForAName();
    void f5OpensNothingWhenSaveAsIsCancelled();
    void f5ReportsAPreviewFileThatCannotBeWritten();
    void f5ReportsABrowserThatCannotBeOpened();

    void f6SavesAndShowsTheViewerWindow();
    void viewerGetsProgramAndFileAsSeparateArguments_data();
    void viewerGetsProgramAndFileAsSeparateArguments();
    void emptyViewerPathIsRefused();
    void viewerRefusesAnUntitledDocument();
    void viewerReportsAProgramThatCannotBeStarted();
    void viewerCancelHidesAndKeepsThePath();

private:
    QTemporaryDir m_documents;
};

void TestPreview::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_documents.isValid());
}

void TestPreview::init()
{
    QFile::remove(tempFolder());
    QVERIFY(QDir(tempFolder()).removeRecursively());
}

void TestPreview::cleanupTestCase()
{
    QDir(FakeWorld::dataFolder).removeRecursively();
}

// Both systems' answers, worked out on either.
void TestPreview::installFolderAndPreviewFile_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("appData"); // the user's own
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("preview");

    QTest::newRow("Windows") << true << "C:/Users/ann/AppData/Local/Quillet" << "C:\\QUILLET\\"
                             << "C:/Users/ann/AppData/Local/Quillet/temp/toview.htm";
    QTest::newRow("Linux") << false << "/home/ann/.local/share/Quillet"
                           << "/home/ann/.local/share/Quillet"
                           << "/home/ann/.local/share/Quillet/temp/toview.htm";
    QTest::newRow("Linux, separator at the end") << false << "/srv/quillet/" << "/srv/quillet/"
                                                 << "/srv/quillet/temp/toview.htm";
}

void TestPreview::installFolderAndPreviewFile()
{
    QFETCH(bool, windows);
    QFETCH(QString, appData);
    QFETCH(QString, folder);
    QFETCH(QString, preview);

    QCOMPARE(installFolder(windows, appData), folder);
    QCOMPARE(previewFile(appData), preview);
}

// Where the system keeps the user's own data, not a folder every user can write.
void TestPreview::previewFileIsTheUsersOwn()
{
    QStandardPaths::setTestModeEnabled(false);
    const QString folder = SystemWorld().userDataFolder();
    QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_WIN
    const QString own = qEnvironmentVariable("LOCALAPPDATA");
#else
    const QString own = qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + "/.local/share");
#endif
    QCOMPARE(QDir::toNativeSeparators(folder),
             QDir::toNativeSeparators(own + '/' + QCoreApplication::applicationName()));
}

void TestPreview::f5SavesWithoutAskingAndOpensTheDocument()
{
    const QString path = m_documents.filePath("page.htm");
    Program program;
    openAndChange(program, path);
    program.show();

    program.key(Qt::Key_F5);

    QVERIFY(program.dialogs.questions.isEmpty());
    QVERIFY(program.dialogs.saveRequests.isEmpty());
    QCOMPARE(contents(path), QByteArray("<P>old</P> new"));
    QCOMPARE(contents(previewFile()), QByteArray("<P>old</P> new"));
    QCOMPARE(program.world.browserFiles, QStringList{path});
    QVERIFY(program.dialogs.messages.isEmpty());
}

// The system would hand any other document to its own program, which for a script runs
// it: the browser gets the preview file instead.
void TestPreview::f5ShowsOnlyPagesThemselves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("itself");

    QTest::newRow(".HTML") << "page.HTML" << true;
    QTest::newRow(".shtml") << "page.shtml" << true;
    QTest::newRow(".js") << "script.js" << false;
    QTest::newRow(".tlp") << "form.tlp" << false;
    QTest::newRow("no suffix") << "page" << false;
}

void TestPreview::f5ShowsOnlyPagesThemselves()
{
    QFETCH(QString, name);
    QFETCH(bool, itself);
    const QString path = m_documents.filePath(name);
    Program program;
    openAndChange(program, path);

    program.trigger("mnupreview");

    QCOMPARE(program.world.browserFiles, QStringList{itself ? path : previewFile()});
    QCOMPARE(contents(path), QByteArray("<P>old</P> new"));
    QCOMPARE(contents(previewFile()), QByteArray("<P>old</P> new"));
}

void TestPreview::f5OverwritesThePreviewFileEachTime()
{
    const QString path = m_documents.filePath("twice.htm");
    Program program;
    openAndChange(program, path);
    QVERIFY(QDir().mkpath(tempFolder()));
    write(previewFile(), "a much longer text that was there before the preview");

    program.trigger("mnupreview");
    QCOMPARE(contents(previewFile()), QByteArray("<P>old</P> new"));

    program.key(Qt::Key_Home);
    program.type("<HR>");
    program.trigger("mnupreview");
    QCOMPARE(contents(previewFile()), QByteArray("<HR><P>old</P> new"));
    QCOMPARE(program.world.browserFiles, (QStringList{path, path}));
}

void TestPreview::f5OnAnUntitledDocumentAsksForAName()
{
    const QString path = m_documents.filePath("new.htm");
    Program program;
    program.type("<H1>hi</H1>");
    program.dialogs.saveAnswers << path;

    program.trigger("mnupreview");

    QCOMPARE(program.dialogs.saveRequests.size(), 1);
    QCOMPARE(contents(path), QByteArray("<H1>hi</H1>"));
    QCOMPARE(contents(previewFile()), QByteArray("<H1>hi</H1>"));
    QCOMPARE(program.world.browserFiles, QStringList{path});
}

void TestPreview::f5OpensNothingWhenSaveAsIsCancelled()
{
    Program program;
    program.type("<H1>hi</H1>");

    program.trigger("mnupreview");

    QCOMPARE(program.dialogs.saveRequests.size(), 1);
    QVERIFY(program.world.browserFiles.isEmpty());
    QVERIFY(!QFile::exists(previewFile()));
    QVERIFY(program.form.document().untitled);
}

void TestPreview::f5ReportsAPreviewFileThatCannotBeWritten()
{
    const QString path = m_documents.filePath("blocked.htm");
    Program program;
    openAndChange(program, path);
    // A file where the folder should be: no folder can be made there.
    QVERIFY(QDir().mkpath(FakeWorld::dataFolder));
    write(tempFolder(), "in the way");

    program.trigger("mnupreview");

    QCOMPARE(program.dialogs.messages.size(), 1);
    const QString message = program.dialogs.messages.first();
    QVERIFY2(message.startsWith("Quillet could not write the preview file "
                                + QDir::toNativeSeparators(previewFile()) + ".\r"),
             qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(tempFolder())), qPrintable(message));
    QVERIFY(program.world.browserFiles.isEmpty());
    QCOMPARE(contents(path), QByteArray("<P>old</P> new"));
}

void TestPreview::f5ReportsABrowserThatCannotBeOpened()
{
    const QString path = m_documents.filePath("nobrowser.htm");
    Program program;
    openAndChange(program, path);
    program.world.browserFailure = "No web browser is installed.";

    program.trigger("mnupreview");

    QCOMPARE(program.dialogs.messages,
             QStringList{"Quillet could not open " + QDir::toNativeSeparators(path)
                         + " in the web browser.\rNo web browser is installed."});
}

void TestPreview::f6SavesAndShowsTheViewerWindow()
{
    const QString path = m_documents.filePath("viewed.htm");
    Program program;
    openAndChange(program, path);
    program.show();

    program.key(Qt::Key_F6);

    QVERIFY(program.dialogs.questions.isEmpty());
    QCOMPARE(contents(path), QByteArray("<P>old</P> new"));
    QWidget *window = program.window("preview1");
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QString("View using QuickView Plus"));
    QCOMPARE(program.find<QGroupBox>("Frame3", "preview1")->title(),
             QString("Previewing using QuickView Plus"));
    QCOMPARE(program.find<QLabel>("Label1", "preview1")->text(),
             QString("Where is Quick View / QuickView Plus?"));
    QCOMPARE(program.find<QLineEdit>("Text1", "preview1")->text(), startPath);
    QCOMPARE(program.find<QPushButton>("Command1", "preview1")->text(), QString("&Ok"));
    QCOMPARE(program.find<QPushButton>("Command2", "preview1")->text(), QString("C&ancel"));
    QVERIFY(program.world.started.isEmpty());
}

void TestPreview::viewerGetsProgramAndFileAsSeparateArguments_data()
{
    QTest::addColumn<QString>("viewer");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("start path") << startPath << "a.htm";
    QTest::newRow("blanks in both") << "/opt/quick view/bin/view er" << "my page.htm";
    QTest::newRow("quotes and blanks") << "/usr/bin/\"view\" it" << "it's \"here\".htm";
}

void TestPreview::viewerGetsProgramAndFileAsSeparateArguments()
{
    QFETCH(QString, viewer);
    QFETCH(QString, fileName);
#ifdef Q_OS_WIN
    if (fileName.contains('"'))
        QSKIP("Windows file names cannot hold double quotes");
#endif

    const QString path = m_documents.filePath(fileName);
    Program program;
    program.type("<P>");
    program.dialogs.saveAnswers << path;
    program.trigger("mnupreviewdde");
    program.find<QLineEdit>("Text1", "preview1")->setText(viewer);

    program.click("Command1", "preview1");

    QCOMPARE(program.world.started.size(), 1);
    QCOMPARE(program.world.started.first().program, viewer);
    QCOMPARE(program.world.started.first().arguments, QStringList{path});
    QCOMPARE(contents(path), QByteArray("<P>"));
    QVERIFY(program.window("preview1")->isVisible());
    QVERIFY(program.dialogs.messages.isEmpty());
}

void TestPreview::emptyViewerPathIsRefused()
{
    Program program;
    openAndChange(program, m_documents.filePath("empty.htm"));
    program.trigger("mnupreviewdde");
    program.find<QLineEdit>("Text1", "preview1")->clear();

    program.click("Command1", "preview1");

    QCOMPARE(program.dialogs.messages, QStringList{"Unable to open browser"});
    QVERIFY(program.world.started.isEmpty());
    QVERIFY(program.window("preview1")->isVisible());
}

void TestPreview::viewerRefusesAnUntitledDocument()
{
    Program program;
    program.type("<P>");
    program.trigger("mnupreviewdde");
    QCOMPARE(program.dialogs.saveRequests.size(), 1);
    QVERIFY(program.window("preview1")->isVisible());

    program.click("Command1", "preview1");

    QVERIFY(program.world.started.isEmpty());
    QCOMPARE(program.dialogs.messages,
             QStringList{"The document has no file yet.\rSave it first, then preview it."});
}

void TestPreview::viewerReportsAProgramThatCannotBeStarted()
{
    const QString path = m_documents.filePath("fails.htm");
    Program program;
    openAndChange(program, path);
    program.world.startFailure = "No such file or directory";
    program.trigger("mnupreviewdde");

    program.click("Command1", "preview1");

    QCOMPARE(program.dialogs.messages,
             QStringList{"Quillet could not start the viewer " + startPath
                         + ".\rNo such file or directory"});
}

void TestPreview::viewerCancelHidesAndKeepsThePath()
{
    Program program;
    openAndChange(program, m_documents.filePath("kept.htm"));
    program.trigger("mnupreviewdde");
    program.find<QLineEdit>("Text1", "preview1")->setText("/usr/bin/viewer");
    program.click("Command2", "preview1");
    QVERIFY(!program.window("preview1")->isVisible());
    QVERIFY(program.world.started.isEmpty());

    program.trigger("mnupreviewdde");
    QVERIFY(program.window("preview1")->isVisible());
    QCOMPARE(program.find<QLineEdit>("Text1", "preview1")->text(), QString("/usr/bin/viewer"));
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
