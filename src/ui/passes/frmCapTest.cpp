#include "ui/passes/frmCapTest.h"

#include "core/AtomicFile.h"
#include "core/passes/PhotoFile.h"
#include "core/startup/Helpers.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/SaveAsDialog.h"
#include "platform/Shell.h"
#include "platform/ShownPath.h"
#include "platform/VideoCapture.h"
#include "platform/VideoPreview.h"
#include "ui/common/Centre.h"
#include "ui/common/Errors.h"
#include "ui/common/KeysHeld.h"
#include "ui/common/Twips.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"
#include "ui/passes/CaptureDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <filesystem>

using namespace Widgets;
using Option = VideoCapture::Option;
using Dialog = VideoCapture::Dialog;

namespace {
constexpr int HeightPx = 345;
constexpr int PreviewWidthTwips = 4800;
constexpr int PreviewHeightTwips = 3600;
// A typed size beyond this many pixels is taken as this many.
constexpr int LargestPreviewPx = 4000;
const QString Title = QStringLiteral("Kestrane");

// The whole number at the start of a box's text, as a typed size is read.
int LeadingNumber(const QString& text) {
    const QString t = text.trimmed();
    int end = 0;
    while (end < t.size() && t[end].isDigit())
        ++end;
    return end == 0 ? 0 : t.left(std::min(end, 9)).toInt();
}
} // namespace

frmCapTest::frmCapTest(ProgramState& state, QWidget* parent)
    : QDialog(parent), state_(state), capture_(VideoCaptureDevices::Open()) {
    setObjectName("frmCapTest");
    setWindowTitle(QStringLiteral("TAKE [ Visitor ] PICTURE"));
    WindowKeys::Install(this);
    buildControls();
    Form_Load();
}

frmCapTest::~frmCapTest() {
    ezVidCap1->setCapture(nullptr);
}

