#include "desk/DayList.h"

#include "AtomicFile.h"
#include "TextLines.h"
#include "desk/BookingRecord.h"
#include "startup/Helpers.h"

#include <algorithm>

namespace {

std::string PassTypeWord(std::string_view unit) {
    if (unit == "D")
        return "Day";
    if (unit == "W")
        return "Week";
    if (unit == "M")
        return "Month";
    return {};
}

} // namespace

FileError ReadDayListRows(const std::string& path, int day, const std::string& listDate,
                          std::vector<DayListRow>& rows) {
    rows.clear();
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes))
        return e;
    if (day < 1 || day > 31)
        return FileError::None();

    for (const RawLine& raw : SplitRawLines(bytes)) {
        const std::string_view line = raw.text;
        const std::string_view slot = ColumnText(line, DaySlotColumn(day), DaySlotWidth);
        const bool booked = slot.find_first_not_of(' ') != std::string_view::npos;
        const std::string passStart(ColumnText(line, 936, 10));
        const std::string passEnd(ColumnText(line, 947, 10));
        if (!booked && !StartUp::IsDateInRange(passStart, passEnd, listDate))
            continue;

        DayListRow& row = rows.emplace_back();
        row.RegNo = ColumnText(line, 1, 12);
        row.FirstName = TrimmedColumn(line, 14, 16);
        row.LastName = TrimmedColumn(line, 31, 18);
        row.Organisation = ColumnText(line, 550, 50);
        row.Category = ColumnText(line, 504, 20);
        row.PartySize = TrimmedColumn(line, 601, 3);
        row.DirectDialPhone = ColumnText(line, 670, 16);
        row.Expected = booked ? std::string(slot.substr(0, 2)) + ":" +
                                    std::string(slot.substr(slot.size() - std::min<std::size_t>(2, slot.size())))
                              : std::string(4, ' ');
        row.PassStart = passStart;
        row.PassIssued = ColumnText(line, 969, 19);
        row.PassLength = ColumnText(line, 958, 1);
        row.PassType = PassTypeWord(ColumnText(line, 959, 1));
        row.PassEnd = passEnd;
        row.CarRegistration = ColumnText(line, 69, 10);
        row.ReportingTo = ColumnText(line, 758, 36);
        row.Department = ColumnText(line, 525, 24);
        row.HostPhone = ColumnText(line, 795, 16);
    }
    return FileError::None();
}
