#include "core/desk/OnSiteList.h"

#include "core/AtomicFile.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/ListCells.h"

#include <cstdio>

namespace {

constexpr long Black = 0;
constexpr long Red = 0xFF;
constexpr long Grey = 0x808080;
constexpr long Green = 0x008000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int StampNumber(std::string_view stamp) {
    const std::string t = Text::Trim(stamp);
    const std::size_t colon = t.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || t.size() != colon + 3)
        return 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i != colon && !IsDigit(t[i]))
            return 0;
    }
    const int hours = static_cast<int>(Text::Val(t.substr(0, colon)));
    const int minutes = static_cast<int>(Text::Val(t.substr(colon + 1)));
    if (hours > 23 || minutes > 59)
        return 0;
    return hours * 100 + minutes;
}

StampColours OnSiteColours(int arrival, int departure) {
    if (arrival == 0)
        return {Black, Black};
    if (departure < arrival)
        return {Red, Black};
    return {Grey, Green};
}

FileError ReadOnSiteRows(const std::string& path, const LocalDateTime& today, std::vector<OnSiteRow>& rows) {
    rows.clear();
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes))
        return e;
    char month[8];
    std::snprintf(month, sizeof month, "%02d", today.month);

    for (const RawLine& raw : SplitRawLines(bytes)) {
        const std::string_view line = raw.text;
        OnSiteRow& row = rows.emplace_back();
        ListCells::FillBookingCells(row, line);

        // A pass holder from another month is not expected on today's day number.
        const std::string_view slot = ColumnText(line, DaySlotColumn(today.day), DaySlotWidth);
        row.Expected = ListCells::IsBlank(slot) || ColumnText(line, 3, 2) != month ? std::string(StatusRecord::NoTime)
                                                                                   : ListCells::SlotAsTime(slot);

        const std::string_view arrived = StatusRecord::ArrivalTime(line);
        const std::string_view departed = StatusRecord::DepartureTime(line);
        const int a = StampNumber(arrived);
        const StampColours colours = OnSiteColours(a, StampNumber(departed));
        row.Arrived = a == 0 ? StatusRecord::NoTime : arrived;
        row.Departed = a == 0 ? StatusRecord::NoTime : departed;
        row.ArrivedColour = colours.arrived;
        row.DepartedColour = colours.departed;
    }
    return FileError::None();
}
