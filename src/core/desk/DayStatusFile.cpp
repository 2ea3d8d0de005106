#include "core/desk/DayStatusFile.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/ListCells.h"
#include "core/desk/MonthBookingFile.h"
#include "core/startup/Helpers.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n % 100);
    return text;
}

// The Status folder may be created, the data folder never: a data folder that
// is not there is a wrong setting or a lost network share.
FileError EnsureStatusFolder(const std::string& dataRoot) {
    if (!IsFolder(dataRoot))
        return {ErrorNumber::PathNotFound, "Path not found"};
    const std::string folder = dataRoot + "/Status";
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        if (errno == EACCES || errno == EPERM || errno == EROFS)
            return {ErrorNumber::PermissionDenied, "Permission denied"};
        return {ErrorNumber::PathFileAccess, "Path/File access error (Status folder)"};
    }
    if (!IsFolder(folder))
        return {ErrorNumber::PathFileAccess, "Path/File access error (Status is not a folder)"};
    return FileError::None();
}

// The month file lines that concern today, as they stand in their files, in
// the order of the files (six months back to six ahead) and of their lines.
FileError CollectTodaysLines(const std::string& dataRoot, const LocalDateTime& today, std::vector<std::string>& taken) {
    const std::string todayText = today.DateText();
    std::string bytes;
    for (int k = -6; k <= 6; ++k) {
        const int monthIndex = today.year * 12 + (today.month - 1) + k;
        const std::string yymm = TwoDigits(monthIndex / 12) + TwoDigits(monthIndex % 12 + 1);
        if (FileError e = ReadWholeFile(MonthFilePath(dataRoot, yymm), bytes)) {
            if (e.number == ErrorNumber::FileNotFound || e.number == ErrorNumber::PathNotFound)
                continue;
            return e;
        }
        // Only the current month's file books today's day number for today.
        const bool currentMonth = k == 0;
        for (const RawLine& raw : SplitRawLines(bytes)) {
            const std::string_view line = raw.text;
            const bool booked =
                currentMonth && !ListCells::IsBlank(ColumnText(line, DaySlotColumn(today.day), DaySlotWidth));
            // A blank pass end covers no day; most lines have no pass.
            const std::string_view passEnd = ColumnText(line, 947, 10);
            if (booked ||
                (!ListCells::IsBlank(passEnd) &&
                 StartUp::IsDateInRange(std::string(ColumnText(line, 936, 10)), std::string(passEnd), todayText)))
                taken.emplace_back(line);
        }
    }
    return FileError::None();
}

// Gives the taken lines their time columns: NoTime in a new file, otherwise
// the stamps of the old file's lines of the same booking number.
void CarryStamps(std::vector<std::string>& taken, bool newFile, std::string_view oldBytes) {
    if (newFile) {
        for (std::string& line : taken)
            StatusRecord::SetTimes(line, StatusRecord::NoTime, StatusRecord::NoTime);
        return;
    }
    using Stamps = std::pair<std::string_view, std::string_view>;
    std::unordered_map<std::string_view, Stamps> stamps;
    for (const RawLine& old : SplitRawLines(oldBytes))
        stamps.insert_or_assign(ColumnText(old.text, 1, 12),
                                Stamps{StatusRecord::ArrivalTime(old.text), StatusRecord::DepartureTime(old.text)});
    if (stamps.empty())
        return;
    for (std::string& line : taken) {
        const auto found = stamps.find(ColumnText(line, 1, 12));
        if (found != stamps.end())
            StatusRecord::SetTimes(line, found->second.first, found->second.second);
    }
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    out.reserve(lines.size() * (BookingLineLength + 2));
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace

std::string DayStatusFile(const std::string& dataRoot, const LocalDateTime& day) {
    return dataRoot + "/Status/" + TwoDigits(day.year) + TwoDigits(day.month) + TwoDigits(day.day) + ".vdf";
}

namespace StatusRecord {

std::string_view ArrivalTime(std::string_view line) {
    return ColumnText(line, ArrivalTimeColumn, StatusTimeWidth);
}

std::string_view DepartureTime(std::string_view line) {
    return ColumnText(line, DepartureTimeColumn, StatusTimeWidth);
}

void SetTimes(std::string& line, std::string_view arrival, std::string_view departure) {
    const std::size_t end = DepartureTimeColumn - 1 + StatusTimeWidth;
    if (line.size() < end)
        line.resize(end, ' ');
    // Copies first: the values may be views into line itself.
    std::string a(arrival.substr(0, StatusTimeWidth)), d(departure.substr(0, StatusTimeWidth));
    a.resize(StatusTimeWidth, ' ');
    d.resize(StatusTimeWidth, ' ');
    line.replace(ArrivalTimeColumn - 1, StatusTimeWidth, a);
    line.replace(DepartureTimeColumn - 1, StatusTimeWidth, d);
}

} // namespace StatusRecord

FileError BuildDayStatusFile(const std::string& dataRoot, bool sync) {
    const LocalDateTime today = Clock::Now();
    if (FileError e = EnsureStatusFolder(dataRoot))
        return e;
    std::vector<std::string> taken;
    if (FileError e = CollectTodaysLines(dataRoot, today, taken))
        return e;

    // Held from reading the old stamps to writing the merged file, so a stamp
    // another desk gives meanwhile waits for the new file instead of being
    // written over.
    const std::string path = DayStatusFile(dataRoot, today);
    FileLock lock(path);
    if (lock.error())
        return lock.error();
    std::string old;
    const FileError readError = ReadWholeFile(path, old);
    const bool newFile = readError.number == ErrorNumber::FileNotFound;
    if (readError && !newFile)
        return readError;
    CarryStamps(taken, newFile, old);
    return WriteFileAtomically(path, JoinLines(taken), sync);
}

FileError UpdateStatusLine(const std::string& dataRoot, std::string_view regNo, std::string_view arrival,
                           std::string_view departure, int* stampedLines, bool sync) {
    if (stampedLines)
        *stampedLines = 0;
    const LocalDateTime today = Clock::Now();
    if (FileError e = EnsureStatusFolder(dataRoot))
        return e;
    const std::string key = Text::Trim(regNo);

    const std::string path = DayStatusFile(dataRoot, today);
    FileLock lock(path);
    if (lock.error())
        return lock.error();
    std::string bytes;
    const FileError readError = ReadWholeFile(path, bytes);
    int stamped = 0;
    std::string out;
    if (readError.number == ErrorNumber::FileNotFound) {
        std::vector<std::string> lines;
        if (FileError e = CollectTodaysLines(dataRoot, today, lines))
            return e;
        CarryStamps(lines, true, {});
        for (std::string& line : lines) {
            if (!key.empty() && LineKey(line) == key) {
                StatusRecord::SetTimes(line, arrival, departure);
                ++stamped;
            }
        }
        out = JoinLines(lines);
    } else if (readError) {
        return readError;
    } else {
        out.reserve(bytes.size() + 2);
        for (const RawLine& raw : SplitRawLines(bytes)) {
            if (key.empty() || LineKey(raw.text) != key) {
                out += raw.whole;
                continue;
            }
            std::string line(raw.text);
            StatusRecord::SetTimes(line, arrival, departure);
            out += line;
            out += "\r\n";
            ++stamped;
        }
        if (stamped == 0)
            return FileError::None();
    }
    if (FileError e = WriteFileAtomically(path, out, sync))
        return e;
    if (stampedLines)
        *stampedLines = stamped;
    return FileError::None();
}
