#include "core/desk/DayStatusFile.h"
#include "core/desk/ArrivalDeparture.h"

#include "DeskFiles.h"
#include "core/TextLines.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace DeskFiles;

namespace {

const LocalDateTime Today{2012, 6, 15, 10, 30, 0};

class DayStatusFile : public ::testing::Test {
  protected:
    void SetUp() override { Clock::Pin(Today); }
    void TearDown() override { Clock::Unpin(); }

    std::string StatusPath() const { return DayStatus::FilePath(data.root, Today); }
    std::vector<std::string> StatusLines() const {
        std::vector<std::string> lines;
        const std::string bytes = Contents(StatusPath());
        for (const RawLine& line : SplitRawLines(bytes)) {
            EXPECT_EQ(line.whole.substr(line.text.size()), "\r\n");
            lines.emplace_back(line.text);
        }
        return lines;
    }
    std::string Stamps(const std::string& line) const {
        return std::string(DayStatus::ArrivalTime(line)) + "|" + std::string(DayStatus::DepartureTime(line));
    }

    DataFolder data;
};

// Runs body in a child process once the gate pipe closes.
template <typename Body> pid_t Spawn(const int (&gate)[2], Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(gate[1]);
        char go;
        [[maybe_unused]] auto ignored = ::read(gate[0], &go, 1);
        ::_exit(body() ? 0 : 1);
    }
    return pid;
}

bool Succeeded(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST_F(DayStatusFile, FirstBuildTakesTodaysBookingsOfItsMonthAndPassesOfThirteenMonths) {
    EXPECT_EQ(StatusPath(), data.root + "/Status/120615.vdf");
    const std::string a = LineOf({"120601090000", "Ann", "Booked", {{15, "09:15"}}});
    const std::string c = LineOf({"120602090000", "Cy", "EndsToday", {}, "10-06-2012", "15-06-2012"});
    const std::string d = LineOf({"120603090000", "Di", "StartsToday", {}, "15-06-2012", "20-06-2012"});
    Write(data.month("1206"), FileOf({a, LineOf({"120604090000", "Bo", "Tomorrow", {{16, "09:00"}}}), c, d,
                                      LineOf({"120605090000", "Ed", "Ended", {}, "07-06-2012", "14-06-2012"}),
                                      LineOf({"120606090000", "Flo", "Nothing"})}));
    // Other months: only through a pass, even with a time in today's day number.
    const std::string h = LineOf({"120501090000", "Hal", "Pass", {{15, "08:00"}}, "01-05-2012", "30-06-2012"});
    Write(data.month("1205"), FileOf({LineOf({"120502090000", "Gus", "SlotOnly", {{15, "08:00"}}}), h}));
    const std::string i = LineOf({"111201090000", "Ivy", "SixBack", {}, "01-12-2011", "31-12-2012"});
    const std::string k = LineOf({"121201090000", "Kim", "SixAhead", {}, "01-06-2012", "31-12-2012"});
    Write(data.month("1112"), FileOf({i}));
    Write(data.month("1111"), FileOf({LineOf({"111101090000", "Jo", "SevenBack", {}, "01-11-2011", "31-12-2012"})}));
    Write(data.month("1212"), FileOf({k}));
    Write(data.month("1301"), FileOf({LineOf({"130101090000", "Lu", "SevenAhead", {}, "01-06-2012", "31-12-2012"})}));

    ASSERT_FALSE(DayStatus::Build(data.root, false));
    const std::vector<std::string> lines = StatusLines();
    const std::vector<std::string> expected{i, h, a, c, d, k};
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        EXPECT_EQ(Stamps(lines[n]), "  -  |  -  ") << n;
        std::string copy = lines[n];
        DayStatus::SetTimes(copy, "", "");
        EXPECT_EQ(copy, expected[n]) << n; // otherwise the month line as it stands
    }
}

