#pragma once

#include "records/SummaryReport.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A saved summary report: the stamp and the rows, byte for byte, in the small
// versioned format described in docs/report-file-format.md.
namespace reportfile {

inline constexpr int currentVersion = 1;
inline constexpr qint64 maxFileSize = 256 * 1024 * 1024;
inline constexpr int maxStampSize = 256;

enum class Problem { None, Unreadable, TooLarge, NotAReport, UnknownVersion, Damaged };

struct Loaded {
    std::optional<ReportContent> content; // set when the file was read whole
    Problem problem = Problem::None;
    QString message; // for the user, when there is a problem
};

QByteArray serialize(const ReportContent &content);
// Reads a file's bytes; never trusts a count before the bytes it counts are there.
Loaded parse(QByteArrayView bytes);

// Writes atomically: the old file stays whole when writing fails.
// Throws std::runtime_error with a message for the user.
void save(const ReportContent &content, const QString &fileName);
Loaded load(const QString &fileName);

} // namespace reportfile
