#pragma once

#include "menuitem.h"

#include <QStringList>

class Settings;

// The File, Edit, Options, View and Help menus of the main window; the items with a check
// mark start as the settings kept them.
MenuItem fileMenu();
MenuItem editMenu();
// The Options menu lists the spelling dictionaries found.
MenuItem optionsMenu(const Settings &settings, const QStringList &languages);
MenuItem viewMenu(const Settings &settings);
MenuItem helpMenu();