TEST_F(DayStatusFile, RebuildKeepsStampsAddsBlankLinesAndDropsWhatNoLongerQualifies) {
    const std::string kept = LineOf({"120601090000", "Ann", "Kept", {{15, "09:15"}}});
    const std::string revoked = LineOf({"120602090000", "Rex", "Revoked", {}, "10-06-2012", "20-06-2012"});
    const std::string twice = LineOf({"120603090000", "Tom", "Twice", {{15, "11:00"}}});
    Write(data.month("1206"), FileOf({kept, revoked, twice, twice}));
    ASSERT_FALSE(DayStatus::Build(data.root, false));

    auto stamp = [&](const char* regNo, const char* arrival, const char* departure) {
        const DayStatus::StampResult r = DayStatus::UpdateStatusLine(data.root, regNo, arrival, departure, false);
        EXPECT_FALSE(r.error) << regNo;
        return r.stampedLines;
    };
    EXPECT_EQ(stamp(" 120601090000 ", "09:20", "  -  "), 1);
    EXPECT_EQ(stamp("120602090000", "09:30", "10:00"), 1);
    EXPECT_EQ(stamp("120603090000", "10:05", "  -  "), 2); // every line of the booking
    EXPECT_EQ(stamp("120699999999", "10:05", "  -  "), 0);

    // The pass is revoked and a booking for today is added.
    const std::string added = LineOf({"120615100000", "New", "Added", {{15, "14:00"}}});
    Write(data.month("1206"), FileOf({kept, LineOf({"120602090000", "Rex", "Revoked"}), twice, twice, added}));
    ASSERT_FALSE(DayStatus::Build(data.root, false));
    const std::vector<std::string> lines = StatusLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 12), "120601090000");
    EXPECT_EQ(Stamps(lines[0]), "09:20|  -  ");
    EXPECT_EQ(Stamps(lines[1]), "10:05|  -  ");
    EXPECT_EQ(Stamps(lines[2]), "10:05|  -  ");
    EXPECT_EQ(lines[3], added);
    EXPECT_EQ(Stamps(lines[3]), "     |     ");

    // Nobody left today: an empty file.
    Write(data.month("1206"), "");
    ASSERT_FALSE(DayStatus::Build(data.root, false));
    EXPECT_EQ(Contents(StatusPath()), "");
}

TEST_F(DayStatusFile, StampFindsLinesByAnyLineEndAndKeepsEveryOtherLine) {
    const std::string a = LineOf({"120601090000", "Ann", "Lee", {{15, "09:15"}}});
    const std::string b = LineOf({"120602090000", "Bo", "Ray", {{15, "09:15"}}});
    const std::string c = LineOf({"120603090000", "Cy", "Day", {{15, "09:15"}}});
    const std::string odd = "120601 short line";
    Write(StatusPath(), a + "\r" + b + "\n" + odd + "\r\n\r" + c); // the last line without its end
    ASSERT_EQ(DayStatus::UpdateStatusLine(data.root, "120602090000", "11:11", "12:12", false).stampedLines, 1);
    std::string stamped = b;
    DayStatus::SetTimes(stamped, "11:11", "12:12");
    EXPECT_EQ(Contents(StatusPath()), FileOf({a, stamped, odd, "", c}));
}

TEST_F(DayStatusFile, StampWithoutTodaysFileBuildsItFirst) {
    Write(data.month("1206"), FileOf({LineOf({"120601090000", "Ann", "Lee", {{15, "09:15"}}}),
                                      LineOf({"120602090000", "Bo", "Ray", {{15, "09:45"}}})}));
    const DayStatus::StampResult stamped =
        DayStatus::UpdateStatusLine(data.root, "120602090000", "09:40", "  -  ", false);
    ASSERT_FALSE(stamped.error);
    EXPECT_EQ(stamped.stampedLines, 1);
    const std::vector<std::string> lines = StatusLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Stamps(lines[0]), "  -  |  -  ");
    EXPECT_EQ(Stamps(lines[1]), "09:40|  -  ");
}

