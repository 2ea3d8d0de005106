#pragma once

#include "core/Clock.h"
#include "core/FileError.h"
#include "core/desk/BookingList.h"
#include "core/desk/CurrentRecord.h"
#include "core/desk/ListDescription.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Lists {

// The photo library's list: the bookings whose photo file exists, with the
// photo's date and age.
inline constexpr ListColumn PhotoListColumns[] = {
    {"", 0, GridDefault, Cell::Empty},
    {"Name", 120, 6, Cell::FullName},
    {"Organisation", 143, 6, Cell::Organisation},
    {"Taken", 75, 10, Cell::PhotoTaken},
    {"Photo Age", 80, 10, Cell::PhotoAge},
    {"Registration", 85, 10, Cell::RegNo},
    {"", GridDefault, GridDefault, Cell::Empty},
};
inline constexpr ListDescription PhotoList{PhotoListColumns, 0xFFFFFF, 0xFFFFFF, ""};

} // namespace Lists

namespace PhotoLibrary {

// The age of a photo written at taken, seen at now, counted in calendar
// months, else calendar days, else hours begun on the clock.
std::string PhotoAgeText(const LocalDateTime& taken, const LocalDateTime& now);

// Which bookings of a month file a scan keeps before it looks for their photo.
struct ScanFilter {
    bool find = false;      // Find: the search key and text; List: the day
    std::string key;        // a key of the search-field table ("ANY TEXT", "NAME", ...)
    std::string searchText; // trimmed before use; empty keeps every booking
    int day = 0;            // 1..31: only bookings with a time on that day; 0 all
};

// The month scan of DataRoot/Record/<yy><mm>.vrf: in file order, each line
// the filter keeps and whose photo file exists, as a photo list row (times of
// the photo read at now's clock). 53 when the month file is missing, 76 when
// the Record folder is; the rows found before a read error stay.
Lists::ListResult ScanMonth(const std::string& dataRoot, std::string_view yy, std::string_view mm,
                            const ScanFilter& filter, const LocalDateTime& now);

// The same over months 01 to 12 of yy, in month order; a missing month file
// adds nothing, any other error (the Record folder missing too) ends the scan
// with the rows found so far. The day of the filter is not used.
Lists::ListResult ScanYear(const std::string& dataRoot, std::string_view yy, const ScanFilter& filter,
                           const LocalDateTime& now);

// The day a day box entry names ("1st" gives 1); 0 for "All Days" or any text
// that names no day of a month.
int DayOfEntry(std::string_view entry);

// A chosen booking's photo, read to be shown: whole when it is at most
// LargestShownPhoto bytes long; error says why it is missing or unreadable.
inline constexpr std::uintmax_t LargestShownPhoto = 100000;
struct PhotoToShow {
    FileError error;
    bool tooLarge = false;
    std::string bytes;
};
PhotoToShow ReadPhotoToShow(const std::string& path);

struct PhotoDeletion {
    // Why it failed: the month folder could not be read or a file not removed;
    // 53 when no photo of the registration was there; 75 when one still is.
    FileError error;
    int matched = 0; // photo files of the registration found
    bool anyLeft = false;
    bool Succeeded() const { return !error && matched > 0 && !anyLeft; }
};

// Deletes every DataRoot/photo/<first four>/<regNo>_*.bmp of the number as
// its booking stores it (the photo files are named by it, a short number's
// blanks included), and only those: a file of a longer number that begins
// the same way is another registration's. A blank regNo matches nothing.
PhotoDeletion DeletePhotosOf(const std::string& dataRoot, std::string_view regNo);

inline constexpr int BookingNotSaved = 2003;

// Whether a photo can be attached to the booking: it has been saved, so it
// has a number of 12 characters that names its month.
bool CanAttachTo(const BookingFields& booking);

// Copies the photo of the shown booking (its number and trimmed names) over
// the booking's own photo, making the booking's photo month folder (one
// level) when missing. The copy is written to a temporary file and renamed
// into place: a failed copy leaves the booking's photo as it was. 2003 when
// the booking has not been saved; 53 when the source photo is missing; 76
// when the photo folder is.
FileError AttachPhoto(const std::string& dataRoot, const std::string& sourceRegNo, const std::string& sourceFirstName,
                      const std::string& sourceLastName, const BookingFields& booking);

// "Created: dd Month 20yy" of a registration; monthValid false (and no month
// name) when its characters 3-4 are no month.
struct CreatedText {
    std::string text;
    bool monthValid = true;
};
CreatedText CreatedTextOf(std::string_view regNo);

// One side of the attach question.
struct AttachParty {
    std::string name;
    std::string regNo;
    std::string pass; // the pass issued, or "No Pass"
    std::string organisation;
    std::string created;
};

// The confirmation asked before a photo is attached; the closing note is
// wrapped on three lines below windowsVersion 6.
std::string AttachQuestion(const AttachParty& photo, const AttachParty& booking, int windowsVersion);

} // namespace PhotoLibrary
