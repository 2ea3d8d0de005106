#include "core/admin/PasswordRules.h"

#include "core/TextUtil.h"

namespace PasswordRules {

namespace {

// DEL counts too: the settings file refuses a password holding it.
bool IsControlCharacter(int k) {
    return k < 32 || k == 127;
}

} // namespace

PasswordMode GateMode(std::string_view storedPassword) {
    return Text::IsBlank(storedPassword) ? PasswordMode::Set : PasswordMode::Enter;
}

bool ExtendedAllowed(bool optionOn, bool verifyingOld, PasswordMode mode) {
    return optionOn || verifyingOld || mode == PasswordMode::Enter;
}

KeyDecision DecideKey(int keyAscii, bool extendedAllowed) {
    using Action = KeyDecision::Action;
    if (keyAscii == 13)
        return {Action::Submit};
    if (keyAscii == 8)
        return {Action::Pass};
    if (keyAscii > 0xFF && extendedAllowed)
        return {Action::Refuse, UnstorableCharText}; // the settings file holds one byte per character
    if (extendedAllowed || keyAscii < 128) {
        if (keyAscii == 27)
            return {Action::Leave};
        if (IsControlCharacter(keyAscii))
            return {Action::Refuse, ControlCharsText};
        return {Action::Pass};
    }
    return {Action::Refuse, ExtendedCharsText};
}

EditDecision DecideEditedText(std::u16string_view text, bool extendedAllowed) {
    for (const char16_t c : text) {
        if (c >= 128 && !extendedAllowed)
            return {ExtendedCharsText};
        if (c > 0xFF)
            return {UnstorableCharText};
        if (IsControlCharacter(c))
            return {ControlCharsText};
    }
    return {};
}

SubmitDecision DecideSubmit(const Submission& s) {
    using Outcome = SubmitDecision::Outcome;
    SubmitDecision d;
    d.entry = Text::Trim(s.entry);
    d.nextMode = s.mode;
    const std::string_view stored = Text::TrimView(s.stored);

    if (s.verifyingOld) {
        if (d.entry == stored) {
            d.outcome = Outcome::OldAccepted;
            d.nextMode = PasswordMode::Confirm;
        } else {
            d.outcome = Outcome::OldRefused;
        }
        return d;
    }

    switch (s.mode) {
    case PasswordMode::Set:
        if (d.entry.size() < 3) {
            d.outcome = Outcome::TooShort;
            d.refusal = TooShortText;
        } else {
            d.outcome = Outcome::AskToConfirm;
            d.nextMode = PasswordMode::Confirm;
        }
        break;
    case PasswordMode::Confirm:
        if (d.entry != s.firstEntry) {
            d.outcome = Outcome::Mismatch;
            d.refusal = MismatchText;
            d.nextMode = PasswordMode::Set;
        } else {
            d.outcome = Outcome::SaveNew;
            d.nextMode = PasswordMode::Enter;
        }
        break;
    case PasswordMode::Enter:
        d.outcome = d.entry == stored ? Outcome::Accepted : Outcome::Refused;
        break;
    case PasswordMode::None:
        break;
    }
    return d;
}

} // namespace PasswordRules
