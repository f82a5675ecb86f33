#pragma once

#include <QString>

// Quillet's own folder: C:\QUILLET\ on Windows, the per-user application data folder
// elsewhere. The preview file and the easy-anchors start folder live there. Each
// system's answer can be worked out on the other, so that both are checked anywhere.
QString installFolder(bool windows, const QString &appDataFolder);
QString installFolder();

// The browser preview's file: temp\toview.htm under the install folder.
QString previewFile(const QString &installFolder, bool windows);
QString previewFile(const QString &installFolder);
