#include "core/passes/PassRules.h"
#include "core/passes/Code39.h"

#include <gtest/gtest.h>

using namespace Passes;

TEST(PassRules, ValidityByCountUnitAndStart) {
    const PassDate today{2014, 3, 1};
    struct Case {
        int count;
        Unit unit;
        PassDate start;
        const char* end;
        const char* period;
        const char* line;
    };
    const Case cases[] = {
        // A one-day pass starts today whatever start it is given, and ends tomorrow.
        {1, Unit::Day, {2014, 3, 20}, "02-03-2014", "1D", "DAY PASS  01 MAR 2014"},
        {2, Unit::Day, {2014, 3, 30}, "01-04-2014", "2D", "Valid Until:  01 APR 2014"},
        {2, Unit::Week, {2014, 3, 1}, "15-03-2014", "2W", "Valid Until:  15 MAR 2014"},
        {3, Unit::Week, {2014, 12, 20}, "10-01-2015", "3W", "Valid Until:  10 JAN 2015"},
        {1, Unit::Month, {2014, 1, 31}, "28-02-2014", "1M", "Valid Until:  28 FEB 2014"},
        {1, Unit::Month, {2016, 1, 31}, "29-02-2016", "1M", "Valid Until:  29 FEB 2016"},
        {6, Unit::Month, {2014, 8, 31}, "28-02-2015", "6M", "Valid Until:  28 FEB 2015"},
        {1, Unit::Week, {2027, 12, 28}, "04-01-2028", "1W", "Valid Until:  04 JAN 2028"},
        // The count is held within 1..6.
        {9, Unit::Day, {2014, 3, 1}, "07-03-2014", "6D", "Valid Until:  07 MAR 2014"},
        {0, Unit::Day, {2014, 3, 1}, "02-03-2014", "1D", "DAY PASS  01 MAR 2014"},
    };
    for (const Case& c : cases) {
        const Validity v = ComputeValidity(c.count, c.unit, c.start, today);
        EXPECT_EQ(v.endDate, c.end) << c.line;
        EXPECT_EQ(v.periodCode, c.period) << c.line;
        EXPECT_EQ(v.validityText, c.line);
    }
    EXPECT_EQ(CountFromText("THREE "), 3);
    EXPECT_EQ(CountFromText("SEVEN"), std::nullopt);
    EXPECT_EQ(UnitFromText(" Week "), Unit::Week);
    EXPECT_EQ(UnitFromText("week"), std::nullopt);
}

TEST(PassRules, DatesCompareAsYymmdd) {
    const PassDate today{2014, 3, 15};
    EXPECT_TRUE(IsBeforeToday("14-03-2014", today));
    EXPECT_TRUE(IsBeforeToday("31-12-2013", today));
    EXPECT_FALSE(IsBeforeToday("15-03-2014", today));
    EXPECT_FALSE(IsBeforeToday("01-01-2015", today));
    EXPECT_EQ(Yymmdd("07-03-2014"), 140307);
    EXPECT_EQ(ParseDate("29-02-2016"), (PassDate{2016, 2, 29}));
    for (const char* bad : {"29-02-2014", "1-3-2014", "31-04-2014", "aa-03-2014", ""})
        EXPECT_EQ(ParseDate(bad), std::nullopt) << bad;
    EXPECT_EQ(IssueStamp({2014, 3, 15, 9, 5, 0}), "15-03-2014 at 09:05");
}

TEST(PassRules, RevokeQuestionNamesThePeriod) {
    const struct {
        const char* period;
        const char* words;
    } periods[] = {{"1D", "1 Day"},  {"3w", "3 Weeks"},     {"2M", "2 Months"},
                   {"1W", "1 Week"}, {"5X", "[ Unknown ]"}, {"", "[ Unknown ]"}};
    for (const auto& p : periods)
        EXPECT_EQ(PeriodText(p.period), p.words) << p.period;

    const StoredPass pass{"Jo",         "Li",         "ACME LTD", "140315103000",
                          "15-03-2014", "05-04-2014", "3W",       "15-03-2014 at 10:30"};
    EXPECT_EQ(RevokeQuestion(pass), "This will REMOVE the pass record for Jo Li\r\n\r\n"
                                    "Start Date: 15-03-2014   Pass Ends: 05-04-2014\r\n"
                                    "Pass Issued: 15-03-2014 at 10:30 for 3 Weeks\r\n"
                                    "ACME LTD  [ 140315103000 ]\r\n\r\n"
                                    "Do you wish to proceed ?");
}

TEST(PassRules, Code39HasStartStopAndFourteenCharacters) {
    const Code39Symbol s = EncodeCode39("140315103000");
    // Each character is five bars; start and stop are added around the twelve.
    EXPECT_EQ(s.bars.size(), 14u * 5u);
    ASSERT_FALSE(s.bars.empty());
    EXPECT_EQ(s.bars.front().x, 0);
    EXPECT_DOUBLE_EQ(s.bars.back().x + s.bars.back().width, s.widthModules);
    EXPECT_TRUE(EncodeCode39("").bars.empty());
    EXPECT_TRUE(EncodeCode39("~").bars.empty());
}
