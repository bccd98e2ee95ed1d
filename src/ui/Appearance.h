#pragma once

class QApplication;

// The program's look on every platform: "MS Sans Serif" and "Arial" drawn by
// Liberation Sans (same metrics), 11-pixel default text as the window layouts
// expect, and the interface in the user's language (ui/Language): Polish, as
// the texts are written, or a translation.
void applyAppearance(QApplication &application);
