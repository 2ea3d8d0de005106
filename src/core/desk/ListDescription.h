#pragma once

#include "core/desk/BookingList.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Lists {

// What a list's column shows of a row's booking line.
enum class Cell : std::uint8_t {
    Empty,
    RegNo,
    FirstName, // trimmed
    LastName,  // trimmed
    Organisation,
    Category,
    PartySize, // trimmed
    DirectDialPhone,
    Day,           // the row's day as two digits
    BookedTime,    // the row's day slot as "hh:mm"; the list's NoBookedTime for a row without a day
    ArrivalTime,   // as stored; "  -  " for a visitor not arrived
    DepartureTime, // as stored; "  -  " for a visitor not arrived
    PassStart,
    PassIssued,
    PassLength, // the count digit of the pass period
    PassType,   // its unit letter as "Day", "Week" or "Month"; empty for any other
    PassEnd,
    CarRegistration,
    ReportingTo,
    Department,
    HostPhone,
    FullName,   // trimmed first name, a blank, trimmed last name
    PhotoTaken, // a photo list row's photo date
    PhotoAge,   // and its age
};

// A photo list row is its booking line made exactly 1186 bytes long, then the
// date its photo was written ("dd-mm-yyyy") and the photo's age padded with
// blanks to 12 bytes.
inline constexpr std::size_t PhotoTakenColumn = 1187;
inline constexpr std::size_t PhotoTakenWidth = 10;
inline constexpr std::size_t PhotoAgeColumn = 1197;
inline constexpr std::size_t PhotoAgeWidth = 12;

inline constexpr int GridDefault = -1; // a width or alignment the list leaves to the grid

// The forms of a booking number and a pass stamp, every digit written as "0".
inline constexpr std::string_view RegNoForm = "000000000000";
inline constexpr std::string_view PassIssuedForm = "00-00-0000 at 00:00";

// Widths are in the grid's units; alignment 6 is free text, 10 codes, dates,
// times and numbers. Fields not trimmed keep their trailing blanks.
struct ListColumn {
    std::string_view heading;
    int width;
    int alignment;
    Cell cell;
    const ToneColours* tones = nullptr; // text colour by the row's tone; black when none
};

struct ListDescription {
    std::span<const ListColumn> columns;
    long backColour1;
    long backColour2;
    std::string_view noBookedTime; // what a BookedTime cell shows for a row without a day
};

// The text of a cell of a data row (0 = the list's first row), Latin-1. The
// view points into the list's bytes, into scratch, or at a constant; empty
// outside the list.
std::string_view CellText(const ListDescription& description, const BookingList& list, int row, int col,
                          std::string& scratch);
// The text colour of that cell, blue-green-red.
long CellColour(const ListDescription& description, const BookingList& list, int row, int col);

// The entries of the pick lists the category and department are chosen from, as the file holds them.
struct PickLists {
    std::vector<std::string> categories;
    std::vector<std::string> departments;
};

// The texts a column must show whole whatever its width says: the forms of
// its booking numbers, dates, times, stamps and markers (every digit written
// as "0"), or the pick-list entries as its field stores them (trimmed, cut to
// the field's width). None for free text.
std::vector<std::string> WholeTexts(const ListDescription& description, int col, const PickLists& pickLists);

} // namespace Lists
