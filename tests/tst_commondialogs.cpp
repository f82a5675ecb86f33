#include "support/modal.h"
#include "support/program.h"

#include "app/qtcommondialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const FileRequest saveRequest{"Save HTML document As...",
                              "HTML files (*.htm)|*.htm|Template (*.tlp)|*.tlp", "htm",
                              "Untitled.htm"};
} // namespace

// The real common dialogs: what the user sees, and that a cancel comes back as one.
class TestCommonDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void messageBoxCaptionAndLines();
    void questionDefaultsToYes_data();
    void questionDefaultsToYes();
    void yesNoQuestionHasTheGivenDefault_data();
    void yesNoQuestionHasTheGivenDefault();
    void saveAsShowsItsSettingsAndCancelIsCancel();
    void saveAsReturnsTheChosenPath();
    void blankNameSavesNothing_data();
    void blankNameSavesNothing();
    void colourAndFontCancel();
    void numberQuestion_data();
    void numberQuestion();
};

void TestCommonDialogs::messageBoxCaptionAndLines()
{
    QtCommonDialogs dialogs;
    QString title, text;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message("first line\rsecond line");
    QCOMPARE(title, QString("Quillet"));
    QCOMPARE(text, QString("first line\nsecond line"));
}

void TestCommonDialogs::questionDefaultsToYes_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << int(CommonDialogs::Answer::Yes);
    QTest::newRow("No") << int(QMessageBox::No) << int(CommonDialogs::Answer::No);
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << int(CommonDialogs::Answer::Cancel);
}

void TestCommonDialogs::questionDefaultsToYes()
{
    QFETCH(int, button);
    QFETCH(int, answer);
    QtCommonDialogs dialogs;
    bool yesIsDefault = false;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        QCOMPARE(box->windowTitle(), QString("Quillet"));
        box->button(QMessageBox::StandardButton(button))->click();
    });
    QCOMPARE(int(dialogs.askYesNoCancel("File has changed.")), answer);
    QVERIFY(yesIsDefault);
}

void TestCommonDialogs::yesNoQuestionHasTheGivenDefault_data()
{
    using Answer = CommonDialogs::Answer;
    QTest::addColumn<Answer>("defaultAnswer");
    QTest::addColumn<int>("key");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("No by default, Enter") << Answer::No << int(Qt::Key_Return) << Answer::No;
    QTest::newRow("Yes by default, Enter") << Answer::Yes << int(Qt::Key_Return) << Answer::Yes;
    QTest::newRow("Escape") << Answer::Yes << int(Qt::Key_Escape) << Answer::No;
}

void TestCommonDialogs::yesNoQuestionHasTheGivenDefault()
{
    using Answer = CommonDialogs::Answer;
    QFETCH(Answer, defaultAnswer);
    QFETCH(int, key);
    QFETCH(Answer, answer);
    QtCommonDialogs dialogs;
    int buttons = 0;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), QString("Quillet"));
        buttons = box->buttons().size();
        QTest::keyClick(box, Qt::Key(key));
    });
    QCOMPARE(dialogs.askYesNo("Overwrite?", defaultAnswer), answer);
    QCOMPARE(buttons, 2);
}

void TestCommonDialogs::saveAsShowsItsSettingsAndCancelIsCancel()
{
    QtCommonDialogs dialogs;
    QString title, suffix;
    QStringList filters;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        suffix = dialog->defaultSuffix();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    QVERIFY(!dialogs.saveFileAs(saveRequest));
    QCOMPARE(title, QString("Save HTML document As..."));
    QCOMPARE(suffix, QString("htm"));
    QCOMPARE(filters, QStringList({"HTML files (*.htm) (*.htm)", "Template (*.tlp) (*.tlp)"}));
}

void TestCommonDialogs::saveAsReturnsTheChosenPath()
{
    QTemporaryDir dir;
    QtCommonDialogs dialogs;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        dialog->setDirectory(dir.path());
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText("page");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<QString> path = dialogs.saveFileAs(saveRequest);
    QVERIFY(path);
    QCOMPARE(*path, QDir::toNativeSeparators(dir.filePath("page.htm")));
}

void TestCommonDialogs::blankNameSavesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a blank") << " ";
    QTest::newRow("a blank with the suffix") << " .htm";
}

// The dialog adds its default suffix to what was typed; the name is still blank.
void TestCommonDialogs::blankNameSavesNothing()
{
    QFETCH(QString, typed);
    QTemporaryDir dir;
    QtCommonDialogs dialogs;
    FakeWorld world;
    Form1 form(dialogs, world);
    form.editor().setBytes("text");
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        dialog->setDirectory(dir.path());
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    form.trigger("mnusaveas");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(form.document().untitled);
    QCOMPARE(form.windowTitle(), QString("Quillet 2.0 - Untitled.htm"));
}

void TestCommonDialogs::colourAndFontCancel()
{
    QtCommonDialogs dialogs;
    whenShown<QColorDialog>([](QColorDialog *dialog) { dialog->reject(); });
    QVERIFY(!dialogs.chooseColor());
    whenShown<QColorDialog>([](QColorDialog *dialog) {
        dialog->setCurrentColor(QColor(18, 52, 86));
        dialog->accept();
    });
    QCOMPARE(dialogs.chooseColor(), std::optional<QColor>(QColor(18, 52, 86)));
    whenShown<QFontDialog>([](QFontDialog *dialog) { dialog->reject(); });
    QVERIFY(!dialogs.chooseFont(FontChoice{"Courier New", 10}));
}

void TestCommonDialogs::numberQuestion_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestCommonDialogs::numberQuestion()
{
    QFETCH(bool, accept);

    QtCommonDialogs dialogs;
    QStringList shown;
    whenShown<QInputDialog>([&](QInputDialog *dialog) {
        shown << dialog->windowTitle() << dialog->labelText()
              << QString("%1 from %2 to %3")
                     .arg(dialog->intValue())
                     .arg(dialog->intMinimum())
                     .arg(dialog->intMaximum());
        dialog->setIntValue(7);
        accept ? dialog->accept() : dialog->reject();
    });
    const std::optional<int> answer
        = dialogs.askNumber({"Go to Line", "Line number (1 - 12):", 4, 1, 12});
    QCOMPARE(answer, accept ? std::optional<int>(7) : std::nullopt);
    QCOMPARE(shown, QStringList({"Go to Line", "Line number (1 - 12):", "4 from 1 to 12"}));
}

QTEST_MAIN(TestCommonDialogs)
#include "tst_commondialogs.moc"
