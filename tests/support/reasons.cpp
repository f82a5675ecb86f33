#include "reasons.h"

#include <QDir>
#include <QFile>

QString missingFileReason()
{
    QFile file(QDir::temp().filePath(QStringLiteral("quillet-no-such-file.htm")));
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}
