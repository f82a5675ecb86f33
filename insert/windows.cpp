#include "windows.h"

QWidget *createWindow(const QString &name, Form1 &form)
{
    using Group = std::vector<WindowEntry> (*)();
    static const Group groups[] = {commandWindows, paletteWindows, documentWindows,
                                   textWindows,    listWindows,    linkWindows,
                                   frameWindows,   wizardWindows,  tableWindows,
                                   formWindows,    ssiWindows};
    for (Group group : groups) {
        for (const WindowEntry &entry : group()) {
            if (entry.name == name)
                return entry.create(form);
        }
    }
    return nullptr;
}
