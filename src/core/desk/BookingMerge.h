#pragma once

#include <string>
#include <string_view>
#include <vector>

// Merging one desk's edit of a booking line with what another desk stored
// meanwhile, field by field, so neither desk's change is lost.
namespace BookingFiles {

// What to do with a field changed here and at another desk to different values.
enum class Conflicts { Ask, KeepOurs, KeepTheirs };

struct MergedLine {
    std::string line;                   // theirs with our changes, 1186 bytes
    std::vector<std::string> conflicts; // labels of the fields in conflict, in line order
};

// base is the line as this desk read or last stored it, ours the line built
// from this desk's edit, theirs the line now in the file. Every field (each
// day slot, the pass columns as one, the photo flag) compares the three as
// column texts: changed only there keeps theirs, changed only here takes
// ours, changed at both to one value is no conflict. Without ourSlots the day
// slots of ours count as unchanged. The booking number and the columns
// outside every field stay theirs. Fields are compared as the builder writes
// what it reads back, so bytes it would write otherwise (a leading blank in a
// field, "<$C>") are no change. A conflict
// keeps theirs under Ask and KeepTheirs, takes ours under KeepOurs, and is
// listed under every choice.
MergedLine MergeBookingLine(std::string_view base, std::string_view ours, std::string_view theirs, bool ourSlots,
                            Conflicts resolve);

} // namespace BookingFiles
