#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "platform/Grid.h"
#include "platform/GridPrint.h"
#include "platform/Pause.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
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

// The lists as a receptionist asks for them: the date boxes chosen with the
// keys, the list buttons clicked, the find box typed into.
class ListsTest : public DeskWindowTest {
  protected:
    void SetUp() override {
        DeskWindowTest::SetUp();
        // March 2014: John SMITH on the 1st, 2nd and 30th; Mary JONES today; a
        // pass without a booked day; and a booking moved in from February.
        writeMonth(monthFile("1403"), {bookingLine({"140301101010",
                                                    "John",
                                                    "SMITH",
                                                    {{1, "09:30"}, {2, "10:00"}, {30, "14:15"}},
                                                    organisation("ACME LTD", "KX1 4AB", "desk@acme.example")}),
                                       bookingLine({"140305111111", "Mary", "JONES", {{15, "08:05"}}}),
                                       bookingLine({"140310121212", "Ann", "LEE", {}, weekPass()}),
                                       bookingLine({"140220111111", "Pete", "BROWN", {{20, "11:00"}}})});
        openOn({2014, 3, 15, 10, 30, 0});
        boxes.clear();
    }
    static void writeMonth(const std::string& path, const std::vector<std::string>& lines) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& l : lines) {
            ASSERT_EQ(l.size(), 1186u);
            out << l << "\r\n";
        }
    }
    void choose(const char* combo, const QString& text) { User::Pick(Control<QComboBox>(main, combo), text); }
    Grid* grid() const { return Control<Grid>(main, "StatGrid"); }
    QString cell(int row, int col) const { return grid()->Cell(row, col).Text(); }
    QStringList column(int col) const {
        QStringList all;
        for (int r = 1, rows = ListedRows(grid()); r <= rows; ++r)
            all << cell(r, col);
        return all;
    }
    // A search key chosen, the text typed and Find clicked: the registrations found.
    QStringList search(const char* key, const char* text) {
        choose("CBListBy", QString::fromLatin1(key));
        User::Retype(Control<QLineEdit>(main, "MainFindTB"), QString::fromLatin1(text));
        click("cmdMFind");
        return column(0);
    }
    // Print clicked and the preview closed: the page heading printed.
    QString printedTitle() {
        bool previewOpened = false;
        auto closer = OnNextModal([&](QWidget* w) {
            previewOpened = true;
            w->close();
        });
        click("cmdPRINT");
        EXPECT_TRUE(previewOpened);
        User::ShowActive(main); // the desk is the active window again
        QTest::qWait(20);       // and takes keys again a moment after the preview closed
        return grid()->PageSetup().HeaderText;
    }
    QString messages() const {
        QStringList all;
        for (const auto& c : boxes.calls())
            all << c.title + u':' + c.text;
        return all.join(u'|');
    }
};

} // namespace

