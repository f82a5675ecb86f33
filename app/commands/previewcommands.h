#pragma once

class Form1;

// The View menu's previews: both save the document first and hand the saved file to an
// outside program, the web browser (F5) or the viewer the user names (F6).
void previewInBrowser(Form1 &form);
void previewInViewer(Form1 &form);
