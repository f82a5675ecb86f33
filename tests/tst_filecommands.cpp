#include "support/modal.h"
#include "support/program.h"
#include "support/reasons.h"

#include "app/commands/filecommands.h"
#include "document/filereader.h"
#include "editor/documentloader.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using Answer = CommonDialogs::Answer;

namespace {
const QString newQuestion = "Document has changed, do you wish to save it?";
const QString openQuestion = "Document has changed. Do you wish to save it?";
const QString closeQuestion = "File has changed. Do you wish to save it before closing?";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A path no file can be written to, even by root: its folder is a regular file.
QString unwritablePath(const QTemporaryDir &dir)
{
    writeFile(dir.filePath("plain"), "x");
    return dir.filePath("plain/page.htm");
}
} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void newOnUnchangedAsksNothing();
    void prompts_data();
    void prompts();
    void closingPrompt_data();
    void closingPrompt();
    void yesThenUnsavedStops_data();
    void yesThenUnsavedStops();
    void yesInOpenPromptSavesThenCancelKeepsDocument();
    void saveUntitledShowsSaveAs();
    void saveAsSettingsAndCaption();
    void saveAsBlankNameWritesNothing();
    void openSettingsAndCaption();
    void openRefusesReadOnlyFile();
    void saveTitledWritesWithoutDialog();
    void saveAsksBeforeOverwritingAnotherProgramsChange_data();
    void saveAsksBeforeOverwritingAnotherProgramsChange();
    void roundTrip_data();
    void roundTrip();
    void largeFileRoundTrip_data();
    void largeFileRoundTrip();
    void fileShorterThanItsSizeKeepsItsLineEnd();
    void failedReadKeepsDocument_data();
    void failedReadKeepsDocument();
    void fileOverTheLimitIsNotRead();
    void cancelledSlowReadKeepsDocument();
    void windows1252PageShowsItsCharacters();
    void newCharactersInWindows1252Page_data();
    void newCharactersInWindows1252Page();
    void windows1252SaveKeepsUntouchedBytes();
    void failedWriteKeepsDocumentAndDisk();
    void printSendsWholeText();
    void printWithoutPrinterSaysSo();
};

void TestFileCommands::newOnUnchangedAsksNothing()
{
    Program program;
    program.editor().setBytes("kept");
    program.trigger("mnunew");
    QVERIFY(program.dialogs.questions.isEmpty());
    QCOMPARE(program.bytes(), QByteArray());
    QCOMPARE(program.form.windowTitle(), QString("Quillet 2.0 - Untitled.htm"));
}

void TestFileCommands::prompts_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArray>("textAfter");
    QTest::addColumn<int>("saves");
    QTest::addColumn<int>("opens");

    // The document is titled, so Yes saves without a dialog; Open's dialog is cancelled.
    QTest::newRow("New, Yes") << "mnunew" << newQuestion << Answer::Yes << QByteArray() << 1 << 0;
    QTest::newRow("New, No") << "mnunew" << newQuestion << Answer::No << QByteArray() << 0 << 0;
    QTest::newRow("New, Cancel") << "mnunew" << newQuestion << Answer::Cancel
                                 << QByteArray("<P>x") << 0 << 0;
    QTest::newRow("Open, Yes") << "mnuopen" << openQuestion << Answer::Yes << QByteArray("<P>x")
                               << 1 << 1;
    QTest::newRow("Open, No") << "mnuopen" << openQuestion << Answer::No << QByteArray("<P>x")
                              << 0 << 1;
    QTest::newRow("Open, Cancel") << "mnuopen" << openQuestion << Answer::Cancel
                                  << QByteArray("<P>x") << 0 << 0;
}

