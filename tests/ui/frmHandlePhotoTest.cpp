#include "ui/photos/frmHandlePhoto.h"
#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/ListDate.h"
#include "core/passes/PassRules.h"
#include "core/passes/PhotoFile.h"
#include "platform/Grid.h"
#include "platform/PictureFile.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <utime.h>

namespace fs = std::filesystem;

namespace {

std::string lineOf(const char* regNo, const char* first, const char* last, std::vector<int> days,
                   const char* organisation = "Harwell Fixings") {
    BookingFields f;
    f.RegNo = regNo;
    f.FirstName = first;
    f.LastName = last;
    f.Organisation = organisation;
    TimeCellTexts times;
    for (int day : days)
        times[static_cast<std::size_t>(day - 1)] = "10:00";
    return BuildBookingLine(f, times);
}

// A data folder with March 2014 (a booking without a photo among them) and
// January 2014; the clock pinned to 15 March 2014 11:01.
class HandlePhotoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Platform::SetAnswers(PlatformAnswers{});
        Clock::Pin({2014, 3, 15, 11, 1, 0});
        writeMonth("1403", {lineOf("140301090000", "Ann", "Lee", {2}), lineOf("140302090000", "Bo", "JONES", {2, 31}),
                            lineOf("140303090000", "Cy", "NoPhoto", {2}), lineOf("140304090000", "Di", "Dee", {})});
        writeMonth("1401", {lineOf("140105090000", "Ed", "January", {5})});
        photo("140301090000", "Ann", "Lee");
        photo("140302090000", "Bo", "JONES");
        photo("140304090000", "Di", "Dee");
        photo("140105090000", "Ed", "January");
    }
    void TearDown() override {
        window.reset();
        Clock::Unpin();
        Platform::ClearAnswers();
    }
    void writeMonth(const char* yymm, const std::vector<std::string>& lines) {
        std::ofstream out(dataRoot() + "/Record/" + yymm + ".vrf", std::ios::binary | std::ios::trunc);
        for (const std::string& l : lines)
            out << l << "\r\n";
    }
    std::string dataRoot() const { return state.settings.DataRoot; }
    std::string photoPath(const char* regNo, const char* first, const char* last) const {
        return PhotoFile::PhotoFilePath(dataRoot(), regNo, first, last);
    }
    // A small bitmap written at 10:59 today, padded to size bytes when given.
    std::string photo(const char* regNo, const char* first, const char* last, std::uintmax_t size = 0) {
        const std::string path = photoPath(regNo, first, last);
        fs::create_directories(fs::path(path).parent_path());
        QImage image(12, 16, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        EXPECT_TRUE(WriteBitmap(image, path));
        if (size)
            fs::resize_file(path, size);
        std::tm tm{};
        tm.tm_year = 114;
        tm.tm_mon = 2;
        tm.tm_mday = 15;
        tm.tm_hour = 10;
        tm.tm_min = 59;
        tm.tm_isdst = -1;
        const utimbuf times{std::mktime(&tm), std::mktime(&tm)};
        ::utime(path.c_str(), &times);
        return path;
    }
    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    frmHandlePhoto& open() {
        window = std::make_unique<frmHandlePhoto>(state, QStringLiteral("MARCH"), QStringLiteral("2014"));
        User::ShowActive(window.get());
        return *window;
    }
    template <typename T> T* control(const char* name) { return Control<T>(window.get(), name); }
    void click(const char* name) { User::Click(window.get(), name); }
    void pick(const char* combo, const char* text) { User::Pick(control<QComboBox>(combo), QString::fromLatin1(text)); }
    Grid* grid() { return control<Grid>("PhotoGrid"); }
    QString cell(int row, int col) { return grid()->Cell(row, col).Text(); }
    // The names of the listed rows, up to the first empty row.
    QStringList names() {
        QStringList all;
        for (int r = 1; r < grid()->Rows() && !cell(r, 5).isEmpty(); ++r)
            all << cell(r, 1);
        return all;
    }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    bool showsPlaceholder() {
        return control<QLabel>("HPImage")->pixmap().toImage() ==
               PictureFromFile(Passes::PlaceholderPhoto(folder.path())).toImage();
    }
    QString caption() const { return window->windowTitle(); }
    QStringList boxTexts() const {
        QStringList texts;
        for (const MsgBoxCall& call : boxes.calls())
            texts << call.title + u'|' + call.text;
        return texts;
    }

    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
    std::unique_ptr<frmHandlePhoto> window;
};

