#pragma once

#include "menuitem.h"

class Settings;

// The File, Edit, Options, View and Help menus of the main window; the items with a check
// mark start as the settings kept them.
MenuItem fileMenu();
MenuItem editMenu();
MenuItem optionsMenu(const Settings &settings);
MenuItem viewMenu(const Settings &settings);
MenuItem helpMenu();
