#include "core/desk/ArrivalDeparture.h"

#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/DayStatusFile.h"

namespace ArrivalDeparture {

namespace {

// What both buttons check first; Stamped means go on.
StampResult CheckForm(const StampForm& form, const char* noBookingText, std::size_t shortLastName) {
    StampResult result;
    if (form.readOnly) {
        result.outcome = StampOutcome::ReadOnly;
    } else if (Text::Val(form.regNoText) == 0) {
        result.outcome = StampOutcome::NoBooking;
        result.message = noBookingText;
    } else if (Text::Trim(form.lastName).size() < shortLastName && Text::Trim(form.firstName).size() < 2) {
        result.outcome = StampOutcome::Refused;
    } else {
        result.outcome = StampOutcome::Stamped;
    }
    return result;
}

} // namespace

LabelLooks LooksFor(StatusLook look, const std::string& arrivalTime, const std::string& departureTime) {
    switch (look) {
    case StatusLook::OnSite:
        return {OnSiteBack, 0xFFFFFF, true, arrivalTime, GreyBack, NoTime};
    case StatusLook::Departed:
        return {GreyBack, 0, false, arrivalTime, DepartedBack, departureTime};
    case StatusLook::NotArrived:
        break;
    }
    return {GreyBack, 0, false, NoTime, GreyBack, NoTime};
}

StampResult MarkArrived(const StampForm& form, const LocalDateTime& now) {
    StampResult result = CheckForm(form, NoBookingToArriveText, 3);
    if (result.outcome != StampOutcome::Stamped)
        return result;
    result.look = StatusLook::OnSite;
    result.arrivalTime = now.TimeText();
    result.departureTime = NoTime;
    return result;
}

StampResult MarkDeparted(const StampForm& form, const LocalDateTime& now) {
    StampResult result = CheckForm(form, NoBookingToDepartText, 4);
    if (result.outcome != StampOutcome::Stamped)
        return result;
    if (Text::Trim(form.arrivalCaption).size() < 5) {
        result.outcome = StampOutcome::Refused;
        return result;
    }
    result.look = StatusLook::Departed;
    result.arrivalTime = form.arrivalCaption;
    result.departureTime = now.TimeText();
    return result;
}

UndoResult UndoArrival(bool readOnly, ListMode listMode, long arrivalBackColour, const std::string& departureTime) {
    UndoResult result;
    if (readOnly || arrivalBackColour != OnSiteBack || listMode != ListMode::OnSite)
        return result;
    result.outcome = UndoOutcome::Undone;
    result.look = StatusLook::NotArrived;
    result.arrivalTime = NoTime;
    result.departureTime = departureTime;
    return result;
}

UndoResult UndoDeparture(bool readOnly, ListMode listMode, long departureBackColour, const std::string& arrivalTime) {
    UndoResult result;
    if (readOnly || listMode != ListMode::OnSite || departureBackColour != DepartedBack)
        return result;
    result.outcome = UndoOutcome::Undone;
    result.look = StatusLook::OnSite;
    result.arrivalTime = arrivalTime;
    result.departureTime = NoTime;
    return result;
}

LabelLooks LooksInStatusLines(const std::vector<std::string>& lines, const std::string& regNo) {
    // Stamps as the digits "hhmm" of "hh:mm"; blanks and "  -  " give no digits,
    // and a stamp the line's end cuts short only its first two characters.
    std::string arrival, departure;
    const auto digits = [](std::string_view time) {
        return time.size() >= 5 ? TimeAsSlot(time) : std::string(time.substr(0, 2));
    };
    const std::string key = Text::Trim(regNo);
    for (const std::string& line : lines)
        if (ColumnText(line, Columns::RegNo) == key) {
            arrival = digits(DayStatus::ArrivalTime(line));
            departure = digits(DayStatus::DepartureTime(line));
        }
    const auto asTime = [](const std::string& d) { return Text::IsBlank(d) ? std::string(NoTime) : SlotAsTime(d); };
    const long a = Text::Val(arrival), d = Text::Val(departure);
    if (a == 0)
        return LooksFor(StatusLook::NotArrived, NoTime, NoTime);
    return LooksFor(d < a ? StatusLook::OnSite : StatusLook::Departed, asTime(arrival), asTime(departure));
}

} // namespace ArrivalDeparture
