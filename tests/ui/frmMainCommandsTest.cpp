#include "FileSizeLimit.h"
#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "platform/Grid.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

// The booking commands as a receptionist gives them: clicks on the buttons
// and the grids, keys in the boxes.
class CommandsTest : public DeskWindowTest {
  protected:
    void SetUp() override {
        DeskWindowTest::SetUp();
        openOn({2014, 3, 15, 10, 30, 0});
        boxes.clear();
    }
    QLineEdit* box(const char* name) { return Control<QLineEdit>(main, name); }
    QComboBox* combo(const char* name) { return Control<QComboBox>(main, name); }
    Grid* grid(const char* name) { return Control<Grid>(main, name); }
    void retype(const char* name, const QString& text) { User::Retype(box(name), text); }
    // The time box set to time, a click on the day's cell, then "+".
    void bookTime(int day, const char* time) {
        User::Retype(combo("cbTime")->lineEdit(), QString::fromLatin1(time));
        User::ClickCell(main, grid("TimeGrid"), day, 1);
        click("cmdADD");
    }
    // NEW, the names, a department, an organisation and a time on the 20th.
    void newBooking(const char* first, const char* last, const char* org = "ACME LTD") {
        click("cmdNEW");
        retype("FirstNameTB", QString::fromLatin1(first));
        retype("LastNameTB", QString::fromLatin1(last));
        User::Choose(combo("Dept1CB"), QStringLiteral(" FINANCE"));
        retype("CatOrganTB", QString::fromLatin1(org));
        bookTime(20, "11:45");
    }
    void listDay(int day) { User::Choose(combo("CBGetDay"), combo("CBGetDay")->itemText(day)); }
    void openListRow(int row) { User::ClickCell(main, grid("StatGrid"), row, 1); }
    std::string slot(const std::string& line, int day) { return line.substr(1060 - 1 + 4 * (day - 1), 4); }
};

} // namespace

TEST_F(CommandsTest, NewBookingIsSavedListedAndOpened) {
    newBooking("Jo", "Li");
    EXPECT_EQ(box("RegNoTB")->text(), "NEW Booking");
    EXPECT_EQ(state.HelpTopic, 26);
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "New Booking made for JO LI in MARCH 2014 Ok");

    const auto lines = FileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 1186u);
    EXPECT_EQ(lines[0].substr(0, 12), "140315103000");
    EXPECT_EQ(slot(lines[0], 20), "1145");
    EXPECT_EQ(lines[0].substr(524, 7), "FINANCE");
    EXPECT_EQ(box("RegNoTB")->text(), "140315103000");
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ Record 140315103000 SAVED ]");

    listDay(20);
    EXPECT_EQ(state.ListMode, ListMode::DayList);
    EXPECT_EQ(ListedRows(grid("StatGrid")), 1);
    EXPECT_EQ(grid("StatGrid")->Cell(1, 0).Text(), "140315103000");
    EXPECT_EQ(grid("StatGrid")->Cell(1, 7).Text(), "11:45");

    click("cmdNEW"); // nothing changed: no question
    EXPECT_EQ(box("RegNoTB")->text(), "NEW Booking");
    boxes.clear();
    boxes.queue(vb::vbCancel); // discard the empty new booking
    openListRow(1);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "This new booking has not been saved: A Valid Name is required.\r\n"
                                     "Click [OK] to return to the record or [Cancel] to discard it");
    EXPECT_EQ(box("FirstNameTB")->text(), "Jo");
    EXPECT_EQ(box("CatOrganTB")->text(), "ACME LTD");
    EXPECT_EQ(combo("CBMonth")->currentText(), "MARCH");
    EXPECT_EQ(grid("TimeGrid")->Cell(20, 1).Text(), "11:45");
    EXPECT_FALSE(state.RecordChanged);
}

