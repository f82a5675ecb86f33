#pragma once

#include "textrange.h"

#include <QByteArray>

#include <vector>

class Editor;

// When the caret (an offset into text) stands in the name of a start or end tag, the
// whole tag and its partner; otherwise nothing. Names are compared without case,
// nesting counts, elements without an end tag have no partner, and comments,
// directives and the insides of scripts are skipped.
std::vector<TextRange> matchingTags(const QByteArray &text, qsizetype caret);

// Marks the tag under the editor's caret and its partner, looking only a bounded way
// before and after the caret.
void markMatchingTags(Editor &editor);
