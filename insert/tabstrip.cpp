#include "tabstrip.h"

#include "commandtable.h"

#include "app/form1.h"
#include "dialogs/common/twips.h"
#include "editor/editor.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <memory>

namespace {
constexpr int standardWidth = 1095;
constexpr int asCaptionNeeds = 0; // as narrow as the caption allows
constexpr int notInArray = -1;

struct TabButton
{
    QString name;
    int index; // its place in a button array, or notInArray
    QString caption;
    Handler action;
    int width = standardWidth; // in twips
    int height = 375;
};

struct TabPage
{
    QString title;
    std::vector<std::vector<TabButton>> rows;
    std::vector<TabButton> leftOfRows; // one button as tall as the rows, left of them
};

TabButton button(const QString &name, int index, const QString &caption, Handler action,
                 int width = standardWidth)
{
    return {name, index, caption, std::move(action), width};
}

TabButton square(const QString &name, const QString &caption, Handler action)
{
    return {name, notInArray, caption, std::move(action), 375, 375};
}

std::vector<TabPage> pages()
{
    const auto C14 = QStringLiteral("Command14");
    const auto C15 = QStringLiteral("Command15");
    const auto C16 = QStringLiteral("Command16");
    const auto C17 = QStringLiteral("Command17");
    const auto C18 = QStringLiteral("Command18");
    return {
        {"Structure",
         {{button(C14, 1, "HTML", forwardsTo("mnuhtml")),
           button(C14, 2, "TITLE", forwardsTo("mnutitle")),
           button(C14, 3, "BODY", forwardsTo("mnubody")),
           button(C14, 4, "Frameset", forwardsTo("mnuframeset")),
           button(C14, 5, "Frame", forwardsTo("mnuframe")),
           button("Command19", notInArray, "Iframes", forwardsTo("mnuiframe")),
           button(C14, 6, "No frames", forwardsTo("mnunoframe"))},
          {button(C14, 12, "HREF", forwardsTo("mnuhref")),
           button(C14, 7, "Is Index", forwardsTo("mnuisindex")),
           button(C14, 8, "Division", forwardsTo("mnudiv")),
           button(C14, 9, "next Id", forwardsTo("mnuid")),
           button(C14, 10, "META", forwardsTo("mnumeta")),
           button(C14, 11, "</BODY>", forwardsTo("mnuend"))}},
         {{C14, 0, "Document Type", forwardsTo("mnudtype"), standardWidth, 495}}},
        {"Math Tags",
         {{button(C15, 0, "MATH", forwardsTo("mnumath")),
           button(C15, 1, "Array", forwardsTo("mnuarray")),
           button(C15, 2, "Above", forwardsTo("mnuabove")),
           button(C15, 3, "Below", forwardsTo("mnubelow")),
           button(C15, 4, "Over", forwardsTo("mnuover")),
           button(C15, 5, "Root", forwardsTo("mnuroot")),
           button(C15, 6, "Square Root", forwardsTo("mnusqroot"))}},
         {}},
        {"SSI tags",
         {{button(C16, 0, "Echo", forwardsTo("mnuecho")),
           button(C16, 1, "Exec", forwardsTo("mnuexec")),
           button(C16, 2, "Include", forwardsTo("mnuinc")),
           button(C16, 3, "If", forwardsTo("mnuif")),
           button(C16, 4, "Goto", forwardsTo("mnugoto")),
           button(C16, 5, "E-mail", forwardsTo("mnuemail")),
           button(C16, 6, "Label", forwardsTo("mnulabel")),
           button(C18, 0, "Fsize", forwardsTo("mnufsize"))},
          {button(C18, 1, "Flastmod", forwardsTo("mnuflastmod")),
           button(C18, 2, "Break", forwardsTo("mnubreak"))}},
         {}},
        {"Other tags",
         {{button(C17, 0, "Anchor", forwardsTo("mnuanchor")),
           button(C17, 1, "UL list", forwardsTo("mnul")),
           button(C17, 2, "Form", forwardsTo("mnuform")),
           button(C17, 3, "Text Area", forwardsTo("mnutextarea")),
           button(C17, 4, "Option", forwardsTo("mnuoption")),
           button(C17, 5, "Select", forwardsTo("mnuselect")),
           button(C17, 6, "Images", forwardsTo("mnuimages")),
           button(C17, 7, "Avi mov wav mid", forwardsTo("mnuembed"), 1695)},
          {button("Command1", notInArray, "New &Paragraph", forwardsTo("mnuparagr"),
                  asCaptionNeeds),
           button("Command2", notInArray, "T&itle", forwardsTo("mnutitle"), asCaptionNeeds),
           button("Command3", notInArray, "New l&ine", inserts("<BR>"), asCaptionNeeds),
           button("Command4", notInArray, "B&old", forwardsTo("mnubold"), asCaptionNeeds),
           button("Command5", notInArray, "&Italic", forwardsTo("mnuitalic"), asCaptionNeeds),
           button("Command6", notInArray, "&Underline", forwardsTo("mnuunderline"),
                  asCaptionNeeds),
           button("Command7", notInArray, "Bo&ldItalic",
                  inserts("<B><I>Bolditalic text</I></B>"), asCaptionNeeds),
           square("Command8", "H&1", shows("Head1")),
           square("Command9", "H&2", shows("Head1")),
           square("Command10", "H&3", shows("Head1")),
           square("Command11", "H&4", shows("Head1")),
           square("Command12", "H&5", shows("Head1")),
           square("Command13", "H&6", shows("Head1"))}},
         {}},
    };
}

// A row of like buttons with one handler, which runs the action its table gives for
// the pressed button's index; an index without one does nothing.
class ButtonArray
{
public:
    void set(int index, Handler action) { m_actions[index] = std::move(action); }
    void click(int index, Form1 &form) const
    {
        const auto found = m_actions.find(index);
        if (found != m_actions.end())
            found->second(form);
    }

private:
    std::map<int, Handler> m_actions;
};

using ButtonArrays = std::map<QString, std::shared_ptr<ButtonArray>>;

// What a button does when pressed, then the keyboard goes back to the text, so that
// typing and Ctrl+Z work at once after a button reached with Tab.
void whenClicked(QPushButton *button, Form1 &form, Handler run)
{
    QObject::connect(button, &QPushButton::clicked, &form, [&form, run = std::move(run)] {
        run(form);
        form.editor().setFocus();
    });
}

QPushButton *createButton(const TabButton &entry, Form1 &form, ButtonArrays &arrays,
                          const QList<QKeySequence> &menuKeys)
{
    auto button = new QPushButton(entry.caption);
    button->setFocusPolicy(Qt::TabFocus);
    // The menu bar's access keys win: a button whose letter a menu has keeps its caption
    // but leaves the key to the menu ("&Italic" and "&Insert...").
    if (menuKeys.contains(button->shortcut()))
        button->setShortcut({});
    // Buttons keep their sizes unless a caption needs more room; the squares stay square.
    const QString shown = QString(entry.caption).remove(QLatin1Char('&'));
    const int needed = button->fontMetrics().horizontalAdvance(shown) + twips(180);
    const int width = entry.width == entry.height ? twips(entry.width)
                                                  : std::max(twips(entry.width), needed);
    button->setFixedSize(width, twips(entry.height));
    if (entry.index == notInArray) {
        button->setObjectName(entry.name);
        whenClicked(button, form, entry.action);
        return button;
    }
    button->setObjectName(QStringLiteral("%1(%2)").arg(entry.name).arg(entry.index));
    auto &array = arrays[entry.name];
    if (!array)
        array = std::make_shared<ButtonArray>();
    array->set(entry.index, entry.action);
    whenClicked(button, form,
                [array, index = entry.index](Form1 &owner) { array->click(index, owner); });
    return button;
}
} // namespace

