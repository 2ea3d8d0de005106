#include "ui/passes/frmPass.h"
#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/passes/PhotoFile.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/ListGrid.h"
#include "platform/MonthCalendar.h"
#include "platform/Pause.h"
#include "platform/Shell.h"
#include "platform/VideoCapture.h"
#include "ui/desk/frmMain.h"
#include "ui/passes/PassCard.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

namespace {

// Counts the windows of one name that open, and does in each what a user does.
class OpeningWatch : public QObject {
  public:
    OpeningWatch(const char* name, std::function<void(QWidget*)> inside)
        : name_(QString::fromLatin1(name)), inside_(std::move(inside)) {
        qApp->installEventFilter(this);
    }
    ~OpeningWatch() override { qApp->removeEventFilter(this); }
    int opened = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && watched->objectName() == name_) {
            ++opened;
            const QPointer<QWidget> window(static_cast<QWidget*>(watched));
            QTimer::singleShot(0, window, [this, window] { inside_(window); });
        }
        return false;
    }

  private:
    QString name_;
    std::function<void(QWidget*)> inside_;
};

// Passes as a receptionist makes them: F9 on the desk, then clicks in the
// pass window, and the booking's line in its month file afterwards.
class PassTest : public DeskWindowTest {
  protected:
    void SetUp() override {
        DeskWindowTest::SetUp();
        openOn({2014, 3, 15, 10, 30, 0});
        boxes.clear();
    }
    void TearDown() override {
        qunsetenv("KESTRANE_PRINT_TO_PDF");
        DeskWindowTest::TearDown();
    }
    QLineEdit* box(const char* name) { return Control<QLineEdit>(main, name); }
    QComboBox* combo(const char* name) { return Control<QComboBox>(main, name); }
    void retype(const char* name, const QString& text) { User::Retype(box(name), text); }
    // NEW, the names, a department, an organisation and a time on the 20th.
    void typeBooking(const char* first, const char* last) {
        click("cmdNEW");
        retype("FirstNameTB", QString::fromLatin1(first));
        retype("LastNameTB", QString::fromLatin1(last));
        User::Choose(combo("Dept1CB"), QStringLiteral(" FINANCE"));
        retype("CatOrganTB", QStringLiteral("ACME LTD"));
        User::Retype(combo("cbTime")->lineEdit(), QStringLiteral("11:45"));
        User::ClickCell(main, Control<Grid>(main, "TimeGrid"), 20, 1);
        click("cmdADD");
    }
    // F9 on the desk; inside runs on the pass window while it is open. False
    // when no pass window opened.
    bool onPassWindow(const std::function<void(frmPass&)>& inside) {
        bool opened = false;
        const auto watch = OnNextModal([&](QWidget* w) {
            auto* pass = qobject_cast<frmPass*>(w);
            if (!pass) {
                ADD_FAILURE() << "not the pass window: " << w->objectName().toStdString();
                w->close();
                return;
            }
            opened = true;
            inside(*pass);
            if (pass->isVisible())
                pass->close();
        });
        if (!main->isActiveWindow())
            User::ShowActive(main); // the desk is active again once a window over it has gone
        QTest::qWait(KeysSettle);
        QTest::keyClick(main, Qt::Key_F9);
        QTest::qWait(KeysSettle);
        return opened;
    }
    // A booking of the 20th opened from the day list.
    void openListed(const std::string& regNo) {
        User::Choose(combo("CBGetDay"), combo("CBGetDay")->itemText(20));
        Grid* list = Control<Grid>(main, "StatGrid");
        int row = 1;
        while (row < ListedRows(list) && list->Cell(row, 0).Text() != QString::fromStdString(regNo))
            ++row;
        User::ClickCell(main, list, row, 1);
        ASSERT_EQ(box("RegNoTB")->text().toStdString(), regNo);
    }
    std::string lineOf(const std::string& regNo) {
        for (const std::string& l : FileLines(monthFile("1403")))
            if (l.rfind(regNo, 0) == 0)
                return l;
        return {};
    }
    std::string line(const char* yymm = "1403") {
        const auto lines = FileLines(monthFile(yymm));
        return lines.empty() ? std::string() : lines.back();
    }
    static std::string passFields(const std::string& line) { return line.size() < 988 ? "" : line.substr(935, 52); }
    static char photoMark(const std::string& line) { return line.size() < 989 ? '?' : line[988]; }
    QString passLabel() { return Control<QLabel>(main, "PassPrntdLa")->text(); }
    std::string photoPath() {
        const BookingFields& r = state.CurrentRecord;
        return PhotoFile::PhotoFilePath(state.settings.DataRoot, r.RegNo, r.FirstName, r.LastName);
    }
    void writePhoto(const std::string& path) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        QImage green(176, 144, QImage::Format_RGB888);
        green.fill(Qt::green);
        ASSERT_TRUE(WriteBitmap(green, path));
    }
    static QString cardText(frmPass& w, const char* name) { return Control<QLabel>(&w, name)->text(); }
    static bool showsGreenPhoto(frmPass& w) {
        const QLabel* photo = Control<QLabel>(&w, "PassPortIma");
        const QImage shown = photo->pixmap().toImage();
        return !shown.isNull() && shown.pixelColor(shown.rect().center()) == QColor(Qt::green);
    }
    static void pick(frmPass& w, const char* comboName, const char* text) {
        User::Pick(Control<QComboBox>(&w, comboName), QString::fromLatin1(text));
    }
    static void doubleClickDate(frmPass& w, QDate date) {
        auto* calendar = Control<MonthCalendar>(&w, "Calendar2");
        calendar->setValue(date);
        auto* days = calendar->findChild<QTableView*>();
        ASSERT_TRUE(days);
        QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(days->currentIndex()).center());
    }
    QStringList texts() {
        QStringList t;
        for (const MsgBoxCall& c : boxes.calls())
            t << c.text;
        return t;
    }
    // Keys pressed in the moment after a window over this one closed, or a
    // date was picked, go nowhere: the milliseconds a test waits for that.
    static constexpr int KeysSettle = 20;
    static void tabTo(QWidget* window, const char* name) {
        window->activateWindow(); // as the window manager does when a window over it closes
        EXPECT_TRUE(QTest::qWaitFor([window] { return window->isActiveWindow(); }));
        QTest::qWait(KeysSettle);
        for (int i = 0; i < 100 && window->focusWidget() && window->focusWidget()->objectName() != name; ++i)
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(window->focusWidget());
        EXPECT_EQ(window->focusWidget()->objectName(), name);
    }
    // A key as the window system gives it: to whatever has the focus now, or
    // as soon as a window has it again when one has just closed.
    static void press(Qt::Key key) {
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::focusWindow() != nullptr; }));
        QTest::keyClick(QGuiApplication::focusWindow(), key);
    }
    static QString focusName(QWidget* window) {
        return window->focusWidget() ? window->focusWidget()->objectName() : QString();
    }
};

} // namespace

