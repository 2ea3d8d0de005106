#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/Platform.h"
#include "platform/VbColor.h"
#include "ui/desk/frmMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string bookingLine(const char* regNo, const char* first, const char* last, int day, const char* time,
                        const char* passStart = "", const char* passEnd = "") {
    BookingFields b;
    b.RegNo = regNo;
    b.FirstName = first;
    b.LastName = last;
    b.Category = "VISITOR";
    b.Department = "FINANCE";
    b.Organisation = "ACME LTD";
    b.PassStart = passStart;
    b.PassEnd = passEnd;
    if (*passStart) {
        b.PassPeriod = "1M";
        b.PassIssued = "01-03-2014 at 09:00";
    }
    TimeCellTexts cells;
    if (day > 0)
        cells[static_cast<std::size_t>(day - 1)] = time;
    return BuildBookingLine(b, cells) + "\r\n";
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Arrivals and departures as the desk marks them: F5 for the on-site list, a
// click on a row, the On-Site and Off-Site buttons, double-clicks on the labels.
class StatusTest : public DeskWindowTest {
  protected:
    void SetUp() override {
        DeskWindowTest::SetUp();
        std::ofstream(monthFile("1403"), std::ios::binary)
            << bookingLine("140301090000", "Ann", "Lee", 15, "09:15")    // expected today
            << bookingLine("140301090100", "Bob", "Stone", 20, "11:00"); // another day, no pass
        std::ofstream(monthFile("1402"), std::ios::binary)
            << bookingLine("140201080000", "Cy", "Moss", 15, "08:00", "01-03-2014", "31-03-2014"); // pass holder
        openOn({2014, 3, 15, 10, 30, 0});
        boxes.clear();
    }
    std::string statusFile() { return folder.path() + "Kestranedata/Status/140315.vdf"; }
    Grid* grid() { return Control<Grid>(main, "StatGrid"); }
    ClickLabel* label(const char* name) { return Control<ClickLabel>(main, name); }
    void open(int row) { User::ClickCell(main, grid(), row, 1); }
    void onSiteList() { QTest::keyClick(main, Qt::Key_F5); }
    long back(const char* name) { return ToVbColor(label(name)->palette().color(QPalette::Window)); }
    std::string stampsOf(const char* regNo) {
        const std::string all = readAll(statusFile());
        const auto at = all.find(regNo);
        return at == std::string::npos ? "missing" : all.substr(at + 990, 10);
    }
};

} // namespace

