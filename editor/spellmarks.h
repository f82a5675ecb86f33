#pragma once

#include "textrange.h"

#include <QObject>
#include <QTimer>

#include <vector>

class Editor;
class Speller;

// Spelling as you type: the misspelt words on screen get a wavy underline, checked when
// typing pauses and when other text comes on screen. The word being typed is left alone
// until the caret leaves it. Only the text on screen is read, so a page of any size costs
// the same.
class SpellMarks : public QObject
{
    Q_OBJECT

public:
    SpellMarks(Editor &editor, Speller &speller);

    void setOn(bool on);
    bool isOn() const { return m_on; }
    // The page's own LANG, which picks its dictionary.
    void followPage();
    void check();

private:
    void schedule();
    std::vector<TextRange> misspeltIn(TextRange shown, long caret, bool &typedWordLeft);

    Editor &m_editor;
    Speller &m_speller;
    QTimer m_pause;
    bool m_on = false;
    bool m_edited = false; // since the last check
    long m_typedAt = -1;   // where the last edit left the caret
};
