#include "insert/windows.h"

#include "htmlwiz1.h"

std::vector<WindowEntry> wizardWindows()
{
    return {
        {"htmlwiz1", createFor<htmlwiz1>},
    };
}
