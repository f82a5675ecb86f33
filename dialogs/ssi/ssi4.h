#pragma once

#include "fielddirectivedialog.h"

// The email directive: the four addresses it needs, and a note on the optional ones.
class ssi4 : public FieldDirectiveDialog
{
    Q_OBJECT

public:
    explicit ssi4(Form1 &form);
};
