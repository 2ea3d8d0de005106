#include "core/desk/MonthBookingFile.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/RegNo.h"

#include <algorithm>
#include <unistd.h>
#include <unordered_set>

namespace {

// The first four characters of a booking number become a file name (and a
// photo folder name); they must not reach outside the folder.
bool IsSafeMonthName(std::string_view yymm) {
    return yymm.size() == 4 && yymm.find_first_of(std::string_view("/\\.\0", 4)) == std::string_view::npos;
}

FileError RecordFolderMissing() {
    return {ErrorNumber::PathNotFound, "Path not found"};
}

FileError NoSuchMonthFile() {
    return {ErrorNumber::FileNotFound, "File not found"};
}

FileError BookingNotFound() {
    return {ErrorNumber::BookingNotFound, "Booking not found in its month file"};
}

// The photo of a booking, or empty when its name would not be a plain file
// name inside DataRoot/photo/yymm.
std::string PhotoToDelete(const std::string& dataRoot, const std::string& key, const std::string& firstName,
                          const std::string& lastName) {
    const std::string name = key + "_" + firstName + "_" + lastName + ".bmp";
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string::npos)
        return {};
    return dataRoot + "/photo/" + std::string(BookedMonthOf(key).yymm) + "/" + name;
}

// The checks every look-up of an existing booking starts with. A text that
// is no booking number ("NEW Booking") finds nothing and touches no file, not
// even a lock file.
FileError CheckBookingKey(const std::string& dataRoot, const std::string& key) {
    if (Text::Val(key) <= 0)
        return BookingNotFound();
    if (!IsSafeMonthName(BookedMonthOf(key).yymm))
        return NoSuchMonthFile();
    if (!IsFolder(dataRoot + "/Record"))
        return RecordFolderMissing();
    return FileError::None();
}

} // namespace

