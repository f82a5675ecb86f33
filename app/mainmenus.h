#pragma once

#include "menuitem.h"

// The File, Edit, Options, View and Help menus of the main window.
MenuItem fileMenu();
MenuItem editMenu();
MenuItem optionsMenu();
MenuItem viewMenu();
MenuItem helpMenu();
