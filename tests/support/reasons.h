#pragma once

#include <QString>

// What the system says of a file that is not there, in its own words (they differ
// between Linux and Windows).
QString missingFileReason();