namespace BookingFiles {

std::string MonthFilePath(const std::string& dataRoot, std::string_view yymmOrRegNo) {
    return dataRoot + "/Record/" + MonthFileName(yymmOrRegNo);
}

SaveResult SaveNewBooking(const std::string& dataRoot, const BookingFields& rec, const TimeCellTexts& times,
                          const LocalDateTime& now, std::string_view bookedYearText, std::string_view monthNo,
                          bool sync) {
    // A year or month that does not make four digits would file the booking
    // under a month it was not booked for.
    const std::string yymm = BookedYearMonth(bookedYearText, monthNo);
    if (yymm.size() != 4 || yymm.find_first_not_of("0123456789") != std::string::npos || yymm.substr(2) < "01" ||
        yymm.substr(2) > "12")
        return {{ErrorNumber::PathFileAccess, "Path/File access error (no valid booking month)"}, {}};
    std::string regNo = MakeRegNo(now, bookedYearText, monthNo);
    if (!IsFolder(dataRoot + "/Record"))
        return {RecordFolderMissing(), {}};

    const std::string path = MonthFilePath(dataRoot, regNo);
    FileLock lock(path);
    if (lock.error())
        return {lock.error(), {}};

    // The number is taken afresh whenever the file changed under the save.
    // The file is written anew, as a rewrite is: a desk killed half way
    // leaves it as it was, never with part of a line at its end.
    const std::string first = regNo;
    SaveResult result;
    const FileError written = ChangeLockedFile(
        path,
        [&](const FileError& readError, std::string& bytes) -> FileChange {
            result = {};
            if (readError && readError.number != ErrorNumber::FileNotFound) {
                result.error = readError;
                return {};
            }
            const std::vector<RawLine> lines = SplitRawLines(bytes);
            std::unordered_set<std::string_view> taken(lines.size()); // in bytes, which grow only after the choice
            for (const RawLine& line : lines)
                taken.insert(Text::TrimView(ColumnText(line.text, Columns::RegNo)));
            regNo = first;
            for (int tries = 0; taken.count(regNo) != 0; ++tries) {
                if (tries == 24 * 60 * 60) {
                    result.error = {ErrorNumber::NoFreeBookingNumber, "No free booking number"};
                    return {};
                }
                regNo = NextRegNo(regNo);
            }

            BookingFields saved = rec;
            saved.RegNo = regNo;
            result.storedLine = BuildBookingLine(saved, times);
            // Never glue the new line onto an unterminated last line; a lone CR
            // ends a line as CR LF does.
            if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
                bytes += "\r\n";
            bytes += result.storedLine;
            bytes += "\r\n";
            return {FileChange::Kind::Replace, bytes};
        },
        sync);
    if (written)
        return {written, {}};
    return result;
}

UpdateResult UpdateBooking(const std::string& dataRoot, std::string_view baseLine, const BookingFields& ours,
                           const TimeCellTexts* ourTimes, bool revokePass, Conflicts resolve, bool sync) {
    const std::string key = Text::Trim(ours.RegNo);
    if (FileError e = CheckBookingKey(dataRoot, key))
        return {e, {}, {}};

    BookingFields edited = ours;
    std::string ourLine = BuildBookingLine(edited, ourTimes ? *ourTimes : TimeCellTexts{});
    if (revokePass)
        ourLine.replace(Columns::PassFields.column - 1, Columns::PassFields.width, Columns::PassFields.width, ' ');

    const std::string path = MonthFilePath(dataRoot, key);
    FileLock lock(path);
    if (lock.error())
        return {lock.error(), {}, {}};

    UpdateResult result;
    std::string out;
    const FileError written = ChangeLockedFile(
        path,
        [&](const FileError& readError, std::string& bytes) -> FileChange {
            result = {};
            if (readError) {
                result.error = readError;
                return {};
            }
            const std::vector<RawLine> lines = SplitRawLines(bytes);
            const auto theirs = std::find_if(lines.begin(), lines.end(),
                                             [&](const RawLine& line) { return LineKey(line.text) == key; });
            if (theirs == lines.end()) {
                result.error = BookingNotFound();
                return {};
            }

            MergedLine merged = MergeBookingLine(baseLine.empty() ? theirs->text : baseLine, ourLine, theirs->text,
                                                 ourTimes != nullptr, resolve);
            result.conflicts = std::move(merged.conflicts);
            if (!result.conflicts.empty() && resolve == Conflicts::Ask)
                return {};
            result.storedLine = std::move(merged.line);

            if (result.storedLine == theirs->text)
                return {};
            out.clear();
            out.reserve(bytes.size() + BookingLineLength);
            for (auto line = lines.begin(); line != lines.end(); ++line)
                AppendLine(out, line == theirs ? std::string_view(result.storedLine) : line->text);
            return {FileChange::Kind::Replace, out};
        },
        sync);
    if (written)
        return {written, {}, {}};
    return result;
}

DeleteResult DeleteBooking(const std::string& dataRoot, std::string_view regNo, bool sync) {
    const std::string key = Text::Trim(regNo);
    if (FileError e = CheckBookingKey(dataRoot, key))
        return {e, 0};

    const std::string path = MonthFilePath(dataRoot, key);
    FileLock lock(path);
    if (lock.error())
        return {lock.error(), 0};

    DeleteResult result;
    std::string out;
    std::string photo;
    const FileError written = ChangeLockedFile(
        path,
        [&](const FileError& readError, std::string& bytes) -> FileChange {
            result = {};
            if (readError) {
                result.error = readError;
                return {};
            }
            out.clear();
            out.reserve(bytes.size());
            photo.clear();
            for (const RawLine& line : SplitRawLines(bytes)) {
                if (LineKey(line.text) != key) {
                    AppendLine(out, line.text);
                    continue;
                }
                if (result.removedLines++ == 0)
                    photo = PhotoToDelete(dataRoot, key, TrimmedColumn(line.text, Columns::FirstName),
                                          TrimmedColumn(line.text, Columns::LastName));
            }
            if (result.removedLines == 0) {
                result.error = BookingNotFound();
                return {};
            }
            return {FileChange::Kind::Replace, out};
        },
        sync);
    if (written)
        return {written, 0};
    if (!result.error && !photo.empty())
        ::unlink(photo.c_str()); // a missing photo is no error
    return result;
}

LineResult ReadBookingLine(const std::string& dataRoot, std::string_view regNo) {
    const std::string key = Text::Trim(regNo);
    if (FileError e = CheckBookingKey(dataRoot, key))
        return {e, {}};
    std::string bytes;
    if (FileError e = ReadWholeFile(MonthFilePath(dataRoot, key), bytes))
        return {e, {}};
    for (const RawLine& line : SplitRawLines(bytes)) {
        if (LineKey(line.text) == key)
            return {FileError::None(), std::string(line.text)};
    }
    return {BookingNotFound(), {}};
}

LinesResult ReadLines(const std::string& path) {
    LinesResult result;
    std::string bytes;
    if ((result.error = ReadWholeFile(path, bytes)))
        return result;
    const std::vector<RawLine> raw = SplitRawLines(bytes);
    result.lines.reserve(raw.size());
    for (const RawLine& line : raw)
        result.lines.emplace_back(line.text);
    return result;
}

} // namespace BookingFiles
