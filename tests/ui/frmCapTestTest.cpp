#include "ui/passes/frmCapTest.h"
#include "UiTestSupport.h"
#include "core/AtomicFile.h"
#include "core/passes/SaveDialogFilter.h"
#include "platform/Pause.h"
#include "platform/Shell.h"
#include "platform/ShownPath.h"
#include "platform/VideoCapture.h"
#include "platform/VideoPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr int NormalWidthPx = 5565 / 15;
constexpr int SetupWidthPx = 10065 / 15;

// The camera window over the test pattern, for a booking of December 2026.
class CameraWindowTest : public ::testing::Test {
  protected:
    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
    VideoCaptureDevices::TestPatternSettings device;
    std::string openedHelp;

    void SetUp() override {
        state.CurrentRecord.RegNo = "2612-0042";
        state.CurrentRecord.FirstName = "Ann";
        state.CurrentRecord.LastName = "Smith";
        state.CurrentRecord.PhotoOnFile = "0";
        VideoCaptureDevices::SetMaker([this] { return VideoCaptureDevices::MakeTestPattern(device); });
        StartUp::SetShellOpener([this](const std::string& path, const std::string&) {
            openedHelp = path;
            return true;
        });
    }
    void TearDown() override {
        VideoCaptureDevices::SetMaker(nullptr);
        StartUp::SetShellOpener(nullptr);
    }

    std::unique_ptr<frmCapTest> open() {
        auto window = std::make_unique<frmCapTest>(state);
        User::ShowActive(window.get());
        return window;
    }
    std::string photoFolder() const { return state.settings.DataRoot + "/photo/2612/"; }
    std::string photoPath() const { return photoFolder() + "2612-0042_Ann_Smith.bmp"; }
    std::string photoBytes() const {
        std::string bytes;
        ReadWholeFile(photoPath(), bytes);
        return bytes;
    }
    std::string helpPage(const char* page) const { return folder.path() + "KestraneDocs/" + page; }
    static unsigned little32(const std::string& bytes, std::size_t at) {
        unsigned v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        return v;
    }
};

