#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <functional>
#include <utility>

// Runs the tasks posted to it one after another, in the order they came.
class TaskThread : public QThread
{
public:
    ~TaskThread() override
    {
        post({});
        wait();
    }

    // An empty task ends the thread once the ones before it are done.
    void post(std::function<void()> task)
    {
        const QMutexLocker locker(&m_mutex);
        m_tasks.push_back(std::move(task));
        m_posted.wakeOne();
    }

protected:
    void run() override
    {
        for (;;) {
            std::function<void()> task;
            {
                QMutexLocker locker(&m_mutex);
                while (m_tasks.empty())
                    m_posted.wait(&m_mutex);
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
            if (!task)
                return;
            task();
        }
    }

private:
    QMutex m_mutex;
    QWaitCondition m_posted;
    std::deque<std::function<void()>> m_tasks;
};
