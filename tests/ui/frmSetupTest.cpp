#include "ui/admin/frmSetup.h"
#include "UiTestSupport.h"
#include "core/AtomicFile.h"
#include "core/startup/UsrSettings.h"
#include "platform/Shell.h"
#include "platform/ShownPath.h"
#include "ui/admin/frmBFF.h"
#include "ui/desk/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

namespace {

const char* const SaveQuestion = "Kestrane settings have changed. Do you wish to save them?";
const char* const ReadOnlyDependants[] = {"ckDisPassPrn",   "ckEnbl_BarOP", "ckForceMono",
                                          "ckEnbl_PrnLogo", "ckDisSingleD", "ckDisMultiD"};

class SetupTest : public ::testing::Test {
  protected:
    void TearDown() override { StartUp::SetShellOpener(nullptr); }

    frmSetup& open() {
        window = std::make_unique<frmSetup>(state);
        User::ShowActive(window.get());
        boxes.clear();
        return *window;
    }
    template <typename T> T* control(const char* name) { return Control<T>(window.get(), name); }
    // A click on the box's tick, where a user clicks it.
    void tick(const char* name) {
        auto* b = control<QCheckBox>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    void click(const char* name) { User::Click(window.get(), name); }
    void showTab(int index) {
        QTabBar* bar = control<QTabWidget>("SSTab1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // What the settings file holds, loaded into a fresh state.
    UserSettings stored() const {
        ProgramState fresh = folder.makeState();
        modUsrSettings::LoadSettings(fresh);
        return fresh.settings;
    }
    std::string settingsFile() const { return modUsrSettings::SettingsFilePath(state); }

    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
    std::unique_ptr<frmSetup> window;
};

// Finds a folder in the chooser's tree as a user does, opening each folder
// on the way with a click on its arrow, and clicks it.
void ClickFolder(QWidget* chooser, const QString& path) {
    auto* tree = Control<QTreeView>(chooser, "ftvbff");
    QModelIndex row = tree->model()->index(0, 0);
    ASSERT_EQ(row.data().toString(), "/");
    for (const QString& name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        tree->scrollTo(row);
        const QRect shown = tree->visualRect(row);
        if (!tree->isExpanded(row))
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              QPoint(shown.left() - tree->indentation() / 2, shown.center().y()));
        const QModelIndexList found =
            tree->model()->match(tree->model()->index(0, 0, row), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << "no folder " << name.toStdString() << " in " << path.toStdString();
        row = found.first();
    }
    tree->scrollTo(row);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(row).center());
}

} // namespace

TEST_F(SetupTest, OptionsAreShownAndRoundTripThroughTheFile) {
    state.settings.ShowPassBarcode = "Y";
    state.settings.ForceMonochromePass = " ";
    state.RestartPending = true;
    open();
    EXPECT_EQ(window->windowTitle(), "Kestrane System Configuration ");
    auto* tabs = control<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "  Start Up    ");
    EXPECT_EQ(tabs->tabText(1), "  Built-in Lists   ");
    EXPECT_EQ(tabs->tabText(2), "   Network    ");
    EXPECT_EQ(tabs->tabText(3), "   Statistics    ");
    EXPECT_EQ(control<QCheckBox>("ckEnbl_PrnLogo")->text(), "Enable Printing of Organisation Logo ");
    EXPECT_FALSE(control<QCheckBox>("ckShowSplash")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("ckEnbl_PrnFlip")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("ckEnbl_BarOP")->isChecked()) << "\"Y\" shows ticked";
    EXPECT_TRUE(control<QCheckBox>("ckForceMono")->isChecked()) << "a blank shows ticked";
    EXPECT_FALSE(control<QCheckBox>("ckStartFull")->isChecked());
    EXPECT_FALSE(state.RestartPending) << "cleared after the boxes ran their clicks";
    EXPECT_EQ(control<QLineEdit>("setNPTDTb")->text(), ShownPath::Text(folder.path() + "Kestranedata"));
    EXPECT_TRUE(control<QLineEdit>("Text1")->text().isEmpty());

    std::string opened;
    StartUp::SetShellOpener([&](const std::string& path, const std::string&) {
        opened = path;
        return true;
    });
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(state.HelpTopic, 80);
    showTab(2);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(state.HelpTopic, 81);
    EXPECT_FALSE(opened.empty());
    EXPECT_EQ(User::AltKeysInEveryBox(window.get()), "") << "Alt with a letter types no folder";
    showTab(0);

