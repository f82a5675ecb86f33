#include "workprogress.h"

#include <QApplication>
#include <QProgressDialog>

#include <algorithm>

namespace {
constexpr qint64 megabyte = 1024 * 1024;
}

WorkProgress::WorkProgress(const QString &label, QWidget *window, int delay)
    : m_label(label)
    , m_window(window)
    , m_delay(delay)
{
    m_clock.start();
}

WorkProgress::~WorkProgress() = default;

bool WorkProgress::update(qint64 done, qint64 total)
{
    // Ten times a second: often enough for the window to answer, seldom enough that the
    // editor's own idle work (the layout of a large page) does not hold the work up.
    if (m_lastUpdate.isValid() && m_lastUpdate.elapsed() < 100)
        return !(m_dialog && m_dialog->wasCanceled());
    m_lastUpdate.start();
    if (!m_dialog && m_clock.elapsed() >= m_delay)
        show(total > 0 ? int(total / megabyte) + 1 : 0);
    if (!m_dialog) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    // The dialog is modal, so only its Cancel button takes input meanwhile.
    m_dialog->setValue(std::min(int((done + megabyte - 1) / megabyte), m_dialog->maximum()));
    QApplication::processEvents();
    return !m_dialog->wasCanceled();
}

void WorkProgress::show(int megabytes)
{
    m_dialog = std::make_unique<QProgressDialog>(m_label, QStringLiteral("Cancel"), 0, megabytes,
                                                 m_window);
    m_dialog->setObjectName(QStringLiteral("Progress"));
    m_dialog->setWindowTitle(QStringLiteral("Quillet"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoReset(false);
    m_dialog->show();
}
