#pragma once

#include <QPixmap>

// The program's own pictures, drawn rather than shipped, so they stay sharp
// at any screen density.
namespace Artwork {
QPixmap ProductLogo(int size);   // the Kestrane mark on the splash and about windows
QPixmap MakerLogo(bool hovered); // the maker's small logo in the main window's corner
} // namespace Artwork
