#include "ssi3.h"

ssi3::ssi3(Form1 &form)
    : FieldDirectiveDialog(form, {"ssi3", "Include...", "Include...", {3930, 1635}}, "include",
                           {{{"Label1", "Virtual:"}, "virtual", "<filename>"},
                            {{"Label2", "File:"}, "file", "<filename>"}})
{}
