#pragma once

#include <string>
#include <vector>

namespace AviFile {

// An uncompressed 24-bit AVI video. Each frame is a bitmap's pixel data:
// rows from the bottom up, blue-green-red, each row padded to four bytes.
std::string UncompressedVideo(int width, int height, int framesPerSecond, const std::vector<std::string>& frames);

} // namespace AviFile
