#include "core/maintenance/BulkDelete.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/ListDate.h"
#include "core/desk/SearchFields.h"
#include "core/startup/Helpers.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace Maintenance {

namespace {

const char* const CrLf = "\r\n";

bool DayBooked(std::string_view line, int day) {
    return day >= 1 && day <= 31 && !Text::IsBlank(ColumnText(line, Columns::DaySlot(day)));
}

} // namespace

DeleteOutcome DeleteFromMonth(const std::string& path, DeleteRule rule, std::string_view key, std::string_view findText,
                              int day, bool sync) {
    if (!IsFolder(FolderOf(path)))
        return {{ErrorNumber::PathNotFound, "Path not found"}, 0};
    FileLock lock(path);
    if (lock.error())
        return {lock.error(), 0};

    const SearchFields::Matcher matcher(Text::TrimView(key), Text::TrimView(findText));
    DeleteOutcome outcome;
    std::string kept;
    const FileError written = ChangeLockedFile(
        path,
        [&](const FileError& readError, std::string& bytes) -> FileChange {
            outcome = {readError, 0};
            if (readError)
                return {};
            kept.clear();
            kept.reserve(bytes.size());
            for (const RawLine& line : SplitRawLines(bytes)) {
                bool drop = false;
                switch (rule) {
                case DeleteRule::MatchingInMonth:
                    drop = matcher.Matches(line.text);
                    break;
                case DeleteRule::Day:
                    drop = DayBooked(line.text, day);
                    break;
                case DeleteRule::MatchingOnDay:
                    drop = DayBooked(line.text, day) && matcher.Matches(line.text);
                    break;
                }
                if (drop)
                    ++outcome.deleted;
                else
                    AppendLine(kept, line.text);
            }
            if (outcome.deleted == 0) {
                outcome.error = {ErrorNumber::NothingFound, "Nothing to delete"};
                return {};
            }
            return {FileChange::Kind::Replace, kept};
        },
        sync);
    if (written)
        return {written, 0};
    return outcome;
}

FileError EmptyMonthFile(const std::string& path, bool sync) {
    if (!IsFolder(FolderOf(path)))
        return {ErrorNumber::PathNotFound, "Path not found"};
    FileLock lock(path);
    if (lock.error())
        return lock.error();
    return WriteFileAtomically(path, {}, sync);
}

std::string YearDigits(std::string_view yearText) {
    const std::string_view year = Text::TrimView(yearText);
    if (year.size() != 4 || year.find_first_not_of("0123456789") != std::string_view::npos)
        return {};
    const long value = Text::Val(year);
    if (value < ListDate::FirstYear || value > ListDate::LastYear())
        return {};
    return std::string(year.substr(2));
}

YearOutcome DeleteYear(const std::string& dataRoot, std::string_view yearText) {
    YearOutcome outcome;
    const std::string yy = YearDigits(yearText);
    if (yy.empty()) {
        outcome.error = {ErrorNumber::PathFileAccess, "No valid year"};
        return outcome;
    }
    const std::string folder = dataRoot + "/Record";
    if (!IsFolder(folder)) {
        outcome.error = {ErrorNumber::PathNotFound, "Path not found"};
        return outcome;
    }
    for (int month = 1; month <= 12; ++month) {
        const std::string path = folder + "/" + yy + (month < 10 ? "0" : "") + std::to_string(month) + ".vrf";
        if (::access(path.c_str(), F_OK) != 0)
            continue;
        FileLock lock(path);
        FileError error = lock.error();
        if (!error && IsMarkedReadOnly(path))
            error = FileErrorFromErrno(EACCES); // kept, as a rewrite keeps it
        else if (!error && ::unlink(path.c_str()) != 0 && errno != ENOENT)
            error = FileErrorFromErrno(errno);
        if (error) {
            if (!outcome.error)
                outcome.error = error;
            ++outcome.failed;
        } else {
            ++outcome.deleted;
        }
    }
    if (outcome.deleted == 0 && outcome.failed == 0)
        outcome.error = {ErrorNumber::NothingFound, "No month file of the year"};
    else if (outcome.deleted > 0)
        SyncFolder(folder);
    return outcome;
}

