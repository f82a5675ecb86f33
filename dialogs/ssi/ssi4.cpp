#include "ssi4.h"

#include "app/commondialogs.h"

#include <QGridLayout>
#include <QLabel>

namespace {
const char note[] = "NOTE:\rYou can also add reply, inreply, id, mesaage, subject, sender.\r"
                    "These are only the requiered. All other, described above, is optional.";
}

// The label array's indexes run fromaddress, tohost, fromhost, toaddress, while the rows
// run fromaddress, toaddress, fromhost, tohost.
ssi4::ssi4(Form1 &form)
    : FieldDirectiveDialog(form, {"ssi4", "E-mail", "E-mail...", {4035, 2490}}, "email",
                           {{{"Label1(0)", "fromaddress"}, "fromaddress", {}},
                            {{"Label1(3)", "toaddress"}, "toaddress", {}},
                            {{"Label1(2)", "fromhost"}, "fromhost", {}},
                            {{"Label1(1)", "tohost"}, "tohost", {}}})
{
    // The note gets a column of its own at the frame's right edge, wide enough to be read.
    auto Label2 = makeLabel("Label2", shownLines(note));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid()->addWidget(Label2, 0, 2, 4, 1);
}
