#include "ui/desk/frmPDetail.h"

#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/Shell.h"
#include "ui/common/Widgets.h"
#include "ui/desk/BookingBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace BookingBoxes;
using namespace Widgets;
using Latin1::FromBytes;
using Latin1::ToBytes;

namespace {

constexpr int PrescriptionNotesWidth = 100;
// The fields this window edits, which Cancel puts back.
constexpr int EditedFields[] = {BookingFields::iSalutation,
                                BookingFields::iOurReference,
                                BookingFields::iAddressLine,
                                BookingFields::iTown,
                                BookingFields::iCounty,
                                BookingFields::iPostCode,
                                BookingFields::iHomePhone,
                                BookingFields::iDateOfBirth,
                                BookingFields::iOnPrescriptionMedicine,
                                BookingFields::iMedicineUsed,
                                BookingFields::iPrescriptionNotes,
                                BookingFields::iKinName,
                                BookingFields::iKinPhone,
                                BookingFields::iKinWorkPhone,
                                BookingFields::iKinEmail};

} // namespace

frmPDetail::frmPDetail(ProgramState& state, QWidget* parent)
    : DetailDialog(state, parent, "frmPDetail", "PERSONAL DETAILS", EditedFields) {
    buildControls();
    Form_Load();
}

void frmPDetail::buildControls() {
    // Created in reading order, which is also the tab order.
    PersRegNoTB = ShownBox(this, "PersRegNoTB", 12);
    PersOurRefTB = EditBox(this, "PersOurRefTB", 16);
    SalCB = PickBox(this, "SalCB", QStringLiteral("Mr. "), 5);
    for (const char* s : {"Mr. ", "Mrs.", "Miss", "Dr.", "Prof."})
        SalCB->addItem(QString::fromLatin1(s));
    SalCB->setCurrentIndex(-1);
    SalCB->setEditText(QStringLiteral("Mr. "));
    PersFullNaTB = ShownBox(this, "PersFullNaTB", 28);
    Genbox3TB = ShownBox(this, "Genbox3TB", 2);
    PersA1LineTB = EditBox(this, "PersA1LineTB", 32);
    PersTownTB = EditBox(this, "PersTownTB", 18);
    PersCountyTB = EditBox(this, "PersCountyTB", 18);
    PersPCTB = EditBox(this, "PersPCTB", 10);
    PersHTNTB = EditBox(this, "PersHTNTB", 16);
    PersDOBTB = EditBox(this, "PersDOBTB", 10);
    PersIOPMck = new QCheckBox(QStringLiteral("IS ON PRESCRIPTION MEDICINE"), this);
    PersIOPMck->setObjectName(QStringLiteral("PersIOPMck"));
    PersSWIUTB = EditBox(this, "PersSWIUTB", 32);
    PersIOPDTB = NotesBox(this, "PersIOPDTB", PrescriptionNotesWidth);
    PersKinNameTB = EditBox(this, "PersKinNameTB", 32);
    PersKinTelTB = EditBox(this, "PersKinTelTB", 16);
    PersKinWTelTB = EditBox(this, "PersKinWTelTB", 16);
    PersKinEMATB = EditBox(this, "PersKinEMATB", 42);
    cmdPCLEAR = Button(this, "cmdPCLEAR", "Clear...", " Clears all editable text in this box only ");
    cmdOKPD = Button(this, "cmdOKPD", "OK", " Temporarily saves changes and closes this dialogue ");
    cmdCancePD = Button(this, "cmdCancePD", "Cancel", " Undoes any and all changes and closes this dialogue box ");

    addAcross(Heading(this, QStringLiteral("Personal Details"), 3));
    addPair("REGISTRATION  No.", PersRegNoTB, "OUR REF.", PersOurRefTB);
    auto* name = new QHBoxLayout;
    name->addWidget(SalCB);
    name->addWidget(PersFullNaTB, 1);
    grid_->addWidget(Caption(this, "NAME", PersFullNaTB), row_, 0);
    grid_->addLayout(name, row_, 1);
    grid_->addWidget(Caption(this, "M/F", Genbox3TB), row_, 2);
    grid_->addWidget(Genbox3TB, row_++, 3, Qt::AlignLeft);

    addRule(Heading(this, QStringLiteral("Home Address"), 0));
    addWide("FIRST ADDRESS LINE", PersA1LineTB);
    addPair("TOWN", PersTownTB, "COUNTY", PersCountyTB);
    addPair("POST CODE", PersPCTB, "HOME TELEPHONE NO.", PersHTNTB);
    grid_->addWidget(Caption(this, "DATE OF BIRTH", PersDOBTB), row_, 0);
    grid_->addWidget(PersDOBTB, row_++, 1, Qt::AlignLeft);

    addRule();
    grid_->addWidget(PersIOPMck, row_, 0, 1, 2);
    grid_->addWidget(Caption(this, "STATE WHAT IS USED", PersSWIUTB), row_, 2);
    grid_->addWidget(PersSWIUTB, row_++, 3);
    addWide("ILLNESS OR PHYSICAL DISABILITY", PersIOPDTB);

    addRule(Heading(this, QStringLiteral("Next of Kin / Person to contact in case of emergency:"), 0));
    addWide("NAME", PersKinNameTB);
    addPair("HOME TEL / MOBILE", PersKinTelTB, "WORK TELEPHONE", PersKinWTelTB);
    addWide("E-MAIL ADDRESS", PersKinEMATB);
    layOutPage(cmdPCLEAR, cmdOKPD, cmdCancePD);

    const auto onChange = [this](QLineEdit* box, void (frmPDetail::*handler)()) {
        connect(box, &QLineEdit::textChanged, this, handler);
    };
    onChange(PersOurRefTB, &frmPDetail::PersOurRefTB_Change);
    onChange(PersA1LineTB, &frmPDetail::PersA1LineTB_Change);
    onChange(PersTownTB, &frmPDetail::PersTownTB_Change);
    onChange(PersCountyTB, &frmPDetail::PersCountyTB_Change);
    onChange(PersPCTB, &frmPDetail::PersPCTB_Change);
    onChange(PersHTNTB, &frmPDetail::PersHTNTB_Change);
    onChange(PersDOBTB, &frmPDetail::PersDOBTB_Change);
    onChange(PersSWIUTB, &frmPDetail::PersSWIUTB_Change);
    onChange(PersKinNameTB, &frmPDetail::PersKinNameTB_Change);
    onChange(PersKinTelTB, &frmPDetail::PersKinTelTB_Change);
    onChange(PersKinWTelTB, &frmPDetail::PersKinWTelTB_Change);
    onChange(PersKinEMATB, &frmPDetail::PersKinEMATB_Change);
    connect(PersIOPDTB, &QPlainTextEdit::textChanged, this, &frmPDetail::PersIOPDTB_Change);
    connect(PersIOPMck, &QCheckBox::toggled, this, &frmPDetail::PersIOPMck_Click);
    // Typing is not taken; only a choice from the list is.
    connect(SalCB, &QComboBox::activated, this, &frmPDetail::SalCB_Click);
    PersKinEMATB->installEventFilter(this);
    connect(cmdOKPD, &QPushButton::clicked, this, &frmPDetail::cmdOKPD_Click);
    connect(cmdCancePD, &QPushButton::clicked, this, &frmPDetail::cmdCancePD_Click);
    connect(cmdPCLEAR, &QPushButton::clicked, this, &frmPDetail::cmdPCLEAR_Click);
}

