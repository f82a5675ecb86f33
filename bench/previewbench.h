#pragma once

#include <QString>

class Form1;

// The live preview, kept on from the last run: what a typed key costs the window's thread
// at the middle of the page with the pane shown and hidden, and how long after the pause a
// drawing of the smaller page is shown.
void benchPreview(Form1 &form, const QString &page, const QString &smallPage);