TEST_F(CameraWindowTest, SnapWritesTheBitmapIntoANewMonthFolderAndMarksThePhoto) {
    state.PhotoTakenFlag = true; // from an earlier visit
    auto window = open();
    EXPECT_EQ(window->windowTitle(), "TAKE [ Visitor ] PICTURE");
    EXPECT_FALSE(state.PhotoTakenFlag);
    EXPECT_EQ(window->width(), NormalWidthPx);
    EXPECT_FALSE(Control<QPushButton>(window.get(), "cmdEnterSetup")->isEnabled()) << "video setup is off";
    auto* drivers = Control<QComboBox>(window.get(), "cbDriver");
    ASSERT_EQ(drivers->count(), 1);
    EXPECT_EQ(drivers->currentText(), "Test pattern");
    EXPECT_EQ(Control<QLabel>(window.get(), "lblStatusCode")->text(), "Status Panel");
    EXPECT_EQ(Control<QLineEdit>(window.get(), "txtWidth")->text(), "4800");
    EXPECT_EQ(Control<VideoPreview>(window.get(), "ezVidCap1")->size(), QSize(320, 240));

    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(openedHelp, helpPage("snapshot.html"));

    // Save AVI: a cancelled dialog writes nothing; a confirmed name gets a clip.
    // Qt's file dialog names folders by QStrings, which cannot hold every
    // byte: it starts in a program folder with a plain name.
    const TempFolder plain(TempFolder::Name::Plain);
    state.ProgramFolder = plain.withSlash();
    QString title, startFolder;
    QStringList filters;
    auto watch = OnNextModal([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_TRUE(files);
        title = files->windowTitle();
        filters = files->nameFilters();
        startFolder = files->directory().absolutePath() + '/';
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    User::Click(window.get(), "cmdSaveAs");
    EXPECT_EQ(title, "Save AVI File");
    EXPECT_EQ(filters, QStringList{"AVI files (*.avi)"});
    EXPECT_EQ(startFolder, QString::fromStdString(plain.withSlash()));
    watch = OnNextModal([](QWidget* dialog) {
        auto* name = Control<QLineEdit>(dialog, "fileNameEdit");
        QTest::keyClicks(name, "visit");
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_FALSE(fs::exists(plain.withSlash() + "visit.avi"));
    User::Click(window.get(), "cmdSaveAs");
    state.ProgramFolder = folder.path();
    std::string clip;
    ReadWholeFile(plain.withSlash() + "visit.avi", clip);
    // Ten frames of 320 x 240 behind a header of 224 bytes, and the index.
    ASSERT_EQ(clip.size(), 224u + 10u * (8u + 320u * 240u * 3u) + 8u + 10u * 16u);
    EXPECT_EQ(clip.substr(0, 4) + clip.substr(8, 8), "RIFFAVI LIST");
    EXPECT_EQ(little32(clip, 4), clip.size() - 8);
    EXPECT_TRUE(boxes.calls().empty());

    ASSERT_FALSE(fs::exists(photoFolder()));
    User::Click(window.get(), "cmdSaveDIB");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    const std::string bmp = photoBytes();
    ASSERT_EQ(bmp.size(), 54u + 176u * 144u * 3u) << "a 24-bit bitmap of 176 x 144";
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(little32(bmp, 18), 176u);
    EXPECT_EQ(little32(bmp, 22), 144u);
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);
    EXPECT_TRUE(state.PhotoTakenFlag);
    EXPECT_EQ(state.CurrentRecord.PhotoOnFile, "1");
}

// Each snap also clears the photo temporaries that killed saves left in the
// month folder, and nothing else.
TEST_F(CameraWindowTest, PhotosOverTheSizeLimitDrawTheWarningAndStay) {
    const std::string hex = "0123456789abcdef", leftover = "." + std::string(40, '2') + "~" + hex + "." + hex + ".tmp";
    const std::string kept = ".2612-0042_Ann_Smith.bmp." + hex + ".TMP";
    fs::create_directories(photoFolder());
    for (const std::string& name : {leftover, ".2612-0042_Ann_Smith.bmp." + hex + ".tmp", kept})
        std::ofstream(photoFolder() + name) << std::string(600000, 'p');
    for (const qint64 size : {100000, 100001}) {
        SCOPED_TRACE(size);
        device.stillBytes = size;
        boxes.clear();
        auto window = open();
        if (size <= 100000) {
            User::Click(window.get(), "cmdSaveDIB");
        } else {
            // Return twice quickly on SNAP: the second press comes while the window closes, and takes no photo.
            auto* snap = Control<QPushButton>(window.get(), "cmdSaveDIB");
            for (int i = 0; i < 30 && window->focusWidget() != snap; ++i)
                QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            StartUp::SetPauseScale(1.0);
            const auto press = [] { QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return); };
            QTimer::singleShot(50, press);
            press();
            QTest::qWait(100);
            StartUp::SetPauseScale(0.01);
            EXPECT_FALSE(window->isVisible());
        }
        EXPECT_EQ(photoBytes().size(), static_cast<std::size_t>(size));
        if (size <= 100000) {
            EXPECT_TRUE(boxes.calls().empty());
        } else {
            ASSERT_EQ(boxes.calls().size(), 1u);
            EXPECT_EQ(boxes.calls()[0].text, "Video Setup Warning: Resolution settings are too high for Kestrane");
            EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
            EXPECT_EQ(boxes.calls()[0].style, vb::vbExclamation);
        }
        EXPECT_EQ(state.CurrentRecord.PhotoOnFile, "1");
        EXPECT_EQ(std::distance(fs::directory_iterator(photoFolder()), fs::directory_iterator()), 2)
            << "the photo, and the file that is no temporary of a photo";
        EXPECT_TRUE(fs::exists(photoFolder() + kept));
    }
}

TEST_F(CameraWindowTest, SetupViewOffersWhatTheDeviceHas) {
    state.settings.EnableVideoConfig = "1";
    device.brokenDevice = true;
    auto window = open();
    auto* w = window.get();
    User::Click(w, "cmdEnterSetup");
    EXPECT_EQ(w->width(), SetupWidthPx);
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ(openedHelp, helpPage("snapshot2.html"));

    for (const char* name : {"chkPreview", "chkStretch", "chkCenter", "chkAutoSize", "chkFrameCallback"})
        EXPECT_TRUE(Control<QCheckBox>(w, name)->isEnabled()) << name;
    for (const char* name : {"chkAudio", "chkPreRoll", "chkUserConfirm"})
        EXPECT_FALSE(Control<QCheckBox>(w, name)->isEnabled()) << name;
    for (const char* name : {"cmdSourceDlg", "cmdFormatDlg", "cmdCapture"})
        EXPECT_TRUE(Control<QPushButton>(w, name)->isEnabled()) << name;
    for (const char* name : {"cmdDisplayDlg", "cmdCompDlg", "cmdAudioDlg"})
        EXPECT_FALSE(Control<QPushButton>(w, name)->isEnabled()) << name;
    EXPECT_TRUE(Control<QCheckBox>(w, "chkPreview")->isChecked());

    // A device that does not connect leaves the one connected before.
    auto* drivers = Control<QComboBox>(w, "cbDriver");
    User::Pick(drivers, "Broken camera");
    EXPECT_EQ(drivers->currentText(), "Test pattern");
    EXPECT_EQ(Control<QLabel>(w, "lblStatusString")->text(), "Could not connect!");

    User::Click(w, "cmdCapture");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "This is for testing purposes and is not currently enabled");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbInformation);
    boxes.clear();

    auto* width = Control<QLineEdit>(w, "txtWidth");
    User::Retype(width, "3000");
    User::Click(w, "cmdWidth");
    EXPECT_EQ(Control<VideoPreview>(w, "ezVidCap1")->width(), 200);
    EXPECT_EQ(width->text(), "3000");

    QStringList offered;
    auto watch = OnNextModal([&](QWidget* dialog) {
        auto* list = Control<QListWidget>(dialog, "lstFormats");
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        const auto found = list->findItems("352 x 288", Qt::MatchStartsWith);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
        User::Click(dialog, "cmdFormatOK");
    });
    User::Click(w, "cmdFormatDlg");
    EXPECT_EQ(offered.size(), 4);

    User::Click(w, "cmdCFGDone");
    EXPECT_EQ(w->width(), NormalWidthPx);
    EXPECT_EQ(state.HelpTopic, 50);

    User::Click(w, "cmdSaveDIB");
    EXPECT_EQ(photoBytes().size(), 54u + 352u * 288u * 3u);
    ASSERT_EQ(boxes.calls().size(), 1u) << "the larger format draws the warning";
    EXPECT_EQ(boxes.calls()[0].text, "Video Setup Warning: Resolution settings are too high for Kestrane");
}

