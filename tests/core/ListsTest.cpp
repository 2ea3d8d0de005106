#include "core/desk/DayList.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/MonthList.h"
#include "core/desk/OnSiteList.h"

#include "DeskFiles.h"

#include <cstdio>
#include <gtest/gtest.h>

using namespace DeskFiles;
using namespace Lists;

namespace {

std::string Pad(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string WithField(std::string line, ColumnSpan span, const std::string& value) {
    line.replace(span.column - 1, value.size(), value);
    return line;
}

// The cells of a row as the list shows them, joined by "|"; a cell in a
// colour other than black is followed by that colour, as "{808080}".
std::string Shown(const ListDescription& list, const ListResult& result, int row, int first = 0, int last = -1) {
    if (last < 0)
        last = static_cast<int>(list.columns.size()) - 1;
    std::string out, scratch;
    for (int c = first; c <= last; ++c) {
        out += c > first ? "|" : "";
        out += CellText(list, *result.list, row, c, scratch);
        if (const long colour = CellColour(list, *result.list, row, c)) {
            char text[16];
            std::snprintf(text, sizeof text, "{%lX}", colour);
            out += text;
        }
    }
    return out;
}

} // namespace

TEST(MonthList, OneRowPerBookedDayColouredByDate) {
    DataFolder data;
    std::string odd = LineOf({"120603090000", "Cy", "Odd"});
    odd.replace(Columns::DaySlot(4).column - 1, 4, " 9x ");
    Write(data.month("1206"),
          FileOf({LineOf({"120601090000", "Ann", "Lee", {{1, "09:15"}, {2, "10:00"}, {30, "16:45"}}}),
                  LineOf({"120602090000", "Bo", "PassOnly", {}, "01-06-2012", "30-06-2012"}), odd}));
    ListResult month = BuildMonthList(data.month("1206"), "1206", {2012, 6, 2, 12, 0, 0});
    ASSERT_FALSE(month.error);
    ASSERT_EQ(month.list->RowCount(), 4);
    const std::string grey = "{808080}";
    std::string expected = "120601090000";
    for (const std::string& cell :
         std::vector<std::string>{"Ann", "Lee", Pad("Harwell Fixings", 50), std::string("01"), std::string("09:15"),
                                  Pad("VISITOR", 20), std::string(), Pad("", 16), Pad("", 10), Pad("", 19), Pad("", 1),
                                  std::string(), Pad("", 10), Pad("", 10), Pad("", 36), Pad("STORES", 24), Pad("", 16)})
        expected += "|" + cell + grey;
    EXPECT_EQ(Shown(MonthList, month, 0), expected + "|");
    EXPECT_EQ(Shown(MonthList, month, 1, 0, 5), "120601090000|Ann{A00000}|Lee{A00000}|" + Pad("Harwell Fixings", 50) +
                                                    "{A00000}|02{A00000}|10:00{A00000}");
    EXPECT_EQ(Shown(MonthList, month, 2, 4, 5), "30|16:45"); // after today: black
    // Anything non-blank in a slot is a booked day.
    EXPECT_EQ(Shown(MonthList, month, 3, 0, 5), "120603090000|Cy|Odd|" + Pad("Harwell Fixings", 50) + "|04| 9:x ");

    // A month seen from the next year is all in the past; from the year before, all ahead.
    month = BuildMonthList(data.month("1206"), "1206", {2013, 1, 1, 0, 0, 0});
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(CellColour(MonthList, *month.list, r, 17), 0x808080);
    month = BuildMonthList(data.month("1206"), "1206", {2011, 12, 31, 0, 0, 0});
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(CellColour(MonthList, *month.list, r, 17), 0);

    EXPECT_EQ(BuildMonthList(data.month("1207"), "1207", {2012, 6, 2, 12, 0, 0}).error.number, 53);
    month = BuildMonthList(data.root + "/none/1207.vrf", "1207", {2012, 6, 2, 12, 0, 0});
    EXPECT_EQ(month.error.number, 76);
    EXPECT_EQ(month.list->RowCount(), 0);
}

TEST(DayList, ListsBookingsTimedOnTheDayOrWithAPassCoveringIt) {
    DataFolder data;
    auto line = [](const std::string& regNo, int day, const std::string& from, const std::string& to,
                   const std::string& period) {
        return WithField(LineOf({regNo, "Ann", regNo.substr(10), {{day, "09:30"}}, from, to}), Columns::PassPeriod,
                         Pad(period, 10));
    };
    Write(data.month("2403"),
          FileOf({line("240301100001", 7, "", "", ""), line("240301100002", 1, "05-03-2024", "07-03-2024", "3D"),
                  line("240301100003", 8, "01-03-2024", "06-03-2024", "1W"),
                  line("240301100004", 2, "07-03-2024", "13-03-2024", "1W")}));
    const ListResult day = BuildDayList(data.month("2403"), 7, "07-03-2024");
    ASSERT_FALSE(day.error);
    ASSERT_EQ(day.list->RowCount(), 3);
    EXPECT_EQ(Shown(DayList, day, 0), "240301100001|Ann|01|" + Pad("Harwell Fixings", 50) + "|" + Pad("VISITOR", 20) +
                                          "||" + Pad("", 16) + "|09:30|" + Pad("", 10) + "|" + Pad("", 19) + "| ||" +
                                          Pad("", 10) + "|" + Pad("", 10) + "|" + Pad("", 36) + "|" +
                                          Pad("STORES", 24) + "|" + Pad("", 16) + "|");
    // Listed for its pass alone: four blanks for a time.
    EXPECT_EQ(Shown(DayList, day, 1, 7, 12), "    |05-03-2024|05-03-2024 09:00:00|3|Day|07-03-2024");
    EXPECT_EQ(Shown(DayList, day, 2, 0, 0) + Shown(DayList, day, 2, 7, 11),
              "240301100004    |07-03-2024|" + std::string("07-03-2024 09:00:00|1|Week"));
    EXPECT_EQ(BuildDayList(data.month("2404"), 7, "07-04-2024").error.number, 53);
}

TEST(OnSiteList, ShowsTodaysExpectedTimesAndColoursTheStamps) {
    DataFolder data;
    const LocalDateTime today{2012, 6, 15, 10, 30, 0};
    auto status = [](const Booking& b, const char* arrival, const char* departure) {
        std::string line = LineOf(b);
        DayStatus::SetTimes(line, arrival, departure);
        return line;
    };
    const std::string path = DayStatus::FilePath(data.root, today);
    Write(path, FileOf({status({"120601090000", "Ann", "Lee", {{15, "09:15"}}}, "  -  ", "  -  "),
                        status({"120602090000", "Bo", "Ray", {{15, "09:15"}}}, "10:15", "  -  "),
                        status({"120603090000", "Cy", "Day", {}, "10-06-2012", "20-06-2012"}, "10:15", "11:00"),
                        status({"120604090000", "Di", "Ames", {}}, "10:15", "09:00"),
                        status({"120605090000", "Ed", "Ng", {}}, "00:00", "11:00"),
                        status({"120501090000", "Flo", "Hart", {{15, "08:00"}}, "01-05-2012", "30-06-2012"}, "     ",
                               "     ")}));
    const ListResult onSite = BuildOnSiteList(path, today);
    ASSERT_FALSE(onSite.error);
    std::vector<std::string> shown; // Expected | Arrived | Departed
    for (int r = 0; r < onSite.list->RowCount(); ++r)
        shown.push_back(Shown(OnSiteList, onSite, r, 5, 7));
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "09:15|  -  |  -  ", "09:15|10:15{FF}|  -  ", "  -  |10:15{808080}|11:00{8000}",
                         "  -  |10:15{FF}|09:00", // departure before arrival: still on site
                         "  -  |  -  |  -  ",     // midnight counts as no arrival
                         "  -  |  -  |  -  ",     // a pass holder of another month is not expected
                     }));
    EXPECT_EQ(Shown(OnSiteList, onSite, 2), "120603090000|Cy|Day|" + Pad("Harwell Fixings", 50) + "|" +
                                                Pad("VISITOR", 20) + "|  -  |10:15{808080}|11:00{8000}|10-06-2012|" +
                                                "10-06-2012 09:00:00|1|Week|20-06-2012||" + Pad("", 16) + "|" +
                                                Pad("", 10) + "|" + Pad("", 36) + "|" + Pad("STORES", 24) + "|" +
                                                Pad("", 16) + "|");

    const ListResult missing = BuildOnSiteList(data.root + "/Status/999999.vdf", today);
    EXPECT_EQ(missing.error.number, 53);
    EXPECT_EQ(missing.list->RowCount(), 0);
}
