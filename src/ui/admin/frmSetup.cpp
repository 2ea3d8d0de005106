#include "ui/admin/frmSetup.h"

#include "core/TextUtil.h"
#include "core/admin/FolderPath.h"
#include "core/startup/Helpers.h"
#include "core/startup/SettingsRecord.h"
#include "core/startup/UsrSettings.h"
#include "platform/MsgBox.h"
#include "platform/PathBox.h"
#include "platform/Shell.h"
#include "ui/admin/PickListPanel.h"
#include "ui/admin/frmBFF.h"
#include "ui/common/Centre.h"
#include "ui/common/Errors.h"
#include "ui/common/OpenGuard.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"
#include "ui/startup/Artwork.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

using Widgets::Button;
using Widgets::Caption;

namespace {

struct OptionBox {
    const char* name;
    const char* caption;
    std::string UserSettings::*setting;
};

// In the order the window fills them when it opens.
constexpr std::array<OptionBox, 17> OptionBoxes{{
    {"ckStartFull", "Start Full Screen", &UserSettings::StartFullScreen},
    {"ckShowToday", "Show IN/OUT Status List on Start-Up", &UserSettings::ShowStatusListAtStart},
    {"ckCalAOatT", "Calendar Always Opens at Today", &UserSettings::CalendarOpensAtToday},
    {"ckShowSplash", "Show Splash Screen ", &UserSettings::ShowSplash},
    {"ckEnbl_RTC", "Enable Clock in Booking Times Dropdown", &UserSettings::ClockInTimesList},
    {"ckDisSingleD", "Disable Single Delete", &UserSettings::DisableSingleDelete},
    {"ckDisMultiD", "Disable Multiple Delete", &UserSettings::DisableMultiDelete},
    {"ckPresvePW", "Preserve Config Password Until Restart", &UserSettings::PreservePassword},
    {"ckEnbl_VidConfig", "Enable Video Config. Settings", &UserSettings::EnableVideoConfig},
    {"ckAllowExtCiPW", "Allow Extended Characters in Password", &UserSettings::AllowExtPasswordChars},
    {"ckDisPassPrn", "Disable Pass Issue (Printing)", &UserSettings::DisablePassPrinting},
    {"ckEnbl_BarOP", "Enable Barcode on Pass", &UserSettings::ShowPassBarcode},
    {"ckForceMono", "Force Monochrome for Pass", &UserSettings::ForceMonochromePass},
    {"ckEnbl_PrnFlip", "Enable Pass Printing on Reverse Side", &UserSettings::PrintPassReverse},
    {"ckEnbl_PrnLogo", "Enable Printing of Organisation Logo ", &UserSettings::ShowPassLogo},
    {"ckMakeSysRdO", "Make System Read-Only", &UserSettings::ReadOnlyMode},
    {"ckEnblNetPaths", "Enable Network Paths", &UserSettings::EnableNetworkPaths},
}};

// The settings the window edits, undoes and compares.
constexpr std::array<std::string UserSettings::*, 20> EditedSettings{
    &UserSettings::AllowExtPasswordChars,
    &UserSettings::StartFullScreen,
    &UserSettings::ShowStatusListAtStart,
    &UserSettings::CalendarOpensAtToday,
    &UserSettings::ShowSplash,
    &UserSettings::ClockInTimesList,
    &UserSettings::DisableSingleDelete,
    &UserSettings::DisableMultiDelete,
    &UserSettings::PreservePassword,
    &UserSettings::ReadOnlyMode,
    &UserSettings::EnableVideoConfig,
    &UserSettings::SettingsFlag484,
    &UserSettings::DisablePassPrinting,
    &UserSettings::ShowPassBarcode,
    &UserSettings::ForceMonochromePass,
    &UserSettings::PrintPassReverse,
    &UserSettings::ShowPassLogo,
    &UserSettings::EnableNetworkPaths,
    &UserSettings::DataRoot,
    &UserSettings::SystemPathSetting,
};

// The boxes the read-only option greys.
constexpr std::array<const char*, 6> ReadOnlyDependants{"ckDisPassPrn",   "ckEnbl_BarOP", "ckForceMono",
                                                        "ckEnbl_PrnLogo", "ckDisSingleD", "ckDisMultiD"};

const char* const Title = "Kestrane";

using FolderBrowse = ProgramState::FolderBrowse;

} // namespace

