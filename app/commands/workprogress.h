#pragma once

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// Keeps the window alive while long work (a read, Replace All) goes on; work that takes
// longer than the delay shows its progress, counted in megabytes, with a Cancel button.
class WorkProgress
{
public:
    WorkProgress(const QString &label, QWidget *window, int delay);
    ~WorkProgress();

    // False once the user has cancelled.
    bool update(qint64 done, qint64 total);

private:
    void show(int megabytes);

    QString m_label;
    QWidget *m_window;
    int m_delay;
    QElapsedTimer m_clock;
    QElapsedTimer m_lastUpdate;
    std::unique_ptr<QProgressDialog> m_dialog;
};