TEST_F(PassTest, PassButtonRefusesIncompleteOrUnsavedBookings) {
    const auto refusalOnF9 = [&] {
        boxes.clear();
        EXPECT_FALSE(onPassWindow([](frmPass&) {}));
        return boxes.calls().empty() ? QString() : boxes.calls().back().text;
    };
    click("cmdNEW");
    EXPECT_EQ(refusalOnF9(), "Can't Create PASS:  No first Name/Initial has been entered");
    retype("FirstNameTB", "J");
    EXPECT_EQ(refusalOnF9(), "Can't Create PASS:  No last Name has been entered");
    retype("LastNameTB", "Li");
    EXPECT_EQ(refusalOnF9(), "Can't Create PASS:  No Organisation name has been entered");
    retype("CatOrganTB", "ACME LTD");
    EXPECT_EQ(refusalOnF9(), "Can't Create PASS:  No Department has been selected");
    User::Choose(combo("Dept1CB"), QStringLiteral(" FINANCE"));
    // The save the pass button runs refuses the one-letter name: no window over "NEW Booking".
    EXPECT_EQ(refusalOnF9(), "Can't Save: A Valid Name does not appear to be entered");
    EXPECT_EQ(box("RegNoTB")->text(), "NEW Booking");
    EXPECT_TRUE(FileLines(monthFile("1403")).empty());

    state.settings.ReadOnlyMode = "1";
    EXPECT_EQ(refusalOnF9(), "You cannot create or save Passes in Read Only Mode");
}

