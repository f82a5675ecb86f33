#include "check1.h"
#include "find.h"
#include "preview1.h"
#include "replace.h"
#include "spelling1.h"

#include "insert/windows.h"

std::vector<WindowEntry> commandWindows()
{
    return {
        {QStringLiteral("Find"), createFor<Find>},
        {QStringLiteral("Replace"), createFor<Replace>},
        {QStringLiteral("check1"), createFor<check1>},
        {QStringLiteral("preview1"), createFor<preview1>},
        {QStringLiteral("spelling1"), createFor<spelling1>},
    };
}
