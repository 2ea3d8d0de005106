#include "UiTestSupport.h"
#include "core/Clock.h"
#include "platform/Grid.h"
#include "platform/MonthCalendar.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TimeGridTest : public ::testing::Test {
  protected:
    void SetUp() override { Platform::SetAnswers(PlatformAnswers{}); }
    void TearDown() override {
        if (main) {
            state.RestartPending = true;
            delete main;
        }
        Clock::Unpin();
        Platform::ClearAnswers();
    }
    frmMain& loadOn(int y, int m, int d) {
        Clock::Pin({y, m, d, 9, 0, 0});
        main = new frmMain(state);
        main->Form_Load();
        boxes.clear();
        return *main;
    }
    void chooseBookingMonth(const char* month, const char* year) {
        Control<QComboBox>(main, "CBMonth")->setEditText(month);
        Control<QComboBox>(main, "CBYear")->setEditText(year);
        main->CBMonth_Click();
    }
    bool closed(int row) { return Control<Grid>(main, "TimeGrid")->Cell(row, 1).Locked(); }
    frmMain& shownOn(int y, int m, int d) {
        frmMain& w = loadOn(y, m, d);
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    Grid* grid() { return Control<Grid>(main, "TimeGrid"); }
    void click(const char* button) { QTest::mouseClick(Control<QPushButton>(main, button), Qt::LeftButton); }
    QPoint cellCentre(Grid* g, int row, int col) {
        const QModelIndex at = g->model()->index(row, col);
        g->scrollTo(at);
        return g->visualRect(at).center();
    }
    // A click where the cell shows, delivered to whatever is on top there.
    void clickCell(Grid* g, int row, int col) {
        const QPoint at = g->viewport()->mapTo(main, cellCentre(g, row, col));
        QWidget* target = main->childAt(at);
        ASSERT_TRUE(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(main, at));
    }

    TestProgramFolder folder;
    ProgramState state = (folder.addEmptyMonthFiles(), folder.makeState());
    RecordingResponder boxes;
    frmMain* main = nullptr;
};

} // namespace

TEST_F(TimeGridTest, CurrentMonthClosesThePastDays) {
    frmMain& w = loadOn(2014, 3, 15);
    Grid* g = Control<Grid>(&w, "TimeGrid");
    EXPECT_EQ(g->Rows(), 32);
    EXPECT_EQ(g->Cell(0, 0).Text(), "MARCH");
    EXPECT_EQ(g->Cell(0, 1).Text(), "Due In");
    EXPECT_EQ(g->Cell(15, 0).Text(), "15  Saturday  **");
    EXPECT_EQ(g->Cell(14, 0).Text(), "14  Friday");
    EXPECT_TRUE(closed(14));
    EXPECT_EQ(g->Cell(14, 1).BackColor(), 0xE0E0E0);
    EXPECT_FALSE(closed(15));
    EXPECT_EQ(g->Cell(15, 1).BackColor(), 0xFFFFFF);
    EXPECT_EQ(g->ActiveCell().Row(), 15);
}

TEST_F(TimeGridTest, FirstAndLastDayOfTheMonth) {
    frmMain& w = loadOn(2014, 2, 1);
    EXPECT_EQ(Control<Grid>(&w, "TimeGrid")->Rows(), 29);
    EXPECT_EQ(Control<Grid>(&w, "TimeGrid")->Cell(1, 0).Text(), "** 01  Saturday  **");
    EXPECT_FALSE(closed(1));
    delete main;
    main = nullptr;
    frmMain& v = loadOn(2012, 2, 29);
    EXPECT_EQ(Control<Grid>(&v, "TimeGrid")->Rows(), 30);
    for (int r = 1; r < 29; ++r)
        EXPECT_TRUE(closed(r)) << r;
    EXPECT_FALSE(closed(29));
}

