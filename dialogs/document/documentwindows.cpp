#include "insert/windows.h"

#include "is1.h"
#include "nextid1.h"

std::vector<WindowEntry> documentWindows()
{
    return {
        {"nextid1", createFor<nextid1>},
        {"is1", createFor<is1>},
    };
}
