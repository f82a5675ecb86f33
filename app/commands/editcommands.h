#pragma once

#include "app/commondialogs.h"

class Form1;

// Cut, Copy, Paste, Delete, Select All and the editor font. The clipboard holds plain
// text; a command with nothing to take leaves the clipboard and the editor alone.
class EditCommands
{
public:
    explicit EditCommands(Form1 &form);

    void cut();
    void copy();
    void paste();
    void deleteSelection(); // the selection, or the character after the caret
    void selectAll();
    void chooseFont();

private:
    Form1 &m_form;
    // The font dialog starts from what it answered last; the font is shown, never saved.
    FontChoice m_font{QStringLiteral("Courier New"), 10};
};
