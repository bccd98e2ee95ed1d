#include "ui/ProgramIcon.h"

#include "ui/BakedPictures.h"
#include "ui/Controls.h"

#include <QPainter>

#include <cmath>

namespace {

// The drawing is laid out on a 32-pixel square and scaled to the size asked for.
constexpr double designSize = 32;
const QColor leafGreen(64, 150, 64);

} // namespace

QImage drawProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);
    const QPointF centre(designSize / 2, designSize / 2);

    // A green ring for the cycle, with a Colours::fuchsia flower of six petals inside.
    painter.setPen(QPen(leafGreen, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 14.0, 14.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Colours::fuchsia);
    for (int petal = 0; petal < 6; ++petal) {
        const double angle = petal * M_PI / 3;
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * 6.5, 4.5, 4.5);
    }
    painter.setBrush(leafGreen);
    painter.drawEllipse(centre, 3.5, 3.5);
    return image;
}

QImage programIcon(int size)
{
    const QImage baked = BakedPictures::find("programIcon", QSize(size, size));
    return baked.isNull() ? drawProgramIcon(size) : baked;
}
