#include "core/Clock.h"
#include "core/ProgramState.h"
#include "core/desk/ListDate.h"
#include "core/desk/RecordState.h"
#include "core/desk/TimeGridRules.h"

#include <gtest/gtest.h>

TEST(RecordState, FirstNameSplitsRepeatedly) {
    auto split = BookingForm::SplitFirstName("Mary Ann");
    EXPECT_EQ(split.firstName, "Mary");
    EXPECT_EQ(split.lastName, "A");
    split = BookingForm::SplitFirstName("Jo S");
    EXPECT_EQ(split.firstName, "Jo");
    EXPECT_EQ(split.lastName, "S");
    // Blanks at position 1 or 2 of the trimmed text, or only around it, do not split.
    for (const char* text : {"A B", "  Jo  ", "Jo", ""}) {
        split = BookingForm::SplitFirstName(text);
        EXPECT_EQ(split.firstName, text);
        EXPECT_FALSE(split.lastName) << text;
    }
    split = BookingForm::SplitFirstName("A BC D");
    EXPECT_EQ(split.firstName, "A BC");
    EXPECT_EQ(split.lastName, "D");
}

TEST(RecordState, ChangeTestIgnoresUnstoredFieldsAndTimes) {
    ProgramState state;
    state.CurrentRecord.RegNo = "1403-0001";
    state.CurrentRecord.AdditionalInfo = "info";
    modFileManagement::SnapshotRecord(state);
    state.RecordChanged = true;
    state.CurrentRecord.PassSummary = "x";
    state.CurrentRecord.AdditionalInfo = "y";
    state.CurrentRecord.Restrictions = "z";
    state.CurrentRecord.DayTimes[4] = "0930";
    state.CurrentRecord.ArrivalTime = "09:31";
    modFileManagement::CheckRecordChanged(state);
    EXPECT_FALSE(state.RecordChanged);

    state.CurrentRecord.PassIssued = "Y";
    modFileManagement::CheckRecordChanged(state);
    EXPECT_TRUE(state.RecordChanged);
    state.CurrentRecord.PassIssued.clear();
    state.CurrentRecord.FirstName = "mary";
    state.RecordSnapshot.FirstName = "Mary";
    modFileManagement::CheckRecordChanged(state);
    EXPECT_TRUE(state.RecordChanged);
}

TEST(RecordState, ClearRecordKeepsNotesAndIsAChange) {
    ProgramState state;
    state.CurrentRecord.RegNo = "1403-0001";
    state.CurrentRecord.Category = "GUEST";
    state.CurrentRecord.PassIssued = "Y";
    state.CurrentRecord.AdditionalInfo = "info";
    state.CurrentRecord.Restrictions = "none";
    state.CurrentRecord.DayTimes[30] = "1700";
    state.CurrentRecord.DepartureTime = "17:05";
    modFileManagement::SnapshotRecord(state);
    modFileManagement::ClearRecord(state);

    const BookingFields& r = state.CurrentRecord;
    EXPECT_EQ(r.Category, "VISITOR");
    EXPECT_EQ(r.RegNo, "");
    EXPECT_EQ(r.PassIssued, "");
    EXPECT_EQ(r.AdditionalInfo, "info");
    EXPECT_EQ(r.Restrictions, "none");
    EXPECT_EQ(r.DayTimes[30], "");
    EXPECT_EQ(r.ArrivalTime, "  -  ");
    EXPECT_EQ(r.DepartureTime, "  -  ");
    EXPECT_EQ(state.RecordSnapshot.RegNo, "1403-0001");
    modFileManagement::CheckRecordChanged(state);
    EXPECT_TRUE(state.RecordChanged);
}

TEST(ListDate, MonthNumbersAndDayTexts) {
    EXPECT_EQ(ListDate::MonthNoFromName("JANUARY"), "01");
    EXPECT_EQ(ListDate::MonthNoFromName("sep"), "09");
    EXPECT_EQ(ListDate::MonthNoFromName("Decimal"), "12");
    EXPECT_FALSE(ListDate::MonthNoFromName("JU"));
    EXPECT_FALSE(ListDate::MonthNoFromName(" MARCH"));

    EXPECT_EQ(ListDate::DayEntries()[0], "--");
    EXPECT_EQ(ListDate::DayEntries()[1], "1st");
    EXPECT_EQ(ListDate::DayEntries()[12], "12th");
    EXPECT_EQ(ListDate::DayEntries()[23], "23rd");
    EXPECT_EQ(ListDate::DayEntries()[31], "31st");
    const std::pair<int, const char*> days[] = {{7, "07th"},  {22, "22nd"}, {3, "03rd"},
                                                {11, "11th"}, {12, "12th"}, {31, "31st"}};
    for (const auto& [day, text] : days)
        EXPECT_EQ(ListDate::DayText(day), text);
    Clock::Pin({2014, 3, 1});
    EXPECT_EQ(ListDate::TodayDayText(), "01st");
    Clock::Unpin();

    EXPECT_EQ(ListDate::ListDateText("7th", "03", "2014"), "7-03-2014");
    EXPECT_EQ(ListDate::ListDateText("--", "03", "2014"), "0-03-2014");
}