TEST_F(TimeGridTest, OtherMonthsArePastOrOpenWhole) {
    loadOn(2014, 3, 15);
    chooseBookingMonth("FEBRUARY", "2012");
    EXPECT_EQ(Control<Grid>(main, "TimeGrid")->Rows(), 30);
    for (int r = 1; r < 30; ++r)
        EXPECT_TRUE(closed(r));
    EXPECT_EQ(Control<Grid>(main, "TimeGrid")->Cell(29, 0).Text(), "29  Wednesday");
    chooseBookingMonth("APRIL", "2014");
    EXPECT_EQ(Control<Grid>(main, "TimeGrid")->Rows(), 31);
    EXPECT_FALSE(closed(1));
    chooseBookingMonth("SMARCH", "2014");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane [ Err: 6169 Array Boundary ]");
}

TEST_F(TimeGridTest, PlusMinusAndKeysBookTimesOnOpenDays) {
    frmMain& w = shownOn(2014, 3, 15);
    grid()->Cell(0, 1).Select();
    click("cmdADD");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Can't Book Time  - No DAY has been Selected! ");
    EXPECT_FALSE(Control<QFrame>(&w, "shDayBorder")->isHidden());
    EXPECT_FALSE(state.BookingsChanged);
    clickCell(grid(), 20, 1); // through the red border
    EXPECT_TRUE(Control<QFrame>(&w, "shDayBorder")->isHidden());
    EXPECT_EQ(grid()->ActiveCell().Row(), 20);

    boxes.clear();
    clickCell(grid(), 10, 1); // a closed day
    click("cmdADD");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_EQ(grid()->Cell(10, 1).Text(), "");

    Control<QComboBox>(&w, "cbTime")->setEditText("11:45");
    clickCell(grid(), 20, 1);
    click("cmdADD");
    EXPECT_EQ(grid()->Cell(20, 1).Text(), "11:45");
    EXPECT_TRUE(state.BookingsChanged);

    clickCell(grid(), 21, 1);
    QTest::keyClick(grid(), Qt::Key_Plus, Qt::NoModifier);
    EXPECT_EQ(grid()->Cell(21, 1).Text(), "11:45");
    QTest::keyClick(grid(), Qt::Key_A);
    EXPECT_EQ(grid()->Cell(21, 1).Text(), "11:45") << "a letter is no time";

    clickCell(grid(), 22, 0); // the day's name is shown, not edited
    boxes.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    EXPECT_EQ(QApplication::focusWidget(), grid()) << "no cell editor opens";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(grid()->Cell(22, 0).Text(), "22  Saturday");
    EXPECT_TRUE(boxes.calls().empty());

    clickCell(grid(), 20, 1);
    click("cmdSUB");
    EXPECT_EQ(grid()->Cell(20, 1).Text(), "");
    click("cmdCLEARAll");
    EXPECT_EQ(grid()->Cell(21, 1).Text(), "");
}

TEST_F(TimeGridTest, TypedTimesAreCheckedWhenTheEditEnds) {
    frmMain& w = loadOn(2014, 3, 15);
    const auto commit = [&](const char* typed) {
        boxes.clear();
        Control<Grid>(&w, "TimeGrid")->Cell(20, 1).Select();
        Control<Grid>(&w, "TimeGrid")->Cell(20, 1).setText(typed);
        bool cancel = false;
        w.TimeGrid_ValidateEdit(20, 1, cancel);
        return std::make_pair(Control<Grid>(&w, "TimeGrid")->Cell(20, 1).Text(), cancel);
    };
    for (const char* ok : {"09:30", "09.30", "09/30", "09,30", "09;30", "09 30"}) {
        const auto [text, cancel] = commit(ok);
        EXPECT_EQ(text, "09:30") << ok;
        EXPECT_FALSE(cancel) << ok;
        EXPECT_TRUE(boxes.calls().empty()) << ok;
    }
    for (const char* bad : {"0930", "9:30", "24:00", "09:60"}) {
        const auto [text, cancel] = commit(bad);
        EXPECT_EQ(text, "") << bad;
        EXPECT_TRUE(cancel) << bad;
        ASSERT_EQ(boxes.calls().size(), 1u) << bad;
        EXPECT_EQ(boxes.calls()[0].text, "Can't Enter This:  Invalid Time Format");
    }
    const auto [text, cancel] = commit("09830");
    EXPECT_EQ(text, "09830");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Can't Enter This:  Incorrect Time Format");

    boxes.clear();
    Control<Grid>(&w, "TimeGrid")->Cell(22, 1).Select();
    Control<Grid>(&w, "TimeGrid")->Cell(22, 1).setText("0930");
    w.TimeGrid_FocusLost();
    EXPECT_EQ(Control<Grid>(&w, "TimeGrid")->Cell(22, 1).Text(), "");
    EXPECT_EQ(boxes.calls().size(), 1u);
}

