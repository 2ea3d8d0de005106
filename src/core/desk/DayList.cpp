#include "core/desk/DayList.h"

#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/startup/Helpers.h"

namespace Lists {

ListResult BuildDayList(const std::string& path, int day, const std::string& listDate) {
    std::string bytes;
    FileError error = ReadListFile(path, bytes);
    auto list = std::make_shared<BookingList>(std::move(bytes));
    if (error || day < 1 || day > 31)
        return {std::move(error), std::move(list)};

    for (const RawLine& raw : SplitRawLines(list->Bytes())) {
        const std::string_view line = raw.text;
        const bool booked = !Text::IsBlank(ColumnText(line, Columns::DaySlot(day)));
        if (!booked && !StartUp::IsDateInRange(std::string(ColumnText(line, Columns::PassStart)),
                                               std::string(ColumnText(line, Columns::PassEnd)), listDate))
            continue;
        list->Add(line, booked ? static_cast<std::uint8_t>(day) : 0);
    }
    return {FileError::None(), std::move(list)};
}

} // namespace Lists

// Old entry points of the desk window

FileError ReadDayListRows(const std::string& path, int day, const std::string& listDate,
                          std::vector<DayListRow>& rows) {
    rows.clear();
    const Lists::ListResult result = Lists::BuildDayList(path, day, listDate);
    std::string scratch;
    for (int r = 0; r < result.list->RowCount(); ++r) {
        auto cell = [&](int col) { return std::string(CellText(Lists::DayList, *result.list, r, col, scratch)); };
        rows.push_back({cell(0), cell(1), cell(2), cell(3), cell(4), cell(5), cell(6), cell(7), cell(8), cell(9),
                        cell(10), cell(11), cell(12), cell(13), cell(14), cell(15), cell(16)});
    }
    return result.error;
}
