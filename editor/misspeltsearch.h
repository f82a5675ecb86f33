#pragma once

#include "textrange.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QTimer>

class Editor;
class Speller;

// Looks for the next misspelt word of the page, from a place to the end and then from the
// top back to where it began. It reads the page a piece at a time between the window's
// other events, so that a long way to the next word never holds the window.
class MisspeltSearch : public QObject
{
    Q_OBJECT

public:
    MisspeltSearch(Editor &editor, Speller &speller);

    // A new round from the place.
    void start(long from);
    // On from the place, in the round begun.
    void resume(long from);
    // The text before the end of the round grew or shrank by delta there.
    void moveEnd(long at, long delta);
    bool isSearching() const { return m_steps.isActive(); }

signals:
    void found(const TextRange &word, const QString &text);
    void roundEnded();

private:
    void step();

    Editor &m_editor;
    Speller &m_speller;
    QTimer m_steps;
    long m_at = 0;      // where reading goes on, a place to start reading from
    long m_skipTo = 0;  // words ending before it were seen
    long m_end = 0;     // where the round ends
    bool m_wrapped = false;
    long m_pieceSize = 0;
    // The words of the round found correct so far, as they stand in the page: most words
    // of a page recur, and their bytes are looked up far faster than their characters.
    QSet<QByteArray> m_correct;
};
