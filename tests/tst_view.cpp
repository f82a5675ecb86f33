#include "support/files.h"
#include "support/program.h"

#include "editor/qtcompat.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QWheelEvent>

// The View menu's line numbers and zoom, and the choices Quillet keeps for its next start.
namespace {
int numbersWidth(QWidget *textArea)
{
    return static_cast<QsciScintilla *>(textArea)->marginWidth(0);
}

// The line numbers' margin holds the last line's number, with room for a digit more.
bool fitsLastNumber(Program &program)
{
    const QFontMetrics metrics(program.editor().displayFont());
    const QString last = QString::number(program.editor().lineCount());
    const int width = numbersWidth(program.textArea());
    return width >= metrics.horizontalAdvance(last)
           && width <= metrics.horizontalAdvance(last + QStringLiteral("99"));
}

void wheel(Program &program, int delta, Qt::KeyboardModifiers modifiers)
{
    QWidget *viewport = static_cast<QsciScintilla *>(program.textArea())->viewport();
    const QPoint at(20, 20);
    QWheelEvent event(at, viewport->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

bool checked(Form1 &form, const QString &action)
{
    return form.findChild<QAction *>(action)->isChecked();
}
} // namespace

class TestView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lineNumbersFitTheLastLine();
    void zoomKeys_data();
    void zoomKeys();
    void ctrlWheelZoomsAndTheFontStays();
    void choicesAreKeptForTheNextStart();
    void damagedSettingsGiveFirstStart_data();
    void damagedSettingsGiveFirstStart();
};

void TestView::init()
{
    // Every test starts as Quillet's first start.
    QVERIFY(firstStart());
}

void TestView::lineNumbersFitTheLastLine()
{
    Program program;
    program.show();
    QVERIFY(checked(program.form, "mnulinenumbers"));
    program.editor().setBytes("1\n2\n3\n4\n5\n6\n7\n8\n9");
    const int nine = numbersWidth(program.textArea());
    QVERIFY(fitsLastNumber(program));

    program.editor().setCaret({9, 2});
    program.key(Qt::Key_Return);
    QTRY_VERIFY(numbersWidth(program.textArea()) > nine);
    QVERIFY(fitsLastNumber(program));
    program.key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(numbersWidth(program.textArea()), nine);

    program.trigger("mnulinenumbers");
    QCOMPARE(numbersWidth(program.textArea()), 0);
    program.trigger("mnulinenumbers");
    QCOMPARE(numbersWidth(program.textArea()), nine);

    // In the font chosen with Options > Font.
    program.dialogs.fontAnswers << FontChoice{"DejaVu Sans Mono", 24, false, false, false, false};
    program.trigger("mnufont");
    QVERIFY(numbersWidth(program.textArea()) > nine);
    QVERIFY(fitsLastNumber(program));
}

void TestView::zoomKeys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("zoom");
    QTest::newRow("Ctrl++") << 0 << "Ctrl++" << "mnuzoomin" << 1;
    QTest::newRow("Ctrl+=") << 0 << "Ctrl+=" << "mnuzoomin" << 1;
    QTest::newRow("Ctrl and + of the keypad") << 0 << "Ctrl+Num++" << "mnuzoomin" << 1;
    QTest::newRow("Ctrl+-") << 0 << "Ctrl+-" << "mnuzoomout" << -1;
    QTest::newRow("Ctrl+0") << 3 << "Ctrl+0" << "mnuzoomnormal" << 0;
    QTest::newRow("no further than the greatest zoom")
        << Editor::maximumZoom << "Ctrl++" << "mnuzoomin" << Editor::maximumZoom;
}

