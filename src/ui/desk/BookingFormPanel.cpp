#include "ui/desk/BookingFormPanel.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/PassLabel.h"
#include "core/desk/PickListFile.h"
#include "core/desk/RecordState.h"
#include "core/passes/PhotoFile.h"
#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/Shell.h"
#include "platform/VbColor.h"
#include "platform/VbKeys.h"
#include "ui/common/Errors.h"
#include "ui/common/Widgets.h"
#include "ui/desk/BookingBoxes.h"
#include "ui/desk/WatchedBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

using namespace Widgets;

namespace {
bool blank(const QString& s) {
    return s.trimmed().isEmpty();
}

template <typename Box> Box* placed(Box* box, const char* name, QRect at, int maxLength) {
    Named(box, name);
    box->setGeometry(at);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}
} // namespace

BookingFormPanel::BookingFormPanel(ProgramState& state, QWidget* area, QWidget* window)
    : QObject(area), state_(state), window_(window) {
    build(area);
    connectHandlers();
}

void BookingFormPanel::build(QWidget* p) {
    Caption(p, QStringLiteral("Make Booking"), 6, 2, 200, true);
    constexpr int top = 24, step = 26;
    const auto row = [](int r) { return top + r * step; };
    // Left column: the visitor.
    const int lx = 6, lbox = 86, lw = 178;
    Caption(p, QStringLiteral("Booking No"), lx, row(0) + 2, 78);
    RegNoTB = Box(p, "RegNoTB", QRect(lbox, row(0), lw, 22));
    RegNoTB->setReadOnly(true);
    RegNoTB->setFocusPolicy(Qt::NoFocus);
    RegNoTB->setAutoFillBackground(true);
    Caption(p, QStringLiteral("First Name"), lx, row(1) + 2, 78);
    FirstNameTB = Box(p, "FirstNameTB", QRect(lbox, row(1), lw, 22), 16);
    Caption(p, QStringLiteral("Last Name"), lx, row(2) + 2, 78);
    LastNameTB = Box(p, "LastNameTB", QRect(lbox, row(2), lw - 36, 22), 18);
    PersGendTB = placed(new WatchedBox(p), "PersGendTB", QRect(lbox + lw - 32, row(2), 32, 22), 1);
    PersGendTB->setReadOnly(true);
    PersGendTB->setAlignment(Qt::AlignCenter);
    PersGendTB->setToolTip(QStringLiteral(" Click to change between M and F "));
    Caption(p, QStringLiteral("Mobile"), lx, row(3) + 2, 78);
    PersMobTB = Box(p, "PersMobTB", QRect(lbox, row(3), lw, 22), 16);
    Caption(p, QStringLiteral("Car Reg."), lx, row(4) + 2, 78);
    PersCarRegTB = Box(p, "PersCarRegTB", QRect(lbox, row(4), 100, 22), 10);
    Caption(p, QStringLiteral("E-mail"), lx, row(5) + 2, 78);
    PersEmailTB = placed(new WatchedBox(p), "PersEmailTB", QRect(lbox, row(5), lw, 22), 42);
    Caption(p, QStringLiteral("Personal"), lx, row(6) + 4, 78);
    CmdPersonal =
        KeyMapButton(p, "CmdPersonal", QStringLiteral("More..."),
                     QStringLiteral(" Opens a dialogue to place more detailed information about your visitor "),
                     QRect(lbox, row(6), 80, 24));

    Caption(p, QStringLiteral("Pass"), lx, row(7) + 4, 78);
    PassPrntdLa =
        StatusLabel(new QLabel(p), "PassPrntdLa", QStringLiteral("No Pass on-File"), QRect(lbox, row(7) + 2, lw, 22));
    Caption(p, QStringLiteral("Photo"), lx, row(8) + 4, 78);
    PhotoOnFLa = StatusLabel(new QLabel(p), "PhotoOnFLa", QStringLiteral("NO PHOTO"), QRect(lbox, row(8) + 2, lw, 22));

    // Right column: the organisation and the visit.
    const int rx = 276, rbox = 366, rw = 180;
    Caption(p, QStringLiteral("Category"), rx, row(0) + 2, 88);
    CataCB = Named(new QComboBox(p), "CataCB");
    CataCB->setEditable(true);
    CataCB->setEditText(QStringLiteral("VISITOR"));
    CataCB->setGeometry(rbox, row(0), rw, 22);
    Caption(p, QStringLiteral("Department"), rx, row(1) + 2, 88);
    Dept1CB = Named(new QComboBox(p), "Dept1CB");
    Dept1CB->setEditable(true);
    Dept1CB->setEditText(Latin1::FromBytes(BookingRules::DepartmentPlaceholder));
    Dept1CB->setGeometry(rbox, row(1), rw, 22);
    Caption(p, QStringLiteral("Organisation"), rx, row(2) + 2, 88);
    CatOrganTB = Box(p, "CatOrganTB", QRect(rbox, row(2), rw, 22), 50);
    Caption(p, QStringLiteral("Party Size"), rx, row(3) + 2, 88);
    CatPartyTB = Box(p, "CatPartyTB", QRect(rbox, row(3), 44, 22), 3);
    Caption(p, QStringLiteral("Address"), rx, row(4) + 2, 88);
    CatAdrTB = Box(p, "CatAdrTB", QRect(rbox, row(4), rw, 22), 64);
    Caption(p, QStringLiteral("Telephone"), rx, row(5) + 2, 88);
    CatDDITB = Box(p, "CatDDITB", QRect(rbox, row(5), rw, 22), 16);
    Caption(p, QStringLiteral("Post Code"), rx, row(6) + 2, 88);
    CatPCodeTB = Box(p, "CatPCodeTB", QRect(rbox, row(6), 96, 22), 10);
    Caption(p, QStringLiteral("Alt. Telephone"), rx, row(7) + 2, 88);
    CatAltTTB = Box(p, "CatAltTTB", QRect(rbox, row(7), rw, 22), 16);
    Caption(p, QStringLiteral("Org. E-mail"), rx, row(8) + 2, 88);
    CatEMATB = placed(new WatchedBox(p), "CatEMATB", QRect(rbox, row(8), rw, 22), 42);
    Caption(p, QStringLiteral("Location"), rx, row(9) + 4, 88);
    cmdMore = KeyMapButton(p, "cmdMore", QStringLiteral("More..."),
                           QStringLiteral(" Opens a dialogue to place more detailed information about your visitor's "
                                          "organisation  "),
                           QRect(rbox, row(9), 80, 24));

    const int by = 300;
    cmdNEW =
        KeyMapButton(p, "cmdNEW", QStringLiteral("&New"),
                     QStringLiteral(" Creates a new booking.  Kestrane requires that you enter First and Last names "
                                    "together with Organisation name before you can save the record  [ F7 ] "),
                     QRect(6, by, 84, 28));
    cmdSAVE =
        KeyMapButton(p, "cmdSAVE", QStringLiteral("&Save"),
                     QStringLiteral(" Saves any changes to the current record.  Note if the booked time is not within "
                                    "the current month then a new record is created "),
                     QRect(96, by, 84, 28));
    cmdDelete =
        KeyMapButton(p, "cmdDelete", QStringLiteral("Delete"),
                     QStringLiteral(" Deletes the current record and its associated photo "), QRect(186, by, 84, 28));
    cmdGetCARD =
        KeyMapButton(p, "cmdGetCARD", QStringLiteral("Pass [F9]"),
                     QStringLiteral(" Opens a dialogue to issue/revoke passes and to take and manage photos  "),
                     QRect(366, by, 100, 28));
    cmdMultiDELETE =
        KeyMapButton(p, "cmdMultiDELETE", QStringLiteral("X"),
                     QStringLiteral(" Opens the Mass Delete dialogue box.  Use the Manage Photos dialogue to "
                                    "delete photographs  "),
                     QRect(516, by, 30, 28));

    // Tab order follows the form's reading order.
    const QList<QWidget*> order{FirstNameTB, LastNameTB, PersGendTB, PersMobTB,  PersCarRegTB,
                                PersEmailTB, CataCB,     Dept1CB,    CatOrganTB, CatPartyTB,
                                CatAdrTB,    CatDDITB,   CatPCodeTB, CatAltTTB,  CatEMATB};
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void BookingFormPanel::connectHandlers() {
    const auto onChange = [this](QLineEdit* box, void (BookingFormPanel::*handler)()) {
        BookingBoxes::KeepLatin1(box);
        connect(box, &QLineEdit::textChanged, this, handler);
    };
    onChange(RegNoTB, &BookingFormPanel::RegNoTB_Change);
    onChange(FirstNameTB, &BookingFormPanel::FirstNameTB_Change);
    onChange(PersGendTB, &BookingFormPanel::PersGendTB_Change);
    onChange(LastNameTB, &BookingFormPanel::LastNameTB_Change);
    onChange(PersMobTB, &BookingFormPanel::PersMobTB_Change);
    onChange(PersCarRegTB, &BookingFormPanel::PersCarRegTB_Change);
    onChange(PersEmailTB, &BookingFormPanel::PersEmailTB_Change);
    onChange(CatOrganTB, &BookingFormPanel::CatOrganTB_Change);
    onChange(CatPartyTB, &BookingFormPanel::CatPartyTB_Change);
    onChange(CatAdrTB, &BookingFormPanel::CatAdrTB_Change);
    onChange(CatDDITB, &BookingFormPanel::CatDDITB_Change);
    onChange(CatPCodeTB, &BookingFormPanel::CatPCodeTB_Change);
    onChange(CatAltTTB, &BookingFormPanel::CatAltTTB_Change);
    onChange(CatEMATB, &BookingFormPanel::CatEMATB_Change);
    // Names take their few characters however they arrive, pasted ones too.
    for (QLineEdit* name : {FirstNameTB, LastNameTB})
        BookingBoxes::KeepLatin1(name, &BookingRules::IsNameCharacter);
    // The two pick-lists take their values from their lists only.
    BookingBoxes::MakeListOnly(CataCB);
    BookingBoxes::MakeListOnly(Dept1CB);
    connect(CataCB, &QComboBox::activated, this, &BookingFormPanel::CataCB_Click);
    connect(Dept1CB, &QComboBox::activated, this, &BookingFormPanel::Dept1CB_Click);
    connect(PersGendTB, &WatchedBox::clicked, this, &BookingFormPanel::PersGendTB_Click);
    PersGendTB->installEventFilter(this);
    connect(PersEmailTB, &WatchedBox::focusLeft, this, &BookingFormPanel::PersEmailTB_LostFocus);
    connect(CatEMATB, &WatchedBox::focusLeft, this, &BookingFormPanel::CatEMATB_LostFocus);

    connect(cmdNEW, &QPushButton::clicked, this, &BookingFormPanel::newClicked);
    connect(cmdSAVE, &QPushButton::clicked, this, &BookingFormPanel::saveClicked);
    connect(cmdDelete, &QPushButton::clicked, this, &BookingFormPanel::deleteClicked);
    connect(cmdGetCARD, &QPushButton::clicked, this, &BookingFormPanel::passClicked);
    connect(cmdMultiDELETE, &QPushButton::clicked, this, &BookingFormPanel::multiDeleteClicked);
    connect(CmdPersonal, &QPushButton::clicked, this, &BookingFormPanel::personalClicked);
    connect(cmdMore, &QPushButton::clicked, this, &BookingFormPanel::moreClicked);
}

void BookingFormPanel::applyModes(bool readOnly, bool disableSingleDelete, bool disableMultiDelete) {
    for (QPushButton* b : {cmdGetCARD, cmdSAVE, cmdNEW})
        b->setEnabled(!readOnly);
    cmdDelete->setEnabled(!readOnly && !disableSingleDelete);
    cmdMultiDELETE->setEnabled(!readOnly && !disableMultiDelete);
}

// --- Change handlers ------------------------------------------------------------------

void BookingFormPanel::RegNoTB_Change() {
    state_.CurrentRecord.RegNo = Latin1::ToBytes(RegNoTB->text());
    QPalette pal = RegNoTB->palette();
    pal.setColor(QPalette::Base, VbColor(blank(RegNoTB->text()) ? 0xE0E0E0 : 0xF9E7DF));
    RegNoTB->setPalette(pal);
}

// A first name typed with a blank and an initial after it hands the initial
// over to the last name box ("Jo S" leaves "Jo" and starts the last name "S").
void BookingFormPanel::FirstNameTB_Change() {
    if (Text::Trim(state_.CurrentRecord.RegNo).empty() && !FirstNameTB->text().isEmpty()) {
        FirstNameTB->clear(); // a booking must be started or opened first
        return;
    }
    const BookingForm::NameSplit split = BookingForm::SplitFirstName(Latin1::ToBytes(FirstNameTB->text()));
    if (split.lastName) {
        LastNameTB->setText(Latin1::FromBytes(*split.lastName));
        FirstNameTB->setText(Latin1::FromBytes(split.firstName));
        LastNameTB->setFocus();
        LastNameTB->setCursorPosition(1);
        return; // setting the box ran this handler again on the shortened text
    }
    state_.CurrentRecord.FirstName = split.firstName;
}

void BookingFormPanel::PersGendTB_Change() {
    state_.CurrentRecord.Gender = Latin1::ToBytes(PersGendTB->text());
}

void BookingFormPanel::LastNameTB_Change() {
    if (Text::Trim(state_.CurrentRecord.RegNo).empty() && !LastNameTB->text().isEmpty()) {
        LastNameTB->clear();
        return;
    }
    state_.CurrentRecord.LastName = Latin1::ToBytes(LastNameTB->text());
}

void BookingFormPanel::PersMobTB_Change() {
    state_.CurrentRecord.MobilePhone = Latin1::ToBytes(PersMobTB->text());
}
void BookingFormPanel::PersCarRegTB_Change() {
    state_.CurrentRecord.CarRegistration = Latin1::ToBytes(PersCarRegTB->text());
}
void BookingFormPanel::PersEmailTB_Change() {
    state_.CurrentRecord.PersonalEmail = Latin1::ToBytes(PersEmailTB->text());
}
void BookingFormPanel::CataCB_Click() {
    state_.CurrentRecord.Category = Text::Trim(Latin1::ToBytes(CataCB->currentText()));
}
void BookingFormPanel::Dept1CB_Click() {
    state_.CurrentRecord.Department = Text::Trim(Latin1::ToBytes(Dept1CB->currentText()));
}
void BookingFormPanel::CatOrganTB_Change() {
    state_.CurrentRecord.Organisation = Latin1::ToBytes(CatOrganTB->text());
}
void BookingFormPanel::CatPartyTB_Change() {
    state_.CurrentRecord.PartySize = Latin1::ToBytes(CatPartyTB->text());
}
void BookingFormPanel::CatAdrTB_Change() {
    state_.CurrentRecord.OrganisationAddress = Latin1::ToBytes(CatAdrTB->text());
}
void BookingFormPanel::CatDDITB_Change() {
    state_.CurrentRecord.DirectDialPhone = Latin1::ToBytes(CatDDITB->text());
}
void BookingFormPanel::CatPCodeTB_Change() {
    state_.CurrentRecord.OrganisationPostCode = Latin1::ToBytes(CatPCodeTB->text());
}
void BookingFormPanel::CatAltTTB_Change() {
    state_.CurrentRecord.AlternativePhone = Latin1::ToBytes(CatAltTTB->text());
}
void BookingFormPanel::CatEMATB_Change() {
    state_.CurrentRecord.OrganisationEmail = Latin1::ToBytes(CatEMATB->text());
}

// --- Input aids -------------------------------------------------------------------------

namespace {
void lowerAndCheck(QLineEdit* box) {
    box->setText(box->text().toLower());
    if (!box->text().remove(u' ').isEmpty())
        StartUp::CheckEmail(box->text());
}
} // namespace

void BookingFormPanel::PersEmailTB_LostFocus() {
    lowerAndCheck(PersEmailTB);
}
void BookingFormPanel::CatEMATB_LostFocus() {
    lowerAndCheck(CatEMATB);
}

void BookingFormPanel::PersGendTB_Click() {
    PersGendTB->setText(PersGendTB->text().remove(u' ') != u"M" ? QStringLiteral("M") : QStringLiteral("F"));
    state_.CurrentRecord.Gender = Latin1::ToBytes(PersGendTB->text());
    LastNameTB->setFocus();
}

// The focus stays in the box, so a second Space toggles again rather than
// typing a blank into the last name.
bool BookingFormPanel::PersGendTB_KeyPress(int keyAscii) {
    QString gender;
    if (keyAscii == ' ')
        gender = PersGendTB->text().remove(u' ') != u"M" ? QStringLiteral("M") : QStringLiteral("F");
    else if (keyAscii == 'M' || keyAscii == 'm')
        gender = QStringLiteral("M");
    else if (keyAscii == 'F' || keyAscii == 'f')
        gender = QStringLiteral("F");
    else
        return false;
    PersGendTB->setText(gender);
    state_.CurrentRecord.Gender = Latin1::ToBytes(gender);
    return true;
}

bool BookingFormPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PersGendTB && event->type() == QEvent::KeyPress)
        return PersGendTB_KeyPress(VbKeys::KeyAscii(static_cast<QKeyEvent*>(event)));
    return QObject::eventFilter(watched, event);
}

