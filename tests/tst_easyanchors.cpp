#include "support/program.h"

#include "insert/easy1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

// Easy anchors on a folder tree of its own: the start folder holds about.htm,
// index.htm and the folders empty and sub; sub holds page.htm.
class TestEasyAnchors : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void joinPath_data();
    void joinPath();
    void driveOf_data();
    void driveOf();
    void firstShow();
    void fileClickFillsLinkText();
    void linkText_data();
    void linkText();
    void rootFolderGetsOneSeparator();
    void folderChangeAfterFileClick();
    void twoAdds();
    void accessKeysWorkInsideTheWindow();
    void reopeningKeepsEverything();
    void vanishedFolderLeavesWindowUsable();
    void unreadableFolderLeavesWindowUsable();
    void unreadableStartFolderGivesHome();

private:
    QString path(const QString &relative) const
    {
        return QDir::toNativeSeparators(m_start + relative);
    }

    std::unique_ptr<QTemporaryDir> m_data;
    QString m_start;
};

namespace {
QByteArray anchor(const QString &href, const QString &text)
{
    return ("<A HREF=\"" + href + "\">" + text + "</A>").toUtf8();
}

QListWidget *files(Program &program)
{
    return program.find<QListWidget>("File1", "easy1");
}

QTreeWidget *folders(Program &program)
{
    return program.find<QTreeWidget>("Dir1", "easy1");
}

QLineEdit *textBox(Program &program)
{
    return program.find<QLineEdit>("Text1", "easy1");
}

QStringList texts(QListWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

QStringList subfolders(QTreeWidgetItem *item)
{
    QStringList result;
    for (int child = 0; child < item->childCount(); ++child)
        result << item->child(child)->text(0);
    return result;
}

void clickFile(Program &program, const QString &name)
{
    QListWidget *list = files(program);
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

void openFolder(Program &program, const QString &name)
{
    QTreeWidget *tree = folders(program);
    const QList<QTreeWidgetItem *> found =
        tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(found.size() == 1, qPrintable(name));
    tree->setCurrentItem(found.first());
    QTest::keyClick(tree, Qt::Key_Return);
}

void writeFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

void TestEasyAnchors::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    QVERIFY(m_data->isValid());
    m_start = m_data->path() + "/Quillet";
    FakeWorld::ownFolder = QDir::toNativeSeparators(m_start);
    QVERIFY(QDir().mkpath(m_start + "/sub"));
    QVERIFY(QDir().mkpath(m_start + "/empty"));
    writeFile(m_start + "/index.htm");
    writeFile(m_start + "/about.htm");
    writeFile(m_start + "/sub/page.htm");
}

void TestEasyAnchors::cleanup()
{
    m_data.reset();
}

void TestEasyAnchors::joinPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("folder") << "/web" << "index.htm" << "/web/index.htm";
    QTest::newRow("folder ending in a separator") << "/web/" << "index.htm" << "/web/index.htm";
    QTest::newRow("root") << "/" << "index.htm" << "/index.htm";
    QTest::newRow("drive root") << "D:/" << "name" << "D:/name";
    QTest::newRow("no file") << "/web/sub" << "" << "/web/sub/";
    QTest::newRow("root, no file") << "/" << "" << "/";
    QTest::newRow("native separators") << QDir::toNativeSeparators("/a/b/") << "c" << "/a/b/c";
}

void TestEasyAnchors::joinPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(::joinPath(folder, name), QDir::toNativeSeparators(expected));
}

// Both systems' drives, worked out on either.
void TestEasyAnchors::driveOf_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("drives");
    QTest::addColumn<QString>("expected");

    const QStringList letters{"A:/", "C:/", "D:/"};
    const QStringList volumes{"/", "/media/ann/stick", "/media/ann/stick2"};
    QTest::newRow("Windows folder") << "C:/Users/ann/site" << letters << "C:/";
    QTest::newRow("Windows drive root") << "D:/" << letters << "D:/";
    QTest::newRow("Windows, no such drive") << "E:/web" << letters << "";
    QTest::newRow("Linux folder") << "/home/ann/site" << volumes << "/";
    QTest::newRow("Linux volume") << "/media/ann/stick/site" << volumes << "/media/ann/stick";
    QTest::newRow("Linux volume, longer name") << "/media/ann/stick2" << volumes
                                               << "/media/ann/stick2";
}

void TestEasyAnchors::driveOf()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, drives);
    QFETCH(QString, expected);
    QCOMPARE(::driveOf(folder, drives), expected);
}

