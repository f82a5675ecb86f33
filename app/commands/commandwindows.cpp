#include "find.h"
#include "preview1.h"

#include "insert/windows.h"

std::vector<WindowEntry> commandWindows()
{
    return {
        {QStringLiteral("Find"), createFor<Find>},
        {QStringLiteral("preview1"), createFor<preview1>},
    };
}
