#pragma once

#include "tabledialog.h"

// An empty TABLE element with its attributes.
class tbl1 : public TableDialog
{
    Q_OBJECT

public:
    explicit tbl1(Form1 &form);

private:
    QString build() override;
};