void TestEasyAnchors::firstShow()
{
    Program program;
    program.trigger("mnueasy");
    QWidget *window = program.window("easy1");
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Easy Anchors/Links"));
    QCOMPARE(program.find<QGroupBox>("Frame4", "easy1")->title(),
             QString("Choose file to anchor"));
    QCOMPARE(program.find<QGroupBox>("Frame5", "easy1")->title(),
             QString("Descripiton (text to be shown in Document):"));

    auto drive = program.find<QComboBox>("Drive1", "easy1");
    QVERIFY(!drive->currentText().isEmpty());
    QVERIFY(path("").startsWith(drive->currentText()));
#ifndef Q_OS_WIN
    QCOMPARE(drive->itemText(0), QString("/"));
#endif
    QTreeWidgetItem *current = folders(program)->currentItem();
    QCOMPARE(current->text(0), QFileInfo(m_start).fileName());
    QCOMPARE(subfolders(current), QStringList({"empty", "sub"}));
    QVERIFY(!folders(program)->visualItemRect(current->child(1)).isEmpty());
    QCOMPARE(texts(files(program)), QStringList({"about.htm", "index.htm"}));
    QVERIFY(files(program)->selectedItems().isEmpty());
    QCOMPARE(textBox(program)->text(), QString("Quillet Init Directory"));
    auto add = program.find<QPushButton>("Command1", "easy1");
    QCOMPARE(add->text(), QString("Add &Link To Document"));
    QVERIFY(!add->isEnabled());
    QCOMPARE(program.find<QPushButton>("Command2", "easy1")->text(), QString("&Close"));

    QStringList order;
    for (QWidget *widget = drive; order.size() < 6; widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    }
    QCOMPARE(order, QStringList({"Drive1", "Dir1", "File1", "Text1", "Command1", "Command2"}));
}

void TestEasyAnchors::fileClickFillsLinkText()
{
    Program program;
    program.trigger("mnueasy");
    clickFile(program, "index.htm");
    QCOMPARE(textBox(program)->text(), path("/index.htm"));
    QVERIFY(program.find<QPushButton>("Command1", "easy1")->isEnabled());
    program.click("Command1", "easy1");
    program.type("x");
    QCOMPARE(program.bytes(), anchor(path("/index.htm"), path("/index.htm")) + "x");
    QVERIFY(program.window("easy1")->isVisible());
}

void TestEasyAnchors::linkText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("edited") << "Home";
    QTest::newRow("emptied") << "";
    QTest::newRow("quotes and brackets as typed") << "a \"b\" <c>";
}

void TestEasyAnchors::linkText()
{
    QFETCH(QString, text);

    Program program;
    program.trigger("mnueasy");
    clickFile(program, "about.htm");
    QLineEdit *edit = textBox(program);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    program.click("Command1", "easy1");
    QCOMPARE(program.bytes(), anchor(path("/about.htm"), text));
}

void TestEasyAnchors::rootFolderGetsOneSeparator()
{
    Program program;
    program.trigger("mnueasy");
    clickFile(program, "index.htm");
    auto drive = program.find<QComboBox>("Drive1", "easy1");
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    drive->showPopup();
    drive->view()->setCurrentIndex(drive->model()->index(drive->findText(root), 0));
    QTest::keyClick(drive->view(), Qt::Key_Return);
    QCOMPARE(drive->currentText(), root);
    QCOMPARE(folders(program)->currentItem()->text(0), root);
    QVERIFY(files(program)->selectedItems().isEmpty());
    program.click("Command1", "easy1");
    QCOMPARE(program.bytes(), anchor(root, path("/index.htm")));

    if (files(program)->count() > 0) {
        const QString name = files(program)->item(0)->text();
        clickFile(program, name);
        QCOMPARE(textBox(program)->text(), root + name);
    }
}

void TestEasyAnchors::folderChangeAfterFileClick()
{
    Program program;
    program.trigger("mnueasy");
    clickFile(program, "index.htm");
    openFolder(program, "sub");
    QCOMPARE(folders(program)->currentItem()->text(0), QString("sub"));
    QCOMPARE(texts(files(program)), QStringList({"page.htm"}));
    QVERIFY(files(program)->selectedItems().isEmpty());
    QVERIFY(program.find<QPushButton>("Command1", "easy1")->isEnabled());
    QCOMPARE(textBox(program)->text(), path("/index.htm"));
    program.click("Command1", "easy1");
    QCOMPARE(program.bytes(), anchor(path("/sub") + QDir::separator(), path("/index.htm")));

    clickFile(program, "page.htm");
    QCOMPARE(textBox(program)->text(), path("/sub/page.htm"));
}

