#include "tbl2.h"

tbl2::tbl2(Form1 &form)
    : TableCell(form,
                {{"tbl2", "Table column", "Table Column", {6060, 2940}},
                 "TD",
                 ">Your column content</TD>",
                 {"Command6", "Command3", "Command4", "Command5"},
                 {"Check1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                  "Text8", "Command2", "Command1", "Text9", "Command3", "Command4", "Command5",
                  "Command6"}})
{
}
