#pragma once

#include <QImage>

// The program's icon, drawn rather than shipped as a bitmap: the window icon
// and the desktop menu's icons at every size come from this one drawing.
QImage programIcon(int size);
