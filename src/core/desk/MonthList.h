#pragma once

#include "core/Clock.h"
#include "core/FileError.h"
#include "core/desk/ListCells.h"

#include <functional>

#include <string>
#include <string_view>
#include <vector>

// One row of the month list: one booked day of a booking. Texts are as the
// list shows them; the last of its 19 columns stays empty.
struct MonthListRow {
    std::string RegNo;        // as stored
    std::string FirstName;    // trimmed
    std::string LastName;     // trimmed
    std::string Organisation; // as stored
    std::string Day;          // "01".."31"
    std::string Expected;     // the day's slot as "hh:mm"
    std::string Category;
    std::string PartySize; // trimmed
    std::string DirectDialPhone;
    std::string PassStart;
    std::string PassIssued;
    std::string PassLength; // count digit of the pass period
    std::string PassType;   // "Day", "Week", "Month" or empty
    std::string PassEnd;
    std::string CarRegistration;
    std::string ReportingTo;
    std::string Department;
    std::string HostPhone;
    long Colour = 0; // text colour of every column but the first, blue-green-red
};

// The caption error of the list is its error number plus this.
inline constexpr int MonthListErrorOffset = 2110;
inline constexpr const char* MonthListErrorPlace = " in Select Month Record ]";

// Text colour of a row dated rowKey against today, both yymmdd numbers:
// grey before today, dark blue today, black after.
long MonthListRowColour(long rowKey, long todayKey);

// One row of the month list as views into the file's bytes, valid only
// during the call that hands it over.
struct MonthListRowView {
    ListCells::BookingCellViews cells;
    std::string_view Day;
    std::string_view Expected;
    long Colour = 0;
};

// Hands each row of the month file at path, in order, to eachRow without
// copying its texts (the same rows ReadMonthListRows gives).
FileError ForEachMonthListRow(const std::string& path, std::string_view yymm, const LocalDateTime& today,
                              const std::function<void(const MonthListRowView&)>& eachRow);

// The rows of the month file at path for the month yymm ("1206"): for each
// line in file order, one row per non-blank day slot, days 1 to 31 in order.
// 53 when the file is missing, 76 when its folder is.
FileError ReadMonthListRows(const std::string& path, std::string_view yymm, const LocalDateTime& today,
                            std::vector<MonthListRow>& rows);
