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
#include <sys/resource.h>
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

BookingFields Parsed(const std::string& line) {
    BookingFields rec;
    ParseBookingLine(line, rec);
    return rec;
}

// A booking saved as a desk saves it; gives the stored line.
std::string Saved(const DataFolder& data, const BookingFields& rec, const TimeCellTexts& times = {},
                  const LocalDateTime& at = MadeAt) {
    const BookingFiles::SaveResult saved = BookingFiles::SaveNewBooking(data.root, rec, times, at, "2012", "06", false);
    EXPECT_FALSE(saved.error) << saved.error.description;
    return saved.storedLine;
}

std::size_t TemporariesIn(const std::string& folder) {
    std::size_t n = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        n += entry.path().extension() == ".tmp";
    return n;
}

using Labels = std::vector<std::string>;
using BookingFiles::Conflicts;

} // namespace

TEST(MonthBookingFile, SaveAppendsUnderAFreshNumberAndNeverGluesLines) {
    DataFolder data;
    BookingFields rec = Visitor("Ann", "Lee");
    rec.PrescriptionNotes = "a\r\nb";
    const std::string stored = Saved(data, rec);
    const std::string first = Contents(data.month());
    ASSERT_EQ(first.size(), 1188u);
    EXPECT_EQ(first, stored + "\r\n");
    EXPECT_EQ(first.substr(0, 30), "120631140509 Ann" + std::string(14, ' '));
    EXPECT_EQ(first.substr(292, 7), "a<$c>b ");

    // Same second again: the next free second, carried into the minutes.
    Write(data.month(), first + LineOf("120631140510", "Bo") + "\r\n" + LineOf("120631140559", "Cy") + "\r\ntail");
    EXPECT_EQ(LineKey(Saved(data, Visitor("Di", "Lee"))), "120631140511");
    EXPECT_EQ(LineKey(Saved(data, Visitor("Ed", "Lee"), {}, {2012, 3, 31, 14, 5, 59})), "120631140600");

    const std::string all = Contents(data.month());
    const auto lines = SplitRawLines(all);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3].whole, "tail\r\n");
    EXPECT_EQ(LineKey(lines[4].text), "120631140511");
    EXPECT_EQ(lines[4].whole.size(), 1188u);
    EXPECT_EQ(LineKey(lines[5].text), "120631140600");

    // A last line ended by a lone CR is ended already: no blank line between.
    Write(data.month(), LineOf("120631140510", "Bo") + "\r");
    Saved(data, Visitor("Fe", "Lee"));
    const std::string ended = Contents(data.month());
    ASSERT_EQ(SplitRawLines(ended).size(), 2u);
    EXPECT_EQ(SplitRawLines(ended)[0].whole, LineOf("120631140510", "Bo") + "\r");
}

