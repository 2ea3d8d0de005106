#include "core/desk/MonthBookingFile.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/RegNo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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

// Appends bytes in one write; a write that fails half way is cut back off.
FileError AppendToFile(const std::string& path, std::string_view bytes, bool sync) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return FileErrorFromErrno(errno);
    struct stat before {};
    ::fstat(fd, &before);
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            if (::ftruncate(fd, before.st_size) != 0) {
                // nothing more can be done; the next rewrite keeps the partial line apart
            }
            ::close(fd);
            return FileErrorFromErrno(err);
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    if (sync && ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        return FileErrorFromErrno(err);
    }
    if (::close(fd) != 0)
        return FileErrorFromErrno(errno);
    if (sync && before.st_size == 0)
        SyncFolder(FolderOf(path));
    return FileError::None();
}

// The photo of a booking, or empty when its name would not be a plain file
// name inside DataRoot/photo/yymm.
std::string PhotoToDelete(const std::string& dataRoot, const std::string& key, const std::string& firstName,
                          const std::string& lastName) {
    const std::string name = key + "_" + firstName + "_" + lastName + ".bmp";
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string::npos)
        return {};
    return dataRoot + "/photo/" + key.substr(0, 4) + "/" + name;
}

// The checks every change of an existing booking starts with.
FileError CheckBookingFile(const std::string& dataRoot, const std::string& key) {
    if (key.empty())
        return BookingNotFound();
    if (!IsSafeMonthName(std::string_view(key).substr(0, 4)))
        return NoSuchMonthFile();
    if (!IsFolder(dataRoot + "/Record"))
        return RecordFolderMissing();
    return FileError::None();
}

} // namespace

std::string MonthFilePath(const std::string& dataRoot, std::string_view yymmOrRegNo) {
    return dataRoot + "/Record/" + MonthFileName(yymmOrRegNo);
}

FileError SaveNewBooking(const std::string& dataRoot, BookingFields& rec, const TimeCellTexts& timeCells,
                         const LocalDateTime& now, std::string_view bookedYearText, std::string_view monthNo,
                         bool sync) {
    // A year or month that does not make four digits would file the booking
    // under a month it was not booked for.
    const std::string year = Text::Trim(bookedYearText);
    const std::string yymm = year.substr(year.size() - std::min<std::size_t>(2, year.size())) + std::string(monthNo);
    if (yymm.size() != 4 || yymm.find_first_not_of("0123456789") != std::string::npos || yymm.substr(2) < "01" ||
        yymm.substr(2) > "12")
        return {ErrorNumber::PathFileAccess, "Path/File access error (no valid booking month)"};
    std::string regNo = MakeRegNo(now, bookedYearText, monthNo);
    if (!IsFolder(dataRoot + "/Record"))
        return RecordFolderMissing();

    const std::string path = MonthFilePath(dataRoot, regNo);
    FileLock lock(path);
    if (lock.error())
        return lock.error();
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes); e && e.number != ErrorNumber::FileNotFound)
        return e;

    std::unordered_set<std::string> taken;
    for (const RawLine& line : SplitRawLines(bytes))
        taken.insert(LineKey(line.text));
    for (int tries = 0; taken.count(regNo) != 0; ++tries) {
        if (tries == 24 * 60 * 60)
            return {ErrorNumber::NoFreeBookingNumber, "No free booking number"};
        regNo = NextRegNo(regNo);
    }

    BookingFields saved = rec;
    saved.RegNo = regNo;
    std::string out;
    if (!bytes.empty() && bytes.back() != '\n')
        out = "\r\n"; // never glue the new line onto an unterminated last line
    out += BuildBookingLine(saved, timeCells);
    out += "\r\n";
    if (FileError e = AppendToFile(path, out, sync))
        return e;
    rec = std::move(saved);
    return FileError::None();
}

