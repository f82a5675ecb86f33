#pragma once

#include <QSize>
#include <QWidget>

class Form1;
class QPushButton;

// A small modeless window of the main window (Find, the viewer window). It starts
// at its size in twips, grows to fit its contents, and its cancel button only hides it,
// so its fields keep their contents for the next use.
class CommandWindow : public QWidget
{
    Q_OBJECT

public:
    CommandWindow(Form1 &form, const QString &name, const QString &caption, QSize clientTwips,
                  bool resizable = false);

protected:
    Form1 &form() const { return m_form; }
    QPushButton *makeCancelButton(const QString &name);

    void showEvent(QShowEvent *event) override;

private:
    Form1 &m_form;
    QSize m_clientTwips;
    bool m_resizable;
    bool m_fitted = false;
};
