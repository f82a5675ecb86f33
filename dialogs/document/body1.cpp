#include "body1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const body1::ColourRow body1::colourRows[5] = {
    {"Background color:", "Text2", &body1::Text2, "BGCOLOR"},
    {"Text color:", "Text3", &body1::Text3, "TEXT"},
    {"Link colour:", "Text4", &body1::Text4, "LINK"},
    {"Visited link colour:", "Text5", &body1::Text5, "VLINK"},
    {"Active link colour:", "Text6", &body1::Text6, "ALINK"},
};

body1::body1(Form1 &form)
    : TagDialog(form, {"body1", "Body...", {}, {5370, 5145}}, tag("BODY"))
{
    Text1 = addText("Text1", {"Label1", "Image URL:"}, 0);

    auto frame = new QGroupBox("Colours");
    frame->setObjectName("Frame4");
    auto rows = new QGridLayout(frame);
    grid()->addWidget(frame, 1, 0, 1, 2);
    const int count = std::size(colourRows);
    QList<QWidget *> buttons;
    for (int row = 0; row < count; ++row) {
        auto field = makeText(colourRows[row].fieldName);
        this->*colourRows[row].field = field;
        auto caption = makeLabel(QStringLiteral("Label2(%1)").arg(row), colourRows[row].caption);
        auto hash = makeLabel(QStringLiteral("Label2(%1)").arg(row + count), "#");
        caption->setBuddy(field);
        hash->setBuddy(field);
        auto button = new QPushButton("Choose Color");
        button->setObjectName(QStringLiteral("Command3(%1)").arg(row));
        connect(button, &QPushButton::clicked, this, [this, row] { chooseColour(row); });
        buttons << button;
        rows->addWidget(caption, row, 0);
        rows->addWidget(hash, row, 1);
        rows->addWidget(field, row, 2);
        rows->addWidget(button, row, 3);
    }

    setTabOrder({Text1, cancelButton(), okButton(), Text2, Text3, Text4, Text5, Text6,
                 buttons[0], buttons[1], buttons[2], buttons[3], buttons[4]});
}

QString body1::build()
{
    QString tag = "<BODY " + attribute("background", Text1->text());
    for (const ColourRow &row : colourRows)
        tag += attribute(row.attribute, (this->*row.field)->text());
    return tag + ">";
}

void body1::reset()
{
    Text1->clear();
    for (const ColourRow &row : colourRows)
        (this->*row.field)->clear();
}

void body1::chooseColour(int row)
{
    chooseColourInto(form(), this->*colourRows[row].field);
}
