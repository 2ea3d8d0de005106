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
