#pragma once

#include "core/Clock.h"
#include "core/FileError.h"

#include <optional>
#include <string>
#include <string_view>

// Today's arrivals and departures: DataRoot/Status/yymmdd.vdf holds a copy of
// every booking line that concerns the day (a time booked for it in its own
// month, or a pass valid on it), one CR LF terminated line each, with the
// arrival and departure times in two columns of their own. Every change is
// made under the file's cross-process lock and rewrites it atomically, made
// again on what the file holds when a writer that takes no lock changed it
// meanwhile (2004, file busy, when it keeps changing).
namespace DayStatus {

// DataRoot/Status/yymmdd.vdf of the date of day.
std::string FilePath(const std::string& dataRoot, const LocalDateTime& day);

// A line of the file is a whole booking line whose ArrivalTime and
// DepartureTime columns hold "hh:mm", NoTime, or five blanks on a line a
// rebuild added to an existing file.
inline constexpr std::string_view NoTime = "  -  ";
std::string_view ArrivalTime(std::string_view line);
std::string_view DepartureTime(std::string_view line);
// Each value padded or cut to its five columns; a short line is padded first.
void SetTimes(std::string& line, std::string_view arrival, std::string_view departure);

// The caption error of a failed build is its error number plus this.
inline constexpr int BuildErrorOffset = 2120;
inline constexpr const char* BuildErrorPlace = " Write List ]";

// Rebuilds today's file (by Clock) from the month files of six months back to
// six months ahead: in the current month's file the lines with a time booked
// for today, in every file the lines whose pass covers today, in that order.
// A new file gets NoTime in both time columns; lines added to an existing file
// get blanks; lines still there keep their stamps; lines that no longer
// qualify go. A missing month file is a month without bookings; a missing
// Status folder is created. 76 when the data folder or its Record folder is
// missing: a folder that cannot be read is never taken for one without
// bookings. On any error today's file is left exactly as it was, so no stamp
// is lost to a passing fault.
struct BuildResult {
    FileError error;
    // What today's file holds, or would hold when it could not be written:
    // the bookings of today can still be shown. Empty when the month files or
    // the old status file could not be read.
    std::optional<std::string> content;

    explicit operator bool() const { return static_cast<bool>(error); }
};
BuildResult Build(const std::string& dataRoot, bool sync = true);

struct StampResult {
    FileError error;
    int stampedLines = 0;
};

// Writes arrival and departure into every line of today's file whose booking
// number is regNo (trimmed). Builds today's file first when it does not exist
// yet. A booking not in the file changes nothing and is no error. Errors as
// for Build, with today's file left as it was.
StampResult UpdateStatusLine(const std::string& dataRoot, std::string_view regNo, std::string_view arrival,
                             std::string_view departure, bool sync = true);

} // namespace DayStatus
