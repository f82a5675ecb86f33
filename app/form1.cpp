#include "form1.h"

#include "altkeys.h"
#include "appinfo.h"
#include "commands/filecommands.h"
#include "livepreview.h"
#include "mainmenus.h"
#include "outsideworld.h"
#include "settings.h"
#include "spellingcommands.h"

#include "dialogs/common/twips.h"
#include "document/recovery.h"
#include "document/speller.h"
#include "editor/editor.h"
#include "editor/spellmarks.h"
#include "editor/tagmatch.h"
#include "editor/textarea.h"
#include "insert/commandtable.h"
#include "insert/tabstrip.h"
#include "insert/windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

Form1::Form1(CommonDialogs &dialogs, OutsideWorld &world, QWidget *parent)
    : QMainWindow(parent)
    , Dlog1(dialogs)
    , m_world(world)
    , RichText1(new Editor)
    , m_split(new QSplitter)
    , m_settings(std::make_unique<Settings>())
    , m_speller(std::make_unique<Speller>(
          findDictionaries(world.dictionaryFolders()),
          QDir(world.userDataFolder()).filePath(QStringLiteral("words.txt")),
          QLocale::system().name()))
    , m_spellMarks(new SpellMarks(*RichText1, *m_speller))
    , m_fileCommands(std::make_unique<FileCommands>(*this))
    , m_recovery(std::make_unique<Recovery>([this](RecoveryRecord &record) { snapshot(record); }))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programTitle);
    setWindowIcon(QIcon(QStringLiteral(":/logo.png")));
    RichText1->setObjectName(QStringLiteral("RichText1"));
    RichText1->setSystemLineEnd(world.lineEnd());
    m_split->setObjectName(QStringLiteral("PreviewSplitter"));
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(RichText1);

    // The dictionary comes in on a thread of its own while the window appears.
    m_speller->setChoice(m_settings->spellingLanguage());
    createMenus();
    RichText1->setZoom(m_settings->zoom());
    connect(RichText1, &Editor::zoomChanged, this,
            [this](int level) { m_settings->setZoom(level); });
    createToolBar();
    createTabStrip();
    createStatusBar();

    auto central = new QWidget;
    auto layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(twips(45));
    layout->addWidget(SSTab1);
    layout->addWidget(m_split, 1);
    setCentralWidget(central);
    fitBarsWhole();
    resize(twipsSize(9525, 6255 + 330 + 480).expandedTo(sizeHint()));

    connect(RichText1, &Editor::characterTyped, this, &Form1::markChanged);
    connect(RichText1, &Editor::selectionChanged, this, &Form1::markChanged);
    connect(RichText1, &Editor::textEdited, this, &Form1::markChanged);
    connect(RichText1, &Editor::rightButtonPressed, this,
            [this](const QPoint &at) { showEditorMenu(*this, m_insertMenu, at); });
    connect(RichText1, &Editor::fileDropped, this, &Form1::openDropped);
    connect(RichText1, &Editor::caretMoved, this, &Form1::showCaret);
    connect(RichText1, &Editor::textEdited, m_recovery.get(), &Recovery::schedule);
    connect(RichText1, &Editor::modifiedChanged, m_recovery.get(), [this](bool modified) {
        if (!modified)
            m_recovery->discard();
    });
    connect(m_recovery.get(), &Recovery::keepingFailed, this, [this](const QString &reason) {
        Bar1->showMessage(QStringLiteral("Quillet cannot keep the unsaved text aside. %1")
                              .arg(reason));
    });
    connect(m_recovery.get(), &Recovery::keepingResumed, this, [this] {
        Bar1->showMessage(QStringLiteral("Quillet keeps the unsaved text aside again."), 10000);
    });
    setAcceptDrops(true);
    new AltKeys(this);

    setDocumentFile(untitledName, true);
    RichText1->setFocus();
}

Form1::~Form1() = default;

void Form1::insertAtCaret(const QString &text)
{
    RichText1->putSelectedText(text, Editor::LineBreaks::PagesOwn);
}

void Form1::setDocumentFile(const QString &fileName, bool untitled)
{
    m_document.fileName = fileName;
    m_document.untitled = untitled;
    setWindowTitle(programTitle + QStringLiteral(" - ") + fileName);
    if (m_preview)
        m_preview->setPageFile(untitled ? QString() : fileName);
}

void Form1::trigger(const QString &actionName)
{
    if (auto action = findChild<QAction *>(actionName))
        action->trigger();
}

