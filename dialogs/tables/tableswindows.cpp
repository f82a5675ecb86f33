#include "insert/windows.h"

std::vector<WindowEntry> tableWindows()
{
    return {};
}
