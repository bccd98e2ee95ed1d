#pragma once

#include <QStringView>

#include <optional>

// The fertile days of the calendar method for a cycle of L days, with the
// shortest and the longest cycle both L: cycle days L - 18 to L - 11. On the
// chart, whose day panel k shows cycle day k + 2, they are panels L - 20 to
// L - 13. Only the exact texts "21" to "33" name a length; any other text
// (" 28", "028", "34", "") marks nothing.
struct FertilePanels {
    int first;
    int last;
};

std::optional<FertilePanels> fertilePanels(QStringView cycleLengthText);

constexpr int chartDayPanels = 20;
// Day panel k shows the start date plus k + 1 days.
constexpr int daysAfterStart(int panel)
{
    return panel + 1;
}