// --- Showing and clearing -------------------------------------------------------------------

void BookingFormPanel::clear() {
    for (QLineEdit* b : {RegNoTB, FirstNameTB, LastNameTB, static_cast<QLineEdit*>(PersGendTB), PersMobTB, PersCarRegTB,
                         static_cast<QLineEdit*>(PersEmailTB), CatOrganTB, CatPartyTB, CatAdrTB, CatDDITB, CatPCodeTB,
                         CatAltTTB, static_cast<QLineEdit*>(CatEMATB)})
        b->clear();
    CataCB->setEditText(QStringLiteral("VISITOR"));
    Dept1CB->setEditText(Latin1::FromBytes(BookingRules::DepartmentPlaceholder));
    SetLabelLook(PassPrntdLa, QStringLiteral("No Pass on-File"), 0xE6E6E6);
    SetLabelLook(PhotoOnFLa, QStringLiteral("NO PHOTO"), 0xE6E6E6);
}

void BookingFormPanel::showFields(const BookingFields& r) {
    RegNoTB->setText(Latin1::FromBytes(r.RegNo));
    // Names another desk stored may hold letters this desk's name boxes do not take when typed.
    BookingBoxes::ShowText(FirstNameTB, r.FirstName);
    PersGendTB->setText(Latin1::FromBytes(r.Gender));
    BookingBoxes::ShowText(LastNameTB, r.LastName);
    PersMobTB->setText(Latin1::FromBytes(r.MobilePhone));
    PersCarRegTB->setText(Latin1::FromBytes(r.CarRegistration));
    PersEmailTB->setText(Latin1::FromBytes(r.PersonalEmail));
    // A stored value that is on the list shows as its entry (a blank in front), so
    // the arrow keys go on from it; any other shows as stored.
    for (const auto& [box, value] : {std::pair{CataCB, &r.Category}, std::pair{Dept1CB, &r.Department}}) {
        const int entry = box->findText(QStringLiteral(" ") + Latin1::FromBytes(*value));
        if (entry >= 0)
            box->setCurrentIndex(entry);
        else
            box->setEditText(Latin1::FromBytes(*value));
    }
    CatOrganTB->setText(Latin1::FromBytes(r.Organisation));
    CatPartyTB->setText(Latin1::FromBytes(r.PartySize));
    CatAdrTB->setText(Latin1::FromBytes(r.OrganisationAddress));
    CatDDITB->setText(Latin1::FromBytes(r.DirectDialPhone));
    CatPCodeTB->setText(Latin1::FromBytes(r.OrganisationPostCode));
    CatAltTTB->setText(Latin1::FromBytes(r.AlternativePhone));
    CatEMATB->setText(Latin1::FromBytes(r.OrganisationEmail));
    // The combos only take a value from their lists when chosen; shown here, they hold the booking's own.
    state_.CurrentRecord.Category = r.Category;
    state_.CurrentRecord.Department = r.Department;
}

