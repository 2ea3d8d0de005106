#pragma once

#include "core/FileError.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/ListDescription.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The search fields: which part of a booking line each search key looks in,
// and the rule by which a line matches. The search list, bulk deletion and the
// photo library all search this way.
namespace SearchFields {

inline constexpr std::string_view AnyText = "ANY TEXT";
inline constexpr std::string_view Name = "NAME";

struct SearchField {
    std::string_view key;
    ColumnSpan span;         // empty for "ANY TEXT" (the whole line) and "NAME"
    std::string_view prompt; // empty for keys the find box's combo does not offer
};

// "ANY TEXT", "NAME" and the column runs, ending with "REPORTING TO", the key
// bulk deletion and the photo library give the "VISITING/REPORTING TO" run.
const std::array<SearchField, 11>& Table();

// The keys of the search combo in its order.
const std::array<std::string_view, 10>& ListByKeys();

// The prompt shown above the find box for a key of the combo; nullopt for any
// other text (the prompt then stays as it is).
std::optional<std::string_view> PromptFor(std::string_view key);

// What the combo shows once it loses the focus: its text when that is one of
// its keys, else "ANY TEXT".
std::string_view ListByKeyOrAnyText(std::string_view text);

// A name search text with every run of blanks made one blank.
std::string NormaliseNameSearch(std::string_view text);

// Whether booking lines match a search text under a key: the text occurs
// anywhere in the key's value, regardless of letter case (Latin-1 letters
// included). Under "NAME" the value is the trimmed first name, a blank and the
// last name, and the text is normalised first. A key not in the table matches
// nothing.
class Matcher {
  public:
    Matcher(std::string_view key, std::string_view searchText);
    bool Matches(std::string_view line) const;

  private:
    std::string_view ValueIn(std::string_view line, std::string& buffer) const;

    const SearchField* field_ = nullptr;
    std::string needle_;
};

} // namespace SearchFields

// Messages of the search list (exclamation icon, OK).
namespace SearchMessages {
inline constexpr const char* NothingEnteredText = "Can't Search!  Nothing Entered in FIND Box to look for ";
inline constexpr const char* NothingEnteredTitle = "Kestrane";
inline constexpr const char* NoMonthFileText = "No Visitor records can be found for the DATE Specified";
inline constexpr const char* NoMonthFileTitle = "Kestrane 6725";
inline constexpr const char* NothingFoundTitle = "Kestrane 6726";
inline constexpr const char* OtherErrorText = "No Search items have been found for this Date ";
inline constexpr const char* OtherErrorTitle = "Kestrane 6727";
// For error 2000; the month and year as their boxes show them.
std::string NothingFoundText(std::string_view monthText, std::string_view yearText);
} // namespace SearchMessages

namespace Lists {

// The search list: the bookings of a month file whose search field holds a
// text, with the time of the first booked day, if any, as their arrival.
inline constexpr ListColumn SearchListColumns[] = {
    {"Registration", 100, 10, Cell::RegNo},       {"First Name", 100, 6, Cell::FirstName},
    {"Last Name", 100, 6, Cell::LastName},        {"Organisation", 180, 6, Cell::Organisation},
    {"Category", 140, 6, Cell::Category},         {"Party", 45, 10, Cell::PartySize},
    {"Telephone", 110, 6, Cell::DirectDialPhone}, {"Pass Valid", 75, 10, Cell::PassStart},
    {"Pass Issued", 120, 10, Cell::PassIssued},   {"Length", 50, 10, Cell::PassLength},
    {"Pass Type", 65, 10, Cell::PassType},        {"Pass Ends", 75, 10, Cell::PassEnd},
    {"Arrival", 60, 10, Cell::BookedTime},        {"Car Reg", 75, 10, Cell::CarRegistration},
    {"Reports to:", 140, 6, Cell::ReportingTo},   {"Department", 150, 6, Cell::Department},
    {"Contact", 110, 6, Cell::HostPhone},         {"", GridDefault, GridDefault, Cell::Empty},
};
inline constexpr ListDescription SearchList{SearchListColumns, 0xFFFFFF, 0xFFFFE0, ""};

// The rows of the month file at path whose value under key (trimmed) holds
// searchText (trimmed), in file order. 2000 when none does, 53 when the file
// is missing, 76 when its folder is.
ListResult BuildSearchList(const std::string& path, std::string_view key, std::string_view searchText);

} // namespace Lists
