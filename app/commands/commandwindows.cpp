#include "find.h"
#include "preview1.h"
#include "replace.h"

#include "insert/windows.h"

std::vector<WindowEntry> commandWindows()
{
    return {
        {QStringLiteral("Find"), createFor<Find>},
        {QStringLiteral("Replace"), createFor<Replace>},
        {QStringLiteral("preview1"), createFor<preview1>},
    };
}
