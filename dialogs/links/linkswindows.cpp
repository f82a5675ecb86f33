#include "insert/windows.h"

#include "anchor1.h"
#include "img1.h"
#include "img2.h"

std::vector<WindowEntry> linkWindows()
{
    return {
        {"anchor1", createFor<anchor1>},
        {"img1", createFor<img1>},
        {"img2", createFor<img2>},
    };
}
