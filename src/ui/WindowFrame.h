#pragma once

#include <QMargins>

#include <optional>

class QWidget;

// The frame the window manager puts round a top-level window: its title bar
// and borders, as margins round the client area.
namespace WindowFrame {

// The margins `window` will get from the window manager, known before the
// window is mapped where possible. Under X11 the window manager is asked
// (_NET_REQUEST_FRAME_EXTENTS) and given up to a tenth of a second once; a
// manager that let that pass is not asked again, and the frame of a window of
// ours already on the screen stands in, one of the same kind (type, and fixed
// size or not: a manager may give a resizable window a grip at the bottom)
// where there is one. Empty when neither tells: the frame is known only after
// showing. With no X11 (offscreen, other platforms) there is no frame to
// allow for.
std::optional<QMargins> expectedMargins(QWidget *window);

// Asks the window manager now for the frame `window` will get, without
// waiting: expectedMargins() then finds the answer, which the window manager
// gave while the program went on with other work. Makes the native window.
void askEarly(QWidget *window);

// True when the frame `window` gets is known for certain only once it is on
// the screen (under X11), so that a place worked out before is to be checked.
bool frameKnownOnlyOnScreen(const QWidget *window);

// The margins of a window's frame as Qt knows them now; empty while Qt knows
// no frame (before the window manager has put one round a shown window).
std::optional<QMargins> knownMargins(const QWidget *window);

} // namespace WindowFrame