SelectionCheck ValidateSelection(int dayIndex, std::string_view dayText, std::string_view monthText,
                                 std::string_view yearText) {
    SelectionCheck check;
    const long dayValue = Text::Val(Text::TrimView(dayText));
    if (dayText != "All Days" && (dayValue < 1 || dayValue > 31)) {
        check.messages.emplace_back("ATTENTION: The DAY entered is not valid - Try selecting again");
        check.invalid = true;
        return check;
    }
    const long day = std::max<long>(dayIndex, dayValue);
    const long year = Text::Val(yearText);
    const auto refuse = [&](std::string message, int lastDay) {
        check.messages.push_back(std::move(message));
        check.correctedDay = lastDay;
        check.invalid = true;
    };
    if (monthText != "All Months") {
        if (monthText == "JANUARY" || monthText == "MARCH" || monthText == "MAY" || monthText == "JULY" ||
            monthText == "AUGUST" || monthText == "OCTOBER" || monthText == "DECEMBER") {
            if (day > 31)
                refuse(ListDate::InvalidDayText, 31);
        } else if (monthText == "APRIL" || monthText == "JUNE" || monthText == "SEPTEMBER" || monthText == "NOVEMBER") {
            if (day > 30)
                refuse(ListDate::Only30DaysText, 30);
        } else if (monthText == "FEBRUARY") {
            const int lastDay = StartUp::IsLeapYear(static_cast<int>(year % 400)) ? 29 : 28;
            if (day > lastDay)
                refuse("ATTENTION: Only [ " + std::to_string(lastDay) + " ] Days in February " + std::string(yearText),
                       lastDay);
        } else {
            check.messages.emplace_back(ListDate::NoValidDateText);
            check.invalid = true;
        }
    }
    // Only a four-digit year names its month files; "2016abc" must not.
    if (YearDigits(yearText).empty()) {
        check.messages.emplace_back(ListDate::NoValidDateText);
        check.invalid = true;
    }
    return check;
}

std::string Criteria(std::string_view key, std::string_view findText) {
    const std::string text = "[ " + Text::Trim(findText) + " ]";
    if (key == "ANY TEXT")
        return text + " found in ANY field";
    return text + " in the " + std::string(key) + " field";
}

std::string MonthQuestion(std::string_view dayText, std::string_view findText, std::string_view key,
                          std::string_view monthText, std::string_view yearText) {
    const std::string month = std::string(monthText) + " " + std::string(yearText);
    const bool allDays = dayText == "All Days";
    const bool blank = Text::IsBlank(findText);
    std::string q;
    if (allDays)
        q = blank ? "DELETE ALL BOOKINGS for the Entire MONTH of " + month + "."
                  : "DELETE ALL BOOKINGS for the Month of " + month;
    else
        q = "DELETE ALL Bookings made on the " + std::string(dayText) + " of " + month;
    if (!blank)
        q += std::string(" with:") + CrLf + CrLf + Criteria(key, findText) + CrLf;
    return q + CrLf + "Do you wish to proceed?";
}

std::string YearQuestion(std::string_view yearText) {
    return "This will DELETE ALL BOOKINGS for the Entire YEAR of " + std::string(yearText) + "." + CrLf +
           "Do you wish to proceed?";
}

std::string DeletedStatus(int count, std::string_view dayText, std::string_view monthText, std::string_view yearText) {
    std::string status = count == 0   ? "No Records Deleted for "
                         : count == 1 ? "One Record Deleted for "
                                      : std::to_string(count) + " Records Deleted for ";
    if (!dayText.empty())
        status += "the " + std::string(dayText) + " of ";
    return status + std::string(monthText) + " " + std::string(yearText);
}

std::string WholeMonthStatus(std::string_view monthText, std::string_view yearText) {
    return "All Bookings for " + std::string(monthText) + " " + std::string(yearText) + " Deleted";
}

std::string FailedStatus(std::string_view dayText, std::string_view monthText, std::string_view yearText) {
    std::string status = "Could not remove the Bookings for ";
    if (!dayText.empty())
        status += "the " + std::string(dayText) + " of ";
    return status + std::string(monthText) + " " + std::string(yearText);
}

std::string YearStatus(const YearOutcome& outcome, std::string_view yearText) {
    const std::string year(yearText);
    if (outcome.failed == 0 && outcome.deleted > 0)
        return "All Bookings for the year " + year + " Deleted";
    if (outcome.deleted > 0)
        return "Not all Bookings for the year " + year + " could be removed: " + std::to_string(outcome.failed) +
               (outcome.failed == 1 ? " month file remains" : " month files remain");
    if (outcome.failed > 0)
        return "No Bookings for the year " + year + " could be removed";
    return "No Bookings found for the year " + year;
}

} // namespace Maintenance