TEST(ListDate, Validation) {
    Clock::Pin({2014, 3, 15, 9, 0, 0}); // the desk's years run 2010..2024 in 2014
    using ListDate::ValidateSelectedDate;
    auto c = ValidateSelectedDate(31, "31st", "APRIL", "2014");
    EXPECT_EQ(c.message, "ATTENTION: Only [ 30 ] Days in the Month Selected");
    EXPECT_EQ(c.correctedDay, 30);
    EXPECT_FALSE(c.invalid);

    c = ValidateSelectedDate(29, "29th", "FEBRUARY", "2012");
    EXPECT_EQ(c.message, "");
    EXPECT_EQ(c.correctedDay, -1);
    EXPECT_FALSE(c.invalid);

    c = ValidateSelectedDate(29, "29th", "FEBRUARY", "2014");
    EXPECT_EQ(c.message, "ATTENTION: Only [ 28 ] Days in February 2014");
    EXPECT_EQ(c.correctedDay, 28);

    // A typed day beyond the month counts as well as the index.
    c = ValidateSelectedDate(-1, "40th", "MAY", "2018");
    EXPECT_EQ(c.message, "ATTENTION: Invalid DAY Entered for the Month Selected");
    EXPECT_EQ(c.correctedDay, 31);
    EXPECT_FALSE(c.invalid);

    c = ValidateSelectedDate(5, "5th", "MAY", "2025");
    EXPECT_EQ(c.message, "");
    EXPECT_EQ(c.yearMessage, "ATTENTION: No VALID Date selected - Try selecting again");
    EXPECT_TRUE(c.invalid);

    // A year that is no number still gets the February day check before the year is refused.
    c = ValidateSelectedDate(30, "30th", "FEBRUARY", "abc");
    EXPECT_EQ(c.message, "ATTENTION: Only [ 29 ] Days in February abc");
    EXPECT_EQ(c.correctedDay, 29);
    EXPECT_EQ(c.yearMessage, "ATTENTION: No VALID Date selected - Try selecting again");
    EXPECT_TRUE(c.invalid);

    c = ValidateSelectedDate(5, "5th", "Mars", "2025");
    EXPECT_EQ(c.message, "ATTENTION: No VALID Date selected - Try selecting again");
    EXPECT_EQ(c.yearMessage, "");
    EXPECT_TRUE(c.invalid);
    Clock::Unpin();
}

TEST(ListDate, TheCurrentYearIsNeverRefused) {
    Clock::Pin({2026, 12, 8, 9, 0, 0});
    EXPECT_EQ(ListDate::LastYear(), 2027);
    EXPECT_FALSE(ListDate::ValidateSelectedDate(8, "8th", "DECEMBER", "2026").invalid);
    EXPECT_TRUE(ListDate::ValidateSelectedDate(8, "8th", "DECEMBER", "2028").invalid);
    EXPECT_EQ(ListDate::StepMonthForward({15, 12, 2026}), (ListDate::CalendarDate{15, 1, 2027}));
    Clock::Pin({2014, 1, 1, 0, 0, 0});
    EXPECT_EQ(ListDate::LastYear(), 2024);
    Clock::Unpin();
}

TEST(ListDate, CalendarStepsWrapWithin2010To2024) {
    Clock::Pin({2014, 3, 15, 9, 0, 0});
    using ListDate::CalendarDate;
    EXPECT_EQ(ListDate::StepMonthBack({15, 1, 2010}), (CalendarDate{15, 12, 2010}));
    EXPECT_EQ(ListDate::StepMonthForward({15, 12, 2024}), (CalendarDate{15, 1, 2010}));
    EXPECT_EQ(ListDate::StepMonthBack({15, 1, 2015}), (CalendarDate{15, 12, 2014}));
    EXPECT_EQ(ListDate::StepMonthForward({31, 3, 2014}), (CalendarDate{31, 4, 2014}));
    EXPECT_EQ(ListDate::StepMonthForward({1, 12, 2014}), (CalendarDate{1, 1, 2015}));
    Clock::Unpin();
}

