#include "core/desk/BookingRecord.h"
#include "core/desk/RegNo.h"

#include <gtest/gtest.h>

namespace {

std::string Cut(const std::string& line, std::size_t column, std::size_t width) {
    return line.substr(column - 1, width);
}

} // namespace

TEST(BookingRecord, EveryStoredFieldLandsInItsOwnColumnsAndReadsBack) {
    BookingFields rec;
    for (const BookingColumn& c : BookingColumns)
        rec.Field(c.field) = std::string(1, static_cast<char>('A' + c.field % 26)) + std::string(200, 'x');
    rec.PassSummary = "not stored";
    const std::string line = BuildBookingLine(rec, {});

    ASSERT_EQ(line.size(), BookingLineLength);
    std::string blanks(line.size(), ' ');
    for (const BookingColumn& c : BookingColumns) {
        EXPECT_EQ(Cut(line, c.span.column, c.span.width), rec.Field(c.field).substr(0, c.span.width))
            << "field " << c.field;
        blanks.replace(c.span.column - 1, c.span.width, c.span.width, '.');
    }
    // Everything outside the fields is blank: separators, status times, day slots, tail.
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (blanks[i] == ' ') {
            EXPECT_EQ(line[i], ' ') << "column " << i + 1;
        }
    }

    BookingFields read;
    read.PassSummary = "kept";
    read.AdditionalInfo = "kept too";
    read.Restrictions = "and this";
    ParseBookingLine(line, read);
    for (const BookingColumn& c : BookingColumns) {
        if (c.field != BookingFields::iPassPeriod) {
            EXPECT_EQ(read.Field(c.field), rec.Field(c.field).substr(0, c.span.width)) << "field " << c.field;
        }
    }
    EXPECT_EQ(read.PassPeriod, rec.PassPeriod.substr(0, 2)); // count digit and unit letter only
    EXPECT_EQ(read.PassSummary, "kept");
    EXPECT_EQ(read.AdditionalInfo, "kept too");
    EXPECT_EQ(read.Restrictions, "and this");
    EXPECT_EQ(read.ArrivalTime, "");
    EXPECT_EQ(read.DepartureTime, "");
}

TEST(BookingRecord, LongValuesAreCutAndTheLineStaysWhole) {
    BookingFields rec;
    rec.RegNo = "120631140509";
    rec.FirstName = "Bartholomewandrews"; // 18
    rec.FirstName += "XY";                // 20
    const std::string line = BuildBookingLine(rec, {});
    EXPECT_EQ(line.size(), 1186u);
    EXPECT_EQ(Cut(line, 14, 17), "Bartholomewandre ");

    BookingFields read;
    ParseBookingLine(line, read);
    EXPECT_EQ(read.FirstName, "Bartholomewandre");
    EXPECT_EQ(read.RegNo, "120631140509");
    EXPECT_EQ(LineKey(line), "120631140509");
}

TEST(BookingRecord, PrescriptionNotesKeepTheirLineBreaksAndNoOtherFieldBreaksTheLine) {
    BookingFields rec;
    rec.RegNo = "120631140509";
    rec.PrescriptionNotes = "a\r\nb\r\nc";
    rec.AddressLine = "1 High St\r\nLeeds";
    rec.Town = "York\n";
    const std::string line = BuildBookingLine(rec, {});
    EXPECT_EQ(rec.PrescriptionNotes, "a<$c>b<$c>c"); // the caller's field holds the stored text
    EXPECT_EQ(Cut(line, 293, 12), "a<$c>b<$c>c ");
    EXPECT_EQ(Cut(line, 147, 16), "1 High St  Leeds");
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(line.size(), 1186u);

    BookingFields read;
    ParseBookingLine(line, read);
    EXPECT_EQ(read.PrescriptionNotes, "a\r\nb\r\nc");
    EXPECT_EQ(DecodeLineBreaks("x<$C>y<$c"), "x\r\ny<$c");
}

TEST(BookingRecord, DaySlotsComeFromTheTimeCells) {
    BookingFields rec;
    rec.RegNo = "120631140509";
    TimeCellTexts cells;
    cells[2] = "09:15";
    cells[30] = "  17:45 ";
    const std::string line = BuildBookingLine(rec, cells);
    EXPECT_EQ(Cut(line, 1068, 4), "0915");
    EXPECT_EQ(Cut(line, 1064, 4), "    ");
    EXPECT_EQ(Cut(line, 1180, 4), "1745");

    BookingFields read;
    read.DayTimes[0] = "stale";
    ParseBookingLine(line, read);
    EXPECT_EQ(read.DayTimes[2], "0915");
    EXPECT_EQ(read.DayTimes[30], "1745");
    EXPECT_EQ(read.DayTimes[0], "");
}

TEST(BookingRecord, ShortLinesReadAsFarAsTheyGo) {
    BookingFields read;
    ParseBookingLine("1206311405", read);
    EXPECT_EQ(read.RegNo, "1206311405");
    EXPECT_EQ(read.FirstName, "");
    EXPECT_EQ(read.DayTimes[30], "");
    EXPECT_EQ(LineKey("  12 "), "12");
    EXPECT_EQ(LineKey(""), "");
    EXPECT_EQ(ColumnText("abc", 3, 5), "c");
    EXPECT_EQ(ColumnText("abc", 4, 5), "");
}

TEST(RegNo, IsBookedMonthThenCreationDayAndTime) {
    const LocalDateTime made{2012, 3, 31, 14, 5, 9};
    EXPECT_EQ(MakeRegNo(made, "2012", "06"), "120631140509");
    EXPECT_EQ(MakeRegNo(made, " 2013 ", "01"), "130131140509");
    EXPECT_EQ(MonthFileName("120631140509"), "1206.vrf");

    EXPECT_EQ(NextRegNo("120631140509"), "120631140510");
    EXPECT_EQ(NextRegNo("120631140559"), "120631140600");
    EXPECT_EQ(NextRegNo("120631145959"), "120631150000");
    EXPECT_EQ(NextRegNo("120631235959"), "120631000000");
}
