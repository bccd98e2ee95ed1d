#pragma once

#include <QImage>

// The program's icon, drawn rather than shipped as a bitmap: the window icon
// and the desktop menu's icons at every size come from this one drawing.
QImage drawProgramIcon(int size);

// The icon as the windows show it: the copy baked at build time when the
// executable carries that size (see BakedPictures), else the drawing.
QImage programIcon(int size);

// The sizes the windows' icon comes in; the executable carries each of them.
inline constexpr int windowIconSizes[] = { 16, 32, 48, 64 };
