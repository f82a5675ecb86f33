#pragma once

#include <QEvent>
#include <QPaintEvent>
#include <QWidget>

// Counts the times a widget is painted, and of those the times most of it is.
class Paints : public QObject
{
public:
    explicit Paints(QWidget *widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }
    int any = 0;
    int whole = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++any;
            if (static_cast<QPaintEvent *>(event)->rect().height() > m_widget->height() / 2)
                ++whole;
        }
        return false;
    }

private:
    QWidget *m_widget;
};
