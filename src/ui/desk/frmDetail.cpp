#include "ui/desk/frmDetail.h"

#include "core/TextUtil.h"
#include "core/desk/BookingRules.h"
#include "core/desk/PickListFile.h"
#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "ui/common/Errors.h"
#include "ui/common/Widgets.h"
#include "ui/desk/BookingBoxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace BookingBoxes;
using namespace Widgets;
using Latin1::FromBytes;
using Latin1::ToBytes;

namespace {
// The fields this window edits, which Cancel puts back.
constexpr int EditedFields[] = {
    BookingFields::iOurReference,   BookingFields::iReportingTo, BookingFields::iHostPhone,
    BookingFields::iHostPager,      BookingFields::iLocation,    BookingFields::iWorkDescription,
    BookingFields::iAdditionalInfo, BookingFields::iAccessAreas, BookingFields::iRestrictions};
} // namespace

frmDetail::frmDetail(ProgramState& state, QWidget* parent)
    : DetailDialog(state, parent, "frmDetail", "ON-SITE LOCATION AND WORK DETAIL", EditedFields) {
    buildControls();
    Form_Load();
}

void frmDetail::buildControls() {
    // Created in reading order, which is also the tab order.
    LocRegNoTB = ShownBox(this, "LocRegNoTB", 12);
    LocCatTB = ShownBox(this, "LocCatTB", 20);
    LocSaluTB = ShownBox(this, "LocSaluTB", 6);
    LocFullNameTB = ShownBox(this, "LocFullNameTB", 30);
    LocDepTb = ShownBox(this, "LocDepTb", 24);
    LocOurRefTB = EditBox(this, "LocOurRefTB", 16, " Use this field for any reference number you may have ");
    LocVisitingTB = EditBox(this, "LocVisitingTB", 36, " Name of the person that your visitor is seeing ");
    LocTelTB = EditBox(this, "LocTelTB", 16, "  Telephone number of the person that your visitor is seeing ");
    LocPagTB = EditBox(this, "LocPagTB", 16);
    LocLocTB =
        EditBox(this, "LocLocTB", 28, " Location or building number where you visitor first reports to when on-site ");
    DescOWCB = PickBox(this, "DescOWCB", FromBytes(BookingRules::DepartmentPlaceholder), 38);
    SelectACB = PickBox(this, "SelectACB", FromBytes(BookingRules::DepartmentPlaceholder), 38);
    LocInfoTB = NotesBox(this, "LocInfoTB");
    LocRestrTB = NotesBox(this, "LocRestrTB");
    cmdDCLEAR = Button(this, "cmdDCLEAR", "Clear...", " Clears all editable text in this box only ");
    cmdOKLocWD = Button(this, "cmdOKLocWD", "Ok", " Temporarily saves changes and closes this dialogue ");
    cmdCancelLocWD =
        Button(this, "cmdCancelLocWD", "Cancel", " Undoes any and all changes and closes this dialogue box ");

    addPair("REGISTRATION  No.", LocRegNoTB, "CATEGORY", LocCatTB);
    auto* name = new QHBoxLayout;
    name->addWidget(LocSaluTB);
    name->addWidget(LocFullNameTB, 1);
    grid_->addWidget(Caption(this, "NAME", LocFullNameTB), row_, 0);
    grid_->addLayout(name, row_++, 1, 1, 3);
    addPair("DEPARTMENT", LocDepTb, "OUR REF.", LocOurRefTB);
    addRule();
    addWide("VISITING / REPORTING TO", LocVisitingTB);
    addPair("TELEPHONE  (or Ext.)", LocTelTB, "PAGER", LocPagTB);
    addWide("LOCATION / BUILDING NO.", LocLocTB);
    addWide("DESCRIPTION OF WORK", DescOWCB);
    addWide("SELECT ACCESS AREA(S)", SelectACB);
    addWide("Additional Information", LocInfoTB);
    addWide("Restrictions", LocRestrTB);
    layOutPage(cmdDCLEAR, cmdOKLocWD, cmdCancelLocWD);

    const auto onChange = [this](QLineEdit* box, void (frmDetail::*handler)()) {
        connect(box, &QLineEdit::textChanged, this, handler);
    };
    onChange(LocOurRefTB, &frmDetail::LocOurRefTB_Change);
    onChange(LocVisitingTB, &frmDetail::LocVisitingTB_Change);
    onChange(LocTelTB, &frmDetail::LocTelTB_Change);
    onChange(LocPagTB, &frmDetail::LocPagTB_Change);
    onChange(LocLocTB, &frmDetail::LocLocTB_Change);
    connect(LocInfoTB, &QPlainTextEdit::textChanged, this, &frmDetail::LocInfoTB_Change);
    connect(LocRestrTB, &QPlainTextEdit::textChanged, this, &frmDetail::LocRestrTB_Change);
    connect(DescOWCB, &QComboBox::activated, this, &frmDetail::DescOWCB_Click);
    connect(SelectACB, &QComboBox::activated, this, &frmDetail::SelectACB_Click);
    LocInfoTB->viewport()->installEventFilter(this);
    LocRestrTB->viewport()->installEventFilter(this);
    connect(cmdOKLocWD, &QPushButton::clicked, this, &frmDetail::cmdOKLocWD_Click);
    connect(cmdCancelLocWD, &QPushButton::clicked, this, &frmDetail::cmdCancelLocWD_Click);
    connect(cmdDCLEAR, &QPushButton::clicked, this, &frmDetail::cmdDCLEAR_Click);
}

