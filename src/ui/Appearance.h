#pragma once

class QApplication;

// The program's look on every platform: "MS Sans Serif" and "Arial" drawn by
// Liberation Sans (same metrics), 11-pixel default text as the window layouts
// expect, and Qt's own Polish translations for standard buttons and dialogs.
void applyAppearance(QApplication &application);