    tick("ckEnbl_RTC");
    tick("ckStartFull");
    tick("ckMakeSysRdO");
    for (const char* name : ReadOnlyDependants)
        EXPECT_FALSE(control<QCheckBox>(name)->isEnabled()) << name;
    EXPECT_TRUE(state.RestartPending);
    boxes.queue(vb::vbYes);
    click("cmdsetOK");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, SaveQuestion);
    EXPECT_EQ(boxes.calls()[0].style, vb::vbYesNoCancel | vb::vbQuestion);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(state.RestartPending);

    const UserSettings file = stored();
    EXPECT_EQ(file.ClockInTimesList, "0");
    EXPECT_EQ(file.StartFullScreen, "1");
    EXPECT_EQ(file.ReadOnlyMode, "1");
    EXPECT_EQ(file.ShowPassBarcode, "1");
    EXPECT_EQ(file.ForceMonochromePass, "1");

    // Opened on those settings, the dependants are greyed, and unticking frees them.
    state.settings = file;
    open();
    EXPECT_TRUE(control<QCheckBox>("ckStartFull")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("ckDisMultiD")->isEnabled());
    tick("ckMakeSysRdO");
    for (const char* name : ReadOnlyDependants)
        EXPECT_TRUE(control<QCheckBox>(name)->isEnabled()) << name;
}

TEST_F(SetupTest, EveryClosePathSavesOrUndoes) {
    // Ok with nothing changed: no question, nothing written.
    open();
    click("cmdsetOK");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));

    // Ticked and unticked again: equal to the copy, but the restart stays raised.
    open();
    tick("ckMakeSysRdO");
    tick("ckMakeSysRdO");
    click("cmdsetOK");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_TRUE(state.RestartPending);

    // Cancel undoes everything, the folders too, without asking.
    open();
    tick("ckDisSingleD");
    showTab(2);
    click("cmdsetNPTS_SL");
    User::Retype(control<QLineEdit>("setNPTDTb"), QStringLiteral("  /srv/elsewhere  "));
    EXPECT_EQ(state.settings.DataRoot, "/srv/elsewhere");
    click("cmdsetCancel");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_EQ(state.settings.DataRoot, folder.path() + "Kestranedata");
    EXPECT_EQ(state.settings.DisableSingleDelete, "0");
    EXPECT_FALSE(state.RestartPending);

    // The close box asks; No undoes.
    open();
    tick("ckCalAOatT");
    boxes.queue(vb::vbNo);
    window->close();
    EXPECT_EQ(boxes.calls().size(), 1u);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(state.settings.CalendarOpensAtToday, "0");

    // Cancel on the question keeps the window and the edits; the empty data
    // folder warning with Cancel keeps them too, and OK then saves.
    open();
    tick("ckCalAOatT");
    showTab(2);
    User::Retype(control<QLineEdit>("setNPTDTb"), QStringLiteral(" "));
    boxes.queue(vb::vbCancel);
    click("cmdsetOK");
    EXPECT_TRUE(window->isVisible());
    boxes.queue(vb::vbYes);
    boxes.queue(vb::vbCancel);
    click("cmdsetOK");
    ASSERT_EQ(boxes.calls().size(), 3u);
    EXPECT_EQ(boxes.calls()[1].text, SaveQuestion);
    EXPECT_EQ(boxes.calls()[2].text, "No data path found. If this isn't set, Kestrane will apply\r\n"
                                     "defaults to all settings the next time it starts.\r\n\r\n"
                                     "Click [ OK ] to continue and apply default settings, or\r\n"
                                     "Click [ Cancel ] to continue with configuration.");
    EXPECT_EQ(boxes.calls()[2].style, vb::vbOKCancel | vb::vbExclamation);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
    EXPECT_EQ(state.settings.CalendarOpensAtToday, "1");

    // A settings file that cannot be written: said so, and the window stays.
    std::filesystem::create_directories(settingsFile());
    boxes.clear();
    boxes.queue(vb::vbYes);
    boxes.queue(vb::vbOK);
    click("cmdsetOK");
    ASSERT_EQ(boxes.calls().size(), 3u);
    EXPECT_TRUE(boxes.calls()[2].text.startsWith("Kestrane settings could not be saved"))
        << boxes.calls()[2].text.toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.settings.CalendarOpensAtToday, "1");

    std::filesystem::remove(settingsFile());
    boxes.queue(vb::vbYes);
    boxes.queue(vb::vbOK);
    click("cmdsetOK");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored().CalendarOpensAtToday, "1");
    EXPECT_EQ(stored().DataRoot, "") << "saved as asked; the next start restores the defaults";
}

