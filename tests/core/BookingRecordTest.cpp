#include "core/desk/BookingRecord.h"
#include "core/desk/RegNo.h"

#include <gtest/gtest.h>

namespace {

std::string Cut(const std::string& line, std::size_t column, std::size_t width) {
    return line.substr(column - 1, width);
}

// The value padded with blanks to width, as a field stands in the line.
std::string Padded(const std::string& value, std::size_t width) {
    return value + std::string(width - value.size(), ' ');
}

// A booking line written out by hand, field by field, each followed by its
// separating blank.
const std::string Golden =
    "120631140509 " + Padded("Bartholomew Jame", 16) + " " + Padded("Lee", 18) + " M " + Padded("07700 900123", 16) +
    " " + Padded("AB12 CDE", 10) + " " + Padded("bart@example.org", 42) + " " + Padded("Mr", 6) + " " +
    Padded("REF-77", 16) + " " + Padded("12 Mill Lane", 32) + " " + Padded("Leeds", 18) + " " +
    Padded("West Yorkshire", 18) + " " + Padded("LS1 4AB", 10) + " " + Padded("0113 496 0000", 16) + " 01-02-1970 1  " +
    Padded("Salbutamol", 32) + " " + Padded("Inhaler<$c>as needed", 100) + " " + Padded("Mary Lee", 32) + " " +
    Padded("07700 900456", 16) + " " + Padded("0113 496 0001", 16) + " " + Padded("mary@example.org", 42) + " " +
    Padded("CONTRACTOR", 20) + " " + Padded("ENGINEERING", 24) + " " + Padded("Harwell Fixings", 50) + " 12  " +
    Padded("Unit 4, Canal Road", 64) + " " + Padded("0113 496 0100", 16) + " " + Padded("LS12 6AB", 10) + " " +
    Padded("0113 496 0199", 16) + " " + Padded("desk@harwell.example", 42) + " " + Padded("J. Hartley", 36) + " " +
    Padded("x2201", 16) + " " + Padded("p17", 16) + " " + Padded("Block C", 28) + " " + Padded("Boiler service", 38) +
    " " + Padded("Plant room", 38) + " 01-06-2012 07-06-2012 1W         31-05-2012 10:11:12 1" + std::string(70, ' ') +
    "0800    0915" + std::string(27 * 4, ' ') + "1745" + "   ";

BookingFields GoldenFields() {
    BookingFields rec;
    rec.RegNo = "120631140509";
    rec.FirstName = "Bartholomew James"; // one over its width
    rec.LastName = "Lee";
    rec.Gender = "M";
    rec.MobilePhone = "07700 900123";
    rec.CarRegistration = "AB12 CDE";
    rec.PersonalEmail = "bart@example.org";
    rec.Salutation = "Mr";
    rec.OurReference = "REF-77";
    rec.AddressLine = "12 Mill Lane";
    rec.Town = "Leeds";
    rec.County = "West Yorkshire";
    rec.PostCode = "LS1 4AB";
    rec.HomePhone = "0113 496 0000";
    rec.DateOfBirth = "01-02-1970";
    rec.OnPrescriptionMedicine = "1";
    rec.MedicineUsed = "Salbutamol";
    rec.PrescriptionNotes = "Inhaler\r\nas needed";
    rec.KinName = "Mary Lee";
    rec.KinPhone = "07700 900456";
    rec.KinWorkPhone = "0113 496 0001";
    rec.KinEmail = "mary@example.org";
    rec.Category = "CONTRACTOR";
    rec.Department = "ENGINEERING";
    rec.Organisation = "Harwell Fixings";
    rec.PartySize = "12";
    rec.OrganisationAddress = "Unit 4, Canal Road";
    rec.DirectDialPhone = "0113 496 0100";
    rec.OrganisationPostCode = "LS12 6AB";
    rec.AlternativePhone = "0113 496 0199";
    rec.OrganisationEmail = "desk@harwell.example";
    rec.ReportingTo = "J. Hartley";
    rec.HostPhone = "x2201";
    rec.HostPager = "p17";
    rec.Location = "Block C";
    rec.WorkDescription = "Boiler service";
    rec.AccessAreas = "Plant room";
    rec.PassStart = "01-06-2012";
    rec.PassEnd = "07-06-2012";
    rec.PassPeriod = "1W";
    rec.PassIssued = "31-05-2012 10:11:12";
    rec.PhotoOnFile = "1";
    rec.PassSummary = "not stored";
    rec.AdditionalInfo = "not stored";
    rec.Restrictions = "not stored";
    return rec;
}

} // namespace

TEST(BookingRecord, BuildsAndReadsTheLineWrittenOutByHand) {
    ASSERT_EQ(Golden.size(), 1186u);
    BookingFields rec = GoldenFields();
    TimeCellTexts cells;
    cells[0] = "08:00";
    cells[2] = " 09:15 ";
    cells[30] = "17:45";
    EXPECT_EQ(BuildBookingLine(rec, cells), Golden);
    EXPECT_EQ(rec.PrescriptionNotes, "Inhaler<$c>as needed"); // the caller's field holds the stored text

    BookingFields read;
    read.PassSummary = "kept";
    read.AdditionalInfo = "kept too";
    read.Restrictions = "and this";
    read.DayTimes[1] = "stale";
    ParseBookingLine(Golden, read);
    BookingFields expected = GoldenFields();
    expected.FirstName = "Bartholomew Jame";
    expected.PassSummary = "kept";
    expected.AdditionalInfo = "kept too";
    expected.Restrictions = "and this";
    for (int i = 0; i < BookingFields::FieldCount; ++i)
        EXPECT_EQ(read.Field(i), expected.Field(i)) << "field " << i;
    EXPECT_EQ(read.DayTimes[0], "0800");
    EXPECT_EQ(read.DayTimes[1], "");
    EXPECT_EQ(read.DayTimes[2], "0915");
    EXPECT_EQ(read.DayTimes[30], "1745");
    EXPECT_EQ(read.ArrivalTime + read.DepartureTime, "");

    // A number with a leading blank: read, changed and built again, every
    // field stays in its columns.
    const std::string shifted = " 26120511000" + Golden.substr(12);
    ParseBookingLine(shifted, read);
    EXPECT_EQ(read.RegNo, " 26120511000");
    EXPECT_EQ(LineKey(shifted), "26120511000");
    read.MobilePhone = "07700 900999";
    TimeCellTexts shown;
    for (std::size_t d = 0; d < shown.size(); ++d)
        shown[d] = read.DayTimes[d].empty() ? "" : read.DayTimes[d].substr(0, 2) + ":" + read.DayTimes[d].substr(2);
    std::string changed = shifted;
    changed.replace(51, 12, "07700 900999");
    EXPECT_EQ(BuildBookingLine(read, shown), changed);
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
