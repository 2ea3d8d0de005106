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
            row.RegNo = ColumnText(line, 1, 12);
            row.FirstName = TrimmedColumn(line, 14, 16);
            row.LastName = TrimmedColumn(line, 31, 18);
            row.Organisation = ColumnText(line, 550, 50);
            row.Day = DayTexts[day - 1];
            row.Expected = ListCells::SlotAsTime(slot);
            row.Category = ColumnText(line, 504, 20);
            row.PartySize = TrimmedColumn(line, 601, 3);
            row.DirectDialPhone = ColumnText(line, 670, 16);
            row.PassStart = ColumnText(line, 936, 10);
            row.PassIssued = ColumnText(line, 969, 19);
            row.PassLength = ColumnText(line, 958, 1);
            row.PassType = ListCells::PassTypeWord(ColumnText(line, 959, 1));
            row.PassEnd = ColumnText(line, 947, 10);
            row.CarRegistration = ColumnText(line, 69, 10);
            row.ReportingTo = ColumnText(line, 758, 36);
            row.Department = ColumnText(line, 525, 24);
            row.HostPhone = ColumnText(line, 795, 16);
            row.Colour = MonthListRowColour(monthKey + day, todayKey);
        }
    }
    return FileError::None();
}
