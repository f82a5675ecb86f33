#include "insert/windows.h"

#include "ssi1.h"
#include "ssi2.h"
#include "ssi3.h"
#include "ssi4.h"
#include "ssi5.h"
#include "ssi6.h"

std::vector<WindowEntry> ssiWindows()
{
    return {
        {"ssi1", createFor<ssi1>},
        {"ssi2", createFor<ssi2>},
        {"ssi3", createFor<ssi3>},
        {"ssi4", createFor<ssi4>},
        {"ssi5", createFor<ssi5>},
        {"ssi6", createFor<ssi6>},
    };
}
