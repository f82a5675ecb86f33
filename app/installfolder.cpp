#include "installfolder.h"

#include <QStandardPaths>

QString installFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\QUILLET\\");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}