void TestFileCommands::prompts()
{
    QFETCH(QString, command);
    QFETCH(QString, question);
    QFETCH(Answer, answer);
    QFETCH(QByteArray, textAfter);
    QFETCH(int, saves);
    QFETCH(int, opens);

    QTemporaryDir dir;
    const QString path = dir.filePath("doc.htm");
    writeFile(path, "<P>");
    Program program;
    QVERIFY(program.form.fileCommands().load(path));
    program.editor().selectAll();
    program.key(Qt::Key_End);
    program.type("x");
    program.dialogs.questionAnswers << answer;
    program.trigger(command);

    QCOMPARE(program.dialogs.questions, QStringList({question}));
    QCOMPARE(program.bytes(), textAfter);
    QCOMPARE(readFile(path), saves ? QByteArray("<P>x") : QByteArray("<P>"));
    QCOMPARE(program.dialogs.openRequests.size(), opens);
    QCOMPARE(program.dialogs.saveRequests.size(), 0);
    const bool emptied = command == "mnunew" && answer != Answer::Cancel;
    QCOMPARE(program.form.windowTitle(),
             "Quillet 2.0 - " + (emptied ? QString("Untitled.htm") : path));
}

void TestFileCommands::closingPrompt_data()
{
    QTest::addColumn<bool>("byExit");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("endings");
    QTest::addColumn<bool>("saved");

    for (bool byExit : {true, false}) {
        const char *how = byExit ? "Exit" : "close";
        QTest::addRow("%s, Yes", how) << byExit << Answer::Yes << 1 << true;
        QTest::addRow("%s, No", how) << byExit << Answer::No << 1 << false;
        QTest::addRow("%s, Cancel", how) << byExit << Answer::Cancel << 0 << false;
    }
}

void TestFileCommands::closingPrompt()
{
    QFETCH(bool, byExit);
    QFETCH(Answer, answer);
    QFETCH(int, endings);
    QFETCH(bool, saved);

    QTemporaryDir dir;
    const QString path = dir.filePath("doc.htm");
    Program program;
    program.show();
    program.type("text");
    program.dialogs.questionAnswers << answer;
    program.dialogs.saveAnswers << path;
    if (byExit)
        program.trigger("mnuexit");
    else
        program.form.close();

    QCOMPARE(program.dialogs.questions, QStringList({closeQuestion}));
    QCOMPARE(program.world.endings, endings);
    QCOMPARE(QFile::exists(path), saved);
    QCOMPARE(program.form.isVisible(), endings == 0 || byExit);
    QCOMPARE(program.bytes(), QByteArray("text"));
}

void TestFileCommands::yesThenUnsavedStops_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("failWrite");
    for (const char *command : {"mnunew", "mnuopen", "mnuexit", "close"}) {
        QTest::addRow("%s, Save As cancelled", command) << command << false;
        QTest::addRow("%s, write failed", command) << command << true;
    }
}

void TestFileCommands::yesThenUnsavedStops()
{
    QFETCH(QString, command);
    QFETCH(bool, failWrite);

    QTemporaryDir dir;
    Program program;
    program.show();
    program.type("precious");
    program.dialogs.questionAnswers << Answer::Yes;
    if (failWrite)
        program.dialogs.saveAnswers << unwritablePath(dir);
    if (command == "close")
        QVERIFY(!program.form.close());
    else
        program.trigger(command);

    QCOMPARE(program.dialogs.saveRequests.size(), 1);
    QCOMPARE(program.bytes(), QByteArray("precious"));
    QCOMPARE(program.world.endings, 0);
    QVERIFY(program.form.isVisible());
    QVERIFY(program.dialogs.openRequests.isEmpty());
    QVERIFY(program.form.document().untitled);
    QCOMPARE(program.form.windowTitle(), QString("Quillet 2.0 - Untitled.htm"));
    QCOMPARE(program.dialogs.messages.size(), failWrite ? 1 : 0);
    if (failWrite)
        QVERIFY(program.dialogs.messages[0].contains("page.htm"));
}

void TestFileCommands::yesInOpenPromptSavesThenCancelKeepsDocument()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.htm");
    Program program;
    program.type("<HTML>");
    program.dialogs.questionAnswers << Answer::Yes;
    program.dialogs.saveAnswers << path;
    program.trigger("mnuopen");
    QCOMPARE(readFile(path), QByteArray("<HTML>"));
    QCOMPARE(program.dialogs.openRequests.size(), 1);
    QCOMPARE(program.bytes(), QByteArray("<HTML>"));
    QCOMPARE(program.form.windowTitle(), "Quillet 2.0 - " + path);
}

