#include "core/desk/SearchFields.h"

#include "DeskFiles.h"

#include <gtest/gtest.h>

using namespace DeskFiles;
using SearchFields::Matcher;

namespace {

std::string Visitor(const std::string& regNo, const std::string& first, const std::string& last) {
    return LineOf({regNo, first, last});
}

std::string WithField(std::string line, std::size_t column, const std::string& value) {
    line.replace(column - 1, value.size(), value);
    return line;
}

} // namespace

TEST(Search, NameLooksAtFirstAndLastNameWithBlanksMadeOne) {
    const std::string john = Visitor("120601090000", "John", "SMITH");
    EXPECT_TRUE(Matcher("NAME", "smith").Matches(john));
    EXPECT_TRUE(Matcher("NAME", "john smith").Matches(john));
    EXPECT_TRUE(Matcher("NAME", "John   Smith").Matches(john));
    EXPECT_TRUE(Matcher("NAME", "John      Smith").Matches(john)); // already for the first line searched
    EXPECT_FALSE(Matcher("NAME", "Smith John").Matches(john));
    EXPECT_FALSE(Matcher("NAME", "Harwell").Matches(john)); // the organisation is no name
    EXPECT_EQ(SearchFields::NormaliseNameSearch("a     b  c d"), "a b c d");
    EXPECT_TRUE(Matcher("NAME", "\xE9lan").Matches(Visitor("120601090000", "\xC9LAN", "Noir"))); // Latin-1 É
}

TEST(Search, FieldsCoverTheirRunOfColumns) {
    std::string line = Visitor("160301090000", "Ann", "Lee");
    line = WithField(line, 687, "OX11 0QX");             // organisation's post code
    line = WithField(line, 715, "desk@harwell.example"); // organisation's e-mail
    line = WithField(line, 758, "Hartley");              // reporting to
    line = WithField(line, 812, "PAGER77");              // host pager
    line = WithField(line, Columns::DaySlot(9).column, "0930");
    for (const char* text : {"harwell fix", "ox11", "DESK@HARWELL"})
        EXPECT_TRUE(Matcher("ORGANISATION", text).Matches(line)) << text;
    EXPECT_FALSE(Matcher("ORGANISATION", "Hartley").Matches(line));
    EXPECT_FALSE(Matcher("ORGANISATION", "Ann").Matches(line));
    EXPECT_TRUE(Matcher("VISITING/REPORTING TO", "pager77").Matches(line));
    EXPECT_TRUE(Matcher("REPORTING TO", "hartley").Matches(line));
    EXPECT_FALSE(Matcher("DEPARTMENT", "visitor").Matches(line));
    EXPECT_TRUE(Matcher("CATEGORY", "visitor").Matches(line));

    // Any text: day slots and the registration too.
    EXPECT_TRUE(Matcher("ANY TEXT", "0930").Matches(line));
    EXPECT_TRUE(Matcher("ANY TEXT", "1603").Matches(line));
    EXPECT_FALSE(Matcher("ANY TEXT", "1604").Matches(line));
    EXPECT_FALSE(Matcher("SURNAME", "Lee").Matches(line));                       // no such key
    EXPECT_TRUE(Matcher("ANY TEXT", "zq").Matches(WithField(line, 1185, "zQ"))); // at the very end
    EXPECT_FALSE(Matcher("ANY TEXT", "zqx").Matches(WithField(line, 1185, "zQ")));
    EXPECT_TRUE(Matcher("NAME", "hartley").Matches(Visitor("120601090000", "hal", "HARTLEY")));
}

TEST(Search, CombosPromptsAndMessages) {
    const auto& keys = SearchFields::ListByKeys();
    EXPECT_EQ(keys[0], "ANY TEXT");
    EXPECT_EQ(keys[6], "VISITING/REPORTING TO");
    EXPECT_EQ(keys[9], "HOME ADDRESS");
    for (std::string_view key : keys)
        EXPECT_TRUE(SearchFields::PromptFor(key)) << key;
    EXPECT_EQ(*SearchFields::PromptFor("ANY TEXT"), "FIND TEXT IN ANY FIELD");
    EXPECT_EQ(*SearchFields::PromptFor("VISITING/REPORTING TO"), "FIND WHO A PERSON IS");
    EXPECT_FALSE(SearchFields::PromptFor("REPORTING TO"));
    EXPECT_EQ(SearchFields::ListByKeyOrAnyText("CATEGORY"), "CATEGORY");
    EXPECT_EQ(SearchFields::ListByKeyOrAnyText("category"), "ANY TEXT");
    EXPECT_EQ(SearchMessages::NothingFoundText("MARCH", "2016"), "No items have can be found for MARCH 2016");
}

TEST(Search, MonthFileGivesTheMatchingRowsOrNothingFound) {
    DataFolder data;
    // Lines ended by a lone CR, a lone LF and nothing.
    Write(data.month("1206"), LineOf({"120601090000", "John", "Smith", {{3, "14:00"}, {9, "09:30"}}}) + "\r" +
                                  LineOf({"120602090000", "Mary", "Smithers", {}, "01-06-2012", "07-06-2012"}) + "\n" +
                                  LineOf({"120603090000", "Ann", "Lee", {{4, "08:00"}}}));
    const Lists::ListResult found = Lists::BuildSearchList(data.month("1206"), " NAME ", " smith ");
    ASSERT_FALSE(found.error);
    ASSERT_EQ(found.list->RowCount(), 2);
    // Registration, names, pass start to end, and the time of the first booked day.
    auto shown = [&](int row) {
        std::string out, scratch;
        for (int col : {0, 1, 2, 7, 8, 9, 10, 11, 12})
            out += std::string(CellText(Lists::SearchList, *found.list, row, col, scratch)) + "|";
        return out;
    };
    EXPECT_EQ(shown(0), "120601090000|John|Smith|" + std::string(10, ' ') + "|" + std::string(19, ' ') + "| ||" +
                            std::string(10, ' ') + "|14:00|");
    EXPECT_EQ(shown(1), "120602090000|Mary|Smithers|01-06-2012|01-06-2012 09:00:00|1|Week|07-06-2012||");

    const Lists::ListResult none = Lists::BuildSearchList(data.month("1206"), "ANY TEXT", "zebra");
    EXPECT_EQ(none.error.number, 2000);
    EXPECT_EQ(none.list->RowCount(), 0);
    EXPECT_EQ(Lists::BuildSearchList(data.month("1207"), "ANY TEXT", "Lee").error.number, 53);
}
