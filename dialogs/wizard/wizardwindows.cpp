#include "insert/windows.h"

std::vector<WindowEntry> wizardWindows()
{
    return {};
}
