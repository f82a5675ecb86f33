#include "commandline.h"

#include "appinfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {
// The status of a program started with arguments it does not understand.
constexpr int usageStatus = 2;

CommandLine usageError(const QString &program, const QString &reason)
{
    return {{},
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                .arg(program, reason),
            usageStatus};
}
} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("%1, an editor for the HTML source of web pages.").arg(programTitle));
    // Own options rather than addHelpOption(): that one also brings --help-all.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The document to open."),
                                 QStringLiteral("[file]"));

    const QString program = QFileInfo(arguments.value(0, programName.toLower())).fileName();
    if (!parser.parse(arguments))
        return usageError(program, parser.errorText());
    if (parser.isSet(help))
        return {{}, parser.helpText(), 0};
    if (parser.isSet(version))
        return {{}, programTitle + QLatin1Char('\n'), 0};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError(program, QStringLiteral("Quillet opens one file at a time, not %1.")
                                       .arg(files.size()));
    if (files.isEmpty())
        return {};
    // With the system's separators, as the file dialogs give a path.
    return {QDir::toNativeSeparators(QFileInfo(files.first()).absoluteFilePath()), {}, 0};
}
