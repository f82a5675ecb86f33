#include "insert/windows.h"

std::vector<WindowEntry> commandWindows()
{
    return {};
}