TEST_F(CameraWindowTest, FailedSnapsKeepTheEarlierPhotoAndTheFlags) {
    // No camera: the window says so, and SNAP reports why nothing was saved.
    fs::create_directories(photoFolder());
    std::ofstream(photoPath(), std::ios::binary) << "earlier photo";
    state.CurrentRecord.PhotoOnFile = "1";
    device.devicePresent = false;
    auto window = open();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Problem: Kestrane Can't detect a Working Camera");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbExclamation);
    EXPECT_EQ(Control<QComboBox>(window.get(), "cbDriver")->currentText(), "<none>");
    EXPECT_FALSE(Control<QPushButton>(window.get(), "cmdCapture")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(window.get(), "cmdFormatDlg")->isEnabled());
    boxes.clear();
    User::Click(window.get(), "cmdSaveDIB");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "No camera is connected");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbInformation);
    EXPECT_EQ(photoBytes(), "earlier photo");
    EXPECT_FALSE(state.PhotoTakenFlag);
    EXPECT_EQ(state.CurrentRecord.PhotoOnFile, "1");

    // A folder where the photo goes: the rename fails and nothing is marked.
    fs::remove(photoPath());
    fs::create_directories(photoPath() + "/inside");
    state.CurrentRecord.PhotoOnFile = "0";
    device.devicePresent = true;
    boxes.clear();
    window = open();
    User::Click(window.get(), "cmdSaveDIB");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(
        boxes.calls()[0].text.startsWith("The photo could not be saved as " + ShownPath::Text(photoPath()) + ": "))
        << boxes.calls()[0].text.toStdString();
    EXPECT_TRUE(fs::is_directory(photoPath()));
    EXPECT_FALSE(state.PhotoTakenFlag);
    EXPECT_EQ(state.CurrentRecord.PhotoOnFile, "0");
    EXPECT_EQ(std::distance(fs::directory_iterator(photoFolder()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST(SaveDialogFilter, PairsAreCountedFromOne) {
    using namespace std::string_literals;
    const std::string two = "AVI files (*.avi)\0*.avi\0All files\0*.*\0\0"s;
    const struct {
        std::string filter;
        int n;
        std::string pair;
    } cases[] = {
        {mCmnDlg::FilterList("AVI files (*.avi)|*.avi"), 1, "AVI files (*.avi)\0*.avi"s},
        {two, 1, "AVI files (*.avi)\0*.avi"s},
        {two, 2, "All files\0*.*"s},
        {two, 3, ""},
        {two, 0, ""},
        {"\0"s, 1, ""},
        {"no separators", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mCmnDlg::GetFilterPair(c.filter, c.n), c.pair) << c.n;
    EXPECT_EQ(mCmnDlg::FilterList("Pictures|*.bmp:*.jpg"), "Pictures\0*.bmp\0*.jpg\0\0"s);
}

} // namespace
