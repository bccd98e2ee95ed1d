// Writes the program's icon for the desktop menu into a hicolor theme tree:
//   miravela_icon OUTPUT_DIR SIZE...
// gives OUTPUT_DIR/<SIZE>x<SIZE>/apps/miravela.png for every size.
#include "ui/ProgramIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (int index = 2; index < argc; ++index) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[index]).toInt(&isNumber);
        if (!isNumber || size < 1 || size > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[index]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = output.filePath(folder + QStringLiteral("/miravela.png"));
        if (!output.mkpath(folder) || !drawProgramIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