void TestFileCommands::saveUntitledShowsSaveAs()
{
    Program program;
    program.type("abc");
    program.trigger("mnusave");
    QCOMPARE(program.dialogs.saveRequests.size(), 1);
    QCOMPARE(program.dialogs.saveRequests[0].fileName, QString("Untitled.htm"));
    QVERIFY(program.form.document().untitled);
    program.trigger("mnusave");
    QCOMPARE(program.dialogs.saveRequests.size(), 2);
    QVERIFY(program.dialogs.messages.isEmpty());
}

void TestFileCommands::saveAsSettingsAndCaption()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    Program program;
    program.type("<BODY>");
    program.dialogs.saveAnswers << path;
    program.trigger("mnusaveas");
    const FileRequest request = program.dialogs.saveRequests.constFirst();
    QCOMPARE(request.title, QString("Save HTML document As..."));
    QCOMPARE(request.filter, QString("HTML files (*.htm)|*.htm|HTML files (*.html)|*.html|"
                                     "SSI+ HTML Files (*.shtml)|*.shtml|Template (*.tlp)|*.tlp|"
                                     "Javascripts (*.js)|*.js|Any file... *.*|*.*"));
    QCOMPARE(request.defaultSuffix, QString("htm"));
    QCOMPARE(readFile(path), QByteArray("<BODY>"));
    QCOMPARE(program.form.windowTitle(), "Quillet 2.0 - " + path);
    QCOMPARE(program.form.document().fileName, path);
    QVERIFY(!program.form.document().untitled);

    program.trigger("mnusaveas");
    QCOMPARE(program.dialogs.saveRequests[1].fileName, path);
}

void TestFileCommands::saveAsBlankNameWritesNothing()
{
    QTemporaryDir dir;
    Program program;
    program.type("abc");
    program.dialogs.saveAnswers << QString(" ") << dir.filePath(" ") << dir.filePath(" .htm");
    program.trigger("mnusaveas");
    program.trigger("mnusaveas");
    program.trigger("mnusaveas");
    QVERIFY(program.form.document().untitled);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TestFileCommands::openSettingsAndCaption()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("in.shtml");
    writeFile(path, "<!--#echo var=\"DATE_LOCAL\" -->");
    Program program;
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    const FileRequest request = program.dialogs.openRequests.constFirst();
    QCOMPARE(request.title, QString("Open HTML document"));
    QCOMPARE(request.filter, QString("HTML files (*.htm)|*.htm|HTML files (*.html)|*.html|"
                                     "SSI HTML Document(*.shtml)|*.shtml|Templates(*.tlp)|*tlp|"
                                     "Javascripts (*.js)|*.js|Any file... *.*|*.*"));
    QCOMPARE(request.defaultSuffix, QString("htm"));
    QCOMPARE(request.fileName, QString());
    QCOMPARE(program.bytes(), QByteArray("<!--#echo var=\"DATE_LOCAL\" -->"));
    QCOMPARE(program.form.windowTitle(), "Quillet 2.0 - " + path);
    QVERIFY(!program.form.document().untitled);
    QVERIFY(!program.form.document().changed);
}

void TestFileCommands::openRefusesReadOnlyFile()
{
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked.htm");
    writeFile(locked, "locked");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString open = dir.filePath("open.htm");
    writeFile(open, "open");
    Program program;
    program.dialogs.openAnswers << locked << open;
    program.trigger("mnuopen");
    QCOMPARE(program.dialogs.openRequests.size(), 2);
    QCOMPARE(program.dialogs.messages.size(), 1);
    QVERIFY(program.dialogs.messages[0].contains("locked.htm"));
    QCOMPARE(program.bytes(), QByteArray("open"));
}

void TestFileCommands::saveTitledWritesWithoutDialog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.htm");
    writeFile(path, "old");
    Program program;
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    program.editor().selectAll();
    program.type("new");
    program.trigger("mnusave");
    QVERIFY(program.dialogs.saveRequests.isEmpty());
    QCOMPARE(readFile(path), QByteArray("new"));
}

