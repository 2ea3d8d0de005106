#pragma once

#include <optional>
#include <string>
#include <string_view>

// The rules of the booking commands as decisions: which refusal to show,
// which question to ask, and what an answer leads to. The desk window asks
// and shows; these functions decide.
namespace BookingRules {

// What the department box shows until a department is chosen, as the detail
// window's pick boxes do; a box holding it, blanks aside, names none.
inline constexpr std::string_view DepartmentPlaceholder = " -  Select  - ";

// The texts of the booking form the checks look at, as typed.
struct FormEntries {
    std::string firstName;
    std::string lastName;
    std::string department; // the department box's text
    std::string organisation;
};

// The refusal of SAVE's four checks, or nothing when the form passes.
std::optional<std::string_view> SaveRefusal(const FormEntries& form);
// The refusal of storing a new booking (three checks of its own).
std::optional<std::string_view> NewBookingRefusal(const FormEntries& form);
// The refusal of rewriting a stored booking.
std::optional<std::string_view> UpdateRefusal(const FormEntries& form);
// The refusal of making a pass for the booking on the form.
std::optional<std::string_view> PassRefusal(const FormEntries& form);

// Whether the number box holds a saved booking's number: its number value
// (leading blanks skipped, then digits) is above 0. "NEW Booking" is not one.
bool IsBookingNumber(std::string_view regNoText);

// Whether the time grid shows another month than the one the booking is
// stored in: the number's year and month against the booking month boxes.
bool MonthMoved(std::string_view regNoText, std::string_view bookingYearText, std::string_view bookingMonthNo);

// The characters a name box takes: letters A-Z and a-z, blank, "-" and ".",
// and the editing keys Backspace (8) and Tab (9).
bool IsNameCharacter(int ch);

// Which command asks about unsaved work; each has its own wording.
enum class AskedBy { Save, New, OpenFromList, Close };
enum class Question { Details, Moved, Times };
enum class Answer { Yes, No, Cancel };

// Everything the questions depend on, read at the moment of the decision.
struct Situation {
    bool newBooking = false;      // made with NEW and not yet stored
    bool loaded = false;          // the number box holds a booking number
    bool recordChanged = false;   // a stored field differs from the saved copy
    bool bookingsChanged = false; // a booked time was changed
    bool namesUnchanged = true;   // first and last name as saved
    bool monthMoved = false;      // the grid shows another month than the booking's
};

// What a command does with the booking on screen.
enum class Action {
    Proceed,           // nothing to store; the command goes on
    Stop,              // the user cancelled; the command stops
    Update,            // rewrite the stored booking
    SaveNew,           // store it as a new booking
    SaveNewWithNotice, // store it as a new booking and say so
};

// SAVE: the action of its decision table; Question actions are asked first.
struct SaveDecision {
    enum Kind { SaveNewBooking, Nothing, Store, Ask } kind = Nothing;
    Action action = Action::Proceed;     // for Store
    Question question = Question::Times; // for Ask
};
SaveDecision DecideSave(const Situation& s);

// NEW, opening from the list and closing: the first question to ask about a
// loaded booking, or nothing.
std::optional<Question> FirstQuestion(const Situation& s);

// What an answer to a question leads to.
Action ActionFor(Question q, Answer a, AskedBy who, const Situation& s);

// The question to ask after a changed booking's details were updated in
// place, when times were also booked in another month: those reach the files
// only as a new booking in that month.
std::optional<Question> FollowUp(Question asked, Answer a, const Situation& s);

// The text of a question about the booking of (upper-cased, trimmed) first
// name f and last name l.
std::string QuestionText(Question q, AskedBy who, std::string_view f, std::string_view l);

// The notice after a changed name stored a booking anew, and its icon: none
// when closing.
enum class NoticeIcon { None, Information, Exclamation };
NoticeIcon NewRecordNoticeIcon(AskedBy who);
std::string NewRecordNotice(std::string_view firstName, std::string_view lastName);

// Opening another booking while a new one is on screen.
enum class NewBookingPrompt { SaveQuestion, NameRequired };
NewBookingPrompt PromptForUnsavedNewBooking(std::string_view f, std::string_view l);
std::string UnsavedNewBookingQuestion(std::string_view f, std::string_view l);
inline constexpr std::string_view NameRequiredText =
    "This new booking has not been saved: A Valid Name is required.\r\n"
    "Click [OK] to return to the record or [Cancel] to discard it";
inline constexpr std::string_view CloseWithNewBookingText = "New booking not saved:  Save it before you close?";

std::string NewBookingMadeText(std::string_view f, std::string_view l, std::string_view monthText,
                               std::string_view yearText);
std::string DeleteQuestion(std::string_view f, std::string_view l);
inline constexpr std::string_view ClearEntriesQuestion = "No Record to DELETE: Clear all text entries for this record?";

// Storing a booking that another desk changed since it was opened here.
std::string ConflictQuestion(std::string_view f, std::string_view l, const std::string& fieldList);

} // namespace BookingRules
