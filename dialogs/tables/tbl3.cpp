#include "tbl3.h"

tbl3::tbl3(Form1 &form)
    : TableCell(form,
                {{"tbl3", "Table Header", "Table Header", {6165, 3000}},
                 "TH",
                 ">Table Header</TH>",
                 {"Command3", "Command4", "Command5", "Command6"},
                 {"Text8", "Text7", "Text6", "Text5", "Text4", "Text3", "Text2", "Text1",
                  "Command1", "Command2", "Check1", "Text9", "Command3", "Command4", "Command5",
                  "Command6"}})
{
}
