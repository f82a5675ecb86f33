#pragma once

#include <QObject>

// Alt with a letter chooses a menu item or a button and never types, as in Windows' own
// text fields: Qt's text fields and QScintilla type the letter when no access key takes
// it. AltGr still types what the keyboard layout gives: Windows reports it as Ctrl+Alt,
// X11 as a shift of its own, and a dead key comes as the character it makes.
class AltKeys : public QObject
{
public:
    // Watches every text field of the application for as long as the owner lives.
    explicit AltKeys(QObject *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
