#include "insert/windows.h"

#include "frame1.h"
#include "frame2.h"
#include "frame3.h"

std::vector<WindowEntry> frameWindows()
{
    return {
        {"frame1", createFor<frame1>},
        {"frame2", createFor<frame2>},
        {"frame3", createFor<frame3>},
    };
}
