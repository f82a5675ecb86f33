#include "insert/windows.h"

std::vector<WindowEntry> ssiWindows()
{
    return {};
}
