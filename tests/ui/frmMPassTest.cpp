#include "ui/admin/frmMPass.h"
#include "UiTestSupport.h"
#include "core/startup/UsrSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

const QString TooShort = "Passwords of less than 3 characters are not Permitted   ";
const QString Mismatch = "Your Password Confirmation doesn't Match - Enter Again  ";
const QString ControlChars = "CONTROL Characters are not permitted in setting Password     ";
const QString ExtendedChars = "Options Currently set Prohibit EXTENDED Characters in Passwords    ";
const QString Unstorable = "This Character cannot be stored in the setting Password";

const QColor DarkBlue(0, 0, 192);
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);

class MPassTest : public ::testing::Test {
  protected:
    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
    std::unique_ptr<frmMPass> w;

    void open(PasswordMode mode) {
        state.SettingsPasswordMode = mode;
        w = std::make_unique<frmMPass>(state);
        w->show();
        QApplication::processEvents();
    }
    QLineEdit* entry() { return findChildNamed<QLineEdit>(w.get(), "MPassWordTb"); }
    QLabel* instruction() { return findChildNamed<QLabel>(w.get(), "MPassInstructLa"); }
    QLabel* button(int i) { return w->findChild<QLabel*>(QStringLiteral("MPWLa_%1").arg(i)); }
    QImage face(int i) { return w->findChild<QLabel*>(QStringLiteral("Image2_%1").arg(i))->pixmap().toImage(); }
    QImage picture(const char* name) { return findChildNamed<QLabel>(w.get(), name)->pixmap().toImage(); }
    QColor instructionColour() { return instruction()->palette().color(QPalette::WindowText); }

    void key(int code, const QString& text) {
        QKeyEvent e(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(entry(), &e);
    }
    void type(const QString& s) {
        for (const QChar c : s)
            key(c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown), QString(c));
    }
    void submit(const QString& s) {
        type(s);
        key(Qt::Key_Return, "\r");
    }
    // What the instruction line shows while the next flash is running.
    std::pair<QString, QColor> duringFlash(const QString& entryText) {
        std::pair<QString, QColor> seen;
        QTimer::singleShot(0, [&] { seen = {instruction()->text(), instructionColour()}; });
        submit(entryText);
        return seen;
    }
    std::string savedPassword() {
        ProgramState loaded = folder.makeState();
        EXPECT_EQ(modUsrSettings::LoadSettings(loaded).source, modUsrSettings::SettingsSource::Stored);
        return loaded.settings.SettingsPassword;
    }
};

} // namespace

TEST_F(MPassTest, SetModeRefusesShortPasswordsAndTrimsBlanks) {
    state.SettingsGateFailed = true;
    open(PasswordMode::Set);
    EXPECT_EQ(w->windowTitle(), "Kestrane Admin [ Password ] Required");
    // Room for a frame to show the caption whole beside its icon and three buttons.
    QFont bold = w->font();
    bold.setBold(true);
    EXPECT_GE(w->width(), QFontMetrics(bold).horizontalAdvance(w->windowTitle()) +
                              4 * w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w.get()));
    EXPECT_FALSE(state.SettingsGateFailed) << "cleared when the mode is shown";
    EXPECT_EQ(instruction()->text(), "Set a Password or Phrase");
    EXPECT_EQ(button(2)->text(), "SET");
    EXPECT_EQ(button(1)->text(), "Cancel");
    EXPECT_FALSE(button(0)->isEnabled());

    submit("  ab  ");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, TooShort);
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbExclamation);
    EXPECT_EQ(state.SettingsPasswordMode, PasswordMode::Set);
    EXPECT_TRUE(entry()->text().isEmpty());

    submit("  abc  ");
    EXPECT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(state.NewPassword1, "abc");
    EXPECT_EQ(state.SettingsPasswordMode, PasswordMode::Confirm);
    EXPECT_EQ(instruction()->text(), "Confirm Password");
    EXPECT_EQ(button(0)->text(), "Confirm");
    EXPECT_FALSE(button(0)->isEnabled());
    EXPECT_TRUE(entry()->text().isEmpty());
}