TEST(MonthBookingFile, MissingFoldersFilesAndNumbersAreReportedAndNothingIsWritten) {
    TempFolder temp;
    const std::string root = (temp.path() / "data").string();
    fs::create_directories(root);
    BookingFields rec = Visitor("Ann", "Lee");
    EXPECT_EQ(BookingFiles::SaveNewBooking(root, rec, {}, MadeAt, "2012", "06").error.number, 76);
    rec.RegNo = "120631140509";
    EXPECT_EQ(BookingFiles::UpdateBooking(root, "", rec, nullptr, false, Conflicts::Ask).error.number, 76);
    EXPECT_EQ(BookingFiles::DeleteBooking(root, rec.RegNo).error.number, 76);
    EXPECT_EQ(BookingFiles::ReadBookingLine(root, rec.RegNo).error.number, 76);
    EXPECT_TRUE(fs::is_empty(root));
    EXPECT_EQ(BookingFiles::SaveNewBooking(root + "/none", rec, {}, MadeAt, "2012", "06").error.number, 76);
    EXPECT_FALSE(fs::exists(root + "/none"));

    DataFolder data;
    for (const auto& [year, month] : {std::pair{"2012", ""}, {"", "06"}, {"2012", "13"}, {"20x2", "06"}})
        EXPECT_EQ(BookingFiles::SaveNewBooking(data.root, rec, {}, MadeAt, year, month).error.number, 75)
            << year << month;
    // A key that is no booking number touches no file, not even a lock.
    for (const char* key : {"NEW Booking", "  ", "../x40509", "0"}) {
        BookingFields unsaved = rec;
        unsaved.RegNo = key;
        EXPECT_EQ(BookingFiles::UpdateBooking(data.root, "", unsaved, nullptr, false, Conflicts::Ask).error.number,
                  2001)
            << key;
        EXPECT_EQ(BookingFiles::DeleteBooking(data.root, key).error.number, 2001) << key;
        EXPECT_EQ(BookingFiles::ReadBookingLine(data.root, key).error.number, 2001) << key;
    }
    EXPECT_TRUE(fs::is_empty(data.root + "/Record"));
    EXPECT_EQ(BookingFiles::UpdateBooking(data.root, "", rec, nullptr, false, Conflicts::Ask).error.number, 53);
    EXPECT_EQ(BookingFiles::DeleteBooking(data.root, rec.RegNo).error.number, 53);
    EXPECT_EQ(BookingFiles::ReadBookingLine(data.root, rec.RegNo).error.number, 53);
    EXPECT_EQ(BookingFiles::ReadBookingLine(data.root, "12/.40509").error.number, 53);
    EXPECT_FALSE(fs::exists(data.month()));

    // Deleted at another desk: nothing found, nothing written.
    const std::string bytes = LineOf("120631140509", "Ann") + "\r\n";
    Write(data.month(), bytes);
    const ino_t before = Inode(data.month());
    BookingFields other = Visitor("Bo", "Ray");
    other.RegNo = "120631140510";
    EXPECT_EQ(
        BookingFiles::UpdateBooking(data.root, LineOf(other.RegNo, "Bo"), other, nullptr, true, Conflicts::KeepOurs)
            .error.number,
        2001);
    const BookingFiles::DeleteResult deleted = BookingFiles::DeleteBooking(data.root, other.RegNo);
    EXPECT_EQ(deleted.error.number, 2001);
    EXPECT_EQ(deleted.removedLines, 0);
    EXPECT_EQ(BookingFiles::ReadBookingLine(data.root, other.RegNo).error.number, 2001);
    EXPECT_EQ(Contents(data.month()), bytes);
    EXPECT_EQ(Inode(data.month()), before);
}

// A lone CR, a lone LF and CR LF each end a line; whatever end a kept line
// had, a rewrite writes its text back byte for byte, ended by CR LF.
TEST(MonthBookingFile, RewritesChangeOnlyTheBookingsFirstLineAndKeepEveryOtherLine) {
    DataFolder data;
    const std::string key = "120631140509";
    std::string first = LineOf(key, "First");
    first.replace(990, 10, "09:00 10:0"); // columns of no field stay as they are
    const std::string lf = LineOf("120631140510", "Lf");
    const std::string second = LineOf(key, "Second");
    const std::string last = LineOf("120631140511", "Last");
    const std::string nul("garbage\0nul", 11);
    const std::string stray = "\xff\x01 stray", longLine(1300, 'L');
    // CR CR LF ends a line and then a blank one; the last line has no end.
    Write(data.month(),
          first + "\r" + nul + "\r\n" + lf + "\n" + stray + "\r\r\n" + longLine + "\r\n\r\n" + second + "\r" + last);
    const auto crLf = [](std::initializer_list<std::string> texts) {
        std::string bytes;
        for (const std::string& text : texts)
            bytes += text + "\r\n";
        return bytes;
    };

    const BookingFiles::LineResult read = BookingFiles::ReadBookingLine(data.root, key);
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.line, first);
    EXPECT_EQ(BookingFiles::ReadBookingLine(data.root, "120631140510").line, lf);
    BookingFields rec = Parsed(read.line);
    rec.LastName = "Changed";
    TimeCellTexts cells;
    cells[2] = "09:15";
    const BookingFiles::UpdateResult updated =
        BookingFiles::UpdateBooking(data.root, read.line, rec, &cells, false, Conflicts::Ask);
    ASSERT_FALSE(updated.error);
    EXPECT_TRUE(updated.conflicts.empty());
    std::string expected = first;
    expected.replace(30, 8, "Changed ");
    expected.replace(1067, 4, "0915");
    EXPECT_EQ(updated.storedLine, expected);
    EXPECT_EQ(Contents(data.month()), crLf({expected, nul, lf, stray, "", longLine, "", second, last}));

    Write(data.month(), first + "\r" + lf + "\n" + nul + "\r\r" + second + "\n" + last);
    const BookingFiles::DeleteResult deleted = BookingFiles::DeleteBooking(data.root, key);
    ASSERT_FALSE(deleted.error);
    EXPECT_EQ(deleted.removedLines, 2);
    EXPECT_EQ(Contents(data.month()), crLf({lf, nul, "", last}));
    ASSERT_FALSE(BookingFiles::DeleteBooking(data.root, "120631140511").error);
    EXPECT_EQ(Contents(data.month()), crLf({lf, nul, ""}));

    Write(data.month(), "\r\n" + stray + "\r" + longLine + "\n\n\r" + lf);
    const BookingFiles::LinesResult lines = BookingFiles::ReadLines(data.month());
    ASSERT_FALSE(lines.error);
    EXPECT_EQ(lines.lines, (std::vector<std::string>{"", stray, longLine, "", "", lf}));
    EXPECT_EQ(BookingFiles::ReadLines(data.month("1207")).error.number, 53);
}

