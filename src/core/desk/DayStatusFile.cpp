#include "core/desk/DayStatusFile.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/MonthBookingFile.h"
#include "core/startup/Helpers.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unordered_map>
#include <utility>
#include <vector>

namespace DayStatus {

namespace {

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n % 100);
    return text;
}

// A data folder or Record folder that is not there is a wrong setting or a
// lost network share, never a data folder without bookings.
FileError CheckDataFolders(const std::string& dataRoot) {
    if (!IsFolder(dataRoot) || !IsFolder(dataRoot + "/Record"))
        return {ErrorNumber::PathNotFound, "Path not found"};
    return FileError::None();
}

// The Status folder may be created, the data folder never.
FileError EnsureStatusFolder(const std::string& dataRoot) {
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
        if (FileError e = ReadWholeFile(BookingFiles::MonthFilePath(dataRoot, yymm), bytes)) {
            if (e.number == ErrorNumber::FileNotFound) // the Record folder is there: no bookings that month
                continue;
            return e;
        }
        // Only the current month's file books today's day number for today.
        const bool currentMonth = k == 0;
        for (const RawLine& raw : SplitRawLines(bytes)) {
            const std::string_view line = raw.text;
            const bool booked = currentMonth && !Text::IsBlank(ColumnText(line, Columns::DaySlot(today.day)));
            // A blank pass end covers no day; most lines have no pass.
            const std::string_view passEnd = ColumnText(line, Columns::PassEnd);
            if (booked ||
                (!Text::IsBlank(passEnd) && StartUp::IsDateInRange(std::string(ColumnText(line, Columns::PassStart)),
                                                                   std::string(passEnd), todayText)))
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
            SetTimes(line, NoTime, NoTime);
        return;
    }
    using Stamps = std::pair<std::string_view, std::string_view>;
    std::unordered_map<std::string_view, Stamps> stamps;
    for (const RawLine& old : SplitRawLines(oldBytes))
        stamps.insert_or_assign(ColumnText(old.text, Columns::RegNo),
                                Stamps{ArrivalTime(old.text), DepartureTime(old.text)});
    if (stamps.empty())
        return;
    for (std::string& line : taken) {
        const auto found = stamps.find(ColumnText(line, Columns::RegNo));
        if (found != stamps.end())
            SetTimes(line, found->second.first, found->second.second);
    }
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    out.reserve(lines.size() * (BookingLineLength + 2));
    for (const std::string& line : lines)
        AppendLine(out, line);
    return out;
}

} // namespace

std::string FilePath(const std::string& dataRoot, const LocalDateTime& day) {
    return dataRoot + "/Status/" + TwoDigits(day.year) + TwoDigits(day.month) + TwoDigits(day.day) + ".vdf";
}

std::string_view ArrivalTime(std::string_view line) {
    return ColumnText(line, Columns::ArrivalTime);
}

std::string_view DepartureTime(std::string_view line) {
    return ColumnText(line, Columns::DepartureTime);
}

void SetTimes(std::string& line, std::string_view arrival, std::string_view departure) {
    constexpr ColumnSpan a = Columns::ArrivalTime, d = Columns::DepartureTime;
    if (line.size() < d.column - 1 + d.width)
        line.resize(d.column - 1 + d.width, ' ');
    // Copies first: the values may be views into line itself.
    std::string arrivalText(arrival.substr(0, a.width)), departureText(departure.substr(0, d.width));
    arrivalText.resize(a.width, ' ');
    departureText.resize(d.width, ' ');
    line.replace(a.column - 1, a.width, arrivalText);
    line.replace(d.column - 1, d.width, departureText);
}

BuildResult Build(const std::string& dataRoot, bool sync) {
    const LocalDateTime today = Clock::Now();
    if (FileError e = CheckDataFolders(dataRoot))
        return {e, std::nullopt};
    std::vector<std::string> taken;
    if (FileError e = CollectTodaysLines(dataRoot, today, taken))
        return {e, std::nullopt};

    // Held from reading the old stamps to writing the merged file, so a stamp
    // another desk gives meanwhile waits for the new file instead of being
    // written over. A folder that cannot take the lock or the file (a
    // read-only share) still lets the day's bookings be shown.
    const std::string path = FilePath(dataRoot, today);
    FileError writeError = EnsureStatusFolder(dataRoot);
    std::optional<FileLock> lock;
    if (!writeError) {
        lock.emplace(path);
        writeError = lock->error();
    }
    FileError readError;
    std::string content;
    // Made afresh from the stamps the file holds each time it is read.
    const auto merge = [&](const FileError& error, std::string_view old) {
        const bool newFile = error.number == ErrorNumber::FileNotFound || error.number == ErrorNumber::PathNotFound;
        readError = newFile ? FileError::None() : error;
        if (readError)
            return false;
        std::vector<std::string> lines = taken;
        CarryStamps(lines, newFile, old);
        content = JoinLines(lines);
        return true;
    };
    if (writeError) {
        std::string old;
        merge(ReadWholeFile(path, old), old);
    } else {
        writeError = ChangeLockedFile(
            path,
            [&](const FileError& error, std::string& old) -> FileChange {
                if (!merge(error, old))
                    return {};
                return {FileChange::Kind::Replace, content};
            },
            sync);
    }
    if (readError)
        return {readError, std::nullopt};
    return {writeError, std::move(content)};
}

StampResult UpdateStatusLine(const std::string& dataRoot, std::string_view regNo, std::string_view arrival,
                             std::string_view departure, bool sync) {
    const LocalDateTime today = Clock::Now();
    if (FileError e = CheckDataFolders(dataRoot))
        return {e, 0};
    if (FileError e = EnsureStatusFolder(dataRoot))
        return {e, 0};
    const std::string key = Text::Trim(regNo);

    const std::string path = FilePath(dataRoot, today);
    FileLock lock(path);
    if (lock.error())
        return {lock.error(), 0};
    StampResult result;
    std::string out;
    const FileError written = ChangeLockedFile(
        path,
        [&](const FileError& readError, std::string& bytes) -> FileChange {
            result = {};
            out.clear();
            if (readError.number == ErrorNumber::FileNotFound) {
                std::vector<std::string> lines;
                if ((result.error = CollectTodaysLines(dataRoot, today, lines)))
                    return {};
                CarryStamps(lines, true, {});
                for (std::string& line : lines) {
                    if (!key.empty() && LineKey(line) == key) {
                        SetTimes(line, arrival, departure);
                        ++result.stampedLines;
                    }
                }
                out = JoinLines(lines);
            } else if (readError) {
                result.error = readError;
                return {};
            } else {
                out.reserve(bytes.size() + 2);
                for (const RawLine& raw : SplitRawLines(bytes)) {
                    if (key.empty() || LineKey(raw.text) != key) {
                        AppendLine(out, raw.text);
                        continue;
                    }
                    std::string line(raw.text);
                    SetTimes(line, arrival, departure);
                    AppendLine(out, line);
                    ++result.stampedLines;
                }
                if (result.stampedLines == 0)
                    return {};
            }
            return {FileChange::Kind::Replace, out};
        },
        sync);
    if (written)
        return {written, 0};
    return result;
}

} // namespace DayStatus
