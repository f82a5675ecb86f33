#pragma once

#include <QWidget>

#include <memory>

class CommonDialogs;
class Form1;
class OutsideWorld;

// The intro window: the first window of a run. It leads into the main window or ends
// the program.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(CommonDialogs &dialogs, OutsideWorld &world, QWidget *parent = nullptr);
    ~Form2() override;

    // Starts the program: this window, or with a file (from the command line, as the file
    // manager gives it) the main window at once, opening it as File > Open would.
    void start(const QString &file);
    // The main window once it is shown.
    Form1 *mainWindow() const { return m_goneOn ? m_main.get() : nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void prepareMainWindow();
    // Shows the main window in place of this one, opening the file when one is given.
    void openMainWindow(const QString &file = {});

    CommonDialogs &m_dialogs;
    OutsideWorld &m_world;
    std::unique_ptr<Form1> m_main;
    bool m_goneOn = false;
    QMetaObject::Connection m_waitForIdle;
};