TEST_F(PassTest, ValidityFollowsTheCombosAndTheCalendar) {
    typeBooking("Jo", "Li");
    retype("CatOrganTB", QStringLiteral("<u>ACME</u> LTD"));
    std::string helpPage;
    StartUp::SetShellOpener([&](const std::string& path, const std::string&) {
        helpPage = path;
        return true;
    });
    const bool opened = onPassWindow([&](frmPass& w) {
        EXPECT_EQ(w.windowTitle(), "SET NEW PASS DATES");
        EXPECT_EQ(cardText(w, "FirmNameTB"), "MY COMPANY");
        EXPECT_EQ(cardText(w, "PassNameTB"), "Jo Li");
        EXPECT_EQ(cardText(w, "PassOrganTB"), "<u>ACME</u> LTD");
        const QLabel* organisation = Control<QLabel>(&w, "PassOrganTB");
        EXPECT_GE(organisation->sizeHint().width(),
                  QFontMetrics(organisation->font()).horizontalAdvance(organisation->text()))
            << "shown as typed, not as markup";
        EXPECT_EQ(cardText(w, "PassDeptTB"), "FINANCE");
        EXPECT_EQ(cardText(w, "PassRegOPTB"), "No. 140315103000");
        EXPECT_EQ(cardText(w, "PassRegNoTB"), "140315103000");
        EXPECT_EQ(cardText(w, "laBC"), "*140315103000*");
        EXPECT_EQ(cardText(w, "PASSValidTB"), "DAY PASS  15 MAR 2014");
        EXPECT_EQ(cardText(w, "PassDateTB"), "15-03-2014");
        EXPECT_EQ(cardText(w, "PassTimeTB"), "15-03-2014 at 10:30");
        EXPECT_FALSE(Control<QPushButton>(&w, "cmdRemovePass")->isEnabled());

        boxes.clear();
        User::Click(&w, "cmdCal");
        EXPECT_EQ(texts(), QStringList{"You can only Issue/Print a Day Pass for TODAY"});
        EXPECT_TRUE(Control<QFrame>(&w, "PicCal2")->isHidden());
        pick(w, "PassNumberCB", "THREE ");
        pick(w, "PassPeriodCB", "Week");
        EXPECT_EQ(cardText(w, "PASSValidTB"), "Valid Until:  05 APR 2014");
        EXPECT_EQ(Control<QLabel>(&w, "laDayNotice")->text(), "PRINTING PASS");

        // A start before today is refused, by the calendar and again by Print.
        User::Click(&w, "cmdCal");
        const QRect calendarPanel = Control<QFrame>(&w, "PicCal2")->geometry();
        EXPECT_FALSE(Control<QFrame>(&w, "PicCal2")->isHidden());
        for (const char* button : {"cmdCancelPass", "cmdClosePass"})
            EXPECT_FALSE(calendarPanel.intersects(Control<QPushButton>(&w, button)->geometry())) << button;
        boxes.clear();
        doubleClickDate(w, QDate(2014, 3, 14));
        EXPECT_EQ(Control<QLineEdit>(&w, "PassTodayTB")->text(), "14-03-2014");
        EXPECT_EQ(cardText(w, "PASSValidTB"), "I N V A L I D");
        EXPECT_TRUE(Control<QFrame>(&w, "PicCal2")->isHidden());
        pick(w, "PassNumberCB", "TWO ");
        EXPECT_EQ(cardText(w, "PASSValidTB"), "Valid Until:  28 MAR 2014");
        User::Click(&w, "cmdPrintPass");
        EXPECT_EQ(texts(), QStringList(2, "You Cannot Issue a Pass DATED BEFORE Today"));

        // Month steps keep the day, wrap at the years' ends, and a month lacks no day.
        User::Click(&w, "cmdCal");
        auto* calendar = Control<MonthCalendar>(&w, "Calendar2");
        calendar->setValue(QDate(2024, 12, 31));
        User::Click(&w, "cmdCalINCR");
        EXPECT_EQ(calendar->Value(), QDate(2010, 1, 31));
        User::Click(&w, "cmdCalDECR");
        EXPECT_EQ(calendar->Value(), QDate(2010, 12, 31));
        User::Click(&w, "cmdCalDECR");
        EXPECT_EQ(calendar->Value(), QDate(2010, 11, 30));

        pick(w, "PassNumberCB", "ONE ");
        pick(w, "PassPeriodCB", "Month");
        doubleClickDate(w, QDate(2015, 1, 31));
        EXPECT_EQ(cardText(w, "PassDateTB"), "31-01-2015");
        EXPECT_EQ(cardText(w, "PASSValidTB"), "Valid Until:  28 FEB 2015");

        // A day pass goes back to today.
        pick(w, "PassPeriodCB", "Day");
        EXPECT_EQ(Control<QLineEdit>(&w, "PassTodayTB")->text(), "Today");
        EXPECT_EQ(cardText(w, "PASSValidTB"), "DAY PASS  15 MAR 2014");
        EXPECT_EQ(Control<QLabel>(&w, "laDayNotice")->text(), "PRINTING PASS ONLY VALID TODAY");

        QTest::qWait(KeysSettle); // after the date picked
        QTest::keyClick(&w, Qt::Key_F1);
        EXPECT_EQ(state.HelpTopic, 100);
    });
    StartUp::SetShellOpener(nullptr);
    ASSERT_TRUE(opened);
    EXPECT_EQ(helpPage, folder.path() + "KestraneDocs/issuingapass.html");
    // F9 saved the new booking first; closing without printing stores no pass.
    EXPECT_EQ(box("RegNoTB")->text(), "140315103000");
    EXPECT_EQ(passFields(line()), std::string(52, ' '));
    EXPECT_EQ(passLabel(), "No Pass on-File");
}

