#pragma once

#include <QSize>

// Sizes in twips (1440 to the inch) to pixels at the screen's logical resolution.
int twips(int value);
QSize twipsSize(int width, int height);