// A click, a key or a close that comes while a command blinks does nothing:
// the command ends on the booking it began with.
TEST_F(CommandsTest, ClicksAndKeysDuringABlinkDoNothing) {
    newBooking("Ada", "Li");
    click("cmdSAVE");
    listDay(20);
    QTimer::singleShot(0, main, [&] { openListRow(1); }); // while the number box blinks
    click("cmdNEW");
    EXPECT_EQ(box("RegNoTB")->text(), "NEW Booking");
    EXPECT_EQ(box("FirstNameTB")->text(), "");

    newBooking("Ben", "Fox");
    boxes.clear();
    QTimer::singleShot(0, main, [&] { // while the caption blinks
        QTest::keyClick(main, Qt::Key_F7);
        main->close();
    });
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "New Booking made for BEN FOX in MARCH 2014 Ok");
    EXPECT_EQ(box("FirstNameTB")->text(), "Ben");
    EXPECT_EQ(box("RegNoTB")->text(), QString::fromStdString(FileLines(monthFile("1403")).at(1).substr(0, 12)));
    EXPECT_TRUE(main->isVisible());

    // The on-site list shown during a store on the way: the row was chosen in
    // the day list, where its arrival column stamps nothing.
    openListRow(1);
    retype("CatOrganTB", "NEW NAME LTD");
    boxes.queue(vb::vbYes);
    QTimer::singleShot(0, main, [&] { QTest::keyClick(main, Qt::Key_F5); });
    User::ClickCell(main, grid("StatGrid"), 2, 6);
    EXPECT_EQ(box("FirstNameTB")->text(), "Ben");
    EXPECT_EQ(Control<QLabel>(main, "LaON_Site")->text(), "  -  ");
}

TEST_F(CommandsTest, SaveRefusesIncompleteBookings) {
    const auto refusal = [&] {
        boxes.clear();
        click("cmdSAVE");
        return boxes.calls().empty() ? QString() : boxes.calls()[0].text;
    };
    click("cmdNEW");
    retype("FirstNameTB", "J");
    retype("LastNameTB", "Li");
    EXPECT_EQ(refusal(), "Can't Save: A Valid Name does not appear to be entered");
    retype("FirstNameTB", "Jo");
    EXPECT_EQ(refusal(), "Can't SAVE:  No valid Department name has been entered");
    User::Choose(combo("Dept1CB"), QStringLiteral(" OFFICE"));
    retype("CatOrganTB", "AB");
    EXPECT_EQ(refusal(), "Can't SAVE:  No valid ORGANISATION name has been entered");
    retype("LastNameTB", "");
    EXPECT_EQ(refusal(), "Can't SAVE without First Name [ Or Initial ] AND Last Name");
    EXPECT_TRUE(FileLines(monthFile("1403")).empty());
}

TEST_F(CommandsTest, ChangedNameMakesANewBookingAndTimesAsk) {
    newBooking("Jo", "Li");
    click("cmdSAVE");
    Clock::Pin({2014, 3, 15, 10, 31, 0});
    retype("LastNameTB", "Lim");
    boxes.clear();
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Kestrane has created a New Record for Jo Lim");
    EXPECT_EQ(FileLines(monthFile("1403")).size(), 2u) << "the old line stays";
    EXPECT_EQ(box("RegNoTB")->text(), "140315103100");

    // Only the times changed: No saves yet another booking, Yes overwrites.
    bookTime(21, "11:45");
    boxes.clear();
    boxes.queue(vb::vbNo);
    Clock::Pin({2014, 3, 15, 10, 32, 0});
    click("cmdSAVE");
    ASSERT_GE(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.startsWith("Booked times for JO LIM have changed.\r\n"
                                                 "Do you wish to overwrite the current record? \r\n\r\n"));
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane [ 140315103100 ]");
    EXPECT_EQ(FileLines(monthFile("1403")).size(), 3u);

    bookTime(22, "11:45");
    boxes.queue(vb::vbYes);
    click("cmdSAVE");
    const auto lines = FileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(slot(lines[2], 22), "1145") << "the third booking was updated in place";
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ Record 140315103200 UPDATED ]");
}