FileError UpdateBooking(const std::string& dataRoot, BookingFields& rec, const TimeCellTexts& timeCells,
                        bool revokePass, bool sync) {
    const std::string key = Text::Trim(rec.RegNo);
    if (FileError e = CheckBookingFile(dataRoot, key))
        return e;

    BookingFields updated = rec;
    if (revokePass) {
        updated.PassStart.clear();
        updated.PassEnd.clear();
        updated.PassPeriod.clear();
        updated.PassIssued.clear();
    }
    const std::string newLine = BuildBookingLine(updated, timeCells) + "\r\n";

    const std::string path = MonthFilePath(dataRoot, key);
    FileLock lock(path);
    if (lock.error())
        return lock.error();
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes))
        return e;

    const std::vector<RawLine> lines = SplitRawLines(bytes);
    std::vector<const RawLine*> matches;
    bool sameSize = true;
    for (const RawLine& line : lines) {
        if (LineKey(line.text) == key) {
            matches.push_back(&line);
            sameSize = sameSize && line.whole.size() == newLine.size();
        }
    }
    if (matches.empty())
        return BookingNotFound();

    std::string out;
    if (sameSize) {
        // The usual case: whole lines replaced by lines of their own size, in place.
        for (const RawLine* line : matches)
            bytes.replace(static_cast<std::size_t>(line->whole.data() - bytes.data()), newLine.size(), newLine);
        out = std::move(bytes);
    } else {
        out.reserve(bytes.size() + matches.size() * newLine.size());
        for (const RawLine& line : lines)
            out += LineKey(line.text) == key ? std::string_view(newLine) : line.whole;
    }
    if (FileError e = WriteFileAtomically(path, out, sync))
        return e;
    rec = std::move(updated);
    return FileError::None();
}

FileError DeleteBooking(const std::string& dataRoot, std::string_view regNo, int* removedLines, bool sync) {
    if (removedLines)
        *removedLines = 0;
    const std::string key = Text::Trim(regNo);
    if (FileError e = CheckBookingFile(dataRoot, key))
        return e;

    const std::string path = MonthFilePath(dataRoot, key);
    FileLock lock(path);
    if (lock.error())
        return lock.error();
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes))
        return e;

    std::string out;
    out.reserve(bytes.size());
    std::string photo;
    int removed = 0;
    for (const RawLine& line : SplitRawLines(bytes)) {
        if (LineKey(line.text) != key) {
            out += line.whole;
            continue;
        }
        if (removed++ == 0)
            photo = PhotoToDelete(dataRoot, key, TrimmedColumn(line.text, 14, 16), TrimmedColumn(line.text, 31, 18));
    }
    if (removed == 0)
        return BookingNotFound();
    if (FileError e = WriteFileAtomically(path, out, sync))
        return e;
    if (!photo.empty())
        ::unlink(photo.c_str()); // a missing photo is no error
    if (removedLines)
        *removedLines = removed;
    return FileError::None();
}

FileError ReadBooking(const std::string& dataRoot, std::string_view regNo, BookingFields& out) {
    const std::string key = Text::Trim(regNo);
    if (key.empty())
        return BookingNotFound();
    if (!IsSafeMonthName(std::string_view(key).substr(0, 4)))
        return NoSuchMonthFile();
    std::string bytes;
    if (FileError e = ReadWholeFile(MonthFilePath(dataRoot, key), bytes))
        return e;
    for (const RawLine& line : SplitRawLines(bytes)) {
        if (LineKey(line.text) == key) {
            ParseBookingLine(line.text, out);
            return FileError::None();
        }
    }
    return BookingNotFound();
}

FileError ReadMonthLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    if (FileError e = ReadWholeFile(path, bytes))
        return e;
    const std::vector<RawLine> raw = SplitRawLines(bytes);
    lines.reserve(raw.size());
    for (const RawLine& line : raw)
        lines.emplace_back(line.text);
    return FileError::None();
}
