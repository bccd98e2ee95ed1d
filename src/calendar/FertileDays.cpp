#include "calendar/FertileDays.h"

#include <QString>

std::optional<FertilePanels> fertilePanels(QStringView cycleLengthText)
{
    for (int length = 21; length <= 33; ++length) {
        if (cycleLengthText == QString::number(length))
            return FertilePanels { length - 20, length - 13 };
    }
    return std::nullopt;
}
