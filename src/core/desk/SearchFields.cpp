#include "core/desk/SearchFields.h"

#include "core/AtomicFile.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"

#include <algorithm>
#include <cstring>

namespace SearchFields {

namespace {

// The run of neighbouring fields from first to last.
constexpr ColumnSpan Through(ColumnSpan first, ColumnSpan last) {
    return {first.column, last.column + last.width - first.column};
}

constexpr std::array<SearchField, 11> Fields{{
    {AnyText, {}, "FIND TEXT IN ANY FIELD"},
    {Name, {}, "LOOK FOR VISITOR BY"},
    {"ORGANISATION", Through(Columns::Organisation, Columns::OrganisationEmail), "SEARCH ALL FIELDS IN:"},
    {"HOME ADDRESS", Through(Columns::AddressLine, Columns::HomePhone), "SEARCH ALL FIELDS IN:"},
    {"CAR REGISTRATION", Columns::CarRegistration, "FIND WHOLE OR PART OF A"},
    {"DEPARTMENT", Columns::Department, "FIND OR LIST A:"},
    {"CATEGORY", Columns::Category, "FIND OR LIST A:"},
    {"BUILDING/LOCATION", Columns::Location, "FIND OR LIST A:"},
    {"REFERENCE NO", Columns::OurReference, "FIND OR LIST A:"},
    {"VISITING/REPORTING TO", Through(Columns::ReportingTo, Columns::HostPager), "FIND WHO A PERSON IS"},
    {"REPORTING TO", Through(Columns::ReportingTo, Columns::HostPager), ""},
}};

constexpr std::array<std::string_view, 10> Keys{"ANY TEXT",
                                                "NAME",
                                                "CATEGORY",
                                                "CAR REGISTRATION",
                                                "DEPARTMENT",
                                                "ORGANISATION",
                                                "VISITING/REPORTING TO",
                                                "BUILDING/LOCATION",
                                                "REFERENCE NO",
                                                "HOME ADDRESS"};

inline char Fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    const bool upper = (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7);
    return static_cast<char>(upper ? u | 0x20 : u);
}

// The upper-case partner of a folded letter, or c itself.
inline char Unfold(char c) {
    const auto u = static_cast<unsigned char>(c);
    const bool lower = (u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7);
    return static_cast<char>(lower ? u & ~0x20 : u);
}

const char* Next(const char* from, const char* end, char c) {
    return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(end - from)));
}

// Whether folded needle occurs in text regardless of case. The text is never
// copied: both cases of the needle's first character are found with memchr,
// keeping each next position until it is used, so no byte is scanned twice.
bool ContainsFolded(std::string_view text, std::string_view needle) {
    if (needle.empty())
        return true;
    if (needle.size() > text.size())
        return false;
    const char* const lastStart = text.data() + (text.size() - needle.size()) + 1;
    const char lower = needle[0];
    const char upper = Unfold(lower);
    const char* nextLower = Next(text.data(), lastStart, lower);
    const char* nextUpper = upper == lower ? nullptr : Next(text.data(), lastStart, upper);
    while (nextLower || nextUpper) {
        const bool takeLower = nextLower && (!nextUpper || nextLower < nextUpper);
        const char* at = takeLower ? nextLower : nextUpper;
        std::size_t i = 1;
        while (i < needle.size() && Fold(at[i]) == needle[i])
            ++i;
        if (i == needle.size())
            return true;
        if (takeLower)
            nextLower = Next(at + 1, lastStart, lower);
        else
            nextUpper = Next(at + 1, lastStart, upper);
    }
    return false;
}

std::string FoldCase(std::string_view text) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = Fold(text[i]);
    return out;
}

// Replaces each run of `from` found left to right by one blank.
std::string ReplaceBlanks(std::string_view text, std::string_view from) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, from.size()) == from) {
            out += ' ';
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

const std::array<SearchField, 11>& Table() {
    return Fields;
}

const std::array<std::string_view, 10>& ListByKeys() {
    return Keys;
}

std::optional<std::string_view> PromptFor(std::string_view key) {
    if (std::find(Keys.begin(), Keys.end(), key) == Keys.end())
        return std::nullopt;
    for (const SearchField& f : Fields) {
        if (f.key == key)
            return f.prompt;
    }
    return std::nullopt;
}

std::string_view ListByKeyOrAnyText(std::string_view text) {
    const auto found = std::find(Keys.begin(), Keys.end(), text);
    return found == Keys.end() ? AnyText : *found;
}

std::string NormaliseNameSearch(std::string_view text) {
    // Three blanks to one, then two to one, until no run is left: the same
    // text for every line searched.
    std::string current(text);
    for (;;) {
        std::string next = ReplaceBlanks(ReplaceBlanks(current, "   "), "  ");
        if (next == current)
            return current;
        current = std::move(next);
    }
}

Matcher::Matcher(std::string_view key, std::string_view searchText) {
    for (const SearchField& f : Fields) {
        if (f.key == key)
            field_ = &f;
    }
    needle_ = FoldCase(field_ && field_->key == Name ? NormaliseNameSearch(searchText) : std::string(searchText));
}

std::string_view Matcher::ValueIn(std::string_view line, std::string& buffer) const {
    if (field_->key == AnyText)
        return line;
    if (field_->key == Name) {
        buffer = Text::TrimView(ColumnText(line, Columns::FirstName));
        buffer += ' ';
        buffer += ColumnText(line, Columns::LastName);
        return buffer;
    }
    return ColumnText(line, field_->span);
}

bool Matcher::Matches(std::string_view line) const {
    if (!field_)
        return false;
    std::string buffer;
    return ContainsFolded(ValueIn(line, buffer), needle_);
}

} // namespace SearchFields

std::string SearchMessages::NothingFoundText(std::string_view monthText, std::string_view yearText) {
    return "No items have can be found for " + std::string(monthText) + " " + std::string(yearText);
}

namespace Lists {

ListResult BuildSearchList(const std::string& path, std::string_view key, std::string_view searchText) {
    std::string bytes;
    FileError error = ReadListFile(path, bytes);
    auto list = std::make_shared<BookingList>(std::move(bytes));
    if (error)
        return {std::move(error), std::move(list)};

    const SearchFields::Matcher matcher(Text::TrimView(key), Text::TrimView(searchText));
    for (const RawLine& raw : SplitRawLines(list->Bytes())) {
        const std::string_view line = raw.text;
        if (!matcher.Matches(line))
            continue;
        int firstBooked = 0;
        for (int day = 1; day <= 31 && !firstBooked; ++day)
            if (!Text::IsBlank(ColumnText(line, Columns::DaySlot(day))))
                firstBooked = day;
        list->Add(line, static_cast<std::uint8_t>(firstBooked));
    }
    if (list->RowCount() == 0)
        return {{ErrorNumber::NothingFound, "Nothing found"}, std::move(list)};
    return {FileError::None(), std::move(list)};
}

} // namespace Lists
