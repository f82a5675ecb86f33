#include "app/commandline.h"
#include "app/form2.h"
#include "app/qtcommondialogs.h"
#include "app/systemworld.h"
#include "document/memory.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    returnLargeBlocks();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    // Lets the desktop match the windows with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("quillet"));
    Q_INIT_RESOURCE(quillet);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/logo.png")));

    const CommandLine commandLine = readCommandLine(QApplication::arguments());
    if (commandLine.endsAtOnce()) {
        std::fputs(qPrintable(commandLine.reply), commandLine.status == 0 ? stdout : stderr);
        return commandLine.status;
    }

    QtCommonDialogs dialogs;
    SystemWorld world;
    Form2 intro(dialogs, world);
    intro.start(commandLine.file);
    return app.exec();
}
