// A writer that takes no lock (an older desk, a script on the share) appends
// to a shared file while a desk changes it under its lock.
#include "core/AtomicFile.h"
#include "core/admin/PickListEdit.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/MonthBookingFile.h"
#include "core/maintenance/BulkDelete.h"

#include "DeskFiles.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

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

    DataFolder data;
    const std::string ann = LineOf({"120601090000", "Ann", "Lee", {{15, "09:15"}}});
    const std::string bo = LineOf({"120602090000", "Bo", "Ray", {{5, "10:00"}}});
    const std::string script = LineOf({"120699000001", "Script", "Line"}) + "\r\n";

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

} // namespace

TEST_F(UnlockedWriter, ALineAppendedDuringAChangeIsKeptAndTheChangeMadeAgain) {
    BookingFields annMoved = Parsed(ann);
    annMoved.LastName = "Moved";
    // The number a booking saved now takes, already taken by the appended line.
    const std::string sameNumber = LineOf({"120615103000", "Other", "Desk"}) + "\r\n";
    const std::string status = DayStatus::FilePath(data.root, Today);
    const std::string lists = data.temp.path().string() + "/lists.ini";
    std::string storedLine;

    struct Case {
        const char* what;
        std::string path, before, appended;
        std::function<FileError()> change;
        std::string after;
    };
    const Case cases[] = {
        {"update", data.month("1206"), FileOf({ann, bo}), script,
         [&] {
             return BookingFiles::UpdateBooking(data.root, ann, annMoved, nullptr, false, BookingFiles::Conflicts::Ask,
                                                false)
                 .error;
         },
         FileOf({LineOf({"120601090000", "Ann", "Moved", {{15, "09:15"}}}), bo}) + script},
        {"delete", data.month("1206"), FileOf({ann, bo}), script,
         [&] { return BookingFiles::DeleteBooking(data.root, "120601090000", false).error; }, FileOf({bo}) + script},
        {"save new", data.month("1206"), FileOf({ann}), sameNumber,
         [&] {
             const BookingFiles::SaveResult saved =
                 BookingFiles::SaveNewBooking(data.root, Parsed(bo), {}, Today, "2012", "06", false);
             storedLine = saved.storedLine;
             return saved.error;
         },
         FileOf({ann}) + sameNumber + FileOf({LineOf({"120615103001", "Bo", "Ray"})})},
        {"arrival stamp", status, FileOf({WithTimes(ann, DayStatus::NoTime), WithTimes(bo, DayStatus::NoTime)}),
         WithTimes(LineOf({"120699000001", "Script", "Line"}), "08:00") + "\r\n",
         [&] { return DayStatus::UpdateStatusLine(data.root, "120601090000", "09:20", "  -  ", false).error; },
         FileOf({WithTimes(ann, "09:20"), WithTimes(bo, DayStatus::NoTime),
                 WithTimes(LineOf({"120699000001", "Script", "Line"}), "08:00")})},
        {"pick-list item", lists, "[DEPARTMENT]\r\nFINANCE\r\n", ";added by a script\r\n",
         [&] {
             return PickListEdit::AddToFile(lists, "[DEPART", PickListEdit::ListedItem{"FINANCE", 0}, "IT");
         },
         "[DEPARTMENT]\r\nFINANCE\r\nIT\r\n;added by a script\r\n"},
        {"bulk deletion of a day", data.month("1206"), FileOf({ann, bo}), script,
         [&] {
             return Maintenance::DeleteFromMonth(data.month("1206"), Maintenance::DeleteRule::Day, "", "", 5, false)
                 .error;
         },
         FileOf({ann}) + script},
    };
    for (const Case& c : cases) {
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
