#include "ui/desk/frmDetail.h"
#include "UiTestSupport.h"
#include "platform/Shell.h"
#include "ui/desk/frmPDetail.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class DetailTest : public ::testing::Test {
  protected:
    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;

    void SetUp() override {
        BookingFields& r = state.CurrentRecord;
        r.RegNo = "0311-0042";
        r.FirstName = "Ann";
        r.LastName = "Smith";
        r.Gender = "F";
        r.Salutation = "Mrs.";
        r.Category = "CONTRACTOR";
        r.Department = "STORES";
        r.OurReference = "PO-7";
        r.ReportingTo = "J. Bloggs";
        r.HostPhone = "2231";
        r.HostPager = "88";
        r.Location = "B12";
        r.WorkDescription = "MEETING";
        r.AdditionalInfo = "first\r\nsecond";
        r.AccessAreas = "OFFICES ONLY";
        r.Restrictions = "escorted";
        r.AddressLine = "1 High Street";
        r.Town = "Leeds";
        r.County = "Yorks";
        r.PostCode = "LS1 1AA";
        r.HomePhone = "0113 000";
        r.DateOfBirth = "01-02-1980";
        r.OnPrescriptionMedicine = "1";
        r.MedicineUsed = "Insulin";
        r.PrescriptionNotes = "Diabetic\r\nCarries kit";
        r.KinName = "Bob Smith";
        r.KinPhone = "0700";
        r.KinWorkPhone = "0800";
        r.KinEmail = "bob@example.com";
    }

    void writePickLists(const std::string& text) {
        std::ofstream(folder.path() + "_KSF/KSystem/KACustom.ini", std::ios::binary) << text;
    }
    void expectSameFields(const BookingFields& expected) {
        for (int i = 0; i < BookingFields::FieldCount; ++i)
            EXPECT_EQ(state.CurrentRecord.Field(i), expected.Field(i)) << "field " << i;
    }
};

