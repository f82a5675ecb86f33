#include "support/program.h"

#include "app/form2.h"
#include "app/helpviewer.h"
#include "app/qtcommondialogs.h"
#include "editor/qtcompat.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {
// The menu bar as indented lines "name | caption | shortcuts"; separators show as "-".
void describe(const QMenu *menu, int depth, QStringList &lines)
{
    for (const QAction *action : menu->actions()) {
        const QString indent(depth * 2, QLatin1Char(' '));
        if (action->isSeparator()) {
            lines << indent + action->objectName() + " | -";
            continue;
        }
        QString line = indent + action->objectName() + " | " + action->text();
        if (!action->shortcuts().isEmpty())
            line += " | " + QKeySequence::listToString(action->shortcuts());
        lines << line;
        if (action->menu())
            describe(action->menu(), depth + 1, lines);
    }
}

QStringList menuLines(const Form1 &form, const QString &menuName)
{
    QStringList lines;
    describe(form.findChild<QMenu *>(menuName), 0, lines);
    return lines;
}

void rightClick(QWidget *textArea)
{
    auto viewport = static_cast<QAbstractScrollArea *>(textArea)->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(20, 10));
}

// Where the buttons of the tab strip's page on show lie in the window.
QList<QRect> tabButtonPlaces(Program &program)
{
    QList<QRect> places;
    auto tabs = program.form.findChild<QTabWidget *>("SSTab1");
    for (const QPushButton *button : tabs->currentWidget()->findChildren<QPushButton *>())
        places << QRect(button->mapTo(&program.form, QPoint()), button->size());
    return places;
}

bool overlap(const QList<QRect> &places)
{
    for (int i = 0; i < places.size(); ++i) {
        for (int j = i + 1; j < places.size(); ++j) {
            if (places[i].intersects(places[j]))
                return true;
        }
    }
    return false;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUp();
    void closingUnchangedEndsWithoutQuestion();
    void leaveEndsBeforeMainWindowExists();
    void goOnShowsMainWindowAndHidesIntro_data();
    void goOnShowsMainWindowAndHidesIntro();
    void introTexts();
    void menuBarOrder();
    void menus_data();
    void menus();
    void menuItemNamesAreTheirOwn();
    void toolBar();
    void toolBarButtonsRunMenuHandlers();
    void tabStripAndStatusBar();
    void smallestWindowShowsBarsWhole();
    void windowMadeNarrowerAllTheSameKeepsTabButtonsApart();
    void rightClickPopsUpInsertMenu();
    void shortcutsWinOverEditorKeys();
    void undoKeysStayWithEditor();
    void altWithALetterTypesNothing_data();
    void altWithALetterTypesNothing();
    void assistiveToolHearsInsertsAndDeletes();
    void changedByCaretMove();
    void changedByInsertionAndStaysAfterSave();
    void insertAtCaretReplacesSelection();
    void enterWritesThePagesLineEnd_data();
    void enterWritesThePagesLineEnd();
    void insertedLineBreaksAreThePagesOwn_data();
    void insertedLineBreaksAreThePagesOwn();
    void helpTopics_data();
    void helpTopics();
    void helpViewerSwitchesTopic();
    void openFilterMatchesTlpWithoutDot();
};

void TestMainWindow::startUp()
{
    Program program;
    QCOMPARE(program.form.windowTitle(), QString("Quillet 2.0 - Untitled.htm"));
    QCOMPARE(program.form.document().fileName, QString("Untitled.htm"));
    QVERIFY(program.form.document().untitled);
    QVERIFY(!program.form.document().changed);
    QCOMPARE(program.bytes(), QByteArray());
    QCOMPARE(program.form.findChild<Editor *>("RichText1"), &program.editor());
}

void TestMainWindow::closingUnchangedEndsWithoutQuestion()
{
    Program program;
    program.show();
    QVERIFY(program.form.close());
    QCOMPARE(program.world.endings, 1);
    QVERIFY(program.dialogs.questions.isEmpty());
}

void TestMainWindow::leaveEndsBeforeMainWindowExists()
{
    initResources();
    FakeCommonDialogs dialogs;
    FakeWorld world;
    Form2 intro(dialogs, world);
    intro.show();
    QCOMPARE(intro.windowTitle(), QString("Quillet Intro"));
    intro.findChild<QAbstractButton *>("Command3")->click();
    QCOMPARE(world.endings, 1);
    QVERIFY(!intro.mainWindow());
    QVERIFY(!qApp->findChild<Form1 *>());
}