void frmCapTest::buildControls() {
    OCXContainer = Frame(
        this, "OCXContainer",
        QRect(Twips::WholePixels(255), Twips::WholePixels(705), Twips::WholePixels(4920), Twips::WholePixels(3720)));
    ezVidCap1 = Named(new VideoPreview(OCXContainer), "ezVidCap1");
    ezVidCap1->setCapture(capture_.get());
    const int buttonsY = 304;
    cmdEnterSetup = KeyMapButton(this, "cmdEnterSetup", "Video cfg", QString(), QRect(17, buttonsY, 76, 28));
    cmdSaveDIB = KeyMapButton(this, "cmdSaveDIB", "SNAP", QString(), QRect(101, buttonsY, 76, 28));
    cmdClose = KeyMapButton(this, "cmdClose", "Close", QString(), QRect(185, buttonsY, 76, 28));
    cmdSaveAs = KeyMapButton(this, "cmdSaveAs", "Save AVI", QString(), QRect(269, buttonsY, 76, 28));

    // The setup strip, beyond the normal view's right edge.
    const int x = Twips::WholePixels(NormalWidthTwips) + 9;
    cbDriver = Named(new QComboBox(this), "cbDriver");
    cbDriver->setGeometry(x, 10, 280, 24);
    chkPreview = optionBox("chkPreview", "Preview video", 0, static_cast<int>(Option::Preview));
    chkStretch = optionBox("chkStretch", "Prev. Stretch", 1, static_cast<int>(Option::Stretch));
    chkCenter = optionBox("chkCenter", "AutoCenter", 2, static_cast<int>(Option::Center));
    chkAutoSize = optionBox("chkAutoSize", "AutoSize", 3, static_cast<int>(Option::AutoSize));
    chkAudio = optionBox("chkAudio", "Capture Audio", 4, static_cast<int>(Option::Audio));
    chkPreRoll = optionBox("chkPreRoll", "Use Pre-Roll Precise Capture", 5, static_cast<int>(Option::PreRoll));
    chkUserConfirm =
        optionBox("chkUserConfirm", "Confirm Capture (VFW dlg) ", 6, static_cast<int>(Option::UserConfirm));
    chkFrameCallback =
        optionBox("chkFrameCallback", "Enable FrameCallback Event", 7, static_cast<int>(Option::FrameCallback));

    const int dialogsX = x + 202;
    cmdSourceDlg = KeyMapButton(this, "cmdSourceDlg", "Source...", QString(), QRect(dialogsX, 42, 78, 24));
    cmdFormatDlg = KeyMapButton(this, "cmdFormatDlg", "Format...", QString(), QRect(dialogsX, 68, 78, 24));
    cmdDisplayDlg = KeyMapButton(this, "cmdDisplayDlg", "Display...", QString(), QRect(dialogsX, 94, 78, 24));
    cmdCompDlg = KeyMapButton(this, "cmdCompDlg", "Comp...", QString(), QRect(dialogsX, 120, 78, 24));
    cmdAudioDlg = KeyMapButton(this, "cmdAudioDlg", "Audio...", QString(), QRect(dialogsX, 146, 78, 24));

    Label1 = Named(Caption(this, "On-Screen Size", x, 208, 120), "Label1");
    txtWidth = Box(this, "txtWidth", QRect(x, 230, 56, 24));
    txtWidth->setText("160");
    cmdWidth = KeyMapButton(this, "cmdWidth", "Horizontal", QString(), QRect(x + 60, 230, 76, 24));
    txtHeight = Box(this, "txtHeight", QRect(x + 144, 230, 56, 24));
    txtHeight->setText("120");
    cmdHeight = KeyMapButton(this, "cmdHeight", "Vertical", QString(), QRect(x + 204, 230, 76, 24));

    picStatus = Frame(this, "picStatus", QRect(x, 260, 280, 40));
    lblStatusCode = Named(new QLabel("status Code #", picStatus), "lblStatusCode");
    lblStatusCode->setGeometry(4, 2, 272, 18);
    lblStatusString = Named(new QLabel("status string", picStatus), "lblStatusString");
    lblStatusString->setGeometry(4, 20, 272, 18);
    cmdCapture = KeyMapButton(this, "cmdCapture", "Capture", QString(), QRect(x, buttonsY, 90, 28));
    cmdCFGDone = KeyMapButton(this, "cmdCFGDone", "OK", QString(), QRect(x + 190, buttonsY, 90, 28));

    setupControls_ = {cbDriver,   chkPreview,     chkStretch,       chkCenter,    chkAutoSize,  chkAudio,
                      chkPreRoll, chkUserConfirm, chkFrameCallback, cmdSourceDlg, cmdFormatDlg, cmdDisplayDlg,
                      cmdCompDlg, cmdAudioDlg,    Label1,           txtWidth,     cmdWidth,     txtHeight,
                      cmdHeight,  picStatus,      cmdCapture,       cmdCFGDone};

    connect(cmdEnterSetup, &QPushButton::clicked, this, &frmCapTest::cmdEnterSetup_Click);
    connect(cmdSaveDIB, &QPushButton::clicked, this, &frmCapTest::cmdSaveDIB_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCapTest::cmdClose_Click);
    connect(cmdSaveAs, &QPushButton::clicked, this, &frmCapTest::cmdSaveAs_Click);
    connect(cbDriver, &QComboBox::activated, this, &frmCapTest::cbDriver_Click);
    connect(cmdSourceDlg, &QPushButton::clicked, this, &frmCapTest::cmdSourceDlg_Click);
    connect(cmdFormatDlg, &QPushButton::clicked, this, &frmCapTest::cmdFormatDlg_Click);
    connect(cmdWidth, &QPushButton::clicked, this, &frmCapTest::cmdWidth_Click);
    connect(cmdHeight, &QPushButton::clicked, this, &frmCapTest::cmdHeight_Click);
    connect(cmdCapture, &QPushButton::clicked, this, &frmCapTest::cmdCapture_Click);
    connect(cmdCFGDone, &QPushButton::clicked, this, &frmCapTest::cmdCFGDone_Click);
    connect(capture_.get(), &VideoCapture::statusReport, this, &frmCapTest::ezVidCap1_StatusReport);
    connect(capture_.get(), &VideoCapture::errorReport, this, &frmCapTest::ezVidCap1_ErrorReport);
    connect(capture_.get(), &VideoCapture::preRollComplete, this, &frmCapTest::ezVidCap1_PreRollComplete);
}

QCheckBox* frmCapTest::optionBox(const char* name, const QString& text, int row, int option) {
    auto* box = Named(new QCheckBox(text, this), name);
    box->setGeometry(Twips::WholePixels(NormalWidthTwips) + 9, 42 + row * 20, 200, 20);
    connect(box, &QCheckBox::clicked, this,
            [this, option](bool checked) { capture_->setOption(static_cast<Option>(option), checked); });
    return box;
}

