#pragma once

#include "tablecell.h"

// The header cell, TH.
class tbl3 : public TableCell
{
    Q_OBJECT

public:
    explicit tbl3(Form1 &form);
};