TEST_F(DayStatusFile, AMissingOrUnreadableFolderIsAnErrorAndLeavesTodaysFileAsItWas) {
    DataFolder noStatus(false);
    Write(noStatus.month("1206"), FileOf({LineOf({"120601090000", "Ann", "Lee", {{15, "09:15"}}})}));
    ASSERT_FALSE(DayStatus::Build(noStatus.root, false));
    EXPECT_EQ(SplitRawLines(Contents(DayStatus::FilePath(noStatus.root, Today))).size(), 1u);
    DataFolder again(false);
    ASSERT_FALSE(DayStatus::UpdateStatusLine(again.root, "120601090000", "09:00", "  -  ", false).error);
    EXPECT_TRUE(fs::exists(DayStatus::FilePath(again.root, Today)));

    const std::string missing = data.temp.path().string() + "/gone";
    EXPECT_EQ(DayStatus::Build(missing, false).error.number, 76);
    EXPECT_EQ(DayStatus::UpdateStatusLine(missing, "120601090000", "09:00", "  -  ", false).error.number, 76);
    EXPECT_FALSE(fs::exists(missing));

    // A stamp survives the Record folder going away for a while.
    Write(data.month("1206"), FileOf({LineOf({"120601090000", "Ann", "Lee", {{15, "09:15"}}})}));
    ASSERT_FALSE(DayStatus::Build(data.root, false));
    ASSERT_FALSE(DayStatus::UpdateStatusLine(data.root, "120601090000", "09:20", "  -  ", false).error);
    const std::string stamped = Contents(StatusPath());
    fs::rename(data.root + "/Record", data.root + "/Record.away");
    EXPECT_EQ(DayStatus::Build(data.root, false).error.number, 76);
    const DayStatus::StampResult refused =
        DayStatus::UpdateStatusLine(data.root, "120601090000", "10:00", "  -  ", false);
    EXPECT_EQ(refused.error.number, 76);
    EXPECT_EQ(refused.stampedLines, 0);
    EXPECT_EQ(Contents(StatusPath()), stamped);
    fs::rename(data.root + "/Record.away", data.root + "/Record");
    ASSERT_FALSE(DayStatus::Build(data.root, false));
    EXPECT_EQ(Contents(StatusPath()), stamped);

    fs::create_directory(data.month("1207")); // cannot be read as a file
    EXPECT_TRUE(DayStatus::Build(data.root, false));
    EXPECT_EQ(Contents(StatusPath()), stamped);
}

// Two desks stamp different bookings while a third rebuilds the file.
TEST_F(DayStatusFile, DesksStampingAndRebuildingAtOnceLoseNoStamp) {
    constexpr int Bookings = 300;
    auto regNo = [](int n) { return std::to_string(120601000000LL + n); };
    std::string bytes;
    for (int n = 0; n < Bookings; ++n)
        bytes += LineOf({regNo(n), "Ann", "Lee", {{15, "09:15"}}}) + "\r\n";
    Write(data.month("1206"), bytes);
    ASSERT_FALSE(DayStatus::Build(data.root, false));

    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> desks;
    for (int desk = 0; desk < 2; ++desk) {
        desks.push_back(Spawn(gate, [&, desk] {
            for (int n = desk; n < Bookings; n += 2) {
                const DayStatus::StampResult r =
                    DayStatus::UpdateStatusLine(data.root, regNo(n), desk == 0 ? "10:10" : "10:11", "  -  ", false);
                if (r.error || r.stampedLines != 1)
                    return false;
            }
            return true;
        }));
    }
    desks.push_back(Spawn(gate, [&] {
        for (int n = 0; n < Bookings / 2; ++n) {
            if (DayStatus::Build(data.root, false))
                return false;
        }
        return true;
    }));
    ::close(gate[0]);
    ::close(gate[1]);
    for (pid_t pid : desks)
        EXPECT_TRUE(Succeeded(pid));

    const std::vector<std::string> lines = StatusLines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(Bookings));
    int lost = 0;
    for (std::size_t n = 0; n < lines.size(); ++n)
        lost += Stamps(lines[n]) != (n % 2 == 0 ? "10:10|  -  " : "10:11|  -  ");
    EXPECT_EQ(lost, 0);
}

namespace AD = ArrivalDeparture;

TEST(ArrivalDeparture, ButtonsRefuseWithoutABookingOrAName) {
    const LocalDateTime now{2012, 6, 15, 9, 5, 0};
    AD::StampForm form{false, "120601090000", "J", "Li", "  -  "};

    EXPECT_EQ(AD::MarkArrived(form, now).outcome, AD::StampOutcome::Refused); // 2-letter last, 1-letter first
    form.lastName = " Lee ";
    EXPECT_EQ(AD::MarkArrived(form, now).outcome, AD::StampOutcome::Stamped);
    form.arrivalCaption = "09:00";
    EXPECT_EQ(AD::MarkDeparted(form, now).outcome, AD::StampOutcome::Refused); // 4 letters needed to depart
    form.lastName = "Leek";
    EXPECT_EQ(AD::MarkDeparted(form, now).outcome, AD::StampOutcome::Stamped);
    form.arrivalCaption = "  -  ";
    EXPECT_EQ(AD::MarkDeparted(form, now).outcome, AD::StampOutcome::Refused); // nothing to depart from

    for (const char* number : {"", "NEW Booking", "0"}) {
        form.regNoText = number;
        const AD::StampResult in = AD::MarkArrived(form, now);
        EXPECT_EQ(in.outcome, AD::StampOutcome::NoBooking);
        EXPECT_EQ(in.message, "Can't mark as ARRIVED: No booking has been created or saved!");
        const AD::StampResult out = AD::MarkDeparted(form, now);
        EXPECT_EQ(out.outcome, AD::StampOutcome::NoBooking);
        EXPECT_EQ(out.message, "Can't mark as DEPARTED: No booking has been created or saved!");
    }
    form.readOnly = true;
    EXPECT_EQ(AD::MarkArrived(form, now).outcome, AD::StampOutcome::ReadOnly);
    EXPECT_EQ(AD::MarkDeparted(form, now).outcome, AD::StampOutcome::ReadOnly);
    EXPECT_EQ(AD::UndoArrival(true, ListMode::OnSite, AD::OnSiteBack, "  -  ").outcome, AD::UndoOutcome::Ignored);
    EXPECT_EQ(AD::UndoDeparture(true, ListMode::OnSite, AD::DepartedBack, "09:00").outcome, AD::UndoOutcome::Ignored);
}

