#pragma once

#include <QString>

// Quillet's own folder: C:\QUILLET\ on Windows, made when missing, the per-user application
// data folder elsewhere. The easy-anchors start folder lives there. Each system's answer
// can be worked out on the other, so that both are checked anywhere.
QString installFolder(bool windows, const QString &appDataFolder);
QString installFolder();

// The user's own data folder, which no other user can write: %LOCALAPPDATA%\Quillet on
// Windows, the install folder elsewhere.
QString userDataFolder();

// The browser preview's file: temp/toview.htm under the user's own data folder.
QString previewFile(const QString &userDataFolder);
