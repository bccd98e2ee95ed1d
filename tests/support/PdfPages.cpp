#include "support/PdfPages.h"

#include <QFile>
#include <QRegularExpression>

QList<QSize> pdfPageSizes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString pdf = QString::fromLatin1(file.readAll());
    QList<QSize> sizes;
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"));
    for (const QRegularExpressionMatch &box : mediaBox.globalMatch(pdf))
        sizes << QSize(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble()));
    static const QRegularExpression pagesCount(
        QStringLiteral("/Type /Pages\\s*/Kids [^/]*/Count (\\d+)"));
    const QRegularExpressionMatch count = pagesCount.match(pdf);
    if (!count.hasMatch() || count.captured(1).toInt() != sizes.size())
        return {};
    return sizes;
}
