#include "UiTestSupport.h"
#include "core/AtomicFile.h"
#include "core/desk/BookingRecord.h"
#include "platform/Grid.h"
#include "platform/ShownPath.h"
#include "ui/desk/frmMain.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const QString Caption = QStringLiteral("Brantholm Solutions Kestrane");

std::string Booking(const char* regNo, const char* first, const char* last, std::initializer_list<int> days) {
    BookingFields rec;
    rec.RegNo = regNo;
    rec.FirstName = first;
    rec.LastName = last;
    rec.Organisation = "Harwell Fixings";
    TimeCellTexts times;
    for (int day : days)
        times[static_cast<std::size_t>(day - 1)] = "10:15";
    return BuildBookingLine(rec, times);
}

// The deletion window as an administrator uses it from the desk's "X".
class MultiDeleteTest : public DeskWindowTest {
  protected:
    void SetUp() override {
        DeskWindowTest::SetUp();
        // Ended by a lone CR, a lone LF, CR LF and nothing: four bookings all the same.
        std::ofstream(monthFile("1603"), std::ios::binary) << Booking("160301090000", "Ann", "Lee", {5, 15}) << '\r'
                                                           << Booking("160302090000", "Bob", "Hart", {5}) << '\n'
                                                           << Booking("160303090000", "Cy", "Lee", {6}) << "\r\n"
                                                           << Booking("160304090000", "Di", "Ng", {15});
        openOn({2016, 3, 15, 10, 0, 0});
        boxes.clear();
    }

    struct Choice {
        const char* month = nullptr;
        const char* day = nullptr;
        const char* year = nullptr;
        const char* key = nullptr;
        const char* text = nullptr;
    };

    // Opens the window with "X", makes the choices, presses Delete and then
    // Cancel when the window is still open; gives the window's texts.
    void deleteWith(const Choice& c, std::function<void(QWidget*)> check = {}) {
        auto watch = OnNextModal([&](QWidget* window) {
            dialog = window;
            if (c.month)
                User::Choose(Control<QComboBox>(window, "CBMDELMonth"), QString::fromLatin1(c.month));
            if (c.day)
                User::Choose(Control<QComboBox>(window, "CBMDELDay"), QString::fromLatin1(c.day));
            if (c.year)
                User::Retype(Control<QComboBox>(window, "CBMDELYear")->lineEdit(), QString::fromLatin1(c.year));
            if (c.key)
                User::Choose(Control<QComboBox>(window, "CBDListBy"), QString::fromLatin1(c.key));
            if (c.text)
                User::Retype(Control<QLineEdit>(window, "DFindTB"), QString::fromLatin1(c.text));
            if (check)
                check(window);
            User::Click(window, "cmdMDELDelete");
            stayedOpen = window->isVisible();
            if (stayedOpen)
                User::Click(window, "cmdMDELCancel");
        });
        click("cmdMultiDELETE");
    }
    std::vector<std::pair<QString, QString>> shown() const {
        std::vector<std::pair<QString, QString>> all;
        for (const MsgBoxCall& call : boxes.calls())
            all.emplace_back(call.title, call.text);
        return all;
    }
    QString status() const { return main->windowTitle(); }
    static QString statusOf(const char* text) { return Caption + "  [ " + text + " ]"; }

    QWidget* dialog = nullptr;
    bool stayedOpen = false;
};

using Shown = std::vector<std::pair<QString, QString>>;
const QString Kestrane = QStringLiteral("Kestrane");

} // namespace

