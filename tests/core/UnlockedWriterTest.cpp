// What others leave where a desk changes a shared file: a writer that takes
// no lock (an older desk, a script on the share) appending meanwhile, a link
// to a file elsewhere, or a pipe in the file's place.
#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/admin/PickListEdit.h"
#include "core/desk/DayList.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/SearchFields.h"
#include "core/maintenance/BulkDelete.h"
#include "core/passes/PhotoLibrary.h"

#include "DeskFiles.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace DeskFiles;

namespace {

const LocalDateTime Today{2012, 6, 15, 10, 30, 0};

class UnlockedWriter : public ::testing::Test {
  protected:
    void SetUp() override { Clock::Pin(Today); }
    void TearDown() override {
        SetBeforeChangeWritten({});
        Clock::Unpin();
    }

    // From now on the next `passes` changes about to be written find line
    // appended to their file after they read it.
    void AppendBeforeWrites(const std::string& line, int passes) {
        appended_ = 0;
        SetBeforeChangeWritten([this, line, passes](const std::string& path) {
            if (appended_ == passes)
                return;
            std::ofstream(path, std::ios::binary | std::ios::app) << line;
            ++appended_;
        });
    }
    int appended() const { return appended_; }

    // A change of each kind of shared file: the file, what it holds before,
    // what a writer without the lock appends meanwhile, and what it holds after.
    struct Case {
        const char* what;
        std::string path, before, appended;
        std::function<FileError()> change;
        std::string after;
    };
    std::vector<Case> Changes();

    DataFolder data;
    const std::string ann = LineOf({"120601090000", "Ann", "Lee", {{15, "09:15"}}});
    const std::string bo = LineOf({"120602090000", "Bo", "Ray", {{5, "10:00"}}});
    const std::string script = LineOf({"120699000001", "Script", "Line"}) + "\r\n";
    std::string storedLine; // by the save

  private:
    int appended_ = 0;
};

BookingFields Parsed(const std::string& line) {
    BookingFields rec;
    ParseBookingLine(line, rec);
    return rec;
}

std::string WithTimes(std::string line, std::string_view arrival) {
    DayStatus::SetTimes(line, arrival, DayStatus::NoTime);
    return line;
}

std::vector<UnlockedWriter::Case> UnlockedWriter::Changes() {
    BookingFields annMoved = Parsed(ann);
    annMoved.LastName = "Moved";
    // The number a booking saved now takes, already taken by the appended line.
    const std::string sameNumber = LineOf({"120615103000", "Other", "Desk"}) + "\r\n";
    const std::string status = DayStatus::FilePath(data.root, Today);
    const std::string lists = data.temp.path().string() + "/lists.ini";
    return {
        {"update", data.month("1206"), FileOf({ann, bo}), script,
         [=, this] {
             return BookingFiles::UpdateBooking(data.root, ann, annMoved, nullptr, false, BookingFiles::Conflicts::Ask,
                                                false)
                 .error;
         },
         FileOf({LineOf({"120601090000", "Ann", "Moved", {{15, "09:15"}}}), bo}) + script},
        {"delete", data.month("1206"), FileOf({ann, bo}), script,
         [=, this] { return BookingFiles::DeleteBooking(data.root, "120601090000", false).error; },
         FileOf({bo}) + script},
        {"save new", data.month("1206"), FileOf({ann}), sameNumber,
         [=, this] {
             const BookingFiles::SaveResult saved =
                 BookingFiles::SaveNewBooking(data.root, Parsed(bo), {}, Today, "2012", "06", false);
             storedLine = saved.storedLine;
             return saved.error;
         },
         FileOf({ann}) + sameNumber + FileOf({LineOf({"120615103001", "Bo", "Ray"})})},
        {"arrival stamp", status, FileOf({WithTimes(ann, DayStatus::NoTime), WithTimes(bo, DayStatus::NoTime)}),
         WithTimes(LineOf({"120699000001", "Script", "Line"}), "08:00") + "\r\n",
         [=, this] { return DayStatus::UpdateStatusLine(data.root, "120601090000", "09:20", "  -  ", false).error; },
         FileOf({WithTimes(ann, "09:20"), WithTimes(bo, DayStatus::NoTime),
                 WithTimes(LineOf({"120699000001", "Script", "Line"}), "08:00")})},
        {"pick-list item", lists, "[DEPARTMENT]\r\nFINANCE\r\n", ";added by a script\r\n",
         [=, this] {
             return PickListEdit::AddToFile(lists, "[DEPART", PickListEdit::ListedItem{"FINANCE", 0}, "IT");
         },
         "[DEPARTMENT]\r\nFINANCE\r\nIT\r\n;added by a script\r\n"},
        {"bulk deletion of a day", data.month("1206"), FileOf({ann, bo}), script,
         [=, this] {
             return Maintenance::DeleteFromMonth(data.month("1206"), Maintenance::DeleteRule::Day, "", "", 5, false)
                 .error;
         },
         FileOf({ann}) + script},
    };
}

} // namespace

TEST_F(UnlockedWriter, ALineAppendedDuringAChangeIsKeptAndTheChangeMadeAgain) {
    for (const Case& c : Changes()) {
        SCOPED_TRACE(c.what);
        Write(c.path, c.before);
        AppendBeforeWrites(c.appended, 1);
        const FileError error = c.change();
        EXPECT_FALSE(error) << error.description;
        EXPECT_EQ(appended(), 1);
        EXPECT_EQ(Contents(c.path), c.after);
    }
    EXPECT_EQ(LineKey(storedLine), "120615103001");
}

