#pragma once

#include "tablecell.h"

// The data cell, TD.
class tbl2 : public TableCell
{
    Q_OBJECT

public:
    explicit tbl2(Form1 &form);
};
