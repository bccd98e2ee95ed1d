#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window goes on the screen, worked out from its client-area size and
// the margins of the frame the window manager puts round it (title bar and
// borders). Pure arithmetic: nothing here talks to a window system.
namespace WindowPlacement {

// The top-left corner of the frame that centres the whole frame on `available`.
// A frame wider or taller than the area starts at the area's left or top edge,
// so that the title bar and its buttons stay on the screen.
QPoint centredFrame(const QRect &available, QSize client, const QMargins &frame);

// The client area's top-left corner for a frame whose corner is at `frameTopLeft`.
QPoint clientFor(QPoint frameTopLeft, const QMargins &frame);

} // namespace WindowPlacement
