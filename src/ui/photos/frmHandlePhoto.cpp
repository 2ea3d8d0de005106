#include "ui/photos/frmHandlePhoto.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/ListDate.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/SearchFields.h"
#include "core/passes/PassRules.h"
#include "core/passes/PhotoFile.h"
#include "core/passes/PhotoLibrary.h"
#include "core/startup/Helpers.h"
#include "platform/Grid.h"
#include "platform/Latin1Text.h"
#include "platform/ListGrid.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/PictureFile.h"
#include "platform/Shell.h"
#include "platform/VbKeys.h"
#include "ui/common/Centre.h"
#include "ui/common/CommandGuard.h"
#include "ui/common/Errors.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"
#include "ui/desk/BookingBoxes.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

using namespace Widgets;
using Latin1::FromBytes;
using Latin1::ToBytes;

namespace {

const QString Title = QStringLiteral("Kestrane");
const QString PlainCaption = QStringLiteral("Manage Photo");
constexpr int RegNoCol = 5;

void SetTextColour(QLabel* label, long bgr) {
    const int r = static_cast<int>(bgr & 0xFF), g = static_cast<int>((bgr >> 8) & 0xFF),
              b = static_cast<int>((bgr >> 16) & 0xFF);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QColor(r, g, b).name()));
}

std::string Trimmed(const QString& text) {
    return Text::Trim(ToBytes(text));
}

} // namespace