frmSetup::frmSetup(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Kestrane System Configuration "));
    setModal(true);
    setFixedSize(620, 540);
    WindowKeys::Install(this);

    auto* ConfigPicBan = new QLabel(this);
    ConfigPicBan->setObjectName(QStringLiteral("ConfigPicBan"));
    ConfigPicBan->setGeometry(0, 0, 620, 50);
    ConfigPicBan->setPixmap(Artwork::Banner(620, 50, QStringLiteral("Kestrane System Configuration"), 14));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(8, 58, 604, 430);
    auto* startUp = new QWidget(this);
    buildStartUpTab(startUp);
    SSTab1->addTab(startUp, QStringLiteral("  Start Up    "));
    lists_ = new PickListPanel(state_, this);
    lists_->setObjectName(QStringLiteral("PickListPanel"));
    SSTab1->addTab(lists_, QStringLiteral("  Built-in Lists   "));
    auto* network = new QWidget(this);
    buildNetworkTab(network);
    SSTab1->addTab(network, QStringLiteral("   Network    "));
    auto* statistics = new QWidget(this);
    buildStatisticsTab(statistics);
    SSTab1->addTab(statistics, QStringLiteral("   Statistics    "));

    auto* cmdsetOK = Button(this, "cmdsetOK", QStringLiteral("Ok"), QString(), QRect(420, 498, 90, 30));
    connect(cmdsetOK, &QPushButton::clicked, this, &frmSetup::cmdsetOK_Click);
    auto* cmdsetCancel = Button(this, "cmdsetCancel", QStringLiteral("Cancel"), QString(), QRect(518, 498, 90, 30));
    connect(cmdsetCancel, &QPushButton::clicked, this, &frmSetup::cmdsetCancel_Click);

    Form_Load();
}

void frmSetup::buildStartUpTab(QWidget* tab) {
    Caption(tab, "Start Up ", QRect(12, 8, 200, 20), true);
    const auto addBox = [this, tab](const char* name, int x, int y) {
        for (const OptionBox& option : OptionBoxes) {
            if (std::string_view(option.name) != name)
                continue;
            auto* b = new QCheckBox(QString::fromLatin1(option.caption), tab);
            b->setObjectName(QString::fromLatin1(name));
            b->setGeometry(x, y, 280, 22);
            if (std::string_view(name) == "ckDisSingleD")
                connect(b, &QCheckBox::clicked, this, &frmSetup::ckDisSingleD_Click);
            else if (std::string_view(name) == "ckDisMultiD")
                connect(b, &QCheckBox::clicked, this, &frmSetup::ckDisMultiD_Click);
            else if (std::string_view(name) == "ckMakeSysRdO")
                connect(b, &QCheckBox::clicked, this, &frmSetup::ckMakeSysRdO_Click);
            else
                connect(b, &QCheckBox::clicked, this, [this, name] { Option_Click(name); });
        }
    };
    struct Group {
        const char* heading;
        std::array<const char*, 6> boxes; // row by row, left box first
    };
    const std::array<Group, 3> groups{{
        {"START UP", {"ckStartFull", "ckShowSplash", "ckShowToday", "ckEnbl_RTC", "ckCalAOatT", nullptr}},
        {"SYSTEM", {"ckDisSingleD", "ckMakeSysRdO", "ckDisMultiD", "ckEnbl_VidConfig", "ckPresvePW", "ckAllowExtCiPW"}},
        {"PASS", {"ckDisPassPrn", "ckEnbl_PrnFlip", "ckEnbl_BarOP", "ckEnbl_PrnLogo", "ckForceMono", nullptr}},
    }};
    int y = 36;
    for (const Group& group : groups) {
        Caption(tab, group.heading, QRect(12, y, 200, 20), true);
        y += 22;
        for (std::size_t i = 0; i < group.boxes.size(); i += 2) {
            if (group.boxes[i])
                addBox(group.boxes[i], 24, y);
            if (group.boxes[i + 1])
                addBox(group.boxes[i + 1], 310, y);
            if (group.boxes[i])
                y += 24;
        }
        y += 14;
    }
    QCheckBox* readOnly = box("ckMakeSysRdO");
    QPalette pal = readOnly->palette();
    pal.setColor(QPalette::WindowText, QColor(192, 0, 0));
    pal.setColor(QPalette::ButtonText, QColor(192, 0, 0));
    readOnly->setPalette(pal);
    box("ckShowSplash")->setEnabled(false);
    box("ckEnbl_PrnFlip")->setEnabled(false);
}

