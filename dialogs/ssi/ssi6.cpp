#include "ssi6.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

ssi6::ssi6(Form1 &form)
    : FileDirectiveDialog(form, {"ssi6", "Flastmod", "Flastmod", {4050, 1770}, "Frame3",
                                 "Command2", "Command1", true},
                          "flastmod")
{
    setTabOrder({Text1, Option2, Option1, cancelButton(), okButton()});
}
