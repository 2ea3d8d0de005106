#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/MonthBookingFile.h"
#include "platform/Grid.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::vector<std::string> lines;
    const std::string all = ss.str();
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = all.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(all.substr(start));
            break;
        }
        lines.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class CommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Clock::Pin({2014, 3, 15, 10, 30, 0});
        Platform::SetAnswers(PlatformAnswers{});
        folder.addEmptyMonthFiles();
        main = new frmMain(state);
        main->Form_Load();
        boxes.clear();
    }
    void TearDown() override {
        state.RestartPending = true;
        delete main;
        Clock::Unpin();
        Platform::ClearAnswers();
    }
    std::string monthFile(const char* yymm) { return folder.path() + "Kestranedata/Record/" + yymm + ".vrf"; }

    void chooseDepartment(const char* name) {
        const int i = Control<QComboBox>(main, "Dept1CB")->findText(QStringLiteral(" ") + name);
        ASSERT_GE(i, 0);
        Control<QComboBox>(main, "Dept1CB")->setCurrentIndex(i);
        emit Control<QComboBox>(main, "Dept1CB")->activated(i);
    }
    // NEW, the names, a department, an organisation and a time on the 20th.
    void newBooking(const char* first, const char* last, const char* org = "ACME LTD") {
        main->cmdNEW_Click();
        Control<QLineEdit>(main, "FirstNameTB")->setText(first);
        Control<QLineEdit>(main, "LastNameTB")->setText(last);
        chooseDepartment("FINANCE");
        Control<QLineEdit>(main, "CatOrganTB")->setText(org);
        Control<QComboBox>(main, "cbTime")->setEditText("11:45");
        Control<Grid>(main, "TimeGrid")->Cell(20, 1).Select();
        main->cmdADD_Click();
    }
    void listDay(int day) { main->SelectListDay(day); }
    void openListRow(int row) {
        Control<Grid>(main, "StatGrid")->Cell(row, 1).Select();
        main->StatGrid_RowChosen();
    }

    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
    frmMain* main = nullptr;
};

} // namespace

TEST_F(CommandsTest, NewBookingIsSavedListedAndOpened) {
    newBooking("Jo", "Li");
    EXPECT_TRUE(main->NewBooking());
    EXPECT_EQ(state.HelpTopic, 26);
    main->cmdSAVE_Click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "New Booking made for JO LI in MARCH 2014 Ok");
    EXPECT_FALSE(main->NewBooking());

    const auto lines = fileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 1186u);
    EXPECT_EQ(lines[0].substr(0, 12), "140315103000");
    EXPECT_EQ(lines[0].substr(1060 - 1 + 4 * 19, 4), "1145");
    EXPECT_EQ(lines[0].substr(524, 7), "FINANCE");
    EXPECT_EQ(Control<QLineEdit>(main, "RegNoTB")->text(), "140315103000");
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ Record 140315103000 SAVED ]");

    listDay(20);
    EXPECT_EQ(state.ListMode, 1);
    EXPECT_EQ(main->ListedRows(), 1);
    EXPECT_EQ(Control<Grid>(main, "StatGrid")->Cell(1, 0).Text(), "140315103000");
    EXPECT_EQ(Control<Grid>(main, "StatGrid")->Cell(1, 7).Text(), "11:45");

    main->cmdNEW_Click(); // nothing changed: no question
    EXPECT_EQ(Control<QLineEdit>(main, "RegNoTB")->text(), "NEW Booking");
    boxes.clear();
    boxes.queue(vb::vbCancel); // discard the empty new booking
    openListRow(1);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "This new booking has not been saved: A Valid Name is required.\r\n"
                                     "Click [OK] to return to the record or [Cancel] to discard it");
    EXPECT_EQ(Control<QLineEdit>(main, "FirstNameTB")->text(), "Jo");
    EXPECT_EQ(Control<QLineEdit>(main, "CatOrganTB")->text(), "ACME LTD");
    EXPECT_EQ(Control<QComboBox>(main, "CBMonth")->currentText(), "MARCH");
    EXPECT_EQ(Control<Grid>(main, "TimeGrid")->Cell(20, 1).Text(), "11:45");
    EXPECT_FALSE(state.RecordChanged);
}