frmHandlePhoto::frmHandlePhoto(ProgramState& state, const QString& listMonthText, const QString& listYearText,
                               QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName("frmHandlePhoto");
    setWindowTitle(PlainCaption);
    setModal(true);
    setFixedSize(760, 536);
    WindowKeys::Install(this);

    Named(Caption(this, QStringLiteral("FIND PHOTOS BY:"), QRect(12, 8, 300, 18), true), "laFindBy");
    HPSearchLa = Named(Caption(this, QStringLiteral("Find Photo(s) by:"), QRect(12, 32, 136, 20)), "HPSearchLa");
    CBHPListBy = Combo(this, "CBHPListBy", QRect(150, 30, 176, 24));
    for (std::string_view key : SearchFields::ListByKeys())
        CBHPListBy->addItem(key == "VISITING/REPORTING TO" ? QStringLiteral("REPORTING TO") : FromBytes(key));
    laHPFWoP = Named(Caption(this, QStringLiteral("Name, Word or Phrase"), QRect(12, 60, 136, 20)), "laHPFWoP");
    HPFindTB = Named(new QLineEdit(this), "HPFindTB");
    HPFindTB->setGeometry(150, 58, 176, 24);
    BookingBoxes::KeepLatin1(HPFindTB);
    LaHPLeaveB = Named(
        Caption(this, QStringLiteral("Leave blank to list all photos for the selected period"), QRect(12, 86, 330, 18)),
        "LaHPLeaveB");
    cmdHPFind = Button(this, "cmdHPFind", QStringLiteral("Find"), QString(), QRect(332, 57, 66, 26));

    Named(Caption(this, QStringLiteral("SELECT PERIOD OF PHOTOS TO LIST"), QRect(410, 8, 340, 18), true), "laPeriod");
    Named(Caption(this, QStringLiteral("Month"), QRect(552, 26, 100, 16)), "laMonthCaption");
    Named(Caption(this, QStringLiteral("Year"), QRect(688, 26, 60, 16)), "laYearCaption");
    laHPDay = Named(Caption(this, QStringLiteral("Day"), QRect(410, 46, 28, 20)), "laHPDay");
    CBHPDay = Combo(this, "CBHPDay", QRect(440, 44, 84, 24));
    CBHPDay->addItem(QStringLiteral("All Days"));
    for (int day = 1; day <= 31; ++day)
        CBHPDay->addItem(QString::fromStdString(ListDate::DayEntries()[day]));
    laHPMonth = Named(Caption(this, QStringLiteral("IN"), QRect(528, 46, 22, 20)), "laHPMonth");
    CBHPMonth = Combo(this, "CBHPMonth", QRect(552, 44, 110, 24));
    CBHPMonth->addItem(QStringLiteral("All Months"));
    for (const std::string& month : ListDate::MonthNames())
        CBHPMonth->addItem(QString::fromStdString(month));
    laHPYear = Named(Caption(this, QStringLiteral("/"), QRect(666, 46, 20, 20)), "laHPYear");
    CBHPYear = Combo(this, "CBHPYear", QRect(688, 44, 64, 24));
    for (int year = ListDate::FirstYear; year <= ListDate::LastYear(); ++year)
        CBHPYear->addItem(QString::number(year));
    cmdHPList = Button(this, "cmdHPList", QStringLiteral("List"), QString(), QRect(682, 78, 70, 26));

    PhotoGrid = Named(new Grid(this), "PhotoGrid");
    PhotoGrid->setGeometry(10, 112, 530, 380);
    PhotoGrid->setReadOnly(true);

    Named(Caption(this, QStringLiteral("DELETE / ATTACH"), QRect(552, 112, 200, 18), true), "laDeleteAttach");
    HPImage = Named(new QLabel(this), "HPImage");
    HPImage->setGeometry(552, 134, 150, 180);
    HPImage->setFrameShape(QFrame::Panel);
    HPImage->setFrameShadow(QFrame::Sunken);
    HPImage->setScaledContents(true);
    HPImage->setEnabled(false);
    const int detailTop = 322;
    const char* captions[] = {"Name", "Organisation", "Pass Issued:", "Registration"};
    QLabel** details[] = {&LAHPName, &LaHPOrg, &LaHPPassI, &LaHPRegno};
    const char* detailNames[] = {"LAHPName", "LaHPOrg", "LaHPPassI", "LaHPRegno"};
    // The values start after the widest caption; the window widens when a
    // registration or a pass stamp would not fit before its edge.
    const QFontMetrics metrics(font());
    int captionWidth = 80;
    for (const char* caption : captions)
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(QString::fromLatin1(caption)) + 4);
    const int valueLeft = 552 + captionWidth + 2;
    int valueWidth = width() - 6 - valueLeft;
    for (std::string_view form : {Lists::RegNoForm, Lists::PassIssuedForm})
        valueWidth = std::max(valueWidth, metrics.horizontalAdvance(WidestDigits(form, font())) + 2);
    setFixedSize(std::max(width(), valueLeft + valueWidth + 6), height());
    for (int i = 0; i < 4; ++i) {
        Caption(this, QString::fromLatin1(captions[i]), QRect(552, detailTop + 24 * i, captionWidth, 20));
        *details[i] =
            Named(Caption(this, QString(), QRect(valueLeft, detailTop + 24 * i, valueWidth, 20)), detailNames[i]);
    }
    cmdHPAttach = Button(this, "cmdHPAttach", QStringLiteral("Attach"), QString(), QRect(552, 424, 98, 28));
    cmdHPDelete = Button(this, "cmdHPDelete", QStringLiteral("Delete"), QString(), QRect(656, 424, 98, 28));
    cmdHPDeleteList = Button(this, "cmdHPDeleteList", QStringLiteral("Delete"), QString(), QRect(10, 500, 100, 28));
    cmdHPDeleteList->setToolTip(QStringLiteral(" Deletes the photos of every listed row "));
    cmdHPClose = Button(this, "cmdHPClose", QStringLiteral("Ok"), QString(), QRect(656, 500, 98, 28));
    // Photos are neither attached nor deleted while the desk only reads.
    for (QPushButton* writes : {cmdHPAttach, cmdHPDelete, cmdHPDeleteList})
        writes->setEnabled(!state_.options().readOnly());

    blinkTimer_ = new QTimer(this);
    blinkTimer_->setInterval(80);
    connect(blinkTimer_, &QTimer::timeout, this, &frmHandlePhoto::blinkStep);

    connect(cmdHPFind, &QPushButton::clicked, this, &frmHandlePhoto::cmdHPFind_Click);
    connect(cmdHPList, &QPushButton::clicked, this, &frmHandlePhoto::cmdHPList_Click);
    connect(cmdHPClose, &QPushButton::clicked, this, &frmHandlePhoto::cmdHPClose_Click);
    connect(HPFindTB, &QLineEdit::returnPressed, this, [this] { HPFindTB_KeyPress(13); });
    connect(CBHPDay, &QComboBox::activated, this, &frmHandlePhoto::CBHPDay_Click);
    connect(CBHPMonth, &QComboBox::activated, this, &frmHandlePhoto::CBHPMonth_Click);
    connect(PhotoGrid, &Grid::RowChosen, this, [this](int, int) { PhotoGrid_RowChosen(); });
    connect(PhotoGrid, &Grid::CurrentRowMoved, this, [this](int, int) { PhotoGrid_RowChosen(); });
    connect(cmdHPAttach, &QPushButton::clicked, this, &frmHandlePhoto::cmdHPAttach_Click);
    connect(cmdHPDelete, &QPushButton::clicked, this, &frmHandlePhoto::cmdHPDelete_Click);
    connect(cmdHPDeleteList, &QPushButton::clicked, this, &frmHandlePhoto::cmdHPDeleteList_Click);

    Form_Load(listMonthText, listYearText);
}