TEST_F(StatusTest, OnSiteListStampsArrivalsDeparturesAndUndoes) {
    onSiteList();
    EXPECT_EQ(state.HelpTopic, 22);
    EXPECT_TRUE(Control<QPushButton>(main, "cmdIN")->isEnabled());
    ASSERT_EQ(ListedRows(grid()), 2);
    // Month files are read from six months back onwards.
    EXPECT_EQ(grid()->Cell(1, 0).Text(), "140201080000");
    EXPECT_EQ(grid()->Cell(1, 5).Text(), "  -  ") << "a pass holder of another month is not expected today";
    EXPECT_EQ(grid()->Cell(2, 0).Text(), "140301090000");
    EXPECT_EQ(grid()->Cell(2, 5).Text(), "09:15");
    EXPECT_EQ(grid()->Cell(2, 6).Text(), "  -  ");
    EXPECT_EQ(grid()->Rows(), 52);
    EXPECT_EQ(stampsOf("140301090000"), "  -    -  ");
    EXPECT_EQ(stampsOf("140301090100"), "missing");
    EXPECT_TRUE(boxes.calls().empty());

    // A heading click is a sort, which this list refuses.
    User::ClickHeading(grid(), 2);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "You can't sort this list in the IN/OUT Day-Status view    ");

    // Cy's change is saved on the way to Ann's "Arrived" cell: Ann opens and arrives.
    open(1);
    User::Retype(Control<QLineEdit>(main, "CatOrganTB"), "MOSS LTD");
    boxes.queue(vb::vbYes);
    User::ClickCell(main, grid(), 2, 6);
    EXPECT_NE(FileLines(monthFile("1402"))[0].find("MOSS LTD"), std::string::npos);
    EXPECT_EQ(Control<QLineEdit>(main, "FirstNameTB")->text(), "Ann");
    EXPECT_EQ(stampsOf("140201080000"), "  -    -  ");
    EXPECT_EQ(state.HelpTopic, 27);
    EXPECT_EQ(label("LaON_Site")->text(), "10:30");
    EXPECT_EQ(back("LaON_Site"), 0xFF);
    EXPECT_EQ(stampsOf("140301090000"), "10:30  -  ");
    EXPECT_EQ(CellTextColour(grid(), 2, 6), 0xFF) << "on site: red";

    // Another booking for today saved later joins the file with blank
    // stamps; the stamp stays, and shows again when the booking is opened.
    std::ofstream(monthFile("1403"), std::ios::binary | std::ios::app)
        << bookingLine("140302090000", "Dee", "Fox", 15, "12:00");
    onSiteList();
    EXPECT_EQ(stampsOf("140301090000"), "10:30  -  ");
    EXPECT_EQ(stampsOf("140302090000"), "          ");
    EXPECT_EQ(grid()->Cell(3, 6).Text(), "  -  ");
    click("cmdNEW");
    boxes.clear();
    boxes.queue(vb::vbCancel); // drop the empty new booking
    open(2);
    EXPECT_EQ(label("LaON_Site")->text(), "10:30");
    EXPECT_EQ(back("LaON_Site"), 0xFF);

    // The labels undo only in the on-site list.
    click("cmdGetAny");
    EXPECT_FALSE(Control<QPushButton>(main, "cmdIN")->isEnabled());
    QTest::mouseDClick(label("LaON_Site"), Qt::LeftButton);
    EXPECT_EQ(label("LaON_Site")->text(), "10:30");
    EXPECT_EQ(stampsOf("140301090000"), "10:30  -  ");

    onSiteList();
    Clock::Pin({2014, 3, 15, 11, 5, 0});
    click("cmdOUT");
    EXPECT_EQ(label("LaOFFSite")->text(), "11:05");
    EXPECT_EQ(back("LaOFFSite"), 0xFF00);
    EXPECT_EQ(back("LaON_Site"), 0xF0F0F0);
    EXPECT_EQ(stampsOf("140301090000"), "10:3011:05");
    EXPECT_EQ(CellTextColour(grid(), 2, 6), 0x808080);
    EXPECT_EQ(CellTextColour(grid(), 2, 7), 0x008000);

    QTest::mouseDClick(label("LaON_Site"), Qt::LeftButton); // a departed visitor's arrival stays
    EXPECT_EQ(stampsOf("140301090000"), "10:3011:05");
    QTest::mouseDClick(label("LaOFFSite"), Qt::LeftButton);
    EXPECT_EQ(state.HelpTopic, 28);
    EXPECT_EQ(back("LaON_Site"), 0xFF);
    EXPECT_EQ(stampsOf("140301090000"), "10:30  -  ");
    QTest::mouseDClick(label("LaON_Site"), Qt::LeftButton);
    EXPECT_EQ(label("LaON_Site")->text(), "  -  ");
    EXPECT_EQ(stampsOf("140301090000"), "  -    -  ");

    // Off-Site without an arrival does nothing.
    boxes.clear();
    click("cmdOUT");
    EXPECT_EQ(stampsOf("140301090000"), "  -    -  ");
    EXPECT_TRUE(boxes.calls().empty());
    User::ClickCell(main, grid(), 10, 6); // an empty row's "Arrived" cell marks nobody
    EXPECT_EQ(stampsOf("140301090000"), "  -    -  ");
}

