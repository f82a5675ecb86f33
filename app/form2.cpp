#include "form2.h"

#include "appinfo.h"
#include "commands/filecommands.h"
#include "commondialogs.h"
#include "form1.h"
#include "outsideworld.h"

#include "dialogs/common/twips.h"
#include "document/recovery.h"

#include <QAbstractEventDispatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel *label(const QString &name, const QString &text, int pointSize = 0)
{
    auto label = new QLabel(text);
    label->setObjectName(name);
    if (pointSize > 0) {
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}
} // namespace

Form2::Form2(CommonDialogs &dialogs, OutsideWorld &world, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_world(world)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Quillet Intro"));
    setWindowIcon(QIcon(QStringLiteral(":/logo.png")));

    auto Frame1 = new QGroupBox(QStringLiteral("Infos about Quillet 2.0"));
    Frame1->setObjectName(QStringLiteral("Frame1"));

    auto Image1 = label(QStringLiteral("Image1"), {});
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));

    // The product name stands on its own shadow.
    auto Label1 = label(QStringLiteral("Label1"), programName, 28);
    auto Label2 = label(QStringLiteral("Label2"), programName, 28);
    Label1->setContentsMargins(0, 0, 3, 3);
    Label2->setContentsMargins(3, 3, 0, 0);
    Label2->setStyleSheet(QStringLiteral("color: #9aa7b8"));
    auto Label3 = label(QStringLiteral("Label3"), QStringLiteral("2.0"), 20);

    const QString welcome
        = QStringLiteral("Welcome to Quillet 2.0, the HTML editor from Quillet Works.\r"
                         "What Quillet is, is an HTML editor, which is aimed to help you to "
                         "create HTML pages, making things easier than ever before.");
    auto Label5 = label(QStringLiteral("Label5"), shownLines(welcome));
    Label5->setWordWrap(true);

    auto frameLayout = new QGridLayout(Frame1);
    frameLayout->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    frameLayout->addWidget(Label2, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    frameLayout->addWidget(Label1, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    frameLayout->addWidget(Label3, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    frameLayout->addWidget(Label5, 2, 0, 1, 2);
    frameLayout->setRowStretch(3, 1);
    frameLayout->setColumnStretch(1, 1);

    auto Command2 = new QPushButton(QStringLiteral("&Go on"));
    Command2->setObjectName(QStringLiteral("Command2"));
    auto Command3 = new QPushButton(QStringLiteral("L&eave"));
    Command3->setObjectName(QStringLiteral("Command3"));
    connect(Command2, &QPushButton::clicked, this, [this] { openMainWindow(); });
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (Form1 *main = mainWindow())
            main->endProgram();
        else
            m_world.endProgram();
    });

    auto buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttons);
    resize(twipsSize(6720, 6570).expandedTo(sizeHint()));
}

Form2::~Form2() = default;

void Form2::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // The main window is built while the user reads this one, so that "&Go on" only has to
    // show it: once this window is painted and the program is about to wait, that is once
    // the picture has gone to the screen.
    if (m_main || m_waitForIdle)
        return;
    m_waitForIdle = connect(QAbstractEventDispatcher::instance(),
                            &QAbstractEventDispatcher::aboutToBlock, this, [this] {
                                disconnect(m_waitForIdle);
                                QMetaObject::invokeMethod(this, &Form2::prepareMainWindow,
                                                          Qt::QueuedConnection);
                            });
}

void Form2::prepareMainWindow()
{
    if (m_main)
        return;
    m_main = std::make_unique<Form1>(m_dialogs, m_world);
    // Painted once where nobody sees it, so that its icons, glyphs and layouts are ready.
    m_main->grab();
}

void Form2::start(const QString &file)
{
    if (!file.isEmpty()) {
        openMainWindow(file);
        return;
    }
    show();
    activateWindow();
}

void Form2::openMainWindow(const QString &file)
{
    // Unless it was built while this window was read, it is built now and painted once
    // shown: painting it beforehand as well would only hold it back.
    if (!m_main)
        m_main = std::make_unique<Form1>(m_dialogs, m_world);
    m_goneOn = true;
    m_main->show();
    m_main->activateWindow();
    hide();
    // Asked once the main window is up, so that the questions stand over it; a restored
    // text is then guarded by Open's question like any other.
    m_main->recovery().offerLeftBehind(
        [this](const RecoveryRecord &record) { return m_main->fileCommands().restore(record); });
    if (!file.isEmpty())
        m_main->fileCommands().open(file);
}