void TestFileCommands::saveAsksBeforeOverwritingAnotherProgramsChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("rewritten, No keeps theirs") << "rewrite" << Answer::No << true
                                                << QByteArray("<P>theirs");
    QTest::newRow("rewritten, Yes writes ours") << "rewrite" << Answer::Yes << true
                                                << QByteArray("<P>x");
    // Only the content tells this one: size and time are as Quillet read them.
    QTest::newRow("same size and time, No") << "same stamp" << Answer::No << true
                                            << QByteArray("<Q>");
    QTest::newRow("deleted, written again") << "delete" << Answer::No << false
                                            << QByteArray("<P>x");
}

void TestFileCommands::saveAsksBeforeOverwritingAnotherProgramsChange()
{
    QFETCH(QString, change);
    QFETCH(Answer, answer);
    QFETCH(bool, asks);
    QFETCH(QByteArray, onDisk);

    QTemporaryDir dir;
    const QString path = QDir::toNativeSeparators(dir.filePath("page.htm"));
    writeFile(path, "<P>");
    const QDateTime stamp = QDateTime::currentDateTime().addSecs(3600);
    const auto keepStamp = [&] {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp.addMSecs(-stamp.time().msec()),
                                 QFileDevice::FileModificationTime));
    };
    keepStamp();
    Program program;
    QVERIFY(program.form.fileCommands().load(path));
    program.key(Qt::Key_End);
    program.type("x");
    if (change == "rewrite") {
        writeFile(path, "<P>theirs");
    } else if (change == "same stamp") {
        writeFile(path, "<Q>");
        keepStamp();
    } else {
        QVERIFY(QFile::remove(path));
    }
    program.dialogs.questionAnswers << answer;
    program.trigger("mnusave");

    const QString question = path + " has been changed by another program since Quillet read "
                                    "it. Overwrite it with this document?";
    QCOMPARE(program.dialogs.questions, asks ? QStringList{question} : QStringList());
    QCOMPARE(program.dialogs.yesNoDefaults, asks ? QList<Answer>{Answer::No} : QList<Answer>());
    QCOMPARE(readFile(path), onDisk);
    // Exit's Yes runs Save: once written, the file is the document's again and Save asks
    // nothing; after a No it asks again, and a No there keeps the program and the text.
    program.dialogs.questions.clear();
    program.dialogs.questionAnswers = {Answer::Yes, answer};
    program.trigger("mnuexit");
    const bool written = !asks || answer == Answer::Yes;
    const QStringList asked = written ? QStringList{closeQuestion}
                                      : QStringList{closeQuestion, question};
    QCOMPARE(program.dialogs.questions, asked);
    QCOMPARE(program.world.endings, int(written));
    QCOMPARE(readFile(path), onDisk);
    QCOMPARE(program.bytes(), QByteArray("<P>x"));
}

void TestFileCommands::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("LF") << QByteArray("<P>\none\ntwo\n");
    QTest::newRow("CRLF") << QByteArray("<P>\r\none\r\n");
    QTest::newRow("lone CR") << QByteArray("a\rb\r");
    QTest::newRow("mixed breaks") << QByteArray("a\r\nb\nc\rd\n\r\n\r");
    QTest::newRow("NUL bytes") << QByteArray("a\0b\0\0c", 6);
    QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f \xe2\x84\xa2 \xf0\x9f\x98\x80");
    QTest::newRow("UTF-8 BOM") << QByteArray("\xef\xbb\xbf<HTML>");
    QTest::newRow("Windows-1252") << QByteArray("caf\xe9 \x99 \x80 na\xefve\r\n");
    QTest::newRow("invalid UTF-8") << QByteArray("\xc3\x28 \xa0\xa1 \xed\xa0\x80 \xf8\x88");
    QTest::newRow("truncated UTF-8") << QByteArray("abc\xe2\x82");
    QByteArray every;
    for (int i = 0; i < 256; ++i)
        every += char(i);
    QTest::newRow("every byte") << every;
}

