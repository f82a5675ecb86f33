#include "installfolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {
#ifdef Q_OS_WIN
constexpr bool onWindows = true;
#else
constexpr bool onWindows = false;
#endif
} // namespace

QString installFolder(bool windows, const QString &appDataFolder)
{
    return windows ? QStringLiteral("C:\\QUILLET\\") : appDataFolder;
}

QString installFolder()
{
    const QString folder = installFolder(
        onWindows, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // The setup program makes it; a program run from the zip makes it itself.
    if (onWindows)
        QDir().mkpath(folder);
    return folder;
}

QString userDataFolder()
{
    // The local one on Windows, not the roaming one that follows the user to other
    // machines; elsewhere both are the same.
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString previewFile(const QString &userDataFolder)
{
    return QDir(userDataFolder).filePath(QStringLiteral("temp/toview.htm"));
}
