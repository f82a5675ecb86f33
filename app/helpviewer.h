#pragma once

#include <QTextBrowser>

// The help window: shows the help topic with a given context number.
class HelpViewer : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void showTopic(int context);
    int topic() const { return m_topic; }

private:
    int m_topic = 0;
};
