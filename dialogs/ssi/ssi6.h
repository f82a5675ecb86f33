#pragma once

#include "filedirectivedialog.h"

// The flastmod directive: when a file was last changed.
class ssi6 : public FileDirectiveDialog
{
    Q_OBJECT

public:
    explicit ssi6(Form1 &form);
};