TEST_F(ListsTest, MonthListHasOneRowPerBookedDayColouredByDate) {
    click("cmdGetTom");
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(state.HelpTopic, 21);
    ASSERT_EQ(ListedRows(grid()), 5);
    EXPECT_EQ(grid()->Rows(), 5 + 50);
    EXPECT_EQ(grid()->Cols(), 19);
    EXPECT_EQ(cell(0, 5), "Expected");
    EXPECT_EQ(column(0), QStringList({"140301101010", "140301101010", "140301101010", "140305111111", "140220111111"}));
    EXPECT_EQ(column(4), QStringList({"01", "02", "30", "15", "20"}));
    EXPECT_EQ(column(5), QStringList({"09:30", "10:00", "14:15", "08:05", "11:00"}));
    EXPECT_EQ(cell(1, 1), "John");
    EXPECT_EQ(cell(1, 2), "SMITH");
    EXPECT_EQ(cell(1, 7), "2");
    EXPECT_EQ(cell(6, 0), "");

    // The arrows move along the list, Return opens the row, Tab goes on to the next control.
    User::ClickCell(main, grid(), 1, 1);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(Control<QLineEdit>(main, "FirstNameTB")->text(), "John");
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(Control<QLineEdit>(main, "FirstNameTB")->text(), "Mary");
    EXPECT_EQ(messages(), "");
    QTest::keyClick(grid(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), grid());

    const long expected[] = {0x808080, 0x808080, 0, 0xA00000, 0}; // by day against the 15th
    const long normal = CellTextColour(grid(), 1, 0);
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 17; ++c)
            EXPECT_EQ(CellTextColour(grid(), r, c), expected[r - 1]) << "row " << r << " col " << c;
        EXPECT_EQ(CellTextColour(grid(), r, 0), normal) << "row " << r;
    }

    // Choosing another month lists it: passes alone fill no row, and a
    // missing file says so.
    writeMonth(monthFile("1404"), {bookingLine({"140401090909", "Ann", "LEE", {}, weekPass()})});
    std::filesystem::remove(monthFile("1405"));
    choose("CBGetMonth", "APRIL");
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(state.ListMode, ListMode::MonthList);
    EXPECT_EQ(ListedRows(grid()), 0);
    EXPECT_EQ(cell(1, 0), "");
    choose("CBGetMonth", "MAY");
    EXPECT_EQ(messages(), "Kestrane:No Visitor Bookings for this DATE have been found");
    EXPECT_EQ(cell(0, 0), "Registration");
    EXPECT_EQ(cell(1, 0), "");

    // A data folder whose path is no ASCII: the path's bytes reach the files.
    const std::string elsewhere = folder.path() + "caf\xc3\xa9/Kestranedata";
    std::filesystem::create_directories(elsewhere + "/Record");
    writeMonth(elsewhere + "/Record/1405.vrf", {bookingLine({"140502080000", "Zoe", "KING", {{7, "08:00"}}})});
    state.settings.DataRoot = elsewhere;
    boxes.clear();
    click("cmdGetTom");
    EXPECT_EQ(messages(), "");
    ASSERT_EQ(ListedRows(grid()), 1);
    EXPECT_EQ(cell(1, 1), "Zoe");
    EXPECT_EQ(cell(1, 5), "08:00");
}