void addTabPages(QTabWidget &strip, Form1 &form)
{
    ButtonArrays arrays;
    QList<QKeySequence> menuKeys;
    for (const QAction *menu : form.menuBar()->actions())
        menuKeys << QKeySequence::mnemonic(menu->text());
    for (const TabPage &content : pages()) {
        auto page = new QWidget;
        page->setObjectName(content.title);
        auto pageLayout = new QHBoxLayout(page);
        pageLayout->setContentsMargins(twips(60), twips(60), twips(60), twips(60));
        pageLayout->setSpacing(0);
        for (const TabButton &tall : content.leftOfRows)
            pageLayout->addWidget(createButton(tall, form, arrays, menuKeys), 0,
                                  Qt::AlignVCenter);
        auto rows = new QVBoxLayout;
        rows->setSpacing(0);
        for (const std::vector<TabButton> &row : content.rows) {
            auto rowLayout = new QHBoxLayout;
            rowLayout->setSpacing(0);
            for (const TabButton &button : row)
                rowLayout->addWidget(createButton(button, form, arrays, menuKeys));
            rowLayout->addStretch();
            rows->addLayout(rowLayout);
        }
        rows->addStretch();
        pageLayout->addLayout(rows, 1);
        strip.addTab(page, content.title);
    }
}