std::vector<std::pair<QCheckBox*, VideoCapture::Option>> frmCapTest::optionBoxes() const {
    return {{chkPreview, Option::Preview},
            {chkStretch, Option::Stretch},
            {chkCenter, Option::Center},
            {chkAutoSize, Option::AutoSize},
            {chkAudio, Option::Audio},
            {chkPreRoll, Option::PreRoll},
            {chkUserConfirm, Option::UserConfirm},
            {chkFrameCallback, Option::FrameCallback}};
}

void frmCapTest::Form_Load() {
    state_.HelpTopic = StartUp::HelpTopics::Camera;
    setWidthTwips(NormalWidthTwips);
    CentreForm();
    cmdEnterSetup->setEnabled(state_.options().enableVideoConfig());
    UpdateButtons();

    const int drivers = capture_->driverCount();
    if (drivers > 0) {
        for (int i = 0; i < drivers; ++i)
            cbDriver->addItem(capture_->driverName(i));
        cbDriver->setCurrentIndex(capture_->driverIndex());
        cbDriver_Click();
    } else {
        cbDriver->addItem(QStringLiteral("<none>"));
        cbDriver->setCurrentIndex(0);
        MsgBox(QStringLiteral("Problem: Kestrane Can't detect a Working Camera"), vb::vbExclamation, Title, this);
    }

    lblStatusCode->setText(QStringLiteral("Status Panel"));
    lblStatusString->setText(capture_->driverDescription());
    txtWidth->setText(QString::number(PreviewWidthTwips));
    txtHeight->setText(QString::number(PreviewHeightTwips));
    capture_->setOption(Option::AutoSize, false);
    for (const auto& [box, option] : optionBoxes())
        if (box != chkAutoSize)
            box->setChecked(capture_->option(option));

    StartUp::Pause(0.1);
    ezVidCap1->resize(Twips::WholePixels(PreviewWidthTwips), Twips::WholePixels(PreviewHeightTwips));
    state_.PhotoTakenFlag = false;
}

void frmCapTest::CentreForm() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    Centre::In(this, screen->availableGeometry());
}

void frmCapTest::UpdateButtons() {
    const bool present = capture_->driverCount() > 0;
    for (QPushButton* b : {cmdSourceDlg, cmdFormatDlg, cmdDisplayDlg, cmdCompDlg, cmdAudioDlg, cmdCapture})
        b->setEnabled(false);
    if (present) {
        cmdCapture->setEnabled(true);
        cmdCompDlg->setEnabled(capture_->hasDialog(Dialog::Compression));
        cmdFormatDlg->setEnabled(capture_->hasDialog(Dialog::Format));
        cmdDisplayDlg->setEnabled(capture_->hasDialog(Dialog::Display));
        cmdSourceDlg->setEnabled(capture_->hasDialog(Dialog::Source));
    }
    for (const auto& [box, option] : optionBoxes())
        box->setEnabled(capture_->hasOption(option));
    cmdSaveAs->setVisible(capture_->canRecord());
}

void frmCapTest::cmdSaveDIB_Click() {
    const KeysHeld keys(this); // the window closes after a pause: a second Return must not take another photo
    const BookingFields& r = state_.CurrentRecord;
    const std::string& root = state_.settings.DataRoot;
    const std::string folder = PhotoFile::PhotoMonthFolder(root, r.RegNo);
    const std::string path = PhotoFile::PhotoFilePath(root, r.RegNo, r.FirstName, r.LastName);

    std::error_code ec;
    FileError folderError; // told in the system's own words
    if (!IsFolder(folder) && !std::filesystem::create_directory(folder, ec))
        folderError = {FileErrorFromErrno(ec.value()).number, ec.message()};
    QString failure;
    QByteArray bitmap;
    if (!folderError)
        capture_->stillBitmap(bitmap, failure);
    FileError error;
    if (!folderError && failure.isEmpty())
        error = PhotoFile::WritePhoto(path, std::string_view(bitmap.constData(), bitmap.size()));

    // A failed save leaves the booking's photo and its flags as they were.
    if (folderError) {
        Errors::Report(this, Errors::Place::PhotoFolder, folderError, ShownPath::Text(folder));
    } else if (!failure.isEmpty()) {
        MsgBox(failure, vb::vbInformation, Title, this);
    } else if (error) {
        Errors::Report(this, Errors::Place::PhotoSave, error, ShownPath::Text(path));
    } else {
        if (std::filesystem::file_size(path, ec) > static_cast<std::uintmax_t>(PhotoSizeLimit) && !ec)
            MsgBox(QStringLiteral("Video Setup Warning: Resolution settings are too high for Kestrane"),
                   vb::vbExclamation, Title, this);
        if (std::filesystem::is_regular_file(path, ec)) {
            state_.PhotoTakenFlag = true;
            StartUp::Pause(0.1);
            state_.CurrentRecord.setPhotoOnFile(true);
        }
    }
    accept();
}

