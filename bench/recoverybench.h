#pragma once

class Form1;

// Typing in a large document while its recovery file is written: how long after the last
// keystroke the file is on disk, and what a keystroke costs while the writer works.
void benchRecovery(Form1 &form);