void TestFileCommands::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString in = dir.filePath("in.htm");
    const QString out = dir.filePath("out.htm");
    writeFile(in, bytes);
    Program program;
    program.dialogs.openAnswers << in;
    program.trigger("mnuopen");
    QCOMPARE(program.bytes(), bytes);
    program.dialogs.saveAnswers << out;
    program.trigger("mnusaveas");
    QCOMPARE(readFile(out), bytes);
    program.trigger("mnusave");
    QCOMPARE(readFile(out), bytes);
}

void TestFileCommands::largeFileRoundTrip_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("megabytes");
    QTest::newRow("100 MB of Windows-1252") << QByteArray("<TR><TD>cell</TD><TD>caf\xe9</TD></TR>\r\n") << 100;
    QTest::newRow("5 MB of UTF-8") << QByteArray("<P>caf\xc3\xa9 au lait</P>\n") << 5;
}

void TestFileCommands::largeFileRoundTrip()
{
    QFETCH(QByteArray, line);
    QFETCH(int, megabytes);
    QTemporaryDir dir;
    const QString in = dir.filePath("big.htm");
    QByteArray bytes;
    bytes.reserve(megabytes * 1024 * 1024 + line.size());
    while (bytes.size() < megabytes * 1024 * 1024)
        bytes += line;
    writeFile(in, bytes);
    Program program;
    QVERIFY(program.form.fileCommands().load(in));
    const QString out = dir.filePath("big-out.htm");
    program.dialogs.saveAnswers << out;
    program.trigger("mnusaveas");
    QVERIFY(readFile(out) == bytes);
}

// A file cut short between its size being read and its bytes (another program writing it),
// whose first piece is a line end alone.
void TestFileCommands::fileShorterThanItsSizeKeepsItsLineEnd()
{
    DocumentLoader loader;
    loader.reserve(20);
    loader.add("\n", 1);
    loader.add("<P>\n", 4);
    Program program;
    program.form.editor().adopt(loader);
    QCOMPARE(program.bytes(), QByteArray("\n<P>\n"));
}

void TestFileCommands::failedReadKeepsDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("missing file") << "missing.htm" << missingFileReason() << true;
    QTest::newRow("a folder") << "folder" << "It is a folder, not a file." << false;
#ifdef Q_OS_UNIX
    QTest::newRow("a pipe") << "pipe" << "It is a pipe, not a file." << false;
    QTest::newRow("a device") << "/dev/zero" << "It is a device, not a file." << true;
#endif
}

// Opened from the menu or dropped on the window.
void TestFileCommands::failedReadKeepsDocument()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QFETCH(bool, dropped);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder");
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
#endif
    const QString path = dir.filePath("doc.htm");
    const QString failing = QDir(dir.path()).filePath(name);
    writeFile(path, "current");
    Program program;
    program.dialogs.openAnswers << path << failing;
    program.trigger("mnuopen");
    if (dropped)
        program.form.fileCommands().open(failing);
    else
        program.trigger("mnuopen");
    QCOMPARE(program.dialogs.messages,
             QStringList("Quillet could not open " + QDir::toNativeSeparators(failing) + ".\r"
                         + reason));
    QCOMPARE(program.bytes(), QByteArray("current"));
    QCOMPARE(program.form.document().fileName, path);
    QCOMPARE(program.form.windowTitle(), "Quillet 2.0 - " + path);
}

void TestFileCommands::fileOverTheLimitIsNotRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.htm");
    QFile huge(path);
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(FileReader::sizeLimit() + 1)); // sparse: no disk taken
    huge.close();
    Program program;
    program.editor().setBytes("current");
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    const qint64 limit = FileReader::sizeLimit() / (1024 * 1024);
    QCOMPARE(program.dialogs.messages,
             QStringList(QString("Quillet opens files up to %1 MB; %2 has %3 MB.")
                             .arg(limit)
                             .arg(QDir::toNativeSeparators(path))
                             .arg(limit + 1)));
    QCOMPARE(program.bytes(), QByteArray("current"));
    QVERIFY(program.form.document().untitled);
}

