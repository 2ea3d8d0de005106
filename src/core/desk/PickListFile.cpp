#include "core/desk/PickListFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

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

    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        if (std::filesystem::exists(path, ec))
            return {ErrorNumber::PathFileAccess, "Path/File access error"};
        return {ErrorNumber::FileNotFound, "File not found"};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errno == EACCES)
            return {ErrorNumber::PermissionDenied, "Permission denied"};
        return {ErrorNumber::PathFileAccess, std::strerror(errno)};
    }

    constexpr int outside = -1;
    int state = outside;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
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
                lists[state].push_back(line);
            break;
        }
    }
    if (in.bad())
        return {ErrorNumber::PathFileAccess, "Error reading the pick-list file"};
    return FileError::None();
}

} // namespace PickList
