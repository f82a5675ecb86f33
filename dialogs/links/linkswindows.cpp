#include "insert/windows.h"

std::vector<WindowEntry> linkWindows()
{
    return {};
}
