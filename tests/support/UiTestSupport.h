#pragma once

#include "TempFolder.h"
#include "core/ProgramState.h"
#include "platform/MsgBox.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <deque>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// Records every message box the program shows and answers it: with the next
// queued answer, or else with the box's first button.
class RecordingResponder {
  public:
    RecordingResponder();
    ~RecordingResponder();

    void queue(int answer) { answers_.push_back(answer); }
    const std::vector<MsgBoxCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

  private:
    std::vector<MsgBoxCall> calls_;
    std::deque<int> answers_;
};

// A program folder laid out like the installed one, in a temporary folder:
// the pick-list file, pictures, help pages and filler, and an empty data folder.
class TestProgramFolder {
  public:
    TestProgramFolder();
    const std::string& path() const { return path_; } // with trailing "/"
    ProgramState makeState() const;                   // defaults, ProgramFolder and DataRoot set
    // Empty month booking files for every month of 2010..2027, so lists find
    // a file (and show no "nothing found" message) wherever a test looks.
    void addEmptyMonthFiles() const;

  private:
    TempFolder temp_;
    std::string path_;
};

// Failed comparisons of texts show the text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

template <typename T> T* findChildNamed(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

#include <QTimer>

#include <functional>
#include <memory>

// Runs `action` on the next modal window that opens (a dialog's exec() blocks
// the test), polling until one is up other than the one modal now. The watch ends when the returned handle
// goes, so a window that never opens leaves nothing behind for later tests.
[[nodiscard]] std::unique_ptr<QTimer> OnNextModal(std::function<void(QWidget*)> action);

// A control of a window, found by its object name; the test fails when the
// window has none of that name and type.
template <typename T> T* Control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control named " << name;
    return found;
}

// Types text into a widget key by key, as QTest::keyClicks does, for any
// characters (keyClicks takes ASCII only); "\n" is the Return key.
void TypeText(QWidget* target, const QString& text);

class Grid;
class QComboBox;
class QLineEdit;

// What a user does, done through the events a user's keys and mouse send.
namespace User {
// Shows the window and makes it the active one, so its keys reach it.
void ShowActive(QWidget* window);
void Click(QWidget* window, const char* buttonName);
// A click where a grid cell shows, delivered to whatever is on top there.
void ClickCell(QWidget* window, Grid* grid, int row, int col);
// A click on a grid's column heading.
void ClickHeading(Grid* grid, int col);
// Types text key by key into whichever control has the focus at each key,
// as a cell editor opened by the first key takes the rest; "\n" is Return.
void Type(const QString& text);
// Selects a box's text with the keys and types over it.
void Retype(QLineEdit* box, const QString& text);
// Moves a drop-down's choice with the arrow keys until it shows text; each
// step is a choice, as the keys make it.
void Choose(QComboBox* combo, const QString& text);
// Opens a drop-down's list with a click on its arrow, moves the mouse onto
// the entry and clicks it: one choice, whatever the box showed before.
void Pick(QComboBox* combo, const QString& text);
inline constexpr const char* LettersAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Alt with each of keys (letters and digits), then Alt+Shift with the first,
// in every box of the window that takes typing, the focus in that box; gives
// the boxes whose text changed, by name, with their texts.
std::string AltKeysInEveryBox(QWidget* window, const char* keys = LettersAndDigits);
} // namespace User

// The lines of a text file without their CR LF.
std::vector<std::string> FileLines(const std::string& path);
// Rewrites a month file without the lines of booking regNo, as a deletion at
// another desk leaves it.
void DeleteAtAnotherDesk(const std::string& monthFile, const std::string& regNo);

// Writes a picture as a bitmap file named by the path's bytes, which Qt's own
// writer, taking a QString, cannot name when they are not UTF-8.
bool WriteBitmap(const QImage& image, const std::string& path);

// How many bookings a list grid shows: its rows below the headings whose
// first cell holds a registration.
int ListedRows(Grid* grid);

// The colour a grid cell's text is drawn in, as BBGGRR.
long CellTextColour(Grid* grid, int row, int col);
// Whether a grid cell lets typing open its editor.
bool CellTakesTyping(Grid* grid, int row, int col);

#include <QProcess>
#include <QStringList>

// A print system of the test's own, the machine's left alone: a cupsd on a
// socket in a temporary folder, reached through CUPS_SERVER, whose default
// queue "Q" takes jobs and prints them to nothing.
class TestPrintSystem {
  public:
    TestPrintSystem();
    ~TestPrintSystem();
    // Runs a command of the print system on it (cupsreject Q, lpadmin -x Q...).
    bool run(const QString& command, const QStringList& arguments);
    // Jobs the queues took, printed or not.
    int jobs();

  private:
    TempFolder folder_{TempFolder::Name::Plain};
    QProcess daemon_;
};

#include "core/Clock.h"

class frmMain;

// The desk window on a test program folder whose data folder has an empty
// month file for every month: the set-up the desk's window tests share.
class DeskWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Loads a new desk window with "today" pinned to now (the one open before
    // goes); shown makes it the active window, so keys reach it. The boxes
    // the loading showed stay recorded.
    frmMain& openOn(const LocalDateTime& now, bool shown = true);
    // Deletes the window without the questions of closing.
    void dropWindow();
    std::string monthFile(const char* yymm) const;
    void click(const char* button);

    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
    frmMain* main = nullptr;
};