TEST_F(MPassTest, ConfirmationDifferingInCaseStartsAgain) {
    open(PasswordMode::Set);
    submit("Secret");
    submit("secret");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, Mismatch);
    EXPECT_EQ(state.SettingsPasswordMode, PasswordMode::Set);
    EXPECT_EQ(instruction()->text(), "Set a Password or Phrase");
    EXPECT_EQ(button(2)->text(), "SET");
    EXPECT_TRUE(entry()->text().isEmpty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(state.settings.SettingsPassword, "KJW");
    EXPECT_FALSE(std::ifstream(modUsrSettings::SettingsFilePath(state)).good()) << "nothing written";
}

TEST_F(MPassTest, ConfirmedPasswordIsSavedAndOpensTheGate) {
    open(PasswordMode::Set);
    submit(" Open Sesame ");
    const auto seen = duringFlash("Open Sesame");
    EXPECT_EQ(seen.first, "New Password Set Ok");
    EXPECT_EQ(seen.second, Green);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(boxes.calls().empty());
    EXPECT_FALSE(state.SettingsGateFailed);
    EXPECT_TRUE(state.SettingsPasswordGiven);
    EXPECT_EQ(state.SettingsPasswordMode, PasswordMode::Enter);
    EXPECT_EQ(state.settings.SettingsPassword, "Open Sesame");
    EXPECT_EQ(savedPassword(), "Open Sesame");
}

TEST_F(MPassTest, FailedSaveKeepsTheOldPasswordAndTheGateShut) {
    const std::string blocker = folder.path() + "not-a-folder";
    std::ofstream(blocker) << "x";
    state.ProgramFolder = blocker + "/";
    open(PasswordMode::Set);
    submit("newpass");
    submit("newpass");
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
    EXPECT_TRUE(boxes.calls()[0].text.contains("could not be saved"));
    EXPECT_NE(instruction()->text(), "New Password Set Ok");
    EXPECT_EQ(state.settings.SettingsPassword, "KJW");
    EXPECT_FALSE(state.SettingsPasswordGiven);
    EXPECT_TRUE(state.SettingsGateFailed);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MPassTest, EnterModeComparesTrimmedAndExactly) {
    state.settings.SettingsPassword = "  pass word ";
    open(PasswordMode::Enter);
    EXPECT_EQ(instruction()->text(), "Enter Password");
    EXPECT_EQ(instructionColour(), DarkBlue);
    EXPECT_EQ(button(2)->text(), "Enter");
    EXPECT_TRUE(button(0)->isEnabled());

    const auto wrong = duringFlash("pass Word");
    EXPECT_EQ(wrong.first, "Incorrect Password");
    EXPECT_EQ(wrong.second, Red);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(instruction()->text(), "Enter Password");
    EXPECT_EQ(instructionColour(), DarkBlue);
    EXPECT_TRUE(entry()->text().isEmpty());
    EXPECT_FALSE(state.SettingsPasswordGiven);

    const auto right = duringFlash("   pass word");
    EXPECT_EQ(right.first, "Password Accepted");
    EXPECT_EQ(right.second, Green);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(state.SettingsPasswordGiven);
    EXPECT_FALSE(state.SettingsGateFailed);
    EXPECT_TRUE(boxes.calls().empty());
}

