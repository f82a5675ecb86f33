#pragma once

class Form1;
class QTabWidget;

// Fills the tab strip with its four pages of tag buttons; the menu bar is made first.
void addTabPages(QTabWidget &strip, Form1 &form);