void TestView::zoomKeys()
{
    QFETCH(int, from);
    QFETCH(QString, keys);
    QFETCH(QString, action);
    QFETCH(int, zoom);
    Program program;
    program.show();
    program.editor().setZoom(from);
    QSignalSpy triggered(program.find<QAction>(action), &QAction::triggered);

    const int key = QtCompat::firstKey(QKeySequence(keys, QKeySequence::PortableText));
    program.key(key & ~Qt::KeyboardModifierMask,
                Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(program.editor().zoom(), zoom);
}

void TestView::ctrlWheelZoomsAndTheFontStays()
{
    Program program;
    program.show();
    const QFont font = program.editor().displayFont();
    const int normal = numbersWidth(program.textArea());

    wheel(program, 120, Qt::ControlModifier);
    QCOMPARE(program.editor().zoom(), 1);
    QVERIFY(numbersWidth(program.textArea()) > normal);
    // A touchpad sends a notch in parts.
    wheel(program, 60, Qt::ControlModifier);
    QCOMPARE(program.editor().zoom(), 1);
    wheel(program, 60, Qt::ControlModifier);
    QCOMPARE(program.editor().zoom(), 2);
    wheel(program, -120, Qt::ControlModifier);
    QCOMPARE(program.editor().zoom(), 1);
    wheel(program, 120, Qt::NoModifier);
    QCOMPARE(program.editor().zoom(), 1);
    QCOMPARE(program.editor().displayFont(), font);

    program.trigger("mnuzoomnormal");
    QCOMPARE(numbersWidth(program.textArea()), normal);
}

void TestView::choicesAreKeptForTheNextStart()
{
    Program first;
    first.trigger("mnulinenumbers");
    first.trigger("mnuautocomplete");
    first.trigger("mnuspellastype");
    first.trigger("mnuzoomin");
    first.trigger("mnuzoomin");
    const QFont startFont = first.editor().displayFont();
    first.dialogs.fontAnswers << FontChoice{"DejaVu Serif", 14, true, false, false, false};
    first.trigger("mnufont");

    // Kept as they change, while the first program still runs.
    QVERIFY(readFile(settingsFile()).contains("LineNumbers=false"));
    Intro next;
    next.goOn();
    Form1 &main = *next.mainWindow();
    QVERIFY(!checked(main, "mnulinenumbers"));
    QCOMPARE(numbersWidth(main.editor().textArea()), 0);
    QVERIFY(!checked(main, "mnuautocomplete"));
    QVERIFY(!main.editor().autoCompletion());
    QVERIFY(!checked(main, "mnuspellastype"));
    QCOMPARE(main.editor().zoom(), 2);
    QCOMPARE(main.editor().displayFont(), startFont);
}

void TestView::damagedSettingsGiveFirstStart_data()
{
    QTest::addColumn<QByteArray>("contents");
    QByteArray garbage;
    for (int i = 0; i < 1024; ++i)
        garbage += char(i * 37 % 256);
    QTest::newRow("garbage") << garbage;
    QTest::newRow("no choice Quillet knows")
        << QByteArray("[View]\nLineNumbers=maybe\nZoom=99\n[Options]\nAutoComplete=2\n");
    // A folder where the file should be: unreadable, and nothing can be written.
    QTest::newRow("a folder") << QByteArray();
}

void TestView::damagedSettingsGiveFirstStart()
{
    QFETCH(QByteArray, contents);
    const QString file = settingsFile();
    QVERIFY(QDir().mkpath(contents.isEmpty() ? file : QFileInfo(file).path()));
    if (!contents.isEmpty())
        writeFile(file, contents);

    Intro intro;
    intro.goOn();
    Form1 &main = *intro.mainWindow();
    QVERIFY(checked(main, "mnulinenumbers"));
    QVERIFY(numbersWidth(main.editor().textArea()) > 0);
    QVERIFY(checked(main, "mnuautocomplete"));
    QVERIFY(checked(main, "mnuspellastype"));
    QCOMPARE(main.editor().zoom(), 0);

    // A choice then goes to the editor, whether it can be kept or not.
    main.trigger("mnulinenumbers");
    QCOMPARE(numbersWidth(main.editor().textArea()), 0);
    QCOMPARE(intro.dialogs.messages, QStringList());
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
