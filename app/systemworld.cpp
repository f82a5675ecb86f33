#include "systemworld.h"

#include "installfolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTextDocument>
#include <QUrl>

QString SystemWorld::installFolder()
{
    return ::installFolder();
}

QString SystemWorld::userDataFolder()
{
    return ::userDataFolder();
}

QString SystemWorld::openInBrowser(const QString &file)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return QStringLiteral("The desktop has no program that opens web pages.");
    return {};
}

QString SystemWorld::startProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!process.startDetached())
        return process.errorString();
    return {};
}

QString SystemWorld::print(const QString &text)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return QStringLiteral("There is no printer to print on.");
    QPrinter printer(printerInfo);
    QTextDocument document;
    document.setPlainText(text);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        return QStringLiteral("The printer %1 reported an error.").arg(printerInfo.printerName());
    return {};
}

void SystemWorld::endProgram()
{
    QCoreApplication::exit(0);
}

QByteArray SystemWorld::lineEnd()
{
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

QStringList SystemWorld::dictionaryFolders()
{
#ifdef Q_OS_WIN
    // The installed copy's, else (the zip, unpacked anywhere) those beside the program.
    const QString name = QStringLiteral("dictionaries");
    return {QDir(installFolder()).filePath(name),
            QDir(QCoreApplication::applicationDirPath()).filePath(name)};
#else
    return {QStringLiteral("/usr/share/hunspell"), userDataFolder()};
#endif
}
