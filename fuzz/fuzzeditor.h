#pragma once

class Editor;
class QsciScintilla;

// The program's editor on Qt's offscreen platform, made once for the whole run.
Editor &fuzzEditor();
// The QScintilla inside it, which the program never touches: for the references that ask
// Scintilla what the editor's code must agree with.
QsciScintilla &fuzzArea();
