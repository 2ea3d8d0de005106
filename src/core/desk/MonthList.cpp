#include "desk/MonthList.h"

#include "AtomicFile.h"
#include "TextLines.h"
#include "TextUtil.h"
#include "desk/BookingRecord.h"
#include "desk/ListCells.h"

namespace {

const char* const DayTexts[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11",
                                "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22",
                                "23", "24", "25", "26", "27", "28", "29", "30", "31"};

// A date as the number yymmdd.
long DateKey(const LocalDateTime& date) {
    return (date.year % 100) * 10000L + date.month * 100L + date.day;
}

} // namespace

long MonthListRowColour(long rowKey, long todayKey) {
    if (rowKey < todayKey)
        return 0x808080;
    if (rowKey == todayKey)
        return 0xA00000;
    return 0;
}

FileError ReadMonthListRows(const std::string& path, std::string_view yymm, const LocalDateTime& today,
                            std::vector<MonthListRow>& rows) {
    rows.clear();
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes))
        return e;
    const long monthKey = Text::Val(yymm) * 100;
    const long todayKey = DateKey(today);

    for (const RawLine& raw : SplitRawLines(bytes)) {
        const std::string_view line = raw.text;
        for (int day = 1; day <= 31; ++day) {
            const std::string_view slot = ColumnText(line, DaySlotColumn(day), DaySlotWidth);
            if (ListCells::IsBlank(slot))
                continue;
            MonthListRow& row = rows.emplace_back();
            ListCells::FillBookingCells(row, line);
            row.Day = DayTexts[day - 1];
            row.Expected = ListCells::SlotAsTime(slot);
            row.Colour = MonthListRowColour(monthKey + day, todayKey);
        }
    }
    return FileError::None();
}
