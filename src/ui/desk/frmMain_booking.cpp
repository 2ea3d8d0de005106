// The booking form: each box copied into the current booking as it changes,
// and the small input aids of the name, e-mail and gender boxes.
#include "ui/desk/frmMain.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/PassLabel.h"
#include "core/desk/RecordState.h"
#include "core/passes/PhotoFile.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/Shell.h"
#include "platform/VbColor.h"
#include "ui/desk/BookingBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

namespace {
bool blank(const QString& s) {
    return s.trimmed().isEmpty();
}
} // namespace

void frmMain::SetLabelLook(QLabel* label, const QString& caption, long backBgr) {
    label->setText(caption);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, VbColor(backBgr));
    label->setPalette(pal);
}

void frmMain::ConnectHandlers() {
    const auto onChange = [this](QLineEdit* box, void (frmMain::*handler)()) {
        connect(box, &QLineEdit::textEdited, this, [box] { BookingBoxes::KeepLatin1(box); });
        connect(box, &QLineEdit::textChanged, this, handler);
    };
    onChange(RegNoTB, &frmMain::RegNoTB_Change);
    onChange(FirstNameTB, &frmMain::FirstNameTB_Change);
    onChange(PersGendTB, &frmMain::PersGendTB_Change);
    onChange(LastNameTB, &frmMain::LastNameTB_Change);
    onChange(PersMobTB, &frmMain::PersMobTB_Change);
    onChange(PersCarRegTB, &frmMain::PersCarRegTB_Change);
    onChange(PersEmailTB, &frmMain::PersEmailTB_Change);
    onChange(CatOrganTB, &frmMain::CatOrganTB_Change);
    onChange(CatPartyTB, &frmMain::CatPartyTB_Change);
    onChange(CatAdrTB, &frmMain::CatAdrTB_Change);
    onChange(CatDDITB, &frmMain::CatDDITB_Change);
    onChange(CatPCodeTB, &frmMain::CatPCodeTB_Change);
    onChange(CatAltTTB, &frmMain::CatAltTTB_Change);
    onChange(CatEMATB, &frmMain::CatEMATB_Change);
    // Names refuse unwanted characters however they arrive, pasted ones too.
    for (QLineEdit* name : {FirstNameTB, LastNameTB})
        connect(name, &QLineEdit::textEdited, this, [name](const QString& t) {
            QString kept;
            for (QChar c : t) {
                const char16_t u = c.unicode();
                if (u == u' ' || u == u'-' || u == u'.' || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
                    kept += c;
            }
            if (kept != t) {
                const int pos = name->cursorPosition() - static_cast<int>(t.size() - kept.size());
                name->setText(kept);
                name->setCursorPosition(std::max(0, pos));
            }
        });
    // The two pick-lists take their values from their lists only.
    BookingBoxes::MakeListOnly(CataCB);
    BookingBoxes::MakeListOnly(Dept1CB);
    connect(CataCB, &QComboBox::activated, this, &frmMain::CataCB_Click);
    connect(Dept1CB, &QComboBox::activated, this, &frmMain::Dept1CB_Click);
    PersGendTB->installEventFilter(this);

    connect(qxlogoIM, &ClickLabel::clicked, this, &frmMain::qxlogoIM_Click);
    connect(qxlogoIM, &ClickLabel::mouseMoved, this, &frmMain::qxlogoIM_MouseMove);
    for (QWidget* surface : {static_cast<QWidget*>(Fraim4), static_cast<QWidget*>(Fraim5)})
        surface->setMouseTracking(true);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(cmdMore, &QPushButton::clicked, this, &frmMain::cmdMore_Click);
    connect(cmdMultiDELETE, &QPushButton::clicked, this, &frmMain::cmdMultiDELETE_Click);

    connect(cmdSAVE, &QPushButton::clicked, this, &frmMain::cmdSAVE_Click);
    connect(cmdNEW, &QPushButton::clicked, this, &frmMain::cmdNEW_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmMain::cmdDelete_Click);
    connect(CmdPersonal, &QPushButton::clicked, this, &frmMain::CmdPersonal_Click);
    connect(cmdGetCARD, &QPushButton::clicked, this, &frmMain::cmdGetCARD_Click);
    connect(cmdPRINT, &QPushButton::clicked, this, &frmMain::cmdPRINT_Click);
    connect(cmdMFind, &QPushButton::clicked, this, &frmMain::cmdMFind_Click);
    connect(cmdGetAny, &QPushButton::clicked, this, &frmMain::cmdGetAny_Click);
    connect(cmdDayList, &QPushButton::clicked, this, &frmMain::cmdDayList_Click);
    connect(cmdGetTom, &QPushButton::clicked, this, &frmMain::cmdGetTom_Click);
    connect(cmdGetToday, &QPushButton::clicked, this, &frmMain::cmdGetToday_Click);
    connect(cmdIN, &QPushButton::clicked, this, &frmMain::cmdIN_Click);
    connect(cmdOUT, &QPushButton::clicked, this, &frmMain::cmdOUT_Click);

    connect(LaON_Site, &ClickLabel::doubleClicked, this, &frmMain::LaON_Site_DblClick);
    connect(LaOFFSite, &ClickLabel::doubleClicked, this, &frmMain::LaOFFSite_DblClick);
    connect(StatGrid, &Grid::RowChosen, this, [this](int, int) { StatGrid_RowChosen(); });
    connect(StatGrid, &Grid::KeyDownInGrid, this, [this](int keyCode, int) { StatGrid_KeyTyped(keyCode); });
    ConnectDateAndTimeHandlers();
    qApp->installEventFilter(this);
}

// --- Change handlers ------------------------------------------------------------------

void frmMain::RegNoTB_Change() {
    state_.CurrentRecord.RegNo = BookingBoxes::ToBytes(RegNoTB->text());
    QPalette pal = RegNoTB->palette();
    pal.setColor(QPalette::Base, VbColor(blank(RegNoTB->text()) ? 0xE0E0E0 : 0xF9E7DF));
    RegNoTB->setPalette(pal);
}

// A first name typed with a blank and an initial after it hands the initial
// over to the last name box ("Jo S" leaves "Jo" and starts the last name "S").
void frmMain::FirstNameTB_Change() {
    if (Text::Trim(state_.CurrentRecord.RegNo).empty() && !FirstNameTB->text().isEmpty()) {
        FirstNameTB->clear(); // a booking must be started or opened first
        return;
    }
    const QString t = FirstNameTB->text();
    if (t.trimmed().indexOf(u' ') >= 2) {
        LastNameTB->setText(t.right(1));
        FirstNameTB->setText(t.left(t.size() - 2));
        LastNameTB->setFocus();
        LastNameTB->setCursorPosition(1);
        return; // setting the box ran this handler again on the shortened text
    }
    state_.CurrentRecord.FirstName = BookingBoxes::ToBytes(t);
}

void frmMain::PersGendTB_Change() {
    state_.CurrentRecord.Gender = BookingBoxes::ToBytes(PersGendTB->text());
}

void frmMain::LastNameTB_Change() {
    if (Text::Trim(state_.CurrentRecord.RegNo).empty() && !LastNameTB->text().isEmpty()) {
        LastNameTB->clear();
        return;
    }
    state_.CurrentRecord.LastName = BookingBoxes::ToBytes(LastNameTB->text());
}

void frmMain::PersMobTB_Change() {
    state_.CurrentRecord.MobilePhone = BookingBoxes::ToBytes(PersMobTB->text());
}
void frmMain::PersCarRegTB_Change() {
    state_.CurrentRecord.CarRegistration = BookingBoxes::ToBytes(PersCarRegTB->text());
}
void frmMain::PersEmailTB_Change() {
    state_.CurrentRecord.PersonalEmail = BookingBoxes::ToBytes(PersEmailTB->text());
}
void frmMain::CataCB_Click() {
    state_.CurrentRecord.Category = Text::Trim(BookingBoxes::ToBytes(CataCB->currentText()));
}
void frmMain::Dept1CB_Click() {
    state_.CurrentRecord.Department = Text::Trim(BookingBoxes::ToBytes(Dept1CB->currentText()));
}
void frmMain::CatOrganTB_Change() {
    state_.CurrentRecord.Organisation = BookingBoxes::ToBytes(CatOrganTB->text());
}
void frmMain::CatPartyTB_Change() {
    state_.CurrentRecord.PartySize = BookingBoxes::ToBytes(CatPartyTB->text());
}
void frmMain::CatAdrTB_Change() {
    state_.CurrentRecord.OrganisationAddress = BookingBoxes::ToBytes(CatAdrTB->text());
}
void frmMain::CatDDITB_Change() {
    state_.CurrentRecord.DirectDialPhone = BookingBoxes::ToBytes(CatDDITB->text());
}
void frmMain::CatPCodeTB_Change() {
    state_.CurrentRecord.OrganisationPostCode = BookingBoxes::ToBytes(CatPCodeTB->text());
}
void frmMain::CatAltTTB_Change() {
    state_.CurrentRecord.AlternativePhone = BookingBoxes::ToBytes(CatAltTTB->text());
}
void frmMain::CatEMATB_Change() {
    state_.CurrentRecord.OrganisationEmail = BookingBoxes::ToBytes(CatEMATB->text());
}

// --- Input aids -------------------------------------------------------------------------

namespace {
void nameKeyFilter(int& keyAscii) {
    const int k = keyAscii;
    const bool allowed =
        k == 8 || k == 9 || k == 32 || (k >= 65 && k <= 90) || (k >= 97 && k <= 122) || k == 45 || k == 46;
    if (!allowed)
        keyAscii = 0;
}

void lowerAndCheck(QLineEdit* box) {
    box->setText(box->text().toLower());
    if (!box->text().remove(u' ').isEmpty())
        StartUp::CheckEmail(box->text());
}
} // namespace

void frmMain::FirstNameTB_KeyPress(int& keyAscii) {
    nameKeyFilter(keyAscii);
}
void frmMain::LastNameTB_KeyPress(int& keyAscii) {
    nameKeyFilter(keyAscii);
}
void frmMain::PersEmailTB_LostFocus() {
    lowerAndCheck(PersEmailTB);
}
void frmMain::CatEMATB_LostFocus() {
    lowerAndCheck(CatEMATB);
}

void frmMain::PersGendTB_Click() {
    PersGendTB->setText(PersGendTB->text().remove(u' ') != u"M" ? QStringLiteral("M") : QStringLiteral("F"));
    state_.CurrentRecord.Gender = BookingBoxes::ToBytes(PersGendTB->text());
    LastNameTB->setFocus();
}

// --- Clearing and the two status labels ------------------------------------------------------

void frmMain::ClearBookingForm() {
    for (QLineEdit* b : {RegNoTB, FirstNameTB, LastNameTB, PersGendTB, PersMobTB, PersCarRegTB, PersEmailTB, CatOrganTB,
                         CatPartyTB, CatAdrTB, CatDDITB, CatPCodeTB, CatAltTTB, CatEMATB})
        b->clear();
    CataCB->setEditText(QStringLiteral("VISITOR"));
    Dept1CB->setEditText(QStringLiteral(" -  Select  - "));
    SetLabelLook(PassPrntdLa, QStringLiteral("No Pass on-File"), 0xE6E6E6);
    SetLabelLook(PhotoOnFLa, QStringLiteral("NO PHOTO"), 0xE6E6E6);
    ShowStatusLooks(ArrivalDeparture::LooksFor(ArrivalDeparture::StatusLook::NotArrived, ArrivalDeparture::NoTime,
                                               ArrivalDeparture::NoTime));
    for (int r = 1; r < TimeGrid->Rows(); ++r)
        TimeGrid->Cell(r, 1).setText(QString());
}

void frmMain::ShowPhotoLabel() {
    const BookingFields& rec = state_.CurrentRecord;
    const std::string path = PhotoFile::PhotoFilePath(state_.settings.DataRoot, rec.RegNo, rec.FirstName, rec.LastName);
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        state_.CurrentRecord.PhotoOnFile = "1";
        SetLabelLook(PhotoOnFLa, QStringLiteral("Photo on-File"), 0xFF00);
    } else {
        state_.CurrentRecord.PhotoOnFile = "0";
        SetLabelLook(PhotoOnFLa, QStringLiteral("NO PHOTO"), 0xE6E6E6);
    }
}

void frmMain::ShowPassLabel() {
    const PassLabel::Look look = PassLabel::For(state_.CurrentRecord, Clock::Now().DateText());
    SetLabelLook(PassPrntdLa, BookingBoxes::FromBytes(look.caption), look.backColour);
}