TEST_F(SetupTest, ChooserPicksTheDataFolderAndRaisesTheRestart) {
    const std::string other = folder.path() + "a folder with a rather long name/holding the data";
    for (const char* sub : {"/Record", "/Status", "/photo"})
        std::filesystem::create_directories(other + sub);
    open();
    showTab(2);
    const QString shown = control<QLineEdit>("setNPTDTb")->text();

    frmBFF* seen = nullptr;
    auto pickOther = OnNextModal([&](QWidget* w) {
        seen = static_cast<frmBFF*>(w);
        EXPECT_EQ(w->windowTitle(), "Select Root Folder");
        auto* selected = Control<QLineEdit>(w, "txtBFFSelectedF");
        EXPECT_EQ(selected->toolTip(), shown) << "preselected: the box's folder";
        EXPECT_TRUE(selected->text().contains("...")) << selected->text().toStdString();
        EXPECT_TRUE(selected->text().endsWith("Kestranedata")) << selected->text().toStdString();

        ClickFolder(w, ShownPath::Text(other));
        EXPECT_EQ(selected->toolTip(), ShownPath::Text(other));
        EXPECT_TRUE(selected->text().endsWith("/holding the data")) << selected->text().toStdString();

        // Opened and maximised, the tree lies between the bars and the bottom
        // bar rests on the bottom edge: nothing cut, nothing covered.
        auto* tree = Control<QTreeView>(w, "ftvbff");
        auto* bar = Control<QFrame>(w, "picBFFBottomBar");
        for (const QSize size : {w->size(), QSize(1024, 740)}) {
            SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
            w->resize(size);
            EXPECT_EQ(bar->x(), 0);
            EXPECT_EQ(bar->width(), w->width());
            EXPECT_EQ(bar->geometry().bottom(), w->rect().bottom());
            EXPECT_TRUE(w->rect().contains(tree->geometry()));
            EXPECT_LT(tree->geometry().bottom(), bar->y());
            EXPECT_GT(tree->y(), Control<QWidget>(w, "imaBFFTopBar")->geometry().bottom());
            for (const QWidget* inside : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(bar->rect().contains(inside->geometry())) << inside->objectName().toStdString();
        }

        // A window too low for the tree keeps the tree; the buttons follow the width.
        const QRect treeBefore = tree->geometry();
        w->resize(500, 120);
        EXPECT_EQ(tree->geometry(), treeBefore);
        EXPECT_EQ(Control<QPushButton>(w, "cmdBFFCancel")->x(), (w->width() * 15 - 1200) / 15);
        User::Click(w, "cmdBFFOK");
    });
    click("cmdsetNPTD");
    ASSERT_TRUE(seen);
    EXPECT_EQ(control<QLineEdit>("setNPTDTb")->text(), ShownPath::Text(other));
    EXPECT_EQ(state.browse.BrowseTarget, 0) << "the hand-off is used once";
    EXPECT_TRUE(state.browse.BrowseResult.empty());

    // Cancel, the close box and a folder the settings would keep without its
    // last blank leave the box as it is.
    auto cancel = OnNextModal([](QWidget* w) { User::Click(w, "cmdBFFCancel"); });
    click("cmdsetNPTS");
    auto closeBox = OnNextModal([](QWidget* w) { w->close(); });
    click("cmdsetNPTS");
    const std::string blankEnded = folder.path() + "system ";
    std::filesystem::create_directories(blankEnded);
    auto pickBlankEnded = OnNextModal([&](QWidget* w) {
        ClickFolder(w, ShownPath::Text(blankEnded));
        User::Click(w, "cmdBFFOK");
    });
    click("cmdsetNPTS");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.startsWith("A folder path cannot begin or end with a blank"));
    EXPECT_EQ(control<QLineEdit>("setNPTSTb")->text(), ShownPath::Text(folder.path()));

    // A folder that does not exist: the chooser opens on the nearest one that
    // does, with nothing chosen until the user chooses.
    const std::string picked = other + "/Record";
    auto* dataBox = control<QLineEdit>("setNPTDTb");
    QTest::mouseClick(dataBox, Qt::LeftButton);
    QTest::keyClick(dataBox, Qt::Key_End);
    QTest::keyClicks(dataBox, "/gone/too");
    auto pickNearby = OnNextModal([&](QWidget* w) {
        auto* tree = Control<QTreeView>(w, "ftvbff");
        EXPECT_TRUE(tree->selectionModel()->selectedIndexes().isEmpty());
        EXPECT_EQ(tree->currentIndex().data().toString(), "holding the data");
        EXPECT_TRUE(Control<QLineEdit>(w, "txtBFFSelectedF")->text().isEmpty());
        EXPECT_FALSE(Control<QPushButton>(w, "cmdBFFOK")->isEnabled());
        ClickFolder(w, ShownPath::Text(picked));
        User::Click(w, "cmdBFFOK");
    });
    click("cmdsetNPTD");
    EXPECT_EQ(control<QLineEdit>("setNPTDTb")->text(), ShownPath::Text(picked));

    boxes.queue(vb::vbYes);
    click("cmdsetOK");
    EXPECT_TRUE(state.RestartPending) << "a new data folder needs a restart";
    EXPECT_EQ(stored().DataRoot, picked);

    // Opened again, the box shows the stored folder and no old choice comes back.
    state.browse.BrowseCancelled = false;
    open();
    EXPECT_EQ(control<QLineEdit>("setNPTDTb")->text(), ShownPath::Text(picked));
}

