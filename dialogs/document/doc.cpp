#include "doc.h"

#include <QComboBox>

doc::doc(Form1 &form)
    : TagDialog(form, {"doc", "Document Type...", {}, {7350, 1155}})
{
    Combo1 = addCombo("Combo1", {"Label1", "Document Type:"}, Vocabulary::documentTypes(), 0);
}

QString doc::build()
{
    return Combo1->currentText();
}

void doc::ok()
{
    insert(build());
}
