#include "core/desk/BookingRules.h"

#include "core/TextUtil.h"
#include "core/desk/RegNo.h"

namespace BookingRules {

namespace {

constexpr std::string_view CrLf = "\r\n";

bool IsDepartmentPlaceholder(const std::string& department) {
    return Text::Trim(department) == Text::TrimView(DepartmentPlaceholder);
}

bool NoValidDepartment(const std::string& department) {
    return IsDepartmentPlaceholder(department) || Text::Trim(department).size() < 3;
}

bool NoValidOrganisation(const std::string& organisation) {
    return Text::Trim(organisation).size() < 3;
}

bool NameMissing(const FormEntries& form) {
    return Text::Trim(form.firstName).empty() || Text::Trim(form.lastName).empty();
}

std::string Who(std::string_view f, std::string_view l) {
    std::string who(f);
    who += ' ';
    who += l;
    return who;
}

} // namespace

std::optional<std::string_view> SaveRefusal(const FormEntries& form) {
    if (NameMissing(form))
        return "Can't SAVE without First Name [ Or Initial ] AND Last Name";
    if (Text::Trim(form.firstName).size() < 2 && Text::Trim(form.lastName).size() < 3)
        return "Can't Save: A Valid Name does not appear to be entered";
    if (NoValidDepartment(form.department))
        return "Can't SAVE:  No valid Department name has been entered";
    if (NoValidOrganisation(form.organisation))
        return "Can't SAVE:  No valid ORGANISATION name has been entered";
    return std::nullopt;
}

std::optional<std::string_view> NewBookingRefusal(const FormEntries& form) {
    if (NameMissing(form))
        return "Can't SAVE without First Name/(Initial) AND Last Name";
    if (NoValidDepartment(form.department))
        return "Can't SAVE:  No valid Department name has been entered";
    if (NoValidOrganisation(form.organisation))
        return "Can't SAVE:  No valid ORGANISATION name has been entered";
    return std::nullopt;
}

std::optional<std::string_view> UpdateRefusal(const FormEntries& form) {
    if (NameMissing(form))
        return "Can't SAVE without First Name/(Initial) AND Last Name";
    return std::nullopt;
}

std::optional<std::string_view> PassRefusal(const FormEntries& form) {
    if (Text::IsBlank(form.firstName))
        return "Can't Create PASS:  No first Name/Initial has been entered";
    if (Text::IsBlank(form.lastName))
        return "Can't Create PASS:  No last Name has been entered";
    if (Text::IsBlank(form.organisation))
        return "Can't Create PASS:  No Organisation name has been entered";
    if (IsDepartmentPlaceholder(form.department))
        return "Can't Create PASS:  No Department has been selected";
    return std::nullopt;
}

bool IsBookingNumber(std::string_view regNoText) {
    return Text::Val(regNoText) > 0;
}

bool MonthMoved(std::string_view regNoText, std::string_view bookingYearText, std::string_view bookingMonthNo) {
    const BookedMonth booked = BookedMonthOf(Text::TrimView(regNoText));
    return booked.yy != BookedYear(bookingYearText) || booked.mm != bookingMonthNo;
}

bool IsNameCharacter(int ch) {
    return ch == 8 || ch == 9 || ch == ' ' || ch == '-' || ch == '.' || (ch >= 'A' && ch <= 'Z') ||
           (ch >= 'a' && ch <= 'z');
}

SaveDecision DecideSave(const Situation& s) {
    if (s.newBooking)
        return {SaveDecision::SaveNewBooking};
    if (!s.loaded)
        return {SaveDecision::Nothing};
    if (s.recordChanged)
        return {SaveDecision::Store, s.namesUnchanged ? Action::Update : Action::SaveNewWithNotice};
    if (s.bookingsChanged)
        return {SaveDecision::Ask, Action::Proceed, s.monthMoved ? Question::Moved : Question::Times};
    return {SaveDecision::Nothing};
}

std::optional<Question> FirstQuestion(const Situation& s) {
    if (!s.loaded)
        return std::nullopt;
    if (s.recordChanged)
        return Question::Details;
    if (s.bookingsChanged)
        return s.monthMoved ? Question::Moved : Question::Times;
    return std::nullopt;
}

Action ActionFor(Question q, Answer a, AskedBy who, const Situation& s) {
    if (a == Answer::Cancel)
        return Action::Stop;
    switch (q) {
    case Question::Details:
        if (a == Answer::No)
            return Action::Proceed;
        if (s.namesUnchanged)
            return Action::Update;
        return who == AskedBy::Close ? Action::SaveNew : Action::SaveNewWithNotice;
    case Question::Moved:
        return a == Answer::Yes ? Action::SaveNew : Action::Proceed;
    case Question::Times:
        return a == Answer::Yes ? Action::Update : Action::SaveNew;
    }
    return Action::Proceed;
}

std::optional<Question> FollowUp(Question asked, Answer a, const Situation& s) {
    if (asked == Question::Details && a == Answer::Yes && s.namesUnchanged && s.bookingsChanged && s.monthMoved)
        return Question::Moved;
    return std::nullopt;
}

std::string QuestionText(Question q, AskedBy who, std::string_view f, std::string_view l) {
    const bool closing = who == AskedBy::Close;
    std::string text;
    switch (q) {
    case Question::Details:
        text = "The current booking for " + Who(f, l) + " has changed.";
        text += CrLf;
        text += closing ? "Save it before you close? " : "Do you wish to save it? ";
        break;
    case Question::Moved:
        text = "Booked times for " + Who(f, l) + " have changed.";
        text += CrLf;
        text += closing ? "Save new times before you close? " : "Do you wish to save this new record?";
        break;
    case Question::Times:
        text = "Booked times for " + Who(f, l) + " have changed.";
        text += CrLf;
        text +=
            closing ? "Overwrite current bookings before you close? " : "Do you wish to overwrite the current record? ";
        text += CrLf;
        text += CrLf;
        text += "Click [ Yes ] to overwrite the current record or,";
        text += CrLf;
        text += "Click [ No ] to save to a new record";
        break;
    }
    return text;
}

NoticeIcon NewRecordNoticeIcon(AskedBy who) {
    switch (who) {
    case AskedBy::New:
        return NoticeIcon::Exclamation;
    case AskedBy::Close:
        return NoticeIcon::None;
    default:
        return NoticeIcon::Information;
    }
}

std::string NewRecordNotice(std::string_view firstName, std::string_view lastName) {
    return "Kestrane has created a New Record for " + Who(firstName, lastName);
}

NewBookingPrompt PromptForUnsavedNewBooking(std::string_view f, std::string_view l) {
    return f.size() + l.size() >= 5 ? NewBookingPrompt::SaveQuestion : NewBookingPrompt::NameRequired;
}

std::string UnsavedNewBookingQuestion(std::string_view f, std::string_view l) {
    return "The NEW booking for " + Who(f, l) + " has not been saved." + std::string(CrLf) + "Do you wish to save it? ";
}

std::string NewBookingMadeText(std::string_view f, std::string_view l, std::string_view monthText,
                               std::string_view yearText) {
    return "New Booking made for " + Who(f, l) + " in " + std::string(monthText) + " " + std::string(yearText) + " Ok";
}

std::string DeleteQuestion(std::string_view f, std::string_view l) {
    return "This will DELETE this Booking for " + Who(f, l) + " " + std::string(CrLf) + "Do you wish to Proceed? ";
}

std::string ConflictQuestion(std::string_view f, std::string_view l, const std::string& fieldList) {
    return "The booking for " + Who(f, l) + " was changed at another desk since you opened it:" + std::string(CrLf) +
           fieldList + std::string(CrLf) + "Keep your changes?";
}

} // namespace BookingRules
