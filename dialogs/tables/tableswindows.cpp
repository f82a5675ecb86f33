#include "insert/windows.h"

#include "tbl1.h"
#include "tbl2.h"
#include "tbl3.h"

std::vector<WindowEntry> tableWindows()
{
    return {
        {"tbl1", createFor<tbl1>},
        {"tbl2", createFor<tbl2>},
        {"tbl3", createFor<tbl3>},
    };
}
