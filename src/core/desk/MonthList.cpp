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

// Old entry points of the desk window

FileError ForEachMonthListRow(const std::string& path, std::string_view yymm, const LocalDateTime& today,
                              const std::function<void(const MonthListRowView&)>& eachRow) {
    const Lists::ListResult result = Lists::BuildMonthList(path, yymm, today);
    const Lists::BookingList& list = *result.list;
    std::string scratch;
    MonthListRowView row;
    for (int r = 0; r < list.RowCount(); ++r) {
        auto cell = [&](int col) { return CellText(Lists::MonthList, list, r, col, scratch); };
        if (r == 0 || list.Row(r).offset != list.Row(r - 1).offset) // a booking's days share its cells
            row.cells = {cell(0),  cell(1),  cell(2),  cell(3),  cell(6),  cell(7),  cell(8),  cell(9),
                         cell(10), cell(11), cell(12), cell(13), cell(14), cell(15), cell(16), cell(17)};
        row.Day = cell(4);
        row.Expected = cell(5); // the only cell made in scratch
        row.Colour = CellColour(Lists::MonthList, list, r, 1);
        eachRow(row);
    }
    return result.error;
}
