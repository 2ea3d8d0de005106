#include "core/desk/MonthList.h"

#include "core/AtomicFile.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/ListCells.h"

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

FileError ForEachMonthListRow(const std::string& path, std::string_view yymm, const LocalDateTime& today,
                              const std::function<void(const MonthListRowView&)>& eachRow) {
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes))
        return e;
    const long monthKey = Text::Val(yymm) * 100;
    const long todayKey = DateKey(today);
    MonthListRowView row;
    char expected[5];
    std::string shortSlot;
    for (const RawLine& raw : SplitRawLines(bytes)) {
        const std::string_view line = raw.text;
        bool cellsTaken = false;
        for (int day = 1; day <= 31; ++day) {
            const std::string_view slot = ColumnText(line, DaySlotColumn(day), DaySlotWidth);
            if (ListCells::IsBlank(slot))
                continue;
            if (!cellsTaken) {
                row.cells = ListCells::BookingCellsOf(line);
                cellsTaken = true;
            }
            row.Day = DayTexts[day - 1];
            if (slot.size() == DaySlotWidth) {
                expected[0] = slot[0];
                expected[1] = slot[1];
                expected[2] = ':';
                expected[3] = slot[2];
                expected[4] = slot[3];
                row.Expected = std::string_view(expected, 5);
            } else { // a line cut short inside its slots
                shortSlot = ListCells::SlotAsTime(slot);
                row.Expected = shortSlot;
            }
            row.Colour = MonthListRowColour(monthKey + day, todayKey);
            eachRow(row);
        }
    }
    return FileError::None();
}

FileError ReadMonthListRows(const std::string& path, std::string_view yymm, const LocalDateTime& today,
                            std::vector<MonthListRow>& rows) {
    rows.clear();
    return ForEachMonthListRow(path, yymm, today, [&rows](const MonthListRowView& v) {
        MonthListRow& row = rows.emplace_back();
        const ListCells::BookingCellViews& c = v.cells;
        row.RegNo = c.RegNo;
        row.FirstName = c.FirstName;
        row.LastName = c.LastName;
        row.Organisation = c.Organisation;
        row.Category = c.Category;
        row.PartySize = c.PartySize;
        row.DirectDialPhone = c.DirectDialPhone;
        row.PassStart = c.PassStart;
        row.PassIssued = c.PassIssued;
        row.PassLength = c.PassLength;
        row.PassType = c.PassType;
        row.PassEnd = c.PassEnd;
        row.CarRegistration = c.CarRegistration;
        row.ReportingTo = c.ReportingTo;
        row.Department = c.Department;
        row.HostPhone = c.HostPhone;
        row.Day = v.Day;
        row.Expected = v.Expected;
        row.Colour = v.Colour;
    });
}
