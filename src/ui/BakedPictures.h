#pragma once

#include <QImage>

#include <initializer_list>

// The pictures the program draws in code (its window icon, the splash
// picture) are drawn once more at build time, by the same code, and carried
// in the program's executable as pixels: showing them at start-up then costs
// no drawing and, for the splash, none of the fonts of its lettering. Where
// none was baked (in the tests, in the baking tool itself) they are drawn.
namespace BakedPictures {

struct Picture {
    const char *name;
    int width;
    int height;
    QImage::Format format; // 32 bits a pixel
    const uchar *bits; // the rows one after another, width × 4 bytes each
};

// Made by the baked pictures' own source as the executable starts.
class Registration {
public:
    Registration(std::initializer_list<Picture> pictures);
};

// The baked picture of that name and size, or a null image. It shares the
// executable's bytes and is copied only if painted on.
QImage find(const char *name, QSize size);

} // namespace BakedPictures
