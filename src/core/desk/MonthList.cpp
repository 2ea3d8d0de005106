#include "core/desk/MonthList.h"

#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"

namespace Lists {

ListResult BuildMonthList(const std::string& path, std::string_view yymm, const LocalDateTime& today) {
    std::string bytes;
    FileError error = ReadListFile(path, bytes);
    auto list = std::make_shared<BookingList>(std::move(bytes));
    if (error)
        return {std::move(error), std::move(list)};

    // Dates as yymmdd numbers.
    const long monthKey = Text::Val(yymm) * 100;
    const long todayKey = (today.year % 100) * 10000L + today.month * 100L + today.day;
    const std::vector<RawLine> lines = SplitRawLines(list->Bytes());
    std::size_t booked = 0; // counted first, so the rows are never copied as they grow
    for (const RawLine& raw : lines)
        for (int day = 1; day <= 31; ++day)
            booked += !Text::IsBlank(ColumnText(raw.text, Columns::DaySlot(day)));
    list->Reserve(booked);
    for (const RawLine& raw : lines) {
        for (int day = 1; day <= 31; ++day) {
            if (Text::IsBlank(ColumnText(raw.text, Columns::DaySlot(day))))
                continue;
            const long rowKey = monthKey + day;
            const std::uint8_t tone = rowKey < todayKey    ? DateTone::Earlier
                                      : rowKey == todayKey ? DateTone::Today
                                                           : DateTone::Later;
            list->Add(raw.text, static_cast<std::uint8_t>(day), tone);
        }
    }
    return {FileError::None(), std::move(list)};
}

} // namespace Lists