void BookingFormPanel::ShowPhotoLabel() {
    const BookingFields& rec = state_.CurrentRecord;
    const std::string path = PhotoFile::PhotoFilePath(state_.settings.DataRoot, rec.RegNo, rec.FirstName, rec.LastName);
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        state_.CurrentRecord.setPhotoOnFile(true);
        SetLabelLook(PhotoOnFLa, QStringLiteral("Photo on-File"), 0xFF00);
    } else {
        state_.CurrentRecord.setPhotoOnFile(false);
        SetLabelLook(PhotoOnFLa, QStringLiteral("NO PHOTO"), 0xE6E6E6);
    }
}

void BookingFormPanel::ShowPassLabel() {
    const PassLabel::Look look = PassLabel::For(state_.CurrentRecord, Clock::Now().DateText());
    SetLabelLook(PassPrntdLa, Latin1::FromBytes(look.caption), look.backColour);
}

void BookingFormPanel::showPassRevoked() {
    SetLabelLook(PassPrntdLa, QStringLiteral("Pass Revoked"), 0xFFFF);
}

BookingRules::FormEntries BookingFormPanel::entries() const {
    return {Latin1::ToBytes(FirstNameTB->text()), Latin1::ToBytes(LastNameTB->text()),
            Latin1::ToBytes(Dept1CB->currentText()), Latin1::ToBytes(CatOrganTB->text())};
}