TEST_F(SetupTest, FoldersNamedInOtherBytesComeBackAsTheyWere) {
    // Folder names in 8-bit text, as a settings file from another desk holds them.
    const std::string data = folder.path() + "d\xE4ta", system = folder.path() + "sys\xE4";
    const std::string chosen = folder.path() + "b\xE4r";
    for (const std::string& made : {data + "/Record", system, chosen})
        std::filesystem::create_directories(made);
    const QString programFolder = ShownPath::Text(folder.path());
    state.settings.DataRoot = data;
    state.settings.SystemPathSetting = system;
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    std::string before, after;
    ASSERT_FALSE(ReadWholeFile(settingsFile(), before));

    open();
    showTab(2);
    EXPECT_EQ(control<QLineEdit>("setNPTDTb")->text(), programFolder + QStringLiteral("d\u00e4ta"));
    EXPECT_EQ(control<QLineEdit>("setNPTSTb")->text(), programFolder + QStringLiteral("sys\u00e4"));
    click("cmdsetCancel");
    EXPECT_EQ(state.settings.DataRoot, data);
    EXPECT_EQ(state.settings.SystemPathSetting, system);
    ASSERT_FALSE(ReadWholeFile(settingsFile(), after));
    EXPECT_TRUE(after == before);

    open();
    tick("ckStartFull");
    boxes.queue(vb::vbYes);
    click("cmdsetOK");
    EXPECT_EQ(stored().DataRoot, data);
    EXPECT_EQ(stored().SystemPathSetting, system);

    // Typing keeps the bytes the user did not touch; a chosen folder comes as named.
    open();
    showTab(2);
    auto* dataBox = control<QLineEdit>("setNPTDTb");
    QTest::mouseClick(dataBox, Qt::LeftButton);
    QTest::keyClick(dataBox, Qt::Key_End);
    QTest::keyClicks(dataBox, "/Record");
    QTest::keyClick(dataBox, Qt::Key_Home);
    QTest::keyClicks(dataBox, "~");
    EXPECT_EQ(state.settings.DataRoot, "~" + data + "/Record");
    QTest::keyClick(dataBox, Qt::Key_Backspace);
    EXPECT_EQ(state.settings.DataRoot, data + "/Record");
    auto pick = OnNextModal([&](QWidget* w) {
        ClickFolder(w, programFolder + QStringLiteral("b\u00e4r"));
        User::Click(w, "cmdBFFOK");
    });
    click("cmdsetNPTS");
    EXPECT_EQ(control<QLineEdit>("setNPTSTb")->text(), programFolder + QStringLiteral("b\u00e4r"));
    boxes.queue(vb::vbYes);
    click("cmdsetOK");
    EXPECT_EQ(stored().DataRoot, data + "/Record");
    EXPECT_EQ(stored().SystemPathSetting, chosen);

    // The record keeps 255 bytes of a folder: 200 letters typed may take more.
    open();
    showTab(2);
    User::Retype(control<QLineEdit>("setNPTDTb"), QStringLiteral("/") + QString(199, QChar(0xE4)));
    boxes.clear();
    boxes.queue(vb::vbYes);
    click("cmdsetOK");
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_TRUE(boxes.calls()[1].text.startsWith("The folder path is longer than 255 bytes"))
        << boxes.calls()[1].text.toStdString();
    EXPECT_TRUE(window->isVisible());
}