TEST_F(ListsTest, SearchesLookInTheirColumnsFromTheButtonAndEnter) {
    EXPECT_EQ(search("NAME", "smith"), QStringList{"140301101010"});
    EXPECT_EQ(Control<QLabel>(main, "SearchLa")->text(), "LOOK FOR VISITOR BY");
    EXPECT_EQ(state.ListMode, ListMode::Search);
    EXPECT_EQ(state.HelpTopic, 23);
    EXPECT_EQ(grid()->Cols(), 18);
    EXPECT_EQ(cell(0, 12), "Arrival");
    EXPECT_EQ(cell(1, 12), "09:30"); // the first booked day
    EXPECT_EQ(search("NAME", "  john   smith "), QStringList{"140301101010"});
    EXPECT_EQ(search("NAME", "lee"), QStringList{"140310121212"});
    EXPECT_EQ(cell(1, 12), ""); // a pass without a booked day
    EXPECT_EQ(cell(1, 9), "1");
    EXPECT_EQ(cell(1, 10), "Week");
    EXPECT_EQ(cell(1, 11).trimmed(), "16/03/2014");
    EXPECT_EQ(search("ANY TEXT", "0930"), QStringList{"140301101010"});
    EXPECT_EQ(search("ANY TEXT", "1403"), QStringList({"140301101010", "140305111111", "140310121212"}));
    EXPECT_EQ(search("ORGANISATION", "kx1 4ab"), QStringList{"140301101010"});
    EXPECT_EQ(Control<QLabel>(main, "SearchLa")->text(), "SEARCH ALL FIELDS IN:");
    EXPECT_EQ(search("ORGANISATION", "ACME.EXAMPLE"), QStringList{"140301101010"});
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(search("ORGANISATION", "JONES"), QStringList()); // names are not the organisation's
    boxes.clear();
    EXPECT_EQ(search("NAME", "Smith John"), QStringList());
    EXPECT_EQ(messages(), "Kestrane 6726:No items have can be found for MARCH 2014");
    EXPECT_EQ(ListedRows(grid()), 0);
    EXPECT_EQ(state.ListMode, ListMode::Search);
    EXPECT_EQ(cell(1, 0), "");

    // Enter in the find box searches too, unless the box holds only blanks.
    auto* find = Control<QLineEdit>(main, "MainFindTB");
    User::Retype(find, "jones");
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(column(0), QStringList{"140305111111"});
    click("cmdGetAny");
    ASSERT_EQ(state.ListMode, ListMode::DayList);
    const int dayRows = ListedRows(grid());
    boxes.clear();
    User::Retype(find, "   ");
    QTest::keyClick(find, Qt::Key_Return);
    click("cmdMFind");
    ASSERT_EQ(boxes.calls().size(), 2u);
    for (const auto& c : boxes.calls())
        EXPECT_EQ(c.title + u':' + c.text, "Kestrane:Can't Search!  Nothing Entered in FIND Box to look for ");
    EXPECT_EQ(state.ListMode, ListMode::DayList);
    EXPECT_EQ(ListedRows(grid()), dayRows);

    // A typed key the list does not know falls back when the box is left.
    auto* key = Control<QComboBox>(main, "CBListBy");
    choose("CBListBy", "VISITING/REPORTING TO");
    EXPECT_EQ(Control<QLabel>(main, "SearchLa")->text(), "FIND WHO A PERSON IS");
    User::Retype(key->lineEdit(), "DEPARTMENT");
    QTest::mouseClick(find, Qt::LeftButton);
    EXPECT_EQ(key->currentText(), "DEPARTMENT");
    User::Retype(key->lineEdit(), "SURNAME");
    QTest::mouseClick(find, Qt::LeftButton);
    EXPECT_EQ(key->currentText(), "ANY TEXT");

    std::filesystem::remove(monthFile("1405"));
    choose("CBGetMonth", "MAY");
    boxes.clear();
    search("ANY TEXT", "smith");
    EXPECT_EQ(messages(), "Kestrane 6725:No Visitor records can be found for the DATE Specified");
    EXPECT_EQ(state.ListMode, ListMode::Search);
    EXPECT_EQ(cell(0, 0), "Registration");
    EXPECT_EQ(cell(1, 0), "");
}

TEST_F(ListsTest, PrintSetsUpThePageForTheListOnScreen) {
    EXPECT_EQ(printedTitle(), "My Company    Visitors Expected:  15th March 2014");
    click("cmdGetTom");
    EXPECT_EQ(printedTitle(), "My Company    Visitor List  -  March 2014");
    EXPECT_EQ(messages(), "");
    const GridPageSetup& page = grid()->PageSetup();
    EXPECT_EQ(page.FooterText, "Kestrane     Page &P of &N    Printed: &D");
    EXPECT_EQ(page.HeaderFont.family(), "Verdana");
    EXPECT_EQ(page.FooterAlignment, 2);
    EXPECT_EQ(page.PaperSize, 9);
    EXPECT_EQ(page.Orientation, 2);
    EXPECT_EQ(page.Zoom, 90);
    EXPECT_EQ(page.PrintRows, 5);

    choose("CBGetYear", "2016");
    choose("CBGetDay", "5th");
    EXPECT_EQ(printedTitle(), "My Company    Visitors Expected:  5th March 2016");
    // An empty list still goes to the preview, with nothing to print.
    search("NAME", "nobody");
    EXPECT_EQ(printedTitle(), "My Company    Visitor List [ Part ]   March 2016");
    EXPECT_EQ(page.PrintRows, 0);
    QTest::keyClick(main, Qt::Key_F5);
    EXPECT_EQ(printedTitle(), "My Company    Visitor On-Site Status:  5th March 2016  as at  10:30");
}

