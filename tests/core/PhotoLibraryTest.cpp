#include "core/passes/PhotoLibrary.h"
#include "core/passes/PhotoFile.h"

#include "DeskFiles.h"

#include <ctime>
#include <gtest/gtest.h>
#include <utime.h>

using namespace DeskFiles;
using namespace PhotoLibrary;
namespace fs = std::filesystem;

namespace {

// Writes a file whose last write was at the local time when.
void WriteAt(const std::string& path, const std::string& bytes, const LocalDateTime& when) {
    fs::create_directories(fs::path(path).parent_path());
    Write(path, bytes);
    std::tm tm{};
    tm.tm_year = when.year - 1900;
    tm.tm_mon = when.month - 1;
    tm.tm_mday = when.day;
    tm.tm_hour = when.hour;
    tm.tm_min = when.minute;
    tm.tm_sec = when.second;
    tm.tm_isdst = -1;
    const utimbuf times{std::mktime(&tm), std::mktime(&tm)};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

// The rows of a scan as the grid shows them, one "name|organisation|taken|age|registration" each.
std::vector<std::string> Rows(const Lists::ListResult& result) {
    std::vector<std::string> rows;
    std::string scratch;
    for (int r = 0; r < result.list->RowCount(); ++r) {
        std::string row;
        for (int c = 1; c <= 5; ++c)
            row += std::string(c > 1 ? "|" : "") +
                   std::string(Lists::CellText(Lists::PhotoList, *result.list, r, c, scratch));
        rows.push_back(row);
    }
    return rows;
}

std::string Org() {
    std::string org = "Harwell Fixings";
    org.resize(50, ' ');
    return org;
}

} // namespace

TEST(PhotoAge, CountsCalendarMonthsThenDaysThenHours) {
    struct Case {
        LocalDateTime taken, now;
        const char* age;
    };
    const Case cases[] = {
        {{2014, 2, 28, 23, 0, 0}, {2014, 3, 1, 9, 0, 0}, "1 Month"}, // one day old, but last month
        {{2014, 3, 14, 18, 0, 0}, {2014, 3, 15, 9, 0, 0}, "1 Day"},
        {{2014, 3, 10, 9, 0, 0}, {2014, 3, 15, 9, 0, 0}, "5 Days"},
        {{2014, 3, 15, 10, 59, 0}, {2014, 3, 15, 11, 1, 0}, "1 Hour"},
        {{2014, 3, 15, 10, 1, 0}, {2014, 3, 15, 10, 55, 0}, "< 1 Hour"},
        {{2014, 3, 15, 6, 30, 0}, {2014, 3, 15, 9, 0, 0}, "3 Hours"},
        {{2014, 1, 31, 9, 0, 0}, {2014, 3, 1, 9, 0, 0}, "2 Months"},
        {{2013, 3, 31, 9, 0, 0}, {2014, 3, 1, 9, 0, 0}, "12 Months"},
        {{2013, 2, 1, 9, 0, 0}, {2014, 3, 1, 9, 0, 0}, "> 1 Year"},
        {{2012, 3, 1, 9, 0, 0}, {2014, 3, 1, 9, 0, 0}, "> 1 Year"},
        {{2012, 2, 1, 9, 0, 0}, {2014, 3, 1, 9, 0, 0}, "> 2 Years"},
        {{2014, 4, 2, 9, 0, 0}, {2014, 3, 1, 9, 0, 0}, "-1 Months"}, // a clock set back
        {{2014, 3, 20, 9, 0, 0}, {2014, 3, 15, 9, 0, 0}, "-5 Days"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PhotoAgeText(c.taken, c.now), c.age) << c.taken.DateText() << " " << c.now.DateText();
}

TEST(PhotoScans, ListOnlyFilteredBookingsWhosePhotoExists) {
    DataFolder data;
    const LocalDateTime now{2014, 3, 15, 11, 1, 0};
    // Lines ended by a lone CR, a lone LF, CR LF and nothing.
    Write(data.month("1403"), LineOf({"140301090000", "Ann", "Lee", {{2, "09:00"}}}) + "\r" +
                                  LineOf({"140302090000", "Bo", "JONES", {{2, "10:00"}, {31, "11:00"}}}) + "\n" +
                                  LineOf({"140303090000", "Cy", "NoPhoto", {{2, "10:00"}}}) + "\r\n" +
                                  LineOf({"140304090000", "Di", "a/b", {}}));
    Write(data.month("1401"), FileOf({LineOf({"140105090000", "Ed", "January", {}})}));
    WriteAt(PhotoFile::PhotoFilePath(data.root, "140301090000", "Ann", "Lee"), "BM", {2014, 3, 15, 10, 59, 0});
    // Taken when the file was last written, in local time.
    WriteAt(PhotoFile::PhotoFilePath(data.root, "140302090000", "Bo", "JONES"), "BM", {2014, 3, 14, 23, 59, 58});
    WriteAt(PhotoFile::PhotoFilePath(data.root, "140304090000", "Di", "a/b"), "BM", {2014, 2, 27, 8, 0, 0});
    WriteAt(PhotoFile::PhotoFilePath(data.root, "140105090000", "Ed", "January"), "BM", {2012, 1, 27, 8, 0, 0});
    // A folder where a photo would be is no photo.
    fs::create_directories(PhotoFile::PhotoFilePath(data.root, "140303090000", "Cy", "NoPhoto"));

    const std::string ann = "Ann Lee|" + Org() + "|15-03-2014|1 Hour|140301090000";
    const std::string bo = "Bo JONES|" + Org() + "|14-03-2014|1 Day|140302090000";
    const std::string di = "Di a/b|" + Org() + "|27-02-2014|1 Month|140304090000";
    const std::string ed = "Ed January|" + Org() + "|27-01-2012|> 2 Years|140105090000";
    const auto month = [&](ScanFilter f) { return Rows(ScanMonth(data.root, "14", "03", f, now)); };
    using Found = std::vector<std::string>;
    EXPECT_EQ(month({}), (Found{ann, bo, di}));
    EXPECT_EQ(month({false, "", "", 2}), (Found{ann, bo}));
    EXPECT_EQ(month({false, "", "", 31}), (Found{bo}));
    EXPECT_EQ(month({true, "ANY TEXT", "", 31}), (Found{ann, bo, di})); // Find keeps no day
    EXPECT_EQ(month({true, "NAME", "  bo   jones ", 0}), (Found{bo}));
    EXPECT_EQ(month({true, "ORGANISATION", "HARWELL", 0}), (Found{ann, bo, di}));
    EXPECT_EQ(month({true, "REPORTING TO", "x", 0}), Found{});

    Lists::ListResult year = ScanYear(data.root, "14", {false, "", "", 31}, now); // the day is not used
    EXPECT_FALSE(year.error);
    EXPECT_EQ(Rows(year), (Found{ed, ann, bo, di}));

    EXPECT_EQ(ScanMonth(data.root, "14", "05", {}, now).error.number, 53);
    EXPECT_FALSE(ScanYear(data.root, "13", {}, now).error);
    fs::remove_all(data.root + "/Record");
    EXPECT_EQ(ScanMonth(data.root, "14", "03", {}, now).error.number, 76);
    EXPECT_EQ(ScanYear(data.root, "14", {}, now).error.number, 76);
}

TEST(PhotoDeletes, TakeEveryPhotoOfTheRegistrationAndNothingElse) {
    DataFolder data;
    const std::string folder = data.root + "/photo/2612/";
    const std::vector<std::string> theirs = {"2612010930_Ann_Lee.bmp", "2612010930_Ann_LEE-WED.BMP"};
    const std::vector<std::string> others = {"26120109301_Bo_Jones.bmp", "2612010930.bmp", "2612010930_notes.txt",
                                             "x2612010930_Cy_Odd.bmp"};
    fs::create_directories(folder);
    for (const std::string& name : theirs)
        Write(folder + name, "BM");
    for (const std::string& name : others)
        Write(folder + name, "BM");
    fs::create_directories(folder + "2612010930_folder.bmp");
    Write(data.root + "/photo/escape_.bmp", "BM");

    EXPECT_EQ(DeletePhotosOf(data.root, "").matched, 0);
    EXPECT_EQ(DeletePhotosOf(data.root, "   ").matched, 0);
    EXPECT_EQ(DeletePhotosOf(data.root, "../escape").matched, 0);
    EXPECT_EQ(DeletePhotosOf(data.root, "..").matched, 0);

    const PhotoDeletion first = DeletePhotosOf(data.root, "2612010930");
    EXPECT_TRUE(first.Succeeded());
    EXPECT_EQ(first.matched, 2);
    for (const std::string& name : theirs)
        EXPECT_FALSE(fs::exists(folder + name)) << name;
    for (const std::string& name : others)
        EXPECT_TRUE(fs::exists(folder + name)) << name;
    EXPECT_TRUE(fs::is_directory(folder + "2612010930_folder.bmp"));
    EXPECT_TRUE(fs::exists(data.root + "/photo/escape_.bmp"));
    EXPECT_EQ(DeletePhotosOf(data.root, "2612010930").error.number, ErrorNumber::FileNotFound); // already gone
}

TEST(PhotoAttach, CopiesWholeOrLeavesThePhotoAsItWas) {
    DataFolder data;
    const std::string source = PhotoFile::PhotoFilePath(data.root, "140301090000", "Ann", "Lee");
    const std::string photo(5000, 'p');
    fs::create_directories(data.root + "/photo/1403");
    Write(source, photo);
    BookingFields booking;
    booking.RegNo = "150607080910";
    booking.FirstName = "Bo ";
    booking.LastName = "Jones";
    const std::string target = PhotoFile::PhotoFilePath(data.root, "150607080910", "Bo", "Jones");

    BookingFields unsaved = booking;
    for (const char* regNo : {"", "NEW Booking", "1506070809", "151307080910"}) {
        unsaved.RegNo = regNo;
        EXPECT_EQ(AttachPhoto(data.root, "140301090000", "Ann", "Lee", unsaved).number, BookingNotSaved) << regNo;
    }
    EXPECT_FALSE(AttachPhoto(data.root, "140301090000", "Ann", "Lee", booking)); // makes the month folder
    EXPECT_EQ(Contents(target), photo);
    EXPECT_EQ(Contents(source), photo);

    // A missing source or a folder in the target's place leaves the target as it was.
    EXPECT_EQ(AttachPhoto(data.root, "140301090000", "Ann", "Gone", booking).number, 53);
    EXPECT_EQ(Contents(target), photo);
    fs::remove(target);
    fs::create_directories(target + "/inside");
    EXPECT_TRUE(AttachPhoto(data.root, "140301090000", "Ann", "Lee", booking));
    EXPECT_TRUE(fs::is_directory(target + "/inside"));
    EXPECT_EQ(fs::directory_iterator(data.root + "/photo/1506")->path(), fs::path(target)); // no temporary left

    // Onto itself the photo stays whole.
    BookingFields ann;
    ann.RegNo = "140301090000";
    ann.FirstName = "Ann";
    ann.LastName = "Lee";
    EXPECT_FALSE(AttachPhoto(data.root, "140301090000", "Ann", "Lee", ann));
    EXPECT_EQ(Contents(source), photo);

    // Photo temporaries that killed saves left in the month folder go with
    // the next save there, and nothing else does.
    fs::remove_all(target);
    const std::string month = data.root + "/photo/1506/", hex = "0123456789abcdef";
    const std::vector<std::string> leftovers{".150601090000_Al_Lee.bmp." + hex + ".tmp",
                                             "." + std::string(40, '1') + "~" + hex + "." + hex + ".tmp"};
    const std::vector<std::string> kept{"150601090000_Al_Lee.bmp", ".lists.ini." + hex + ".tmp",
                                        ".150601090000_Al_Lee.bmp.0123456789ABCDEF.tmp",
                                        "150601090000_Al_Lee.bmp." + hex + ".tmp"};
    for (const auto* names : {&leftovers, &kept})
        for (const std::string& name : *names)
            Write(month + name, std::string(600000, 'p'));
    EXPECT_FALSE(AttachPhoto(data.root, "140301090000", "Ann", "Lee", booking));
    for (const std::string& name : leftovers)
        EXPECT_FALSE(fs::exists(month + name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(month + name)) << name;

    fs::remove_all(data.root + "/photo");
    EXPECT_EQ(AttachPhoto(data.root, "140301090000", "Ann", "Lee", booking).number, 76);

    EXPECT_EQ(CreatedTextOf("150307080910").text, "Created: 07 March 2015");
    const CreatedText odd = CreatedTextOf("151307080910");
    EXPECT_EQ(odd.text, "Created: 07  2015");
    EXPECT_FALSE(odd.monthValid);
}
