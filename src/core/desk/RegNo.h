#pragma once

#include "core/Clock.h"

#include <string>
#include <string_view>

// A booking number: 12 digits yy mm dd hhmmss, the booked year and month,
// then the day of the month and the time at which the booking was made.

// The number of a booking made at now for the booked year (the text of the
// year box, of which the last two characters count) and month ("01".."12").
std::string MakeRegNo(const LocalDateTime& now, std::string_view bookedYearText, std::string_view monthNo);

// The number one second later on the same creation day (23:59:59 is followed
// by 00:00:00), for when a number is already taken in its month file.
std::string NextRegNo(std::string_view regNo);

// The month booking file a booking lives in: "yymm.vrf" from its first four
// characters.
std::string MonthFileName(std::string_view regNo);
