#include "core/desk/OnSiteList.h"

#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/RegNo.h"

namespace Lists {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::uint8_t ToneOfStamps(int arrival, int departure) {
    if (arrival == 0)
        return StampTone::NotArrived;
    return departure < arrival ? StampTone::OnSite : StampTone::Departed;
}

} // namespace

int StampNumber(std::string_view stamp) {
    const std::string_view t = Text::TrimView(stamp);
    const std::size_t colon = t.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || t.size() != colon + 3)
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

ListResult BuildOnSiteList(const std::string& path, const LocalDateTime& today) {
    std::string bytes;
    if (FileError error = ReadListFile(path, bytes))
        return {std::move(error), std::make_shared<BookingList>()};
    return BuildOnSiteListOf(std::move(bytes), today);
}

ListResult BuildOnSiteListOf(std::string bytes, const LocalDateTime& today) {
    auto list = std::make_shared<BookingList>(std::move(bytes));

    const char month[2] = {static_cast<char>('0' + today.month / 10), static_cast<char>('0' + today.month % 10)};
    for (const RawLine& raw : SplitRawLines(list->Bytes())) {
        const std::string_view line = raw.text;
        // A pass holder from another month is not expected on today's day number.
        const std::string_view regNo = ColumnText(line, Columns::RegNo);
        const bool expected = !Text::IsBlank(ColumnText(line, Columns::DaySlot(today.day))) &&
                              BookedMonthOf(regNo).mm == std::string_view(month, 2);
        list->Add(line, expected ? static_cast<std::uint8_t>(today.day) : 0,
                  ToneOfStamps(StampNumber(DayStatus::ArrivalTime(line)), StampNumber(DayStatus::DepartureTime(line))));
    }
    return {FileError::None(), std::move(list)};
}

} // namespace Lists
