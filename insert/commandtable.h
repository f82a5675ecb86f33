#pragma once

#include "app/menuitem.h"

// The "&Insert..." menu (also the editor's pop-up menu) and the "&Tools..." menu.
MenuItem insertMenu();
MenuItem toolsMenu();

// Actions shared by the menus and the tab strip.
Handler inserts(const QString &text);
Handler shows(const QString &window);
Handler forwardsTo(const QString &menuItem);
