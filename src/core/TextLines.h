#pragma once

#include <string_view>
#include <vector>

// One line of a text file as it lies in the file: its text without the line
// end, and all of its bytes including the line end ("\r\n", "\n" or none for a
// last line without one). Rewriting a file from the `whole` views of its lines
// gives back exactly the bytes read.
struct RawLine {
    std::string_view text;
    std::string_view whole;
};

// Splits bytes at each LF; a CR right before the LF belongs to the line end,
// any other CR stays in the text.
inline std::vector<RawLine> SplitRawLines(std::string_view bytes) {
    std::vector<RawLine> lines;
    lines.reserve(bytes.size() / 1188 + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
        std::size_t textEnd = lf == std::string_view::npos ? bytes.size() : lf;
        if (lf != std::string_view::npos && textEnd > start && bytes[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back({bytes.substr(start, textEnd - start), bytes.substr(start, end - start)});
        start = end;
    }
    return lines;
}
