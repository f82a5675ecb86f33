#pragma once

#include "commandwindow.h"

#include "htmlcheck.h"

#include <QTimer>

#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QThread;

// The HTML Check window: what HTML Tidy finds in the editor's text, one row each;
// choosing a row puts the caret where the finding is. Tidy works on a copy of the text in
// a thread of its own, so that typing and scrolling go on meanwhile.
class check1 : public CommandWindow
{
    Q_OBJECT

public:
    explicit check1(Form1 &form);
    ~check1() override;

    // Checks the text as it stands now, instead of any check still going on; the text
    // itself is never changed.
    void check();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void cancel();
    // Says in Label1 that the check is working, or that the text changed since it began.
    void tell();
    void show(const QList<Finding> &findings);
    void noteEdit();
    void goTo(QListWidgetItem *item);

    QLabel *Label1;
    QListWidget *List1;
    QPushButton *Command1;
    // Set to stop the check going on, which then ends at once.
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    std::vector<QThread *> m_threads;
    QTimer m_slow; // tells that a long check is working
    bool m_checking = false;
    bool m_shown = false; // findings about the text as it was are shown
    bool m_edited = false; // since the check began
};

// Tools › "Check &HTML...": checks the page and shows the findings.
void checkPage(Form1 &form);