frmHandlePhoto::~frmHandlePhoto() = default;

void frmHandlePhoto::Form_Load(const QString& listMonthText, const QString& listYearText) {
    CentreForm();
    SetupPhotoGrid();
    CBHPDay->setCurrentIndex(0);
    if (const int month = CBHPMonth->findText(listMonthText.trimmed()); month >= 0)
        CBHPMonth->setCurrentIndex(month);
    if (const int year = CBHPYear->findText(listYearText.trimmed()); year >= 0)
        CBHPYear->setCurrentIndex(year);
    SetTextColour(laHPDay, 0xC0C0C0);
    SetTextColour(laHPMonth, 0xC0C0C0);
    SetFindControlsEnabled(true);
    HPImage->setEnabled(true);
    state_.PhotoAttachedFlag = false;
    state_.PhotoDeletedFlag = false;
}

void frmHandlePhoto::CentreForm() {
    Centre::OnPrimaryScreen(this);
}

void frmHandlePhoto::SetupPhotoGrid() {
    ShowList(*PhotoGrid, Lists::PhotoList, nullptr);
    for (QLabel* label : {LAHPName, LaHPOrg, LaHPPassI, LaHPRegno})
        label->clear();
}

void frmHandlePhoto::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        state_.HelpTopic = StartUp::HelpTopics::Photos;
        StartUp::ShowHelpTopic(state_);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmHandlePhoto::cmdHPClose_Click() {
    accept();
}

// --- Finding and listing ---------------------------------------------------------------------

void frmHandlePhoto::HPFindTB_KeyPress(int keyAscii) {
    if (keyAscii == vb::vbKeyReturn)
        cmdHPFind_Click();
}

void frmHandlePhoto::cmdHPFind_Click() {
    const CommandGuard running(this);
    if (!running)
        return;
    if (CBHPMonth->currentText() != u"All Months")
        FindPhotosInMonth();
    else
        FindPhotosInYear();
}

void frmHandlePhoto::cmdHPList_Click() {
    const CommandGuard running(this);
    if (!running)
        return;
    if (CBHPMonth->currentText() != u"All Months")
        ListPhotosInMonth();
    else
        ListPhotosInYear();
}

void frmHandlePhoto::FindPhotosInMonth() {
    scanMonth(true);
}

void frmHandlePhoto::ListPhotosInMonth() {
    scanMonth(false);
}

void frmHandlePhoto::FindPhotosInYear() {
    scanYear(true);
}

void frmHandlePhoto::ListPhotosInYear() {
    scanYear(false);
}

void frmHandlePhoto::SetMonthNumber() {
    if (const auto code = ListDate::MonthNoFromName(ToBytes(CBHPMonth->currentText())))
        SelectedMonthCode = QString::fromStdString(*code);
}

namespace {
PhotoLibrary::ScanFilter FilterOf(bool find, const QComboBox* listBy, const QLineEdit* findBox, const QComboBox* day) {
    PhotoLibrary::ScanFilter filter;
    filter.find = find;
    if (find) {
        filter.key = Trimmed(listBy->currentText());
        filter.searchText = Trimmed(findBox->text());
    } else {
        filter.day = PhotoLibrary::DayOfEntry(ToBytes(day->currentText()));
    }
    return filter;
}
} // namespace

void frmHandlePhoto::scanMonth(bool find) {
    SetMonthNumber();
    const PhotoLibrary::ScanFilter filter = FilterOf(find, CBHPListBy, HPFindTB, CBHPDay);
    const Lists::ListResult result =
        PhotoLibrary::ScanMonth(state_.settings.DataRoot, ToBytes(CBHPYear->currentText().right(2)),
                                ToBytes(SelectedMonthCode), filter, Clock::Now());
    showScan(result);
    Errors::Report(this, find ? Errors::Place::PhotoMonthFind : Errors::Place::PhotoMonthList, result.error);
}

