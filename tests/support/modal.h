#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <functional>

// Runs look() on the modal dialog of type T as soon as it is up; look() closes it.
template<class T>
void whenShown(std::function<void(T *)> look)
{
    auto poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, look] {
        if (auto dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            look(dialog);
        }
    });
    poll->start(10);
}

// Runs act() on the first window of type T the moment it is shown, for windows that are
// up only while the program works on something.
template<class T>
void onShow(std::function<void(T *)> act)
{
    class Watch : public QObject
    {
    public:
        explicit Watch(std::function<void(T *)> act)
            : m_act(std::move(act))
        {
        }
        bool eventFilter(QObject *object, QEvent *event) override
        {
            auto window = qobject_cast<T *>(object);
            if (window && event->type() == QEvent::Show) {
                deleteLater();
                qApp->removeEventFilter(this);
                m_act(window);
            }
            return false;
        }

    private:
        std::function<void(T *)> m_act;
    };
    qApp->installEventFilter(new Watch(std::move(act)));
}
