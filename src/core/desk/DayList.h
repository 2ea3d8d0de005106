#pragma once

#include "core/FileError.h"

#include <string>
#include <vector>

// One row of the day list: the bookings of a month file with a time booked on
// the listed day or a pass covering it. Texts are as the list shows them.
struct DayListRow {
    std::string RegNo;        // as stored
    std::string FirstName;    // trimmed
    std::string LastName;     // trimmed
    std::string Organisation; // as stored
    std::string Category;     // as stored
    std::string PartySize;    // trimmed
    std::string DirectDialPhone;
    std::string Expected; // "hh:mm", or four blanks when listed for its pass only
    std::string PassStart;
    std::string PassIssued;
    std::string PassLength; // count digit of the pass period
    std::string PassType;   // "Day", "Week", "Month" or empty
    std::string PassEnd;
    std::string CarRegistration;
    std::string ReportingTo;
    std::string Department;
    std::string HostPhone;
};

// The rows of the month booking file at path for day (1..31) of the month,
// listDate being that day as "dd-mm-yyyy", in file order. 53 when the file is
// missing, 76 when its folder is.
FileError ReadDayListRows(const std::string& path, int day, const std::string& listDate, std::vector<DayListRow>& rows);