// By keys alone: Tab takes the focus from the entry to Change, Cancel and
// Enter in turn, and Space or Return presses the one it is on.
TEST_F(MPassTest, ChangeAsksTheOldPasswordUntilItIsRight) {
    state.settings.SettingsPassword = "oldpass";
    open(PasswordMode::Enter);
    EXPECT_EQ(User::AltKeysInEveryBox(w.get()), "");
    EXPECT_EQ(w->focusWidget(), entry());
    for (QWidget* next : {static_cast<QWidget*>(button(0)), static_cast<QWidget*>(button(1)),
                          static_cast<QWidget*>(button(2)), static_cast<QWidget*>(entry())}) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(w->focusWidget(), next);
    }
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(w->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(instruction()->text(), "Enter Existing Password");
    EXPECT_EQ(button(2)->text(), "Enter");
    EXPECT_FALSE(button(0)->isEnabled());
    EXPECT_EQ(w->focusWidget(), entry());

    for (const Qt::Key press : {Qt::Key_Return, Qt::Key_Space}) {
        type("oldPass");
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab); // Change is off: Cancel, then Enter
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(w->focusWidget(), button(2));
        QTest::keyClick(button(2), press);
        EXPECT_EQ(instruction()->text(), "Enter Existing Password");
        EXPECT_TRUE(entry()->text().isEmpty());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->focusWidget(), entry());
    }

    submit("oldpass");
    EXPECT_EQ(instruction()->text(), "Enter a New Password");
    EXPECT_EQ(instructionColour(), DarkBlue);
    EXPECT_EQ(button(2)->text(), "SET");
    EXPECT_EQ(state.SettingsPasswordMode, PasswordMode::Set);

    submit("newpass");
    type("newpass");
    QTest::keyClick(w->focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(w->focusWidget(), button(2));
    QTest::keyClick(button(2), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(state.SettingsGateFailed);
    EXPECT_EQ(savedPassword(), "newpass");
}

TEST_F(MPassTest, CharacterRules) {
    open(PasswordMode::Set);
    type("ab");
    key(Qt::Key_unknown, QString(QChar(0xE9)));
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, ExtendedChars);
    EXPECT_TRUE(entry()->text().isEmpty());

    type("ab");
    key(Qt::Key_unknown, QString(QChar(0x20AC))); // beyond Latin-1 counts as extended
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[1].text, ExtendedChars);

    type("ab");
    key(Qt::Key_A, "\x01");
    ASSERT_EQ(boxes.calls().size(), 3u);
    EXPECT_EQ(boxes.calls()[2].text, ControlChars);
    EXPECT_TRUE(entry()->text().isEmpty());

    type("abc");
    key(Qt::Key_Backspace, "\b");
    EXPECT_EQ(entry()->text(), "ab");

    QApplication::clipboard()->setText(QString("x") + QChar(0xE9));
    entry()->paste();
    ASSERT_EQ(boxes.calls().size(), 4u);
    EXPECT_EQ(boxes.calls()[3].text, ExtendedChars);
    EXPECT_TRUE(entry()->text().isEmpty());

    state.settings.AllowExtPasswordChars = "1";
    type("ab");
    key(Qt::Key_unknown, QString(QChar(0xE9)));
    entry()->paste();
    EXPECT_EQ(entry()->text(), QString("ab") + QChar(0xE9) + "x" + QChar(0xE9));
    key(Qt::Key_A, "\x01");
    ASSERT_EQ(boxes.calls().size(), 5u);
    EXPECT_EQ(boxes.calls()[4].text, ControlChars);

    type("ab");
    key(Qt::Key_unknown, "\x7f"); // DEL as a character
    ASSERT_EQ(boxes.calls().size(), 6u);
    EXPECT_EQ(boxes.calls()[5].text, ControlChars);
    type("ab");
    key(Qt::Key_Home, "");
    key(Qt::Key_Delete, "\x7f"); // the Delete key edits
    EXPECT_EQ(entry()->text(), "b");
    EXPECT_EQ(boxes.calls().size(), 6u);

    // A stored password holds one byte per character: what it cannot hold is
    // refused with a word, never dropped quietly or compared as "?".
    type("ab");
    key(Qt::Key_unknown, QString(QChar(0x20AC)));
    ASSERT_EQ(boxes.calls().size(), 7u);
    EXPECT_EQ(boxes.calls()[6].text, Unstorable);
    EXPECT_TRUE(entry()->text().isEmpty());
    QApplication::clipboard()->setText(QString("z") + QChar(0x436));
    entry()->paste();
    ASSERT_EQ(boxes.calls().size(), 8u);
    EXPECT_EQ(boxes.calls()[7].text, Unstorable);
    EXPECT_TRUE(entry()->text().isEmpty());

    // The option governs new passwords only: one set while it was on is still
    // typed, and can be changed, after it is turned off.
    const QString umlauts = QString::fromUtf8("P\u00e4ssw\u00f6rd");
    submit(umlauts);
    submit(umlauts);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(savedPassword(), "P\xe4ssw\xf6rd");
    state.settings.AllowExtPasswordChars = "0";
    open(PasswordMode::Enter);
    submit(umlauts);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(state.SettingsPasswordGiven);
    open(PasswordMode::Enter);
    QTest::mouseClick(button(0), Qt::LeftButton);
    submit(umlauts);
    EXPECT_EQ(instruction()->text(), "Enter a New Password");
    type(umlauts.left(2));
    ASSERT_EQ(boxes.calls().size(), 9u);
    EXPECT_EQ(boxes.calls()[8].text, ExtendedChars);
    EXPECT_TRUE(entry()->text().isEmpty());
}

