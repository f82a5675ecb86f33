#include "frame2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frame2::frame2(Form1 &form)
    : TagDialog(form, {"frame2", "Frame", "Frame", {4275, 4170}, "Frame3", "Command2",
                       "Command3"},
                tag("FRAME"))
{
    Text1 = addText("Text1", {"Label1", "Src:"}, 0);
    Text2 = addText("Text2", {"Label2", "Name:"}, 1);
    Text3 = addText("Text3", {"Label3(0)", "MarginWidth:"}, 2);
    Text4 = addText("Text4", {"Label3(1)", "MarginHeight:"}, 2, 2);
    widen({Text1, Text2}, 3);

    auto Frame4 = new QGroupBox("Scrolling");
    Frame4->setObjectName("Frame4");
    auto options = new QVBoxLayout(Frame4);
    Option1 = makeOption("Option1", "Scrolling YES", true);
    Option2 = makeOption("Option2", "Scrolling NO");
    options->addWidget(Option1);
    options->addWidget(Option2);
    grid()->addWidget(Frame4, 3, 0, 2, 2);
    Text5 = addText("Text5", {"Label5", "FrameBorder:"}, 3, 2);
    Text6 = addText("Text6", {"Label4", "FrameSpacing:"}, 4, 2);
    Check1 = addCheck("Check1", "No resize", 5);

    setTabOrder({okButton(), cancelButton(), Option1, Option2, Text1, Text2, Text3, Text4, Text5,
                 Check1, Text6});
}

QString frame2::build()
{
    return "<FRAME" + attribute("SRC", Text1->text())
           + attribute("NAME", Text2->text())
           + attribute("MARGINHEIGHT", Text4->text())
           + attribute("MARGINWIDTH", Text3->text())
           + attribute("FRAMEBORDER", Text5->text())
           + attribute("FRAMESPACING", Text6->text())
           + attribute("SCROLLING", Option1->isChecked()   ? QStringLiteral("YES")
                                    : Option2->isChecked() ? QStringLiteral("NO")
                                                           : QString())
           + flagged("NORESIZE", Check1->isChecked()) + ">";
}