QWidget *Form1::showWindow(const QString &name)
{
    QWidget *&window = m_windows[name];
    if (!window)
        window = createWindow(name, *this);
    if (!window) {
        m_windows.erase(name);
        return nullptr;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void Form1::endProgram()
{
    m_recovery->discard();
    m_world.endProgram();
}

void Form1::setLivePreview(bool on)
{
    if (on && !m_preview) {
        m_preview = new LivePreview(*RichText1);
        m_preview->setObjectName(QStringLiteral("LivePreview"));
        m_preview->setPageFile(m_document.untitled ? QString() : m_document.fileName);
        m_split->addWidget(m_preview);
        const int share = m_settings->previewSplit();
        m_split->setSizes({share, 1000 - share});
        connect(m_split, &QSplitter::splitterMoved, this, [this] {
            const QList<int> sizes = m_split->sizes();
            if (sizes.size() == 2 && sizes[0] + sizes[1] > 0)
                m_settings->setPreviewSplit(sizes[0] * 1000 / (sizes[0] + sizes[1]));
        });
        // Links are not followed: the preview shows the page being written, no other.
        connect(m_preview, &LivePreview::linkClicked, this, [this](const QString &target) {
            Bar1->showMessage(QStringLiteral("Link to %1").arg(target), 10000);
        });
    }
    if (m_preview)
        m_preview->setVisible(on);
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!m_fileCommands->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    openDropped(file);
}

void Form1::createMenus()
{
    const MenuItem menus[] = {fileMenu(),
                              editMenu(),
                              insertMenu(),
                              toolsMenu(),
                              optionsMenu(*m_settings, m_speller->languages()),
                              viewMenu(*m_settings),
                              helpMenu()};
    for (const MenuItem &menu : menus)
        menuBar()->addMenu(createMenu(menu));
    m_insertMenu = findChild<QMenu *>(QStringLiteral("mnucommands"));
    markSpellingLanguage(*this, findChild<QMenu *>(QStringLiteral("mnuspelllanguage")));

    QList<QKeySequence> shortcuts;
    for (const QAction *action : findChildren<QAction *>())
        shortcuts << action->shortcuts();
    RichText1->releaseKeys(shortcuts);
}

QMenu *Form1::createMenu(const MenuItem &menu)
{
    auto qmenu = new QMenu(menu.caption, this);
    qmenu->setObjectName(menu.name);
    qmenu->menuAction()->setObjectName(menu.name);
    for (const MenuItem &item : menu.items) {
        if (item.isSubmenu()) {
            qmenu->addMenu(createMenu(item));
            continue;
        }
        QAction *action = item.isSeparator() ? qmenu->addSeparator()
                                             : qmenu->addAction(item.caption);
        action->setObjectName(item.name);
        action->setShortcuts(item.shortcuts);
        if (item.handler)
            connect(action, &QAction::triggered, this, [this, handler = item.handler] {
                handler(*this);
            });
        if (item.toggle) {
            action->setCheckable(true);
            action->setChecked(item.checked);
            connect(action, &QAction::toggled, this,
                    [this, toggle = item.toggle](bool on) { toggle(*this, on); });
            item.toggle(*this, item.checked);
        }
    }
    return qmenu;
}

void Form1::createToolBar()
{
    struct Button
    {
        QString toolTip;
        QString themeIcon;
        QString ownIcon;
        QString runs;
    };
    // Button 5 and button 9 are separators.
    const Button buttons[] = {
        {"new HTML Document", "document-new", "new", "mnunew"},
        {"Open an existing Document", "document-open", "open", "mnuopen"},
        {"Save document", "document-save", "save", "mnusave"},
        {"Print Document ", "document-print", "print", "mnuprint"},
        {},
        {"Cut", "edit-cut", "cut", "mnucut"},
        {"Copy", "edit-copy", "copy", "mnucopy"},
        {"Paste", "edit-paste", "paste", "mnupastefrom"},
        {},
        {"Quillet Help", "help-contents", "help", "mnuhelp1"},
    };
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    int index = 0;
    for (const Button &button : buttons) {
        ++index;
        if (button.runs.isEmpty()) {
            Toolbar1->addSeparator()->setObjectName(QStringLiteral("Toolbar1(%1)").arg(index));
            continue;
        }
        const QIcon icon = QIcon::fromTheme(
            button.themeIcon, QIcon(QStringLiteral(":/icons/%1.png").arg(button.ownIcon)));
        QAction *action = Toolbar1->addAction(icon, button.toolTip);
        action->setObjectName(QStringLiteral("Toolbar1(%1)").arg(index));
        action->setToolTip(button.toolTip);
        connect(action, &QAction::triggered, this, [this, name = button.runs] { trigger(name); });
    }
}

void Form1::createTabStrip()
{
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    addTabPages(*SSTab1, *this);
    SSTab1->setCurrentIndex(SSTab1->count() - 1);
    SSTab1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    SSTab1->setFixedHeight(std::max(twips(1215), SSTab1->sizeHint().height()));
}

void Form1::fitBarsWhole()
{
    // The toolbar and the tab strip keep their full widths: the window's least size shows
    // them whole, and where the window system makes it narrower all the same (X11 without
    // a window manager) they are cut off at its edge instead of squeezed, which laid the
    // tab strip's buttons over one another. The menu bar is no part of the layout's width.
    ensurePolished();
    Toolbar1->setMinimumWidth(Toolbar1->sizeHint().width());
    SSTab1->setMinimumWidth(SSTab1->sizeHint().width());
    setMinimumWidth(std::max(minimumSizeHint().width(), menuBar()->sizeHint().width()));
}

void Form1::createStatusBar()
{
    Bar1 = statusBar();
    Bar1->setObjectName(QStringLiteral("Bar1"));
    Bar1->setSizeGripEnabled(true);
    auto text = new QLabel(programTitle);
    text->setObjectName(QStringLiteral("Bar1Text"));
    Bar1->addWidget(text, 1);
    m_caretPosition = new QLabel;
    m_caretPosition->setObjectName(QStringLiteral("Bar1Caret"));
    Bar1->addPermanentWidget(m_caretPosition);
    showCaret();
}

void Form1::markChanged()
{
    m_document.changed = true;
}

void Form1::showCaret()
{
    const TextPosition caret = RichText1->caretPosition();
    m_caretPosition->setText(QStringLiteral("Ln %1, Col %2").arg(caret.line).arg(caret.column));
    markMatchingTags(*RichText1);
}

void Form1::snapshot(RecoveryRecord &record) const
{
    record.fileName = m_document.fileName;
    record.untitled = m_document.untitled;
    record.stamp = m_document.stamp;
    record.encoding = qint32(RichText1->encoding());
    RichText1->copyContents(record.contents);
}

void Form1::openDropped(const QString &file)
{
    // Asked once the drop is over, so the file manager is not held up by the question.
    QMetaObject::invokeMethod(
        this, [this, file] { m_fileCommands->open(file); }, Qt::QueuedConnection);
}
