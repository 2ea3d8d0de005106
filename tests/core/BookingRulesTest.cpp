#include "core/desk/BookingRules.h"

#include <gtest/gtest.h>

using namespace BookingRules;

TEST(BookingRules, EachCommandRefusesWithItsOwnTexts) {
    struct Row {
        FormEntries form;
        const char* save;
        const char* newBooking;
        const char* update;
    };
    const char* const missingName = "Can't SAVE without First Name [ Or Initial ] AND Last Name";
    const char* const missingNameStore = "Can't SAVE without First Name/(Initial) AND Last Name";
    const char* const shortName = "Can't Save: A Valid Name does not appear to be entered";
    const char* const noDept = "Can't SAVE:  No valid Department name has been entered";
    const char* const noOrg = "Can't SAVE:  No valid ORGANISATION name has been entered";
    const Row rows[] = {
        {{"  ", "Li", "FINANCE", "ACME"}, missingName, missingNameStore, missingNameStore},
        {{"J", "Li", "FINANCE", "ACME"}, shortName, nullptr, nullptr},
        {{"Jo", "Li", "FINANCE", "ACME"}, nullptr, nullptr, nullptr},
        {{"J", "Lee", "FINANCE", "ACME"}, nullptr, nullptr, nullptr},
        {{"Jo", "Li", " -  Select  - ", "ACME"}, noDept, noDept, nullptr},
        {{"Jo", "Li", " IT", "ACME"}, noDept, noDept, nullptr},
        {{"Jo", "Li", "FINANCE", " AB "}, noOrg, noOrg, nullptr},
    };
    for (const Row& r : rows) {
        const auto expect = [&](std::optional<std::string_view> got, const char* want) {
            if (want)
                EXPECT_EQ(got.value_or("(none)"), want) << r.form.firstName << "/" << r.form.lastName;
            else
                EXPECT_FALSE(got) << r.form.firstName << "/" << r.form.department << "/" << r.form.organisation;
        };
        expect(SaveRefusal(r.form), r.save);
        expect(NewBookingRefusal(r.form), r.newBooking);
        expect(UpdateRefusal(r.form), r.update);
    }
}

TEST(BookingRules, BookingNumbersAndMovedMonths) {
    EXPECT_TRUE(IsBookingNumber("140315103000"));
    EXPECT_TRUE(IsBookingNumber(" 26120511000"));
    EXPECT_FALSE(IsBookingNumber("NEW Booking"));
    EXPECT_FALSE(IsBookingNumber(""));
    EXPECT_FALSE(IsBookingNumber("000000000000"));

    EXPECT_FALSE(MonthMoved("140315103000", "2014", "03"));
    EXPECT_FALSE(MonthMoved(" 140315103000 ", " 2014 ", "03"));
    EXPECT_TRUE(MonthMoved("140315103000", "2014", "04"));
    EXPECT_TRUE(MonthMoved("140315103000", "2015", "03"));
    EXPECT_TRUE(MonthMoved("14", "2014", "03"));

    for (int ch : {int{'A'}, int{'z'}, int{' '}, int{'-'}, int{'.'}, 8, 9})
        EXPECT_TRUE(IsNameCharacter(ch)) << ch;
    for (int ch : {int{'1'}, int{'\''}, int{'@'}, 0xE9, 13})
        EXPECT_FALSE(IsNameCharacter(ch)) << ch;
}

TEST(BookingRules, SaveFollowsItsTable) {
    struct Row {
        Situation s;
        SaveDecision::Kind kind;
        Action action;
        Question question;
    };
    const Row rows[] = {
        {{true, false, true, true, false, true}, SaveDecision::SaveNewBooking, Action::Proceed, Question::Times},
        {{false, false, true, true, true, false}, SaveDecision::Nothing, Action::Proceed, Question::Times},
        {{false, true, true, true, true, false}, SaveDecision::Store, Action::Update, Question::Times},
        {{false, true, true, false, false, false}, SaveDecision::Store, Action::SaveNewWithNotice, Question::Times},
        {{false, true, false, true, true, true}, SaveDecision::Ask, Action::Proceed, Question::Moved},
        {{false, true, false, true, true, false}, SaveDecision::Ask, Action::Proceed, Question::Times},
        {{false, true, false, false, true, false}, SaveDecision::Nothing, Action::Proceed, Question::Times},
    };
    for (const Row& r : rows) {
        const SaveDecision d = DecideSave(r.s);
        EXPECT_EQ(d.kind, r.kind);
        if (d.kind == SaveDecision::Store) {
            EXPECT_EQ(d.action, r.action);
        }
        if (d.kind == SaveDecision::Ask) {
            EXPECT_EQ(d.question, r.question);
        }
    }
}