TEST_F(MPassTest, LeavingWithoutSuccessKeepsTheGateShut) {
    open(PasswordMode::Enter);
    type("KJW");
    key(Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(entry()->text().isEmpty());
    EXPECT_TRUE(state.SettingsGateFailed);

    // Released too far from the button's top: 90 twips above, 300 below.
    open(PasswordMode::Enter);
    for (const int y : {-6, 20}) {
        QTest::mousePress(button(1), Qt::LeftButton);
        QTest::mouseRelease(button(1), Qt::LeftButton, {}, QPoint(5, y));
    }
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(state.SettingsGateFailed);
    QTest::mousePress(button(1), Qt::LeftButton);
    QTest::mouseRelease(button(1), Qt::LeftButton, {}, QPoint(5, -5)); // 75 twips above
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(state.SettingsGateFailed);
    open(PasswordMode::Enter);
    QTest::mousePress(button(1), Qt::LeftButton);
    QTest::mouseRelease(button(1), Qt::LeftButton, {}, QPoint(5, 19)); // 285 twips below
    EXPECT_FALSE(w->isVisible());

    open(PasswordMode::Enter);
    w->close();
    EXPECT_TRUE(state.SettingsGateFailed);
    open(PasswordMode::Set);
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(w->focusWidget(), button(1));
    QTest::keyClick(button(1), Qt::Key_Space);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(state.SettingsGateFailed);

    // Leaving while a wrong password is still flashing must not reopen the gate.
    open(PasswordMode::Enter);
    QTimer::singleShot(0, [this] { QTest::mouseClick(button(1), Qt::LeftButton); });
    submit("wrong");
    EXPECT_TRUE(state.SettingsGateFailed);
    EXPECT_FALSE(state.SettingsPasswordGiven);
}

TEST_F(MPassTest, ButtonFacesFollowTheMouse) {
    open(PasswordMode::Enter);
    const QImage normal = picture("SetMPS_N"), hovered = picture("SetMPS_O"), pressed = picture("SetMPS_X");
    ASSERT_NE(normal, hovered);
    ASSERT_NE(normal, pressed);

    QTest::mouseMove(w.get(), QPoint(1, 1));
    QTest::mouseMove(button(1));
    EXPECT_EQ(face(1), hovered);
    EXPECT_EQ(face(0), normal);

    QTest::mousePress(button(1), Qt::LeftButton);
    EXPECT_EQ(face(1), pressed);
    QTest::mouseMove(button(2)); // held pressed: no hovering elsewhere
    EXPECT_EQ(face(1), pressed);
    EXPECT_EQ(face(2), normal);
    QTest::mouseRelease(button(1), Qt::LeftButton, {}, QPoint(5, 27));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(face(i), normal);
    EXPECT_TRUE(w->isVisible());

    QTest::mousePress(button(2), Qt::LeftButton);
    EXPECT_EQ(face(2), pressed);
    QTest::mouseMove(findChildNamed<QLabel>(w.get(), "PwBuBar"));
    EXPECT_EQ(face(2), normal);
    QTest::mouseRelease(button(2), Qt::LeftButton, {}, QPoint(5, 40));
    EXPECT_TRUE(w->isVisible());
}
