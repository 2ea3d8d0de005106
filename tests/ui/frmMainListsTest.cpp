#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "platform/Grid.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include <filesystem>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

namespace {

struct Booking {
    const char* regNo;
    const char* first;
    const char* last;
    std::map<int, const char*> days; // day of month -> "hh:mm"
    BookingFields more{};
};

std::string bookingLine(Booking b) {
    BookingFields& f = b.more;
    f.RegNo = b.regNo;
    f.FirstName = b.first;
    f.LastName = b.last;
    TimeCellTexts times;
    for (const auto& [day, time] : b.days)
        times[static_cast<std::size_t>(day - 1)] = time;
    return BuildBookingLine(f, times);
}

BookingFields organisation(const char* name, const char* postCode, const char* email) {
    BookingFields f;
    f.Organisation = name;
    f.OrganisationPostCode = postCode;
    f.OrganisationEmail = email;
    f.Category = "VISITOR";
    f.PartySize = "2";
    return f;
}

BookingFields weekPass() {
    BookingFields f;
    f.PassStart = "10/03/2014";
    f.PassEnd = "16/03/2014";
    f.PassPeriod = "1W";
    return f;
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class ListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Clock::Pin({2014, 3, 15, 10, 30, 0});
        Platform::SetAnswers(PlatformAnswers{});
        folder.addEmptyMonthFiles();
        // March 2014: John SMITH on the 1st, 2nd and 30th; Mary JONES today; a
        // pass without a booked day; and a booking moved in from February.
        writeMonth("1403", {bookingLine({"140301101010",
                                         "John",
                                         "SMITH",
                                         {{1, "09:30"}, {2, "10:00"}, {30, "14:15"}},
                                         organisation("ACME LTD", "KX1 4AB", "desk@acme.example")}),
                            bookingLine({"140305111111", "Mary", "JONES", {{15, "08:05"}}}),
                            bookingLine({"140310121212", "Ann", "LEE", {}, weekPass()}),
                            bookingLine({"140220111111", "Pete", "BROWN", {{20, "11:00"}}})});
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
    std::string monthFile(const char* yymm) const { return folder.path() + "Kestranedata/Record/" + yymm + ".vrf"; }
    void writeMonth(const char* yymm, const std::vector<std::string>& lines) const {
        std::ofstream out(monthFile(yymm), std::ios::binary | std::ios::trunc);
        for (const std::string& l : lines) {
            ASSERT_EQ(l.size(), 1186u);
            out << l << "\r\n";
        }
    }
    void listDate(const char* month, const char* year = "2014") {
        Control<QComboBox>(main, "CBGetMonth")->setEditText(month);
        Control<QComboBox>(main, "CBGetYear")->setEditText(year);
    }
    QString cell(int row, int col) const { return Control<Grid>(main, "StatGrid")->Cell(row, col).Text(); }
    QStringList column(int col) const {
        QStringList all;
        for (int r = 1; r <= main->ListedRows(); ++r)
            all << cell(r, col);
        return all;
    }
    // Runs a search from the button and returns the registrations found.
    QStringList search(const char* key, const char* text) {
        Control<QComboBox>(main, "CBListBy")->setEditText(key);
        Control<QLineEdit>(main, "MainFindTB")->setText(text);
        main->cmdMFind_Click();
        return column(0);
    }
    QString messages() const {
        QStringList all;
        for (const auto& c : boxes.calls())
            all << c.title + u':' + c.text;
        return all.join(u'|');
    }

    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
    frmMain* main = nullptr;
};

} // namespace

TEST_F(ListsTest, MonthListHasOneRowPerBookedDayColouredByDate) {
    listDate("MARCH");
    main->cmdGetTom_Click();
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(state.ListMode, 2);
    EXPECT_EQ(state.HelpTopic, 21);
    ASSERT_EQ(main->ListedRows(), 5);
    EXPECT_EQ(Control<Grid>(main, "StatGrid")->Rows(), 5 + 50);
    EXPECT_EQ(Control<Grid>(main, "StatGrid")->Cols(), 19);
    EXPECT_EQ(main->DayListFile(), monthFile("1403"));
    EXPECT_EQ(cell(0, 5), "Expected");
    EXPECT_EQ(column(0), QStringList({"140301101010", "140301101010", "140301101010", "140305111111", "140220111111"}));
    EXPECT_EQ(column(4), QStringList({"01", "02", "30", "15", "20"}));
    EXPECT_EQ(column(5), QStringList({"09:30", "10:00", "14:15", "08:05", "11:00"}));
    EXPECT_EQ(cell(1, 1), "John");
    EXPECT_EQ(cell(1, 2), "SMITH");
    EXPECT_EQ(cell(1, 7), "2");
    EXPECT_EQ(cell(6, 0), "");

    const long expected[] = {0x808080, 0x808080, 0, 0xA00000, 0}; // by day against the 15th
    const long normal = Control<Grid>(main, "StatGrid")->Cell(1, 0).ForeColor();
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 17; ++c)
            EXPECT_EQ(Control<Grid>(main, "StatGrid")->Cell(r, c).ForeColor(), expected[r - 1])
                << "row " << r << " col " << c;
        EXPECT_EQ(Control<Grid>(main, "StatGrid")->Cell(r, 0).ForeColor(), normal) << "row " << r;
    }
}