TEST_F(MultiDeleteTest, EachPeriodIsAskedDeletedAndReportedInTheDeskCaption) {
    state.StatusPending = true;
    deleteWith({}, [&](QWidget* w) {
        EXPECT_FALSE(state.StatusPending); // the window took the hand-off over
        EXPECT_EQ(w->windowTitle(), "Delete Records");
        EXPECT_EQ(w->pos(), main->pos() + QPoint(633, 147));
        EXPECT_EQ(Control<QComboBox>(w, "CBMDELMonth")->currentText(), "- Select -");
        EXPECT_EQ(Control<QComboBox>(w, "CBMDELDay")->currentText(), "All Days");
        EXPECT_EQ(Control<QComboBox>(w, "CBMDELYear")->currentText(), "2016");
        EXPECT_FALSE(Control<QLineEdit>(w, "DFindTB")->isEnabled());
    });
    EXPECT_EQ(shown(), (Shown{{Kestrane, "Kestrane Can't Determine the Date you wish to Delete - Select again!"}}));
    EXPECT_TRUE(stayedOpen);

    // The 5th: No keeps everything, Yes takes Ann (also on the 15th) and Bob.
    const int listed = ListedRows(Control<Grid>(main, "StatGrid"));
    const std::uintmax_t untouched = fs::file_size(monthFile("1603"));
    boxes.clear();
    boxes.queue(vb::vbNo);
    deleteWith({"MARCH", "5th"}, [&](QWidget* w) {
        EXPECT_EQ(Control<QLabel>(w, "laMDelMonth")->text(), "OF");
        EXPECT_TRUE(Control<QLineEdit>(w, "DFindTB")->isEnabled());
        EXPECT_EQ(User::AltKeysInEveryBox(w), "") << "Alt with a letter types nothing";
    });
    EXPECT_EQ(shown(),
              (Shown{{Kestrane, "DELETE ALL Bookings made on the 5th of MARCH 2016\r\nDo you wish to proceed?"}}));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(fs::file_size(monthFile("1603")), untouched);
    boxes.clear();
    deleteWith({});
    EXPECT_FALSE(stayedOpen);
    EXPECT_EQ(status(), statusOf("2 Records Deleted for the 5th of MARCH 2016"));
    EXPECT_EQ(ListedRows(Control<Grid>(main, "StatGrid")), listed - 1);
    EXPECT_EQ(FileLines(monthFile("1603")), (std::vector<std::string>{Booking("160303090000", "Cy", "Lee", {6}),
                                                                      Booking("160304090000", "Di", "Ng", {15})}));

    // The whole month by a name; the window kept its month. Delete pressed
    // again while the window waits to close does nothing.
    boxes.clear();
    deleteWith({nullptr, "All Days", nullptr, "NAME", "cy  lee"}, [&](QWidget* w) {
        EXPECT_EQ(Control<QComboBox>(w, "CBMDELMonth")->currentText(), "MARCH");
        EXPECT_EQ(Control<QLabel>(w, "DSearchLa")->text(), "Find Visitor by:");
        EXPECT_EQ(Control<QLabel>(w, "laFWoP")->text(), "Enter Name");
        QTimer::singleShot(0, w, [w] { User::Click(w, "cmdMDELDelete"); });
    });
    EXPECT_EQ(shown(), (Shown{{Kestrane, "DELETE ALL BOOKINGS for the Month of MARCH 2016 with:\r\n\r\n[ cy  lee ] in "
                                         "the NAME field\r\n\r\nDo you wish to proceed?"}}));
    EXPECT_EQ(status(), statusOf("One Record Deleted for MARCH 2016"));

    // The whole month: the file stays, empty.
    boxes.clear();
    deleteWith({nullptr, nullptr, nullptr, nullptr, ""});
    EXPECT_EQ(shown(), (Shown{{Kestrane,
                               "DELETE ALL BOOKINGS for the Entire MONTH of MARCH 2016.\r\nDo you wish to proceed?"}}));
    EXPECT_EQ(status(), statusOf("All Bookings for MARCH 2016 Deleted"));
    EXPECT_TRUE(fs::exists(monthFile("1603")));
    EXPECT_TRUE(FileLines(monthFile("1603")).empty());

    // The year: the window stays open, its status shows after Cancel.
    boxes.clear();
    deleteWith({"All Months"}, [&](QWidget* w) {
        EXPECT_FALSE(Control<QComboBox>(w, "CBMDELDay")->isEnabled());
        EXPECT_FALSE(Control<QLineEdit>(w, "DFindTB")->isEnabled());
        EXPECT_EQ(Control<QLabel>(w, "laMDelYear")->text(), "IN");
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(shown(), (Shown{{Kestrane, "This will DELETE ALL BOOKINGS for the Entire YEAR of 2016.\r\nDo you "
                                         "wish to proceed?"},
                              {Kestrane, "No Visitor Bookings for this DATE have been found"}})); // the day list
    EXPECT_EQ(status(), statusOf("All Bookings for the year 2016 Deleted"));
    EXPECT_FALSE(fs::exists(monthFile("1603")));
    EXPECT_FALSE(fs::exists(monthFile("1612")));
    EXPECT_TRUE(fs::exists(monthFile("1701")));
    EXPECT_EQ(main->findChildren<QDialog*>().size(), 1); // the one window, kept
}

TEST_F(MultiDeleteTest, SelectionsAreRefusedAndFailuresToldByTheirMessages) {
    deleteWith({"FEBRUARY", "30th", "2015"});
    EXPECT_EQ(shown(), (Shown{{Kestrane, "ATTENTION: Only [ 28 ] Days in February 2015"}}));
    EXPECT_EQ(Control<QComboBox>(dialog, "CBMDELDay")->currentText(), "28th");
    boxes.clear();
    deleteWith({"APRIL", "1st", "2009"});
    EXPECT_EQ(shown(), (Shown{{Kestrane, "ATTENTION: No VALID Date selected - Try selecting again"}}));
    // A day typed as a number and entered is that day, not a new entry past the
    // 31st; what a booking file cannot hold is refused as it is typed.
    boxes.clear();
    boxes.queue(vb::vbNo);
    deleteWith({"MARCH", nullptr, "2016"}, [](QWidget* w) {
        auto* day = Control<QComboBox>(w, "CBMDELDay");
        User::Retype(day->lineEdit(), QString::fromUtf8("0\u20ac9"));
        QTest::keyClick(day->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(day->count(), 32);
        User::Retype(Control<QComboBox>(w, "CBMDELYear")->lineEdit(), QString::fromUtf8("20\u014216"));
    });
    EXPECT_EQ(shown(),
              (Shown{{Kestrane, "DELETE ALL Bookings made on the 09 of MARCH 2016\r\nDo you wish to proceed?"}}));

    // A missing month file, nothing to drop, and a file another program
    // keeps changing, for each of the three ways of picking lines.
    fs::remove(monthFile("1604"));
    const std::string zed = Booking("160601090000", "Zed", "Lee", {7});
    std::ofstream(monthFile("1606"), std::ios::binary) << zed << "\r\n";
    struct Case {
        Choice choice;
        const char* titles[3];
        QString texts[3];
    };
    const QString busy =
        QStringLiteral(" have NOT been deleted: another program kept changing the file while it was being written "
                       "(try again).");
    const Case cases[] = {
        {{nullptr, "All Days", "2016", nullptr, "Zed"},
         {"Kestrane 6215", "Kestrane 6216", "Kestrane 6217"},
         {"No Visitor Records exist for the DATE Specified", "No items to DELETE have been found for MAY 2016",
          "The Bookings for MAY 2016" + busy}},
        {{nullptr, "7th", "2016", nullptr, ""},
         {"Kestrane 6125", "Kestrane 6126", "Kestrane 6127"},
         {"No Visitor records Exist for the DAY Specified", "No items to DELETE have been found for the 7th MAY 2016",
          "The Bookings for the 7th MAY 2016" + busy}},
        {{nullptr, "7th", "2016", nullptr, "Zed"},
         {"Kestrane 6325", "Kestrane 6326", "Kestrane 6327"},
         {"No Visitor records Exist for the DAY Specified", "No items to DELETE have been found for the 7th MAY 2016",
          "The Bookings for the 7th MAY 2016" + busy}},
    };
    struct BusyFile {
        BusyFile() {
            SetBeforeChangeWritten([](const std::string& path) { std::ofstream(path, std::ios::app) << "\r\n"; });
        }
        ~BusyFile() { SetBeforeChangeWritten({}); }
    };
    std::optional<BusyFile> keptBusy(std::in_place);
    for (const Case& c : cases) {
        int i = 0;
        for (const char* month : {"APRIL", "MAY", "JUNE"}) {
            Choice choice = c.choice;
            choice.month = month;
            boxes.clear();
            deleteWith(choice);
            ASSERT_EQ(boxes.calls().size(), 2u) << month;
            const QString expected = QString(c.texts[i]).replace("MAY", month);
            EXPECT_EQ(boxes.calls()[1].title, c.titles[i]);
            EXPECT_EQ(boxes.calls()[1].text, expected);
            // Nothing there reads as nothing deleted; a failure never reads "Deleted".
            EXPECT_TRUE(
                status().startsWith(Caption + (i < 2 ? "  [ No Records Deleted for " : "  [ Could not remove ")))
                << status().toStdString();
            ++i;
        }
    }
    keptBusy.reset();
    EXPECT_EQ(FileLines(monthFile("1606"))[0], zed);

    // The whole month: a month file marked read-only, a folder in the way,
    // then no Record folder.
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(monthFile("1603"), readOnly);
    fs::remove(monthFile("1606"));
    fs::create_directory(monthFile("1606"));
    const std::pair<std::string, QString> failures[] = {
        {"MARCH", "The data folder cannot be written (permission denied or read-only)."},
        {"JUNE", "Error 75: Path/File access error (Is a directory)."}};
    for (const auto& [month, why] : failures) {
        boxes.clear();
        deleteWith({month.c_str(), "All Days", "2016", nullptr, ""});
        ASSERT_EQ(boxes.calls().size(), 2u);
        EXPECT_EQ(boxes.calls()[1].title, "Kestrane 6226");
        EXPECT_EQ(boxes.calls()[1].text,
                  "An Error has occurred in trying to DELETE the records specified\r\n\r\n" + why);
        EXPECT_EQ(status(), statusOf(("Could not remove the Bookings for " + month + " 2016").c_str()));
    }
    EXPECT_EQ(fs::status(monthFile("1603")).permissions(), readOnly);
    EXPECT_TRUE(fs::is_directory(monthFile("1606")));
    fs::permissions(monthFile("1603"), fs::perms::owner_write, fs::perm_options::add);
    const std::string record = folder.path() + "Kestranedata/Record";
    fs::rename(record, record + ".away");
    boxes.clear();
    deleteWith({"MARCH"});
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].title, "Kestrane 6225");
    EXPECT_EQ(boxes.calls()[1].text, "No Visitor Records can be found for the DATE Specified");
    fs::rename(record + ".away", record);
    EXPECT_EQ(fs::file_size(monthFile("1603")), 4u * 1186 + 4); // as written

    // The year: a month folder in the way and a month file marked read-only,
    // then nothing left to delete.
    fs::remove(monthFile("1803"));
    fs::create_directories(monthFile("1803") + "/inside");
    fs::permissions(monthFile("1806"), readOnly);
    boxes.clear();
    deleteWith({"All Months", nullptr, "2018"});
    EXPECT_EQ(shown(), (Shown{{Kestrane, "This will DELETE ALL BOOKINGS for the Entire YEAR of 2018.\r\n"
                                         "Do you wish to proceed?"},
                              {"Kestrane 6527", "Not all Bookings for the year 2018 could be removed: 2 month files "
                                                "remain\r\n\r\nError 75: Path/File access error (Is a directory)."}}));
    EXPECT_EQ(status(), statusOf("Not all Bookings for the year 2018 could be removed: 2 month files remain"));
    fs::remove_all(monthFile("1803"));
    fs::remove(monthFile("1806"));
    boxes.clear();
    deleteWith({});
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].title, "Kestrane 6525");
    EXPECT_EQ(boxes.calls()[1].text, "No Visitor records Found for the YEAR Specified");
    EXPECT_EQ(status(), statusOf("No Bookings found for the year 2018"));
}

