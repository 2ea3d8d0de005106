#pragma once

#include "core/FileError.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings window's editor of the pick-list file. It shows one section at
// a time and changes only the lines it shows for that section; every other
// line is written back with its text as it was, ended by CR LF.
namespace PickListEdit {

// "[" and the first six characters of the list's name: the editor knows a
// section by the first seven characters of its header line.
std::string SectionKey(std::string_view listName);

// The longest item the list takes (25 or 40), or 0 for a name that is no list.
int ItemLimit(std::string_view listName);

// The item lines of the section, untrimmed and in file order: from a header
// that starts with key until an empty line or one starting with a blank or
// ";". Another header does not end the section; its lines run on into it.
std::vector<std::string> SectionItems(std::string_view bytes, std::string_view key);

// Why item (already trimmed) cannot be stored as a line of the file, or
// nothing when it can: it would be empty, read as a section end or a header,
// or split the line.
std::optional<std::string> ItemRefusal(std::string_view item);

// One listed line: its text and which of the equal lines of the section it is
// (0 for the first), so a repeated item is told apart from its copies.
struct ListedItem {
    std::string text;
    int occurrence = 0;
};

// The file with item inserted after the listed line `after`, or at the end of
// the section when there is none; nothing when that line or the section is no
// longer in the file.
std::optional<std::string> AddItem(std::string_view bytes, std::string_view key, const std::optional<ListedItem>& after,
                                   std::string_view item);

// The file without the listed line, or nothing when it is no longer there.
std::optional<std::string> RemoveItem(std::string_view bytes, std::string_view key, const ListedItem& listed);

// Reads the section from the file at path. Errors: 53 file missing, 76 folder
// missing, 70 permission denied, 75 others; items are then empty.
FileError LoadSection(const std::string& path, std::string_view key, std::vector<std::string>& items);

// Adds or removes under the file's cross-process lock, rewriting it
// atomically: a failure leaves the file as it was. A line or a section that
// is no longer where the list showed it (another desk changed the file) is
// error 2000, said as such; a file that a writer taking no lock keeps
// changing is 2004.
FileError AddToFile(const std::string& path, std::string_view key, const std::optional<ListedItem>& after,
                    std::string_view item);
FileError RemoveFromFile(const std::string& path, std::string_view key, const ListedItem& listed);

} // namespace PickListEdit