void frmHandlePhoto::scanYear(bool find) {
    PhotoLibrary::ScanFilter filter = FilterOf(find, CBHPListBy, HPFindTB, CBHPDay);
    filter.day = 0;
    const Lists::ListResult result = PhotoLibrary::ScanYear(
        state_.settings.DataRoot, ToBytes(CBHPYear->currentText().right(2)), filter, Clock::Now());
    showScan(result);
    Errors::Report(this, find ? Errors::Place::PhotoYearFind : Errors::Place::PhotoYearList, result.error);
}

// Shows the rows found, and on success how many in the caption.
void frmHandlePhoto::showScan(const Lists::ListResult& result) {
    ShowList(*PhotoGrid, Lists::PhotoList, result.list);
    if (result.error) {
        showPlainCaption(); // an earlier count is not this list's
        return;
    }
    PhotoGrid->Cell(1, 1).Select();
    const int found = result.list->RowCount();
    ShowCaptionStatus(found == 0   ? QStringLiteral("No Photos Found")
                      : found == 1 ? QStringLiteral("One Photo Found")
                                   : QStringLiteral("%1 Photos Found").arg(found));
}

void frmHandlePhoto::CBHPDay_Click() {
    const bool allDays = CBHPDay->currentText().trimmed() == u"All Days";
    laHPMonth->setText(allDays ? QStringLiteral("IN") : QStringLiteral("OF"));
    SetTextColour(laHPMonth, allDays ? 0xC0C0C0 : 0x404040);
    SetTextColour(laHPDay, allDays ? 0xC0C0C0 : 0x404040);
    SetFindControlsEnabled(allDays);
}

void frmHandlePhoto::CBHPMonth_Click() {
    const bool allMonths = CBHPMonth->currentText().trimmed() == u"All Months";
    CBHPDay->setEnabled(!allMonths);
    laHPYear->setText(allMonths ? QStringLiteral("IN") : QStringLiteral("/"));
}

void frmHandlePhoto::SetFindControlsEnabled(bool enabled) {
    CBHPListBy->setEnabled(enabled);
    HPFindTB->setEnabled(enabled);
    for (QLabel* label : {HPSearchLa, laHPFWoP, LaHPLeaveB})
        SetTextColour(label, enabled ? 0x404040 : 0xA0A0A0);
}

// The status blinks five times in the caption and then stays there.
void frmHandlePhoto::ShowCaptionStatus(const QString& text) {
    blinkText_ = PlainCaption + QStringLiteral("  [ ") + text + QStringLiteral(" ]");
    blinkTicks_ = 0;
    setWindowTitle(blinkText_);
    blinkTimer_->start();
}

// Before a change: a status left by an earlier one must not stand for it.
void frmHandlePhoto::showPlainCaption() {
    blinkTimer_->stop();
    setWindowTitle(PlainCaption);
}

void frmHandlePhoto::blinkStep() {
    ++blinkTicks_;
    setWindowTitle(blinkTicks_ % 2 ? PlainCaption : blinkText_);
    if (blinkTicks_ >= 10)
        blinkTimer_->stop();
}

// --- Showing, attaching and deleting ---------------------------------------------------------

void frmHandlePhoto::showPlaceholder() {
    HPImage->setPixmap(PictureFromFile(Passes::PlaceholderPhoto(state_.ProgramFolder)));
}

// A photo that is no picture (an empty file, a damaged one) shows the
// placeholder as a missing one does.
void frmHandlePhoto::showPhoto(const std::string& path) {
    const PhotoLibrary::PhotoToShow photo = PhotoLibrary::ReadPhotoToShow(path);
    if (photo.tooLarge)
        MsgBox(QStringLiteral("Video Setup Error: Resolution settings are too high for Kestrane"), vb::vbExclamation,
               Title, this);
    else
        Errors::Report(this, Errors::Place::PhotoRead, photo.error);
    QPixmap picture;
    if (!photo.bytes.empty())
        picture.loadFromData(reinterpret_cast<const uchar*>(photo.bytes.data()), static_cast<uint>(photo.bytes.size()));
    if (picture.isNull())
        showPlaceholder();
    else
        HPImage->setPixmap(picture);
}

