#include "core/desk/PickListFile.h"

#include "core/AtomicFile.h"
#include "core/TextLines.h"

namespace PickList {

LineKind ClassifyLine(std::string_view line) {
    if (line.empty() || line[0] == ' ' || line[0] == ';')
        return LineKind::SectionEnd;
    if (line[0] == '[')
        return LineKind::Header;
    return LineKind::Item;
}

int MatchHeader(std::string_view line, const std::vector<std::string>& headers) {
    if (line.size() < HeaderLength)
        return -1;
    const std::string_view head = line.substr(0, HeaderLength);
    for (std::size_t i = 0; i < headers.size(); ++i) {
        if (head == headers[i])
            return static_cast<int>(i);
    }
    return -1;
}

FileError ReadPickLists(const std::string& path, const std::vector<std::string>& headers,
                        std::vector<std::vector<std::string>>& lists) {
    lists.assign(headers.size(), {});

    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes)) {
        if (e.number == ErrorNumber::PathNotFound) // its folder gone too: still no pick-list file
            e.number = ErrorNumber::FileNotFound;
        return e;
    }

    constexpr int outside = -1;
    int state = outside;
    for (const RawLine& raw : SplitRawLines(bytes)) {
        const std::string_view line = raw.text;
        switch (ClassifyLine(line)) {
        case LineKind::SectionEnd:
            state = outside;
            break;
        case LineKind::Header:
            if (const int h = MatchHeader(line, headers); h >= 0)
                state = h;
            break;
        case LineKind::Item:
            if (state != outside)
                lists[state].emplace_back(line);
            break;
        }
    }
    return FileError::None();
}

} // namespace PickList
