#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rules for the two folder settings and for showing a long folder path.
namespace FolderPath {

// The settings record keeps 255 bytes of each folder.
inline constexpr std::size_t MaxPathBytes = 255;

// Why the folder cannot be stored, or nothing when it can: a longer path
// would be kept cut, naming another folder, as would one that begins or ends
// with a blank, and a control byte would not survive the record.
std::optional<std::string> FolderRefusal(std::string_view path);

// The names of the folders inside folder as the file system holds them
// (bytes, whatever their encoding), hidden ones (".name") left out; none when
// the folder cannot be read.
std::vector<std::string> SubFolders(const std::string& folder);

// The path shortened in the middle so that width(text) <= maxWidth: folders
// after the first are replaced by "..." from the left until it fits; when even
// ".../last" is too wide, the last folder loses its beginning. A path that fits
// comes back whole. The path is UTF-8; it is only cut between characters.
std::string CompactInMiddle(const std::string& path, int maxWidth, const std::function<int(std::string_view)>& width);

} // namespace FolderPath