void frmPDetail::Form_Load() {
    state_.HelpTopic = StartUp::HelpTopics::PersonalDetails;
    ShowFields();
    SnapshotFields();
    CentreForm();
}

void frmPDetail::ShowFields() {
    const BookingFields& r = state_.CurrentRecord;
    ShowWhole(PersRegNoTB, r.RegNo);
    SalCB->setEditText(FromBytes(r.Salutation));
    ShowText(PersFullNaTB, r.FirstName + " " + r.LastName);
    ShowText(Genbox3TB, r.Gender);
    ShowText(PersOurRefTB, r.OurReference);
    ShowText(PersA1LineTB, r.AddressLine);
    ShowText(PersTownTB, r.Town);
    ShowText(PersCountyTB, r.County);
    ShowText(PersPCTB, r.PostCode);
    ShowText(PersHTNTB, r.HomePhone);
    ShowText(PersDOBTB, r.DateOfBirth);
    PersIOPMck->setChecked(r.onPrescriptionMedicine());
    ShowText(PersSWIUTB, r.MedicineUsed);
    // Notes the main window has just saved still carry their stored line-break markers.
    ShowNotes(PersIOPDTB, NotesFromBytes(DecodeLineBreaks(r.PrescriptionNotes)));
    ShowText(PersKinNameTB, r.KinName);
    ShowText(PersKinTelTB, r.KinPhone);
    ShowText(PersKinWTelTB, r.KinWorkPhone);
    ShowText(PersKinEMATB, r.KinEmail);
}