TEST(ArrivalDeparture, StatesMoveAsTheTableSays) {
    AD::StampForm form{false, "120601090000", "Ann", "Lee", "  -  "};
    // The labels after a step, as "arrival back/text/emphasis caption | departure back caption".
    auto shown = [](const auto& r) {
        const AD::LabelLooks l = AD::LooksFor(r.look, r.arrivalTime, r.departureTime);
        char text[96];
        std::snprintf(text, sizeof text, "%lX/%lX/%d %s | %lX %s", l.arrivalBackColour, l.arrivalTextColour,
                      l.arrivalEmphasised, l.arrivalCaption.c_str(), l.departureBackColour, l.departureCaption.c_str());
        return std::string(text);
    };

    const AD::StampResult in = AD::MarkArrived(form, {2012, 6, 15, 9, 5, 0});
    EXPECT_EQ(shown(in), "FF/FFFFFF/1 09:05 | F0F0F0   -  ");
    form.arrivalCaption = in.arrivalTime;
    const AD::StampResult out = AD::MarkDeparted(form, {2012, 6, 15, 16, 40, 0});
    EXPECT_EQ(out.arrivalTime + out.departureTime, "09:0516:40");
    EXPECT_EQ(shown(out), "F0F0F0/0/0 09:05 | FF00 16:40");

    // A departed visitor keeps the arrival; the departure goes, in the on-site list only.
    EXPECT_EQ(AD::UndoArrival(false, ListMode::OnSite, AD::GreyBack, "16:40").outcome, AD::UndoOutcome::Ignored);
    EXPECT_EQ(AD::UndoDeparture(false, ListMode::DayList, AD::DepartedBack, "09:05").outcome, AD::UndoOutcome::Ignored);
    const AD::UndoResult back = AD::UndoDeparture(false, ListMode::OnSite, AD::DepartedBack, "09:05");
    ASSERT_EQ(back.outcome, AD::UndoOutcome::Undone);
    EXPECT_EQ(shown(back), "FF/FFFFFF/1 09:05 | F0F0F0   -  ");
    EXPECT_EQ(back.departureTime, "  -  ");

    EXPECT_EQ(AD::UndoArrival(false, ListMode::MonthList, AD::OnSiteBack, "  -  ").outcome, AD::UndoOutcome::Ignored);
    const AD::UndoResult gone = AD::UndoArrival(false, ListMode::OnSite, AD::OnSiteBack, "  -  ");
    ASSERT_EQ(gone.outcome, AD::UndoOutcome::Undone);
    EXPECT_EQ(shown(gone), "F0F0F0/0/0   -   | F0F0F0   -  ");
    EXPECT_EQ(gone.arrivalTime, "  -  ");

    // On-Site after a departure: a new arrival, the departure cleared.
    const AD::StampResult again = AD::MarkArrived(form, {2012, 6, 15, 17, 0, 0});
    EXPECT_EQ(again.arrivalTime + again.departureTime, "17:00  -  ");

    // A status line that ends one byte into a stamp shows what there is.
    const std::string number = "120601090000", upToStamps = number + std::string(990 - number.size(), ' ');
    const AD::LabelLooks cutArrival = AD::LooksInStatusLines({upToStamps + "9"}, number);
    EXPECT_EQ(cutArrival.arrivalCaption + "|" + cutArrival.departureCaption, "9:9|  -  ");
    const AD::LabelLooks cutDeparture = AD::LooksInStatusLines({upToStamps + "00:01" + "5"}, number);
    EXPECT_EQ(cutDeparture.arrivalCaption + "|" + cutDeparture.departureCaption, "00:01|5:5");
}