QString BookingFormPanel::regNoText() const {
    return RegNoTB->text();
}

void BookingFormPanel::setRegNoText(const QString& text) {
    RegNoTB->setText(text);
}

void BookingFormPanel::focusFirstName() {
    FirstNameTB->setFocus();
}

// --- Pick-lists ------------------------------------------------------------------------------

void BookingFormPanel::LoadCustomLists() {
    std::vector<std::vector<std::string>> lists;
    const FileError error = PickList::ReadPickLists(PickList::CustomListsFile(state_.ProgramFolder),
                                                    {PickList::CategoryHeader, PickList::DepartmentHeader}, lists);
    window_->unsetCursor();
    Errors::Report(window_, Errors::Place::PickLists, error);
    if (error.number == ErrorNumber::FileNotFound)
        return;
    // Appended, not replaced: the boxes keep their design texts until an item is chosen.
    const QString category = CataCB->currentText(), department = Dept1CB->currentText();
    if (lists.size() == 2) {
        for (const std::string& item : lists[0])
            CataCB->addItem(QStringLiteral(" ") + Latin1::FromBytes(item));
        for (const std::string& item : lists[1])
            Dept1CB->addItem(QStringLiteral(" ") + Latin1::FromBytes(item));
    }
    CataCB->setEditText(category);
    Dept1CB->setEditText(department);
    BookingBoxes::FitListToItems(CataCB);
    BookingBoxes::FitListToItems(Dept1CB);
    if (lists.size() == 2)
        emit pickListsRead({lists[0], lists[1]});
}