TEST_F(TimeGridTest, ListDateIsCheckedAndCorrected) {
    frmMain& w = loadOn(2014, 3, 15);
    Control<QComboBox>(&w, "CBGetMonth")->setEditText("APRIL");
    w.SelectListDay(31);
    ASSERT_GE(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "ATTENTION: Only [ 30 ] Days in the Month Selected");
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetDay")->currentText(), "30th");
    EXPECT_FALSE(w.InvalidDate());

    boxes.clear();
    Control<QComboBox>(&w, "CBGetMonth")->setEditText("FEBRUARY");
    Control<QComboBox>(&w, "CBGetYear")->setEditText("2012");
    w.SelectListDay(29);
    EXPECT_TRUE(boxes.calls().empty());
    Control<QComboBox>(&w, "CBGetYear")->setEditText("2014");
    w.SelectListDay(29);
    ASSERT_GE(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "ATTENTION: Only [ 28 ] Days in February 2014");
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetDay")->currentText(), "28th");

    boxes.clear();
    Control<QComboBox>(&w, "CBGetYear")->setEditText("2025");
    w.ValidateSelectedDate();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "ATTENTION: No VALID Date selected - Try selecting again");
    EXPECT_TRUE(w.InvalidDate());
}

TEST_F(TimeGridTest, CalendarStepsAndPicks) {
    frmMain& w = shownOn(2014, 3, 15);
    auto* calendar = Control<MonthCalendar>(&w, "Calendar1");
    click("cmdListCal");
    EXPECT_FALSE(Control<QFrame>(&w, "PicCal1")->isHidden());
    EXPECT_EQ(state.HelpTopic, 24);
    const auto step = [&](QDate from, const char* button) {
        calendar->setValue(from);
        click(button);
        return calendar->Value();
    };
    EXPECT_EQ(step(QDate(2010, 1, 12), "cmdCalDECR"), QDate(2010, 12, 12));
    EXPECT_EQ(step(QDate(2024, 12, 5), "cmdCalINCR"), QDate(2010, 1, 5));
    EXPECT_EQ(step(QDate(2015, 1, 31), "cmdCalDECR"), QDate(2014, 12, 31));
    EXPECT_EQ(step(QDate(2014, 3, 31), "cmdCalINCR"), QDate(2014, 4, 30)) << "a day the month lacks keeps a valid date";

    // A double-click takes the date whole: 31 October over SEPTEMBER is no 31st of September.
    Control<QComboBox>(&w, "CBGetMonth")->setEditText("SEPTEMBER");
    calendar->setValue(QDate(2013, 10, 31));
    auto* days = calendar->findChild<QTableView*>();
    ASSERT_TRUE(days);
    const QPoint at = days->visualRect(days->currentIndex()).center();
    boxes.clear();
    QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetDay")->currentText(), "31st");
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetMonth")->currentText(), "OCTOBER");
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetYear")->currentText(), "2013");
    EXPECT_TRUE(Control<QFrame>(&w, "PicCal1")->isHidden());
    EXPECT_EQ(state.ListMode, 1);
    EXPECT_EQ(w.DayListFile(), folder.path() + "Kestranedata/Record/1310.vrf");
    for (const auto& c : boxes.calls())
        ADD_FAILURE() << c.text.toStdString();

    state.settings.CalendarOpensAtToday = "1";
    click("cmdListCal");
    EXPECT_EQ(calendar->Value(), QDate(2014, 3, 15));
    click("cmdListCal");
    EXPECT_TRUE(Control<QFrame>(&w, "PicCal1")->isHidden());
}