TEST_F(UnlockedWriter, AFileThatKeepsChangingIsBusyAndGetsOnlyTheAppends) {
    const std::string before = FileOf({ann, bo});
    BookingFields annMoved = Parsed(ann);
    annMoved.LastName = "Moved";
    const std::pair<const char*, std::function<FileError()>> changes[] = {
        {"update",
         [&] {
             return BookingFiles::UpdateBooking(data.root, ann, annMoved, nullptr, false, BookingFiles::Conflicts::Ask,
                                                false)
                 .error;
         }},
        {"save new",
         [&] { return BookingFiles::SaveNewBooking(data.root, annMoved, {}, Today, "2012", "06", false).error; }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        Write(data.month("1206"), before);
        AppendBeforeWrites(script, 1000);
        EXPECT_EQ(change().number, ErrorNumber::FileBusy);
        EXPECT_GT(appended(), 1);
        std::string expected = before;
        for (int i = 0; i < appended(); ++i)
            expected += script;
        EXPECT_EQ(Contents(data.month("1206")), expected);
    }
}

// A shared file that is a link to a file elsewhere (on a share mounted at
// another path, kept with another desk) is changed where it lies and stays a
// link, and a desk that reaches the file by another path shares its lock.
TEST_F(UnlockedWriter, ALinkedFileIsChangedWhereItLiesAndKeepsItsLock) {
    const fs::path elsewhere = data.temp.path() / "elsewhere";
    fs::create_directory(elsewhere);
    bool relative = false;
    for (const Case& c : Changes()) {
        SCOPED_TRACE(c.what);
        const fs::path link = c.path, target = elsewhere / link.filename();
        Write(target, c.before);
        fs::remove(link);
        fs::create_symlink(relative ? fs::relative(target, link.parent_path()) : target, link);
        relative = !relative;
        AppendBeforeWrites(c.appended, 1);
        EXPECT_FALSE(c.change());
        EXPECT_EQ(appended(), 1);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(Contents(target), c.after);
        fs::remove(link);
    }

    const std::string target = (elsewhere / "1206.vrf").string();
    fs::create_symlink(target, data.month("1206"));
    {
        const FileLock held(data.month("1206"));
        const pid_t pid = ::fork();
        if (pid == 0) {
            struct flock probe {};
            probe.l_type = F_WRLCK;
            const int fd = ::open(FileLock::LockFilePath(target).c_str(), O_RDWR);
            ::_exit(fd >= 0 && ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type == F_WRLCK ? 0 : 1);
        }
        int status = -1;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0) << "the lock taken by the link is the file's own";
    }
    // A link to a file not made yet: a new booking makes it there.
    fs::remove(target);
    EXPECT_FALSE(BookingFiles::SaveNewBooking(data.root, Parsed(bo), {}, Today, "2012", "06", false).error);
    EXPECT_TRUE(fs::is_symlink(data.month("1206")));
    EXPECT_EQ(LineKey(Contents(target)), "120615103000");
}

// A file marked read-only (no write permission at all, as a share shows the
// attribute, so that it holds for root too) is never changed, emptied or
// deleted: each refuses as the system refuses a write.
TEST_F(UnlockedWriter, AFileMarkedReadOnlyIsNeverChanged) {
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    for (const fs::perms mode : {readOnly, fs::perms::none}) {
        for (const Case& c : Changes()) {
            SCOPED_TRACE(c.what);
            Write(c.path, c.before);
            fs::permissions(c.path, mode);
            EXPECT_EQ(c.change().number, ErrorNumber::PermissionDenied);
            EXPECT_EQ(fs::status(c.path).permissions(), mode);
            fs::permissions(c.path, fs::perms::owner_read | fs::perms::owner_write);
            EXPECT_EQ(Contents(c.path), c.before);
        }
    }
    const std::string month = data.month("1206");
    Write(month, FileOf({ann}));
    fs::permissions(month, readOnly);
    EXPECT_EQ(Maintenance::EmptyMonthFile(month, false).number, ErrorNumber::PermissionDenied);
    const Maintenance::YearOutcome year = Maintenance::DeleteYear(data.root, "2012");
    EXPECT_EQ(year.error.number, ErrorNumber::PermissionDenied);
    EXPECT_EQ(year.failed, 1);
    EXPECT_EQ(Contents(month), FileOf({ann}));
}

// A pipe where a shared file belongs (as a folder or a device would be) is
// unreadable: no change and no reader waits on it, and none replaces it.
TEST_F(UnlockedWriter, APipeInAFilesPlaceIsReportedAndNeverWaitedOn) {
    ::alarm(30); // a call that waits on the pipe ends the whole run here
    for (const Case& c : Changes()) {
        SCOPED_TRACE(c.what);
        fs::remove(c.path);
        ASSERT_EQ(::mkfifo(c.path.c_str(), 0666), 0);
        EXPECT_EQ(c.change().number, ErrorNumber::PathFileAccess);
        EXPECT_TRUE(fs::is_fifo(c.path));
        fs::remove(c.path);
    }
    const std::string month = data.month("1206");
    ASSERT_EQ(::mkfifo(month.c_str(), 0666), 0);
    const std::pair<const char*, std::function<FileError()>> reads[] = {
        {"day list", [&] { return Lists::BuildDayList(month, 15, "15-06-2012").error; }},
        {"search", [&] { return Lists::BuildSearchList(month, "ANY TEXT", "Ann").error; }},
        {"booking", [&] { return BookingFiles::ReadBookingLine(data.root, "120601090000").error; }},
        {"photo scan", [&] { return PhotoLibrary::ScanMonth(data.root, "12", "06", {}, Today).error; }},
        {"status build", [&] { return DayStatus::Build(data.root, false).error; }},
    };
    for (const auto& [what, read] : reads)
        EXPECT_EQ(read().number, ErrorNumber::PathFileAccess) << what;
    ::alarm(0);
}
