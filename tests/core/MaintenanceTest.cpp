#include "DeskFiles.h"
#include "core/desk/MonthBookingFile.h"
#include "core/maintenance/BulkDelete.h"
#include "core/maintenance/SampleData.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace DeskFiles;

namespace {

std::vector<std::string> LinesOf(const std::string& path) {
    std::vector<std::string> lines;
    std::string bytes = Contents(path);
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", at);
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

int DaysIn(int month) {
    return month == 2 ? 28 : (month == 4 || month == 6 || month == 9 || month == 11) ? 30 : 31;
}

} // namespace

TEST(SampleDataTest, MonthFilesFollowTheirRules) {
    DataFolder data;
    Write(data.month("0912"), "kept\r\n");
    Write(data.month("1004"), "old\r\n");
    const SampleData::RunResult run = SampleData::WriteMonthFiles(data.root, 7, {}, false);
    EXPECT_EQ(run.written, 36);
    EXPECT_TRUE(run.failures.empty());
    EXPECT_EQ(Contents(data.month("0912")), "kept\r\n");

    std::set<std::string> firstBookings;
    for (const std::string& path : SampleData::MonthFilePaths(data.root)) {
        const std::string yymm = fs::path(path).stem().string();
        const int month = std::stoi(yymm.substr(2));
        const std::vector<std::string> lines = LinesOf(path);
        ASSERT_EQ(lines.size(), 200u) << path;
        std::set<std::string> numbers;
        for (const std::string& line : lines) {
            ASSERT_EQ(line.size(), 1186u);
            const std::string regNo = line.substr(0, 12);
            EXPECT_EQ(regNo.substr(0, 4), yymm);
            const int day = std::stoi(regNo.substr(4, 2));
            EXPECT_TRUE(day >= 1 && day <= 30) << regNo;
            EXPECT_TRUE(numbers.insert(regNo).second) << "twice: " << regNo;
            EXPECT_EQ(line.substr(935, 53), std::string(53, ' ')) << regNo;
            int slots = 0;
            for (int d = 1; d <= 31; ++d) {
                const std::string slot = line.substr(1059 + 4 * (d - 1), 4);
                if (slot == "    ")
                    continue;
                ++slots;
                EXPECT_LE(d, DaysIn(month)) << regNo;
                const int time = std::stoi(slot);
                EXPECT_TRUE(time >= 900 && time <= 1745 && time % 100 % 15 == 0) << slot;
            }
            EXPECT_LE(slots, 1);
        }
        firstBookings.insert(lines[0].substr(4));
    }
    EXPECT_EQ(firstBookings.size(), 36u) << "every file draws its own bookings";
}

TEST(SampleDataTest, AFileThatCannotBeWrittenIsReportedAndTheRunGoesOn) {
    DataFolder data;
    EXPECT_FALSE(SampleData::AnyMonthFileExists(data.root));
    fs::create_directory(data.month("1105"));
    const SampleData::RunResult run = SampleData::WriteMonthFiles(data.root, 1, {}, false);
    EXPECT_EQ(run.written, 35);
    ASSERT_EQ(run.failures.size(), 1u);
    EXPECT_EQ(run.failures[0].path, data.month("1105"));
    EXPECT_TRUE(SampleData::AnyMonthFileExists(data.root));
    EXPECT_EQ(LinesOf(data.month("1212")).size(), 200u);

    DataFolder noRecord;
    fs::remove(noRecord.root + "/Record");
    EXPECT_EQ(SampleData::WriteMonthFiles(noRecord.root, 1, {}, false).failures.size(), 36u);
}

TEST(BulkDeleteTest, MonthAndDayDeletionsDropTheLinesTheyPick) {
    DataFolder data;
    const std::string john = LineOf({"160305090000", "John", "Smith", {{5, "09:00"}, {9, "10:00"}}});
    const std::string ann = LineOf({"160306090000", "Ann", "Lee", {{6, "09:15"}}});
    const std::string joan = LineOf({"160307090000", "Joan", "Smith", {{5, "11:30"}}});
    const std::string broken = "1603 short line";
    const std::string path = data.month("1603");
    // Lines ended by a lone CR, a lone LF, CR CR LF (a blank line follows) and nothing.
    const std::string mixed = john + "\r" + ann + "\n" + broken + "\r\r\n" + joan;
    Write(path, mixed);

    using Maintenance::DeleteRule;
    Maintenance::DeleteOutcome r =
        Maintenance::DeleteFromMonth(path, DeleteRule::MatchingInMonth, "NAME", "SMITH JOHN", 0, false);
    EXPECT_EQ(r.error.number, 2000);
    EXPECT_EQ(Contents(path), mixed);
    r = Maintenance::DeleteFromMonth(path, DeleteRule::MatchingInMonth, "NAME", "ann lee", 0, false);
    EXPECT_EQ(r.deleted, 1);
    EXPECT_EQ(Contents(path), FileOf({john, broken, "", joan}));
    r = Maintenance::DeleteFromMonth(path, DeleteRule::MatchingOnDay, "NAME", "joan smith", 6, false);
    EXPECT_EQ(r.error.number, 2000);
    r = Maintenance::DeleteFromMonth(path, DeleteRule::MatchingOnDay, "ANY TEXT", "SMITH", 5, false);
    EXPECT_EQ(r.deleted, 2);
    EXPECT_EQ(Contents(path), FileOf({broken, ""}));

    Write(path, FileOf({john, ann, broken, joan}));
    r = Maintenance::DeleteFromMonth(path, DeleteRule::Day, "ANY TEXT", "", 9, false);
    EXPECT_EQ(r.deleted, 1); // John goes with his booking on the 5th
    EXPECT_EQ(Contents(path), FileOf({ann, broken, joan}));
    r = Maintenance::DeleteFromMonth(path, DeleteRule::MatchingInMonth, "NAME", "JOHN SMITH", 0, false);
    EXPECT_EQ(r.error.number, 2000);
    r = Maintenance::DeleteFromMonth(path, DeleteRule::MatchingInMonth, "ORGANISATION", "harwell", 0, false);
    EXPECT_EQ(r.deleted, 2);
    EXPECT_EQ(Contents(path), FileOf({broken}));

    EXPECT_EQ(Maintenance::DeleteFromMonth(data.month("1604"), DeleteRule::Day, "", "", 1, false).error.number, 53);
    EXPECT_FALSE(fs::exists(data.month("1604")));
    EXPECT_FALSE(Maintenance::EmptyMonthFile(data.month("1604"), false));
    EXPECT_FALSE(Maintenance::EmptyMonthFile(path, false));
    EXPECT_EQ(Contents(data.month("1604")), "");
    EXPECT_EQ(Contents(path), "");
    EXPECT_EQ(Maintenance::EmptyMonthFile(data.root + "/None/1601.vrf", false).number, 76);
    fs::create_directory(data.month("1605"));
    EXPECT_TRUE(Maintenance::EmptyMonthFile(data.month("1605"), false));
    EXPECT_TRUE(fs::is_directory(data.month("1605")));
}

TEST(BulkDeleteTest, YearDeletionTakesOnlyTheMonthFilesOfAValidYear) {
    DataFolder data;
    for (const char* name : {"1601", "1607", "1612", "1613", "16xx", "0016", "1701"})
        Write(data.month(name), "x\r\n");
    for (const char* bad : {"", "16", "2O16", "20166", "2009", "9999"}) {
        EXPECT_EQ(Maintenance::DeleteYear(data.root, bad).error.number, 75) << bad;
        EXPECT_EQ(Maintenance::YearDigits(bad), "");
    }
    EXPECT_TRUE(fs::exists(data.month("1601")));

    Maintenance::YearOutcome year = Maintenance::DeleteYear(data.root, "2016");
    EXPECT_FALSE(year.error);
    EXPECT_EQ(year.deleted, 3);
    for (const char* name : {"1613", "16xx", "0016", "1701"})
        EXPECT_TRUE(fs::exists(data.month(name))) << name;
    EXPECT_EQ(Maintenance::YearStatus(year, "2016"), "All Bookings for the year 2016 Deleted");
    year = Maintenance::DeleteYear(data.root, "2016");
    EXPECT_EQ(year.error.number, 2000);
    EXPECT_EQ(Maintenance::YearStatus(year, "2016"), "No Bookings found for the year 2016");

    fs::create_directories(data.month("1703") + "/inside");
    year = Maintenance::DeleteYear(data.root, "2017");
    EXPECT_EQ(year.deleted, 1);
    EXPECT_EQ(year.failed, 1);
    EXPECT_TRUE(year.error);
    EXPECT_EQ(Maintenance::YearStatus(year, "2017"),
              "Not all Bookings for the year 2017 could be removed: 1 month file remains");
}

TEST(BulkDeleteTest, SelectionChecksQuestionsAndStatusTexts) {
    using Messages = std::vector<std::string>;
    Maintenance::SelectionCheck c = Maintenance::ValidateSelection(30, "30th", "FEBRUARY", "2016");
    EXPECT_EQ(c.messages, Messages{"ATTENTION: Only [ 29 ] Days in February 2016"});
    EXPECT_EQ(c.correctedDay, 29);
    c = Maintenance::ValidateSelection(29, "29th", "FEBRUARY", "2015");
    EXPECT_EQ(c.messages, Messages{"ATTENTION: Only [ 28 ] Days in February 2015"});
    c = Maintenance::ValidateSelection(31, "31st", "APRIL", "2009");
    EXPECT_EQ(c.messages, (Messages{"ATTENTION: Only [ 30 ] Days in the Month Selected",
                                    "ATTENTION: No VALID Date selected - Try selecting again"}));
    c = Maintenance::ValidateSelection(-1, "45th", "MAY", "2016");
    EXPECT_EQ(c.messages, Messages{"ATTENTION: The DAY entered is not valid - Try selecting again"});
    c = Maintenance::ValidateSelection(-1, "32", "All Months", "2016");
    EXPECT_TRUE(c.invalid);
    c = Maintenance::ValidateSelection(0, "All Days", "- Select -", "2016");
    EXPECT_EQ(c.messages, Messages{"ATTENTION: No VALID Date selected - Try selecting again"});
    c = Maintenance::ValidateSelection(31, "31st", "JULY", "2016abc");
    EXPECT_EQ(c.messages, Messages{"ATTENTION: No VALID Date selected - Try selecting again"});
    c = Maintenance::ValidateSelection(31, "31st", "JULY", "2016");
    EXPECT_FALSE(c.invalid);
    EXPECT_TRUE(c.messages.empty());

    EXPECT_EQ(Maintenance::MonthQuestion("All Days", "", "NAME", "MARCH", "2016"),
              "DELETE ALL BOOKINGS for the Entire MONTH of MARCH 2016.\r\nDo you wish to proceed?");
    EXPECT_EQ(Maintenance::MonthQuestion("All Days", " Lee ", "ANY TEXT", "MARCH", "2016"),
              "DELETE ALL BOOKINGS for the Month of MARCH 2016 with:\r\n\r\n[ Lee ] found in ANY field\r\n\r\n"
              "Do you wish to proceed?");
    EXPECT_EQ(Maintenance::MonthQuestion("5th", "", "NAME", "MARCH", "2016"),
              "DELETE ALL Bookings made on the 5th of MARCH 2016\r\nDo you wish to proceed?");
    EXPECT_EQ(Maintenance::MonthQuestion("5th", "Lee", "NAME", "MARCH", "2016"),
              "DELETE ALL Bookings made on the 5th of MARCH 2016 with:\r\n\r\n[ Lee ] in the NAME field\r\n\r\n"
              "Do you wish to proceed?");
    EXPECT_EQ(Maintenance::DeletedStatus(3, "", "MARCH", "2016"), "3 Records Deleted for MARCH 2016");
    EXPECT_EQ(Maintenance::DeletedStatus(1, "5th", "MARCH", "2016"), "One Record Deleted for the 5th of MARCH 2016");
    EXPECT_EQ(Maintenance::DeletedStatus(0, "", "MARCH", "2016"), "No Records Deleted for MARCH 2016");
}

// Another desk keeps saving bookings for the 9th while this one saves and
// deletes bookings of the 5th: every booking of the 9th survives.
TEST(BulkDeleteTest, DeletionRacingASaveAtAnotherDeskLosesNothing) {
    DataFolder data;
    const auto save = [&](int day, const char* who, int i) {
        BookingFields rec;
        rec.FirstName = who;
        rec.LastName = "Visitor" + std::to_string(i);
        TimeCellTexts times;
        times[static_cast<std::size_t>(day - 1)] = "10:00";
        return BookingFiles::SaveNewBooking(data.root, rec, times, {2012, 3, 1, 9, 0, 0}, "2012", "03", false)
            .error.number;
    };
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    constexpr int Saves = 150;
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        ::close(gate[1]);
        char go;
        [[maybe_unused]] auto ignored = ::read(gate[0], &go, 1);
        int failed = 0;
        for (int i = 0; i < Saves; ++i)
            failed += save(9, "Other", i) != 0;
        ::_exit(failed);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (int i = 0; i < Saves; ++i) {
        ASSERT_EQ(save(5, "Here", i), 0);
        const Maintenance::DeleteOutcome r =
            Maintenance::DeleteFromMonth(data.month("1203"), Maintenance::DeleteRule::Day, "", "", 5, false);
        ASSERT_EQ(r.error.number, 0);
        EXPECT_EQ(r.deleted, 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::vector<std::string> lines = LinesOf(data.month("1203"));
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(Saves));
    for (const std::string& line : lines)
        EXPECT_EQ(line.substr(13, 5), "Other");
}
