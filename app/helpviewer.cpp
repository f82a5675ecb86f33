#include "helpviewer.h"

#include "appinfo.h"

#include <QFile>

namespace {
constexpr int contentsTopic = 10;

QString topicPath(int context)
{
    return QStringLiteral(":/help/%1.html").arg(context);
}
} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setOpenExternalLinks(true);
    resize(640, 560);
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(QStringLiteral("%1 Help - %2").arg(programTitle, documentTitle()));
    });
}

void HelpViewer::showTopic(int context)
{
    m_topic = QFile::exists(topicPath(context)) ? context : contentsTopic;
    setSource(QUrl(QStringLiteral("qrc") + topicPath(m_topic)));
    show();
    raise();
    activateWindow();
}