TEST(BookingRules, QuestionsAndWhatTheAnswersDo) {
    Situation s;
    s.loaded = true;
    EXPECT_FALSE(FirstQuestion(s));
    s.bookingsChanged = true;
    EXPECT_EQ(FirstQuestion(s), Question::Times);
    s.monthMoved = true;
    EXPECT_EQ(FirstQuestion(s), Question::Moved);
    s.recordChanged = true;
    EXPECT_EQ(FirstQuestion(s), Question::Details);
    s.loaded = false;
    EXPECT_FALSE(FirstQuestion(s));

    Situation names;
    names.namesUnchanged = false;
    const Situation same;
    struct Row {
        Question q;
        Answer a;
        AskedBy who;
        const Situation& s;
        Action want;
    };
    const Row rows[] = {
        {Question::Details, Answer::Yes, AskedBy::New, same, Action::Update},
        {Question::Details, Answer::Yes, AskedBy::New, names, Action::SaveNewWithNotice},
        {Question::Details, Answer::Yes, AskedBy::Close, names, Action::SaveNew},
        {Question::Details, Answer::No, AskedBy::New, same, Action::Proceed},
        {Question::Details, Answer::Cancel, AskedBy::Close, same, Action::Stop},
        {Question::Moved, Answer::Yes, AskedBy::Save, same, Action::SaveNew},
        {Question::Moved, Answer::No, AskedBy::Save, same, Action::Proceed},
        {Question::Moved, Answer::Cancel, AskedBy::OpenFromList, same, Action::Stop},
        {Question::Times, Answer::Yes, AskedBy::Save, same, Action::Update},
        {Question::Times, Answer::No, AskedBy::Save, same, Action::SaveNew},
        {Question::Times, Answer::Cancel, AskedBy::Save, same, Action::Stop},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ActionFor(r.q, r.a, r.who, r.s), r.want)
            << static_cast<int>(r.q) << "/" << static_cast<int>(r.a) << "/" << static_cast<int>(r.who);

    // Details stored while times were booked in another month: those are offered as a new booking.
    Situation glance;
    glance.loaded = glance.recordChanged = glance.bookingsChanged = glance.monthMoved = true;
    EXPECT_EQ(FollowUp(Question::Details, Answer::Yes, glance), Question::Moved);
    EXPECT_FALSE(FollowUp(Question::Details, Answer::No, glance));
    glance.namesUnchanged = false; // stored anew, in the month shown, with its times
    EXPECT_FALSE(FollowUp(Question::Details, Answer::Yes, glance));
    glance.namesUnchanged = true;
    glance.monthMoved = false;
    EXPECT_FALSE(FollowUp(Question::Details, Answer::Yes, glance));

    EXPECT_EQ(NewRecordNoticeIcon(AskedBy::New), NoticeIcon::Exclamation);
    EXPECT_EQ(NewRecordNoticeIcon(AskedBy::OpenFromList), NoticeIcon::Information);
    EXPECT_EQ(NewRecordNoticeIcon(AskedBy::Save), NoticeIcon::Information);
    EXPECT_EQ(NewRecordNoticeIcon(AskedBy::Close), NoticeIcon::None);
    EXPECT_EQ(PromptForUnsavedNewBooking("JO", "LIM"), NewBookingPrompt::SaveQuestion);
    EXPECT_EQ(PromptForUnsavedNewBooking("JO", "LI"), NewBookingPrompt::NameRequired);
}

TEST(BookingRules, QuestionTexts) {
    EXPECT_EQ(QuestionText(Question::Details, AskedBy::New, "JO", "LI"),
              "The current booking for JO LI has changed.\r\nDo you wish to save it? ");
    EXPECT_EQ(QuestionText(Question::Details, AskedBy::Close, "JO", "LI"),
              "The current booking for JO LI has changed.\r\nSave it before you close? ");
    EXPECT_EQ(QuestionText(Question::Moved, AskedBy::Save, "JO", "LI"),
              "Booked times for JO LI have changed.\r\nDo you wish to save this new record?");
    EXPECT_EQ(QuestionText(Question::Moved, AskedBy::Close, "JO", "LI"),
              "Booked times for JO LI have changed.\r\nSave new times before you close? ");
    EXPECT_EQ(QuestionText(Question::Times, AskedBy::OpenFromList, "JO", "LI"),
              "Booked times for JO LI have changed.\r\nDo you wish to overwrite the current record? \r\n\r\n"
              "Click [ Yes ] to overwrite the current record or,\r\nClick [ No ] to save to a new record");
    EXPECT_EQ(QuestionText(Question::Times, AskedBy::Close, "JO", "LI"),
              "Booked times for JO LI have changed.\r\nOverwrite current bookings before you close? \r\n\r\n"
              "Click [ Yes ] to overwrite the current record or,\r\nClick [ No ] to save to a new record");
    EXPECT_EQ(NewBookingMadeText("JO", "LI", "MARCH", "2014"), "New Booking made for JO LI in MARCH 2014 Ok");
    EXPECT_EQ(DeleteQuestion("JO", "LI"), "This will DELETE this Booking for JO LI \r\nDo you wish to Proceed? ");
    EXPECT_EQ(UnsavedNewBookingQuestion("JO", "LIM"),
              "The NEW booking for JO LIM has not been saved.\r\nDo you wish to save it? ");
    EXPECT_EQ(ConflictQuestion("JO", "LI", "Mobile phone"),
              "The booking for JO LI was changed at another desk since you opened it:\r\nMobile phone\r\n"
              "Keep your changes?");
}