void frmCapTest::cmdSaveAs_Click() {
    mCmnDlg::SaveAsRequest request;
    request.dialogTitle = QStringLiteral("Save AVI File");
    request.filter = "AVI files (*.avi)|*.avi";
    request.filterIndex = 1;
    request.defaultExt = QStringLiteral("avi");
    request.initialDir = ShownPath::Text(state_.ProgramFolder);
    request.owner = this;
    if (!mCmnDlg::ShowSaveAsPreview(request))
        return;
    Errors::Report(this, Errors::Place::VideoClip,
                   capture_->saveCaptureFile(ShownPath::Bytes(request.fileName, state_.ProgramFolder)));
}

void frmCapTest::cbDriver_Click() {
    if (capture_->driverCount() == 0)
        return; // "<none>" names no device
    const int previous = capture_->driverIndex();
    const int chosen = cbDriver->currentIndex();
    if (chosen == previous)
        return;
    if (!capture_->setDriverIndex(chosen)) {
        if (previous >= 0 && capture_->driverIndex() != previous)
            capture_->setDriverIndex(previous);
        cbDriver->setCurrentIndex(previous);
        lblStatusString->setText(QStringLiteral("Could not connect!"));
    }
    UpdateButtons();
}

void frmCapTest::cmdSourceDlg_Click() {
    CaptureDialogs::EditSource(*capture_, this);
}

void frmCapTest::cmdFormatDlg_Click() {
    CaptureDialogs::ChooseFormat(*capture_, this);
}

void frmCapTest::cmdWidth_Click() {
    ezVidCap1->resize(std::min(Twips::WholePixels(LeadingNumber(txtWidth->text())), LargestPreviewPx),
                      ezVidCap1->height());
    txtWidth->setText(QString::number(ezVidCap1->width() * Twips::PerPixel));
}

void frmCapTest::cmdHeight_Click() {
    ezVidCap1->resize(ezVidCap1->width(),
                      std::min(Twips::WholePixels(LeadingNumber(txtHeight->text())), LargestPreviewPx));
    txtHeight->setText(QString::number(ezVidCap1->height() * Twips::PerPixel));
}

void frmCapTest::cmdEnterSetup_Click() {
    state_.HelpTopic = StartUp::HelpTopics::CameraSetup;
    setWidthTwips(SetupWidthTwips);
}

void frmCapTest::cmdCFGDone_Click() {
    state_.HelpTopic = StartUp::HelpTopics::Camera;
    setWidthTwips(NormalWidthTwips);
}

void frmCapTest::cmdCapture_Click() {
    MsgBox(QStringLiteral("This is for testing purposes and is not currently enabled"), vb::vbInformation, Title, this);
}

void frmCapTest::cmdClose_Click() {
    reject();
}

void frmCapTest::ezVidCap1_StatusReport(int code, const QString& text) {
    lblStatusCode->setText(QStringLiteral("StatusCode: ") + QString::number(code));
    lblStatusCode->repaint();
    if (code != 0) {
        lblStatusString->setText(text);
        lblStatusString->repaint();
    }
}

void frmCapTest::ezVidCap1_ErrorReport(int code, const QString& text) {
    if (code == 0)
        return;
    lblStatusString->setText(QStringLiteral("Error ") + text);
    lblStatusString->repaint();
}

void frmCapTest::ezVidCap1_PreRollComplete() {
    const int answer = MsgBox(QStringLiteral("Using precise capture controls.\r\nPreRoll complete - Click OK to start "
                                             "capture immediately."),
                              vb::vbOKCancel, Title, this);
    if (answer == vb::vbOK)
        capture_->startCapture();
    else
        capture_->stopCapture();
}

void frmCapTest::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        StartUp::ShowHelpTopic(state_);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmCapTest::done(int result) {
    capture_->stopPreview();
    QDialog::done(result);
}

void frmCapTest::setWidthTwips(int twips) {
    setFixedSize(Twips::WholePixels(twips), HeightPx);
    for (QWidget* control : setupControls_)
        control->setVisible(twips == SetupWidthTwips);
}