TEST(ShownPath, ShowsAnyBytesReadablyAndKeepsThoseNotRetyped) {
    struct Case {
        std::string bytes;
        QString shown;
    };
    const Case cases[] = {
        {"/caf\xC3\xA9", QStringLiteral("/caf\u00e9")},
        {"/d\xE4ta", QStringLiteral("/d\u00e4ta")},
        {"/\xC0\xAF", QStringLiteral("/\u00c0\u00af")},           // an overlong "/" is no UTF-8
        {"/\xED\xA0\x80", QStringLiteral("/\u00ed\u00a0\u0080")}, // nor is a surrogate
        {"/\xE2\x82", QStringLiteral("/\u00e2\u0082")},           // a cut sequence
        {"/\xF0\x9F\x98\x80", QString::fromUtf8("/\xF0\x9F\x98\x80")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(ShownPath::Text(c.bytes), c.shown);
        EXPECT_EQ(ShownPath::Bytes(c.shown, c.bytes), c.bytes);
        EXPECT_EQ(ShownPath::Bytes(c.shown + QStringLiteral("/\u00e4"), c.bytes), c.bytes + "/\xC3\xA4");
        EXPECT_EQ(ShownPath::Bytes(QStringLiteral("/\u00e4") + c.shown, c.bytes), "/\xC3\xA4" + c.bytes);
    }
    // One of two characters sharing a first UTF-16 unit retyped: the whole character is new.
    EXPECT_EQ(ShownPath::Bytes(QString::fromUtf8("/\xF0\x9F\x98\x81"), "/\xF0\x9F\x98\x80"), "/\xF0\x9F\x98\x81");
    EXPECT_EQ(ShownPath::Bytes(QString::fromUtf8("/\xF0\x9F\x98\x80"), "/\xF0\x9F\x99\x80"), "/\xF0\x9F\x98\x80");
}

namespace {

const char* const ListsFile = "STRAY\r\n"
                              "[DEPARTME]\r\n"
                              "FINANCE\r\n"
                              "STORES  \r\n"
                              "FINANCE\r\n"
                              "[DESCRIPT]\r\n"
                              "WELDING\r\n"
                              "\r\n"
                              "[SELECTAC]\r\n"
                              "FINANCE\r\n";

QStringList Listed(QListWidget* list) {
    QStringList rows;
    for (int r = 0; r < list->count(); ++r)
        rows << list->item(r)->text();
    return rows;
}

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

TEST_F(SetupTest, ListEditorChangesOnlyTheListedLines) {
    const std::string path = folder.path() + "_KSF/KSystem/KACustom.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << ListsFile;
    open();
    showTab(1);
    auto* list = control<QListWidget>("ListSection");
    auto* text = control<QLineEdit>("ActiveText");
    auto* choose = control<QComboBox>("cbSetSelectList");
    EXPECT_EQ(choose->currentText(), "- Select -");
    click("cmdSetList");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "No Edit list: Select a list to edit from the drop-down box");
    EXPECT_TRUE(list->count() == 0);

    User::Pick(choose, QStringLiteral("DEPARTMENT"));
    EXPECT_EQ(text->maxLength(), 25);
    click("cmdSetList");
    EXPECT_EQ(Listed(list), (QStringList{" FINANCE", " STORES  ", " FINANCE", " WELDING"}));
    EXPECT_FALSE(control<QPushButton>("cmdSetADD")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdSetDelete")->isEnabled());

    // After the second of two equal items.
    ClickRow(list, 2);
    EXPECT_TRUE(control<QPushButton>("cmdSetDelete")->isEnabled());
    User::Retype(text, QStringLiteral("I"));
    EXPECT_FALSE(control<QPushButton>("cmdSetADD")->isEnabled()) << "too short";
    User::Retype(text, QStringLiteral("  SECURITY  "));
    click("cmdSetADD");
    EXPECT_TRUE(control<QLabel>("lachanges")->isVisible());
    EXPECT_EQ(FileLines(path),
              (std::vector<std::string>{"STRAY", "[DEPARTME]", "FINANCE", "STORES  ", "FINANCE", "SECURITY",
                                        "[DESCRIPT]", "WELDING", "", "[SELECTAC]", "FINANCE"}));
    EXPECT_EQ(list->count(), 5);
    EXPECT_FALSE(control<QPushButton>("cmdSetDelete")->isEnabled()) << "reloaded with nothing highlighted";

    // Nothing highlighted: at the end of the section as listed.
    User::Retype(text, QStringLiteral("YARD"));
    click("cmdSetADD");
    // The item with trailing blanks, and the first FINANCE only; the access list's stays.
    ClickRow(list, 1);
    click("cmdSetDelete");
    ClickRow(list, 0);
    click("cmdSetDelete");
    EXPECT_EQ(FileLines(path), (std::vector<std::string>{"STRAY", "[DEPARTME]", "FINANCE", "SECURITY", "[DESCRIPT]",
                                                         "WELDING", "YARD", "", "[SELECTAC]", "FINANCE"}));

    // An item that would read as a header is refused.
    boxes.clear();
    User::Retype(text, QStringLiteral("[NEW]"));
    click("cmdSetADD");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(FileLines(path).size(), 10u);

    // Another desk took the section out of the file.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "[SELECTAC]\r\nFINANCE\r\n";
    boxes.clear();
    User::Retype(text, QStringLiteral("YARD"));
    click("cmdSetADD");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_TRUE(boxes.calls()[0].text.endsWith(": The list is no longer in the file"))
        << boxes.calls()[0].text.toStdString();
    EXPECT_EQ(FileLines(path), (std::vector<std::string>{"[SELECTAC]", "FINANCE"}));

    // A missing file: the load error, and an Add makes no file.
    std::filesystem::remove(path);
    boxes.clear();
    click("cmdSetList");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Could not load the DL/INI Lists FILE LOAD ERROR");
    EXPECT_EQ(boxes.calls()[0].title, "Contact Brantholm and Quote [ LE-5-7853 ]");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbCritical);
    User::Retype(text, QStringLiteral("YARD"));
    click("cmdSetADD");
    EXPECT_FALSE(std::filesystem::exists(path));

    // The note is hidden again when the window next opens.
    open();
    EXPECT_FALSE(control<QLabel>("lachanges")->isVisible());
}

namespace {

class SetupRestartTest : public DeskWindowTest {};

} // namespace

TEST_F(SetupRestartTest, ReadOnlyAndNewDataFolderShutTheDeskAndKeepItsWork) {
    const std::string moved = folder.path() + "moved data";
    for (const char* sub : {"/Record", "/Status", "/photo"})
        std::filesystem::create_directories(moved + sub);
    openOn({2014, 3, 15, 10, 30, 0});
    click("cmdNEW");
    User::Retype(Control<QLineEdit>(main, "FirstNameTB"), QStringLiteral("Jo"));
    User::Retype(Control<QLineEdit>(main, "LastNameTB"), QStringLiteral("Li"));
    User::Choose(Control<QComboBox>(main, "Dept1CB"), QStringLiteral(" FINANCE"));
    User::Retype(Control<QLineEdit>(main, "CatOrganTB"), QStringLiteral("ACME LTD"));
    const std::size_t before = FileLines(monthFile("1403")).size();

    frmSetup setup(state, main);
    auto tickAndSave = OnNextModal([&](QWidget* w) {
        auto* readOnly = Control<QCheckBox>(w, "ckMakeSysRdO");
        QTest::mouseClick(readOnly, Qt::LeftButton, {}, QPoint(8, readOnly->height() / 2));
        // The folder's name changed at its end, the rest kept as shown.
        auto* dataBox = Control<QLineEdit>(w, "setNPTDTb");
        QTest::mouseClick(dataBox, Qt::LeftButton);
        QTest::keyClick(dataBox, Qt::Key_End);
        for (int i = 0; i < 12; ++i) // "Kestranedata"
            QTest::keyClick(dataBox, Qt::Key_Backspace);
        QTest::keyClicks(dataBox, "moved data");
        User::Click(w, "cmdsetOK");
    });
    boxes.clear();
    boxes.queue(vb::vbYes); // save the settings
    boxes.queue(vb::vbOK);  // the shut-down notice
    boxes.queue(vb::vbYes); // save the new booking
    main->RunModal(setup);
    ASSERT_EQ(boxes.calls().size(), 3u);
    EXPECT_EQ(boxes.calls()[1].text,
              "Kestrane will now shut down. Mode and other settings will be applied when you re-start");
    EXPECT_EQ(boxes.calls()[2].text, "New booking not saved:  Save it before you close?");
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(FileLines(monthFile("1403")).size(), before + 1) << "kept in the folder the desk ran on";
    EXPECT_FALSE(std::filesystem::exists(moved + "/Record/1403.vrf"));
    EXPECT_EQ(state.settings.ReadOnlyMode, "1");
}