TEST_F(PassTest, PrintedPassIsStoredAndReadsBackThenIsRevoked) {
    typeBooking("Jo", "Li");
    click("cmdSAVE");
    // The printer takes its file name as a QString, which cannot hold every byte.
    const TempFolder printed(TempFolder::Name::Plain);
    const std::string pdf = printed.withSlash() + "pass.pdf";

    // A print that fails says so and stores no pass, but the photo taken before it is still recorded.
    qputenv("KESTRANE_PRINT_TO_PDF", QByteArray::fromStdString(folder.path() + "no/such/folder/pass.pdf"));
    boxes.clear();
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        boxes.queue(vb::vbNo);
        User::Click(&w, "cmdPrintPass");
        EXPECT_EQ(texts(), QStringList{"No Photo Found:  Do you wish to Print Without Photo ? "});
        const auto camera = OnNextModal([&](QWidget* cam) {
            writePhoto(photoPath());
            state.PhotoTakenFlag = true;
            cam->close();
        });
        User::Click(&w, "cmdCapture");
        boxes.clear();
        // The second click of a double click comes while the pass is printing, and prints nothing more.
        QTimer::singleShot(0, &w, [&] { User::Click(&w, "cmdPrintPass"); });
        User::Click(&w, "cmdPrintPass");
        ASSERT_EQ(boxes.calls().size(), 1u);
        EXPECT_EQ(boxes.calls()[0].text, "The pass was not printed: the printer could not take it");
        EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
        EXPECT_FALSE(Control<QPushButton>(&w, "cmdRemovePass")->isEnabled());
    }));
    EXPECT_EQ(passFields(line()), std::string(52, ' '));
    EXPECT_EQ(photoMark(line()), '1');

    // The print system's answers: a queue that refuses the job, one that is
    // stopped, none at all are told; only a job a queue took stores the pass.
    qunsetenv("KESTRANE_PRINT_TO_PDF");
    {
        TestPrintSystem cups;
        ASSERT_TRUE(onPassWindow([&](frmPass& w) {
            const auto print = [&](const char* command, const QStringList& arguments) {
                EXPECT_TRUE(cups.run(QString::fromLatin1(command), arguments));
                boxes.clear();
                User::Click(&w, "cmdPrintPass");
                return texts();
            };
            EXPECT_EQ(print("cupsreject", {"Q"}),
                      QStringList{"The pass was not printed: Destination \"Q\" is not accepting jobs."});
            EXPECT_TRUE(cups.run(QStringLiteral("cupsaccept"), {"Q"}));
            EXPECT_EQ(print("cupsdisable", {"-r", "Out of paper", "Q"}),
                      QStringList{"The pass was not printed: Printer \"Q\" is stopped: Out of paper"});
            EXPECT_EQ(print("lpadmin", {"-x", "Q"}),
                      QStringList{"The pass was not printed: there is no default printer"});
            EXPECT_FALSE(Control<QPushButton>(&w, "cmdRemovePass")->isEnabled());
        }));
        EXPECT_EQ(cups.jobs(), 0);
        EXPECT_EQ(passFields(line()), std::string(52, ' '));

        ASSERT_TRUE(cups.run(QStringLiteral("lpadmin"), {"-p", "Q", "-E", "-v", "file:///dev/null"}));
        ASSERT_TRUE(cups.run(QStringLiteral("lpadmin"), {"-d", "Q"}));
        boxes.clear();
        ASSERT_TRUE(onPassWindow([&](frmPass& w) {
            User::Click(&w, "cmdPrintPass");
            EXPECT_TRUE(Control<QPushButton>(&w, "cmdRemovePass")->isEnabled());
        }));
        EXPECT_EQ(texts(), QStringList{});
        EXPECT_EQ(cups.jobs(), 1);
        EXPECT_EQ(passFields(line()).substr(0, 24), "15-03-2014 15-03-2014 1D");
    }

    qputenv("KESTRANE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    Clock::Pin({2014, 3, 15, 10, 41, 0});
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        pick(w, "PassNumberCB", "THREE ");
        pick(w, "PassPeriodCB", "Week");
        Clock::Pin({2014, 3, 15, 10, 44, 0});
        User::Click(&w, "cmdPrintPass");
        EXPECT_TRUE(Control<QPushButton>(&w, "cmdRemovePass")->isEnabled());
    }));
    // The stamp is the moment the window opened; the paper shows the moment of printing.
    EXPECT_EQ(passFields(line()), "15-03-2014 05-04-2014 3W         15-03-2014 at 10:41");
    EXPECT_EQ(passLabel(), "05-04-2014  3 Week");
    EXPECT_FALSE(state.PassChanged);

    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* shown :
         {"MY COMPANY", "Jo Li", "ACME LTD", "REPORTS TO:", "FINANCE", "Valid Until:", "05 APR 2014",
          "Valid From:", "15-03-2014", "Issued:", "15-03-2014 at 10:44", "No. 140315103000"})
        EXPECT_TRUE(page.contains(QString::fromLatin1(shown))) << shown << " not in:\n" << page.toStdString();
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                  QString::fromStdString(pdf), QString::fromStdString(printed.withSlash() + "pass")});
    ASSERT_TRUE(render.waitForFinished(20000));
    QProcess scan;
    scan.start(QStringLiteral("zbarimg"),
               {QStringLiteral("-q"), QString::fromStdString(printed.withSlash() + "pass.png")});
    ASSERT_TRUE(scan.waitForFinished(20000));
    EXPECT_EQ(QString::fromUtf8(scan.readAllStandardOutput()).trimmed(), "CODE-39:140315103000");

    // Remove asks; No and Cancel keep the window and the pass, Yes blanks it.
    state.settings.ShowPassBarcode = "0";
    state.settings.ShowPassLogo = "0";
    state.settings.DisablePassPrinting = "1";
    boxes.clear();
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        EXPECT_TRUE(Control<QWidget>(&w, "laBC")->isHidden());
        EXPECT_TRUE(Control<QWidget>(&w, "LogoImage")->isHidden());
        EXPECT_FALSE(Control<QPushButton>(&w, "cmdPrintPass")->isEnabled());
        for (int answer : {vb::vbNo, vb::vbCancel}) {
            boxes.queue(answer);
            User::Click(&w, "cmdRemovePass");
            EXPECT_TRUE(w.isVisible());
            EXPECT_FALSE(state.PassRevokeRequest);
        }
        ASSERT_EQ(boxes.calls().size(), 2u);
        EXPECT_EQ(boxes.calls()[0].text, "This will REMOVE the pass record for Jo Li\r\n\r\n"
                                         "Start Date: 15-03-2014   Pass Ends: 05-04-2014\r\n"
                                         "Pass Issued: 15-03-2014 at 10:41 for 3 Weeks\r\n"
                                         "ACME LTD  [ 140315103000 ]\r\n\r\nDo you wish to proceed ?");
        EXPECT_EQ(boxes.calls()[0].style, vb::vbYesNoCancel | vb::vbQuestion);
        boxes.queue(vb::vbYes);
        User::Click(&w, "cmdRemovePass");
        EXPECT_FALSE(w.isVisible());
    }));
    EXPECT_EQ(passFields(line()), std::string(52, ' '));
    EXPECT_EQ(passLabel(), "No Pass on-File");
    EXPECT_FALSE(state.PassRevokeRequest);
}

