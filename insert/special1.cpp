#include "special1.h"

#include "app/form1.h"
#include "dialogs/common/toolwindow.h"
#include "dialogs/common/twips.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Character
{
    const char *name;
    char16_t caption;
    const char *entity;
};

// In reading order, ten to a row.
const Character characters[] = {
    {"Command1", u'Á', "&Aacute;"},  {"Command2", u'À', "&Agrave;"},
    {"Command3", u'Â', "&Acirc;"},   {"Command4", u'Ã', "&Atilde;"},
    {"Command5", u'Å', "&Aring;"},   {"Command6", u'Ä', "&Auml;"},
    {"Command7", u'Æ', "&AElig;"},   {"Command8", u'Ç', "&Ccedil;"},
    {"Command9", u'É', "&Eacute;"},  {"Command10", u'È', "&Egrave;"},
    {"Command11", u'Ê', "&Ecirc;"},  {"Command12", u'Ë', "&Euml;"},
    {"Command13", u'Í', "&Iacute;"}, {"Command14", u'Ì', "&Igrave;"},
    {"Command15", u'Î', "&Icirc;"},  {"Command16", u'Ï', "&Iuml;"},
    {"Command17", u'Ð', "&ETH;"},    {"Command18", u'Ñ', "&Ntilde;"},
    {"Command19", u'Ó', "&Oacute;"}, {"Command20", u'Ò', "&Ograve;"},
    {"Command21", u'Ô', "&Ocirc;"},  {"Command22", u'Õ', "&Otilde;"},
    {"Command23", u'Ö', "&Ouml;"},   {"Command24", u'Ø', "&Oslash;"},
    {"Command25", u'Ú', "&Uacute;"}, {"Command26", u'Ù', "&Ugrave;"},
    {"Command27", u'Û', "&Ucirc;"},  {"Command28", u'Ü', "&Uuml;"},
    {"Command29", u'Ý', "&Yacute;"}, {"Command30", u'Þ', "&THORN;"},
    {"Command31", u'ß', "&szlig;"},  {"Command32", u'á', "&aacute;"},
    {"Command33", u'à', "&agrave;"}, {"Command34", u'â', "&acirc;"},
    {"Command35", u'ã', "&atilde;"}, {"Command36", u'å', "&aring;"},
    {"Command37", u'ä', "&auml;"},   {"Command38", u'æ', "&aelig;"},
    {"Command39", u'ç', "&ccedil;"}, {"Command40", u'é', "&eacute;"},
    {"Command41", u'è', "&egrave;"}, {"Command42", u'ê', "&ecirc;"},
    {"Command43", u'ë', "&euml;"},   {"Command44", u'í', "&iacute;"},
    {"Command45", u'ì', "&igrave;"}, {"Command46", u'î', "&icirc;"},
    {"Command47", u'ï', "&iuml;"},   {"Command48", u'ó', "&oacute;"},
    {"Command49", u'ò', "&ograve;"}, {"Command50", u'ô', "&ocirc;"},
    {"Command51", u'õ', "&otilde;"}, {"Command52", u'ö', "&ouml;"},
    {"Command53", u'ø', "&oslash;"}, {"Command54", u'ú', "&uacute;"},
    {"Command55", u'ù', "&ugrave;"}, {"Command56", u'û', "&ucirc;"},
    {"Command57", u'ü', "&uuml;"},   {"Command58", u'ý', "&yacute;"},
    {"Command59", u'þ', "&thorn;"},  {"Command60", u'ÿ', "&yuml;"},
    {"Command62", u'®', "&reg;"},    {"Command63", u'©', "&copy;"},
    {"Command64", u'™', "&trade;"},
};

const int columns = 10;
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
    for (const Character &character : characters) {
        auto button = makeButton(QString::fromLatin1(character.name), QChar(character.caption));
        button->setFont(characterFont);
        button->setFixedSize(twipsSize(375, 375));
        connect(button, &QPushButton::clicked, this,
                [&form, entity = QString::fromLatin1(character.entity)] {
                    form.insertAtCaret(entity);
                });
        grid->addWidget(button, index / columns, index % columns);
        ++index;
    }

    auto close = makeButton(QStringLiteral("Command61"), QStringLiteral("&Close"));
    close->setMinimumWidth(twips(1575));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    fitToTwips(this, {4050, 3540});
}