// Holds no CommandGuard: the arrow keys repeat faster than its pause, and
// every row they reach shows.
void frmHandlePhoto::PhotoGrid_RowChosen() {
    if (PhotoGrid->CurrentRow() <= 0)
        return;
    HPImage->setEnabled(false);
    const int row = PhotoGrid->ActiveCell().Row();
    const std::string reg = Trimmed(PhotoGrid->Cell(row, RegNoCol).Text());
    if (reg.empty()) {
        // Emptied before the pause: a row chosen during it (the arrow keys
        // repeat faster) must keep the labels it fills.
        showPlaceholder();
        for (QLabel* label : {LaHPRegno, LAHPName, LaHPOrg, LaHPPassI})
            label->clear();
        StartUp::Pause(0.08);
        HPImage->setEnabled(true);
        return;
    }
    // The booking as its month file holds it now, not as it was listed.
    const BookingFiles::LineResult found = BookingFiles::ReadBookingLine(state_.settings.DataRoot, reg);
    if (found.error) {
        // Nothing of the row chosen before may stand for this one.
        showPlaceholder();
        for (QLabel* label : {LaHPRegno, LAHPName, LaHPOrg, LaHPPassI})
            label->clear();
        Errors::Report(this, Errors::Place::PhotoShow, found.error);
    } else {
        const std::string_view line = found.line;
        SelectedPhotoRegNo = std::string(ColumnText(line, Columns::RegNo));
        SelectedPhotoFirstName = TrimmedColumn(line, Columns::FirstName);
        SelectedPhotoLastName = TrimmedColumn(line, Columns::LastName);
        LaHPRegno->setText(FromBytes(SelectedPhotoRegNo));
        LAHPName->setText(FromBytes(SelectedPhotoFirstName + " " + SelectedPhotoLastName));
        LaHPOrg->setText(FromBytes(TrimmedColumn(line, Columns::Organisation)));
        LaHPPassI->setText(FromBytes(TrimmedColumn(line, Columns::PassIssued)));
        showPhoto(PhotoFile::PhotoFilePath(state_.settings.DataRoot, SelectedPhotoRegNo, SelectedPhotoFirstName,
                                           SelectedPhotoLastName));
    }
    StartUp::Pause(0.1);
    HPImage->setEnabled(true);
}

void frmHandlePhoto::BuildCreatedTexts() {
    const auto build = [this](const std::string& regNo, const QString& conflictTitle) {
        const PhotoLibrary::CreatedText created = PhotoLibrary::CreatedTextOf(regNo);
        if (!created.monthValid)
            MsgBox(QStringLiteral("Date Assignment Conflict:  One or more bookings may have incorrect data"),
                   vb::vbOKCancel | vb::vbExclamation, conflictTitle, this);
        return created.text;
    };
    SelectedPhotoCreatedText = build(Trimmed(LaHPRegno->text()), QStringLiteral("Kestrane [ PH-8159 ]"));
    CurrentBookingCreatedText = build(Text::Trim(state_.CurrentRecord.RegNo), QStringLiteral("Kestrane [ PH-8160 ]"));
}