void TestMainWindow::goOnShowsMainWindowAndHidesIntro_data()
{
    QTest::addColumn<bool>("waited");
    QTest::newRow("at once") << false;
    // The main window is built while the intro window waits: nothing of it shows early.
    QTest::newRow("after the intro window was on screen") << true;
}

void TestMainWindow::goOnShowsMainWindowAndHidesIntro()
{
    QFETCH(bool, waited);
    initResources();
    FakeCommonDialogs dialogs;
    FakeWorld world;
    Form2 intro(dialogs, world);
    intro.show();
    if (waited) {
        // The program idles while the user reads, as a running event loop does.
        QVERIFY(QTest::qWaitForWindowExposed(&intro));
        QEventLoop reading;
        QTimer::singleShot(200, &reading, &QEventLoop::quit);
        reading.exec();
    }
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    const int mainWindows = int(std::count_if(windows.begin(), windows.end(), [](QWidget *w) {
        return qobject_cast<Form1 *>(w);
    }));
    QCOMPARE(mainWindows, waited ? 1 : 0);
    QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget *window) {
        return qobject_cast<Form1 *>(window) && window->isVisible();
    }));
    QVERIFY(!intro.mainWindow());
    auto goOn = intro.findChild<QAbstractButton *>("Command2");
    QCOMPARE(goOn->text(), QString("&Go on"));
    goOn->click();
    QVERIFY(!intro.isVisible());
    QVERIFY(intro.mainWindow());
    QVERIFY(intro.mainWindow()->isVisible());
    QCOMPARE(intro.mainWindow()->windowTitle(), QString("Quillet 2.0 - Untitled.htm"));
    QCOMPARE(intro.mainWindow()->document().fileName, QString("Untitled.htm"));
    QVERIFY(intro.mainWindow()->document().untitled);
    QVERIFY(!intro.mainWindow()->document().changed);
    QCOMPARE(world.endings, 0);
}

void TestMainWindow::introTexts()
{
    initResources();
    FakeCommonDialogs dialogs;
    FakeWorld world;
    Form2 intro(dialogs, world);
    QCOMPARE(intro.findChild<QGroupBox *>("Frame1")->title(), QString("Infos about Quillet 2.0"));
    QCOMPARE(intro.findChild<QLabel *>("Label3")->text(), QString("2.0"));
    QCOMPARE(intro.findChild<QAbstractButton *>("Command3")->text(), QString("L&eave"));
    const QStringList welcome = intro.findChild<QLabel *>("Label5")->text().split('\n');
    QCOMPARE(welcome.size(), 2);
    QVERIFY(welcome[0].contains("Quillet") && welcome[0].contains("Quillet Works"));
    QCOMPARE(welcome[1], QString("What Quillet is, is an HTML editor, which is aimed to help you "
                                 "to create HTML pages, making things easier than ever before."));
    QVERIFY(!QtCompat::labelPixmap(intro.findChild<QLabel *>("Image1")).isNull());
}

