#include "ssi2.h"

ssi2::ssi2(Form1 &form)
    : FieldDirectiveDialog(form, {"ssi2", "Exec...", "Exec", {3810, 1755}}, "exec",
                           {{{"Label1", "Command line:"}, "cmd", "<filename> <arguments>"},
                            {{"Label2", "Cgi:"}, "cgi", "<filename>"}})
{}
