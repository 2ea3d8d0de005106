#include "core/desk/RecordState.h"

#include "core/ProgramState.h"
#include "core/TextUtil.h"

namespace modFileManagement {

void SnapshotRecord(ProgramState& state) {
    state.RecordSnapshot = state.CurrentRecord;
}

void CheckRecordChanged(ProgramState& state) {
    state.RecordChanged = false;
    for (int i = 0; i < BookingFields::FieldCount; ++i) {
        if (i == BookingFields::iPassSummary || i == BookingFields::iAdditionalInfo ||
            i == BookingFields::iRestrictions)
            continue;
        if (state.CurrentRecord.Field(i) != state.RecordSnapshot.Field(i))
            state.RecordChanged = true;
    }
}

void ClearRecord(ProgramState& state) {
    BookingFields& r = state.CurrentRecord;
    for (int i = 0; i < BookingFields::FieldCount; ++i) {
        if (i != BookingFields::iAdditionalInfo && i != BookingFields::iRestrictions)
            r.Field(i).clear();
    }
    r.Category = "VISITOR";
    r.ArrivalTime = BookingFields::NoTime;
    r.DepartureTime = BookingFields::NoTime;
    for (auto& t : r.DayTimes)
        t.clear();
}

} // namespace modFileManagement

namespace BookingForm {

NameSplit SplitFirstName(const std::string& boxText) {
    NameSplit result{boxText, std::nullopt};
    for (;;) {
        const std::string trimmed = Text::Trim(result.firstName);
        if (trimmed.size() < 3 || trimmed.find(' ', 2) == std::string::npos)
            return result;
        // The trimmed text has at least four characters here, so the box text has too.
        result.lastName = std::string(1, result.firstName.back());
        result.firstName.resize(result.firstName.size() - 2);
    }
}

} // namespace BookingForm
