#include "core/desk/ListDescription.h"

#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/DayStatusFile.h"

#include <cstdint>

namespace Lists {

namespace {

constexpr std::string_view DayTexts[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11",
                                         "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22",
                                         "23", "24", "25", "26", "27", "28", "29", "30", "31"};

std::string_view PassTypeWord(std::string_view unit) {
    if (unit == "D")
        return "Day";
    if (unit == "W")
        return "Week";
    if (unit == "M")
        return "Month";
    return {};
}

std::vector<std::string> StoredEntries(const std::vector<std::string>& entries, ColumnSpan field) {
    std::vector<std::string> stored;
    for (const std::string& entry : entries)
        stored.push_back(Text::Trim(Text::Trim(entry).substr(0, field.width)));
    return stored;
}

} // namespace

std::string_view CellText(const ListDescription& description, const BookingList& list, int row, int col,
                          std::string& scratch) {
    if (row < 0 || row >= list.RowCount() || col < 0 || col >= static_cast<int>(description.columns.size()))
        return {};
    const ListRow& r = list.Row(row);
    const std::string_view line = list.Line(row);
    switch (description.columns[static_cast<std::size_t>(col)].cell) {
    case Cell::Empty:
        return {};
    case Cell::RegNo:
        return ColumnText(line, Columns::RegNo);
    case Cell::FirstName:
        return Text::TrimView(ColumnText(line, Columns::FirstName));
    case Cell::LastName:
        return Text::TrimView(ColumnText(line, Columns::LastName));
    case Cell::Organisation:
        return ColumnText(line, Columns::Organisation);
    case Cell::Category:
        return ColumnText(line, Columns::Category);
    case Cell::PartySize:
        return Text::TrimView(ColumnText(line, Columns::PartySize));
    case Cell::DirectDialPhone:
        return ColumnText(line, Columns::DirectDialPhone);
    case Cell::Day:
        return r.day >= 1 && r.day <= 31 ? DayTexts[r.day - 1] : std::string_view();
    case Cell::BookedTime:
        if (r.day == 0)
            return description.noBookedTime;
        scratch = SlotAsTime(ColumnText(line, Columns::DaySlot(r.day)));
        return scratch;
    case Cell::ArrivalTime:
        return r.tone == StampTone::NotArrived ? DayStatus::NoTime : ColumnText(line, Columns::ArrivalTime);
    case Cell::DepartureTime:
        return r.tone == StampTone::NotArrived ? DayStatus::NoTime : ColumnText(line, Columns::DepartureTime);
    case Cell::PassStart:
        return ColumnText(line, Columns::PassStart);
    case Cell::PassIssued:
        return ColumnText(line, Columns::PassIssued);
    case Cell::PassLength:
        return ColumnText(line, Columns::PassLength);
    case Cell::PassType:
        return PassTypeWord(ColumnText(line, Columns::PassUnit));
    case Cell::PassEnd:
        return ColumnText(line, Columns::PassEnd);
    case Cell::CarRegistration:
        return ColumnText(line, Columns::CarRegistration);
    case Cell::ReportingTo:
        return ColumnText(line, Columns::ReportingTo);
    case Cell::Department:
        return ColumnText(line, Columns::Department);
    case Cell::HostPhone:
        return ColumnText(line, Columns::HostPhone);
    case Cell::FullName:
        scratch.assign(Text::TrimView(ColumnText(line, Columns::FirstName)));
        scratch += ' ';
        scratch += Text::TrimView(ColumnText(line, Columns::LastName));
        return scratch;
    case Cell::PhotoTaken:
        return ColumnText(line, PhotoTakenColumn, PhotoTakenWidth);
    case Cell::PhotoAge:
        return Text::TrimView(ColumnText(line, PhotoAgeColumn, PhotoAgeWidth));
    }
    return {};
}

long CellColour(const ListDescription& description, const BookingList& list, int row, int col) {
    if (row < 0 || row >= list.RowCount() || col < 0 || col >= static_cast<int>(description.columns.size()))
        return 0;
    const ToneColours* tones = description.columns[static_cast<std::size_t>(col)].tones;
    const std::uint8_t tone = list.Row(row).tone;
    return tones && tone < tones->size() ? (*tones)[tone] : 0;
}

std::vector<std::string> WholeTexts(const ListDescription& description, int col, const PickLists& pickLists) {
    if (col < 0 || col >= static_cast<int>(description.columns.size()))
        return {};
    switch (description.columns[static_cast<std::size_t>(col)].cell) {
    case Cell::RegNo:
        return {std::string(RegNoForm)};
    case Cell::Day:
        return {"00"};
    case Cell::BookedTime:
        return {"00:00", std::string(description.noBookedTime)};
    case Cell::ArrivalTime:
    case Cell::DepartureTime:
        return {"00:00", std::string(DayStatus::NoTime)};
    case Cell::PassStart:
    case Cell::PassEnd:
    case Cell::PhotoTaken:
        return {"00-00-0000"};
    case Cell::PassIssued:
        return {std::string(PassIssuedForm)};
    case Cell::PassLength:
        return {"0"};
    case Cell::PassType:
        return {"Day", "Week", "Month"};
    case Cell::PartySize:
        return {"000"};
    case Cell::PhotoAge:
        return {"> 2 Years", "> 1 Year", "00 Months", "00 Days", "00 Hours", "< 1 Hour"};
    case Cell::Category:
        return StoredEntries(pickLists.categories, Columns::Category);
    case Cell::Department:
        return StoredEntries(pickLists.departments, Columns::Department);
    default:
        return {};
    }
}

} // namespace Lists
