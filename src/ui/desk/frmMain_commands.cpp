// The booking commands: save, new, delete, open from the list, and showing a
// booking. Storage itself is the core's; here are the questions and messages.
#include "ui/desk/frmMain.h"

#include "ui/desk/BookingBoxes.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/RecordState.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "ui/desk/frmDetail.h"
#include "ui/desk/frmPDetail.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString Title = QStringLiteral("Kestrane");
const QString CrLf = QStringLiteral("\r\n");

QString upperTrimmed(const std::string& s) {
    return BookingBoxes::FromBytes(Text::Trim(s)).toUpper();
}

QString storageFailure(const FileError& e) {
    switch (e.number) {
    case ErrorNumber::PathNotFound:
        return QStringLiteral("The Record folder of the data folder cannot be found.");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("The booking's month file cannot be found.");
    case ErrorNumber::BookingNotFound:
        return QStringLiteral("The booking is no longer in its month file (it may have been deleted at another desk).");
    default:
        return QStringLiteral("Error %1: %2").arg(e.number).arg(BookingBoxes::FromBytes(e.description));
    }
}
} // namespace

QString frmMain::BookingTitle() const {
    return QStringLiteral("Kestrane [ ") + BookingBoxes::FromBytes(state_.CurrentRecord.RegNo) + QStringLiteral(" ]");
}

bool frmMain::BookingLoaded() const {
    return Text::Val(BookingBoxes::ToBytes(RegNoTB->text())) > 0;
}

bool frmMain::MonthMoved() {
    SetMonthNoFromBookMonth();
    const QString reg = RegNoTB->text().trimmed();
    const QString year = CBYear->currentText().trimmed();
    return reg.mid(0, 2) != year.right(2) || reg.mid(2, 2) != MonthNo_;
}

QString frmMain::SaveCheckFailure() const {
    const QString first = FirstNameTB->text().trimmed(), last = LastNameTB->text().trimmed();
    if (first.isEmpty() || last.isEmpty())
        return QStringLiteral("Can't SAVE without First Name [ Or Initial ] AND Last Name");
    if (first.size() < 2 && last.size() < 3)
        return QStringLiteral("Can't Save: A Valid Name does not appear to be entered");
    const QString dept = Dept1CB->currentText().trimmed();
    if (dept == u"-  Select  -" || dept.size() < 3)
        return QStringLiteral("Can't SAVE:  No valid Department name has been entered");
    if (CatOrganTB->text().trimmed().size() < 3)
        return QStringLiteral("Can't SAVE:  No valid ORGANISATION name has been entered");
    return QString();
}

void frmMain::ShowNewRecordNotice(int icon) {
    MsgBox(QStringLiteral("Kestrane has created a New Record for ") +
               BookingBoxes::FromBytes(state_.CurrentRecord.FirstName) + u' ' +
               BookingBoxes::FromBytes(state_.CurrentRecord.LastName),
           icon, Title, this);
}

namespace {
TimeCellTexts timeCells(Grid* g) {
    TimeCellTexts cells;
    for (int r = 1; r < g->Rows() && r <= 31; ++r)
        cells[static_cast<std::size_t>(r - 1)] = g->Cell(r, 1).Text().toLatin1().toStdString();
    return cells;
}
} // namespace

// --- Storage ------------------------------------------------------------------------------

