#pragma once

#include <string>
#include <string_view>

// What the settings-password window asks for.
enum class PasswordMode {
    None = 0,    // nothing: the window shows no mode
    Set = 1,     // the first entry of a new password
    Enter = 2,   // the existing password
    Confirm = 3, // the confirmation of a new password; when the window is shown
                 // in it, the start of a new password
};

// The rules of the settings password. Entries are trimmed of blanks before
// any test; comparisons are exact and case-sensitive.
namespace PasswordRules {

// The settings file keeps 64 characters of the password; a longer one would
// be cut on saving and never match its own entry again.
inline constexpr int MaxLength = 64;

inline constexpr const char* TooShortText = "Passwords of less than 3 characters are not Permitted   ";
inline constexpr const char* MismatchText = "Your Password Confirmation doesn't Match - Enter Again  ";
inline constexpr const char* ControlCharsText = "CONTROL Characters are not permitted in setting Password     ";
inline constexpr const char* ExtendedCharsText = "Options Currently set Prohibit EXTENDED Characters in Passwords    ";
inline constexpr const char* UnstorableCharText = "This Character cannot be stored in the setting Password";

// The mode the gate opens the window in: set one when there is no password yet.
PasswordMode GateMode(std::string_view storedPassword);

struct KeyDecision {
    enum class Action {
        Pass,   // the key reaches the box
        Submit, // dropped, and the entry is submitted
        Leave,  // dropped, the box emptied and the window left
        Refuse, // dropped, refusal told and the box emptied
    };
    Action action = Action::Pass;
    const char* refusal = nullptr;
};

// Whether characters 128 to 255 may be typed: the option governs new
// passwords only, so the existing one is always taken as it was set.
bool ExtendedAllowed(bool optionOn, bool verifyingOld, PasswordMode mode);

// A key typed into the password box, by its character code (13 Enter,
// 8 Backspace, 27 Esc).
KeyDecision DecideKey(int keyAscii, bool extendedAllowed);

struct EditDecision {
    // When a character is refused: what to tell before the box is emptied.
    const char* refusal = nullptr;
};

// Text that reached the box other than key by key (a paste).
EditDecision DecideEditedText(std::u16string_view text, bool extendedAllowed);

struct Submission {
    bool verifyingOld = false; // the existing password is asked before a change
    PasswordMode mode = PasswordMode::None;
    std::string_view entry;      // as typed
    std::string_view stored;     // the settings password
    std::string_view firstEntry; // the first entry of the new password
};

struct SubmitDecision {
    enum class Outcome {
        Nothing,
        OldAccepted,  // the existing password is right: a new one is asked
        OldRefused,   // wrong: asked again
        TooShort,     // a first entry refused
        AskToConfirm, // a first entry taken
        Mismatch,     // the confirmation differs: start again
        SaveNew,      // confirmed: the new password is saved
        Refused,      // a wrong password
        Accepted,     // the right password
    };
    Outcome outcome = Outcome::Nothing;
    PasswordMode nextMode = PasswordMode::None;
    std::string entry;             // the entry trimmed
    const char* refusal = nullptr; // the box of a refused first entry or confirmation
};

SubmitDecision DecideSubmit(const Submission& s);

} // namespace PasswordRules