void frmHandlePhoto::cmdHPAttach_Click() {
    const CommandGuard running(this);
    if (!running)
        return;
    const std::string r = Trimmed(LaHPRegno->text());
    if (r.size() != 12 || state_.options().readOnly())
        return;
    showPlainCaption();
    const BookingFields& current = state_.CurrentRecord;
    if (!PhotoLibrary::CanAttachTo(current)) {
        MsgBox(QStringLiteral("Can't attach photo: Save this booking before attaching a photo to it"),
               vb::vbExclamation, Title, this);
        return;
    }
    const std::string photoPass = Trimmed(LaHPPassI->text());
    BuildCreatedTexts();
    const std::string currentName = Text::Trim(current.FirstName) + " " + Text::Trim(current.LastName);
    if (Trimmed(LAHPName->text()) != currentName &&
        MsgBox(QStringLiteral("This will attach a photo to an individual with a different name!  \r\nDo you still "
                              "wish to proceed?"),
               vb::vbYesNo | vb::vbExclamation, Title, this) == vb::vbNo)
        return;
    const PhotoLibrary::AttachParty photo{ToBytes(LAHPName->text()), ToBytes(LaHPRegno->text()),
                                          photoPass.empty() ? "No Pass" : photoPass, ToBytes(LaHPOrg->text()),
                                          SelectedPhotoCreatedText};
    const PhotoLibrary::AttachParty booking{current.FirstName + " " + current.LastName, current.RegNo,
                                            Text::IsBlank(current.PassIssued) ? "No Pass" : current.PassIssued,
                                            current.Organisation, CurrentBookingCreatedText};
    if (MsgBox(FromBytes(PhotoLibrary::AttachQuestion(photo, booking, state_.WindowsVersion)),
               vb::vbYesNoCancel | vb::vbInformation, Title, this) != vb::vbYes)
        return;
    if (const FileError error = PhotoLibrary::AttachPhoto(state_.settings.DataRoot, SelectedPhotoRegNo,
                                                          SelectedPhotoFirstName, SelectedPhotoLastName, current)) {
        Errors::Report(this, Errors::Place::PhotoAttach, error);
        return;
    }
    state_.PhotoAttachedFlag = true;
    ShowCaptionStatus(QStringLiteral("Photo for ") + FromBytes(current.FirstName) + u' ' + FromBytes(current.LastName) +
                      QStringLiteral(" UPDATED"));
}

void frmHandlePhoto::cmdHPDelete_Click() {
    const CommandGuard running(this);
    if (!running)
        return;
    const std::string reg = Trimmed(LaHPRegno->text());
    if (reg.empty() || state_.options().readOnly())
        return;
    showPlainCaption();
    if (MsgBox(QStringLiteral("This will permanently delete the photo for ") + LAHPName->text(),
               vb::vbOKCancel | vb::vbExclamation, Title, this) == vb::vbCancel)
        return;
    // The photo files are named by the number as stored, a short one's blanks included.
    if (const PhotoLibrary::PhotoDeletion deleted =
            PhotoLibrary::DeletePhotosOf(state_.settings.DataRoot, ToBytes(LaHPRegno->text()));
        !deleted.Succeeded()) {
        Errors::Report(this, Errors::Place::PhotoDelete, deleted.error);
        return;
    }
    // The pass window reloads its photo whenever the photo's files went,
    // whether or not the list still showed its row.
    state_.PhotoDeletedFlag = true;
    int found = 0;
    for (int row = 1; row < PhotoGrid->Rows() && !found; ++row)
        if (Trimmed(PhotoGrid->Cell(row, RegNoCol).Text()) == reg)
            found = row;
    // A list made since the photo was chosen may not hold its row; the photo went all the same.
    HPImage->setEnabled(false);
    showPlaceholder();
    StartUp::Pause(0.08);
    if (found)
        PhotoGrid->RemoveItem(found);
    else
        PhotoGrid->Cell(1, 1).Select();
    HPImage->setEnabled(true);
    ShowCaptionStatus(QStringLiteral("Photo Deleted"));
}

void frmHandlePhoto::cmdHPDeleteList_Click() {
    const CommandGuard running(this);
    if (!running)
        return;
    if (state_.options().readOnly())
        return;
    showPlainCaption();
    if (MsgBox(QStringLiteral("This will permanently delete ALL PHOTOS currently listed"),
               vb::vbOKCancel | vb::vbExclamation, Title, this) == vb::vbCancel)
        return;
    const int passes = PhotoGrid->Rows() - 1;
    int failures = 0;
    FileError firstFailure;
    for (int pass = 0, row = 0; pass < passes; ++pass) {
        ++row;
        // The number as listed, blanks and all: the photo's name holds it so.
        const std::string reg = ToBytes(PhotoGrid->Cell(row, RegNoCol).Text());
        if (Text::IsBlank(reg))
            continue;
        const PhotoLibrary::PhotoDeletion deleted = PhotoLibrary::DeletePhotosOf(state_.settings.DataRoot, reg);
        if (deleted.matched > 0 && !deleted.anyLeft) {
            PhotoGrid->RemoveItem(row);
            --row;
        } else if (++failures == 1) {
            firstFailure = deleted.error;
        }
    }
    if (failures == 0) {
        PhotoGrid->Cell(1, 1).Select();
        ShowCaptionStatus(QStringLiteral("Photos Deleted"));
    } else {
        Errors::Report(this, Errors::Place::PhotoDeleteAll, firstFailure, QString::number(failures));
    }
}