bool frmMain::SaveNewRecord() {
    QString refusal;
    const QString dept = Dept1CB->currentText().trimmed();
    if (FirstNameTB->text().trimmed().isEmpty() || LastNameTB->text().trimmed().isEmpty())
        refusal = QStringLiteral("Can't SAVE without First Name/(Initial) AND Last Name");
    else if (dept == u"-  Select  -" || dept.size() < 3)
        refusal = QStringLiteral("Can't SAVE:  No valid Department name has been entered");
    else if (CatOrganTB->text().trimmed().size() < 3)
        refusal = QStringLiteral("Can't SAVE:  No valid ORGANISATION name has been entered");
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vb::vbExclamation, Title, this);
        return false;
    }
    SetMonthNoFromBookMonth();
    const FileError e =
        SaveNewBooking(state_.settings.DataRoot, state_.CurrentRecord, timeCells(TimeGrid), Clock::Now(),
                       BookingBoxes::ToBytes(CBYear->currentText()), BookingBoxes::ToBytes(MonthNo_));
    if (e) {
        MsgBox(QStringLiteral("The booking has NOT been saved. ") + storageFailure(e), vb::vbExclamation, Title, this);
        return false;
    }
    RegNoTB->setText(BookingBoxes::FromBytes(state_.CurrentRecord.RegNo));
    modFileManagement::SnapshotRecord(state_);
    state_.BookingsChanged = false;
    RefreshCurrentList();
    ShowCaptionStatus(QStringLiteral("Record ") + BookingBoxes::FromBytes(state_.CurrentRecord.RegNo) +
                      QStringLiteral(" SAVED"));
    return true;
}

bool frmMain::UpdateRecord() {
    if (FirstNameTB->text().trimmed().isEmpty() || LastNameTB->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Can't SAVE without First Name/(Initial) AND Last Name"), vb::vbExclamation, Title, this);
        return false;
    }
    const bool revoke = state_.PassRevokeRequest;
    if (revoke) {
        state_.PassRevokeRequest = false;
        SetLabelLook(PassPrntdLa, QStringLiteral("Pass Revoked"), 0xFFFF);
        StartUp::Pause(1);
    }
    const FileError e = UpdateBooking(state_.settings.DataRoot, state_.CurrentRecord, timeCells(TimeGrid), revoke);
    if (e) {
        state_.PassRevokeRequest = revoke; // still to be done
        MsgBox(QStringLiteral("Booking ") + RegNoTB->text().trimmed() + QStringLiteral(" has NOT been updated. ") +
                   storageFailure(e),
               vb::vbExclamation, Title, this);
        return false;
    }
    modFileManagement::SnapshotRecord(state_);
    state_.BookingsChanged = false;
    RefreshCurrentList();
    ShowCaptionStatus(QStringLiteral("Record ") + BookingBoxes::FromBytes(state_.CurrentRecord.RegNo) +
                      QStringLiteral(" UPDATED"));
    return true;
}

void frmMain::DeleteBooking() {
    int removed = 0;
    const FileError e =
        ::DeleteBooking(state_.settings.DataRoot, Text::Trim(BookingBoxes::ToBytes(RegNoTB->text())), &removed, true);
    if (e || removed == 0) {
        MsgBox(QStringLiteral("Booking ") + RegNoTB->text().trimmed() + QStringLiteral(" has NOT been deleted. ") +
                   storageFailure(e ? e : FileError{ErrorNumber::BookingNotFound, ""}),
               vb::vbExclamation, Title, this);
        return;
    }
    ClearBookingForm();
    modFileManagement::ClearRecord(state_);
    modFileManagement::SnapshotRecord(state_);
    state_.BookingsChanged = false;
    RefreshCurrentList();
    ShowCaptionStatus(QStringLiteral("One Booking DELETED"));
}

// --- The questions about unsaved work ------------------------------------------------------------

