#include "ui/desk/frmDetail.h"
#include "UiTestSupport.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "ui/desk/frmPDetail.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// The two detail windows of a booking, typed into and clicked as a
// receptionist does; the fields they edit are the current booking's.
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

QLineEdit* box(QWidget* w, const char* name) {
    return Control<QLineEdit>(w, name);
}

void click(QWidget* w, const char* button) {
    QTest::mouseClick(Control<QPushButton>(w, button), Qt::LeftButton);
}

// Ctrl+A and Delete, as a user empties a notes box.
void empty(QPlainTextEdit* notes) {
    QTest::keyClick(notes, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(notes, Qt::Key_Delete);
}

QStringList items(QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

std::string pressF1On(QWidget* target) {
    std::string opened;
    StartUp::SetShellOpener([&](const std::string& path, const std::string&) {
        opened = path;
        return true;
    });
    QTest::keyClick(target, Qt::Key_F1);
    StartUp::SetShellOpener(nullptr);
    return opened;
}

} // namespace

// --- Location details ----------------------------------------------------------------

TEST_F(DetailTest, LocationShowsTheBookingAndCopiesEdits) {
    frmDetail w(state);
    User::ShowActive(&w);
    EXPECT_EQ(w.windowTitle(), "ON-SITE LOCATION AND WORK DETAIL");
    EXPECT_EQ(state.HelpTopic, 60);
    EXPECT_EQ(box(&w, "LocRegNoTB")->text(), "0311-0042");
    EXPECT_EQ(box(&w, "LocCatTB")->text(), "CONTRACTOR");
    EXPECT_EQ(box(&w, "LocSaluTB")->text(), "Mrs.");
    EXPECT_EQ(box(&w, "LocFullNameTB")->text(), "Ann Smith");
    EXPECT_EQ(box(&w, "LocDepTb")->text(), "STORES");
    EXPECT_TRUE(box(&w, "LocFullNameTB")->isReadOnly());
    EXPECT_EQ(box(&w, "LocVisitingTB")->text(), "J. Bloggs");
    EXPECT_EQ(Control<QComboBox>(&w, "DescOWCB")->currentText(), "MEETING");
    EXPECT_EQ(Control<QComboBox>(&w, "SelectACB")->currentText(), "OFFICES ONLY");
    EXPECT_EQ(Control<QPlainTextEdit>(&w, "LocInfoTB")->toPlainText(), "first\nsecond");
    EXPECT_EQ(box(&w, "LocLocTB")->maxLength(), 28);
    EXPECT_EQ(Control<QPushButton>(&w, "cmdDCLEAR")->text(), "Clear...");

    TypeText(box(&w, "LocTelTB"), "9");
    TypeText(box(&w, "LocPagTB"), "1");
    auto* restrictions = Control<QPlainTextEdit>(&w, "LocRestrTB");
    QTest::keyClick(restrictions, Qt::Key_End, Qt::ControlModifier);
    TypeText(restrictions, "\nno labs");
    EXPECT_EQ(state.CurrentRecord.HostPhone, "22319");
    EXPECT_EQ(state.CurrentRecord.HostPager, "881");
    EXPECT_EQ(state.CurrentRecord.Restrictions, "escorted\r\nno labs");
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_EQ(pressF1On(box(&w, "LocTelTB")), folder.path() + "KestraneDocs/makebooking3.html");
    EXPECT_EQ(state.HelpTopic, 60);
}

// The booking's number, category and department show whole in the boxes
// that only show them: no part is scrolled out of sight; the window widened
// for them stands in the middle of the screen, all of it on it.
TEST_F(DetailTest, NumberAndPickListValuesShowWhole) {
    PlatformAnswers screen;
    screen.screenWidthPx = 1024;
    screen.screenHeightPx = 768;
    Platform::SetAnswers(screen);
    state.CurrentRecord.RegNo = "140315888888";
    state.CurrentRecord.Category = std::string(25, 'W'); // as long as the list editor takes
    state.CurrentRecord.Department = std::string(24, 'W');
    frmDetail location(state);
    frmPDetail personal(state);
    Platform::ClearAnswers();
    for (QWidget* window : {static_cast<QWidget*>(&location), static_cast<QWidget*>(&personal)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        User::ShowActive(window);
        const QRect placed = window->frameGeometry();
        EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(placed)) << placed.x() << " " << placed.width();
        EXPECT_LE(std::abs(placed.center().x() - 512), 1);
    }
    const std::pair<QWidget*, const char*> shown[] = {
        {&location, "LocRegNoTB"}, {&location, "LocCatTB"}, {&location, "LocDepTb"}, {&personal, "PersRegNoTB"}};
    for (const auto& [window, name] : shown) {
        SCOPED_TRACE(name);
        User::ShowActive(window);
        QLineEdit* b = box(window, name);
        b->setCursorPosition(static_cast<int>(b->text().size()));
        const int end = b->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        b->setCursorPosition(0);
        EXPECT_EQ(end - b->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(),
                  b->fontMetrics().horizontalAdvance(b->text()))
            << b->text().toStdString();
    }
}

TEST_F(DetailTest, LocationCancelRestoresOkAndCloseKeep) {
    const BookingFields original = state.CurrentRecord;
    {
        frmDetail w(state);
        auto watch = OnNextModal([](QWidget* modal) {
            TypeText(box(modal, "LocTelTB"), "5");
            click(modal, "cmdCancelLocWD");
        });
        EXPECT_EQ(w.exec(), QDialog::Rejected);
        expectSameFields(original);
    }
    {
        frmDetail w(state);
        User::ShowActive(&w);
        click(&w, "cmdDCLEAR");
        EXPECT_EQ(box(&w, "LocOurRefTB")->text(), "");
        EXPECT_EQ(box(&w, "LocDepTb")->text(), "STORES");
        EXPECT_EQ(Control<QComboBox>(&w, "DescOWCB")->currentText(), "");
        EXPECT_EQ(Control<QComboBox>(&w, "SelectACB")->currentText(), "");
        EXPECT_EQ(state.CurrentRecord.HostPhone, "");
        EXPECT_EQ(state.CurrentRecord.Restrictions, "");
        EXPECT_EQ(state.CurrentRecord.WorkDescription, " -  Select  - ");
        EXPECT_EQ(state.CurrentRecord.AccessAreas, " -  Select  - ");
        EXPECT_EQ(state.CurrentRecord.Department, "STORES");
        click(&w, "cmdCancelLocWD");
        EXPECT_FALSE(w.isVisible());
        expectSameFields(original);
    }
    {
        frmDetail w(state);
        User::ShowActive(&w);
        TypeText(box(&w, "LocTelTB"), "0");
        click(&w, "cmdOKLocWD");
        EXPECT_EQ(state.CurrentRecord.HostPhone, "22310");
    }
    {
        frmDetail w(state);
        User::ShowActive(&w);
        TypeText(box(&w, "LocLocTB"), "A");
        w.close(); // the title bar's close keeps the edits
        EXPECT_EQ(state.CurrentRecord.Location, "B12A");
        EXPECT_EQ(state.CurrentRecord.HostPhone, "22310");
    }
}

TEST_F(DetailTest, LocationPickListsComeFromTheListFile) {
    const QString longest(40, u'W'); // as long as the list editor takes
    writePickLists("[CATEGORY]\r\nGUEST\r\n[DESCRIPT]\r\nMEETING\r\n" + longest.toStdString() +
                   "\r\n[OTHERSEC]\r\nTOUR\r\n\r\n"
                   "[SELECTAC]  remark\r\nLAB\r\n;comment\r\nIGNORED\r\n[SELECTAC]\r\n\tTABBED\r\nLAB\r\n");
    frmDetail w(state);
    User::ShowActive(&w);
    QComboBox* desc = Control<QComboBox>(&w, "DescOWCB");
    QComboBox* access = Control<QComboBox>(&w, "SelectACB");
    EXPECT_EQ(items(desc), QStringList({" MEETING", u' ' + longest, " TOUR"}));
    // The open list shows its longest item whole.
    QTest::mouseClick(desc, Qt::LeftButton, {}, QPoint(desc->width() - 5, desc->height() / 2));
    ASSERT_TRUE(desc->view()->isVisible());
    EXPECT_GE(desc->view()->viewport()->width(), desc->view()->sizeHintForIndex(desc->model()->index(1, 0)).width());
    QTest::keyClick(desc->view(), Qt::Key_Escape);
    EXPECT_EQ(items(access), QStringList({" LAB", " \tTABBED", " LAB"}));
    EXPECT_EQ(desc->currentText(), "MEETING"); // the booking's value, not the first item

    User::Pick(desc, " TOUR");
    EXPECT_EQ(state.CurrentRecord.WorkDescription, "TOUR");
    // The keyboard chooses too; setting the text from code does not.
    access->setFocus();
    QTest::keyClick(access, Qt::Key_Down);
    EXPECT_EQ(state.CurrentRecord.AccessAreas, "LAB");
    access->setEditText("ELSEWHERE");
    EXPECT_EQ(state.CurrentRecord.AccessAreas, "LAB");
    // Typed text could never reach the field, so none is taken.
    TypeText(access->lineEdit(), "X");
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
    EXPECT_EQ(Control<QComboBox>(&w, "DescOWCB")->count(), 0);
    EXPECT_EQ(box(&w, "LocTelTB")->text(), "2231");
}

TEST_F(DetailTest, LocationNoticesOnEveryClick) {
    frmDetail w(state);
    User::ShowActive(&w);
    auto* info = Control<QPlainTextEdit>(&w, "LocInfoTB");
    QTest::mouseClick(info->viewport(), Qt::LeftButton);
    QTest::mouseClick(info->viewport(), Qt::LeftButton);
    QTest::mouseClick(Control<QPlainTextEdit>(&w, "LocRestrTB")->viewport(), Qt::LeftButton);
    ASSERT_EQ(boxes.calls().size(), 3u);
    for (const MsgBoxCall& c : boxes.calls()) {
        EXPECT_EQ(c.title, "Kestrane");
        EXPECT_EQ(c.style, vb::vbInformation | vb::vbOKOnly);
    }
    EXPECT_EQ(boxes.calls()[1].text, "Additional Information Text - Not implemented on this version");
    EXPECT_EQ(boxes.calls()[2].text, "Restrictions Text - Not implemented on this version");
    QTest::keyClick(info, Qt::Key_End, Qt::ControlModifier);
    TypeText(info, "!");
    EXPECT_EQ(state.CurrentRecord.AdditionalInfo.back(), '!');
}

// --- What a booking file can hold ----------------------------------------------------------

// Alt with a letter or digit, the desk's Alt+S, N and D among them, types
// nothing into either window; what Escape keeps is what the user typed.
TEST_F(DetailTest, TypedTextIsKeptToLatin1AndAltKeysTypeNothing) {
    const BookingFields original = state.CurrentRecord;
    for (const bool personal : {false, true}) {
        std::unique_ptr<QDialog> details;
        if (personal)
            details = std::make_unique<frmPDetail>(state);
        else
            details = std::make_unique<frmDetail>(state);
        User::ShowActive(details.get());
        EXPECT_EQ(User::AltKeysInEveryBox(details.get()), "") << personal;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(details->isVisible());
        expectSameFields(original);
    }
    EXPECT_TRUE(boxes.calls().empty());

    frmDetail w(state);
    User::ShowActive(&w);
    QLineEdit* tel = box(&w, "LocTelTB");
    User::Retype(tel, QString::fromUtf8("\u00e9\u20ac"));
    tel->insert(QString::fromUtf8("\U0001F600x"));        // pasted: one character outside the Basic Plane
    EXPECT_EQ(tel->text(), QString::fromUtf8("\u00e9x")); // refused, not stored as "?"
    EXPECT_EQ(tel->cursorPosition(), 2);
    EXPECT_EQ(state.CurrentRecord.HostPhone, "\xe9x");

    frmPDetail p(state);
    User::ShowActive(&p);
    auto* notes = Control<QPlainTextEdit>(&p, "PersIOPDTB");
    empty(notes);
    TypeText(notes, QString::fromUtf8("a\u20ac\nb"));
    EXPECT_EQ(notes->toPlainText(), "a\nb");
    EXPECT_EQ(state.CurrentRecord.PrescriptionNotes, "a\r\nb");

    // The notes fit the booking's 100 columns, each line break stored in four.
    empty(notes);
    notes->insertPlainText(QString(40, 'x') + "\n" + QString(100, 'y')); // pasted
    EXPECT_EQ(notes->toPlainText(), QString(40, 'x') + "\n" + QString(56, 'y'));
    TypeText(notes, "z");
    EXPECT_EQ(state.CurrentRecord.PrescriptionNotes.size(), 98u);
}

// --- Personal details ----------------------------------------------------------------

TEST_F(DetailTest, PersonalShowsTheBookingAndCopiesEdits) {
    state.CurrentRecord.PrescriptionNotes = "Diabetic<$c>Carries kit"; // as left by a save
    frmPDetail w(state);
    User::ShowActive(&w);
    EXPECT_EQ(w.windowTitle(), "PERSONAL DETAILS");
    EXPECT_EQ(box(&w, "PersRegNoTB")->text(), "0311-0042");
    EXPECT_EQ(box(&w, "PersFullNaTB")->text(), "Ann Smith");
    EXPECT_EQ(box(&w, "Genbox3TB")->text(), "F");
    EXPECT_EQ(box(&w, "PersKinEMATB")->text(), "bob@example.com");
    EXPECT_EQ(box(&w, "PersKinEMATB")->maxLength(), 42);
    EXPECT_EQ(Control<QPlainTextEdit>(&w, "PersIOPDTB")->toPlainText(), "Diabetic\nCarries kit");
    EXPECT_EQ(state.CurrentRecord.PrescriptionNotes, "Diabetic<$c>Carries kit"); // opening is no change
    QCheckBox* medicine = Control<QCheckBox>(&w, "PersIOPMck");
    EXPECT_TRUE(medicine->isChecked());

    QComboBox* sal = Control<QComboBox>(&w, "SalCB");
    EXPECT_EQ(sal->currentText(), "Mrs.");
    EXPECT_EQ(items(sal), QStringList({"Mr. ", "Mrs.", "Miss", "Dr.", "Prof."}));
    TypeText(sal->lineEdit(), "Sir");
    EXPECT_EQ(state.CurrentRecord.Salutation, "Mrs.");
    User::Pick(sal, "Mr. ");
    EXPECT_EQ(state.CurrentRecord.Salutation, "Mr. ");

    const QPoint tick(8, medicine->height() / 2);
    QTest::mouseClick(medicine, Qt::LeftButton, {}, tick);
    EXPECT_EQ(state.CurrentRecord.OnPrescriptionMedicine, "0");
    QTest::mouseClick(medicine, Qt::LeftButton, {}, tick);
    EXPECT_EQ(state.CurrentRecord.OnPrescriptionMedicine, "1");
    TypeText(box(&w, "PersTownTB"), "!");
    EXPECT_EQ(state.CurrentRecord.Town, "Leeds!");
    EXPECT_EQ(pressF1On(box(&w, "PersTownTB")), folder.path() + "KestraneDocs/makebooking3.html");
    EXPECT_EQ(state.HelpTopic, 61);

    state.CurrentRecord.OnPrescriptionMedicine = "";
    frmPDetail again(state);
    EXPECT_FALSE(Control<QCheckBox>(&again, "PersIOPMck")->isChecked());
    EXPECT_EQ(state.CurrentRecord.OnPrescriptionMedicine, "");
}

TEST_F(DetailTest, PersonalClearCancelAndOk) {
    const BookingFields original = state.CurrentRecord;
    {
        frmPDetail w(state);
        User::ShowActive(&w);
        click(&w, "cmdPCLEAR");
        EXPECT_EQ(box(&w, "PersFullNaTB")->text(), "Ann Smith");
        EXPECT_EQ(box(&w, "Genbox3TB")->text(), "F");
        EXPECT_EQ(Control<QComboBox>(&w, "SalCB")->currentText(), "");
        EXPECT_FALSE(Control<QCheckBox>(&w, "PersIOPMck")->isChecked());
        click(&w, "cmdCancePD");
        expectSameFields(original);
    }
    {
        frmPDetail w(state);
        User::ShowActive(&w);
        click(&w, "cmdPCLEAR");
        click(&w, "cmdOKPD");
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
        User::ShowActive(&w);
        TypeText(box(&w, "PersKinNameTB"), "Eve");
        w.close();
        EXPECT_EQ(state.CurrentRecord.KinName, "Eve");
    }
}

// The address is checked when the focus moves to another box of the window,
// by Tab or by a click, never when another window takes it.
TEST_F(DetailTest, PersonalEmailIsLowerCasedAndChecked) {
    frmPDetail w(state);
    User::ShowActive(&w);
    QLineEdit* email = box(&w, "PersKinEMATB");
    User::Retype(email, "Bob.Smith@Example.COM");
    QTest::keyClick(email, Qt::Key_Tab);
    EXPECT_EQ(email->text(), "bob.smith@example.com");
    EXPECT_EQ(state.CurrentRecord.KinEmail, "bob.smith@example.com");
    EXPECT_TRUE(boxes.calls().empty());

    User::Retype(email, "BAD");
    QWidget other;
    User::ShowActive(&other);
    EXPECT_EQ(email->text(), "BAD");
    EXPECT_TRUE(boxes.calls().empty());
    User::ShowActive(&w);

    const std::pair<const char*, const char*> bad[] = {
        {"bob smith@example.com", "Kestrane [Bad format: spaces in address]"},
        {"b@x.com", "Kestrane [Bad Domain Name]"},
        {"bob.example.com", "Kestrane [Bad Format Missing @ ]"},
        {"bob@example", "Kestrane [Bad Domain Identity]"}};
    for (const auto& [address, title] : bad) {
        boxes.clear();
        User::Retype(email, address);
        QTest::keyClick(email, Qt::Key_Tab);
        ASSERT_EQ(boxes.calls().size(), 1u) << address;
        EXPECT_EQ(boxes.calls()[0].title, title);
        EXPECT_EQ(boxes.calls()[0].text, "Attention: Please note the E-mail address entered is not valid  ");
        EXPECT_EQ(email->text(), address); // the warning changes nothing
    }

    boxes.clear();
    User::Retype(email, "   ");
    QTest::mouseClick(box(&w, "PersKinNameTB"), Qt::LeftButton);
    EXPECT_TRUE(boxes.calls().empty());
}