void frmSetup::buildNetworkTab(QWidget* tab) {
    Caption(tab, "Network", QRect(12, 8, 200, 20), true);
    Caption(tab, "NETWORK", QRect(12, 36, 200, 20), true);
    const auto folderRow = [this, tab](const char* label, int y, const char* boxName, const char* browseName,
                                       const char* localName) {
        Caption(tab, label, QRect(12, y, 400, 20));
        auto* folder = new PathBox(tab);
        folder->setObjectName(QString::fromLatin1(boxName));
        folder->setMaxLength(32767);
        folder->setGeometry(12, y + 22, 380, 26);
        auto* browse = Button(tab, browseName, QStringLiteral("Browse..."), QString(), QRect(400, y + 22, 90, 26));
        auto* local = Button(tab, localName, QStringLiteral("Set Local"), QString(), QRect(496, y + 22, 90, 26));
        return std::array<QWidget*, 3>{folder, browse, local};
    };
    const auto data = folderRow("Set Network Path to Database", 64, "setNPTDTb", "cmdsetNPTD", "cmdsetNPTD_SL");
    setNPTDTb = static_cast<PathBox*>(data[0]);
    connect(setNPTDTb, &QLineEdit::textChanged, this, &frmSetup::setNPTDTb_Change);
    connect(static_cast<QPushButton*>(data[1]), &QPushButton::clicked, this, &frmSetup::cmdsetNPTD_Click);
    connect(static_cast<QPushButton*>(data[2]), &QPushButton::clicked, this, &frmSetup::cmdsetNPTD_SL_Click);
    const auto system = folderRow("Set Path to Kestrane System Files", 130, "setNPTSTb", "cmdsetNPTS", "cmdsetNPTS_SL");
    setNPTSTb = static_cast<PathBox*>(system[0]);
    connect(setNPTSTb, &QLineEdit::textChanged, this, &frmSetup::setNPTSTb_Change);
    connect(static_cast<QPushButton*>(system[1]), &QPushButton::clicked, this, &frmSetup::cmdsetNPTS_Click);
    connect(static_cast<QPushButton*>(system[2]), &QPushButton::clicked, this, &frmSetup::cmdsetNPTS_SL_Click);

    auto* net = new QCheckBox(QStringLiteral("Enable Network Paths"), tab);
    net->setObjectName(QStringLiteral("ckEnblNetPaths"));
    net->setGeometry(12, 200, 280, 22);
    connect(net, &QCheckBox::clicked, this, [this] { Option_Click("ckEnblNetPaths"); });
}

void frmSetup::buildStatisticsTab(QWidget* tab) {
    Caption(tab, "Statistics", QRect(12, 8, 200, 20), true);
    Caption(tab, "YEARLY VISITOR STATS", QRect(12, 36, 240, 20), true);
    const char* captions[8] = {"Total Visitors", "Peak Visitors", "Total Booked",   "One Day Passes",
                               "Total Passes",   "Unused Passes", "Photos On-File", "Total Revoked"};
    for (int i = 0; i < 8; ++i) {
        const int x = 12 + (i / 4) * 290, y = 70 + (i % 4) * 36;
        Caption(tab, captions[i], QRect(x, y, 140, 24));
        auto* text = new QLineEdit(tab);
        text->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        text->setGeometry(x + 146, y, 110, 24);
    }
}

