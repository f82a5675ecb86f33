#pragma once

#include "filedirectivedialog.h"

// The fsize directive: the size of a file.
class ssi5 : public FileDirectiveDialog
{
    Q_OBJECT

public:
    explicit ssi5(Form1 &form);
};
