#include "easy1.h"

#include "app/form1.h"
#include "app/outsideworld.h"
#include "dialogs/common/attributes.h"
#include "dialogs/common/toolwindow.h"
#include "dialogs/common/twips.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

QString joinPath(const QString &folder, const QString &name)
{
    QString path = QDir::toNativeSeparators(folder);
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path + name;
}

QString driveOf(const QString &folder, const QStringList &drives)
{
    QString found;
    for (const QString &root : drives) {
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if ((folder == root || folder.startsWith(prefix)) && root.size() > found.size())
            found = root;
    }
    return found;
}

namespace {
// Drive letters on Windows; elsewhere the roots of the mounted volumes, "/" first.
QStringList driveRoots()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absoluteFilePath();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            roots << volume.rootPath();
    }
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    return roots;
}

bool isReadableFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable();
}

// The folder and the folders above it up to the drive's root, the root first.
QStringList folderChain(const QString &folder, const QString &drive)
{
    QStringList chain{folder};
    QDir above(folder);
    while (chain.first() != drive && above.cdUp() && above.absolutePath() != chain.first())
        chain.prepend(above.absolutePath());
    return chain;
}

QTreeWidgetItem *folderItem(const QString &path, const QString &text, const QIcon &icon)
{
    auto item = new QTreeWidgetItem({text});
    item->setData(0, Qt::UserRole, path);
    item->setIcon(0, icon);
    return item;
}
} // namespace

easy1::easy1(Form1 &form)
    : QWidget(&form)
    , m_form(form)
    , m_drives(driveRoots())
    , Drive1(new QComboBox)
    , Dir1(new QTreeWidget)
    , File1(new QListWidget)
    , Text1(new QLineEdit(QStringLiteral("Quillet Init Directory")))
    , Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("Add &Link To Document")))
    , Command2(makeButton(QStringLiteral("Command2"), QStringLiteral("&Close")))
{
    makeToolWindow(this, QStringLiteral("easy1"), QStringLiteral("Easy Anchors/Links"));

    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const QString &root : m_drives)
        Drive1->addItem(QDir::toNativeSeparators(root), root);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setHeaderHidden(true);
    Dir1->setRootIsDecorated(false);
    Dir1->setItemsExpandable(false);
    Dir1->setExpandsOnDoubleClick(false);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The lists take the room the window gives them, not the room they ask for.
    for (QWidget *list : std::initializer_list<QWidget *>{Dir1, File1}) {
        list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        list->setMinimumSize(twipsSize(1500, 1200));
    }
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1->setEnabled(false);

    auto browsing = new QGroupBox(QStringLiteral("Choose file to anchor"));
    browsing->setObjectName(QStringLiteral("Frame4"));
    auto grid = new QGridLayout(browsing);
    grid->addWidget(Drive1, 0, 0);
    grid->addWidget(Dir1, 1, 0);
    grid->addWidget(File1, 0, 1, 2, 1);
    grid->setColumnStretch(0, 3015);
    grid->setColumnStretch(1, 1935);
    grid->setRowStretch(1, 1);

    auto description =
        new QGroupBox(QStringLiteral("Descripiton (text to be shown in Document):"));
    description->setObjectName(QStringLiteral("Frame5"));
    (new QVBoxLayout(description))->addWidget(Text1);

    Command1->setMinimumWidth(twips(2295));
    Command2->setMinimumWidth(twips(1095));
    auto buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(browsing, 1);
    layout->addWidget(description);
    layout->addLayout(buttons);
    setTabChain({Drive1, Dir1, File1, Text1, Command1, Command2});
    fitToTwips(this, {5355, 4515});

    connect(Drive1, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { openFolder(Drive1->itemData(index).toString()); });
    connect(Dir1, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        openFolder(item->data(0, Qt::UserRole).toString());
    });
    // A click on the file already selected fills the link text again, as a new one does.
    connect(File1, &QListWidget::itemSelectionChanged, this, &easy1::chooseFile);
    connect(File1, &QListWidget::itemClicked, this, &easy1::chooseFile);
    connect(Command1, &QPushButton::clicked, this, &easy1::addLink);
    connect(Command2, &QPushButton::clicked, this, &QWidget::hide);

    const QString installFolder = m_form.world().installFolder();
    for (const QString &start : {installFolder, QDir::homePath(), QDir::rootPath()}) {
        if (openFolder(start))
            break;
    }
}

bool easy1::openFolder(const QString &path)
{
    const bool readable = isReadableFolder(path);
    if (readable)
        m_folder = QDir::cleanPath(QDir(path).absolutePath());
    if (m_folder.isEmpty())
        return false;
    // Also after a failed move: the drive list and the tree go back to where the window is.
    showDriveAndFolders();
    if (readable)
        showFiles();
    return readable;
}

void easy1::showDriveAndFolders()
{
    const QString drive = driveOf(m_folder, m_drives);
    Drive1->setCurrentIndex(Drive1->findData(drive));

    Dir1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem *current = nullptr;
    for (const QString &path : folderChain(m_folder, drive)) {
        const QString text = current ? QFileInfo(path).fileName() : QDir::toNativeSeparators(path);
        auto item = folderItem(path, text, open);
        if (current)
            current->addChild(item);
        else
            Dir1->addTopLevelItem(item);
        current = item;
    }
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir folder(m_folder);
    for (const QString &name :
         folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        current->addChild(folderItem(folder.filePath(name), name, closed));
    }
    Dir1->expandAll();
    Dir1->setCurrentItem(current);
}

void easy1::showFiles()
{
    File1->clear();
    File1->addItems(QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString easy1::selectedFile() const
{
    const QList<QListWidgetItem *> selected = File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void easy1::chooseFile()
{
    const QString name = selectedFile();
    if (name.isEmpty())
        return;
    Text1->setText(joinPath(m_folder, name));
    Command1->setEnabled(true);
}

void easy1::addLink()
{
    m_form.insertAtCaret(QStringLiteral("<A HREF=") + quoted(joinPath(m_folder, selectedFile()))
                         + QLatin1Char('>') + Text1->text() + QStringLiteral("</A>"));
}
