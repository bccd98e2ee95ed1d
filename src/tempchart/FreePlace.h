#pragma once

#include <QLineF>
#include <QList>
#include <QRect>

// The first place for a box of `size` inside `area` that meets none of
// `solid`, and if it can also none of `shunned` nor of `lines`: rows are tried
// from the top, and in each row the left edge, the right edge and the middle.
// With no such place at all, the top-left corner of `area`.
QRect freePlace(QSize size, const QRect &area, const QList<QRect> &solid,
    const QList<QRect> &shunned, const QList<QLineF> &lines);
