#include "core/startup/Helpers.h"
#include "core/TextUtil.h"

#include <filesystem>
#include <system_error>

namespace StartUp {

namespace {

// Reads a number the forgiving way users' typing needs: leading blanks
// skipped, then the leading digits; 0 when there are none.
long ReadLeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

// "dd-mm-yyyy" as the number yymmdd.
long DateKey(const std::string& date) {
    if (date.size() < 10)
        return 0;
    return ReadLeadingNumber(date.substr(8, 2) + date.substr(3, 2) + date.substr(0, 2));
}

} // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValidTime(const std::string& text) {
    if (text.size() != 5 || text[2] != ':')
        return false;
    const long hours = ReadLeadingNumber(text.substr(0, 2));
    const long minutes = ReadLeadingNumber(text.substr(3, 2));
    return hours <= 23 && minutes <= 59;
}

bool IsDateInRange(const std::string& lo, const std::string& hi, const std::string& d) {
    const long day = DateKey(d);
    return DateKey(lo) <= day && day <= DateKey(hi);
}

int EmailCheckFailure(const std::string& address) {
    const std::string trimmed = Text::Trim(address);
    if (trimmed.find(' ') != std::string::npos)
        return 1;
    if (trimmed.size() < 8)
        return 2;
    const auto at = address.find('@', 1);
    if (at == std::string::npos)
        return 3;
    if (address.find('.', at) == std::string::npos)
        return 4;
    return 0;
}

const char* EmailCheckTitle(int failure) {
    switch (failure) {
    case 1:
        return "Kestrane [Bad format: spaces in address]";
    case 2:
        return "Kestrane [Bad Domain Name]";
    case 3:
        return "Kestrane [Bad Format Missing @ ]";
    case 4:
        return "Kestrane [Bad Domain Identity]";
    default:
        return "";
    }
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

std::string HelpPageForTopic(int topic) {
    switch (topic) {
    case HelpTopics::DayList:
        return "daylist.html";
    case HelpTopics::MonthList:
        return "monthlist.html";
    case HelpTopics::OnSiteList:
        return "iostatuslist.html";
    case HelpTopics::Search:
        return "findingrecords.html";
    case HelpTopics::ListCalendar:
        return "daylist2.html";
    case HelpTopics::NewBooking:
        return "makebooking.html";
    case HelpTopics::BookingTime:
        return "makebooking2.html";
    case HelpTopics::OnOffSite:
        return "iostatuslist2.html";
    case HelpTopics::UndoOnOffSite:
        return "iostatuslist3.html";
    case HelpTopics::Camera:
        return "snapshot.html";
    case HelpTopics::CameraSetup:
        return "snapshot2.html";
    case HelpTopics::LocationDetails:
    case HelpTopics::PersonalDetails:
        return "makebooking3.html";
    case HelpTopics::Photos:
        return "managingpics2.html";
    case HelpTopics::Settings:
        return "ModesOfOperation2.html";
    case HelpTopics::NetworkSettings:
        return "netoperations2.html";
    case HelpTopics::Pass:
        return "issuingapass.html";
    default:
        return "index.html";
    }
}

std::string ShellOpenFolder(const std::string& file, const std::string& currentDir) {
    // The help opener hands over a quoted path; the quote is not part of the folder.
    const std::string path = !file.empty() && file.front() == '"' ? file.substr(1) : file;
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return currentDir;
    if (slash == 0 || path[slash - 1] == ':')
        return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

} // namespace StartUp