void TestEasyAnchors::twoAdds()
{
    Program program;
    program.trigger("mnueasy");
    clickFile(program, "index.htm");
    program.click("Command1", "easy1");
    program.click("Command1", "easy1");
    const QByteArray one = anchor(path("/index.htm"), path("/index.htm"));
    QCOMPARE(program.bytes(), one + one);
    QVERIFY(program.window("easy1")->isVisible());
}

void TestEasyAnchors::accessKeysWorkInsideTheWindow()
{
    Program program;
    program.show();
    program.trigger("mnueasy");
    QWidget *window = program.window("easy1");
    QTRY_COMPARE(QApplication::activeWindow(), window);
    clickFile(program, "index.htm");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(program.bytes(), anchor(path("/index.htm"), path("/index.htm")));
    QCOMPARE(textBox(program)->text(), path("/index.htm"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!window->isVisible());
}

void TestEasyAnchors::reopeningKeepsEverything()
{
    Program program;
    program.trigger("mnueasy");
    QWidget *window = program.window("easy1");
    openFolder(program, "sub");
    clickFile(program, "page.htm");
    textBox(program)->setText("Page");
    program.click("Command2", "easy1");
    QVERIFY(!window->isVisible());
    QCOMPARE(program.bytes(), QByteArray());

    program.trigger("mnueasy");
    QCOMPARE(program.window("easy1"), window);
    QVERIFY(window->isVisible());
    QCOMPARE(folders(program)->currentItem()->text(0), QString("sub"));
    QCOMPARE(files(program)->selectedItems().value(0)->text(), QString("page.htm"));
    QCOMPARE(textBox(program)->text(), QString("Page"));
    QVERIFY(program.find<QPushButton>("Command1", "easy1")->isEnabled());
    program.click("Command1", "easy1");
    QCOMPARE(program.bytes(), anchor(path("/sub/page.htm"), "Page"));
}

void TestEasyAnchors::vanishedFolderLeavesWindowUsable()
{
    Program program;
    program.trigger("mnueasy");
    clickFile(program, "about.htm");
    QVERIFY(QDir(m_start + "/empty").removeRecursively());
    openFolder(program, "empty");
    QTreeWidgetItem *current = folders(program)->currentItem();
    QCOMPARE(current->text(0), QFileInfo(m_start).fileName());
    QCOMPARE(subfolders(current), QStringList({"sub"}));
    QCOMPARE(files(program)->selectedItems().value(0)->text(), QString("about.htm"));

    openFolder(program, "sub");
    clickFile(program, "page.htm");
    program.click("Command1", "easy1");
    QCOMPARE(program.bytes(), anchor(path("/sub/page.htm"), path("/sub/page.htm")));
}

void TestEasyAnchors::unreadableFolderLeavesWindowUsable()
{
#ifdef Q_OS_WIN
    QSKIP("a Unix file mode cannot keep a folder's owner out on Windows");
#endif
    const QString sub = m_start + "/sub";
    QFile::setPermissions(sub, {});
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (QFileInfo(sub).isReadable())
        QSKIP("this user reads every folder");
    Program program;
    program.trigger("mnueasy");
    openFolder(program, "sub");
    QCOMPARE(folders(program)->currentItem()->text(0), QFileInfo(m_start).fileName());
    QCOMPARE(texts(files(program)), QStringList({"about.htm", "index.htm"}));
    clickFile(program, "index.htm");
    program.click("Command1", "easy1");
    QCOMPARE(program.bytes(), anchor(path("/index.htm"), path("/index.htm")));
}

void TestEasyAnchors::unreadableStartFolderGivesHome()
{
    QVERIFY(QDir(m_start).removeRecursively());
    Program program;
    program.trigger("mnueasy");
    const QDir home = QDir::home();
    const QString homeName = home.isRoot() ? QDir::toNativeSeparators(home.path())
                                           : home.dirName();
    QCOMPARE(folders(program)->currentItem()->text(0), homeName);
    QVERIFY(!program.find<QPushButton>("Command1", "easy1")->isEnabled());
}

QTEST_MAIN(TestEasyAnchors)
#include "tst_easyanchors.moc"