TEST_F(MultiDeleteTest, TestDataFillsTheSampleYearsAfterAskingOnce) {
    // A new user's first run: no booking files, today's list empty. The run says nothing.
    const std::string record = folder.path() + "Kestranedata/Record";
    fs::remove_all(record);
    fs::create_directory(record);
    openOn({2026, 5, 4, 9, 0, 0});
    boxes.clear();
    click("Command1");
    EXPECT_EQ(shown(), Shown{});
    EXPECT_EQ(FileLines(monthFile("1001")).size(), 200u);

    openOn({2011, 6, 10, 9, 0, 0});
    const std::vector<std::string> june = FileLines(monthFile("1106"));
    boxes.clear();
    boxes.queue(vb::vbNo);
    click("Command1");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].title, Kestrane);
    EXPECT_EQ(boxes.calls()[0].buttons(), vb::vbYesNo);
    EXPECT_EQ(FileLines(monthFile("1106")), june);

    fs::remove(monthFile("1105"));
    fs::create_directory(monthFile("1105"));
    auto* button = Control<QPushButton>(main, "Command1");
    bool enabledDuringRun = true;
    QTimer::singleShot(0, [&] {
        enabledDuringRun = button->isEnabled();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    boxes.clear();
    click("Command1");
    ASSERT_EQ(boxes.calls().size(), 2u); // one question, one failure: no second run
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(
        boxes.calls()[1].text.startsWith("Sample bookings could not be written to 1 of the 36 month files.\r\n" +
                                         ShownPath::Text(monthFile("1105")) + ": "))
        << boxes.calls()[1].text.toStdString();
    EXPECT_EQ(FileLines(monthFile("1106")).size(), 200u);
    EXPECT_EQ(FileLines(monthFile("1212")).size(), 200u);
    EXPECT_GT(ListedRows(Control<Grid>(main, "StatGrid")), 0); // the day list of the 10th refreshed
    EXPECT_TRUE(state.CurrentRecord.FirstName.empty());

    state.settings.ReadOnlyMode = "1";
    fs::remove(monthFile("1106"));
    boxes.clear();
    click("Command1");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_FALSE(fs::exists(monthFile("1106")));

    // The desk closed (and gone) while a run goes: the run ends whole, nothing crashes.
    state.settings.ReadOnlyMode = "0";
    main->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<frmMain> desk(main);
    QTimer::singleShot(0, [&] { main->close(); });
    boxes.clear();
    click("Command1");
    EXPECT_FALSE(desk);
    main = nullptr;
    EXPECT_EQ(boxes.calls().back().text, "This will close your current session of Kestrane");
    EXPECT_EQ(FileLines(monthFile("1106")).size(), 200u);
}
