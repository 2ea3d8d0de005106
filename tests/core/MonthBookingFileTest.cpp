#include "core/desk/MonthBookingFile.h"

#include "TempFolder.h"
#include "core/TextLines.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const LocalDateTime MadeAt{2012, 3, 31, 14, 5, 9};

// A data folder with its Record and photo folders.
struct DataFolder {
    TempFolder temp;
    std::string root = (temp.path() / "data").string();
    DataFolder() {
        fs::create_directories(root + "/Record");
        fs::create_directories(root + "/photo/1206");
    }
    std::string month(const std::string& yymm = "1206") const { return root + "/Record/" + yymm + ".vrf"; }
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

ino_t Inode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

BookingFields Visitor(const std::string& first, const std::string& last) {
    BookingFields rec;
    rec.FirstName = first;
    rec.LastName = last;
    rec.Department = "STORES";
    rec.Organisation = "Harwell Fixings";
    return rec;
}

std::string LineOf(const std::string& regNo, const std::string& first, const std::string& last = "Lee") {
    BookingFields rec = Visitor(first, last);
    rec.RegNo = regNo;
    return BuildBookingLine(rec, {});
}

// Every line a whole booking line ended by CR LF; gives the keys in order.
std::vector<std::string> WholeLineKeys(const std::string& bytes) {
    std::vector<std::string> keys;
    for (const RawLine& line : SplitRawLines(bytes)) {
        EXPECT_EQ(line.text.size(), BookingLineLength);
        EXPECT_EQ(line.whole.size(), BookingLineLength + 2);
        keys.push_back(LineKey(line.text));
    }
    return keys;
}

} // namespace

TEST(MonthBookingFile, SaveAppendsUnderAFreshNumberAndNeverGluesLines) {
    DataFolder data;
    BookingFields rec = Visitor("Ann", "Lee");
    rec.PrescriptionNotes = "a\r\nb";
    ASSERT_FALSE(SaveNewBooking(data.root, rec, {}, MadeAt, "2012", "06"));
    EXPECT_EQ(rec.RegNo, "120631140509");
    EXPECT_EQ(rec.PrescriptionNotes, "a<$c>b");
    const std::string first = Contents(data.month());
    ASSERT_EQ(first.size(), 1188u);
    EXPECT_EQ(first.substr(0, 30), "120631140509 Ann" + std::string(14, ' '));
    EXPECT_EQ(first.substr(1186), "\r\n");

    // Same second again: the next free second, carried into the minutes.
    Write(data.month(), first + LineOf("120631140510", "Bo") + "\r\n" + LineOf("120631140559", "Cy") + "\r\ntail");
    BookingFields second = Visitor("Di", "Lee");
    ASSERT_FALSE(SaveNewBooking(data.root, second, {}, MadeAt, "2012", "06"));
    EXPECT_EQ(second.RegNo, "120631140511");
    BookingFields third = Visitor("Ed", "Lee");
    ASSERT_FALSE(SaveNewBooking(data.root, third, {}, {2012, 3, 31, 14, 5, 59}, "2012", "06"));
    EXPECT_EQ(third.RegNo, "120631140600");

    const std::string all = Contents(data.month());
    const auto lines = SplitRawLines(all);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3].whole, "tail\r\n");
    EXPECT_EQ(LineKey(lines[4].text), "120631140511");
    EXPECT_EQ(lines[4].whole.size(), 1188u);
    EXPECT_EQ(LineKey(lines[5].text), "120631140600");
}

