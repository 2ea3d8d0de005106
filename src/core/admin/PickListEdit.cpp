#include "core/admin/PickListEdit.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/TextLines.h"
#include "core/desk/PickListFile.h"

#include <functional>

namespace PickListEdit {

namespace {

constexpr std::size_t KeyLength = 7;

// Calls visit(index of the line, its text) for each line the section lists.
void ForEachSectionLine(const std::vector<RawLine>& lines, std::string_view key,
                        const std::function<void(std::size_t, std::string_view)>& visit) {
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i].text;
        switch (PickList::ClassifyLine(text)) {
        case PickList::LineKind::SectionEnd:
            inside = false;
            break;
        case PickList::LineKind::Header:
            if (text.substr(0, KeyLength) == key)
                inside = true;
            break;
        case PickList::LineKind::Item:
            if (inside)
                visit(i, text);
            break;
        }
    }
}

// The index of the line that listed is, or of the section's header when the
// section has no items and no line is asked for; nothing when neither exists.
std::optional<std::size_t> FindLine(const std::vector<RawLine>& lines, std::string_view key,
                                    const std::optional<ListedItem>& listed) {
    std::optional<std::size_t> found;
    int seen = 0;
    ForEachSectionLine(lines, key, [&](std::size_t i, std::string_view text) {
        if (!listed)
            found = i; // the last line of the section
        else if (text == listed->text && seen++ == listed->occurrence && !found)
            found = i;
    });
    if (found || listed)
        return found;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (PickList::ClassifyLine(lines[i].text) == PickList::LineKind::Header &&
            lines[i].text.substr(0, KeyLength) == key)
            return i;
    return std::nullopt;
}

std::string Join(const std::vector<RawLine>& lines, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i)
        AppendLine(out, lines[i].text);
    return out;
}

bool HasSection(const std::vector<RawLine>& lines, std::string_view key) {
    for (const RawLine& line : lines)
        if (PickList::ClassifyLine(line.text) == PickList::LineKind::Header && line.text.substr(0, KeyLength) == key)
            return true;
    return false;
}

using Edit = std::function<std::optional<std::string>(std::string_view)>;

FileError EditFile(const std::string& path, std::string_view key, const Edit& edit) {
    FileLock lock(path);
    if (lock.error())
        return lock.error();
    FileError result;
    std::optional<std::string> changed;
    const FileError written = ChangeLockedFile(path, [&](const FileError& readError, std::string& bytes) -> FileChange {
        result = readError;
        if (readError)
            return {};
        changed = edit(bytes);
        if (!changed) {
            result = HasSection(SplitRawLines(bytes), key)
                         ? FileError{ErrorNumber::NothingFound, "The item is no longer in the list"}
                         : FileError{ErrorNumber::NothingFound, "The list is no longer in the file"};
            return {};
        }
        return {FileChange::Kind::Replace, *changed};
    });
    return written ? written : result;
}

} // namespace

std::string SectionKey(std::string_view listName) {
    return "[" + std::string(listName.substr(0, KeyLength - 1));
}

int ItemLimit(std::string_view listName) {
    if (listName == "CATEGORY" || listName == "DEPARTMENT")
        return 25;
    if (listName == "DESCRIPTION OF WORK" || listName == "SELECT ACCESS")
        return 40;
    return 0;
}

std::vector<std::string> SectionItems(std::string_view bytes, std::string_view key) {
    std::vector<std::string> items;
    ForEachSectionLine(SplitRawLines(bytes), key,
                       [&](std::size_t, std::string_view text) { items.emplace_back(text); });
    return items;
}

std::optional<std::string> ItemRefusal(std::string_view item) {
    if (item.empty() || item[0] == ' ' || item[0] == ';' || item[0] == '[')
        return "A list item cannot be empty or start with a blank, \";\" or \"[\"";
    for (const char c : item)
        if (c == '\r' || c == '\n')
            return "A list item must be one line of text";
    return std::nullopt;
}

std::optional<std::string> AddItem(std::string_view bytes, std::string_view key, const std::optional<ListedItem>& after,
                                   std::string_view item) {
    const std::vector<RawLine> lines = SplitRawLines(bytes);
    const std::optional<std::size_t> at = FindLine(lines, key, after);
    if (!at)
        return std::nullopt;
    std::string out = Join(lines, 0, *at + 1);
    AppendLine(out, item);
    out += Join(lines, *at + 1, lines.size());
    return out;
}

std::optional<std::string> RemoveItem(std::string_view bytes, std::string_view key, const ListedItem& listed) {
    const std::vector<RawLine> lines = SplitRawLines(bytes);
    const std::optional<std::size_t> at = FindLine(lines, key, listed);
    if (!at)
        return std::nullopt;
    return Join(lines, 0, *at) + Join(lines, *at + 1, lines.size());
}

FileError LoadSection(const std::string& path, std::string_view key, std::vector<std::string>& items) {
    items.clear();
    std::string bytes;
    if (FileError error = ReadWholeFile(path, bytes))
        return error;
    items = SectionItems(bytes, key);
    return FileError::None();
}

FileError AddToFile(const std::string& path, std::string_view key, const std::optional<ListedItem>& after,
                    std::string_view item) {
    return EditFile(path, key, [&](std::string_view bytes) { return AddItem(bytes, key, after, item); });
}

FileError RemoveFromFile(const std::string& path, std::string_view key, const ListedItem& listed) {
    return EditFile(path, key, [&](std::string_view bytes) { return RemoveItem(bytes, key, listed); });
}

} // namespace PickListEdit
