#include "insert/windows.h"

#include "bgs1.h"
#include "body1.h"
#include "div1.h"
#include "doc.h"
#include "is1.h"
#include "meta1.h"
#include "nextid1.h"

std::vector<WindowEntry> documentWindows()
{
    return {
        {"nextid1", createFor<nextid1>},
        {"is1", createFor<is1>},
        {"doc", createFor<doc>},
        {"meta1", createFor<meta1>},
        {"div1", createFor<div1>},
        {"body1", createFor<body1>},
        {"bgs1", createFor<bgs1>},
    };
}
