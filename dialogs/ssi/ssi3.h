#pragma once

#include "fielddirectivedialog.h"

// The include directive: a virtual path and a file path.
class ssi3 : public FieldDirectiveDialog
{
    Q_OBJECT

public:
    explicit ssi3(Form1 &form);
};
