#include "insert/windows.h"

std::vector<WindowEntry> textWindows()
{
    return {};
}