// Two desks opened one booking; each stores its own edit from the same base.
TEST(MonthBookingFile, UpdatesMergeFieldByFieldAndAskAboutConflicts) {
    DataFolder data;
    BookingFields rec = Visitor("Ann", "Lee");
    rec.MobilePhone = "07700 900001";
    rec.Town = "Leeds";
    rec.PassStart = "01-06-2012";
    rec.PassEnd = "07-06-2012";
    rec.PassPeriod = "1W";
    rec.PassIssued = "31-05-2012 10:11:12";
    rec.PhotoOnFile = "1";
    TimeCellTexts times;
    times[14] = "09:00";
    const std::string base = Saved(data, rec, times);
    auto update = [&](std::string_view from, const BookingFields& edit, const TimeCellTexts* cells, bool revoke,
                      Conflicts resolve) {
        BookingFiles::UpdateResult r =
            BookingFiles::UpdateBooking(data.root, from, edit, cells, revoke, resolve, false);
        EXPECT_FALSE(r.error) << r.error.description;
        return r;
    };

    // Different fields, and one day slot each: both kept.
    BookingFields theirs = Parsed(base);
    theirs.MobilePhone = "07700 900002";
    TimeCellTexts theirTimes = times;
    theirTimes[15] = "10:00";
    ASSERT_EQ(update(base, theirs, &theirTimes, false, Conflicts::Ask).conflicts, Labels{});
    BookingFields ours = Parsed(base);
    ours.CarRegistration = "XY99 ZZZ";
    TimeCellTexts ourTimes = times;
    ourTimes[14] = "09:30";
    const BookingFiles::UpdateResult first = update(base, ours, &ourTimes, false, Conflicts::Ask);
    EXPECT_EQ(first.conflicts, Labels{});
    BookingFields stored = Parsed(first.storedLine);
    EXPECT_EQ(stored.MobilePhone + "|" + stored.CarRegistration, "07700 900002|XY99 ZZZ");
    EXPECT_EQ(stored.DayTimes[14] + "|" + stored.DayTimes[15], "0930|1000");
    EXPECT_EQ(Contents(data.month()), first.storedLine + "\r\n");

    // The same field changed at both desks: to one value no conflict, to
    // different values asked about, and nothing written until answered.
    theirs = Parsed(first.storedLine);
    theirs.Town = "Hull";
    theirs.Department = "GOODS IN";
    theirs.PassEnd = "14-06-2012";
    ASSERT_EQ(update(first.storedLine, theirs, nullptr, false, Conflicts::Ask).conflicts, Labels{});
    ours = Parsed(first.storedLine);
    ours.Town = "Selby";
    ours.Department = "GOODS IN";
    ours.DayTimes[14] = "ignored without the grid";
    const std::string file = Contents(data.month());
    const BookingFiles::UpdateResult asked = update(first.storedLine, ours, nullptr, true, Conflicts::Ask);
    EXPECT_EQ(asked.conflicts, (Labels{"Town", "Pass"}));
    EXPECT_EQ(asked.storedLine, "");
    EXPECT_EQ(Contents(data.month()), file);
    const BookingFiles::UpdateResult kept = update(first.storedLine, ours, nullptr, true, Conflicts::KeepOurs);
    EXPECT_EQ(kept.conflicts, (Labels{"Town", "Pass"}));
    stored = Parsed(kept.storedLine);
    EXPECT_EQ(stored.Town + "|" + stored.Department + "|" + stored.DayTimes[14], "Selby|GOODS IN|0930");
    EXPECT_EQ(stored.PassStart + stored.PassEnd + stored.PassPeriod + stored.PassIssued, ""); // revoked
    EXPECT_EQ(kept.storedLine.substr(935, 54), std::string(53, ' ') + "1");

    theirs = Parsed(kept.storedLine);
    theirs.DayTimes[14] = "";
    ASSERT_FALSE(update(kept.storedLine, theirs, &theirs.DayTimes, false, Conflicts::Ask).error);
    ours = Parsed(kept.storedLine);
    ours.LastName = "Leeward";
    ours.DayTimes[14] = "12:00";
    const BookingFiles::UpdateResult theirsKept =
        update(kept.storedLine, ours, &ours.DayTimes, false, Conflicts::KeepTheirs);
    EXPECT_EQ(theirsKept.conflicts, Labels{"Time on day 15"});
    stored = Parsed(BookingFiles::ReadBookingLine(data.root, ours.RegNo).line);
    EXPECT_EQ(stored.LastName + "|" + stored.DayTimes[14] + "|" + stored.Town, "Leeward||Selby");
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
        ASSERT_FALSE(BookingFiles::DeleteBooking(data.root, key).error) << key;
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
            std::vector<std::string> made;
            int failure = 0;
            for (int i = 0; i <= PerProcess && failure == 0; ++i) {
                if (i < PerProcess) {
                    const BookingFiles::SaveResult saved = BookingFiles::SaveNewBooking(
                        data.root, Visitor(who + std::to_string(i), "Saved"), {}, MadeAt, "2012", "06", false);
                    made.push_back(saved.storedLine);
                    if (saved.error)
                        failure = 1;
                }
                if (i > 0) {
                    const std::string& base = made[static_cast<std::size_t>(i - 1)];
                    BookingFields rec = Parsed(base);
                    rec.LastName = "Updated";
                    TimeCellTexts cells;
                    cells[static_cast<std::size_t>(i % 30)] = "10:00";
                    const BookingFiles::UpdateResult updated =
                        BookingFiles::UpdateBooking(data.root, base, rec, &cells, false, Conflicts::Ask, false);
                    if (updated.error || !updated.conflicts.empty())
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
        const BookingFields rec = Parsed(std::string(line.text));
        names.insert(rec.FirstName);
        EXPECT_EQ(rec.LastName, "Updated") << rec.FirstName;
        const int i = std::stoi(rec.FirstName.substr(1));
        EXPECT_EQ(rec.DayTimes[static_cast<std::size_t>((i + 1) % 30)], "1000") << rec.FirstName;
    }
    EXPECT_EQ(names.size(), 2u * PerProcess);
}

// Two desks store their edits of one booking at the same moment: the second
// gets the other's field merged in and is asked about the field both changed.
TEST(MonthBookingFile, TwoDesksUpdatingOneBookingAtOnceKeepBothChanges) {
    DataFolder data;
    const std::string base = Saved(data, Visitor("Ann", "Lee"));
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    auto desk = [&](auto edit) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(gate[1]);
            char go;
            [[maybe_unused]] auto ignored = ::read(gate[0], &go, 1);
            BookingFields ours = Parsed(base);
            edit(ours);
            BookingFiles::UpdateResult r =
                BookingFiles::UpdateBooking(data.root, base, ours, nullptr, false, Conflicts::Ask, false);
            if (r.error)
                ::_exit(10);
            if (r.conflicts.empty())
                ::_exit(0);
            if (r.conflicts != Labels{"Town"})
                ::_exit(11);
            r = BookingFiles::UpdateBooking(data.root, base, ours, nullptr, false, Conflicts::KeepOurs, false);
            ::_exit(r.error || r.conflicts != Labels{"Town"} ? 12 : 1); // asked, then kept its own town
        }
        return pid;
    };
    const pid_t mobileDesk = desk([](BookingFields& f) {
        f.MobilePhone = "07700 900111";
        f.Town = "Ayr";
    });
    const pid_t carDesk = desk([](BookingFields& f) {
        f.CarRegistration = "BB22 BBB";
        f.Town = "Bude";
    });
    ::close(gate[0]);
    ::close(gate[1]);
    int mobileStatus = 0, carStatus = 0;
    ASSERT_EQ(::waitpid(mobileDesk, &mobileStatus, 0), mobileDesk);
    ASSERT_EQ(::waitpid(carDesk, &carStatus, 0), carDesk);
    ASSERT_TRUE(WIFEXITED(mobileStatus) && WIFEXITED(carStatus));
    const int mobileAsked = WEXITSTATUS(mobileStatus), carAsked = WEXITSTATUS(carStatus);
    ASSERT_EQ(mobileAsked + carAsked, 1) << mobileAsked << " " << carAsked; // one first, the other asked

    const BookingFields stored = Parsed(BookingFiles::ReadBookingLine(data.root, LineKey(base)).line);
    EXPECT_EQ(stored.MobilePhone, "07700 900111");
    EXPECT_EQ(stored.CarRegistration, "BB22 BBB");
    EXPECT_EQ(stored.Town, mobileAsked ? "Ayr" : "Bude");
}