// An opener's window may load with events running: the rest of a double
// click, or a second quick click, arrives then and must open nothing more.
TEST_F(PassTest, OnePressOpensOneWindow) {
    const auto secondClick = [](QPushButton* button, bool doubleClick) {
        QTimer::singleShot(0, button, [button, doubleClick] {
            if (doubleClick) {
                QTest::mouseDClick(button, Qt::LeftButton);
                QTest::mouseRelease(button, Qt::LeftButton);
            } else {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        QTest::mouseClick(button, Qt::LeftButton);
    };
    VideoCaptureDevices::SetMaker([] { return VideoCaptureDevices::MakeTestPattern(); });
    for (const bool doubleClick : {true, false}) {
        SCOPED_TRACE(doubleClick ? "double click" : "two quick clicks");
        Clock::Pin({2014, 3, 15, 10, doubleClick ? 30 : 31, 0});
        typeBooking("Jo", "Li");
        {
            // The desk's pass button first saves a new booking, and the save blinks the caption.
            OpeningWatch passes("frmPass", [](QWidget* w) { w->close(); });
            secondClick(Control<QPushButton>(main, "cmdGetCARD"), doubleClick);
            EXPECT_EQ(passes.opened, 1);
        }
        EXPECT_EQ(FileLines(monthFile("1403")).size(), doubleClick ? 1u : 2u);
        OpeningWatch cameras("frmCapTest", [](QWidget* w) { User::Click(w, "cmdSaveDIB"); });
        ASSERT_TRUE(onPassWindow([&](frmPass& w) {
            secondClick(Control<QPushButton>(&w, "cmdCapture"), doubleClick);
            EXPECT_TRUE(std::filesystem::exists(photoPath()));
        }));
        EXPECT_EQ(cameras.opened, 1) << "one photo taken, not a second one over it";
    }
    VideoCaptureDevices::SetMaker(nullptr);
}

// A key pressed twice quickly acts once: the second press, arriving while
// the pass prints, as the camera, the photo library or the pass window
// closes or as the calendar hides, goes nowhere, and the focus stays on the
// button the user reached. While the calendar shows, Tab stays among the
// controls that can be seen.
TEST_F(PassTest, ASecondQuickReturnGoesNowhere) {
    const TempFolder printed(TempFolder::Name::Plain); // the printer takes its file name as a QString
    qputenv("KESTRANE_PRINT_TO_PDF", QByteArray::fromStdString(printed.withSlash() + "pass.pdf"));
    VideoCaptureDevices::SetMaker([] { return VideoCaptureDevices::MakeTestPattern(); });
    typeBooking("Jo", "Li");
    click("cmdSAVE");
    ASSERT_TRUE(onPassWindow([](frmPass& w) { User::Click(&w, "cmdPrintPass"); }));
    const std::string pass = passFields(line());
    ASSERT_EQ(pass.substr(0, 10), "15-03-2014");

    StartUp::SetPauseScale(1.0); // the second press 100 ms after the first, as a hand makes it
    const auto twice = [](Qt::Key key) {
        QTimer::singleShot(100, [key] { press(key); });
        press(key);
    };
    // A window closed by the first press: the second comes just after, to the window under it, active again.
    const auto twiceClosing = [](QWidget* window, Qt::Key key) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([window] { return window->isActiveWindow(); }));
        QWidget* under = window->parentWidget()->window();
        QObject::connect(static_cast<QDialog*>(window), &QDialog::finished, under, [under, key] {
            under->activateWindow();
            QTimer::singleShot(50, under, [key] { press(key); });
        });
        press(key);
    };
    boxes.clear();
    int cameras = 0, libraries = 0, passWindows = 0;
    OpeningWatch camera("frmCapTest", [&](QWidget* cam) {
        if (++cameras > 1) {
            cam->close();
            return;
        }
        tabTo(cam, "cmdSaveDIB");
        twiceClosing(cam, Qt::Key_Return);
    });
    OpeningWatch library("frmHandlePhoto", [&](QWidget* photos) {
        ++libraries;
        twiceClosing(photos, Qt::Key_Escape);
    });
    OpeningWatch passes("frmPass", [&](QWidget* opened) {
        frmPass& w = *static_cast<frmPass*>(opened);
        if (++passWindows > 2) {
            w.close();
            return;
        }
        if (passWindows == 2) {
            // Close, on a visit that changed nothing, with the desk's focus on Pass.
            tabTo(&w, "cmdClosePass");
            twiceClosing(&w, Qt::Key_Return);
            return;
        }
        for (const char* opener : {"cmdCapture", "cmdGetPhoto"}) {
            tabTo(&w, opener);
            press(Qt::Key_Return);
            QTest::qWait(500);
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(focusName(&w), opener);
        }

        tabTo(&w, "cmdPrintPass");
        twice(Qt::Key_Return);
        QTest::qWait(500);
        EXPECT_EQ(texts(), QStringList{}) << "the second Return pressed Remove";
        EXPECT_EQ(focusName(&w), "cmdPrintPass");

        auto* panel = Control<QFrame>(&w, "PicCal2");
        User::Choose(Control<QComboBox>(&w, "PassPeriodCB"), QStringLiteral("Week"));
        tabTo(&w, "cmdCal");
        press(Qt::Key_Return);
        ASSERT_TRUE(panel->isVisible());
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
            QWidget* at = w.focusWidget();
            const QRect place(at->mapTo(&w, QPoint(0, 0)), at->size());
            EXPECT_TRUE(panel->isAncestorOf(at) || !panel->geometry().intersects(place))
                << at->objectName().toStdString() << " lies under the calendar";
        }
        tabTo(&w, "qt_calendar_calendarview");
        QTest::keyClick(w.focusWidget(), Qt::Key_Right);
        twice(Qt::Key_Return);
        QTest::qWait(500);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(Control<QLineEdit>(&w, "PassTodayTB")->text(), "16-03-2014");
        EXPECT_EQ(focusName(&w), "cmdCal");
        w.close();
    });
    for (int visit = 1; visit <= 2; ++visit) {
        tabTo(main, "cmdGetCARD");
        press(Qt::Key_Return);
        QTest::qWait(500);
    }
    StartUp::SetPauseScale(0.01);
    VideoCaptureDevices::SetMaker(nullptr);
    EXPECT_EQ(passWindows, 2);
    EXPECT_EQ(cameras, 1);
    EXPECT_EQ(libraries, 1);
    EXPECT_EQ(texts(), QStringList{});
    EXPECT_EQ(passFields(line()), pass);
    EXPECT_EQ(photoMark(line()), '1');
}