TEST(TimeGrid, RowsAndDayTexts) {
    using namespace TimeGridRules;
    EXPECT_EQ(RowsForMonth("MARCH", "2014"), 32);
    EXPECT_EQ(RowsForMonth("APRIL", "2014"), 31);
    EXPECT_EQ(RowsForMonth("FEBRUARY", "2012"), 30);
    EXPECT_EQ(RowsForMonth("FEBRUARY", "2000"), 30);
    EXPECT_EQ(RowsForMonth("FEBRUARY", "2100"), 29);
    EXPECT_EQ(RowsForMonth("FEBRUARY", "2014"), 29);
    EXPECT_EQ(RowsForMonth("Feb", "2012"), 32);

    EXPECT_EQ(DayNameOf(29, "FEBRUARY", "2012"), "  Wednesday");
    EXPECT_EQ(DayNameOf(1, "JANUARY", "2012"), "  Sunday");
    EXPECT_EQ(DayNameOf(31, "APRIL", "2014"), "");
    EXPECT_EQ(DayNameOf(1, "nothing", "2014"), "");

    // Non-leap February, today the 10th.
    auto texts = CurrentMonthDayTexts("FEBRUARY", "2014", 10);
    ASSERT_EQ(texts.size(), 28u);
    EXPECT_EQ(texts[0], "01  Saturday");
    EXPECT_EQ(texts[9], "** 10  Monday  **");
    EXPECT_EQ(ClosedRowCount(texts), 9);

    texts = CurrentMonthDayTexts("FEBRUARY", "2012", 29);
    ASSERT_EQ(texts.size(), 29u);
    EXPECT_EQ(texts[28], "29  Wednesday  **");
    EXPECT_EQ(ClosedRowCount(texts), 28);

    texts = CurrentMonthDayTexts("MARCH", "2014", 1);
    ASSERT_EQ(texts.size(), 31u);
    EXPECT_EQ(texts[0], "01  Saturday  **");
    EXPECT_EQ(ClosedRowCount(texts), 0);

    texts = CurrentMonthDayTexts("MARCH", "2014", 31);
    EXPECT_EQ(ClosedRowCount(texts), 30);

    texts = CurrentMonthDayTexts("MARS", "2014", 5);
    ASSERT_EQ(texts.size(), 31u);
    EXPECT_EQ(texts[4], "05");
    EXPECT_EQ(ClosedRowCount(texts), 31);

    texts = OtherMonthDayTexts("FEBRUARY", "2012");
    ASSERT_EQ(texts.size(), 29u);
    EXPECT_EQ(texts[28], "29  Wednesday");
    EXPECT_TRUE(OtherMonthDayTexts("MARS", "2014").empty());
}

TEST(TimeGrid, PastMonths) {
    using TimeGridRules::IsMonthPast;
    EXPECT_TRUE(IsMonthPast("02", "2012", 2014, 3));
    EXPECT_TRUE(IsMonthPast("02", "2014", 2014, 3));
    EXPECT_FALSE(IsMonthPast("03", "2014", 2014, 3));
    EXPECT_FALSE(IsMonthPast("01", "2015", 2014, 3));
}

TEST(TimeGrid, TypedKeys) {
    using TimeGridRules::ClassifyTypedKey;
    using TimeGridRules::TypedKey;
    for (int key : {8, 42, 44, 46, 47, 48, 57, 58, 59, 92})
        EXPECT_EQ(ClassifyTypedKey(key), TypedKey::Pass) << key;
    for (int key : {32, 97, 84, 60, 13, 0})
        EXPECT_EQ(ClassifyTypedKey(key), TypedKey::Drop) << key;
    EXPECT_EQ(ClassifyTypedKey(43), TypedKey::Book);
    EXPECT_EQ(ClassifyTypedKey(20), TypedKey::Book);
    EXPECT_EQ(ClassifyTypedKey(45), TypedKey::Remove);
}

TEST(TimeGrid, EditedTimes) {
    using namespace TimeGridRules;
    for (const char* typed :
         {"09:30", "09.30", "09 30", "09/30", "09,30", "09;30", "09\\30", "09-30", "09*30", " 09:30 "}) {
        const auto c = CheckTimeEntry(typed);
        EXPECT_EQ(c.text, "09:30") << typed;
        EXPECT_EQ(c.message, nullptr) << typed;
        EXPECT_FALSE(c.emptied) << typed;
    }
    for (const char* typed : {"0930", "9:30", "24:00", "09:60", "09:3/", "::::", "123456"}) {
        const auto c = CheckTimeEntry(typed);
        EXPECT_EQ(c.text, "") << typed;
        EXPECT_STREQ(c.message, "Can't Enter This:  Invalid Time Format") << typed;
        EXPECT_TRUE(c.emptied) << typed;
    }
    auto c = CheckTimeEntry("09830");
    EXPECT_EQ(c.text, "09830");
    EXPECT_STREQ(c.message, "Can't Enter This:  Incorrect Time Format");
    EXPECT_FALSE(c.emptied);
    c = CheckTimeEntry("   ");
    EXPECT_EQ(c.message, nullptr);
    EXPECT_FALSE(c.emptied);
}

TEST(TimeGrid, TimeChoices) {
    const auto& choices = TimeGridRules::TimeChoices();
    ASSERT_EQ(choices.size(), 33u);
    EXPECT_EQ(choices.front(), "09:00");
    EXPECT_EQ(choices[1], "09:15");
    EXPECT_EQ(choices.back(), "17:00");
}
