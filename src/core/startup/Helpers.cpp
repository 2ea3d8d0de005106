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
    case 20:
        return "daylist.html";
    case 21:
        return "monthlist.html";
    case 22:
        return "iostatuslist.html";
    case 23:
        return "findingrecords.html";
    case 24:
        return "daylist2.html";
    case 25:
        return "makebooking.html";
    case 26:
        return "makebooking2.html";
    case 27:
        return "iostatuslist2.html";
    case 28:
        return "iostatuslist3.html";
    case 50:
        return "snapshot.html";
    case 51:
        return "snapshot2.html";
    case 60:
    case 61:
        return "makebooking3.html";
    case 70:
        return "managingpics2.html";
    case 80:
        return "ModesOfOperation2.html";
    case 81:
        return "netoperations2.html";
    case 100:
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
