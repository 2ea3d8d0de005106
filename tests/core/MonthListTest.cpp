#include "core/desk/MonthList.h"

#include "DeskFiles.h"

#include <gtest/gtest.h>

using namespace DeskFiles;

TEST(MonthList, OneRowPerBookedDayColouredByDate) {
    DataFolder data;
    std::string odd = LineOf({"120603090000", "Cy", "Odd"});
    odd.replace(DaySlotColumn(4) - 1, 4, " 9x ");
    Write(data.month("1206"),
          FileOf({LineOf({"120601090000", "Ann", "Lee", {{1, "09:15"}, {2, "10:00"}, {30, "16:45"}}}),
                  LineOf({"120602090000", "Bo", "PassOnly", {}, "01-06-2012", "30-06-2012"}), odd}));
    std::vector<MonthListRow> rows;
    ASSERT_FALSE(ReadMonthListRows(data.month("1206"), "1206", {2012, 6, 2, 12, 0, 0}, rows));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].RegNo, "120601090000");
    EXPECT_EQ(rows[2].RegNo, "120601090000");
    EXPECT_EQ(rows[0].Day + rows[1].Day + rows[2].Day, "010230");
    EXPECT_EQ(rows[0].Expected, "09:15");
    EXPECT_EQ(rows[2].Expected, "16:45");
    EXPECT_EQ(rows[0].Colour, 0x808080);
    EXPECT_EQ(rows[1].Colour, 0xA00000);
    EXPECT_EQ(rows[2].Colour, 0);
    EXPECT_EQ(rows[0].LastName, "Lee");
    EXPECT_EQ(rows[0].Category, "VISITOR" + std::string(13, ' '));
    EXPECT_EQ(rows[3].Day, "04"); // anything non-blank in a slot is a booked day
    EXPECT_EQ(rows[3].Expected, " 9:x ");

    // A month seen from the next year is all in the past; from the year before, all ahead.
    ASSERT_FALSE(ReadMonthListRows(data.month("1206"), "1206", {2013, 1, 1, 0, 0, 0}, rows));
    for (const MonthListRow& row : rows)
        EXPECT_EQ(row.Colour, 0x808080);
    ASSERT_FALSE(ReadMonthListRows(data.month("1206"), "1206", {2011, 12, 31, 0, 0, 0}, rows));
    for (const MonthListRow& row : rows)
        EXPECT_EQ(row.Colour, 0);

    EXPECT_EQ(ReadMonthListRows(data.month("1207"), "1207", {2012, 6, 2, 12, 0, 0}, rows).number, 53);
    EXPECT_EQ(ReadMonthListRows(data.root + "/none/1207.vrf", "1207", {2012, 6, 2, 12, 0, 0}, rows).number, 76);
    EXPECT_TRUE(rows.empty());
}
