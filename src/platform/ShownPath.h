#pragma once

#include <QString>

#include <string>
#include <string_view>

// A file-system path shown in a box. The path is the bytes the file system
// names it by, which need not be UTF-8 (a folder named on a desk that writes
// 8-bit text), and it must come back from the box as the same bytes.
namespace ShownPath {

// The path as readable text: valid UTF-8 as it reads, and every other byte as
// the Latin-1 character of its value.
QString Text(std::string_view path);

// The path a box holds when it was filled with Text(shownPath) and now shows
// text: the beginning and end the user left as shown keep their own bytes,
// and what the user typed between them is UTF-8.
std::string Bytes(const QString& text, std::string_view shownPath);

} // namespace ShownPath