void TestMainWindow::menuBarOrder()
{
    Program program;
    QStringList titles;
    for (const QAction *action : program.form.menuBar()->actions())
        titles << action->objectName() + " " + action->text();
    QCOMPARE(titles, QStringList({"mnufile &File...", "mnuedit &Edit...", "mnucommands &Insert...",
                                  "mnuwiz &Tools...", "mnuoptions O&ptions...", "mnuview &View...",
                                  "mnuh &Help..."}));
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("File") << "mnufile" << QStringList{
        "mnunews | &New",
        "  mnunew | N&ew | Ctrl+N",
        "  mnuhtmldocwiz | &HTML document Wizard | Ctrl+W",
        "mnuopen | &Open... | Ctrl+O",
        "mnunull | -",
        "mnusave | &Save | Ctrl+S",
        "mnusaveas | Save &As... | F12",
        "mnunull2 | -",
        "mnuprint | P&rint",
        "mnunull155 | -",
        "mnuexit | E&xit | Ctrl+F4"};
    QTest::newRow("Edit") << "mnuedit" << QStringList{
        "mnucut | C&ut",
        "mnucopy | &Copy",
        "mnupastefrom | &Paste",
        "mnunull24 | -",
        "mnudel | Delete | Del",
        "mnuselALL | Sel&ect All | Ctrl+U",
        "mnunull154 | -",
        "mnufind | Find... | Ctrl+F",
        "mnureplace | &Replace... | Ctrl+R",
        "mnugotoline | &Go to Line... | Ctrl+G"};
    QTest::newRow("Tools") << "mnuwiz" << QStringList{
        "mnuhtmlwiz2 | New HTML Wizard... | Ctrl+H",
        "mnunull333 | -",
        "mnucolorpicker | &Color Picker... | Ctrl+P",
        "mnusp | &Special Characters... | Ctrl+K",
        "mnueasy | &Easy Anchors... | Ctrl+A",
        "mnunull334 | -",
        "mnucheck | Check &HTML... | F7",
        "mnuspelling | &Spelling... | F8"};
    QTest::newRow("Options") << "mnuoptions" << QStringList{
        "mnufont | F&ont...",
        "mnuautocomplete | Auto-&complete",
        "mnunull335 | -",
        "mnuspellastype | Check &Spelling as You Type",
        "mnuspelllanguage | Spelling &Language",
        "  mnuspellnone | No Dictionary Found"};
    QTest::newRow("View") << "mnuview" << QStringList{
        "mnuviewnote | View Help",
        "mnupreview | Preview using Netscape | F5",
        "mnupreviewdde | Preview using QuickView Plus... | F6",
        "mnunull171 | -",
        "mnulinenumbers | Line &Numbers",
        "mnufolding | &Folding",
        "mnufoldall | Fold &All",
        "mnuunfoldall | &Unfold All",
        "mnulivepreview | &Live Preview",
        "mnunull172 | -",
        "mnuzoomin | Zoom &In | Ctrl++; Ctrl+=",
        "mnuzoomout | Zoom &Out | Ctrl+-",
        "mnuzoomnormal | &Normal Size | Ctrl+0"};
    QTest::newRow("Help") << "mnuh" << QStringList{
        "mnuhelp1 | H&elp | F1",
        "mnuhelp2 | A&bout Quillet Works",
        "mnuhelp3 | &Introducing Quillet"};
    QTest::newRow("Insert") << "mnucommands" << QStringList{
        "mnunotif | &Structure",
        "  mnudtype | Document type...",
        "  mnuhtml | HTML <HTML>",
        "  mnutitle | Title <TITLE>",
        "  mnubody | Body...",
        "  mnuframeset | Frameset...",
        "  mnuframe | Frame...",
        "  mnuiframe | Iframe...",
        "  mnunoframe | No frames <NOFRAMES>",
        "  mnuhref | HREF <HREF=\"href\">",
        "  mnuisindex | IsIndex...",
        "  mnudiv | Division...",
        "  mnuid | Next Id...",
        "  mnumeta | META...",
        "  mnuend | End </BODY>",
        "mnutype | &Typestyles",
        "  mnufontc | Font...",
        "  mnunobr | No breaking <NOBR>",
        "  mnuaddress | Address <ADDRESS>",
        "  mnublock | Blockquote <BLOCKQUOTE>",
        "  mnucenter | Centered <CENTER>",
        "  mnucom | Comment <COMMENT>",
        "  mnubold | Bold <B>",
        "  mnuitalic | Italic <I>",
        "  mnuunderline | Underline <U>",
        "  mnusuper | Superscript <SUP>",
        "  mnusubscr | Subscript <SUB>",
        "  mnubig | Big <BIG>",
        "  mnublink | Blink <BLINK>",
        "  mnustrike | StrikeThrough <STRIKE>",
        "  mnutt | Typewriter <TT>",
        "  mnuxmp | Xmp <XMP>",
        "  mnulist | Listing <LISTING>",
        "mnuspe | Special styles",
        "  mnumc | MultiCol...",
        "  mnuspacer | Spacer...",
        "  mnuplain | Plaintext <PLAINTEXT>",
        "  mnuabbrev | Abbreviation <ABBREV>",
        "  Acronym | Acronym <ACRONYM>",
        "  mnucode | Code <CODE>",
        "  mnuperson | Person <PERSON>",
        "  mnusample | Sample <SAMPLE>",
        "  mnumarguee | Marguee...",
        "mnuheading | H&eadings",
        "  mnuhead(1) | Head 1...",
        "  mnuhead(2) | Head 2...",
        "  mnuhead(3) | Head 3...",
        "  mnuhead(4) | Head 4...",
        "  mnuhead(5) | Head 5...",
        "  mnuhead(6) | Head 6...",
        "mnupar | &Paragraph settings",
        "  mnuparagr | new paragraph <P>",
        "  mnuparset | New Paragraph...",
        "mnuimg | &Images",
        "  mnuimages | Images...",
        "  mnuembed | Embed...",
        "  mnubgsound | Background Sound...",
        "mnumathem | Math &tags",
        "  mnumath | Math <MATH>",
        "  mnuarray | Array <ARRAY>",
        "  mnuabove | Above <ABOVE>",
        "  mnubelow | Below <BELOW>",
        "  mnuover | Over <OVER>",
        "  mnuroot | Root <ROOT>",
        "  mnusqroot | Square root <SQRT>",
        "mnuf | &Forms",
        "  mnuform | Form...",
        "  mnuselect | Select...",
        "  mnuinput | Input...",
        "  mnutextarea | Text Area...",
        "  mnuoption | Option...",
        "mnut | &Tables",
        "  mnutable | Table...",
        "  mnutr | New row",
        "  mnucol | New col...",
        "  mnuheadtable | New Heading...",
        "mnuli | &Lists",
        "  mnul | UL list...",
        "  mnudl | Definition list <DL>",
        "  mnuol | OL list...",
        "  mnudir | Dir type list <DIR>",
        "  mnumenu | Menu <MENU>",
        "mnussi | SSI+ tags",
        "  mnuecho | Echo...",
        "  mnuexec | Exec...",
        "  mnuinc | Include...",
        "  mnuemail | Email...",
        "  mnuif | If",
        "  mnugoto | Goto",
        "  mnulabel | Label",
        "  mnufsize | Fsize...",
        "  mnuflastmod | Flastmod...",
        "  mnubreak | break",
        "mnunull6 | -",
        "mnuanchor | &Anchors / Links...",
        "mnuimg2 | Images...",
        "mnutable2 | Table...",
        "mnuform2 | Form..."};
}

