#include "support/files.h"
#include "support/program.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <map>

// Quillet on the desktop: files dropped from the file manager, and the desktop entry
// that lets the file manager start it.
namespace {
const QString openQuestion = QStringLiteral("Document has changed. Do you wish to save it?");

QString packagingFile(const QString &name)
{
    return QStringLiteral(QUILLET_PACKAGING_DIR "/") + name;
}

QWidget *dropTarget(Program &program, const QString &target)
{
    if (target == QLatin1String("editor"))
        return qobject_cast<QAbstractScrollArea *>(program.textArea())->viewport();
    return &program.form;
}

// Drags the data over the widget's middle and drops it there, as the window system
// does; then lets the program act on it. False when the widget refused the drag.
bool drop(QWidget *target, QMimeData &data)
{
    const QPointF at = QRectF(target->rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    return dropped.isAccepted();
}

bool dropFiles(QWidget *target, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    return drop(target, data);
}

std::map<QString, QString> desktopEntry()
{
    const QByteArray text = readFile(packagingFile(QStringLiteral("quillet.desktop")));
    std::map<QString, QString> keys;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            keys[line.left(equals)] = line.mid(equals + 1);
    }
    return keys;
}

// The type the shipped shared-mime-info package gives to names matching the pattern.
QString packagedMimeType(const QString &pattern)
{
    QXmlStreamReader xml(readFile(packagingFile(QStringLiteral("quillet-mime.xml"))));
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value(QLatin1String("type")).toString();
        else if (xml.name() == QLatin1String("glob")
                 && xml.attributes().value(QLatin1String("pattern")) == pattern)
            return type;
    }
    return {};
}
} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void droppedFileOpens_data();
    void droppedFileOpens();
    void firstLocalFileOfADropOpens();
    void droppedReadOnlyFileIsRefused();
    void mainWindowTakesFilesOnly();
    void droppedTextGoesIntoTheEditor();
    void desktopEntryValidates();
    void desktopEntryOpensHtmlPages();
};

void TestDesktop::init()
{
#ifdef Q_OS_WIN
    if (QByteArray(QTest::currentTestFunction()).startsWith("desktopEntry"))
        QSKIP("the desktop entry is how Linux desktops list the program; Windows has none");
#endif
}

void TestDesktop::droppedFileOpens_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saveAsChosen");
    QTest::addColumn<bool>("opens");

    for (const QString &target : {QStringLiteral("window"), QStringLiteral("editor")}) {
        const QByteArray on = " on the " + target.toLatin1();
        QTest::newRow("unchanged document" + on) << target << false << "" << false << true;
        QTest::newRow("No" + on) << target << true << "No" << false << true;
        QTest::newRow("Cancel" + on) << target << true << "Cancel" << false << false;
        QTest::newRow("Yes saves first" + on) << target << true << "Yes" << true << true;
        QTest::newRow("Yes, Save As cancelled" + on) << target << true << "Yes" << false << false;
    }
}

void TestDesktop::droppedFileOpens()
{
    QFETCH(QString, target);
    QFETCH(bool, edited);
    QFETCH(QString, answer);
    QFETCH(bool, saveAsChosen);
    QFETCH(bool, opens);

    QTemporaryDir dir;
    const QByteArray fileBytes("<HTML>\r\n<B>dropped</B>\r\n</HTML>\r\n");
    const QString path = dir.filePath(QStringLiteral("dropped.htm"));
    writeFile(path, fileBytes);
    const QString savedPath = dir.filePath(QStringLiteral("saved.htm"));

    Program program;
    program.show();
    if (edited)
        program.type(QStringLiteral("typed"));
    const QByteArray before = program.bytes();
    const std::map<QString, CommonDialogs::Answer> answers{
        {QStringLiteral("Yes"), CommonDialogs::Answer::Yes},
        {QStringLiteral("No"), CommonDialogs::Answer::No},
        {QStringLiteral("Cancel"), CommonDialogs::Answer::Cancel}};
    if (!answer.isEmpty())
        program.dialogs.questionAnswers << answers.at(answer);
    if (saveAsChosen)
        program.dialogs.saveAnswers << savedPath;

    QVERIFY(dropFiles(dropTarget(program, target), {QUrl::fromLocalFile(path)}));

    QCOMPARE(program.dialogs.questions, edited ? QStringList{openQuestion} : QStringList());
    QCOMPARE(program.dialogs.openRequests.size(), 0);
    QCOMPARE(readFile(savedPath), saveAsChosen ? before : QByteArray());
    if (opens) {
        QCOMPARE(program.bytes(), fileBytes);
        QCOMPARE(program.form.windowTitle(), QStringLiteral("Quillet 2.0 - ") + path);
        QVERIFY(!program.form.document().untitled);
    } else {
        QCOMPARE(program.bytes(), before);
        QCOMPARE(program.form.windowTitle(), QStringLiteral("Quillet 2.0 - Untitled.htm"));
    }
}

