#include "ssi5.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

ssi5::ssi5(Form1 &form)
    : FileDirectiveDialog(form, {"ssi5", "Fsize", "Fsize", {4050, 1785}}, "fsize")
{
    setTabOrder({Option1, Option2, Text1, cancelButton(), okButton()});
}
