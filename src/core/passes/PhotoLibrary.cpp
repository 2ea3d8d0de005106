#include "core/passes/PhotoLibrary.h"

#include "core/AtomicFile.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/RegNo.h"
#include "core/desk/SearchFields.h"
#include "core/passes/FileInfo.h"
#include "core/passes/PhotoFile.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace PhotoLibrary {

namespace fs = std::filesystem;

std::string PhotoAgeText(const LocalDateTime& taken, const LocalDateTime& now) {
    const int months = 12 * (now.year - taken.year) + (now.month - taken.month);
    if (months == 1)
        return "1 Month";
    if (months > 24)
        return "> 2 Years";
    if (months > 12)
        return "> 1 Year";
    if (months != 0)
        return std::to_string(months) + " Months";
    const int days = now.day - taken.day;
    if (days == 1)
        return "1 Day";
    if (days != 0)
        return std::to_string(days) + " Days";
    const int hours = now.hour - taken.hour;
    if (hours == 0)
        return "< 1 Hour";
    if (hours == 1)
        return "1 Hour";
    return std::to_string(hours) + " Hours";
}

int DayOfEntry(std::string_view entry) {
    const long day = Text::Val(entry);
    return day >= 1 && day <= 31 ? static_cast<int>(day) : 0;
}

namespace {

// The rows of a scan as they are found: their bytes and where each lies.
struct RowsFound {
    std::string bytes;
    std::vector<std::pair<std::size_t, std::size_t>> rows;

    void Add(std::string_view line, const LocalDateTime& taken, const LocalDateTime& now) {
        const std::size_t start = bytes.size();
        bytes.append(line.substr(0, BookingLineLength));
        bytes.append(BookingLineLength - std::min(line.size(), BookingLineLength), ' ');
        bytes += taken.DateText();
        std::string age = PhotoAgeText(taken, now);
        age.resize(Lists::PhotoAgeWidth, ' ');
        bytes += age;
        rows.emplace_back(start, bytes.size() - start);
    }

    Lists::ListResult Result(FileError error) {
        auto list = std::make_shared<Lists::BookingList>(std::move(bytes));
        list->Reserve(rows.size());
        const std::string_view all = list->Bytes();
        for (const auto& [offset, length] : rows)
            list->Add(all.substr(offset, length));
        return {std::move(error), std::move(list)};
    }
};

class Scanner {
  public:
    Scanner(const std::string& dataRoot, const ScanFilter& filter, const LocalDateTime& now)
        : dataRoot_(dataRoot), now_(now) {
        if (filter.find)
            matcher_.emplace(Text::TrimView(filter.key), Text::TrimView(filter.searchText));
    }

    // Adds the rows of one month file; its read error, if any.
    FileError ScanFile(const std::string& path, int day, RowsFound& found) {
        std::string bytes;
        if (FileError e = Lists::ReadListFile(path, bytes))
            return e;
        for (const RawLine& raw : SplitRawLines(bytes)) {
            const std::string_view line = raw.text;
            if (matcher_ ? !matcher_->Matches(line)
                         : day != 0 && Text::IsBlank(ColumnText(line, Columns::DaySlot(day))))
                continue;
            const std::string photo = PhotoFile::PhotoFilePath(dataRoot_, std::string(ColumnText(line, Columns::RegNo)),
                                                               TrimmedColumn(line, Columns::FirstName),
                                                               TrimmedColumn(line, Columns::LastName));
            struct stat st {};
            if (::stat(photo.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
                continue;
            found.Add(line, modFileInfo::LocalTimeOf(st.st_mtime), now_);
        }
        return FileError::None();
    }

  private:
    const std::string& dataRoot_;
    LocalDateTime now_;
    std::optional<SearchFields::Matcher> matcher_;
};

std::string MonthCode(int month) {
    return {static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10)};
}

} // namespace

Lists::ListResult ScanMonth(const std::string& dataRoot, std::string_view yy, std::string_view mm,
                            const ScanFilter& filter, const LocalDateTime& now) {
    Scanner scanner(dataRoot, filter, now);
    RowsFound found;
    FileError error =
        scanner.ScanFile(BookingFiles::MonthFilePath(dataRoot, std::string(yy) + std::string(mm)), filter.day, found);
    return found.Result(std::move(error));
}

Lists::ListResult ScanYear(const std::string& dataRoot, std::string_view yy, const ScanFilter& filter,
                           const LocalDateTime& now) {
    Scanner scanner(dataRoot, filter, now);
    RowsFound found;
    for (int month = 1; month <= 12; ++month) {
        FileError e =
            scanner.ScanFile(BookingFiles::MonthFilePath(dataRoot, std::string(yy) + MonthCode(month)), 0, found);
        if (e && e.number != ErrorNumber::FileNotFound)
            return found.Result(std::move(e));
    }
    return found.Result(FileError::None());
}

namespace {

bool EndsWithBmp(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".bmp";
}

// The photo files of a registration in its month folder (no folder, none).
std::vector<fs::path> PhotosOf(const std::string& folder, const std::string& prefix, FileError& error) {
    std::vector<fs::path> files;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        if (ec != std::errc::no_such_file_or_directory)
            error = FileErrorFromErrno(ec.value());
        return files;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0 || !EndsWithBmp(name))
            continue;
        const fs::file_type type = it->symlink_status(ec).type();
        if (type == fs::file_type::regular || type == fs::file_type::symlink)
            files.push_back(it->path());
    }
    if (ec)
        error = FileErrorFromErrno(ec.value());
    return files;
}

} // namespace

