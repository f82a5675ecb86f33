#include "installfolder.h"

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
    return installFolder(onWindows,
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString previewFile(const QString &installFolder, bool windows)
{
    const QChar separator = windows ? QLatin1Char('\\') : QLatin1Char('/');
    QString path = installFolder;
    if (!path.endsWith(separator))
        path += separator;
    return path + QStringLiteral("temp") + separator + QStringLiteral("toview.htm");
}

QString previewFile(const QString &installFolder)
{
    return previewFile(installFolder, onWindows);
}
