#include "insert/windows.h"

#include "formss1.h"
#include "formss2.h"
#include "formss3.h"
#include "formss4.h"
#include "formss5.h"

std::vector<WindowEntry> formWindows()
{
    return {
        {"formss1", createFor<formss1>},
        {"formss2", createFor<formss2>},
        {"formss3", createFor<formss3>},
        {"formss4", createFor<formss4>},
        {"formss5", createFor<formss5>},
    };
}