TEST_F(ListsTest, MonthListOfPassesOnlyOrOfAMissingFile) {
    writeMonth("1404", {bookingLine({"140401090909", "Ann", "LEE", {}, weekPass()})});
    listDate("APRIL");
    main->cmdGetTom_Click();
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(state.ListMode, 2);
    EXPECT_EQ(main->ListedRows(), 0);
    EXPECT_EQ(cell(1, 0), "");

    std::filesystem::remove(monthFile("1405"));
    listDate("MAY");
    main->cmdGetTom_Click();
    EXPECT_EQ(messages(), "Kestrane:No Visitor Bookings for this DATE have been found");
    EXPECT_EQ(cell(0, 0), "Registration");
    EXPECT_EQ(cell(1, 0), "");
}

TEST_F(ListsTest, NameSearchIgnoresCaseAndExtraBlanks) {
    listDate("MARCH");
    EXPECT_EQ(search("NAME", "smith"), QStringList{"140301101010"});
    EXPECT_EQ(state.ListMode, 3);
    EXPECT_EQ(state.HelpTopic, 23);
    EXPECT_EQ(Control<Grid>(main, "StatGrid")->Cols(), 18);
    EXPECT_EQ(cell(0, 12), "Arrival");
    EXPECT_EQ(cell(1, 12), "09:30"); // the first booked day
    EXPECT_EQ(search("NAME", "john smith"), QStringList{"140301101010"});
    EXPECT_EQ(search("NAME", "  john   smith "), QStringList{"140301101010"});
    EXPECT_EQ(messages(), "");

    EXPECT_EQ(search("NAME", "Smith John"), QStringList());
    EXPECT_EQ(messages(), "Kestrane 6726:No items have can be found for MARCH 2014");
    EXPECT_EQ(main->ListedRows(), 0);
    EXPECT_EQ(state.ListMode, 3);
    EXPECT_EQ(cell(1, 0), "");
}

TEST_F(ListsTest, AnyTextAndOrganisationSearchTheirColumns) {
    listDate("MARCH");
    EXPECT_EQ(search("ANY TEXT", "0930"), QStringList{"140301101010"});
    EXPECT_EQ(search("ANY TEXT", "1403"), QStringList({"140301101010", "140305111111", "140310121212"}));
    EXPECT_EQ(search("ORGANISATION", "kx1 4ab"), QStringList{"140301101010"});
    EXPECT_EQ(search("ORGANISATION", "ACME.EXAMPLE"), QStringList{"140301101010"});
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(search("ORGANISATION", "JONES"), QStringList()); // names are not the organisation's
    boxes.clear();

    EXPECT_EQ(search("NAME", "lee"), QStringList{"140310121212"});
    EXPECT_EQ(cell(1, 12), ""); // a pass without a booked day
    EXPECT_EQ(cell(1, 9), "1");
    EXPECT_EQ(cell(1, 10), "Week");
    EXPECT_EQ(cell(1, 11).trimmed(), "16/03/2014");
}

TEST_F(ListsTest, EnterInTheFindBoxSearchesUnlessItIsEmpty) {
    listDate("MARCH");
    Control<QComboBox>(main, "CBListBy")->setEditText("NAME");
    const auto pressEnter = [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(Control<QLineEdit>(main, "MainFindTB"), &enter);
    };
    Control<QLineEdit>(main, "MainFindTB")->setText("jones");
    pressEnter();
    EXPECT_EQ(state.ListMode, 3);
    EXPECT_EQ(column(0), QStringList{"140305111111"});

    main->SelectListDay(15); // back to the day list
    ASSERT_EQ(state.ListMode, 1);
    const int dayRows = main->ListedRows();
    boxes.clear();
    Control<QLineEdit>(main, "MainFindTB")->setText("   ");
    pressEnter();
    main->cmdMFind_Click();
    ASSERT_EQ(boxes.calls().size(), 2u);
    for (const auto& c : boxes.calls()) {
        EXPECT_EQ(c.text, "Can't Search!  Nothing Entered in FIND Box to look for ");
        EXPECT_EQ(c.title, "Kestrane");
    }
    EXPECT_EQ(state.ListMode, 1);
    EXPECT_EQ(main->ListedRows(), dayRows);
}

TEST_F(ListsTest, SearchOfAMissingMonthFile) {
    std::filesystem::remove(monthFile("1405"));
    listDate("MAY");
    search("ANY TEXT", "smith");
    EXPECT_EQ(messages(), "Kestrane 6725:No Visitor records can be found for the DATE Specified");
    EXPECT_EQ(state.ListMode, 3);
    EXPECT_EQ(cell(0, 0), "Registration");
    EXPECT_EQ(cell(1, 0), "");
}