TEST_F(HandlePhotoTest, ListsAndFindsThePeriodsPhotos) {
    state.PhotoAttachedFlag = state.PhotoDeletedFlag = true;
    open();
    EXPECT_FALSE(state.PhotoAttachedFlag || state.PhotoDeletedFlag);
    EXPECT_EQ(control<QComboBox>("CBHPMonth")->currentText(), u"MARCH");
    EXPECT_EQ(control<QComboBox>("CBHPYear")->currentText(), u"2014");
    QComboBox* years = control<QComboBox>("CBHPYear");
    EXPECT_EQ(years->itemText(years->count() - 1), QString::number(ListDate::LastYear()));
    EXPECT_EQ(control<QComboBox>("CBHPDay")->currentText(), u"All Days");
    EXPECT_EQ(grid()->Rows(), 50);

    click("cmdHPList");
    EXPECT_EQ(caption(), u"Manage Photo  [ 3 Photos Found ]");
    EXPECT_EQ(names(), (QStringList{"Ann Lee", "Bo JONES", "Di Dee"}));
    EXPECT_EQ(grid()->Rows(), 53);
    EXPECT_EQ(QStringList({cell(1, 2).trimmed(), cell(1, 3), cell(1, 4), cell(1, 5)}),
              (QStringList{"Harwell Fixings", "15-03-2014", "1 Hour", "140301090000"}));

    pick("CBHPDay", "31st");
    EXPECT_FALSE(control<QLineEdit>("HPFindTB")->isEnabled() || control<QComboBox>("CBHPListBy")->isEnabled());
    EXPECT_EQ(label("laHPMonth"), u"OF");
    click("cmdHPList");
    EXPECT_EQ(caption(), u"Manage Photo  [ One Photo Found ]");
    EXPECT_EQ(names(), QStringList{"Bo JONES"});

    pick("CBHPDay", "All Days");
    ASSERT_TRUE(control<QLineEdit>("HPFindTB")->isEnabled());
    EXPECT_EQ(User::AltKeysInEveryBox(window.get()), "") << "Alt with a letter types nothing";
    control<QLineEdit>("HPFindTB")->setFocus();
    User::Type(QStringLiteral("jones\n")); // Enter runs Find
    EXPECT_EQ(names(), QStringList{"Bo JONES"});
    pick("CBHPListBy", "NAME");
    User::Retype(control<QLineEdit>("HPFindTB"), QStringLiteral("ann   LEE\n"));
    EXPECT_EQ(names(), QStringList{"Ann Lee"});
    User::Retype(control<QLineEdit>("HPFindTB"), QString());
    click("cmdHPFind");
    EXPECT_EQ(names().size(), 3);

    pick("CBHPMonth", "All Months");
    EXPECT_FALSE(control<QComboBox>("CBHPDay")->isEnabled());
    EXPECT_EQ(label("laHPYear"), u"IN");
    click("cmdHPList");
    EXPECT_EQ(names(), (QStringList{"Ed January", "Ann Lee", "Bo JONES", "Di Dee"}));
    QTest::qWait(900); // the blink ends on the status
    EXPECT_EQ(caption(), u"Manage Photo  [ 4 Photos Found ]");

    pick("CBHPMonth", "APRIL");
    click("cmdHPList");
    EXPECT_EQ(grid()->Rows(), 50);
    fs::remove_all(dataRoot() + "/Record");
    click("cmdHPList");
    EXPECT_EQ(caption(), u"Manage Photo") << "no earlier count stands for a list that failed";
    pick("CBHPMonth", "All Months");
    click("cmdHPFind");
    EXPECT_EQ(boxTexts(), (QStringList{"Kestrane|No Photos have been found for the selected date",
                                       "Kestrane [ PH-8162 ]|An unexpected ERROR has occured in the Photo File "
                                       "system \r\nPlease report this to Brantholm Solutions [ PH-8162 ]",
                                       "Kestrane FP5565|Error in finding photos for the selected dates"}));

    std::string opened;
    StartUp::SetShellOpener([&](const std::string& path, const std::string&) {
        opened = path;
        return true;
    });
    QTest::keyClick(grid(), Qt::Key_F1);
    StartUp::SetShellOpener(nullptr);
    EXPECT_EQ(state.HelpTopic, 70);
    EXPECT_FALSE(opened.empty());
}