TEST(MonthBookingFile, MissingFoldersAndFilesAreReportedAndNothingIsWritten) {
    TempFolder temp;
    const std::string root = (temp.path() / "data").string();
    fs::create_directories(root);
    BookingFields rec = Visitor("Ann", "Lee");
    EXPECT_EQ(SaveNewBooking(root, rec, {}, MadeAt, "2012", "06").number, 76);
    EXPECT_EQ(rec.RegNo, "");
    rec.RegNo = "120631140509";
    EXPECT_EQ(UpdateBooking(root, rec, {}, false).number, 76);
    EXPECT_EQ(DeleteBooking(root, rec.RegNo).number, 76);
    EXPECT_EQ(ReadBooking(root, rec.RegNo, rec).number, 76);
    EXPECT_TRUE(fs::is_empty(root));
    EXPECT_EQ(SaveNewBooking(root + "/none", rec, {}, MadeAt, "2012", "06").number, 76);
    EXPECT_FALSE(fs::exists(root + "/none"));

    DataFolder data;
    for (const auto& [year, month] : {std::pair{"2012", ""}, {"", "06"}, {"2012", "13"}, {"20x2", "06"}})
        EXPECT_EQ(SaveNewBooking(data.root, rec, {}, MadeAt, year, month).number, 75) << year << month;
    EXPECT_TRUE(fs::is_empty(data.root + "/Record"));
    EXPECT_EQ(UpdateBooking(data.root, rec, {}, false).number, 53);
    EXPECT_EQ(DeleteBooking(data.root, rec.RegNo).number, 53);
    EXPECT_EQ(ReadBooking(data.root, rec.RegNo, rec).number, 53);
    EXPECT_FALSE(fs::exists(data.month()));

    const std::string bytes = LineOf("120631140509", "Ann") + "\r\n";
    Write(data.month(), bytes);
    const ino_t before = Inode(data.month());
    BookingFields other = Visitor("Bo", "Ray");
    other.RegNo = "120631140510";
    int removed = -1;
    EXPECT_EQ(UpdateBooking(data.root, other, {}, true).number, 2001);
    EXPECT_EQ(DeleteBooking(data.root, other.RegNo, &removed).number, 2001);
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(ReadBooking(data.root, other.RegNo, other).number, 2001);
    EXPECT_EQ(other.FirstName, "Bo");
    other.RegNo = "  ";
    EXPECT_EQ(UpdateBooking(data.root, other, {}, false).number, 2001);
    other.RegNo = "../x40509";
    EXPECT_EQ(UpdateBooking(data.root, other, {}, false).number, 53);
    EXPECT_EQ(Contents(data.month()), bytes);
    EXPECT_EQ(Inode(data.month()), before);
}

TEST(MonthBookingFile, RewritesChangeOnlyTheBookingsLinesAndKeepEveryOtherByte) {
    DataFolder data;
    const std::string key = "120631140509";
    const std::string before = "garbage\r\n" + LineOf("120631140510", "Lf") + "\n" + "\xff\x01 stray\r\r\n" +
                               std::string(1300, 'L') + "\r\n" + "\r\n";
    const std::string after = LineOf("120631140511", "Last");
    Write(data.month(), LineOf(key, "First") + "\r\n" + before + LineOf(key, "Second") + "\n" + after);

    BookingFields rec = Visitor("", "");
    ASSERT_FALSE(ReadBooking(data.root, key, rec));
    EXPECT_EQ(rec.FirstName, "First");

    rec.LastName = "Changed";
    TimeCellTexts cells;
    cells[2] = "09:15";
    ASSERT_FALSE(UpdateBooking(data.root, rec, cells, false));
    const std::string rebuilt = Contents(data.month()).substr(0, 1188);
    EXPECT_EQ(rebuilt.substr(30, 8), "Changed ");
    EXPECT_EQ(rebuilt.substr(1067, 4), "0915");
    EXPECT_EQ(Contents(data.month()), rebuilt + before + rebuilt + after);
    rec.LastName = "Again";
    ASSERT_FALSE(UpdateBooking(data.root, rec, cells, false));
    const std::string again = Contents(data.month()).substr(0, 1188);
    EXPECT_EQ(again.substr(30, 8), "Again   ");
    EXPECT_EQ(Contents(data.month()), again + before + again + after);

    int removed = 0;
    ASSERT_FALSE(DeleteBooking(data.root, key, &removed));
    EXPECT_EQ(removed, 2);
    EXPECT_EQ(Contents(data.month()), before + after);
    ASSERT_FALSE(DeleteBooking(data.root, "120631140511"));
    EXPECT_EQ(Contents(data.month()), before);

    std::vector<std::string> lines;
    ASSERT_FALSE(ReadMonthLines(data.month(), lines));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "garbage");
    EXPECT_EQ(lines[2], "\xff\x01 stray\r");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(ReadMonthLines(data.month("1207"), lines).number, 53);
}

TEST(MonthBookingFile, ARevokedPassIsStoredBlankAndReadBackEmpty) {
    DataFolder data;
    BookingFields rec = Visitor("Ann", "Lee");
    rec.PassStart = "01-06-2012";
    rec.PassEnd = "07-06-2012";
    rec.PassPeriod = "1W";
    rec.PassIssued = "31-05-2012 10:11:12";
    rec.PhotoOnFile = "1";
    ASSERT_FALSE(SaveNewBooking(data.root, rec, {}, MadeAt, "2012", "06"));
    EXPECT_EQ(Contents(data.month()).substr(935, 54), "01-06-2012 07-06-2012 1W         31-05-2012 10:11:12 1");

    ASSERT_FALSE(UpdateBooking(data.root, rec, {}, true));
    EXPECT_EQ(rec.PassStart + rec.PassEnd + rec.PassPeriod + rec.PassIssued, "");
    EXPECT_EQ(Contents(data.month()).substr(935, 54), std::string(53, ' ') + "1");

    BookingFields read = Visitor("x", "y");
    read.PassStart = "stale";
    ASSERT_FALSE(ReadBooking(data.root, rec.RegNo, read));
    EXPECT_EQ(read.PassStart + read.PassEnd + read.PassPeriod + read.PassIssued, "");
    EXPECT_EQ(read.PhotoOnFile, "1");
}

