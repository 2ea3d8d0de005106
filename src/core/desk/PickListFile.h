#pragma once

#include "core/FileError.h"

#include <string>
#include <string_view>
#include <vector>

// The pick-list file: plain text lines grouped in sections under ten-character headers.
// One reader serves every window that offers these lists; each asks for its own headers.
namespace PickList {

inline constexpr const char* CategoryHeader = "[CATEGORY]";
inline constexpr const char* DepartmentHeader = "[DEPARTME]";
inline constexpr const char* DescriptionHeader = "[DESCRIPT]";
inline constexpr const char* AccessAreaHeader = "[SELECTAC]";
inline constexpr std::size_t HeaderLength = 10;

// Relative to ProgramFolder (which ends in "/").
inline constexpr const char* CustomListsRelative = "_KSF/KSystem/KACustom.ini";

inline std::string CustomListsFile(const std::string& programFolder) {
    return programFolder + CustomListsRelative;
}

enum class LineKind {
    SectionEnd, // empty, or starting with a blank or ";"
    Header,     // starting with "["
    Item        // anything else, tab-started lines included
};

LineKind ClassifyLine(std::string_view line);

// Index into headers of the header this line opens (its first ten characters, case-sensitive),
// or -1 when it opens none of them.
int MatchHeader(std::string_view line, const std::vector<std::string>& headers);

// Reads the file line by line (CR LF, CR or LF endings) and collects the items of the sections named
// by headers: lists[i] gets the item lines, untrimmed and in file order, of headers[i]. A header
// not among headers leaves the reading state as it was, so items under it go to the list still
// open above it; items outside any section are ignored. lists is reset to headers.size() lists.
// Returns 53 when the file does not exist (a missing folder included), another error number when
// it cannot be opened or read (lists then hold what was read before).
FileError ReadPickLists(const std::string& path, const std::vector<std::string>& headers,
                        std::vector<std::vector<std::string>>& lists);

} // namespace PickList