void frmPDetail::cmdPCLEAR_Click() {
    BookingFields& r = state_.CurrentRecord;
    SalCB->setCurrentIndex(-1);
    SalCB->setEditText(QString());
    r.Salutation.clear();
    clearBoxes({{PersOurRefTB, &r.OurReference},
                {PersA1LineTB, &r.AddressLine},
                {PersTownTB, &r.Town},
                {PersCountyTB, &r.County},
                {PersPCTB, &r.PostCode},
                {PersHTNTB, &r.HomePhone},
                {PersDOBTB, &r.DateOfBirth},
                {PersSWIUTB, &r.MedicineUsed},
                {PersKinNameTB, &r.KinName},
                {PersKinTelTB, &r.KinPhone},
                {PersKinWTelTB, &r.KinWorkPhone},
                {PersKinEMATB, &r.KinEmail}});
    PersIOPMck->setChecked(false);
    r.setOnPrescriptionMedicine(false);
    PersIOPDTB->clear();
    r.PrescriptionNotes.clear();
}

void frmPDetail::cmdOKPD_Click() {
    accept();
}

void frmPDetail::cmdCancePD_Click() {
    RestoreFields();
    reject();
}

bool frmPDetail::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PersKinEMATB && event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window counts, not a switch to another window
        // (the warning box itself included).
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            PersKinEMATB_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void frmPDetail::PersKinEMATB_LostFocus() {
    PersKinEMATB->setText(PersKinEMATB->text().toLower());
    const QString address = PersKinEMATB->text();
    if (!Text::Trim(ToBytes(address)).empty())
        StartUp::CheckEmail(address);
}

void frmPDetail::PersIOPMck_Click() {
    state_.CurrentRecord.setOnPrescriptionMedicine(PersIOPMck->isChecked());
}

void frmPDetail::SalCB_Click() {
    state_.CurrentRecord.Salutation = ToBytes(SalCB->currentText());
}

void frmPDetail::PersIOPDTB_Change() {
    const std::string notes = NotesToBytes(PersIOPDTB->toPlainText());
    std::string& field = state_.CurrentRecord.PrescriptionNotes;
    // Unedited notes that still carry their stored markers are left as they are, so
    // merely opening this window does not count as a change to the booking.
    if (DecodeLineBreaks(field) != notes)
        field = notes;
}

void frmPDetail::PersSWIUTB_Change() {
    state_.CurrentRecord.MedicineUsed = ToBytes(PersSWIUTB->text());
}
void frmPDetail::PersOurRefTB_Change() {
    state_.CurrentRecord.OurReference = ToBytes(PersOurRefTB->text());
}
void frmPDetail::PersA1LineTB_Change() {
    state_.CurrentRecord.AddressLine = ToBytes(PersA1LineTB->text());
}
void frmPDetail::PersTownTB_Change() {
    state_.CurrentRecord.Town = ToBytes(PersTownTB->text());
}
void frmPDetail::PersCountyTB_Change() {
    state_.CurrentRecord.County = ToBytes(PersCountyTB->text());
}
void frmPDetail::PersPCTB_Change() {
    state_.CurrentRecord.PostCode = ToBytes(PersPCTB->text());
}
void frmPDetail::PersHTNTB_Change() {
    state_.CurrentRecord.HomePhone = ToBytes(PersHTNTB->text());
}
void frmPDetail::PersDOBTB_Change() {
    state_.CurrentRecord.DateOfBirth = ToBytes(PersDOBTB->text());
}
void frmPDetail::PersKinNameTB_Change() {
    state_.CurrentRecord.KinName = ToBytes(PersKinNameTB->text());
}
void frmPDetail::PersKinTelTB_Change() {
    state_.CurrentRecord.KinPhone = ToBytes(PersKinTelTB->text());
}
void frmPDetail::PersKinWTelTB_Change() {
    state_.CurrentRecord.KinWorkPhone = ToBytes(PersKinWTelTB->text());
}
void frmPDetail::PersKinEMATB_Change() {
    state_.CurrentRecord.KinEmail = ToBytes(PersKinEMATB->text());
}
