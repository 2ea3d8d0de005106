#include "UiTestSupport.h"
#include "core/Clock.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/MonthCalendar.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "ui/desk/frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class MainWindowTest : public DeskWindowTest {
  protected:
    void SetUp() override {
        DeskWindowTest::SetUp();
        Clock::Pin({2014, 3, 15, 10, 30, 0});
    }
    // A window loaded on the day pinned, not shown.
    frmMain& load() { return openOn(Clock::Now(), false); }
    // Loaded, shown and the active window, so keys reach it as they reach a user's.
    frmMain& shown() {
        openOn(Clock::Now());
        QApplication::processEvents();
        return *main;
    }
    template <typename T> T* control(const char* name) { return Control<T>(main, name); }
    QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
    QString messages() const {
        QStringList all;
        for (const auto& c : boxes.calls())
            all << c.text;
        return all.join(u'|');
    }
};

} // namespace

// Keys of the window's key map run their command once, wherever the focus is,
// and never reach a box as text.
TEST_F(MainWindowTest, KeysActOnceAndNeverTypeTheirLetter) {
    std::filesystem::remove(folder.path() + "Kestranedata/Record/1403.vrf");
    frmMain& w = shown();
    boxes.clear();
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    QTest::keyClick(&w, Qt::Key_F2);
    ASSERT_EQ(boxes.calls().size(), 1u) << messages().toStdString();
    EXPECT_EQ(boxes.calls()[0].text, "No Visitor Bookings for this DATE have been found");

    QTest::mouseClick(control<QPushButton>("cmdNEW"), Qt::LeftButton);
    EXPECT_EQ(box("RegNoTB")->text(), "NEW Booking");
    QTest::keyClicks(box("FirstNameTB"), "Jo");
    boxes.clear();
    QTest::keyClick(box("FirstNameTB"), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(box("FirstNameTB")->text(), "Jo");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Can't SAVE without First Name [ Or Initial ] AND Last Name");
    QTest::keyClick(box("FirstNameTB"), Qt::Key_S, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(boxes.calls().size(), 2u) << "Alt+Ctrl+S saves too";
    QTest::keyClick(box("FirstNameTB"), Qt::Key_S);
    EXPECT_EQ(box("FirstNameTB")->text(), "Jos") << "S alone is a letter";

    // Alt with a letter or digit that is no key of the map does nothing, in
    // every box; letters made with AltGr type.
    boxes.clear();
    EXPECT_EQ(User::AltKeysInEveryBox(&w, "OXCWQABEFGHIJKLRUVYZ0123456789"), "");
    EXPECT_TRUE(boxes.calls().empty()) << messages().toStdString();
    EXPECT_EQ(state.CurrentRecord.FirstName, "Jos");
    QTest::sendKeyEvent(QTest::Click, box("MainFindTB"), Qt::Key_Q, QStringLiteral("@"), Qt::GroupSwitchModifier);
    QTest::sendKeyEvent(QTest::Click, box("MainFindTB"), Qt::Key_Q, QStringLiteral("@"),
                        Qt::AltModifier | Qt::ControlModifier); // AltGr as some layouts report it
    QTest::sendKeyEvent(QTest::Click, box("MainFindTB"), Qt::Key_E, QString(QChar(0xE9)),
                        Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(box("MainFindTB")->text(), QStringLiteral("@@") + QChar(0xE9));

    auto* year = control<QComboBox>("CBGetYear");
    QTest::keyClick(year->lineEdit(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(year->currentText(), "2014");
    EXPECT_EQ(state.ListMode, ListMode::DayList);

    std::ofstream(folder.path() + "Kestranedata/Record/1403.vrf");
    auto* grid = control<Grid>("TimeGrid");
    User::ClickCell(&w, grid, 20, 1);
    boxes.clear();
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(QApplication::focusWidget(), grid) << "F2 runs Today and opens no cell editor";
    EXPECT_TRUE(boxes.calls().empty()) << messages().toStdString();

    std::string opened;
    StartUp::SetShellOpener([&](const std::string& path, const std::string&) {
        opened = path;
        return true;
    });
    state.HelpTopic = 25;
    QTest::keyClick(box("CatOrganTB"), Qt::Key_F1, Qt::ShiftModifier);
    StartUp::SetShellOpener(nullptr);
    EXPECT_TRUE(opened.ends_with("KestraneDocs/makebooking.html")) << opened;
}

// The input aids of the booking form, as a receptionist uses them.
TEST_F(MainWindowTest, FormBoxesTakeWhatTheyShouldFromKeysAndClicks) {
    frmMain& w = shown();
    QTest::keyClicks(box("FirstNameTB"), "Mary");
    EXPECT_EQ(box("FirstNameTB")->text(), "") << "no booking started";
    QTest::mouseClick(control<QPushButton>("cmdNEW"), Qt::LeftButton);
    QTest::keyClicks(box("FirstNameTB"), "A BC D");
    EXPECT_EQ(box("FirstNameTB")->text(), "A BC");
    EXPECT_EQ(box("LastNameTB")->text(), "D");
    EXPECT_EQ(QApplication::focusWidget(), box("LastNameTB"));
    QTest::keyClicks(box("LastNameTB"), "'7-r");
    EXPECT_EQ(box("LastNameTB")->text(), "D-r");
    // A paste loses what the box refuses before it is cut to the box's 18 characters.
    QApplication::clipboard()->setText("O'Brien 2-Fitz'Gerald!");
    QTest::keyClick(box("LastNameTB"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("LastNameTB")->text(), "D-rOBrien -FitzGer");
    EXPECT_EQ(state.CurrentRecord.FirstName, "A BC");
    EXPECT_EQ(state.CurrentRecord.LastName, "D-rOBrien -FitzGer");
    QApplication::clipboard()->setText("AB" + QString(8, QChar(0x20AC)) + "CD 123");
    QTest::keyClick(box("PersCarRegTB"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("PersCarRegTB")->text(), "ABCD 123");
    QTest::keyClick(box("PersCarRegTB"), Qt::Key_Backspace);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(4, 4),
                                 box("PersCarRegTB")->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(box("PersCarRegTB"), &rightClick);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    for (QAction* entry : menu->actions())
        if (entry->text().startsWith("&Paste"))
            entry->trigger();
    menu->close();
    EXPECT_EQ(box("PersCarRegTB")->text(), "ABCD 12ABC");

    QTest::mouseClick(box("PersGendTB"), Qt::LeftButton);
    EXPECT_EQ(box("PersGendTB")->text(), "M");
    QTest::mouseClick(box("PersGendTB"), Qt::LeftButton);
    EXPECT_EQ(box("PersGendTB")->text(), "F");
    EXPECT_EQ(state.CurrentRecord.Gender, "F");
    // By keys: Tab from the last name; Space toggles as a click does, M and F set it.
    QTest::keyClick(box("LastNameTB"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box("PersGendTB"));
    const std::pair<Qt::Key, const char*> genderKeys[] = {
        {Qt::Key_Space, "M"}, {Qt::Key_Space, "F"}, {Qt::Key_F, "F"}, {Qt::Key_M, "M"}, {Qt::Key_F, "F"}};
    for (const auto& [key, gender] : genderKeys) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(box("PersGendTB")->text(), gender);
        EXPECT_EQ(state.CurrentRecord.Gender, gender);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(state.CurrentRecord.Gender, "M");

    TypeText(box("CatOrganTB"), QString::fromUtf8("Z\u00fcrich \u20ac"));
    EXPECT_EQ(state.CurrentRecord.Organisation, "Z\xfcrich ") << "refused from the first key on";
    TypeText(box("MainFindTB"), QString::fromUtf8("\u0141"));
    EXPECT_EQ(box("MainFindTB")->text(), "") << "the find box compares with stored bytes";

    boxes.clear();
    box("PersEmailTB")->setFocus();
    QTest::keyClicks(box("PersEmailTB"), "JOE@EXAMPLECOM");
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason); // a context menu opens over the box
    QApplication::sendEvent(box("PersEmailTB"), &popup);
    EXPECT_TRUE(boxes.calls().empty());
    QTest::mouseClick(box("CatOrganTB"), Qt::LeftButton);
    EXPECT_EQ(box("PersEmailTB")->text(), "joe@examplecom");
    ASSERT_EQ(boxes.calls().size(), 1u) << messages().toStdString();
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane [Bad Domain Identity]");
    (void)w;
}

TEST_F(MainWindowTest, LayoutFollowsTheWindowSize) {
    frmMain& w = load();
    w.Form_Resize(15200, 7700);
    EXPECT_EQ(Control<QFrame>(&w, "Fraim5")->x(), 214);
    EXPECT_EQ(Control<QFrame>(&w, "Fraim4")->x(), 401);
    EXPECT_EQ(Control<ClickLabel>(&w, "qxlogoIM")->x(), 961);
    const int before = Control<Grid>(&w, "StatGrid")->height();
    w.Form_Resize(15200 + 1500, 7700);
    EXPECT_EQ(Control<QFrame>(&w, "Fraim5")->x(), 314);
    EXPECT_EQ(Control<QFrame>(&w, "Fraim4")->x(), 501);
    EXPECT_EQ(Control<ClickLabel>(&w, "qxlogoIM")->x(), 1061);
    EXPECT_EQ(Control<Grid>(&w, "StatGrid")->width(), (16700 - 470 + 7) / 15);
    EXPECT_EQ(Control<Grid>(&w, "StatGrid")->height(), before) << "7700 leaves the grid's height alone";
    w.Form_Resize(15200, 7701);
    EXPECT_EQ(Control<Grid>(&w, "StatGrid")->height(), 133); // 2001 twips without visual styles
    PlatformAnswers themed;
    themed.system.ThemeActive = true;
    Platform::SetAnswers(themed);
    w.Form_Resize(15200, 7701);
    EXPECT_EQ(Control<Grid>(&w, "StatGrid")->height(), 117); // 1751 twips
}

// Started full screen, at the sizes screens have, no label, box, button or
// grid of the desk is drawn over another.
TEST_F(MainWindowTest, FullScreenKeepsEveryControlApart) {
    state.settings.StartFullScreen = "1";
    frmMain& w = shown();
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(size.width());
        w.resize(size);
        QApplication::processEvents();
        ASSERT_EQ(w.width(), size.width());
        std::vector<QWidget*> shown;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c) ||
                                 qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) || qobject_cast<Grid*>(c);
            if (control && c->isVisibleTo(&w))
                shown.push_back(c);
        }
        const auto within = [](QWidget* inner, QWidget* outer) { return outer->isAncestorOf(inner); };
        // A caption draws only its text; a control all of itself.
        const auto drawnArea = [](QWidget* c) {
            auto* label = qobject_cast<QLabel*>(c);
            if (!label || label->text().isEmpty() || label->frameShape() != QFrame::NoFrame)
                return c->rect();
            const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
        };
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                QWidget* a = shown[i];
                QWidget* b = shown[j];
                if (within(a, b) || within(b, a))
                    continue;
                const QRect ra = drawnArea(a).translated(a->mapTo(&w, QPoint(0, 0)));
                const QRect rb = drawnArea(b).translated(b->mapTo(&w, QPoint(0, 0)));
                const auto name = [](QWidget* c) { return c->objectName() + u'/' + c->property("text").toString(); };
                EXPECT_FALSE(ra.intersects(rb)) << (name(a) + QStringLiteral(" over ") + name(b)).toStdString();
            }
    }
}

TEST_F(MainWindowTest, StatusBlinksInTheCaptionUntilTheNextTick) {
    state.StatusPending = true; // as a window closing over the desk leaves it
    state.StatusMessage = "Record 1 SAVED";
    frmMain& w = shown();
    auto* timer = Control<QTimer>(&w, "Timer1");
    EXPECT_EQ(w.windowTitle(), "Brantholm Solutions Kestrane  [ Record 1 SAVED ]");
    EXPECT_TRUE(timer->isActive());
    EXPECT_GT(timer->remainingTime(), 12000) << "the interval starts anew";
    const auto tick = [timer] { QMetaObject::invokeMethod(timer, "timeout"); };

    state.settings.ClockInTimesList = "1";
    Control<QFrame>(&w, "shDayBorder")->show();
    tick();
    EXPECT_EQ(w.windowTitle(), "Brantholm Solutions Kestrane");
    EXPECT_EQ(Control<QComboBox>(&w, "cbTime")->currentText(), "10:30");
    EXPECT_EQ(Control<QLabel>(&w, "laSelTime")->text(), "Time Now");
    EXPECT_TRUE(Control<QFrame>(&w, "shDayBorder")->isHidden());
    state.settings.ClockInTimesList = "0";
    tick();
    EXPECT_EQ(Control<QLabel>(&w, "laSelTime")->text(), "Select");
}

TEST_F(MainWindowTest, StartsOnTodayWithTheButtonsItsModesAllow) {
    frmMain& w = load();
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetDay")->currentText(), "15th");
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetMonth")->currentText(), "MARCH");
    EXPECT_EQ(Control<QComboBox>(&w, "CBGetYear")->currentText(), "2014");
    EXPECT_EQ(Control<QComboBox>(&w, "CBMonth")->currentText(), "MARCH");
    EXPECT_EQ(Control<QComboBox>(&w, "CBYear")->currentText(), "2014");
    EXPECT_EQ(Control<QComboBox>(&w, "CBListBy")->currentText(), "ANY TEXT");
    EXPECT_EQ(Control<MonthCalendar>(&w, "Calendar1")->Value(), QDate(2014, 3, 15));
    EXPECT_EQ(Control<Grid>(&w, "StatGrid")->Rows(), 100);
    EXPECT_TRUE(boxes.calls().empty()) << messages().toStdString();

    state.settings.DisableSingleDelete = "1";
    load();
    EXPECT_FALSE(control<QPushButton>("cmdDelete")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdMultiDELETE")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdSAVE")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("Command1")->isEnabled());

    // Read-only unless the option is "0", keys included: a blank writes nothing.
    state.settings.ReadOnlyMode = " ";
    shown();
    for (const char* name : {"cmdGetCARD", "cmdADD", "cmdSUB", "cmdCLEARAll", "cmdIN", "cmdOUT", "cmdMultiDELETE",
                             "cmdDelete", "cmdSAVE", "cmdNEW", "Command1"})
        EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;
    EXPECT_TRUE(control<Grid>("TimeGrid")->ReadOnly());
    EXPECT_TRUE(control<QPushButton>("cmdGetAny")->isEnabled());
    QTest::keyClick(main, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(box("RegNoTB")->text(), "");
    QTest::keyClicks(box("FirstNameTB"), "Jo");
    QTest::keyClick(box("FirstNameTB"), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(std::filesystem::file_size(folder.path() + "Kestranedata/Record/1403.vrf"), 0u);

    state.settings.ShowStatusListAtStart = "1";
    Clock::Pin({2014, 3, 3, 9, 0, 0});
    EXPECT_EQ(Control<QComboBox>(&load(), "CBGetDay")->currentText(), "03rd");

    // A pipe in place of today's month file: the desk starts, and says so.
    state.settings.ShowStatusListAtStart = "0";
    const std::string month = folder.path() + "Kestranedata/Record/1403.vrf";
    std::filesystem::remove(month);
    ASSERT_EQ(::mkfifo(month.c_str(), 0666), 0);
    EXPECT_EQ(load().windowTitle(), "Brantholm Solutions Kestrane  [ Error: 2185 in Select Day Record ]");
}

TEST_F(MainWindowTest, PassAndPhotoLabelsOnActivation) {
    frmMain& w = load();
    BookingFields& r = state.CurrentRecord;
    r.RegNo = "140315103000";
    r.FirstName = "Ann";
    r.LastName = "Lee";
    r.PassIssued = "15-03-2014 at 10:30";
    r.PassStart = "10-03-2014";
    r.PassEnd = "15-06-2014";
    r.PassPeriod = "3M";
    std::filesystem::create_directories(folder.path() + "Kestranedata/photo/1403");
    std::ofstream(folder.path() + "Kestranedata/photo/1403/140315103000_Ann_Lee.bmp") << "x";
    w.Form_Activate();
    EXPECT_EQ(state.HelpTopic, 1);
    EXPECT_EQ(Control<QLabel>(&w, "PassPrntdLa")->text(), "15-06-2014  3 Month");
    EXPECT_EQ(Control<QLabel>(&w, "PhotoOnFLa")->text(), "Photo on-File");
    EXPECT_EQ(r.PhotoOnFile, "1");

    r.PassPeriod = "2X";
    r.PassEnd = "14-03-2014";
    w.Form_Activate();
    EXPECT_EQ(Control<QLabel>(&w, "PassPrntdLa")->text(), "Pass NOT Valid");
    r.PassIssued = "15-03-2014 at 10:3";
    r.LastName = "Other";
    w.Form_Activate();
    EXPECT_EQ(Control<QLabel>(&w, "PassPrntdLa")->text(), "No Pass on-File");
    EXPECT_EQ(Control<QLabel>(&w, "PhotoOnFLa")->text(), "NO PHOTO");
}

TEST_F(MainWindowTest, PendingRestartOnlyShutsDown) {
    frmMain& w = load();
    w.show();
    state.RestartPending = true;
    state.StatusPending = true;
    w.Form_Activate();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text,
              "Kestrane will now shut down. Mode and other settings will be applied when you re-start");
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(state.StatusPending) << "nothing else ran";
}

TEST_F(MainWindowTest, PickListsFillTheTwoBoxesOrAreReportedMissing) {
    const std::string longest = std::string(25, 'W'); // as long as the list editor takes
    {
        std::ofstream f(folder.path() + "_KSF/KSystem/KACustom.ini", std::ios::binary);
        f << "[CATEGORY]\r\nVISITOR\r\n"
          << longest << "\r\n\r\n[DEPARTME]\r\nSALES\r\n"
          << longest.substr(1) << "\r\n[DESCRIPT]\r\nPAINTING\r\n";
    }
    frmMain& w = shown();
    auto* departments = control<QComboBox>("Dept1CB");
    ASSERT_EQ(control<QComboBox>("CataCB")->count(), 2);
    EXPECT_EQ(control<QComboBox>("CataCB")->itemText(1), QString::fromStdString(" " + longest));
    ASSERT_EQ(departments->count(), 3) << "a section that follows without an end line joins the list above";
    EXPECT_EQ(departments->itemText(2), " PAINTING");
    // An open list shows its longest item whole, on the screen, at the window's
    // size and maximised.
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        w.setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
        QApplication::processEvents();
        for (QComboBox* combo : {control<QComboBox>("CataCB"), departments}) {
            SCOPED_TRACE(combo->objectName().toStdString());
            QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
            QAbstractItemView* list = combo->view();
            ASSERT_TRUE(list->isVisible());
            for (int i = 0; i < combo->count(); ++i)
                EXPECT_GE(list->viewport()->width(), list->sizeHintForIndex(list->model()->index(i, 0)).width())
                    << combo->itemText(i).toStdString();
            EXPECT_TRUE(combo->screen()->geometry().contains(list->window()->geometry()));
            QTest::keyClick(list, Qt::Key_Escape);
            EXPECT_FALSE(list->isVisible());
        }
    }
    User::Pick(departments, " SALES");
    EXPECT_EQ(state.CurrentRecord.Department, "SALES");

    std::filesystem::remove(folder.path() + "_KSF/KSystem/KACustom.ini");
    boxes.clear();
    load();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "File Reading Error: Could not load the DL/INI Lists ");
    EXPECT_EQ(boxes.calls()[0].title, "Brantholm Solutions [ LE-5-53 ]");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbCritical);
    EXPECT_EQ(control<QComboBox>("CataCB")->count(), 0);
    EXPECT_EQ(control<QComboBox>("CataCB")->currentText(), "VISITOR");
    EXPECT_EQ(control<QComboBox>("Dept1CB")->currentText(), " -  Select  - ");
}