bool frmMain::SaveChangesCheck(AskedBy who) {
    modFileManagement::CheckRecordChanged(state_);
    if (!BookingLoaded())
        return true;
    const BookingFields& r = state_.CurrentRecord;
    const QString who_ = upperTrimmed(r.FirstName) + u' ' + upperTrimmed(r.LastName);
    const bool closing = who == AskedBy::Close;
    if (state_.RecordChanged) {
        state_.BookingsChanged = false;
        const QString q =
            QStringLiteral("The current booking for ") + who_ + QStringLiteral(" has changed.") + CrLf +
            (closing ? QStringLiteral("Save it before you close? ") : QStringLiteral("Do you wish to save it? "));
        const int a = MsgBox(q, vb::vbYesNoCancel | vb::vbQuestion, BookingTitle(), this);
        if (a == vb::vbCancel)
            return false;
        if (a == vb::vbYes) {
            const bool namesUnchanged =
                r.FirstName == state_.RecordSnapshot.FirstName && r.LastName == state_.RecordSnapshot.LastName;
            if (namesUnchanged)
                UpdateRecord();
            else if (SaveNewRecord() && !closing)
                ShowNewRecordNotice(who == AskedBy::New ? vb::vbExclamation : vb::vbInformation);
        }
    }
    if (state_.BookingsChanged) {
        const QString head = QStringLiteral("Booked times for ") + who_ + QStringLiteral(" have changed.") + CrLf;
        if (MonthMoved()) {
            const int a = MsgBox(head + (closing ? QStringLiteral("Save new times before you close? ")
                                                 : QStringLiteral("Do you wish to save this new record?")),
                                 vb::vbYesNoCancel | vb::vbQuestion, BookingTitle(), this);
            if (a == vb::vbCancel)
                return false;
            if (a == vb::vbYes)
                SaveNewRecord();
        } else {
            const int a = MsgBox(head +
                                     (closing ? QStringLiteral("Overwrite current bookings before you close? ")
                                              : QStringLiteral("Do you wish to overwrite the current record? ")) +
                                     CrLf + CrLf + QStringLiteral("Click [ Yes ] to overwrite the current record or,") +
                                     CrLf + QStringLiteral("Click [ No ] to save to a new record"),
                                 vb::vbYesNoCancel | vb::vbQuestion, BookingTitle(), this);
            if (a == vb::vbCancel)
                return false;
            if (a == vb::vbYes)
                UpdateRecord();
            else
                SaveNewRecord();
        }
    }
    return true;
}

// --- Commands ---------------------------------------------------------------------------------

void frmMain::cmdSAVE_Click() {
    if (state_.settings.ReadOnlyMode == "1")
        return;
    const QString refusal = SaveCheckFailure();
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vb::vbExclamation, Title, this);
        return;
    }
    modFileManagement::CheckRecordChanged(state_);
    const BookingFields& r = state_.CurrentRecord;
    const QString who = upperTrimmed(r.FirstName) + u' ' + upperTrimmed(r.LastName);
    if (NewBooking_) {
        NewBooking_ = false;
        if (SaveNewRecord()) {
            MsgBox(QStringLiteral("New Booking made for ") + who + QStringLiteral(" in ") + CBMonth->currentText() +
                       u' ' + CBYear->currentText() + QStringLiteral(" Ok"),
                   vb::vbInformation, Title, this);
            RefreshCurrentList();
        } else {
            NewBooking_ = true; // not stored: it is still a new booking
        }
        return;
    }
    if (!BookingLoaded())
        return;
    if (state_.RecordChanged) {
        state_.BookingsChanged = false;
        if (r.FirstName == state_.RecordSnapshot.FirstName && r.LastName == state_.RecordSnapshot.LastName)
            UpdateRecord();
        else if (SaveNewRecord())
            ShowNewRecordNotice(vb::vbInformation);
        return;
    }
    if (!state_.BookingsChanged)
        return;
    const QString head = QStringLiteral("Booked times for ") + who + QStringLiteral(" have changed.") + CrLf;
    if (MonthMoved()) {
        if (MsgBox(head + QStringLiteral("Do you wish to save this new record?"), vb::vbYesNoCancel | vb::vbQuestion,
                   BookingTitle(), this) == vb::vbYes)
            SaveNewRecord();
        return;
    }
    const int a = MsgBox(head + QStringLiteral("Do you wish to overwrite the current record? ") + CrLf + CrLf +
                             QStringLiteral("Click [ Yes ] to overwrite the current record or,") + CrLf +
                             QStringLiteral("Click [ No ] to save to a new record"),
                         vb::vbYesNoCancel | vb::vbQuestion, BookingTitle(), this);
    if (a == vb::vbYes)
        UpdateRecord();
    else if (a == vb::vbNo)
        SaveNewRecord();
}

