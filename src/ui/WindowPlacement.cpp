#include "ui/WindowPlacement.h"

#include <algorithm>

namespace {

// The start of a span of `length` centred in [start, start + room); a span
// longer than the room starts where the room does.
int centredStart(int start, int room, int length)
{
    return start + std::max(0, (room - length) / 2);
}

} // namespace

namespace WindowPlacement {

QPoint centredFrame(const QRect &available, QSize client, const QMargins &frame)
{
    const int frameWidth = client.width() + frame.left() + frame.right();
    const int frameHeight = client.height() + frame.top() + frame.bottom();
    return { centredStart(available.x(), available.width(), frameWidth),
        centredStart(available.y(), available.height(), frameHeight) };
}

QPoint clientFor(QPoint frameTopLeft, const QMargins &frame)
{
    return frameTopLeft + QPoint(frame.left(), frame.top());
}

} // namespace WindowPlacement
