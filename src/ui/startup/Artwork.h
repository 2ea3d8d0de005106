#pragma once

#include <QPixmap>
#include <QString>

// The program's own pictures, drawn rather than shipped, so they stay sharp
// at any screen density.
namespace Artwork {
QPixmap ProductLogo(int size);   // the Kestrane mark on the splash and about windows
QPixmap MakerLogo(bool hovered); // the maker's small logo in the main window's corner
// The blue band across the top of the settings windows, with its title;
// pointSize 0 keeps the default font size.
QPixmap Banner(int width, int height, const QString& title, int pointSize = 0);
} // namespace Artwork