// The booking numbers, dates and ages of the list, and the chosen booking's
// number and pass stamp beside the photo, show whole at the window's font.
TEST_F(HandlePhotoTest, NumbersDatesAndStampsShowWhole) {
    std::string line = lineOf("140308888888", "Wilhelmina", "OKAFOR", {2});
    line.replace(Columns::PassIssued.column - 1, Columns::PassIssued.width, "15-03-2014 at 08:58");
    writeMonth("1403", {line});
    photo("140308888888", "Wilhelmina", "OKAFOR");
    open();
    click("cmdHPList");
    User::ClickCell(window.get(), grid(), 1, 1);
    for (int col : {3, 4, 5}) {
        SCOPED_TRACE(cell(1, col).toStdString());
        EXPECT_LE(grid()->fontMetrics().horizontalAdvance(cell(1, col)) + 6, grid()->columnWidth(col));
    }
    for (const char* name : {"LaHPPassI", "LaHPRegno"}) {
        QLabel* shown = control<QLabel>(name);
        SCOPED_TRACE(shown->text().toStdString());
        EXPECT_FALSE(shown->text().isEmpty());
        EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()), shown->contentsRect().width());
        EXPECT_LE(shown->geometry().right(), window->width());
    }
}

TEST_F(HandlePhotoTest, ChoosesARowAndAttachesItsPhoto) {
    state.CurrentRecord.RegNo = "140410120000";
    state.CurrentRecord.FirstName = "Fay";
    state.CurrentRecord.LastName = "Gray";
    state.CurrentRecord.Organisation = "Gray Ltd";
    state.WindowsVersion = 6;
    photo("140302090000", "Bo", "JONES", 100000);
    photo("140304090000", "Di", "Dee", 100001);
    open();
    click("cmdHPAttach"); // no row chosen yet: nothing happens
    click("cmdHPList");
    // The booking is read afresh when chosen; its photo is found by the
    // 8-bit bytes of its names.
    writeMonth("1403", {lineOf("140301090000", "Ann", "Lee", {2}, "Lee & Co"),
                        lineOf("140302090000", "Bo", "J\xd6NES", {2, 31}), lineOf("140304090000", "Di", "Dee", {})});
    fs::copy_file(photoPath("140302090000", "Bo", "JONES"), photoPath("140302090000", "Bo", "J\xd6NES"));
    // Rows are chosen by keys as by clicks: Return, the arrows, and Tab goes on to Attach.
    QTest::keyClick(control<QPushButton>("cmdHPList"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), grid());
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(label("LAHPName"), u"Ann Lee");
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(label("LAHPName"), QString::fromLatin1("Bo J\xd6NES"));
    EXPECT_FALSE(control<QLabel>("HPImage")->pixmap().isNull());
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(boxTexts(), QStringList{"Kestrane|Video Setup Error: Resolution settings are too high for Kestrane"});
    EXPECT_TRUE(showsPlaceholder());
    // A photo gone since it was listed, or one that cannot be read, says why;
    // one that is no picture shows the placeholder too.
    const std::string bo = photoPath("140302090000", "Bo", "J\xd6NES");
    fs::rename(bo, bo + ".kept");
    boxes.clear();
    User::ClickCell(window.get(), grid(), 2, 1);
    EXPECT_TRUE(showsPlaceholder());
    fs::create_directory(bo);
    User::ClickCell(window.get(), grid(), 2, 1);
    fs::remove(bo);
    std::ofstream(bo, std::ios::binary).flush();
    User::ClickCell(window.get(), grid(), 2, 1);
    EXPECT_TRUE(showsPlaceholder()) << "an empty photo";
    EXPECT_EQ(boxTexts(), (QStringList{"Kestrane|Can't show photo: The photo file is missing or cannot be read\r\n\r\n"
                                       "The photo file cannot be found.",
                                       "Kestrane|Can't show photo: The photo file is missing or cannot be read\r\n\r\n"
                                       "Error 75: Path/File access error (Is a directory)."}));
    fs::remove(bo);
    fs::rename(bo + ".kept", bo);
    // A month file that cannot be read: the box says why, and the labels show
    // no other booking's details.
    const std::string month = dataRoot() + "/Record/1403.vrf";
    fs::rename(month, month + ".away");
    fs::create_directory(month);
    boxes.clear();
    User::ClickCell(window.get(), grid(), 1, 1);
    EXPECT_EQ(boxTexts(), QStringList{"Kestrane|Can't show photo: The booking could not be read\r\n\r\nError 75: "
                                      "Path/File access error (Is a directory)."});
    EXPECT_EQ(label("LAHPName") + label("LaHPOrg") + label("LaHPRegno"), QString());
    fs::remove(month);
    fs::rename(month + ".away", month);
    User::ClickCell(window.get(), grid(), 10, 1);
    EXPECT_EQ(label("LAHPName") + label("LaHPRegno"), QString());
    // A row chosen while an empty row's picture is still being swapped wins.
    QTimer::singleShot(0, window.get(), [this] { User::ClickCell(window.get(), grid(), 1, 1); });
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(QStringList({label("LAHPName"), label("LaHPOrg"), label("LaHPPassI"), label("LaHPRegno")}),
              (QStringList{"Ann Lee", "Lee & Co", "", "140301090000"}));
    EXPECT_FALSE(control<QLabel>("HPImage")->pixmap().isNull());
    QTest::keyClick(grid(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("cmdHPAttach"));

    boxes.clear();
    boxes.queue(vb::vbYes);
    boxes.queue(vb::vbYes);
    click("cmdHPAttach");
    const std::string source = photoPath("140301090000", "Ann", "Lee");
    const std::string target = photoPath("140410120000", "Fay", "Gray");
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[0].text,
              u"This will attach a photo to an individual with a different name!  \r\nDo you still wish to proceed?");
    EXPECT_EQ(boxes.calls()[1].text,
              u"This will attach the following photo to the Current File: \r\n\r\nThe Photo for: \r\n"
              u"Ann Lee  [ 140301090000 ] - No Pass\r\n(Lee & Co)\r\nCreated: 01 March 2014\r\n\r\n"
              u"Will attach to, and be used for:\r\nFay Gray  [ 140410120000 ] - No Pass\r\n(Gray Ltd)\r\n"
              u"Created: 10 April 2014\r\n\r\nPlease note: Attaching a photo in this way will not detach it from "
              u"the original file, a new copy photo will be created so that each file will have its own "
              u"(identical) photo.  Do you wish to proceed?");
    EXPECT_EQ(boxes.calls()[1].style, vb::vbYesNoCancel | vb::vbInformation);
    EXPECT_EQ(contents(target), contents(source));
    EXPECT_TRUE(state.PhotoAttachedFlag);
    EXPECT_EQ(caption(), u"Manage Photo  [ Photo for Fay Gray UPDATED ]");

    // A folder where the photo would go: the copy fails and says why, and the
    // caption keeps no word of the attach before.
    state.PhotoAttachedFlag = false;
    fs::remove(target);
    fs::create_directories(target + "/kept");
    boxes.clear();
    boxes.queue(vb::vbYes);
    boxes.queue(vb::vbYes);
    click("cmdHPAttach");
    ASSERT_EQ(boxes.calls().size(), 3u);
    EXPECT_EQ(boxes.calls()[2].title + u'|' + boxes.calls()[2].text,
              u"Kestrane [ PH-8158 ]|Can't attach photo: The file may be locked by another application\r\n\r\n"
              u"Error 75: Path/File access error (Is a directory).");
    QTest::qWait(900); // the blink of the attach before would be over
    EXPECT_EQ(caption(), u"Manage Photo");
    EXPECT_FALSE(state.PhotoAttachedFlag);
    EXPECT_TRUE(fs::is_directory(target + "/kept"));

    // Onto its own booking: no name question, the older note, the photo whole.
    const std::string before = contents(source);
    state.CurrentRecord.RegNo = "140301090000";
    state.CurrentRecord.FirstName = "Ann";
    state.CurrentRecord.LastName = "Lee";
    state.WindowsVersion = 5;
    boxes.clear();
    boxes.queue(vb::vbYes);
    click("cmdHPAttach");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.endsWith(
        u"Please note: Attaching a photo in this way will not detach it from\r\nthe original file, a new copy photo "
        u"will be created so that each file     \r\nwill have its own (identical) photo.  Do you wish to proceed?"));
    EXPECT_EQ(contents(source), before);
    EXPECT_TRUE(state.PhotoAttachedFlag);

    // Never to a booking not yet saved.
    state.PhotoAttachedFlag = false;
    state.CurrentRecord.RegNo = "NEW Booking";
    boxes.clear();
    click("cmdHPAttach");
    EXPECT_EQ(boxes.calls().size(), 1u);
    EXPECT_FALSE(state.PhotoAttachedFlag);
    EXPECT_FALSE(fs::exists(photoPath("NEW Booking", "Ann", "Lee")));
}

