#include "insert/windows.h"

std::vector<WindowEntry> listWindows()
{
    return {};
}
