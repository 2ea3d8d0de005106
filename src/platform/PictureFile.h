#pragma once

#include <QPixmap>

#include <string>

// A picture read through its path's own bytes. Photo names carry the booking
// files' 8-bit text, which is no valid file name for Qt to decode; a picture
// that cannot be read gives a null pixmap.
QPixmap PictureFromFile(const std::string& path);
