#pragma once

class Form1;

// Offers to save a changed document, then shows the wizard unless the user cancels.
void openWizard(Form1 &form);
