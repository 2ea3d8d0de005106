#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// One line of a text file as it lies in the file: its text without the line
// end, and all of its bytes including the line end ("\r\n", "\r", "\n" or
// none for a last line without one).
struct RawLine {
    std::string_view text;
    std::string_view whole;
};

// Splits bytes into lines the way the desk's files have always been read:
// CR LF, a lone CR and a lone LF each end a line, so a file whose line ends
// were changed by an editor or a copy still gives every line it holds. A
// blank line is a line; nothing follows the end of the last line.
inline std::vector<RawLine> SplitRawLines(std::string_view bytes) {
    std::vector<RawLine> lines;
    lines.reserve(bytes.size() / 1188 + 1);
    std::size_t start = 0;
    // The next CR and the next LF, each looked for alone: far quicker on a
    // large file than looking for either at each byte.
    std::size_t cr = bytes.find('\r'), lf = bytes.find('\n');
    while (start < bytes.size()) {
        if (cr < start)
            cr = bytes.find('\r', start);
        if (lf < start)
            lf = bytes.find('\n', start);
        const std::size_t textEnd = std::min(cr, lf);
        if (textEnd == std::string_view::npos) {
            const std::string_view rest = bytes.substr(start);
            lines.push_back({rest, rest});
            break;
        }
        const bool crLf = bytes[textEnd] == '\r' && textEnd + 1 < bytes.size() && bytes[textEnd + 1] == '\n';
        const std::size_t end = textEnd + (crLf ? 2 : 1);
        lines.push_back({bytes.substr(start, textEnd - start), bytes.substr(start, end - start)});
        start = end;
    }
    return lines;
}

// Adds a line as every rewrite writes it: its text byte for byte, ended by
// CR LF, whatever end it had when it was read.
inline void AppendLine(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}