TEST_F(CommandsTest, SaveRefusesIncompleteBookings) {
    const auto refusal = [&] {
        boxes.clear();
        main->cmdSAVE_Click();
        return boxes.calls().empty() ? QString() : boxes.calls()[0].text;
    };
    main->cmdNEW_Click();
    Control<QLineEdit>(main, "FirstNameTB")->setText("J");
    Control<QLineEdit>(main, "LastNameTB")->setText("Li");
    EXPECT_EQ(refusal(), "Can't Save: A Valid Name does not appear to be entered");
    Control<QLineEdit>(main, "FirstNameTB")->setText("Jo");
    EXPECT_EQ(refusal(), "Can't SAVE:  No valid Department name has been entered");
    chooseDepartment("OFFICE");
    Control<QLineEdit>(main, "CatOrganTB")->setText("AB");
    EXPECT_EQ(refusal(), "Can't SAVE:  No valid ORGANISATION name has been entered");
    Control<QLineEdit>(main, "LastNameTB")->clear();
    EXPECT_EQ(refusal(), "Can't SAVE without First Name [ Or Initial ] AND Last Name");
    EXPECT_TRUE(fileLines(monthFile("1403")).empty());
}

TEST_F(CommandsTest, ChangedNameMakesANewBookingAndTimesAsk) {
    newBooking("Jo", "Li");
    main->cmdSAVE_Click();
    Clock::Pin({2014, 3, 15, 10, 31, 0});
    Control<QLineEdit>(main, "LastNameTB")->setText("Lim");
    boxes.clear();
    main->cmdSAVE_Click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Kestrane has created a New Record for Jo Lim");
    EXPECT_EQ(fileLines(monthFile("1403")).size(), 2u) << "the old line stays";
    EXPECT_EQ(Control<QLineEdit>(main, "RegNoTB")->text(), "140315103100");

    // Only the times changed: No saves yet another booking, Yes overwrites.
    Control<Grid>(main, "TimeGrid")->Cell(21, 1).Select();
    main->cmdADD_Click();
    boxes.clear();
    boxes.queue(vb::vbNo);
    Clock::Pin({2014, 3, 15, 10, 32, 0});
    main->cmdSAVE_Click();
    ASSERT_GE(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.startsWith("Booked times for JO LIM have changed.\r\n"
                                                 "Do you wish to overwrite the current record? \r\n\r\n"));
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane [ 140315103100 ]");
    EXPECT_EQ(fileLines(monthFile("1403")).size(), 3u);

    Control<Grid>(main, "TimeGrid")->Cell(22, 1).Select();
    main->cmdADD_Click();
    boxes.queue(vb::vbYes);
    main->cmdSAVE_Click();
    const auto lines = fileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].substr(1060 - 1 + 4 * 21, 4), "1145") << "the third booking was updated in place";
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ Record 140315103200 UPDATED ]");
}

TEST_F(CommandsTest, MovedMonthSavesANewBookingOnlyWhenAsked) {
    newBooking("Jo", "Li");
    main->cmdSAVE_Click();
    Control<QComboBox>(main, "CBMonth")->setEditText("APRIL");
    main->CBMonth_Click();
    Control<Grid>(main, "TimeGrid")->Cell(3, 1).Select();
    main->cmdADD_Click();
    boxes.clear();
    boxes.queue(vb::vbNo);
    main->cmdSAVE_Click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Booked times for JO LI have changed.\r\nDo you wish to save this new record?");
    EXPECT_TRUE(fileLines(monthFile("1404")).empty());
    boxes.queue(vb::vbYes);
    main->cmdSAVE_Click();
    EXPECT_EQ(fileLines(monthFile("1404")).size(), 1u);
    EXPECT_EQ(fileLines(monthFile("1403")).size(), 1u);
}

TEST_F(CommandsTest, DeleteAsksAndRemovesTheLine) {
    newBooking("Jo", "Li");
    main->cmdSAVE_Click();
    boxes.clear();
    boxes.queue(vb::vbNo);
    main->cmdDelete_Click();
    EXPECT_EQ(boxes.calls()[0].text, "This will DELETE this Booking for JO LI \r\nDo you wish to Proceed? ");
    EXPECT_EQ(fileLines(monthFile("1403")).size(), 1u);
    main->cmdDelete_Click(); // answered Yes
    EXPECT_TRUE(fileLines(monthFile("1403")).empty());
    EXPECT_EQ(Control<QLineEdit>(main, "RegNoTB")->text(), "");
    EXPECT_EQ(main->windowTitle(), "Brantholm Solutions Kestrane  [ One Booking DELETED ]");

    boxes.clear();
    main->cmdDelete_Click();
    EXPECT_EQ(boxes.calls()[0].text, "No Record to DELETE: Clear all text entries for this record?");
}

