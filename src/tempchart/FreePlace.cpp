#include "tempchart/FreePlace.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

bool crosses(const QLineF &line, const QRectF &box)
{
    if (box.contains(line.p1()) || box.contains(line.p2()))
        return true;
    const QLineF edges[]
        = { { box.topLeft(), box.topRight() }, { box.topRight(), box.bottomRight() },
              { box.bottomRight(), box.bottomLeft() }, { box.bottomLeft(), box.topLeft() } };
    return std::any_of(std::begin(edges), std::end(edges), [&](const QLineF &edge) {
        return line.intersects(edge, nullptr) == QLineF::BoundedIntersection;
    });
}

bool meetsAny(const QRect &box, const QList<QRect> &rects)
{
    return std::any_of(
        rects.begin(), rects.end(), [&](const QRect &rect) { return box.intersects(rect); });
}

std::optional<QRect> firstPlace(
    QSize size, const QRect &area, const std::function<bool(const QRect &)> &free)
{
    const int lefts[] = { area.left(), area.right() + 1 - size.width(),
        area.left() + (area.width() - size.width()) / 2 };
    for (int top = area.top(); top + size.height() <= area.bottom() + 1; ++top) {
        for (const int left : lefts) {
            const QRect box(QPoint(left, top), size);
            if (area.contains(box) && free(box))
                return box;
        }
    }
    return std::nullopt;
}

} // namespace

QRect freePlace(QSize size, const QRect &area, const QList<QRect> &solid,
    const QList<QRect> &shunned, const QList<QLineF> &lines)
{
    const auto clear = [&](const QRect &box) {
        const QRectF outline(box);
        return !meetsAny(box, solid) && !meetsAny(box, shunned)
            && std::none_of(lines.begin(), lines.end(),
                [&](const QLineF &line) { return crosses(line, outline); });
    };
    if (const auto place = firstPlace(size, area, clear))
        return *place;
    if (const auto place
        = firstPlace(size, area, [&](const QRect &box) { return !meetsAny(box, solid); }))
        return *place;
    return QRect(area.topLeft(), size);
}