TEST_F(HandlePhotoTest, DeletesTheShownPhotoAndTheListedOnes) {
    const std::string older = photo("140301090000", "Ann", "Older");
    const std::string longer = photo("1403010900001", "Zed", "Long");
    // A short number is stored padded with a blank, and its photo named so.
    writeMonth("1403", {lineOf("140301090000", "Ann", "Lee", {2}), lineOf("140302090000", "Bo", "JONES", {2, 31}),
                        lineOf("140304090000", "Di", "Dee", {}), lineOf("14031220000", "Pad", "Short", {3})});
    const std::string padded = photo("14031220000 ", "Pad", "Short");
    open();
    click("cmdHPList");
    User::ClickCell(window.get(), grid(), 1, 1);
    QTimer::singleShot(0, window.get(), [&] { click("cmdHPList"); }); // while the photo box waits
    click("cmdHPDelete");
    EXPECT_FALSE(fs::exists(photoPath("140301090000", "Ann", "Lee")) || fs::exists(older));
    EXPECT_TRUE(showsPlaceholder()) << "the placeholder takes the deleted photo's place";
    EXPECT_TRUE(fs::exists(longer));
    EXPECT_EQ(names(), (QStringList{"Bo JONES", "Di Dee", "Pad Short"}));
    EXPECT_TRUE(state.PhotoDeletedFlag);
    EXPECT_EQ(caption(), u"Manage Photo  [ Photo Deleted ]");
    EXPECT_EQ(label("LAHPName"), u"Ann Lee");
    click("cmdHPDelete"); // already gone
    QTest::qWait(900);    // the blink of the delete before would be over
    EXPECT_EQ(caption(), u"Manage Photo");

    // The shown photo's row is no longer listed: its photo goes all the same, and says so.
    User::ClickCell(window.get(), grid(), 1, 1);
    ASSERT_EQ(label("LAHPName"), u"Bo JONES");
    ASSERT_FALSE(showsPlaceholder());
    User::Retype(control<QLineEdit>("HPFindTB"), QStringLiteral("dee\n"));
    ASSERT_EQ(names(), QStringList{"Di Dee"});
    click("cmdHPDelete");
    EXPECT_FALSE(fs::exists(photoPath("140302090000", "Bo", "JONES")));
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_EQ(caption(), u"Manage Photo  [ Photo Deleted ]");
    EXPECT_EQ(names(), QStringList{"Di Dee"});

    click("cmdHPList");
    boxes.queue(vb::vbCancel);
    click("cmdHPDeleteList");
    EXPECT_EQ(names().size(), 2);
    fs::remove(photoPath("140304090000", "Di", "Dee")); // removed meanwhile elsewhere
    click("cmdHPDeleteList");
    EXPECT_EQ(names(), QStringList{"Di Dee"});
    EXPECT_FALSE(fs::exists(padded));
    QTest::qWait(900);
    EXPECT_EQ(caption(), u"Manage Photo");
    EXPECT_EQ(boxTexts(), (QStringList{"Kestrane|This will permanently delete the photo for Ann Lee",
                                       "Kestrane|This will permanently delete the photo for Ann Lee",
                                       "Kestrane|Can't delete photo: It may be locked or removed by another application"
                                       "\r\n\r\nThe file cannot be found.",
                                       "Kestrane|This will permanently delete the photo for Bo JONES",
                                       "Kestrane|This will permanently delete ALL PHOTOS currently listed",
                                       "Kestrane|This will permanently delete ALL PHOTOS currently listed",
                                       "Kestrane|One Photo could not be deleted: It may be locked or already removed"
                                       "\r\n\r\nThe file cannot be found."}));

    // A desk that only reads attaches and deletes nothing.
    state.settings.ReadOnlyMode = "1";
    open();
    for (const char* button : {"cmdHPAttach", "cmdHPDelete", "cmdHPDeleteList"})
        EXPECT_FALSE(control<QPushButton>(button)->isEnabled()) << button;
}

} // namespace
