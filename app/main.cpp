#include "app/form2.h"
#include "app/qtcommondialogs.h"
#include "app/systemworld.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    Q_INIT_RESOURCE(quillet);

    QtCommonDialogs dialogs;
    SystemWorld world;
    Form2 intro(dialogs, world);
    intro.show();
    intro.activateWindow();
    return app.exec();
}
