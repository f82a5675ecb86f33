#include "special1.h"

#include "app/form1.h"
#include "dialogs/common/toolwindow.h"
#include "dialogs/common/twips.h"
#include "editor/vocabulary.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The entities of the buttons in reading order, ten to a row; their characters are the
// vocabulary's.
const char *const entities[] = {
    "Aacute", "Agrave", "Acirc",  "Atilde", "Aring",  "Auml",   "AElig",  "Ccedil", "Eacute",
    "Egrave", "Ecirc",  "Euml",   "Iacute", "Igrave", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Oacute", "Ograve", "Ocirc",  "Otilde", "Ouml",   "Oslash", "Uacute", "Ugrave", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "aacute", "agrave", "acirc",  "atilde", "aring",
    "auml",   "aelig",  "ccedil", "eacute", "egrave", "ecirc",  "euml",   "iacute", "igrave",
    "icirc",  "iuml",   "oacute", "ograve", "ocirc",  "otilde", "ouml",   "oslash", "uacute",
    "ugrave", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",   "reg",    "copy",   "trade",
};

const int columns = 10;
// The buttons are Command1 to Command64 in reading order; Command61 is "&Close".
const int closeNumber = 61;
} // namespace

special1::special1(Form1 &form)
    : QWidget(&form)
{
    makeToolWindow(this, QStringLiteral("special1"), QStringLiteral("Special Characters"));

    auto frame = new QGroupBox(QStringLiteral("Special Characters"));
    frame->setObjectName(QStringLiteral("Frame4"));
    auto grid = new QGridLayout(frame);
    grid->setSpacing(0);
    QFont characterFont(QStringLiteral("Times New Roman"));
    characterFont.setPointSizeF(9.75);
    characterFont.setStyleHint(QFont::Serif);
    int index = 0;
    for (const char *name : entities) {
        const Entity *entity = Vocabulary::entity(QString::fromLatin1(name));
        const int number = index + 1 < closeNumber ? index + 1 : index + 2;
        auto button = makeButton(QStringLiteral("Command%1").arg(number), QChar(entity->character));
        button->setFont(characterFont);
        button->setFixedSize(twipsSize(375, 375));
        connect(button, &QPushButton::clicked, this,
                [&form, text = '&' + entity->name + ';'] { form.insertAtCaret(text); });
        grid->addWidget(button, index / columns, index % columns);
        ++index;
    }

    auto close = makeButton(QStringLiteral("Command%1").arg(closeNumber), QStringLiteral("&Close"));
    close->setMinimumWidth(twips(1575));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    fitToTwips(this, {4050, 3540});
}
