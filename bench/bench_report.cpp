// Times building the summary report of 10,000 lines from the record set and
// rendering all its pages to a PDF file, and prints pages per second.

#include "data/TTextDataSet.h"
#include "records/SummaryReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int lineCount = 10'000;
constexpr int rounds = 3;

// Entries like "07-03-15 15/36,6 16/36,7": a date and up to 29 readings.
QByteArray makeEntries()
{
    QByteArray bytes;
    char buffer[16];
    for (int entry = 0; entry < lineCount - 1; ++entry) {
        std::snprintf(buffer, sizeof buffer, "%02d-%02d-%02d", entry / 372 % 100,
            entry / 31 % 12 + 1, entry % 31 + 1);
        bytes.append(buffer);
        for (int reading = 0; reading < entry % 30; ++reading) {
            std::snprintf(buffer, sizeof buffer, " %02d/37,%d", reading + 1, reading % 5);
            bytes.append(buffer);
        }
        bytes.append("\r\n");
    }
    return bytes + "Miravela 2.0\r\n";
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv); // fonts need a GUI application
    QTemporaryDir dir;
    const QString daty = dir.filePath(QStringLiteral("Daty.txt"));
    QFile file(daty);
    if (!file.open(QIODevice::WriteOnly) || file.write(makeEntries()) < 0)
        return 1;
    file.close();

    TTextDataSet dataSet;
    dataSet.setFileName(daty);
    dataSet.open();
    const QString pdf = dir.filePath(QStringLiteral("zestawienie.pdf"));

    double best = 1e300;
    int pages = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        SummaryReport report;
        report.build(dataSet, QDateTime::currentDateTime());
        exportReportPdf(report.content(), pdf);
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
        pages = report.pageCount();
    }
    std::printf("summary report of %d lines: %d pages, %.1f KiB of PDF\n", dataSet.recordCount(),
        pages, double(QFileInfo(pdf).size()) / 1024);
    std::printf(
        "build + render to PDF: %.3f s (best of %d), %.0f pages/s\n", best, rounds, pages / best);
    return 0;
}
