#pragma once

#include <QWidget>

class Form1;

// The special characters palette: one button per character, each inserting the
// character's named entity at the main window's caret. It stays open and keeps the
// focus, so several entities can go in a row.
class special1 : public QWidget
{
    Q_OBJECT

public:
    explicit special1(Form1 &form);
};