// Booking numbers, dates, times, stamps, pass words and the shipped
// pick-lists' values show whole in every list, on screen and on paper.
TEST_F(ListsTest, NumbersDatesAndPickListValuesShowWhole) {
    BookingFields f = weekPass();
    f.PassStart = "15-03-2014";
    f.PassEnd = "15-06-2014";
    f.PassPeriod = "3M";
    f.PassIssued = "15-03-2014 at 08:58";
    f.Category = "EMERGENCY SERVICES";
    f.Department = "HEALTH and SAFETY";
    f.PartySize = "888";
    writeMonth(monthFile("1403"), {bookingLine({"140315888888", "Wilhelmina", "OKAFOR", {{15, "23:58"}}, f})});
    const QStringList whole = {"Registration", "Day",      "Expected",   "Arrival",    "Arrived",
                               "Departed",     "Category", "Department", "Pass Valid", "Pass Ends",
                               "Length",       "Party",    "Pass Type",  "Pass Issued"};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::pair<const char*, std::function<void()>> lists[] = {
        {"opening day",
         [&] {
             openOn({2014, 3, 15, 10, 30, 0});
         }},
        {"day", [&] { click("cmdGetAny"); }},
        {"month", [&] { click("cmdGetTom"); }},
        {"search", [&] { search("ANY TEXT", "888888"); }},
        {"on-site", [&] { QTest::keyClick(main, Qt::Key_F5); }},
    };
    for (const auto& [name, show] : lists) {
        SCOPED_TRACE(name);
        show();
        ASSERT_EQ(ListedRows(grid()), 1);
        printedTitle();
        const GridPageSetup& page = grid()->PageSetup();
        const QFontMetrics screen(grid()->font());
        const QFontMetricsF paper(GridPrint::PrintedFont(grid()->font(), page), &printer);
        int checked = 0;
        for (int col = 0; col < grid()->Cols(); ++col) {
            if (!whole.contains(cell(0, col)))
                continue;
            const QString text = cell(1, col);
            // A pick-list value is stored with blanks after it, which show as nothing.
            const bool picked = cell(0, col) == u"Category" || cell(0, col) == u"Department";
            const QString shown = picked ? text.trimmed() : text;
            SCOPED_TRACE((cell(0, col) + u':' + text).toStdString());
            EXPECT_LE(screen.horizontalAdvance(shown) + 6, grid()->columnWidth(col));
            const double printedWidth = paper.horizontalAdvance(shown) * 72.0 / printer.resolution();
            EXPECT_LE(printedWidth + 2 * GridPrint::PrintedPadding(page),
                      GridPrint::PrintedWidth(grid()->columnWidth(col), page));
            ++checked;
        }
        EXPECT_GE(checked, 10);
    }
}

