#include "insert/windows.h"

#include "fontc1.h"
#include "head1.h"
#include "mar1.h"
#include "multicol1.h"
#include "par1.h"
#include "spacer1.h"

std::vector<WindowEntry> textWindows()
{
    return {
        {"Head1", createFor<Head1>},
        {"par1", createFor<par1>},
        {"fontc1", createFor<fontc1>},
        {"multicol1", createFor<multicol1>},
        {"spacer1", createFor<spacer1>},
        {"mar1", createFor<mar1>},
    };
}
