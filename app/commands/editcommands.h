#pragma once

class Form1;

// The Edit menu's commands and the editor font of the Options menu. The clipboard holds
// plain text; a command with nothing to take leaves the clipboard and the editor alone.
void cutSelection(Form1 &form);
void copySelection(Form1 &form);
void pasteClipboard(Form1 &form);
void deleteSelection(Form1 &form); // the selection, or the character after the caret
void selectAll(Form1 &form);
// Asks for a line number and puts the caret at the start of that line.
void goToLine(Form1 &form);
// Selects all, then shows the whole text in the font the user chooses. The font is only
// shown, never saved.
void chooseEditorFont(Form1 &form);