void frmDetail::Form_Load() {
    state_.HelpTopic = StartUp::HelpTopics::LocationDetails;
    LoadPickLists();
    ShowFields();
    SnapshotFields();
    CentreForm();
}

void frmDetail::LoadPickLists() {
    std::vector<std::vector<std::string>> lists;
    const FileError error = PickList::ReadPickLists(PickList::CustomListsFile(state_.ProgramFolder),
                                                    {PickList::DescriptionHeader, PickList::AccessAreaHeader}, lists);
    // Whatever was read before a failure is still offered.
    QComboBox* boxes[] = {DescOWCB, SelectACB};
    for (std::size_t i = 0; i < lists.size() && i < 2; ++i) {
        for (const std::string& item : lists[i])
            boxes[i]->addItem(QStringLiteral(" ") + FromBytes(item));
        boxes[i]->setCurrentIndex(-1);
        FitListToItems(boxes[i]);
    }
    Errors::Report(this, Errors::Place::PickListFile, error);
}

void frmDetail::ShowFields() {
    const BookingFields& r = state_.CurrentRecord;
    ShowWhole(LocRegNoTB, r.RegNo);
    ShowWhole(LocCatTB, r.Category);
    ShowText(LocSaluTB, r.Salutation);
    ShowText(LocFullNameTB, r.FirstName + " " + r.LastName);
    ShowWhole(LocDepTb, r.Department);
    ShowText(LocOurRefTB, r.OurReference);
    ShowText(LocVisitingTB, r.ReportingTo);
    ShowText(LocTelTB, r.HostPhone);
    ShowText(LocPagTB, r.HostPager);
    ShowText(LocLocTB, r.Location);
    DescOWCB->setEditText(FromBytes(r.WorkDescription));
    ShowNotes(LocInfoTB, NotesFromBytes(r.AdditionalInfo));
    SelectACB->setEditText(FromBytes(r.AccessAreas));
    ShowNotes(LocRestrTB, NotesFromBytes(r.Restrictions));
}

void frmDetail::cmdDCLEAR_Click() {
    BookingFields& r = state_.CurrentRecord;
    clearBoxes({{LocOurRefTB, &r.OurReference},
                {LocVisitingTB, &r.ReportingTo},
                {LocTelTB, &r.HostPhone},
                {LocPagTB, &r.HostPager},
                {LocLocTB, &r.Location}});
    ShowText(LocDepTb, r.Department);
    DescOWCB->setCurrentIndex(-1);
    DescOWCB->setEditText(QString());
    r.WorkDescription = BookingRules::DepartmentPlaceholder;
    LocInfoTB->clear();
    r.AdditionalInfo.clear();
    SelectACB->setCurrentIndex(-1);
    SelectACB->setEditText(QString());
    r.AccessAreas = BookingRules::DepartmentPlaceholder;
    LocRestrTB->clear();
    r.Restrictions.clear();
}

void frmDetail::cmdOKLocWD_Click() {
    accept();
}

void frmDetail::cmdCancelLocWD_Click() {
    RestoreFields();
    reject();
}

bool frmDetail::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == LocInfoTB->viewport())
            LocInfoTB_Click();
        else if (watched == LocRestrTB->viewport())
            LocRestrTB_Click();
    }
    return QDialog::eventFilter(watched, event);
}

void frmDetail::LocInfoTB_Click() {
    MsgBox(QStringLiteral("Additional Information Text - Not implemented on this version"),
           vb::vbInformation | vb::vbOKOnly, QStringLiteral("Kestrane"), this);
}

void frmDetail::LocRestrTB_Click() {
    MsgBox(QStringLiteral("Restrictions Text - Not implemented on this version"), vb::vbInformation | vb::vbOKOnly,
           QStringLiteral("Kestrane"), this);
}

void frmDetail::LocOurRefTB_Change() {
    state_.CurrentRecord.OurReference = ToBytes(LocOurRefTB->text());
}
void frmDetail::LocVisitingTB_Change() {
    state_.CurrentRecord.ReportingTo = ToBytes(LocVisitingTB->text());
}
void frmDetail::LocTelTB_Change() {
    state_.CurrentRecord.HostPhone = ToBytes(LocTelTB->text());
}
void frmDetail::LocPagTB_Change() {
    state_.CurrentRecord.HostPager = ToBytes(LocPagTB->text());
}
void frmDetail::LocLocTB_Change() {
    state_.CurrentRecord.Location = ToBytes(LocLocTB->text());
}
void frmDetail::LocInfoTB_Change() {
    state_.CurrentRecord.AdditionalInfo = NotesToBytes(LocInfoTB->toPlainText());
}
void frmDetail::LocRestrTB_Change() {
    state_.CurrentRecord.Restrictions = NotesToBytes(LocRestrTB->toPlainText());
}
void frmDetail::DescOWCB_Click() {
    state_.CurrentRecord.WorkDescription = Text::Trim(ToBytes(DescOWCB->currentText()));
}
void frmDetail::SelectACB_Click() {
    state_.CurrentRecord.AccessAreas = Text::Trim(ToBytes(SelectACB->currentText()));
}