template <typename T> T* child(QWidget* w, const char* name) {
    T* c = findChildNamed<T>(w, name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}
QLineEdit* box(QWidget* w, const char* name) {
    return child<QLineEdit>(w, name);
}

void type(QWidget* target, const QString& text) {
    TypeText(target, text);
}

void click(QWidget* target) {
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList items(QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QString pressF1On(QWidget* target) {
    QString opened;
    StartUp::SetShellOpener([&](const QString& path, const QString&) {
        opened = path;
        return true;
    });
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(target, &f1);
    StartUp::SetShellOpener(nullptr);
    return opened;
}

} // namespace

// --- Location details ----------------------------------------------------------------

TEST_F(DetailTest, LocationShowsTheBookingAndCopiesEdits) {
    frmDetail w(state);
    w.show();
    EXPECT_EQ(w.windowTitle(), "ON-SITE LOCATION AND WORK DETAIL");
    EXPECT_EQ(state.HelpTopic, 60);
    EXPECT_EQ(box(&w, "LocRegNoTB")->text(), "0311-0042");
    EXPECT_EQ(box(&w, "LocCatTB")->text(), "CONTRACTOR");
    EXPECT_EQ(box(&w, "LocSaluTB")->text(), "Mrs.");
    EXPECT_EQ(box(&w, "LocFullNameTB")->text(), "Ann Smith");
    EXPECT_EQ(box(&w, "LocDepTb")->text(), "STORES");
    EXPECT_TRUE(box(&w, "LocFullNameTB")->isReadOnly());
    EXPECT_EQ(box(&w, "LocVisitingTB")->text(), "J. Bloggs");
    EXPECT_EQ(child<QComboBox>(&w, "DescOWCB")->currentText(), "MEETING");
    EXPECT_EQ(child<QComboBox>(&w, "SelectACB")->currentText(), "OFFICES ONLY");
    EXPECT_EQ(child<QPlainTextEdit>(&w, "LocInfoTB")->toPlainText(), "first\nsecond");
    EXPECT_EQ(box(&w, "LocLocTB")->maxLength(), 28);
    EXPECT_EQ(child<QPushButton>(&w, "cmdDCLEAR")->text(), "Clear...");

    type(box(&w, "LocTelTB"), "9");
    type(box(&w, "LocPagTB"), "1");
    auto* restrictions = child<QPlainTextEdit>(&w, "LocRestrTB");
    restrictions->moveCursor(QTextCursor::End);
    type(restrictions, "\nno labs");
    EXPECT_EQ(state.CurrentRecord.HostPhone, "22319");
    EXPECT_EQ(state.CurrentRecord.HostPager, "881");
    EXPECT_EQ(state.CurrentRecord.Restrictions, "escorted\r\nno labs");
    EXPECT_TRUE(boxes.calls().empty());
}

TEST_F(DetailTest, LocationCancelRestoresOkAndCloseKeep) {
    const BookingFields original = state.CurrentRecord;
    {
        frmDetail w(state);
        w.show();
        type(box(&w, "LocTelTB"), "0");
        child<QPushButton>(&w, "cmdCancelLocWD")->click();
        EXPECT_FALSE(w.isVisible());
        expectSameFields(original);
    }
    {
        frmDetail w(state);
        w.show();
        w.cmdDCLEAR_Click();
        EXPECT_EQ(box(&w, "LocOurRefTB")->text(), "");
        EXPECT_EQ(box(&w, "LocDepTb")->text(), "STORES");
        EXPECT_EQ(child<QComboBox>(&w, "DescOWCB")->currentText(), "");
        EXPECT_EQ(child<QComboBox>(&w, "SelectACB")->currentText(), "");
        EXPECT_EQ(state.CurrentRecord.HostPhone, "");
        EXPECT_EQ(state.CurrentRecord.Restrictions, "");
        EXPECT_EQ(state.CurrentRecord.WorkDescription, " -  Select  - ");
        EXPECT_EQ(state.CurrentRecord.AccessAreas, " -  Select  - ");
        EXPECT_EQ(state.CurrentRecord.Department, "STORES");
        w.cmdCancelLocWD_Click();
        expectSameFields(original);
    }
    {
        frmDetail w(state);
        w.show();
        type(box(&w, "LocTelTB"), "0");
        child<QPushButton>(&w, "cmdOKLocWD")->click();
        EXPECT_EQ(state.CurrentRecord.HostPhone, "22310");
    }
    {
        frmDetail w(state);
        w.show();
        type(box(&w, "LocLocTB"), "A");
        w.close(); // the title bar's close keeps the edits
        EXPECT_EQ(state.CurrentRecord.Location, "B12A");
        EXPECT_EQ(state.CurrentRecord.HostPhone, "22310");
    }
}

TEST_F(DetailTest, LocationRunsModally) {
    frmDetail w(state);
    auto watch = OnNextModal([](QWidget* modal) {
        type(box(modal, "LocTelTB"), "5");
        child<QPushButton>(modal, "cmdCancelLocWD")->click();
    });
    EXPECT_EQ(w.exec(), QDialog::Rejected);
    EXPECT_EQ(state.CurrentRecord.HostPhone, "2231");
}

TEST_F(DetailTest, LocationPickListsComeFromTheListFile) {
    writePickLists("[CATEGORY]\r\nGUEST\r\n[DESCRIPT]\r\nMEETING\r\n[OTHERSEC]\r\nTOUR\r\n\r\n"
                   "[SELECTAC]  remark\r\nLAB\r\n;comment\r\nIGNORED\r\n[SELECTAC]\r\n\tTABBED\r\nLAB\r\n");
    frmDetail w(state);
    w.show();
    QComboBox* desc = child<QComboBox>(&w, "DescOWCB");
    QComboBox* access = child<QComboBox>(&w, "SelectACB");
    EXPECT_EQ(items(desc), QStringList({" MEETING", " TOUR"}));
    EXPECT_EQ(items(access), QStringList({" LAB", " \tTABBED", " LAB"}));
    EXPECT_EQ(desc->currentText(), "MEETING"); // the booking's value, not the first item

    choose(desc, 1);
    EXPECT_EQ(state.CurrentRecord.WorkDescription, "TOUR");
    // The keyboard chooses too; setting the text from code does not.
    access->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(access, &down);
    EXPECT_EQ(state.CurrentRecord.AccessAreas, "LAB");
    access->setEditText("ELSEWHERE");
    EXPECT_EQ(state.CurrentRecord.AccessAreas, "LAB");
    // Typed text could never reach the field, so none is taken.
    type(access->lineEdit(), "X");
    EXPECT_EQ(access->currentText(), "ELSEWHERE");
    EXPECT_TRUE(boxes.calls().empty());
}

TEST_F(DetailTest, LocationOpensWithoutTheListFile) {
    std::filesystem::remove(folder.path() + "_KSF/KSystem/KACustom.ini");
    frmDetail w(state);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Could not load the DL/INI Lists FILE LOAD ERROR");
    EXPECT_EQ(boxes.calls()[0].title, "Contact Brantholm and Quote [ LE-5-7853 ]");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbCritical | vb::vbOKOnly);
    EXPECT_EQ(child<QComboBox>(&w, "DescOWCB")->count(), 0);
    EXPECT_EQ(box(&w, "LocTelTB")->text(), "2231");
}

TEST_F(DetailTest, LocationNoticesOnEveryClick) {
    frmDetail w(state);
    w.show();
    auto* info = child<QPlainTextEdit>(&w, "LocInfoTB");
    click(info->viewport());
    click(info->viewport());
    click(child<QPlainTextEdit>(&w, "LocRestrTB")->viewport());
    ASSERT_EQ(boxes.calls().size(), 3u);
    for (const MsgBoxCall& c : boxes.calls()) {
        EXPECT_EQ(c.title, "Kestrane");
        EXPECT_EQ(c.style, vb::vbInformation | vb::vbOKOnly);
    }
    EXPECT_EQ(boxes.calls()[1].text, "Additional Information Text - Not implemented on this version");
    EXPECT_EQ(boxes.calls()[2].text, "Restrictions Text - Not implemented on this version");
    info->moveCursor(QTextCursor::End);
    type(info, "!");
    EXPECT_EQ(state.CurrentRecord.AdditionalInfo.back(), '!');
}

TEST_F(DetailTest, F1OpensEachWindowsHelpPage) {
    const std::string page = folder.path() + "KestraneDocs/makebooking3.html";
    {
        frmDetail w(state);
        w.show();
        EXPECT_EQ(pressF1On(box(&w, "LocTelTB")).toStdString(), page);
        EXPECT_EQ(state.HelpTopic, 60);
    }
    {
        frmPDetail w(state);
        w.show();
        EXPECT_EQ(pressF1On(box(&w, "PersTownTB")).toStdString(), page);
        EXPECT_EQ(state.HelpTopic, 61);
    }
}

// --- What a booking file can hold ----------------------------------------------------------

TEST_F(DetailTest, TypedTextIsKeptToLatin1) {
    frmDetail w(state);
    w.show();
    QLineEdit* tel = box(&w, "LocTelTB");
    tel->clear();
    type(tel, QString::fromUtf8("\u00e9\u20ac"));
    tel->insert(QString::fromUtf8("\U0001F600x"));        // pasted: one character outside the Basic Plane
    EXPECT_EQ(tel->text(), QString::fromUtf8("\u00e9x")); // refused, not stored as "?"
    EXPECT_EQ(tel->cursorPosition(), 2);
    EXPECT_EQ(state.CurrentRecord.HostPhone, "\xe9x");

    frmPDetail p(state);
    p.show();
    auto* notes = child<QPlainTextEdit>(&p, "PersIOPDTB");
    notes->clear();
    type(notes, QString::fromUtf8("a\u20ac\nb"));
    EXPECT_EQ(notes->toPlainText(), "a\nb");
    EXPECT_EQ(state.CurrentRecord.PrescriptionNotes, "a\r\nb");

    // The notes fit the booking's 100 columns, each line break stored in four.
    notes->clear();
    notes->insertPlainText(QString(40, 'x') + "\n" + QString(100, 'y'));
    EXPECT_EQ(notes->toPlainText(), QString(40, 'x') + "\n" + QString(56, 'y'));
    type(notes, "z");
    EXPECT_EQ(state.CurrentRecord.PrescriptionNotes.size(), 98u);
}

// --- Personal details ----------------------------------------------------------------

TEST_F(DetailTest, PersonalShowsTheBookingAndCopiesEdits) {
    state.CurrentRecord.PrescriptionNotes = "Diabetic<$c>Carries kit"; // as left by a save
    frmPDetail w(state);
    w.show();
    EXPECT_EQ(w.windowTitle(), "PERSONAL DETAILS");
    EXPECT_EQ(box(&w, "PersRegNoTB")->text(), "0311-0042");
    EXPECT_EQ(box(&w, "PersFullNaTB")->text(), "Ann Smith");
    EXPECT_EQ(box(&w, "Genbox3TB")->text(), "F");
    EXPECT_EQ(box(&w, "PersKinEMATB")->text(), "bob@example.com");
    EXPECT_EQ(box(&w, "PersKinEMATB")->maxLength(), 42);
    EXPECT_EQ(child<QPlainTextEdit>(&w, "PersIOPDTB")->toPlainText(), "Diabetic\nCarries kit");
    EXPECT_EQ(state.CurrentRecord.PrescriptionNotes, "Diabetic<$c>Carries kit"); // opening is no change
    QCheckBox* medicine = child<QCheckBox>(&w, "PersIOPMck");
    EXPECT_TRUE(medicine->isChecked());

    QComboBox* sal = child<QComboBox>(&w, "SalCB");
    EXPECT_EQ(sal->currentText(), "Mrs.");
    EXPECT_EQ(items(sal), QStringList({"Mr. ", "Mrs.", "Miss", "Dr.", "Prof."}));
    type(sal->lineEdit(), "Sir");
    EXPECT_EQ(state.CurrentRecord.Salutation, "Mrs.");
    choose(sal, 0);
    EXPECT_EQ(state.CurrentRecord.Salutation, "Mr. ");

    medicine->click();
    EXPECT_EQ(state.CurrentRecord.OnPrescriptionMedicine, "0");
    medicine->click();
    EXPECT_EQ(state.CurrentRecord.OnPrescriptionMedicine, "1");
    type(box(&w, "PersTownTB"), "!");
    EXPECT_EQ(state.CurrentRecord.Town, "Leeds!");

    state.CurrentRecord.OnPrescriptionMedicine = "";
    frmPDetail again(state);
    EXPECT_FALSE(child<QCheckBox>(&again, "PersIOPMck")->isChecked());
    EXPECT_EQ(state.CurrentRecord.OnPrescriptionMedicine, "");
}

TEST_F(DetailTest, PersonalClearCancelAndOk) {
    const BookingFields original = state.CurrentRecord;
    {
        frmPDetail w(state);
        w.show();
        w.cmdPCLEAR_Click();
        EXPECT_EQ(box(&w, "PersFullNaTB")->text(), "Ann Smith");
        EXPECT_EQ(box(&w, "Genbox3TB")->text(), "F");
        EXPECT_EQ(child<QComboBox>(&w, "SalCB")->currentText(), "");
        EXPECT_FALSE(child<QCheckBox>(&w, "PersIOPMck")->isChecked());
        child<QPushButton>(&w, "cmdCancePD")->click();
        expectSameFields(original);
    }
    {
        frmPDetail w(state);
        w.show();
        w.cmdPCLEAR_Click();
        child<QPushButton>(&w, "cmdOKPD")->click();
    }
    const BookingFields& r = state.CurrentRecord;
    EXPECT_EQ(r.OnPrescriptionMedicine, "0");
    for (const std::string* f :
         {&r.Salutation, &r.OurReference, &r.AddressLine, &r.Town, &r.County, &r.PostCode, &r.HomePhone, &r.DateOfBirth,
          &r.MedicineUsed, &r.PrescriptionNotes, &r.KinName, &r.KinPhone, &r.KinWorkPhone, &r.KinEmail})
        EXPECT_EQ(*f, "");
    EXPECT_EQ(r.FirstName, "Ann");
    EXPECT_EQ(r.Gender, "F");
    {
        frmPDetail w(state);
        w.show();
        type(box(&w, "PersKinNameTB"), "Eve");
        w.close();
        EXPECT_EQ(state.CurrentRecord.KinName, "Eve");
    }
}

TEST_F(DetailTest, PersonalEmailIsLowerCasedAndChecked) {
    frmPDetail w(state);
    w.show();
    QLineEdit* email = box(&w, "PersKinEMATB");
    const auto leave = [&](Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(email, &out);
    };

    email->setText("Bob.Smith@Example.COM");
    leave(Qt::TabFocusReason);
    EXPECT_EQ(email->text(), "bob.smith@example.com");
    EXPECT_EQ(state.CurrentRecord.KinEmail, "bob.smith@example.com");
    EXPECT_TRUE(boxes.calls().empty());

    // Switching to another window is not leaving the box.
    email->setText("BAD");
    leave(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(email->text(), "BAD");
    EXPECT_TRUE(boxes.calls().empty());

    const std::pair<const char*, const char*> bad[] = {
        {"bob smith@example.com", "Kestrane [Bad format: spaces in address]"},
        {"b@x.com", "Kestrane [Bad Domain Name]"},
        {"bob.example.com", "Kestrane [Bad Format Missing @ ]"},
        {"bob@example", "Kestrane [Bad Domain Identity]"}};
    for (const auto& [address, title] : bad) {
        boxes.clear();
        email->setText(address);
        w.PersKinEMATB_LostFocus();
        ASSERT_EQ(boxes.calls().size(), 1u) << address;
        EXPECT_EQ(boxes.calls()[0].title, title);
        EXPECT_EQ(boxes.calls()[0].text, "Attention: Please note the E-mail address entered is not valid  ");
        EXPECT_EQ(email->text(), address); // the warning changes nothing
    }

    boxes.clear();
    email->setText("   ");
    leave(Qt::MouseFocusReason);
    EXPECT_TRUE(boxes.calls().empty());
}