// Keys alone through the windows: Return presses the button Tab moved to,
// and Escape closes a window as its close box does.
TEST_F(PassTest, ReturnPressesTheFocusedButtonAndEscapeClosesTheWindow) {
    const auto press = [](QWidget* window, Qt::Key key) { QTest::keyClick(window->focusWidget(), key); };
    typeBooking("Jo", "Li");
    tabTo(main, "cmdSAVE");
    press(main, Qt::Key_Return);
    EXPECT_EQ(FileLines(monthFile("1403")).size(), 1u) << "the desk";

    QString listed;
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        const auto library = OnNextModal([&](QWidget* photos) {
            tabTo(photos, "cmdHPList");
            press(photos, Qt::Key_Return);
            listed = photos->windowTitle();
            press(photos, Qt::Key_Tab);
            press(photos, Qt::Key_Escape); // from the list
            EXPECT_FALSE(photos->isVisible()) << "the photo library";
            photos->close();
        });
        tabTo(&w, "cmdGetPhoto");
        press(&w, Qt::Key_Return);
        tabTo(&w, "cmdClosePass");
        press(&w, Qt::Key_Return);
        EXPECT_FALSE(w.isVisible()) << "the pass window";
    }));
    EXPECT_EQ(listed, "Manage Photo  [ No Photos Found ]");

    {
        const auto location = OnNextModal([&](QWidget* w) {
            tabTo(w, "cmdDCLEAR");
            press(w, Qt::Key_Return);
            press(w, Qt::Key_Escape);
            w->close();
        });
        tabTo(main, "cmdMore");
        press(main, Qt::Key_Return);
    }
    EXPECT_EQ(state.CurrentRecord.AccessAreas, " -  Select  - ") << "cleared, and kept as the close box keeps it";

    state.SettingsPasswordGiven = true;
    bool settingsOpened = false;
    std::unique_ptr<QTimer> settingsWatch;
    const auto about = OnNextModal([&](QWidget* w) {
        settingsWatch = OnNextModal([&](QWidget* settings) {
            settingsOpened = true;
            tabTo(settings, "ckStartFull");
            press(settings, Qt::Key_Space);
            boxes.queue(vb::vbNo);
            press(settings, Qt::Key_Escape);
            settings->close();
        });
        tabTo(w, "cmdConfig");
        press(w, Qt::Key_Return);
        w->close();
    });
    boxes.clear();
    QTest::mouseClick(Control<ClickLabel>(main, "qxlogoIM"), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(settingsOpened) << "Config... pressed, not the about window's Ok";
    EXPECT_EQ(texts(), QStringList{"Kestrane settings have changed. Do you wish to save them?"});
    EXPECT_EQ(state.settings.StartFullScreen, "0");
}

