#include "special1.h"

#include "insert/windows.h"

std::vector<WindowEntry> paletteWindows()
{
    return {{"special1", createFor<special1>}};
}