// A glance at another booking month keeps the booking's times; times booked
// there reach the files only as a new booking in that month.
TEST_F(CommandsTest, GlanceAtAnotherMonthKeepsTheTimes) {
    newBooking("Jo", "Li");
    click("cmdSAVE");
    bookTime(21, "12:00"); // edited, not saved, before the glance
    User::Choose(combo("CBMonth"), "APRIL");
    EXPECT_EQ(grid("TimeGrid")->Cell(20, 1).Text(), "");
    User::Choose(combo("CBMonth"), "MARCH");
    EXPECT_EQ(grid("TimeGrid")->Cell(20, 1).Text(), "11:45");
    EXPECT_EQ(grid("TimeGrid")->Cell(21, 1).Text(), "12:00");

    retype("CatOrganTB", "OTHER LTD");
    boxes.clear();
    click("cmdSAVE");
    EXPECT_TRUE(boxes.calls().empty());
    auto lines = FileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(slot(lines[0], 20), "1145");
    EXPECT_EQ(slot(lines[0], 21), "1200");

    // Another month's times with changed details: the details are updated
    // with the stored times, then the new month is offered as a new booking.
    User::Choose(combo("CBMonth"), "APRIL");
    bookTime(15, "09:00");
    retype("CatOrganTB", "THIRD LTD");
    boxes.clear();
    boxes.queue(vb::vbYes);
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Booked times for JO LI have changed.\r\nDo you wish to save this new record?");
    lines = FileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("THIRD LTD"), std::string::npos);
    EXPECT_EQ(slot(lines[0], 15), "    ") << "April's day is not written into March";
    EXPECT_EQ(slot(lines[0], 20), "1145");
    const auto april = FileLines(monthFile("1404"));
    ASSERT_EQ(april.size(), 1u);
    EXPECT_EQ(slot(april[0], 15), "0900");
    EXPECT_NE(april[0].find("THIRD LTD"), std::string::npos);
}

// A save that a question offered and that fails stops the command: the
// window, the form and the edits stay.
TEST_F(CommandsTest, FailedSaveInsideAQuestionKeepsTheEdits) {
    newBooking("Jo", "Li");
    click("cmdSAVE");
    const QString regNo = box("RegNoTB")->text();
    std::ofstream(monthFile("1403"), std::ios::trunc); // another desk deleted it
    retype("CatOrganTB", "OTHER LTD");

    boxes.clear();
    boxes.queue(vb::vbYes);
    click("cmdNEW");
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[0].text, "The current booking for JO LI has changed.\r\nDo you wish to save it? ");
    EXPECT_TRUE(boxes.calls()[1].text.contains("NOT been updated")) << boxes.calls()[1].text.toStdString();
    EXPECT_EQ(box("RegNoTB")->text(), regNo);
    EXPECT_EQ(box("CatOrganTB")->text(), "OTHER LTD");
    EXPECT_FALSE(main->windowTitle().contains("UPDATED"));

    boxes.clear();
    boxes.queue(vb::vbOK);
    boxes.queue(vb::vbYes);
    main->close();
    EXPECT_EQ(boxes.calls().size(), 3u);
    EXPECT_TRUE(main->isVisible()) << "the program stays";
    EXPECT_EQ(box("CatOrganTB")->text(), "OTHER LTD");

    // A refusal of the save's own checks is a failure too.
    retype("LastNameTB", "");
    boxes.clear();
    boxes.queue(vb::vbYes);
    click("cmdNEW");
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].text, "Can't SAVE without First Name/(Initial) AND Last Name");
    EXPECT_EQ(box("CatOrganTB")->text(), "OTHER LTD");
}

