#pragma once

#include <optional>
#include <string>

struct ProgramState;

// The saved copy of the booking being edited and the comparison against it.
namespace modFileManagement {

// CurrentRecord (all 45 fields, both times, the 31 day times) into RecordSnapshot.
void SnapshotRecord(ProgramState& state);

// RecordChanged := whether a stored field differs from its saved copy. PassSummary,
// AdditionalInfo and Restrictions are not compared; times are BookingsChanged's business.
void CheckRecordChanged(ProgramState& state);

// CurrentRecord becomes an empty booking of category "VISITOR". AdditionalInfo and
// Restrictions are kept; the snapshot and the flags are left alone.
void ClearRecord(ProgramState& state);

} // namespace modFileManagement

namespace BookingForm {

// What the first-name and last-name boxes end with after text lands in the first-name box.
struct NameSplit {
    std::string firstName;               // the first-name box's final text (becomes FirstName)
    std::optional<std::string> lastName; // set when the text was split: the last-name box's new text
};

// A blank at position 3 or later of the trimmed text splits the box: its last character goes to
// the last-name box and the box keeps the text without its last two characters. The change
// handler runs again on the shortened text, so this repeats until no such blank is left
// ("Mary Ann" ends as "Mary" and "A"). The caller empties the box beforehand while no booking
// number is set, and moves the focus to the last-name box (caret at 1) when lastName is set.
NameSplit SplitFirstName(const std::string& boxText);

} // namespace BookingForm