// Every text of the card shows whole at the fonts in use, and no frame line
// runs through one: on screen and on paper.
TEST_F(PassTest, CardTextsShowWholeAndNoFrameLineCrossesThem) {
    using namespace PassCard;
    const std::pair<const Field*, std::string_view> fields[] = {{&FirmName(), ""},
                                                                {&Name(), ""},
                                                                {&Organisation(), ""},
                                                                {&ReportsTo(), "REPORTS TO:"},
                                                                {&Department(), ""},
                                                                {&Validity(), ""},
                                                                {&ValidFromLabel(), "Valid From:"},
                                                                {&ValidFrom(), "00-00-0000"},
                                                                {&IssuedLabel(), "Issued:"},
                                                                {&Issued(), Lists::PassIssuedForm},
                                                                {&RegNoLine(), "No. 000000000000"}};
    for (const double dpi : {96.0, 1200.0})
        for (const auto& [field, form] : fields) {
            SCOPED_TRACE(testing::Message() << field->name << " at " << dpi << " dpi");
            const QRectF place = At(field->twips, dpi);
            const QFontMetricsF metrics(FontAt(*field, dpi));
            EXPECT_LE(metrics.height(), place.height());
            EXPECT_LE(metrics.horizontalAdvance(WidestDigits(form, FontAt(*field, dpi))), place.width());
            if (field->backed)
                continue;
            const double pen = std::max(1.0, dpi / 96.0);
            for (const QRect& twips : {OutlineTwips, PhotoFrameTwips, DeptBoxTwips, LogoFrameTwips}) {
                const QRectF frame = At(twips, dpi).adjusted(-pen / 2, -pen / 2, pen / 2, pen / 2);
                const QRectF inside = frame.adjusted(pen, pen, -pen, -pen);
                EXPECT_TRUE(!place.intersects(frame) || inside.contains(place)) << "crosses a frame";
            }
        }

    // A long name runs under the logo's frame, which gives way to it; beside
    // a short one the frame stays whole. On paper the firm's name does the same.
    const int logoFrameBottom = (LogoFrameTwips.y() + LogoFrameTwips.height()) / 15, outlineTop = OutlineTwips.y() / 15;
    const auto blackRun = [](const QImage& card, int y, int from, int to) {
        int black = 0;
        for (int x = from; x < to; ++x)
            black += card.pixelColor(x, y) == QColor(Qt::black);
        return black == to - from;
    };
    for (const bool longName : {false, true}) {
        SCOPED_TRACE(longName ? "long name" : "short name");
        const char* first = longName ? "WWWWWWWWWWWWWWWW" : "Jo";
        const char* last = longName ? "WWWWWWWWWWWWWWWWWW" : "Li";
        typeBooking(first, last);
        click("cmdSAVE");
        QImage screen;
        ASSERT_TRUE(onPassWindow([&](frmPass& w) { screen = Control<QWidget>(&w, "Picture1")->grab().toImage(); }));
        Content card;
        card.firmName = QStringLiteral("MY COMPANY");
        card.name = QString::fromLatin1(first) + u' ' + QString::fromLatin1(last);
        card.logo = QPixmap(96, 49);
        card.logo.fill(Qt::white);
        QImage paper(At(QRect(QPoint(0, 0), CardTwips), 96).size().toSize(), QImage::Format_RGB32);
        Paint(paper, card, 96);
        for (const QImage* shown : {&screen, &paper})
            EXPECT_EQ(blackRun(*shown, logoFrameBottom, LogoFrameTwips.left() / 15 + 2, Name().twips.right() / 15),
                      !longName);
        EXPECT_FALSE(blackRun(paper, outlineTop, FirmName().twips.left() / 15 + 1, 60));
    }
}