TEST_F(CommandsTest, DeleteAsksAndRemovesTheLine) {
    newBooking("Jo", "Li");
    click("cmdSAVE");
    boxes.clear();
    boxes.queue(vb::vbNo);
    click("cmdDelete");
    EXPECT_EQ(boxes.calls()[0].text, "This will DELETE this Booking for JO LI \r\nDo you wish to Proceed? ");
    EXPECT_EQ(FileLines(monthFile("1403")).size(), 1u);
    click("cmdDelete"); // answered Yes
    EXPECT_TRUE(FileLines(monthFile("1403")).empty());
    EXPECT_EQ(box("RegNoTB")->text(), "");
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ One Booking DELETED ]");

    boxes.clear();
    click("cmdDelete");
    EXPECT_EQ(boxes.calls()[0].text, "No Record to DELETE: Clear all text entries for this record?");

    // A new booking never stored: Yes clears the desk, nothing on file is touched.
    click("cmdNEW");
    retype("FirstNameTB", "Al");
    retype("LastNameTB", "Bo");
    boxes.clear();
    click("cmdDelete");
    ASSERT_EQ(boxes.calls().size(), 1u) << "no word about a month file";
    EXPECT_EQ(box("RegNoTB")->text(), "");
    EXPECT_EQ(box("FirstNameTB")->text(), "");
    QTest::keyClicks(box("FirstNameTB"), "Al");
    EXPECT_EQ(box("FirstNameTB")->text(), "") << "no booking started";
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() + "Kestranedata/Record"))
        EXPECT_EQ(entry.path().filename().string().find("NEW"), std::string::npos) << entry.path();
}

// Bookings of a file whose line ends an editor or a copy changed: each is
// listed, updated and deleted alone, and the file is written back in CR LF.
TEST_F(CommandsTest, BookingsSeparatedByLoneLineEndsAreListedAndStoredAlone) {
    std::vector<std::string> lines;
    for (const char* first : {"Ann", "Bob", "Cy"}) {
        BookingFields rec;
        rec.RegNo = "14031509000" + std::to_string(lines.size());
        rec.FirstName = first;
        rec.LastName = "Lee";
        rec.Department = "FINANCE";
        rec.Organisation = "ACME LTD";
        TimeCellTexts times;
        times[19] = "09:00";
        lines.push_back(BuildBookingLine(rec, times));
    }
    std::ofstream(monthFile("1403"), std::ios::binary) << lines[0] << '\r' << lines[1] << '\r' << lines[2] << '\n';
    listDay(20);
    ASSERT_EQ(ListedRows(grid("StatGrid")), 3);
    openListRow(2);
    ASSERT_EQ(box("FirstNameTB")->text(), "Bob");
    retype("PersMobTB", "07700 900123");
    QTest::keyClick(box("PersMobTB"), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ Record 140315090001 UPDATED ]");
    std::vector<std::string> stored = FileLines(monthFile("1403"));
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0], lines[0]);
    EXPECT_EQ(stored[1].substr(51, 12), "07700 900123");
    EXPECT_EQ(stored[2], lines[2]);

    std::ofstream(monthFile("1403"), std::ios::binary) << stored[0] << '\n' << stored[1] << '\r' << stored[2];
    boxes.queue(vb::vbYes);
    click("cmdDelete");
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ One Booking DELETED ]");
    EXPECT_EQ(FileLines(monthFile("1403")), (std::vector<std::string>{lines[0], lines[2]}));
    EXPECT_EQ(ListedRows(grid("StatGrid")), 2);
}

