#include "easy1.h"
#include "special1.h"

#include "insert/windows.h"

std::vector<WindowEntry> paletteWindows()
{
    return {{"special1", createFor<special1>}, {"easy1", createFor<easy1>}};
}
