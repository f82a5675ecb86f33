#pragma once

#include "fielddirectivedialog.h"

// The exec directive: a command line and a CGI program.
class ssi2 : public FieldDirectiveDialog
{
    Q_OBJECT

public:
    explicit ssi2(Form1 &form);
};