// A store that fails says so in a box, keeps the edits on screen, and leaves
// no caption saying it was stored, not even an earlier store's.
TEST_F(CommandsTest, FailedStoresAreReportedAndNothingClaimedStored) {
    newBooking("Al", "Bo");
    click("cmdSAVE");
    Clock::Pin({2014, 3, 15, 10, 31, 0});
    newBooking("Jo", "Li");
    click("cmdSAVE");
    const QString regNo = box("RegNoTB")->text();
    const QString plain = QStringLiteral("Brantholm Solutions Kestrane");
    ASSERT_EQ(main->windowTitle(), plain + "  [ Record " + regNo + " SAVED ]");
    const auto altS = [&] {
        boxes.clear();
        QTest::keyClick(box("PersMobTB"), Qt::Key_S, Qt::AltModifier);
    };
    {
        SCOPED_TRACE("update on a full disk");
        const FileSizeLimit diskFull(1000);
        retype("PersMobTB", "07700 900123");
        altS();
        ASSERT_EQ(boxes.calls().size(), 1u);
        EXPECT_TRUE(boxes.calls()[0].text.startsWith("Booking " + regNo + " has NOT been updated"))
            << boxes.calls()[0].text.toStdString();
        EXPECT_EQ(main->windowTitle(), plain);
        EXPECT_EQ(box("PersMobTB")->text(), "07700 900123");
    }
    altS();
    EXPECT_EQ(main->windowTitle(), plain + "  [ Record " + regNo + " UPDATED ]");
    {
        SCOPED_TRACE("delete on a full disk");
        const FileSizeLimit diskFull(1000);
        boxes.clear();
        boxes.queue(vb::vbYes);
        click("cmdDelete");
        ASSERT_EQ(boxes.calls().size(), 2u);
        EXPECT_TRUE(boxes.calls()[1].text.startsWith("Booking " + regNo + " has NOT been deleted"))
            << boxes.calls()[1].text.toStdString();
        EXPECT_EQ(main->windowTitle(), plain);
        EXPECT_EQ(box("RegNoTB")->text(), regNo);
    }
    EXPECT_EQ(FileLines(monthFile("1403")).size(), 2u);
    {
        SCOPED_TRACE("a month file marked read-only");
        namespace fs = std::filesystem;
        const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
        const std::vector<std::string> before = FileLines(monthFile("1403"));
        fs::permissions(monthFile("1403"), readOnly);
        retype("PersMobTB", "07700 900456");
        altS();
        boxes.queue(vb::vbYes);
        click("cmdDelete");
        ASSERT_EQ(boxes.calls().size(), 3u);
        for (std::size_t i : {0u, 2u})
            EXPECT_EQ(boxes.calls()[i].text, "Booking " + regNo + " has NOT been " + (i ? "deleted" : "updated") +
                                                 ": the data folder cannot be written (permission denied or "
                                                 "read-only).");
        EXPECT_EQ(main->windowTitle(), plain);
        EXPECT_EQ(fs::status(monthFile("1403")).permissions(), readOnly);
        EXPECT_EQ(FileLines(monthFile("1403")), before);
        fs::permissions(monthFile("1403"), fs::perms::owner_write, fs::perm_options::add);
    }

    SCOPED_TRACE("the line removed at another desk");
    std::ofstream(monthFile("1403"), std::ios::trunc);
    retype("CatOrganTB", "OTHER LTD");
    altS();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.contains("NOT been updated")) << boxes.calls()[0].text.toStdString();
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
    EXPECT_EQ(main->windowTitle(), plain);
    EXPECT_EQ(box("CatOrganTB")->text(), "OTHER LTD") << "the booking stays on screen";

    // Deleting it finds it gone already: the desk clears and claims nothing.
    boxes.clear();
    boxes.queue(vb::vbYes);
    click("cmdDelete");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(box("RegNoTB")->text(), "");
    EXPECT_EQ(main->windowTitle(), plain);
}

TEST_F(CommandsTest, SaveIntoAMissingRecordFolderKeepsTheBooking) {
    std::filesystem::remove_all(folder.path() + "Kestranedata/Record");
    newBooking("Jo", "Li");
    boxes.clear();
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.contains("NOT been saved: the data folder or its Record or Status folder "
                                               "cannot be found"))
        << boxes.calls()[0].text.toStdString();
    EXPECT_EQ(box("FirstNameTB")->text(), "Jo");
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "Kestranedata/Record"));
    // Still a new booking: once the folder is back, SAVE stores it as one.
    std::filesystem::create_directory(folder.path() + "Kestranedata/Record");
    boxes.clear();
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "New Booking made for JO LI in MARCH 2014 Ok");
}

