#include "ui/BakedPictures.h"

#include <cstring>
#include <vector>

namespace BakedPictures {

namespace {

std::vector<Picture> &registered()
{
    static std::vector<Picture> pictures;
    return pictures;
}

} // namespace

Registration::Registration(std::initializer_list<Picture> pictures)
{
    registered().insert(registered().end(), pictures);
}

QImage find(const char *name, QSize size)
{
    for (const Picture &picture : registered()) {
        if (std::strcmp(picture.name, name) == 0 && QSize(picture.width, picture.height) == size)
            return QImage(
                picture.bits, picture.width, picture.height, picture.width * 4, picture.format);
    }
    return {};
}

} // namespace BakedPictures
