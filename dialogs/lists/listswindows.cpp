#include "insert/windows.h"

#include "list1.h"
#include "list2.h"

std::vector<WindowEntry> listWindows()
{
    return {
        {"list1", createFor<list1>},
        {"list2", createFor<list2>},
    };
}