// A desk killed at any moment of a save or an update leaves the month file
// whole: as it was, or with the whole new line; and the next desk to take the
// file's lock clears its temporary away.
TEST(MonthBookingFile, AKilledWriterNeverLeavesAHalfWrittenFile) {
    DataFolder data;
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back(Saved(data, Visitor(std::to_string(i) + "V", "Lee")));
    std::vector<std::string> keys = WholeLineKeys(Contents(data.month()));
    // Every line whole, the lines before the kill still there, and at most
    // newLines more.
    const auto killed = [&](pid_t pid, std::size_t newLines, const std::string& when) {
        ::waitpid(pid, nullptr, 0);
        const std::vector<std::string> now = WholeLineKeys(Contents(data.month()));
        EXPECT_EQ(std::vector<std::string>(now.begin(), now.begin() + std::min(now.size(), keys.size())), keys) << when;
        EXPECT_LE(now.size() - std::min(now.size(), keys.size()), newLines) << when;
        keys = now;
        ASSERT_FALSE(
            BookingFiles::UpdateBooking(data.root, "", Parsed(lines[0]), nullptr, false, Conflicts::KeepOurs, false)
                .error)
            << when;
        EXPECT_EQ(TemporariesIn(data.root + "/Record"), 0u) << when;
    };

    // A save stopped at every point of its write, as a kill or a power cut
    // stops it: the size limit ends the process at that byte.
    const std::size_t size = fs::file_size(data.month());
    for (std::size_t at = 0; at < size + 2 * BookingLineLength; at += 331) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{at, at};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            BookingFiles::SaveNewBooking(data.root, Visitor("Cut", "Short"), {}, MadeAt, "2012", "06", false);
            ::_exit(0);
        }
        killed(pid, 1, "cut at byte " + std::to_string(at));
    }

    std::mt19937 random(12345);
    for (int round = 0; round < 30; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (unsigned n = 0;; ++n) {
                BookingFields rec = Parsed(lines[n % lines.size()]);
                rec.LastName = "Round" + std::to_string(n);
                if (n % 2)
                    BookingFiles::UpdateBooking(data.root, "", rec, nullptr, false, Conflicts::KeepOurs, n % 4 == 0);
                else
                    BookingFiles::SaveNewBooking(data.root, rec, {}, MadeAt, "2012", "06", n % 4 == 0);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + random() % 15000));
        ::kill(pid, SIGKILL);
        killed(pid, SIZE_MAX, "round " + std::to_string(round));
    }
}
