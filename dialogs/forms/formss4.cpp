#include "formss4.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

formss4::formss4(Form1 &form)
    : TagDialog(form, {"formss4", "Option", "OPTION", {4470, 1905}}, tag("OPTION"))
{
    Text1 = addText("Text1", {"Label1", "Value:"}, 0, 0);
    Option1 = addOption("Option1", "Plain", 1, 0);
    Option2 = addOption("Option2", "Checked", 1, 1, true);
    Option3 = addOption("Option3", "Selected", 1, 2);
    Option4 = addOption("Option4", "Disabled", 1, 3);
    setTabOrder({Text1, Option1, Option2, Option3, cancelButton(), okButton(), Option4});
}

QString formss4::build()
{
    // The first selected button counts, in this order.
    const std::pair<QRadioButton *, const char *> states[] = {{Option1, "PLAIN"},
                                                              {Option2, "CHECKED"},
                                                              {Option3, "SELECTED"},
                                                              {Option4, "DISABLED"}};
    QString state;
    for (const auto &[option, name] : states) {
        if (option->isChecked()) {
            state = flagged(name, true);
            break;
        }
    }
    return "<OPTION" + attribute("VALUE", Text1->text()) + state + ">";
}

void formss4::reset()
{
    Text1->clear();
    Option2->setChecked(true);
}
