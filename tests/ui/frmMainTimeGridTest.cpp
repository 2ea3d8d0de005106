#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "platform/Grid.h"
#include "platform/MonthCalendar.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <fstream>

#include <gtest/gtest.h>

namespace {

// The booking month's time grid and the list date, as the desk uses them.
class TimeGridTest : public DeskWindowTest {
  protected:
    frmMain& shownOn(int y, int m, int d) {
        openOn({y, m, d, 9, 0, 0});
        boxes.clear();
        return *main;
    }
    bool closed(int row) { return !CellTakesTyping(grid(), row, 1); }
    Grid* grid() { return Control<Grid>(main, "TimeGrid"); }
    QComboBox* combo(const char* name) { return Control<QComboBox>(main, name); }
    void clickCell(int row, int col) { User::ClickCell(main, grid(), row, col); }
    // A month file holding one booking, at nine on the day given.
    void bookOn(const char* yymm, const char* regNo, int day) {
        BookingFields booked;
        booked.RegNo = regNo;
        TimeCellTexts times;
        times[static_cast<std::size_t>(day - 1)] = "09:00";
        std::ofstream(monthFile(yymm), std::ios::binary) << BuildBookingLine(booked, times) << "\r\n";
    }
    QString firstListed() { return Control<Grid>(main, "StatGrid")->Cell(1, 0).Text(); }
};

} // namespace

TEST_F(TimeGridTest, DaysBeforeTodayAreClosed) {
    shownOn(2014, 3, 15);
    EXPECT_EQ(grid()->Rows(), 32);
    EXPECT_EQ(grid()->Cell(0, 0).Text(), "MARCH");
    EXPECT_EQ(grid()->Cell(0, 1).Text(), "Due In");
    EXPECT_EQ(grid()->Cell(15, 0).Text(), "15  Saturday  **");
    EXPECT_EQ(grid()->Cell(14, 0).Text(), "14  Friday");
    EXPECT_TRUE(closed(14));
    EXPECT_EQ(grid()->Cell(14, 1).BackColor(), 0xE0E0E0);
    EXPECT_FALSE(closed(15));
    EXPECT_EQ(grid()->Cell(15, 1).BackColor(), 0xFFFFFF);
    EXPECT_EQ(grid()->ActiveCell().Row(), 15);

    shownOn(2014, 2, 1);
    EXPECT_EQ(grid()->Rows(), 29);
    EXPECT_EQ(grid()->Cell(1, 0).Text(), "** 01  Saturday  **");
    EXPECT_FALSE(closed(1));
    shownOn(2012, 2, 29);
    EXPECT_EQ(grid()->Rows(), 30);
    for (int r = 1; r < 29; ++r)
        EXPECT_TRUE(closed(r)) << r;
    EXPECT_FALSE(closed(29));

    // Other months are past or open whole.
    shownOn(2014, 3, 15);
    User::Pick(combo("CBMonth"), "APRIL");
    EXPECT_EQ(grid()->Rows(), 31);
    EXPECT_FALSE(closed(1));
    User::Pick(combo("CBMonth"), "FEBRUARY");
    User::Pick(combo("CBYear"), "2012");
    EXPECT_EQ(grid()->Rows(), 30);
    for (int r = 1; r < 30; ++r)
        EXPECT_TRUE(closed(r));
    EXPECT_EQ(grid()->Cell(29, 0).Text(), "29  Wednesday");
    EXPECT_TRUE(boxes.calls().empty());
    User::Retype(combo("CBMonth")->lineEdit(), "SMARCH");
    User::Pick(combo("CBYear"), "2013");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane [ Err: 6169 Array Boundary ]");
}

// Every day shows whole beside its time, today's marker and the longest
// weekday included.
TEST_F(TimeGridTest, DayTextsShowWhole) {
    for (const QDate today : {QDate(2014, 3, 12), QDate(2014, 2, 26), QDate(2012, 2, 29)}) {
        SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
        shownOn(today.year(), today.month(), today.day());
        for (int r = 1; r < grid()->Rows(); ++r) {
            const QString text = grid()->Cell(r, 0).Text();
            EXPECT_LE(grid()->fontMetrics().horizontalAdvance(text) + 6, grid()->columnWidth(0)) << text.toStdString();
        }
        EXPECT_LE(grid()->columnWidth(0) + grid()->columnWidth(1), grid()->viewport()->width());
    }
}