PhotoToShow ReadPhotoToShow(const std::string& path) {
    PhotoToShow photo;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        // Never opened when it is no file: a named pipe would wait for a writer.
        if (!S_ISREG(st.st_mode)) {
            photo.error = FileErrorFromErrno(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
            return photo;
        }
        if (static_cast<std::uintmax_t>(st.st_size) > LargestShownPhoto) {
            photo.tooLarge = true;
            return photo;
        }
    }
    photo.error = ReadWholeFile(path, photo.bytes);
    if (photo.error)
        photo.bytes.clear();
    else if (photo.bytes.size() > LargestShownPhoto) { // grown since it was looked at
        photo.tooLarge = true;
        photo.bytes.clear();
    }
    return photo;
}

PhotoDeletion DeletePhotosOf(const std::string& dataRoot, std::string_view regNo) {
    PhotoDeletion result;
    if (Text::IsBlank(regNo))
        return result;
    const std::string reg(regNo);
    const std::string folder = PhotoFile::PhotoMonthFolder(dataRoot, reg);
    const std::string prefix = PhotoFile::PhotoNamePrefix(reg);
    const std::vector<fs::path> files = PhotosOf(folder, prefix, result.error);
    result.matched = static_cast<int>(files.size());
    for (const fs::path& file : files) {
        std::error_code ec;
        if (!fs::remove(file, ec) && ec && !result.error)
            result.error = FileErrorFromErrno(ec.value());
    }
    FileError again;
    result.anyLeft = !PhotosOf(folder, prefix, again).empty();
    if (!result.error && result.matched == 0)
        result.error = {ErrorNumber::FileNotFound, "File not found"};
    else if (!result.error && result.anyLeft)
        result.error = {ErrorNumber::PathFileAccess, "Path/File access error (a photo file is still there)"};
    return result;
}

bool CanAttachTo(const BookingFields& booking) {
    const std::string reg = Text::Trim(booking.RegNo);
    if (reg.size() != 12 || reg.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const long month = Text::Val(BookedMonthOf(reg).mm);
    return month >= 1 && month <= 12;
}

FileError AttachPhoto(const std::string& dataRoot, const std::string& sourceRegNo, const std::string& sourceFirstName,
                      const std::string& sourceLastName, const BookingFields& booking) {
    if (!CanAttachTo(booking))
        return {BookingNotSaved, "The booking has not been saved"};
    const std::string regNo = Text::Trim(booking.RegNo);
    const std::string folder = PhotoFile::PhotoMonthFolder(dataRoot, regNo);
    if (!IsFolder(folder) && ::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
        return FileErrorFromErrno(errno);
    std::string bytes;
    if (FileError e =
            ReadWholeFile(PhotoFile::PhotoFilePath(dataRoot, sourceRegNo, sourceFirstName, sourceLastName), bytes))
        return e;
    return PhotoFile::WritePhoto(
        PhotoFile::PhotoFilePath(dataRoot, regNo, Text::Trim(booking.FirstName), Text::Trim(booking.LastName)), bytes);
}

CreatedText CreatedTextOf(std::string_view regNo) {
    static constexpr std::array<const char*, 12> Months{"January",   "February", "March",    "April",
                                                        "May",       "June",     "July",     "August",
                                                        "September", "October",  "November", "December"};
    const BookedMonth booked = BookedMonthOf(regNo);
    const std::string_view mm = booked.mm;
    const bool valid = mm.size() == 2 && mm.find_first_not_of("0123456789") == std::string_view::npos &&
                       Text::Val(mm) >= 1 && Text::Val(mm) <= 12;
    CreatedText created;
    created.monthValid = valid;
    created.text = "Created: " + std::string(regNo.substr(std::min<std::size_t>(4, regNo.size()), 2)) + " " +
                   (valid ? Months[static_cast<std::size_t>(Text::Val(mm) - 1)] : "") + " 20" + std::string(booked.yy);
    return created;
}

std::string AttachQuestion(const AttachParty& photo, const AttachParty& booking, int windowsVersion) {
    const std::string crlf = "\r\n";
    std::string text = "This will attach the following photo to the Current File: " + crlf + crlf;
    text += "The Photo for: " + crlf;
    text += photo.name + "  [ " + photo.regNo + " ] - " + photo.pass + crlf;
    text += "(" + photo.organisation + ")" + crlf;
    text += photo.created + crlf + crlf;
    text += "Will attach to, and be used for:" + crlf;
    text += booking.name + "  [ " + booking.regNo + " ] - " + booking.pass + crlf;
    text += "(" + booking.organisation + ")" + crlf;
    text += booking.created + crlf + crlf;
    if (windowsVersion >= 6)
        text += "Please note: Attaching a photo in this way will not detach it from the original file, a new copy "
                "photo will be created so that each file will have its own (identical) photo.  Do you wish to "
                "proceed?";
    else
        text += "Please note: Attaching a photo in this way will not detach it from" + crlf +
                "the original file, a new copy photo will be created so that each file     " + crlf +
                "will have its own (identical) photo.  Do you wish to proceed?";
    return text;
}

} // namespace PhotoLibrary