void TestMainWindow::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, lines);
    Program program;
    QCOMPARE(menuLines(program.form, menu), lines);
    for (const QAction *action : program.form.findChildren<QAction *>(menu))
        QVERIFY(action->isEnabled() && !action->isCheckable());
}

void TestMainWindow::menuItemNamesAreTheirOwn()
{
    // Commands are found by their names: two items of one name would run one handler.
    Program program;
    QStringList names;
    for (const QAction *action : program.form.findChildren<QAction *>()) {
        if (!action->objectName().isEmpty())
            names << action->objectName();
    }
    QStringList twice;
    for (const QString &name : names) {
        if (names.count(name) > 1 && !twice.contains(name))
            twice << name;
    }
    QCOMPARE(twice, QStringList());
}

void TestMainWindow::toolBar()
{
    Program program;
    auto toolBar = program.form.findChild<QToolBar *>("Toolbar1");
    QVERIFY(toolBar);
    QStringList tips;
    for (const QAction *action : toolBar->actions())
        tips << (action->isSeparator() ? "-" : action->toolTip());
    QCOMPARE(tips, QStringList({"new HTML Document", "Open an existing Document", "Save document",
                                "Print Document ", "-", "Cut", "Copy", "Paste", "-",
                                "Quillet Help"}));
    for (const QAction *action : toolBar->actions())
        QVERIFY(action->isSeparator() || !action->icon().isNull());
}

void TestMainWindow::toolBarButtonsRunMenuHandlers()
{
    Program program;
    auto toolBar = program.form.findChild<QToolBar *>("Toolbar1");
    auto button = [&](int index) {
        return qobject_cast<QToolButton *>(
            toolBar->widgetForAction(program.form.findChild<QAction *>(
                QStringLiteral("Toolbar1(%1)").arg(index))));
    };
    button(10)->click();
    QCOMPARE(program.dialogs.helpTopics, QList<int>({10}));

    program.type("x");
    button(1)->click();
    QCOMPARE(program.dialogs.questions,
             QStringList({"Document has changed, do you wish to save it?"}));
    button(2)->click();
    QCOMPARE(program.dialogs.questions.last(),
             QString("Document has changed. Do you wish to save it?"));
    button(3)->click();
    QCOMPARE(program.dialogs.saveRequests.size(), 1);
    button(4)->click();
    QCOMPARE(program.world.printed, QStringList({"x"}));
}

