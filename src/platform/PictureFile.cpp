#include "platform/PictureFile.h"

#include "core/AtomicFile.h"

QPixmap PictureFromFile(const std::string& path) {
    std::string bytes;
    QPixmap picture;
    if (!ReadWholeFile(path, bytes))
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
    return picture;
}