void TestFileCommands::cancelledSlowReadKeepsDocument()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("slow.htm");
    writeFile(path, QByteArray(3 * 1024 * 1024, 'x'));
    Program program;
    program.show();
    program.type("abc");
    program.key(Qt::Key_Left);
    program.form.setProgressDelay(0);
    QString label;
    onShow<QProgressDialog>([&](QProgressDialog *progress) {
        label = progress->labelText();
        auto cancel = progress->findChild<QPushButton *>();
        QMetaObject::invokeMethod(cancel, &QPushButton::click, Qt::QueuedConnection);
    });
    QVERIFY(!program.form.fileCommands().load(path));
    QCOMPARE(label, "Opening " + QDir::toNativeSeparators(path) + "...");
    QCOMPARE(program.bytes(), QByteArray("abc"));
    QVERIFY(program.form.document().untitled);
    QVERIFY(program.dialogs.messages.isEmpty());
    program.type("d");
    QCOMPARE(program.bytes(), QByteArray("abdc"));
}

void TestFileCommands::windows1252PageShowsItsCharacters()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("legacy.htm");
    writeFile(path, "\x93" "Caf\xe9\x94 \x80 5\x96" "6 \x99 \x81\x8d\x8f\x90\x9d");
    Program program;
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    QCOMPARE(program.editor().text(), QString::fromUtf8("\u201cCaf\u00e9\u201d \u20ac 5\u2013"
                                                        "6 \u2122 \u0081\u008d\u008f\u0090\u009d"));
    program.editor().selectAll();
    program.trigger("mnucopy");
    QCOMPARE(QGuiApplication::clipboard()->text(), program.editor().text());
}

void TestFileCommands::newCharactersInWindows1252Page_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("page"); // "|" marks the caret
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QByteArray>("saved");
    const QString arrow = QString::fromUtf8("\u2192");
    QTest::newRow("typed") << "legacy.htm" << QByteArray("caf\xe9 |") << false
                           << QString::fromUtf8("\u20ac\u201cx\u201d \u4e2d")
                           << QByteArray("caf\xe9 \x80\x93x\x94 &#20013;");
    QTest::newRow("pasted") << "legacy.htm" << QByteArray("caf\xe9 |") << true
                            << QString::fromUtf8("\u201cx\u201d \u4e2d\U0001F600")
                            << QByteArray("caf\xe9 \x93x\x94 &#20013;&#128512;");
    QTest::newRow("script") << "legacy.htm" << QByteArray("<SCRIPT>s=\"\xe9|\"</SCRIPT>") << false
                            << arrow << QByteArray("<SCRIPT>s=\"\xe9\\u2192\"</SCRIPT>");
    const QByteArray lines = QByteArray("s = 'caf\xe9';\n").repeated(10000);
    QTest::newRow("long script") << "legacy.htm" << "<script>" + lines + "s='|'</script>"
                                 << false << arrow
                                 << "<script>" + lines + "s='\\u2192'</script>";
    QTest::newRow("event handler")
        << "legacy.htm" << QByteArray("<A onClick=\"s='\xe9|'\">") << false << arrow
        << QByteArray("<A onClick=\"s='\xe9\\u2192'\">");
    QTest::newRow("style sheet")
        << "legacy.htm" << QByteArray("<STYLE>P:after { content: \"\xe9|\" }</STYLE>") << false
        << arrow << QByteArray("<STYLE>P:after { content: \"\xe9\\2192 \" }</STYLE>");
    QTest::newRow("STYLE value")
        << "legacy.htm" << QByteArray("<P STYLE='content: \"\xe9|\"'>") << false << arrow
        << QByteArray("<P STYLE='content: \"\xe9\\2192 \"'>");
    QTest::newRow("other value") << "legacy.htm" << QByteArray("<A TITLE=\xe9| HREF=x>") << false
                                 << arrow << QByteArray("<A TITLE=\xe9&#8594; HREF=x>");
    QTest::newRow("comment") << "legacy.htm" << QByteArray("<!-- \xe9| <SCRIPT> -->") << false
                             << arrow << QByteArray("<!-- \xe9&#8594; <SCRIPT> -->");
    QTest::newRow("after a script")
        << "legacy.htm" << QByteArray("<SCRIPT>s=1</SCRIPT>\xe9|") << false << arrow
        << QByteArray("<SCRIPT>s=1</SCRIPT>\xe9&#8594;");
    QTest::newRow("JavaScript file") << "legacy.js" << QByteArray("s='\xe9|'") << false << arrow
                                     << QByteArray("s='\xe9\\u2192'");
}