TEST_F(TimeGridTest, PlusMinusAndKeysBookTimesOnOpenDays) {
    frmMain& w = shownOn(2014, 3, 15);
    User::ClickHeading(grid(), 1);
    click("cmdADD");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Can't Book Time  - No DAY has been Selected! ");
    EXPECT_FALSE(Control<QFrame>(&w, "shDayBorder")->isHidden());
    EXPECT_FALSE(state.BookingsChanged);
    clickCell(20, 1); // through the red border
    EXPECT_TRUE(Control<QFrame>(&w, "shDayBorder")->isHidden());
    EXPECT_EQ(grid()->ActiveCell().Row(), 20);

    boxes.clear();
    clickCell(10, 1); // a closed day
    click("cmdADD");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_EQ(grid()->Cell(10, 1).Text(), "");

    User::Retype(combo("cbTime")->lineEdit(), "11:45");
    clickCell(20, 1);
    click("cmdADD");
    EXPECT_EQ(grid()->Cell(20, 1).Text(), "11:45");
    EXPECT_TRUE(state.BookingsChanged);

    clickCell(21, 1);
    QTest::keyClick(grid(), Qt::Key_Plus, Qt::NoModifier);
    EXPECT_EQ(grid()->Cell(21, 1).Text(), "11:45");
    QTest::keyClick(grid(), Qt::Key_A);
    EXPECT_EQ(grid()->Cell(21, 1).Text(), "11:45") << "a letter is no time";

    clickCell(22, 0); // the day's name is shown, not edited
    boxes.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    EXPECT_EQ(QApplication::focusWidget(), grid()) << "no cell editor opens";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(grid()->Cell(22, 0).Text(), "22  Saturday");
    EXPECT_TRUE(boxes.calls().empty());
    QTest::keyClick(grid(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), grid()) << "Tab goes on to the next control";

    clickCell(20, 1);
    click("cmdSUB");
    EXPECT_EQ(grid()->Cell(20, 1).Text(), "");
    click("cmdCLEARAll");
    EXPECT_EQ(grid()->Cell(21, 1).Text(), "");
}

// A time typed into a cell is checked when Enter ends the edit, or a click
// elsewhere; a refused time empties the cell, and Enter keeps the edit open.
TEST_F(TimeGridTest, TypedTimesAreCheckedWhenTheEditEnds) {
    shownOn(2014, 3, 15);
    const auto typeTime = [&](const char* typed) {
        boxes.clear();
        clickCell(20, 1);
        User::Type(QString::fromLatin1(typed) + u'\n');
        return grid()->Cell(20, 1).Text();
    };
    for (const char* ok : {"09:30", "09.30", "09;30"}) {
        EXPECT_EQ(typeTime(ok), "09:30") << ok;
        EXPECT_EQ(QApplication::focusWidget(), grid()) << ok;
        EXPECT_TRUE(boxes.calls().empty()) << ok;
    }
    for (const char* bad : {"9:30", "24:00", "09 30"}) { // the grid takes no blank
        EXPECT_EQ(typeTime(bad), "") << bad;
        EXPECT_NE(QApplication::focusWidget(), grid()) << "the edit stays open on " << bad;
        ASSERT_EQ(boxes.calls().size(), 1u) << bad;
        EXPECT_EQ(boxes.calls()[0].text, "Can't Enter This:  Invalid Time Format");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    EXPECT_EQ(typeTime("09830"), "09830");
    ASSERT_EQ(boxes.calls().size(), 1u) << "told once, not again as the editor closes";
    EXPECT_EQ(boxes.calls()[0].text, "Can't Enter This:  Incorrect Time Format");

    boxes.clear();
    clickCell(22, 1);
    User::Type("0930");
    QTest::mouseClick(Control<QLineEdit>(main, "CatOrganTB"), Qt::LeftButton);
    EXPECT_EQ(grid()->Cell(22, 1).Text(), "");
    EXPECT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), Control<QLineEdit>(main, "CatOrganTB"));
}