void frmMain::cmdNEW_Click() {
    state_.HelpTopic = 25;
    if (state_.settings.ReadOnlyMode == "1")
        return;
    if (!SaveChangesCheck(AskedBy::New))
        return;
    ClearBookingForm();
    modFileManagement::ClearRecord(state_);
    for (int i = 0; i < 5; ++i) {
        RegNoTB->setText(QStringLiteral("NEW Booking"));
        StartUp::Pause(0.05);
        RegNoTB->clear();
        StartUp::Pause(0.05);
    }
    RegNoTB->setText(QStringLiteral("NEW Booking"));
    NewBooking_ = true;
    FirstNameTB->setFocus();
}

void frmMain::cmdDelete_Click() {
    if (state_.settings.ReadOnlyMode == "1" || state_.settings.DisableSingleDelete == "1")
        return;
    const BookingFields& r = state_.CurrentRecord;
    if (!RegNoTB->text().trimmed().isEmpty()) {
        if (MsgBox(QStringLiteral("This will DELETE this Booking for ") + upperTrimmed(r.FirstName) + u' ' +
                       upperTrimmed(r.LastName) + u' ' + CrLf + QStringLiteral("Do you wish to Proceed? "),
                   vb::vbYesNoCancel | vb::vbQuestion, BookingTitle(), this) == vb::vbYes)
            DeleteBooking();
    } else if (MsgBox(QStringLiteral("No Record to DELETE: Clear all text entries for this record?"),
                      vb::vbYesNoCancel | vb::vbExclamation, Title, this) == vb::vbYes) {
        ClearBookingForm();
        modFileManagement::ClearRecord(state_);
    }
}

void frmMain::CmdPersonal_Click() {
    frmPDetail personal(state_, this);
    RunModal(personal);
}

void frmMain::cmdMore_Click() {
    frmDetail location(state_, this);
    RunModal(location);
}

// --- Opening a booking from the list ---------------------------------------------------------------

void frmMain::StatGrid_KeyTyped(int keyCode) {
    if (keyCode == 13)
        StatGrid_RowChosen();
}

void frmMain::StatGrid_RowChosen() {
    const bool readOnly = state_.settings.ReadOnlyMode != "0";
    if (StatGrid->CurrentRow() == 0) {
        if (state_.ListMode == 4 && !readOnly) {
            MsgBox(QStringLiteral("You can't sort this list in the IN/OUT Day-Status view    "), vb::vbInformation,
                   Title, this);
            ListTodayStatus();
        }
        return;
    }
    if (!readOnly) {
        if (!NewBooking_) {
            if (!SaveChangesCheck(AskedBy::OpenFromList))
                return;
        } else {
            modFileManagement::CheckRecordChanged(state_);
            if (state_.RecordChanged) {
                state_.BookingsChanged = false;
                const BookingFields& r = state_.CurrentRecord;
                const QString f = upperTrimmed(r.FirstName), l = upperTrimmed(r.LastName);
                if (f.size() + l.size() >= 5) {
                    const int a = MsgBox(QStringLiteral("The NEW booking for ") + f + u' ' + l +
                                             QStringLiteral(" has not been saved.") + CrLf +
                                             QStringLiteral("Do you wish to save it? "),
                                         vb::vbYesNoCancel | vb::vbQuestion, BookingTitle(), this);
                    if (a == vb::vbCancel)
                        return;
                    if (a == vb::vbNo) {
                        NewBooking_ = false;
                        return;
                    }
                    if (!SaveNewRecord())
                        return; // kept on screen, still new
                    NewBooking_ = false;
                } else {
                    if (MsgBox(QStringLiteral("This new booking has not been saved: A Valid Name is required.") + CrLf +
                                   QStringLiteral("Click [OK] to return to the record or [Cancel] to discard it"),
                               vb::vbOKCancel | vb::vbInformation, Title, this) == vb::vbOK)
                        return;
                    NewBooking_ = false;
                }
            }
        }
    }
    ValidateSelectedDate();
    if (InvalidDate_)
        return;
    const int row = StatGrid->ActiveCell().Row();
    const std::string regNo = Text::Trim(BookingBoxes::ToBytes(StatGrid->Cell(row, 0).Text()));
    const FileError e = ReadBooking(state_.settings.DataRoot, regNo, state_.CurrentRecord);
    if (e.number == ErrorNumber::FileNotFound || e.number == ErrorNumber::PathNotFound)
        return;
    if (e && e.number != ErrorNumber::BookingNotFound) {
        MsgBox(QStringLiteral("No Visitor Bookings for this DATE have been found"), vb::vbExclamation,
               QStringLiteral("Kestrane [ DCE-6267] "), this);
        return;
    }
    ShowRecord(true);
    modFileManagement::SnapshotRecord(state_);
    state_.BookingsChanged = false;
    state_.RecordChanged = false;
    if (state_.ListMode == 4) {
        if (StatGrid->CurrentCol() == 6)
            cmdIN_Click();
        else if (StatGrid->CurrentCol() == 7)
            cmdOUT_Click();
    }
}