// Windows-1252 holds the euro sign and the quotes; the rest is escaped as its place
// understands.
void TestFileCommands::newCharactersInWindows1252Page()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, page);
    QFETCH(bool, pasted);
    QFETCH(QString, added);
    QFETCH(QByteArray, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const qsizetype caret = page.indexOf('|');
    writeFile(path, page.remove(caret, 1));
    Program program;
    program.show();
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    // A character for each byte of the page.
    const QByteArray before = page.left(caret);
    program.editor().setCaret({int(before.count('\n')) + 1,
                               int(caret - before.lastIndexOf('\n'))});
    if (pasted) {
        QGuiApplication::clipboard()->setText(added);
        program.trigger("mnupastefrom");
    } else {
        program.type(added);
    }
    program.trigger("mnusave");
    QCOMPARE(readFile(path), saved);
}

// Deleting the only bytes that are not UTF-8 leaves the page's other bytes as they were.
void TestFileCommands::windows1252SaveKeepsUntouchedBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("legacy.htm");
    const QByteArray script = "<script>alert(\"\xc2\xa9 2024\")</script>";
    writeFile(path, "<p>\xe9t\xe9</p>" + script);
    Program program;
    program.show();
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    for (int i = 0; i < 10; ++i)
        program.key(Qt::Key_Right, Qt::ShiftModifier);
    program.trigger("mnudel");
    program.trigger("mnusave");
    QCOMPARE(readFile(path), script);
}

void TestFileCommands::failedWriteKeepsDocumentAndDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.htm");
    writeFile(path, "on disk");
    Program program;
    program.dialogs.openAnswers << path;
    program.trigger("mnuopen");
    program.type("edited ");
    const QString target = unwritablePath(dir);
    program.dialogs.saveAnswers << target;
    program.trigger("mnusaveas");
    QCOMPARE(program.dialogs.messages.size(), 1);
    QVERIFY(program.dialogs.messages[0].contains(QDir::toNativeSeparators(target)));
    QCOMPARE(program.form.document().fileName, path);
    QCOMPARE(program.form.windowTitle(), "Quillet 2.0 - " + path);
    QCOMPARE(readFile(path), QByteArray("on disk"));
    QCOMPARE(readFile(dir.filePath("plain")), QByteArray("x"));

    // Saving onto a folder fails as a whole: nothing in the folder changes.
    QDir(dir.path()).mkdir("folder.htm");
    writeFile(dir.filePath("folder.htm/inside.htm"), "inside");
    program.dialogs.saveAnswers << dir.filePath("folder.htm");
    program.trigger("mnusaveas");
    QCOMPARE(program.dialogs.messages.size(), 2);
    QCOMPARE(readFile(dir.filePath("folder.htm/inside.htm")), QByteArray("inside"));
    QCOMPARE(program.form.document().fileName, path);
}

void TestFileCommands::printSendsWholeText()
{
    Program program;
    program.editor().setBytes("<P>line one\n<P>line two");
    program.editor().selectAll();
    program.trigger("mnuprint");
    QCOMPARE(program.world.printed, QStringList({"<P>line one\n<P>line two"}));
    QVERIFY(program.dialogs.messages.isEmpty());
    QVERIFY(program.form.document().untitled);
}

void TestFileCommands::printWithoutPrinterSaysSo()
{
    Program program;
    program.world.printFailure = "There is no printer to print on.";
    program.trigger("mnuprint");
    QCOMPARE(program.dialogs.messages,
             QStringList({"The document was not printed.\rThere is no printer to print on."}));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