void TestMainWindow::tabStripAndStatusBar()
{
    Program program;
    auto tabs = program.form.findChild<QTabWidget *>("SSTab1");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, QStringList({"Structure", "Math Tags", "SSI tags", "Other tags"}));
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("Other tags"));
    auto bar = program.form.findChild<QStatusBar *>("Bar1");
    QCOMPARE(bar->findChild<QLabel *>("Bar1Text")->text(), QString("Quillet 2.0"));
    QCOMPARE(bar->findChild<QLabel *>("Bar1Caret")->text(), QString("Ln 1, Col 1"));
}

void TestMainWindow::smallestWindowShowsBarsWhole()
{
    Program program;
    program.show();
    program.form.resize(1, 1);
    // The width is what squeezes the bars; Windows may round the height up a little.
    QCOMPARE(program.form.width(), program.form.minimumWidth());
    const QWidget *bars[] = {program.form.menuBar(), program.find<QToolBar>("Toolbar1"),
                             program.find<QTabWidget>("SSTab1")->tabBar()};
    for (const QWidget *bar : bars)
        QVERIFY2(bar->width() >= bar->sizeHint().width(), qPrintable(bar->objectName()));
    const QList<QRect> places = tabButtonPlaces(program);
    QVERIFY(!overlap(places));
    for (const QRect &place : places)
        QVERIFY(place.right() < program.form.width());
}

// A window system that ignores the least size (X11 without a window manager) may make the
// window narrower: the tab strip is cut off at the edge, its buttons not laid over each other.
void TestMainWindow::windowMadeNarrowerAllTheSameKeepsTabButtonsApart()
{
    Program program;
    program.show();
    program.form.windowHandle()->resize(300, 250);
    QTRY_COMPARE(program.form.width(), 300);
    QVERIFY(!overlap(tabButtonPlaces(program)));
}

void TestMainWindow::rightClickPopsUpInsertMenu()
{
    Program program;
    program.show();
    rightClick(program.textArea());
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QString("mnucommands"));
    QApplication::activePopupWidget()->close();
}

void TestMainWindow::shortcutsWinOverEditorKeys()
{
    Program program;
    program.show();
    program.type("ABC");
    program.editor().selectAll();
    program.key(Qt::Key_U, Qt::ControlModifier); // the editor would lower-case the selection
    QCOMPARE(program.bytes(), QByteArray("ABC"));

    program.key(Qt::Key_End);
    program.key(Qt::Key_A, Qt::ControlModifier); // the editor would select everything
    QCOMPARE(program.editor().selectionLength(), 0);

    program.key(Qt::Key_F1);
    QCOMPARE(program.dialogs.helpTopics, QList<int>({10}));

    program.key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(program.dialogs.questions,
             QStringList({"Document has changed, do you wish to save it?"}));
    program.key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(program.dialogs.questions.size(), 2);
    program.key(Qt::Key_S, Qt::ControlModifier);
    program.key(Qt::Key_F12);
    QCOMPARE(program.dialogs.saveRequests.size(), 2);
    program.key(Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(program.dialogs.questions.last(),
             QString("File has changed. Do you wish to save it before closing?"));
}

void TestMainWindow::undoKeysStayWithEditor()
{
    Program program;
    program.show();
    program.type("abc");
    program.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray());
    program.key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("abc"));
}

void TestMainWindow::altWithALetterTypesNothing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("the editor") << QString() << QString();
    QTest::newRow("a text field") << "Find" << "Findit";
}

// No access key of the window takes these letters; AltGr, which Windows reports as
// Ctrl+Alt, still types.
void TestMainWindow::altWithALetterTypesNothing()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    Program program;
    program.show();
    QWidget *target = program.textArea();
    if (!window.isEmpty()) {
        program.form.showWindow(window);
        target = program.find<QLineEdit>(field, window);
    }
    QTest::keyClicks(target, "X");
    for (Qt::Key letter : {Qt::Key_C, Qt::Key_Q, Qt::Key_Z, Qt::Key_X, Qt::Key_J})
        QTest::keyClick(target, letter, Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_E, QStringLiteral("\u20ac"),
                        Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClicks(target, "Y");
    const QString typed = window.isEmpty() ? QString::fromUtf8(program.bytes())
                                           : static_cast<QLineEdit *>(target)->text();
    QCOMPARE(typed, QStringLiteral("X\u20acY"));
}

