// Times the cycle statistics over a Daty.txt of 100,000 entries, and the
// window "Statystyka cykli" opening on it, and prints what the window says.
// Two-digit years leave room for 36,525 different dates in the hundred years
// they stand for, so a file this long repeats dates; two files are timed:
//  - a century of cycles of 24 to 34 days, each start saved about eighty
//    times, in no order: the figures are those of a real history;
//  - every day of the century a start with 28 readings: the most cycles, and
//    rises, there can be (each a day long, so all left out).
// The statistics should take under 50 ms, and the window open without a
// visible wait.

#include "data/CycleStatistics.h"
#include "data/TTextDataSet.h"
#include "records/CycleTable.h"
#include "records/TFormST.h"
#include "ui/Appearance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int entryCount = 100'000;
constexpr int rounds = 9;

const char *const temperatures[]
    = { "36,6", "36,7", "36,8", "36,9", "37,0", "37,1", "37,2", "37,3", "37,4" };

// A start line with 28 daily readings: low, then a rise from the 15th on.
QByteArray entry(QDate start)
{
    QByteArray line = start.toString(QStringLiteral("yy-MM-dd")).toLatin1();
    for (int day = 0; day < 28; ++day) {
        const int level = day < 14 ? day % 3 : 4 + day % 2;
        line += ' ' + start.addDays(day).toString(QStringLiteral("dd")).toLatin1() + '/'
            + temperatures[level];
    }
    return line;
}

QByteArray fileOf(const QByteArrayList &lines)
{
    return lines.join("\r\n") + "\r\nMiravela 2.0\r\n";
}

QByteArray centuryOfCycles(QDate today, int *starts)
{
    QRandomGenerator random(20070315);
    QByteArrayList distinct;
    for (QDate start = today.addYears(-89); start <= today;
         start = start.addDays(24 + random.bounded(11)))
        distinct << entry(start);
    *starts = int(distinct.size());
    QByteArrayList lines;
    lines.reserve(entryCount);
    for (int i = 0; i < entryCount; ++i)
        lines << distinct[qsizetype(random.bounded(quint32(distinct.size())))];
    return fileOf(lines);
}

QByteArray everyDayAStart(QDate today)
{
    QByteArrayList lines;
    lines.reserve(entryCount);
    const QDate first = today.addYears(-89);
    const qint64 days = first.daysTo(today) + 1;
    for (int i = 0; i < entryCount; ++i)
        lines << entry(first.addDays(i % days));
    return fileOf(lines);
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Best and median of the rounds, in milliseconds.
void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf(
        "  %-34s best %6.1f ms, median %6.1f ms\n", what, times.front(), times[times.size() / 2]);
}

void bench(const char *title, const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return;
    file.close();
    TTextDataSet entries;
    entries.setFileName(path);
    entries.open();
    const QDate today = QDate::currentDate();

    std::printf("%s (%d lines)\n", title, entries.recordCount());
    std::vector<double> statisticsTimes;
    CycleStatistics statistics;
    for (int round = 0; round < rounds; ++round) {
        statisticsTimes.push_back(millisecondsOf([&] {
            statistics = cycleStatistics(
                entries.recordCount(),
                [&entries](qsizetype index) { return entries.fieldViewAt(int(index)); }, today);
        }));
    }
    report("statistics:", statisticsTimes);

    // From the window's making to its first painting, every part laid out.
    std::vector<double> windowTimes;
    for (int round = 0; round < rounds; ++round) {
        windowTimes.push_back(millisecondsOf([&] {
            TFormST window(entries);
            window.show();
            window.repaint();
            QApplication::processEvents();
        }));
    }
    report("window opened and painted:", windowTimes);

    TFormST window(entries);
    window.show();
    std::printf("  cycles %lld (completed %d, left out %d), repeated dates %d, "
                "with a confirmed rise %lld\n",
        qlonglong(statistics.cycles.size()), statistics.completedCycles(), statistics.leftOut,
        statistics.repeatedStarts,
        qlonglong(std::count_if(statistics.cycles.cbegin(), statistics.cycles.cend(),
            [](const Cycle &cycle) { return cycle.rise.has_value(); })));
    std::printf("  table rows %d; the window says:\n", window.table()->rowCount());
    for (const QLabel *label : window.Labels) {
        if (label->isVisibleTo(&window) && label->objectName() != QLatin1String("Label16"))
            std::printf("    %s\n", qPrintable(label->text().replace(QLatin1Char('\n'), "; ")));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    applyAppearance(application);
    QTemporaryDir dir;
    const QDate today = QDate::currentDate();
    int starts = 0;
    const QByteArray century = centuryOfCycles(today, &starts);
    std::printf("%d distinct starts in the century file\n", starts);
    bench("A century of cycles, each start saved about eighty times", century,
        dir.filePath(QStringLiteral("Daty1.txt")));
    bench("Every day of the century a start with 28 readings", everyDayAStart(today),
        dir.filePath(QStringLiteral("Daty2.txt")));
    return 0;
}