void TestDesktop::firstLocalFileOfADropOpens()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.htm"));
    const QString second = dir.filePath(QStringLiteral("second.htm"));
    writeFile(first, "<P>first");
    writeFile(second, "<P>second");

    Program program;
    program.show();
    QVERIFY(dropFiles(&program.form, {QUrl(QStringLiteral("https://example.org/page.htm")),
                                      QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
    QCOMPARE(program.bytes(), QByteArray("<P>first"));
    QCOMPARE(program.form.document().fileName, first);
}

void TestDesktop::droppedReadOnlyFileIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.htm"));
    writeReadOnlyFile(path, "<P>locked");

    Program program;
    program.show();
    program.type(QStringLiteral("typed"));
    QVERIFY(dropFiles(&program.form, {QUrl::fromLocalFile(path)}));
    // Refused before the question about the unsaved text, which would be asked for nothing.
    QCOMPARE(program.dialogs.messages,
             QStringList(path + "\rThis file is read-only and cannot be saved back.\r"
                                "Choose another file."));
    QCOMPARE(program.dialogs.questions, QStringList());
    QCOMPARE(program.bytes(), QByteArray("typed"));
    QCOMPARE(program.form.windowTitle(), QStringLiteral("Quillet 2.0 - Untitled.htm"));
}

void TestDesktop::mainWindowTakesFilesOnly()
{
    Program program;
    program.show();
    QMimeData text;
    text.setText(QStringLiteral("<B>"));
    QVERIFY(!drop(&program.form, text));
    QVERIFY(!dropFiles(&program.form, {QUrl(QStringLiteral("https://example.org/page.htm"))}));
    QCOMPARE(program.bytes(), QByteArray());
    QCOMPARE(program.form.windowTitle(), QStringLiteral("Quillet 2.0 - Untitled.htm"));
}

void TestDesktop::droppedTextGoesIntoTheEditor()
{
    Program program;
    program.show();
    QMimeData text;
    text.setText(QStringLiteral("<B>bold</B>"));
    QVERIFY(drop(dropTarget(program, QStringLiteral("editor")), text));
    QCOMPARE(program.bytes(), QByteArray("<B>bold</B>"));
    QCOMPARE(program.dialogs.questions, QStringList());
    QCOMPARE(program.form.windowTitle(), QStringLiteral("Quillet 2.0 - Untitled.htm"));
}

void TestDesktop::desktopEntryValidates()
{
    const QString validator
        = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {packagingFile(QStringLiteral("quillet.desktop"))});
    QVERIFY(process.waitForFinished(20000));
    const QByteArray said = process.readAll();
    QVERIFY2(said.isEmpty(), said.constData());
    QCOMPARE(process.exitCode(), 0);
}

void TestDesktop::desktopEntryOpensHtmlPages()
{
    const std::map<QString, QString> entry = desktopEntry();
    QVERIFY(entry.count(QStringLiteral("Exec")));
    QCOMPARE(entry.at(QStringLiteral("Exec")).split(QLatin1Char(' ')),
             (QStringList{QStringLiteral("quillet"), QStringLiteral("%f")}));
    QCOMPARE(entry.at(QStringLiteral("GenericName")), QStringLiteral("HTML Editor"));

    const QString shtmlType = packagedMimeType(QStringLiteral("*.shtml"));
    QVERIFY(!shtmlType.isEmpty());
    const QStringList types = entry.at(QStringLiteral("MimeType")).split(QLatin1Char(';'));
    for (const QString &type : {QStringLiteral("text/html"),
                                QStringLiteral("application/xhtml+xml"), shtmlType})
        QVERIFY2(types.contains(type), qPrintable(type));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