// The preview opens on the top left corner of the first page, and its zoom
// box reads the scale the page is drawn at. By the keys alone: Ctrl+P prints
// as its printer button does, with the print dialog, where Return pressed
// twice sends one job and does not open the preview again from Print....
// A queue that does not take the list says so, and nothing is printed.
TEST_F(ListsTest, PrintPreviewOpensAtTheTopLeftSaysItsZoomAndPrintsByCtrlP) {
    TestPrintSystem cups;
    QString printTitle;
    std::unique_ptr<QTimer> printWatch, reopened;
    int previews = 0;
    QString zoomText;
    double drawn = 0;
    int horizontal = -1, vertical = -1, horizontalMin = 0, verticalMin = 0;
    const auto printByKeys = [&] {
        previews = 0;
        printTitle.clear();
        boxes.clear();
        reopened.reset();
        auto look = OnNextModal([&](QWidget* dialog) {
            ++previews;
            QTest::qWait(300); // the pages are laid out once the dialog is up
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            auto* view = preview ? preview->findChild<QGraphicsView*>() : nullptr;
            auto* zoomBox = dialog->findChild<QComboBox*>();
            auto* printer = qobject_cast<QPrintPreviewDialog*>(dialog)
                                ? static_cast<QPrintPreviewDialog*>(dialog)->printer()
                                : nullptr;
            if (view && zoomBox && printer) {
                zoomText = zoomBox->currentText();
                for (const char* fit : {"fitWidthAction", "fitPageAction"})
                    if (auto* action = dialog->findChild<QAction*>(QString::fromLatin1(fit));
                        action && action->isChecked())
                        zoomText += QStringLiteral(" and ") + action->text();
                // Screen pixels per printer dot, as a share of the page's actual size.
                drawn = view->transform().m11() * printer->resolution() / view->logicalDpiX();
                horizontal = view->horizontalScrollBar()->value();
                horizontalMin = view->horizontalScrollBar()->minimum();
                vertical = view->verticalScrollBar()->value();
                verticalMin = view->verticalScrollBar()->minimum();
            }
            printWatch = OnNextModal([&](QWidget* print) {
                printTitle = print->windowTitle();
                QTest::keyClick(print->focusWidget() ? print->focusWidget() : print, Qt::Key_Return);
            });
            // The second Return comes just after the preview closed, to the desk active again.
            QObject::connect(static_cast<QDialog*>(dialog), &QDialog::finished, main, [&] {
                reopened = OnNextModal([&](QWidget* again) {
                    ++previews;
                    again->close();
                });
                main->activateWindow();
                QTimer::singleShot(50, main, [] { QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return); });
            });
            QTest::keyClick(dialog, Qt::Key_P, Qt::ControlModifier);
            if (dialog->isVisible())
                dialog->close();
        });
        StartUp::SetPauseScale(1.0); // keys held for as long as a hand needs
        auto* print = Control<QPushButton>(main, "cmdPRINT");
        for (int i = 0; i < 100 && main->focusWidget() != print; ++i)
            QTest::keyClick(main->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(print, Qt::Key_Return);
        QTest::qWait(500); // the desk takes keys again a key press's moment after
        StartUp::SetPauseScale(0.01);
    };

    ASSERT_TRUE(cups.run(QStringLiteral("cupsreject"), {"Q"}));
    printByKeys();
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(printTitle, "Print");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "The list was not printed: Destination \"Q\" is not accepting jobs.");
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
    EXPECT_EQ(boxes.calls()[0].icon(), vb::vbExclamation);
    EXPECT_EQ(cups.jobs(), 0);

    ASSERT_TRUE(cups.run(QStringLiteral("cupsaccept"), {"Q"}));
    printByKeys();
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(printTitle, "Print");
    EXPECT_EQ(boxes.calls().size(), 0u);
    EXPECT_EQ(cups.jobs(), 1);
    EXPECT_EQ(zoomText, "100.0%");
    EXPECT_NEAR(drawn, 1.0, 0.01);
    EXPECT_EQ(horizontal, horizontalMin);
    EXPECT_EQ(vertical, verticalMin);
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
    writeMonth(monthFile("1406"), lines);
    choose("CBGetMonth", "JUNE");
    ASSERT_EQ(ListedRows(grid()), 120);
    printedTitle();
    const TempFolder printed(TempFolder::Name::Plain); // the printer takes its file name as a QString
    const QString path = QString::fromStdString(printed.withSlash() + "list.pdf");
    ASSERT_TRUE(grid()->PrintToPdf(path));
    const QString all = pdfText(path);
    const QString flat = all.simplified();
    const int pages = static_cast<int>(all.split(QChar('\f'), Qt::SkipEmptyParts).size());
    ASSERT_GT(pages, 1);
    EXPECT_TRUE(flat.startsWith("My Company Visitor List - June 2014")) << flat.left(200).toStdString();
    EXPECT_TRUE(flat.contains(QString("Kestrane Page 1 of %1 Printed: 15/03/2014").arg(pages)));
    EXPECT_TRUE(flat.contains(cell(1, 0)));
    EXPECT_TRUE(flat.contains(cell(120, 0)));
}