TEST_F(CommandsTest, LostLineIsReportedAndNothingClaimedUpdated) {
    newBooking("Jo", "Li");
    main->cmdSAVE_Click();
    std::ofstream(monthFile("1403"), std::ios::trunc); // another desk removed it
    Control<QLineEdit>(main, "CatOrganTB")->setText("OTHER LTD");
    boxes.clear();
    main->cmdSAVE_Click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.contains("NOT been updated")) << boxes.calls()[0].text.toStdString();
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
    EXPECT_FALSE(main->windowTitle().contains("UPDATED"));
    EXPECT_EQ(Control<QLineEdit>(main, "CatOrganTB")->text(), "OTHER LTD") << "the booking stays on screen";

    // Deleting it finds it gone already: the desk clears and claims nothing.
    boxes.clear();
    boxes.queue(vb::vbYes);
    main->cmdDelete_Click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(Control<QLineEdit>(main, "RegNoTB")->text(), "");
    EXPECT_FALSE(main->windowTitle().contains("DELETED"));
}

TEST_F(CommandsTest, SaveIntoAMissingRecordFolderKeepsTheBooking) {
    std::filesystem::remove_all(folder.path() + "Kestranedata/Record");
    newBooking("Jo", "Li");
    boxes.clear();
    main->cmdSAVE_Click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.contains(
        "NOT been saved: the data folder or its Record or Status folder cannot be found"))
        << boxes.calls()[0].text.toStdString();
    EXPECT_TRUE(main->NewBooking());
    EXPECT_EQ(Control<QLineEdit>(main, "FirstNameTB")->text(), "Jo");
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "Kestranedata/Record"));
}

TEST_F(CommandsTest, ClosingOffersToSaveAndCancelKeepsANewBooking) {
    main->show();
    newBooking("Jo", "Li");
    boxes.clear();
    boxes.queue(vb::vbOK);
    boxes.queue(vb::vbCancel);
    main->close();
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].text, "New booking not saved:  Save it before you close?");
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->NewBooking()) << "Cancel keeps it a new booking";

    // A booking that could not be saved is not offered.
    main->cmdNEW_Click();
    Control<QLineEdit>(main, "FirstNameTB")->setText("Jo");
    Control<QLineEdit>(main, "LastNameTB")->setText("Li");
    boxes.clear();
    main->close();
    EXPECT_EQ(boxes.calls().size(), 1u);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(CommandsTest, OpeningAnotherRowAsksAboutChanges) {
    newBooking("Jo", "Li");
    main->cmdSAVE_Click();
    listDay(20);
    openListRow(1);
    Control<QLineEdit>(main, "CatOrganTB")->setText("NEW NAME LTD");
    boxes.clear();
    boxes.queue(vb::vbCancel);
    openListRow(1);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "The current booking for JO LI has changed.\r\nDo you wish to save it? ");
    EXPECT_EQ(Control<QLineEdit>(main, "CatOrganTB")->text(), "NEW NAME LTD");
    boxes.queue(vb::vbYes);
    openListRow(1);
    EXPECT_NE(fileLines(monthFile("1403"))[0].find("NEW NAME LTD"), std::string::npos);
}

TEST_F(CommandsTest, DayListRulesAndMessages) {
    std::filesystem::remove(monthFile("1402"));
    Control<QComboBox>(main, "CBGetMonth")->setEditText("FEBRUARY");
    boxes.clear();
    listDay(3);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "No Visitor Bookings for this DATE have been found");
    EXPECT_EQ(Control<Grid>(main, "StatGrid")->Cell(0, 7).Text(), "Expected");
    EXPECT_FALSE(Control<QPushButton>(main, "cmdIN")->isEnabled());

    boxes.clear();
    Control<QComboBox>(main, "CBGetDay")->setCurrentIndex(0);
    main->cmdGetAny_Click();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Can't list Day Bookings:  No Day has been selected ");
    EXPECT_EQ(state.HelpTopic, 20);
}