TEST_F(CommandsTest, ClosingOffersToSaveAndCancelKeepsANewBooking) {
    newBooking("Jo", "Li");
    boxes.clear();
    boxes.queue(vb::vbOK);
    boxes.queue(vb::vbCancel);
    main->close();
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].text, "New booking not saved:  Save it before you close?");
    EXPECT_TRUE(main->isVisible());
    boxes.clear();
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "New Booking made for JO LI in MARCH 2014 Ok") << "Cancel kept it a new booking";

    // A booking that could not be saved is not offered.
    click("cmdNEW");
    retype("FirstNameTB", "Jo");
    retype("LastNameTB", "Li");
    boxes.clear();
    main->close();
    EXPECT_EQ(boxes.calls().size(), 1u);
    EXPECT_FALSE(main->isVisible());
}

// The booking chosen is the one that opens, whatever a store on the way did
// to the list.
TEST_F(CommandsTest, OpeningAnotherRowAsksAboutChanges) {
    int second = 0;
    for (const char* first : {"Ada", "Ben", "Cal"}) { // rows 1 to 3 of the 20th
        Clock::Pin({2014, 3, 15, 10, 30, second++});
        newBooking(first, "Li");
        click("cmdSAVE");
    }
    listDay(20);
    openListRow(1);
    retype("CatOrganTB", "NEW NAME LTD");
    boxes.clear();
    boxes.queue(vb::vbCancel);
    openListRow(3);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "The current booking for ADA LI has changed.\r\nDo you wish to save it? ");
    EXPECT_EQ(box("CatOrganTB")->text(), "NEW NAME LTD");
    boxes.queue(vb::vbYes);
    openListRow(3);
    EXPECT_NE(FileLines(monthFile("1403"))[0].find("NEW NAME LTD"), std::string::npos);
    EXPECT_EQ(box("RegNoTB")->text(), "140315103002");
    EXPECT_EQ(box("FirstNameTB")->text(), "Cal");

    // An empty row holds nothing to open: the form stays as typed, an
    // unsaved change stays unsaved, a saved one stays on screen.
    retype("CatOrganTB", "OTHER LTD");
    boxes.clear();
    boxes.queue(vb::vbNo);
    openListRow(10);
    ASSERT_EQ(boxes.calls().size(), 1u);
    boxes.queue(vb::vbYes);
    openListRow(10);
    EXPECT_EQ(boxes.calls().size(), 2u);
    EXPECT_NE(FileLines(monthFile("1403"))[2].find("OTHER LTD"), std::string::npos);
    EXPECT_EQ(box("FirstNameTB")->text(), "Cal");

    Clock::Pin({2014, 3, 15, 10, 31, 0});
    newBooking("Dee", "Fox");
    boxes.clear();
    boxes.queue(vb::vbYes);
    openListRow(2);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "The NEW booking for DEE FOX has not been saved.\r\nDo you wish to save it? ");
    EXPECT_EQ(FileLines(monthFile("1403")).size(), 4u);
    EXPECT_EQ(box("FirstNameTB")->text(), "Ben");

    // Another desk deleted Cal: choosing his row says so and opens nothing;
    // Ben's unsaved change still counts as one.
    retype("CatOrganTB", "MINE LTD");
    DeleteAtAnotherDesk(monthFile("1403"), "140315103002");
    boxes.clear();
    boxes.queue(vb::vbNo);
    openListRow(3);
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].text, "Booking 140315103002 has NOT been opened: the booking is no longer in its month "
                                     "file (it may have been deleted at another desk).");
    EXPECT_EQ(ListedRows(grid("StatGrid")), 3) << "the list is rebuilt";
    EXPECT_EQ(box("FirstNameTB")->text(), "Ben");
    EXPECT_EQ(box("CatOrganTB")->text(), "MINE LTD");
    click("cmdSAVE");
    EXPECT_NE(FileLines(monthFile("1403"))[1].find("MINE LTD"), std::string::npos);

    // A new booking kept on screen by an empty row is still a new booking.
    newBooking("Jo", "Li");
    boxes.clear();
    boxes.queue(vb::vbCancel);
    openListRow(10);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.contains("A Valid Name is required"));
    EXPECT_EQ(box("RegNoTB")->text(), "NEW Booking");
    EXPECT_EQ(box("FirstNameTB")->text(), "Jo");
    click("cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].text, "New Booking made for JO LI in MARCH 2014 Ok");
}