QCheckBox* frmSetup::box(const char* name) const {
    return findChild<QCheckBox*>(QString::fromLatin1(name));
}

void frmSetup::Form_Load() {
    if (const QScreen* s = QGuiApplication::primaryScreen())
        Centre::In(this, QRect(QPoint(), s->geometry().size()));
    ShowSettings();
    SnapshotSettings();
    state_.RestartPending = false;
}

void frmSetup::ShowSettings() {
    lists_->HideChangesNote();
    // Qt's setChecked runs no click operation, so each box's runs here: a
    // setting the box cannot show as it stands ("Y", a blank) is stored as
    // the box shows it before the undo copy is taken.
    for (const OptionBox& option : OptionBoxes) {
        QCheckBox* b = box(option.name);
        b->setChecked(state_.options().ticked(option.setting));
        if (std::string_view(option.name) == "ckDisSingleD")
            ckDisSingleD_Click();
        else if (std::string_view(option.name) == "ckDisMultiD")
            ckDisMultiD_Click();
        else if (std::string_view(option.name) == "ckMakeSysRdO")
            ckMakeSysRdO_Click();
        else
            Option_Click(option.name);
    }
    setNPTDTb->setPath(state_.settings.DataRoot);
    setNPTSTb->setPath(state_.settings.SystemPathSetting);
}

void frmSetup::SnapshotSettings() {
    for (const auto member : EditedSettings)
        shadow_.*member = state_.settings.*member;
}

void frmSetup::CompareSettings() {
    settingsChanged_ = false;
    for (const auto member : EditedSettings)
        if (shadow_.*member != state_.settings.*member)
            settingsChanged_ = true;
}

void frmSetup::RestoreSettings() {
    for (const auto member : EditedSettings)
        state_.settings.*member = shadow_.*member;
    state_.RestartPending = false;
}

void frmSetup::Option_Click(const char* boxName) {
    for (const OptionBox& option : OptionBoxes)
        if (std::string_view(option.name) == boxName)
            SetOption(state_.settings, option.setting, box(boxName)->isChecked());
}

void frmSetup::ckDisSingleD_Click() {
    Option_Click("ckDisSingleD");
    if (!box("ckDisSingleD")->isChecked())
        state_.RestartPending = true;
}

void frmSetup::ckDisMultiD_Click() {
    Option_Click("ckDisMultiD");
    if (!box("ckDisMultiD")->isChecked())
        state_.RestartPending = true;
}

void frmSetup::ckMakeSysRdO_Click() {
    Option_Click("ckMakeSysRdO");
    const bool ticked = box("ckMakeSysRdO")->isChecked();
    for (const char* name : ReadOnlyDependants)
        box(name)->setEnabled(!ticked);
    state_.RestartPending = true;
}

void frmSetup::setNPTDTb_Change() {
    state_.settings.DataRoot = Text::Trim(setNPTDTb->path());
}

void frmSetup::setNPTSTb_Change() {
    state_.settings.SystemPathSetting = Text::Trim(setNPTSTb->path());
}

void frmSetup::cmdsetNPTD_SL_Click() {
    setNPTDTb->setPath(DefaultSettings(state_.ProgramFolder).DataRoot);
}

void frmSetup::cmdsetNPTS_SL_Click() {
    setNPTSTb->setPath(DefaultSettings(state_.ProgramFolder).SystemPathSetting);
}

void frmSetup::cmdsetNPTD_Click() {
    browse(FolderBrowse::DataFolder, setNPTDTb);
}

void frmSetup::cmdsetNPTS_Click() {
    browse(FolderBrowse::SystemFolder, setNPTSTb);
}

// The chooser opens on the folder the box names.
void frmSetup::browse(FolderBrowse::Target target, PathBox* folderBox) {
    const OpenGuard opening(this);
    if (!opening)
        return;
    state_.browse.BrowseTarget = target;
    state_.browse.BrowseResult = Text::Trim(folderBox->path());
    {
        frmBFF chooser(state_, this);
        chooser.exec();
    }
    Form_Activate();
}

void frmSetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

// Takes the chooser's answer once: a later activation finds nothing to put back.
void frmSetup::Form_Activate() {
    FolderBrowse& b = state_.browse;
    const FolderBrowse::Target target = b.BrowseTarget;
    const std::string chosen = b.BrowseResult;
    const bool cancelled = b.BrowseCancelled;
    b = {};
    if (cancelled || target == FolderBrowse::NoTarget)
        return;
    if (const auto refusal = FolderPath::FolderRefusal(chosen)) {
        tell(QString::fromStdString(*refusal) + QStringLiteral("\r\n") + ShownPath::Text(chosen), vb::vbExclamation);
        return;
    }
    (target == FolderBrowse::DataFolder ? setNPTDTb : setNPTSTb)->setPath(chosen);
}

void frmSetup::cmdsetOK_Click() {
    cancelPressed_ = false;
    close();
}

void frmSetup::cmdsetCancel_Click() {
    cancelPressed_ = true;
    close();
}

void frmSetup::reject() {
    close(); // Escape closes as the close box does
}

void frmSetup::closeEvent(QCloseEvent* event) {
    if (unloaded_ || Form_Unload()) {
        unloaded_ = true;
        event->accept();
        QDialog::done(cancelPressed_ ? QDialog::Rejected : QDialog::Accepted);
    } else {
        event->ignore();
    }
}

void frmSetup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        state_.HelpTopic =
            SSTab1->currentIndex() == 2 ? StartUp::HelpTopics::NetworkSettings : StartUp::HelpTopics::Settings;
        StartUp::ShowHelpTopic(state_);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSetup::tell(const QString& text, int style) {
    MsgBox(text, style, QString::fromLatin1(Title), this);
}

// A folder that cannot be stored as it is would come back as another one.
bool frmSetup::foldersCanBeKept() {
    for (const std::string* folder : {&state_.settings.DataRoot, &state_.settings.SystemPathSetting}) {
        if (const auto refusal = FolderPath::FolderRefusal(*folder)) {
            tell(QString::fromStdString(*refusal) + QStringLiteral("\r\n") + ShownPath::Text(*folder),
                 vb::vbExclamation);
            return false;
        }
    }
    return true;
}

bool frmSetup::Form_Unload() {
    CompareSettings();
    if (cancelPressed_) {
        RestoreSettings();
        return true;
    }
    if (!settingsChanged_)
        return true;
    const int answer = MsgBox(QStringLiteral("Kestrane settings have changed. Do you wish to save them?"),
                              vb::vbYesNoCancel | vb::vbQuestion, QString::fromLatin1(Title), this);
    if (answer == vb::vbNo) {
        RestoreSettings();
        return true;
    }
    if (answer != vb::vbYes)
        return false;

    if (Text::IsBlank(state_.settings.DataRoot) || Text::IsBlank(state_.settings.SystemPathSetting)) {
        const QString warning = QStringLiteral("No data path found. If this isn't set, Kestrane will apply\r\n"
                                               "defaults to all settings the next time it starts.\r\n"
                                               "\r\n"
                                               "Click [ OK ] to continue and apply default settings, or\r\n"
                                               "Click [ Cancel ] to continue with configuration.");
        if (MsgBox(warning, vb::vbOKCancel | vb::vbExclamation, QString::fromLatin1(Title), this) != vb::vbOK)
            return false;
    }
    if (!foldersCanBeKept())
        return false;
    if (const FileError error = modUsrSettings::SaveSettings(state_)) {
        Errors::Report(this, Errors::Place::SettingsSave, error);
        return false;
    }
    // The desk must not go on writing into the folders it started with.
    if (state_.settings.DataRoot != shadow_.DataRoot || state_.settings.SystemPathSetting != shadow_.SystemPathSetting)
        state_.RestartPending = true;
    return true;
}