TEST_F(PassTest, PhotoFlagsFollowEachBookingsOwnFile) {
    typeBooking("Jo", "Li");
    click("cmdSAVE");
    const std::string joPhoto = photoPath();

    // The camera writes Jo's photo: the card shows it and the booking records it.
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        EXPECT_FALSE(showsGreenPhoto(w));
        const auto camera = OnNextModal([&](QWidget* cam) {
            writePhoto(joPhoto);
            state.PhotoTakenFlag = true;
            cam->close();
        });
        User::Click(&w, "cmdCapture");
        EXPECT_TRUE(showsGreenPhoto(w));
        EXPECT_EQ(state.CurrentRecord.PhotoOnFile, "1");
    }));
    EXPECT_EQ(photoMark(line()), '1');
    EXPECT_EQ(Control<QLabel>(main, "PhotoOnFLa")->text(), "Photo on-File");

    // Another booking: the flags left from Jo's photo and a deletion in the library mark nothing.
    Clock::Pin({2014, 3, 15, 10, 35, 0});
    typeBooking("Al", "Bo");
    click("cmdSAVE");
    state.PhotoTakenFlag = true;
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        const auto library = OnNextModal([&](QWidget* lib) {
            state.PhotoDeletedFlag = true; // some other booking's photo
            lib->close();
        });
        User::Click(&w, "cmdGetPhoto");
        EXPECT_FALSE(showsGreenPhoto(w));
        EXPECT_EQ(state.CurrentRecord.PhotoOnFile, "0");
        EXPECT_FALSE(state.PhotoDeletedFlag);
    }));
    EXPECT_EQ(photoMark(line()), '0');
    EXPECT_EQ(Control<QLabel>(main, "PhotoOnFLa")->text(), "NO PHOTO");
    EXPECT_FALSE(std::filesystem::exists(photoPath()));

    // Jo's photo goes (at another desk) while Jo is open here: the card finds
    // it missing and the corrected mark is stored.
    openListed("140315103000");
    std::filesystem::remove(joPhoto);
    ASSERT_TRUE(onPassWindow([&](frmPass& w) { EXPECT_FALSE(showsGreenPhoto(w)); }));
    const auto lines = FileLines(monthFile("1403"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(photoMark(lines[0]), '0');

    // Another desk spells Al's last name in the files' 8-bit text and files
    // his photo under it: the card still shows it.
    const std::string alRegNo = lines[1].substr(0, 12);
    std::string bytes = lines[0] + "\r\n" + lines[1] + "\r\n";
    bytes.replace(lines[0].size() + 2 + 30, 2, "B\xd6");
    std::ofstream(monthFile("1403"), std::ios::binary) << bytes;
    openListed(alRegNo);
    EXPECT_EQ(box("LastNameTB")->text(), QString::fromLatin1("B\xd6"));
    writePhoto(joPhoto);
    std::filesystem::rename(joPhoto, photoPath()); // the path holds a byte that is no UTF-8
    ASSERT_TRUE(onPassWindow([&](frmPass& w) { EXPECT_TRUE(showsGreenPhoto(w)); }));
    retype("PersMobTB", QStringLiteral("0123"));
    click("cmdSAVE");
    EXPECT_EQ(lineOf(alRegNo).substr(30, 3), "B\xd6 "); // a save keeps the letter typing could not give
}

TEST_F(PassTest, FailedPassStoreStaysPendingAndIsReported) {
    const TempFolder printed(TempFolder::Name::Plain); // the printer takes its file name as a QString
    qputenv("KESTRANE_PRINT_TO_PDF", QByteArray::fromStdString(printed.withSlash() + "pass.pdf"));
    const auto print = [](frmPass& w) { User::Click(&w, "cmdPrintPass"); };
    typeBooking("Al", "Bo");
    click("cmdSAVE");
    ASSERT_TRUE(onPassWindow(print));
    const std::string alPass = passFields(lineOf("140315103000"));
    ASSERT_EQ(alPass.substr(0, 24), "15-03-2014 15-03-2014 1D") << "the opening pass ends today";

    Clock::Pin({2014, 3, 15, 10, 35, 0});
    typeBooking("Jo", "Li");
    click("cmdSAVE");
    // The month file cannot be rewritten while a folder stands in its place.
    const std::string file = monthFile("1403");
    const std::string kept = file + ".kept";
    const auto blockFile = [&] {
        std::filesystem::rename(file, kept);
        std::filesystem::create_directory(file);
        boxes.clear();
    };
    const auto unblockFile = [&] {
        std::filesystem::remove(file);
        std::filesystem::rename(kept, file);
    };
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        pick(w, "PassPeriodCB", "Day");
        print(w);
        blockFile();
    }));
    EXPECT_FALSE(boxes.calls().empty()) << "the failed store is reported";
    EXPECT_TRUE(state.PassChanged);
    unblockFile();
    main->Form_Activate();
    EXPECT_FALSE(state.PassChanged);
    EXPECT_EQ(passFields(lineOf("140315103500")).substr(0, 24), "15-03-2014 16-03-2014 1D")
        << "a day pass worked out ends tomorrow";

    // A revocation that could not be stored is Jo's alone: saving Al afterwards keeps Al's pass.
    ASSERT_TRUE(onPassWindow([&](frmPass& w) {
        blockFile();
        boxes.queue(vb::vbYes);
        User::Click(&w, "cmdRemovePass");
    }));
    EXPECT_TRUE(state.PassRevokeRequest);
    unblockFile();
    openListed("140315103000");
    click("cmdSAVE");
    main->Form_Activate();
    EXPECT_EQ(passFields(lineOf("140315103000")), alPass);
    EXPECT_EQ(passFields(lineOf("140315103500")).substr(0, 10), "15-03-2014");
}
