#include "core/desk/DayList.h"

#include "core/AtomicFile.h"
#include "core/TextLines.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/ListCells.h"
#include "core/startup/Helpers.h"

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
        const bool booked = !ListCells::IsBlank(slot);
        const std::string passStart(ColumnText(line, 936, 10));
        const std::string passEnd(ColumnText(line, 947, 10));
        if (!booked && !StartUp::IsDateInRange(passStart, passEnd, listDate))
            continue;

        DayListRow& row = rows.emplace_back();
        ListCells::FillBookingCells(row, line);
        row.Expected = booked ? ListCells::SlotAsTime(slot) : std::string(4, ' ');
    }
    return FileError::None();
}
