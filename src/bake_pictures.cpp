// Draws the pictures the program shows at start-up and writes them, as the
// pixels of C++ arrays, into a source file of the program's executable:
//   miravela_bake_pictures OUTPUT.cpp
// They are drawn by the program's own code, on the offscreen platform, with
// the program's fonts. An output that already holds the same is left as it
// is, so that nothing is rebuilt for it.
#include "app/TForm5.h"
#include "data/SaveFile.h"
#include "ui/Appearance.h"
#include "ui/Language.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QByteArray>
#include <QImage>

#include <cstdio>

namespace {

struct Drawn {
    QByteArray name;
    QImage image;
};

QByteArray formatName(QImage::Format format)
{
    return format == QImage::Format_RGB32 ? "QImage::Format_RGB32"
                                          : "QImage::Format_ARGB32_Premultiplied";
}

QByteArray source(const QList<Drawn> &pictures)
{
    QByteArray text
        = "// Made by miravela_bake_pictures from the program's own drawings: do not edit.\n"
          "#include \"ui/BakedPictures.h\"\n\nnamespace {\n\n";
    QByteArray table;
    int index = 0;
    for (const Drawn &picture : pictures) {
        const QImage &image = picture.image;
        const QByteArray array = "picture" + QByteArray::number(index++);
        text += "const uchar " + array + "[] = {";
        // 32-bit rows have no padding: the pixels are one run of bytes.
        const qsizetype size = image.sizeInBytes();
        for (qsizetype at = 0; at < size; ++at)
            text += (at % 24 == 0 ? "\n    " : " ") + QByteArray::number(image.constBits()[at])
                + ',';
        text += "\n};\n\n";
        table += "    { \"" + picture.name + "\", " + QByteArray::number(image.width()) + ", "
            + QByteArray::number(image.height()) + ", " + formatName(image.format()) + ", " + array
            + " },\n";
    }
    return text + "const BakedPictures::Registration registration {\n" + table
        + "};\n\n} // namespace\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int applicationArgc = 1;
    QApplication application(applicationArgc, argv);
    applyAppearance(application);

    QList<Drawn> pictures;
    for (int size : windowIconSizes) {
        pictures.append({ "programIcon",
            drawProgramIcon(size).convertToFormat(QImage::Format_ARGB32_Premultiplied) });
    }
    // The splash picture carries words: one for each language of the interface.
    for (const QString &language : Language::available()) {
        Language::use(language);
        pictures.append({ TForm5::pictureName(language),
            TForm5::picture(TForm5::pictureSize).toImage().convertToFormat(QImage::Format_RGB32) });
    }

    const QString output = QString::fromLocal8Bit(argv[1]);
    const SaveResult result = saveFile(output, source(pictures));
    if (!result.saved()) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    return 0;
}
