#pragma once

#include <QString>

// Quillet's own folder: C:\QUILLET\ on Windows, the per-user application data folder
// elsewhere. The preview file and the easy-anchors start folder live there.
QString installFolder();
