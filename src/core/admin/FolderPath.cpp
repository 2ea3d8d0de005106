#include "core/admin/FolderPath.h"

#include <filesystem>

namespace FolderPath {

std::optional<std::string> FolderRefusal(std::string_view path) {
    if (path.size() > MaxPathBytes)
        return "The folder path is longer than 255 bytes and cannot be kept:";
    // The record is read back trimmed: the blank would be lost.
    if (!path.empty() && (path.front() == ' ' || path.back() == ' '))
        return "A folder path cannot begin or end with a blank:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return "A folder path cannot hold CONTROL characters:";
    }
    return std::nullopt;
}

std::vector<std::string> SubFolders(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!name.starts_with('.') && it->is_directory(typeError))
            names.push_back(std::move(name));
    }
    return names;
}

std::string CompactInMiddle(const std::string& path, int maxWidth, const std::function<int(std::string_view)>& width) {
    if (width(path) <= maxWidth)
        return path;
    static constexpr std::string_view Ellipsis = "...";

    // The head ("/home" of "/home/a/b", "C:" of "C:/a/b") stays; the folders
    // after it go one by one from the left.
    const std::size_t headEnd = path.find('/', path.starts_with('/') ? 1 : 0);
    const std::size_t lastSlash = path.find_last_of('/');
    if (headEnd != std::string::npos && headEnd < lastSlash) {
        const std::string head = path.substr(0, headEnd + 1);
        for (std::size_t cut = path.find('/', headEnd + 1); cut != std::string::npos; cut = path.find('/', cut + 1)) {
            std::string candidate = head + std::string(Ellipsis) + path.substr(cut);
            if (width(candidate) <= maxWidth)
                return candidate;
        }
    }
    // Only the last name is left: it loses characters from its start.
    std::string tail = lastSlash == std::string::npos ? path : path.substr(lastSlash);
    std::string candidate = std::string(Ellipsis) + tail;
    while (!tail.empty() && width(candidate) > maxWidth) {
        std::size_t drop = 1;
        while (drop < tail.size() && (static_cast<unsigned char>(tail[drop]) & 0xC0) == 0x80)
            ++drop;
        tail.erase(0, drop);
        candidate = std::string(Ellipsis) + tail;
    }
    return candidate;
}

} // namespace FolderPath