TEST(MonthBookingFile, DeletingABookingDeletesItsPhotoButNothingOutsideTheMonthFolder) {
    DataFolder data;
    const std::string folder = data.root + "/photo/1206/";
    Write(data.month(),
          LineOf("120631140509", "Ann", "Lee") + "\r\n" + LineOf("120631140510", "a", "/../../../victim") + "\r\n" +
              LineOf("120631140511", "Bo", "back\\slash") + "\r\n" + LineOf("120631140512", "..", "Lee") + "\r\n");
    for (const char* name : {"120631140509_Ann_Lee.bmp", "120631140511_Bo_back\\slash.bmp", "120631140512_.._Lee.bmp"})
        Write(folder + name, "BM");
    fs::create_directories(folder + "120631140510_a_");
    Write(data.root + "/victim.bmp", "BM");

    for (const char* key : {"120631140509", "120631140510", "120631140511", "120631140512"})
        ASSERT_FALSE(DeleteBooking(data.root, key)) << key;
    EXPECT_EQ(Contents(data.month()), "");
    EXPECT_FALSE(fs::exists(folder + "120631140509_Ann_Lee.bmp"));
    EXPECT_FALSE(fs::exists(folder + "120631140512_.._Lee.bmp"));
    EXPECT_TRUE(fs::exists(data.root + "/victim.bmp"));
    EXPECT_TRUE(fs::exists(folder + "120631140511_Bo_back\\slash.bmp"));
}

// Two desks saving and updating bookings of one month at the same moment.
TEST(MonthBookingFile, TwoProcessesSavingAndUpdatingTogetherLoseNothing) {
    DataFolder data;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    constexpr int PerProcess = 200;
    std::vector<pid_t> children;
    for (char who : {'P', 'Q'}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(gate[1]);
            char go;
            [[maybe_unused]] auto ignored = ::read(gate[0], &go, 1);
            std::vector<BookingFields> made;
            int failure = 0;
            for (int i = 0; i <= PerProcess && failure == 0; ++i) {
                if (i < PerProcess) {
                    made.push_back(Visitor(who + std::to_string(i), "Saved"));
                    if (SaveNewBooking(data.root, made.back(), {}, MadeAt, "2012", "06", false))
                        failure = 1;
                }
                if (i > 0) {
                    BookingFields& rec = made[static_cast<std::size_t>(i - 1)];
                    rec.LastName = "Updated";
                    TimeCellTexts cells;
                    cells[static_cast<std::size_t>(i % 30)] = "10:00";
                    if (UpdateBooking(data.root, rec, cells, false, false))
                        failure = 2;
                }
            }
            ::_exit(failure);
        }
        children.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]); // both start now
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "worker status " << status;
    }

    const std::string bytes = Contents(data.month());
    const std::vector<std::string> keys = WholeLineKeys(bytes);
    ASSERT_EQ(keys.size(), 2u * PerProcess);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
    std::set<std::string> names;
    for (const RawLine& line : SplitRawLines(bytes)) {
        BookingFields rec;
        ParseBookingLine(line.text, rec);
        names.insert(rec.FirstName);
        EXPECT_EQ(rec.LastName, "Updated") << rec.FirstName;
        const int i = std::stoi(rec.FirstName.substr(1));
        EXPECT_EQ(rec.DayTimes[static_cast<std::size_t>((i + 1) % 30)], "1000") << rec.FirstName;
    }
    EXPECT_EQ(names.size(), 2u * PerProcess);
}

// A desk killed at any moment of an update leaves the month file whole.
TEST(MonthBookingFile, AKilledWriterNeverLeavesAHalfWrittenFile) {
    DataFolder data;
    std::vector<BookingFields> bookings;
    for (int i = 0; i < 40; ++i) {
        bookings.push_back(Visitor(std::to_string(i) + "V", "Lee"));
        ASSERT_FALSE(SaveNewBooking(data.root, bookings.back(), {}, MadeAt, "2012", "06", false));
    }
    const std::vector<std::string> keys = WholeLineKeys(Contents(data.month()));

    std::mt19937 random(12345);
    for (int round = 0; round < 30; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (unsigned n = 0;; ++n) {
                BookingFields& rec = bookings[n % bookings.size()];
                rec.LastName = "Round" + std::to_string(n);
                UpdateBooking(data.root, rec, {}, false, n % 2 == 0);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + random() % 15000));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);

        EXPECT_EQ(WholeLineKeys(Contents(data.month())), keys) << "round " << round;
        // The killed desk's lock went with it.
        ASSERT_FALSE(UpdateBooking(data.root, bookings[0], {}, false, false)) << "round " << round;
    }
}