TEST_F(ListsTest, SearchKeyChoiceSetsThePromptAndUnknownKeysFallBack) {
    const auto choose = [&](const char* key) {
        const int i = Control<QComboBox>(main, "CBListBy")->findText(key);
        ASSERT_GE(i, 0) << key;
        Control<QComboBox>(main, "CBListBy")->setCurrentIndex(i);
        emit Control<QComboBox>(main, "CBListBy")->activated(i);
    };
    choose("NAME");
    EXPECT_EQ(Control<QLabel>(main, "SearchLa")->text(), "LOOK FOR VISITOR BY");
    choose("ORGANISATION");
    EXPECT_EQ(Control<QLabel>(main, "SearchLa")->text(), "SEARCH ALL FIELDS IN:");
    choose("VISITING/REPORTING TO");
    EXPECT_EQ(Control<QLabel>(main, "SearchLa")->text(), "FIND WHO A PERSON IS");

    Control<QComboBox>(main, "CBListBy")->setEditText("DEPARTMENT");
    main->CBListBy_LostFocus();
    EXPECT_EQ(Control<QComboBox>(main, "CBListBy")->currentText(), "DEPARTMENT");
    Control<QComboBox>(main, "CBListBy")->setEditText("SURNAME");
    main->CBListBy_LostFocus();
    EXPECT_EQ(Control<QComboBox>(main, "CBListBy")->currentText(), "ANY TEXT");
}

TEST_F(ListsTest, PrintTitleFollowsTheListModeAndTheListDate) {
    listDate("MARCH", "2016");
    Control<QComboBox>(main, "CBGetDay")->setEditText("5th");
    const char* titles[] = {
        "My Company    Visitors List  -  March 2016",
        "My Company    Visitors Expected:  5th March 2016",
        "My Company    Visitor List  -  March 2016",
        "My Company    Visitor List [ Part ]   March 2016",
        "My Company    Visitor On-Site Status:  5th March 2016  as at  10:30",
    };
    for (int mode = 0; mode <= 4; ++mode) {
        state.ListMode = mode;
        EXPECT_EQ(main->PrintTitle(), titles[mode]) << "mode " << mode;
    }
}

TEST_F(ListsTest, PrintSetsUpThePageAndOpensThePreview) {
    listDate("MARCH");
    main->cmdGetTom_Click();
    bool previewOpened = false;
    {
        auto closer = OnNextModal([&](QWidget* w) {
            previewOpened = true;
            w->close();
        });
        main->cmdPRINT_Click();
    }
    EXPECT_TRUE(previewOpened);
    EXPECT_EQ(messages(), "");
    const GridPageSetup& page = Control<Grid>(main, "StatGrid")->PageSetup();
    EXPECT_EQ(page.HeaderText, "My Company    Visitor List  -  March 2014");
    EXPECT_EQ(page.FooterText, "Kestrane     Page &P of &N    Printed: &D");
    EXPECT_EQ(page.HeaderFont.family(), "Verdana");
    EXPECT_EQ(page.FooterAlignment, 2);
    EXPECT_EQ(page.PaperSize, 9);
    EXPECT_EQ(page.Orientation, 2);
    EXPECT_EQ(page.Zoom, 90);
    EXPECT_EQ(page.PrintRows, 5);

    // An empty list still goes to the preview, with nothing to print.
    search("NAME", "nobody");
    boxes.clear();
    auto closer = OnNextModal([](QWidget* w) { w->close(); });
    main->cmdPRINT_Click();
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(page.PrintRows, 0);
    EXPECT_EQ(page.HeaderText, "My Company    Visitor List [ Part ]   March 2014");
}

TEST_F(ListsTest, PrintedListRunsOverSeveralPages) {
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/pdftotext")))
        GTEST_SKIP() << "pdftotext is not installed";
    std::vector<std::string> lines;
    for (int i = 1; i <= 120; ++i) {
        char reg[16];
        std::snprintf(reg, sizeof reg, "1406%02d%06d", i % 28 + 1, i);
        lines.push_back(bookingLine({reg, "Visitor", "OKAFOR", {{i % 28 + 1, "09:00"}}}));
    }
    writeMonth("1406", lines);
    listDate("JUNE");
    main->cmdGetTom_Click();
    ASSERT_EQ(main->ListedRows(), 120);
    {
        auto closer = OnNextModal([](QWidget* w) { w->close(); });
        main->cmdPRINT_Click();
    }
    const QString path = QString::fromStdString(folder.path()) + "list.pdf";
    ASSERT_TRUE(Control<Grid>(main, "StatGrid")->PrintToPdf(path));
    const QString all = pdfText(path);
    const QString flat = all.simplified();
    const int pages = static_cast<int>(all.split(QChar('\f'), Qt::SkipEmptyParts).size());
    ASSERT_GT(pages, 1);
    EXPECT_TRUE(flat.startsWith("My Company Visitor List - June 2014")) << flat.left(200).toStdString();
    EXPECT_TRUE(flat.contains(QString("Kestrane Page 1 of %1 Printed: 15/03/2014").arg(pages)));
    EXPECT_TRUE(flat.contains(cell(1, 0)));
    EXPECT_TRUE(flat.contains(cell(120, 0)));
}
