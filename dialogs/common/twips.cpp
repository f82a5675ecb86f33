#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int twips(int value)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return int(std::lround(value * dpi / 1440.0));
}

QSize twipsSize(int width, int height)
{
    return {twips(width), twips(height)};
}
