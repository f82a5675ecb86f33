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

    // The main window once "&Go on" has shown it.
    Form1 *mainWindow() const { return m_goneOn ? m_main.get() : nullptr; }
    // The file "&Go on" opens in the main window, as File > Open would.
    void setStartFile(const QString &path) { m_startFile = path; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void prepareMainWindow();
    void goOn();

    CommonDialogs &m_dialogs;
    OutsideWorld &m_world;
    std::unique_ptr<Form1> m_main;
    QString m_startFile;
    bool m_goneOn = false;
    QMetaObject::Connection m_waitForIdle;
};
