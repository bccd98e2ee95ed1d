#pragma once

#include <QList>
#include <QSize>
#include <QString>

// The page sizes of a PDF file as Qt writes it, in points rounded to whole
// ones (A4 upright is 595 x 842), one per page in the file's order; empty
// when the file cannot be read or its page count disagrees with its pages.
QList<QSize> pdfPageSizes(const QString &path);

inline constexpr QSize A4Portrait { 595, 842 };
inline constexpr QSize A4Landscape { 842, 595 };