TEST_F(StatusTest, StampsAreRefusedWithoutABookingAndBuildAMissingFile) {
    std::filesystem::remove_all(folder.path() + "Kestranedata/Status");
    open(1); // Ann Lee in the day list
    ASSERT_TRUE(std::filesystem::exists(statusFile())) << "opening a booking builds today's file and its folder";

    onSiteList();
    click("cmdNEW");
    click("cmdIN");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Can't mark as ARRIVED: No booking has been created or saved!");
    boxes.queue(vb::vbCancel); // drop the empty new booking
    open(2);
    std::filesystem::remove(statusFile());
    click("cmdIN");
    EXPECT_EQ(stampsOf("140301090000"), "10:30  -  ");

    open(1); // Cy Moss
    boxes.clear();
    User::Retype(Control<QLineEdit>(main, "LastNameTB"), "Mo");
    User::Retype(Control<QLineEdit>(main, "FirstNameTB"), "C");
    click("cmdIN");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_EQ(label("LaON_Site")->text(), "  -  ") << "short names are refused silently";

    state.settings.ReadOnlyMode = "1";
    User::Retype(Control<QLineEdit>(main, "LastNameTB"), "Moss");
    User::Retype(Control<QLineEdit>(main, "FirstNameTB"), "Cy");
    click("cmdIN");
    EXPECT_EQ(label("LaON_Site")->text(), "  -  ");
    EXPECT_EQ(state.HelpTopic, 27);
    EXPECT_EQ(stampsOf("140201080000"), "  -    -  ");

    // Another desk deleted Ann, then all of February: her row, then Cy's, is
    // told gone and stamps nobody, the booking on the form least of all.
    state.settings.ReadOnlyMode = "0";
    DeleteAtAnotherDesk(monthFile("1403"), "140301090000");
    boxes.clear();
    User::ClickCell(main, grid(), 2, 6);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Booking 140301090000 has NOT been opened: the booking is no longer in its month "
                                     "file (it may have been deleted at another desk).");
    EXPECT_EQ(stampsOf("140201080000"), "  -    -  ");
    EXPECT_EQ(stampsOf("140301090000"), "missing") << "the list is rebuilt";
    EXPECT_EQ(ListedRows(grid()), 1);
    std::filesystem::remove(monthFile("1402"));
    User::ClickCell(main, grid(), 1, 7);
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_TRUE(boxes.calls()[1].text.startsWith("Booking 140201080000 has NOT been opened"));
    EXPECT_EQ(ListedRows(grid()), 0);
    EXPECT_EQ(Control<QLineEdit>(main, "FirstNameTB")->text(), "Cy");
}

// A share that blinks, or a status file that cannot be written, never costs
// a stamp, and the caption says what was not stored and why.
TEST_F(StatusTest, OutagesNeverLoseStampsAndSayWhatWasNotStored) {
    onSiteList();
    ASSERT_EQ(ListedRows(grid()), 2);
    User::ClickCell(main, grid(), 1, 6); // the pass holder's "Arrived" cell stamps his arrival
    EXPECT_EQ(stampsOf("140201080000"), "10:30  -  ");

    const std::string recordFolder = folder.path() + "Kestranedata/Record";
    std::filesystem::rename(recordFolder, recordFolder + ".away");
    onSiteList();
    EXPECT_TRUE(main->windowTitle().contains("Write List: today's status file was not written: the data folder or its "
                                             "Record or Status folder cannot be found"))
        << main->windowTitle().toStdString();
    EXPECT_EQ(grid()->Cell(1, 6).Text(), "10:30") << "the list shows the file as it was";
    std::filesystem::rename(recordFolder + ".away", recordFolder);
    onSiteList();
    EXPECT_EQ(stampsOf("140201080000"), "10:30  -  ");
    EXPECT_EQ(grid()->Cell(1, 6).Text(), "10:30");

    // Today's file unreadable (a pipe in its place) when a booking is opened:
    // no time is shown and the caption says why.
    std::filesystem::rename(statusFile(), statusFile() + ".away");
    ASSERT_EQ(::mkfifo(statusFile().c_str(), 0666), 0);
    open(1);
    EXPECT_EQ(label("LaON_Site")->text(), "  -  ");
    EXPECT_TRUE(main->windowTitle().contains("Times NOT shown: today's status file could not be read: error 75"))
        << main->windowTitle().toStdString();
    std::filesystem::remove(statusFile());
    std::filesystem::rename(statusFile() + ".away", statusFile());

    // A Status folder that cannot take files: the day's bookings are listed
    // all the same, and a stamp that was not stored keeps its labels.
    const std::string statusFolder = folder.path() + "Kestranedata/Status";
    std::filesystem::remove_all(statusFolder);
    std::ofstream(statusFolder) << "not a folder";
    boxes.clear();
    onSiteList();
    EXPECT_TRUE(boxes.calls().empty()) << boxes.calls()[0].text.toStdString();
    EXPECT_EQ(ListedRows(grid()), 2);
    EXPECT_TRUE(main->windowTitle().contains("today's status file was not written"))
        << main->windowTitle().toStdString();
    User::ClickCell(main, grid(), 2, 6);
    EXPECT_EQ(label("LaON_Site")->text(), "10:30");
    EXPECT_TRUE(main->windowTitle().contains("Time NOT stored")) << main->windowTitle().toStdString();
}
