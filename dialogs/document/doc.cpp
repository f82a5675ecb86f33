#include "doc.h"

#include <QComboBox>

namespace {
const char *const publicIdentifiers[] = {
    "-//IETF//DTD HTML//EN",         "-//IETF//DTD HTML 1.0//EN",
    "-//IETF//DTD HTML 2.0//EN",     "-//IETF//DTD HTML 3.0//EN",
    "-//W3C//DTD HTML 3.2//EN",      "-//IETF//DTD HTML Level 0//EN",
    "-//IETF//DTD HTML Level 1//EN", "-//IETF//DTD HTML Level 2//EN",
    "-//IETF//DTD HTML Level 3//EN",
};

QStringList declarations()
{
    QStringList lines;
    for (const char *identifier : publicIdentifiers)
        lines << "<!DOCTYPE HTML PUBLIC " + quoted(identifier) + ">";
    return lines;
}
} // namespace

doc::doc(Form1 &form)
    : TagDialog(form, {"doc", "Document Type...", {}, {7350, 1155}})
{
    Combo1 = addCombo("Combo1", {"Label1", "Document Type:"}, declarations(), 0);
}

QString doc::build()
{
    return Combo1->currentText();
}

void doc::ok()
{
    insert(build());
}