TEST_F(CommandsTest, DayListRulesAndMessages) {
    std::filesystem::remove(monthFile("1402"));
    listDay(3);
    boxes.clear();
    User::Choose(combo("CBGetMonth"), "FEBRUARY");
    click("cmdGetAny");
    ASSERT_EQ(boxes.calls().size(), 2u) << "the month list, then the day list";
    EXPECT_EQ(boxes.calls()[1].text, "No Visitor Bookings for this DATE have been found");
    EXPECT_EQ(grid("StatGrid")->Cell(0, 7).Text(), "Expected");
    EXPECT_FALSE(Control<QPushButton>(main, "cmdIN")->isEnabled());

    User::Choose(combo("CBGetMonth"), "MARCH");
    combo("CBGetDay")->setCurrentIndex(0); // "--"
    boxes.clear();
    click("cmdGetAny");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Can't list Day Bookings:  No Day has been selected ");
    EXPECT_EQ(state.HelpTopic, 20);
}

// Two desks on one data folder edit one booking: each keeps the other's
// fields, and a field both changed differently is asked about.
TEST_F(CommandsTest, TwoDesksEditingOneBookingKeepBothDesksFields) {
    newBooking("Jo", "Li");
    click("cmdSAVE");
    ProgramState otherState = folder.makeState();
    frmMain other(otherState);
    other.Form_Load();
    User::ShowActive(&other);
    User::Choose(Control<QComboBox>(&other, "CBGetDay"), "20th");
    User::ClickCell(&other, Control<Grid>(&other, "StatGrid"), 1, 1);
    ASSERT_EQ(Control<QLineEdit>(&other, "FirstNameTB")->text(), "Jo");

    User::ShowActive(main);
    retype("PersMobTB", "07700 900001");
    boxes.clear();
    click("cmdSAVE");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_TRUE(main->windowTitle().contains("UPDATED"));

    User::ShowActive(&other);
    User::Retype(Control<QLineEdit>(&other, "PersCarRegTB"), "AB12 CDE");
    User::Click(&other, "cmdSAVE");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_TRUE(other.windowTitle().contains("UPDATED"));
    EXPECT_EQ(Control<QLineEdit>(&other, "PersMobTB")->text(), "07700 900001") << "the form shows the line as written";
    auto lines = FileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(51, 12), "07700 900001");
    EXPECT_EQ(lines[0].substr(68, 8), "AB12 CDE");

    // Both change the organisation: the second desk is asked.
    User::ShowActive(main);
    retype("CatOrganTB", "FIRST LTD");
    click("cmdSAVE");
    User::ShowActive(&other);
    User::Retype(Control<QLineEdit>(&other, "CatOrganTB"), "SECOND LTD");
    boxes.queue(vb::vbCancel);
    User::Click(&other, "cmdSAVE");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "The booking for JO LI was changed at another desk since you opened it:\r\n"
                                     "Organisation\r\nKeep your changes?");
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane [ 140315103000 ]");
    EXPECT_EQ(Control<QLineEdit>(&other, "CatOrganTB")->text(), "SECOND LTD") << "Cancel keeps the edits";
    EXPECT_NE(FileLines(monthFile("1403"))[0].find("FIRST LTD"), std::string::npos);

    boxes.queue(vb::vbNo);
    User::Click(&other, "cmdSAVE");
    EXPECT_EQ(Control<QLineEdit>(&other, "CatOrganTB")->text(), "FIRST LTD") << "No keeps the other desk's";
    boxes.clear();
    User::Retype(Control<QLineEdit>(&other, "CatOrganTB"), "SECOND LTD");
    User::Click(&other, "cmdSAVE");
    EXPECT_TRUE(boxes.calls().empty()) << "the base is what this desk last read";
    lines = FileLines(monthFile("1403"));
    EXPECT_NE(lines[0].find("SECOND LTD"), std::string::npos);
    EXPECT_EQ(lines[0].substr(51, 12), "07700 900001");
    otherState.RestartPending = true;
}