TEST_F(TimeGridTest, ListDateIsCheckedAndCorrected) {
    shownOn(2014, 3, 15);
    // The arrow keys go on from the month and year shown.
    combo("CBGetMonth")->setFocus();
    QTest::keyClick(combo("CBGetMonth"), Qt::Key_Down);
    EXPECT_EQ(combo("CBGetMonth")->currentText(), "APRIL");
    QTest::keyClick(combo("CBGetMonth"), Qt::Key_Up);
    combo("CBMonth")->setFocus();
    QTest::keyClick(combo("CBMonth"), Qt::Key_Up);
    EXPECT_EQ(combo("CBMonth")->currentText(), "FEBRUARY");
    boxes.clear();

    // A bad day and a bad year in one click: each is told once.
    User::Pick(combo("CBGetMonth"), "FEBRUARY");
    User::Pick(combo("CBGetDay"), "28th");
    boxes.clear();
    combo("CBGetDay")->setCurrentIndex(29); // shown, not chosen
    User::Retype(combo("CBGetYear")->lineEdit(), "2025");
    click("cmdGetAny");
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[0].text, "ATTENTION: Only [ 28 ] Days in February 2025");
    EXPECT_EQ(boxes.calls()[1].text, "ATTENTION: No VALID Date selected - Try selecting again");
    User::Pick(combo("CBGetMonth"), "MARCH");
    User::Pick(combo("CBGetDay"), "15th");

    boxes.clear();
    User::Retype(combo("CBGetYear")->lineEdit(), "2025");
    click("cmdGetAny");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "ATTENTION: No VALID Date selected - Try selecting again");

    bookOn("1403", "140331090000", 31);
    User::Pick(combo("CBGetYear"), "2014");
    User::Pick(combo("CBGetDay"), "31st");
    EXPECT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(firstListed(), "140331090000") << "a valid date is listed again";
    boxes.clear();
    User::Pick(combo("CBGetMonth"), "APRIL");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "ATTENTION: Only [ 30 ] Days in the Month Selected");
    EXPECT_EQ(combo("CBGetDay")->currentText(), "30th");

    boxes.clear();
    User::Pick(combo("CBGetMonth"), "FEBRUARY");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "ATTENTION: Only [ 28 ] Days in February 2014");
    EXPECT_EQ(combo("CBGetDay")->currentText(), "28th");
    User::Pick(combo("CBGetYear"), "2012");
    User::Pick(combo("CBGetDay"), "29th");
    EXPECT_EQ(boxes.calls().size(), 1u) << "the 29th of a leap year is sound";
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
    bookOn("1310", "131031090000", 31);
    User::Pick(combo("CBGetMonth"), "SEPTEMBER");
    calendar->setValue(QDate(2013, 10, 31));
    auto* days = calendar->findChild<QTableView*>();
    ASSERT_TRUE(days);
    const QPoint at = days->visualRect(days->currentIndex()).center();
    boxes.clear();
    QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(combo("CBGetDay")->currentText(), "31st");
    EXPECT_EQ(combo("CBGetMonth")->currentText(), "OCTOBER");
    EXPECT_EQ(combo("CBGetYear")->currentText(), "2013");
    EXPECT_TRUE(Control<QFrame>(&w, "PicCal1")->isHidden());
    EXPECT_EQ(state.ListMode, ListMode::DayList);
    EXPECT_EQ(firstListed(), "131031090000");
    for (const auto& c : boxes.calls())
        ADD_FAILURE() << c.text.toStdString();

    state.settings.CalendarOpensAtToday = "1";
    click("cmdListCal");
    EXPECT_EQ(calendar->Value(), QDate(2014, 3, 15));
    click("cmdListCal");
    EXPECT_TRUE(Control<QFrame>(&w, "PicCal1")->isHidden());
}