void frmMain::ShowRecord(bool setBookingMonth) {
    const BookingFields r = state_.CurrentRecord; // the change handlers write back as they go
    RegNoTB->setText(BookingBoxes::FromBytes(r.RegNo));
    FirstNameTB->setText(BookingBoxes::FromBytes(r.FirstName));
    PersGendTB->setText(BookingBoxes::FromBytes(r.Gender));
    LastNameTB->setText(BookingBoxes::FromBytes(r.LastName));
    PersMobTB->setText(BookingBoxes::FromBytes(r.MobilePhone));
    PersCarRegTB->setText(BookingBoxes::FromBytes(r.CarRegistration));
    PersEmailTB->setText(BookingBoxes::FromBytes(r.PersonalEmail));
    CataCB->setEditText(BookingBoxes::FromBytes(r.Category));
    Dept1CB->setEditText(BookingBoxes::FromBytes(r.Department));
    CatOrganTB->setText(BookingBoxes::FromBytes(r.Organisation));
    CatPartyTB->setText(BookingBoxes::FromBytes(r.PartySize));
    CatAdrTB->setText(BookingBoxes::FromBytes(r.OrganisationAddress));
    CatDDITB->setText(BookingBoxes::FromBytes(r.DirectDialPhone));
    CatPCodeTB->setText(BookingBoxes::FromBytes(r.OrganisationPostCode));
    CatAltTTB->setText(BookingBoxes::FromBytes(r.AlternativePhone));
    CatEMATB->setText(BookingBoxes::FromBytes(r.OrganisationEmail));
    // The combos only take a value from their lists when chosen; shown here, they hold the booking's own.
    state_.CurrentRecord.Category = r.Category;
    state_.CurrentRecord.Department = r.Department;

    ShowPassLabel();
    ShowPhotoLabel();
    ShowArrivalAndDeparture();

    if (setBookingMonth) {
        const long year = Text::Val(r.RegNo.substr(0, std::min<std::size_t>(2, r.RegNo.size())));
        const long month = r.RegNo.size() >= 4 ? Text::Val(r.RegNo.substr(2, 2)) : 0;
        if (year < 10 || year > 99 || month < 1 || month > 12)
            return;
        CBYear->setCurrentIndex(static_cast<int>(year - 10));
        CBYear_Click();
        CBMonth->setCurrentIndex(static_cast<int>(month - 1));
        CBMonth_Click();
    }
    int lastBooked = 1;
    for (int row = 1; row < TimeGrid->Rows() && row <= 31; ++row) {
        const std::string& slot = r.DayTimes[static_cast<std::size_t>(row - 1)];
        GridCell cell = TimeGrid->Cell(row, 1);
        if (!Text::Trim(slot).empty()) {
            cell.setText(
                BookingBoxes::FromBytes(slot.substr(0, 2) + ":" + slot.substr(slot.size() >= 2 ? slot.size() - 2 : 0)));
            lastBooked = row;
        }
        cell.setForeColor(0);
    }
    TimeGrid->Cell(lastBooked, 1).Select();
    modFileManagement::SnapshotRecord(state_);
}