// QScintilla tells an assistive tool of each insert and delete from the notifications
// that follow them, which the editor asks for only while a tool listens: here one that
// starts after the program and stops again.
void TestMainWindow::assistiveToolHearsInsertsAndDeletes()
{
    Program program;
    program.show();
    QStringList heard;
    QObject::connect(static_cast<QsciScintilla *>(program.textArea()),
                     &QsciScintilla::SCN_MODIFIED,
                     [&heard](int, int type, const char *text, int length) {
                         if (type & (QsciScintilla::SC_MOD_INSERTTEXT
                                     | QsciScintilla::SC_MOD_DELETETEXT))
                             heard << (type & QsciScintilla::SC_MOD_INSERTTEXT ? "+" : "-")
                                          + QString::fromUtf8(text, length);
                     });
    program.type("a");
    QAccessible::setActive(true);
    program.type("bc");
    program.key(Qt::Key_Backspace);
    QAccessible::setActive(false);
    program.type("d");
    QCOMPARE(heard, QStringList({"+b", "+c", "-c"}));
    QCOMPARE(program.bytes(), QByteArray("abd"));
}

void TestMainWindow::changedByCaretMove()
{
    Program program;
    program.show();
    program.editor().setBytes("<P>some text</P>");
    QVERIFY(!program.form.document().changed);
    auto viewport = static_cast<QAbstractScrollArea *>(program.textArea())->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(60, 8));
    QVERIFY(program.form.document().changed);

    QVERIFY(!program.form.close());
    QCOMPARE(program.dialogs.questions,
             QStringList({"File has changed. Do you wish to save it before closing?"}));
    QCOMPARE(program.world.endings, 0);
}

void TestMainWindow::changedByInsertionAndStaysAfterSave()
{
    QTemporaryDir dir;
    Program program;
    program.trigger("mnubold");
    QVERIFY(program.form.document().changed);
    program.dialogs.saveAnswers << dir.filePath("page.htm");
    program.trigger("mnusave");
    QCOMPARE(program.form.document().untitled, false);
    QVERIFY(program.form.document().changed);
    program.dialogs.questionAnswers << CommonDialogs::Answer::No;
    program.trigger("mnuexit");
    QCOMPARE(program.dialogs.questions,
             QStringList({"File has changed. Do you wish to save it before closing?"}));
    QCOMPARE(program.world.endings, 1);
}

void TestMainWindow::insertAtCaretReplacesSelection()
{
    Program program;
    program.show();
    program.type("one two three");
    QVERIFY(program.editor().find("two", 0));
    program.form.insertAtCaret("<B>2</B>");
    QCOMPARE(program.bytes(), QByteArray("one <B>2</B> three"));
    QCOMPARE(program.editor().selectionLength(), 0);
    program.type("|");
    QCOMPARE(program.bytes(), QByteArray("one <B>2</B>| three"));
    program.key(Qt::Key_Z, Qt::ControlModifier);
    program.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("one two three"));
}

void TestMainWindow::enterWritesThePagesLineEnd_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("system"); // the system's line end
    QTest::addColumn<QString>("pasted");    // at the end of the first line, before Enter
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("CRLF") << QByteArray("<BODY>\r\n</BODY>") << QByteArray("\n") << ""
                          << QByteArray("<BODY>\r\nnew line\r\n</BODY>");
    QTest::newRow("CR") << QByteArray("<BODY>\r</BODY>") << QByteArray("\n") << ""
                        << QByteArray("<BODY>\rnew line\r</BODY>");
    QTest::newRow("the first of mixed ones")
        << QByteArray("<BODY>\r\n</BODY>\n") << QByteArray("\n") << ""
        << QByteArray("<BODY>\r\nnew line\r\n</BODY>\n");
    QTest::newRow("none: the system's") << QByteArray("<BODY>") << QByteArray("\r\n") << ""
                                        << QByteArray("<BODY>\r\nnew line");
    QTest::newRow("the first that comes, with a paste")
        << QByteArray("<BODY>") << QByteArray("\n") << "\r\n<P>"
        << QByteArray("<BODY>\r\n<P>\r\nnew line");
}

