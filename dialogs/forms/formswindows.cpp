#include "insert/windows.h"

std::vector<WindowEntry> formWindows()
{
    return {};
}
