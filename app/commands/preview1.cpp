#include "preview1.h"

#include "app/commondialogs.h"
#include "app/form1.h"
#include "app/outsideworld.h"
#include "dialogs/common/tagdialog.h"
#include "dialogs/common/toolwindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

preview1::preview1(Form1 &form)
    : CommandWindow(form, QStringLiteral("preview1"), QStringLiteral("View using QuickView Plus"),
                    {5535, 1950})
    , Frame3(new QGroupBox(QStringLiteral("Previewing using QuickView Plus")))
    , Label1(makeLabel(QStringLiteral("Label1"),
                       QStringLiteral("Where is Quick View / QuickView Plus?")))
    , Text1(makeText(QStringLiteral("Text1"),
                     QStringLiteral("c:\\program files\\quick view plus\\program\\qvp32.exe")))
    , Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("&Ok")))
    , Command2(makeCancelButton(QStringLiteral("Command2")))
{
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Label1->setBuddy(Text1);

    auto frameLayout = new QVBoxLayout(Frame3);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(Text1);
    auto buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto layout = new QVBoxLayout(this);
    layout->addWidget(Frame3, 1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &preview1::startViewer);
}

void preview1::startViewer()
{
    const QString viewer = Text1->text();
    CommonDialogs &dialogs = form().dialogs();
    if (viewer.isEmpty()) {
        dialogs.message(QStringLiteral("Unable to open browser"));
        return;
    }
    const Document &document = form().document();
    if (document.untitled) {
        dialogs.message(QStringLiteral("The document has no file yet.\r"
                                       "Save it first, then preview it."));
        return;
    }
    // The file is an argument of its own and no shell is involved, so blanks and quotes
    // in either path need no quoting.
    const QString error = form().world().startProgram(viewer, {document.fileName});
    if (!error.isEmpty())
        dialogs.message(QStringLiteral("Quillet could not start the viewer %1.\r%2")
                            .arg(viewer, error));
}