void TestMainWindow::enterWritesThePagesLineEnd()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, system);
    QFETCH(QString, pasted);
    QFETCH(QByteArray, expected);
    FakeWorld::systemLineEnd = system;
    Program program;
    FakeWorld::systemLineEnd = "\n";
    program.show();
    program.editor().setBytes(page);
    program.key(Qt::Key_End);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        program.trigger("mnupastefrom");
    }
    program.key(Qt::Key_Return);
    program.type("new line");
    QCOMPARE(program.bytes(), expected);
}

// The program's line breaks are the page's own; what the user pastes stays as it is.
void TestMainWindow::insertedLineBreaksAreThePagesOwn_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("window"); // whose "&Ok" is pressed, if any
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("UL list, CRLF")
        << QByteArray("<BODY>\r\n") << "mnul" << "list1"
        << QByteArray("<BODY>\r\n<UL>\r\n<LI>1st item\r\n<LI>2nd item, etc.\r\n</UL>");
    QTest::newRow("SELECT, CRLF")
        << QByteArray("<BODY>\r\n") << "mnuselect" << "formss5"
        << QByteArray("<BODY>\r\n<SELECT>\r\n<OPTION>1st option\r\n<OPTION>2nd option\r\n"
                      "<OPTION>and goes on....\r\n</SELECT>");
    QTest::newRow("pasted, CRLF") << QByteArray("<BODY>\r\n") << "mnupastefrom" << ""
                                  << QByteArray("<BODY>\r\na\nb\rc\r\n");
}

void TestMainWindow::insertedLineBreaksAreThePagesOwn()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, menuItem);
    QFETCH(QString, window);
    QFETCH(QByteArray, expected);
    Program program;
    program.show();
    program.editor().setBytes(page);
    program.key(Qt::Key_End, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText("a\nb\rc\r\n");
    program.trigger(menuItem);
    if (!window.isEmpty())
        program.click("Command2", window);
    QCOMPARE(program.bytes(), expected);
}

void TestMainWindow::helpTopics_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("topic");
    QTest::newRow("Help") << "mnuhelp1" << 10;
    QTest::newRow("About") << "mnuhelp2" << 50;
    QTest::newRow("Introducing") << "mnuhelp3" << 70;
    QTest::newRow("View Help") << "mnuviewnote" << 170;
}

void TestMainWindow::helpTopics()
{
    QFETCH(QString, item);
    QFETCH(int, topic);
    Program program;
    program.trigger(item);
    QCOMPARE(program.dialogs.helpTopics, QList<int>({topic}));
    QVERIFY(!program.form.document().changed);
}

void TestMainWindow::helpViewerSwitchesTopic()
{
    initResources();
    QtCommonDialogs dialogs;
    dialogs.showHelp(170);
    auto viewers = qApp->topLevelWidgets();
    HelpViewer *viewer = nullptr;
    for (QWidget *widget : viewers)
        viewer = viewer ? viewer : qobject_cast<HelpViewer *>(widget);
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->topic(), 170);
    QVERIFY(viewer->windowTitle().contains("Viewing your page"));
    QVERIFY(viewer->toPlainText().contains("Preview using Netscape"));

    dialogs.showHelp(10);
    QCOMPARE(viewer->topic(), 10);
    QVERIFY(viewer->toPlainText().contains("Keyboard shortcuts"));
    int count = 0;
    for (QWidget *widget : qApp->topLevelWidgets())
        count += qobject_cast<HelpViewer *>(widget) ? 1 : 0;
    QCOMPARE(count, 1);
}

void TestMainWindow::openFilterMatchesTlpWithoutDot()
{
    QTemporaryDir dir;
    for (const char *name : {"page.htm", "a.tlp", "notestlp", "script.js"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Program program;
    program.trigger("mnuopen");
    const QString filter = program.dialogs.openRequests.constFirst().filter;

    QFileDialog dialog(nullptr, "Open HTML document", dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = nameFiltersFrom(filter);
    QCOMPARE(filters.size(), 6);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[3]);
    dialog.show();
    auto list = dialog.findChild<QListView *>("listView");
    auto names = [list] {
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            shown << list->model()->index(row, 0, list->rootIndex()).data().toString();
        shown.sort();
        return shown;
    };
    QTRY_COMPARE(names(), QStringList({"a.tlp", "notestlp"}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
