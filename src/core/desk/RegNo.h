#pragma once

#include "core/Clock.h"

#include <string>
#include <string_view>

// A booking number: 12 digits yy mm dd hhmmss, the booked year and month,
// then the day of the month and the time at which the booking was made.

// The parts of a booking number that name its booked month (of a text too
// short, what there is): views into the number.
struct BookedMonth {
    std::string_view yymm; // the name of its month file and photo folder
    std::string_view yy;
    std::string_view mm;
};
BookedMonth BookedMonthOf(std::string_view regNo);

// The booked year as a booking number holds it: the last two characters of
// the year box's text, trimmed.
std::string_view BookedYear(std::string_view yearText);
// The "yymm" of a booking for the year box's text and a month ("01".."12").
std::string BookedYearMonth(std::string_view yearText, std::string_view monthNo);

// The number of a booking made at now for the booked year (the text of the
// year box, of which the last two characters count) and month ("01".."12").
std::string MakeRegNo(const LocalDateTime& now, std::string_view bookedYearText, std::string_view monthNo);

// The number one second later on the same creation day (23:59:59 is followed
// by 00:00:00), for when a number is already taken in its month file.
std::string NextRegNo(std::string_view regNo);

// The month booking file a booking lives in: "yymm.vrf" from its first four
// characters.
std::string MonthFileName(std::string_view regNo);
