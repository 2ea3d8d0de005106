#pragma once

#include "core/desk/CurrentRecord.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// One booking as a fixed-column line of a month booking file: 1186 bytes,
// every field left-aligned and blank-padded in its own columns (1-based).
inline constexpr std::size_t BookingLineLength = 1186;

// Where a field stands in the line: its first column (1-based) and width.
struct ColumnSpan {
    std::size_t column;
    std::size_t width;
};

// The columns of the booking line, named once; everything else reads and
// writes a line through these names.
namespace Columns {
inline constexpr ColumnSpan RegNo{1, 12};
inline constexpr ColumnSpan FirstName{14, 16};
inline constexpr ColumnSpan LastName{31, 18};
inline constexpr ColumnSpan Gender{50, 1};
inline constexpr ColumnSpan MobilePhone{52, 16};
inline constexpr ColumnSpan CarRegistration{69, 10};
inline constexpr ColumnSpan PersonalEmail{80, 42};
inline constexpr ColumnSpan Salutation{123, 6};
inline constexpr ColumnSpan OurReference{130, 16};
inline constexpr ColumnSpan AddressLine{147, 32};
inline constexpr ColumnSpan Town{180, 18};
inline constexpr ColumnSpan County{199, 18};
inline constexpr ColumnSpan PostCode{218, 10};
inline constexpr ColumnSpan HomePhone{229, 16};
inline constexpr ColumnSpan DateOfBirth{246, 10};
inline constexpr ColumnSpan OnPrescriptionMedicine{257, 2};
inline constexpr ColumnSpan MedicineUsed{260, 32};
inline constexpr ColumnSpan PrescriptionNotes{293, 100};
inline constexpr ColumnSpan KinName{394, 32};
inline constexpr ColumnSpan KinPhone{427, 16};
inline constexpr ColumnSpan KinWorkPhone{444, 16};
inline constexpr ColumnSpan KinEmail{461, 42};
inline constexpr ColumnSpan Category{504, 20};
inline constexpr ColumnSpan Department{525, 24};
inline constexpr ColumnSpan Organisation{550, 50};
inline constexpr ColumnSpan PartySize{601, 3};
inline constexpr ColumnSpan OrganisationAddress{605, 64};
inline constexpr ColumnSpan DirectDialPhone{670, 16};
inline constexpr ColumnSpan OrganisationPostCode{687, 10};
inline constexpr ColumnSpan AlternativePhone{698, 16};
inline constexpr ColumnSpan OrganisationEmail{715, 42};
inline constexpr ColumnSpan ReportingTo{758, 36};
inline constexpr ColumnSpan HostPhone{795, 16};
inline constexpr ColumnSpan HostPager{812, 16};
inline constexpr ColumnSpan Location{829, 28};
inline constexpr ColumnSpan WorkDescription{858, 38};
inline constexpr ColumnSpan AccessAreas{897, 38};
inline constexpr ColumnSpan PassStart{936, 10};
inline constexpr ColumnSpan PassEnd{947, 10};
inline constexpr ColumnSpan PassPeriod{958, 10};
inline constexpr ColumnSpan PassLength{958, 1}; // the count digit of the period
inline constexpr ColumnSpan PassUnit{959, 1};   // its unit letter: D, W or M
inline constexpr ColumnSpan PassIssued{969, 19};
inline constexpr ColumnSpan PassFields{936, 52}; // PassStart to PassIssued
inline constexpr ColumnSpan PhotoOnFile{989, 1};
// Used only by the day status file; blank in a month file.
inline constexpr ColumnSpan ArrivalTime{991, 5};
inline constexpr ColumnSpan DepartureTime{996, 5};
// The booked time "hhmm" of day 1..31.
inline constexpr std::size_t DaySlotWidth = 4;
inline constexpr ColumnSpan DaySlot(int day) {
    return {1060 + DaySlotWidth * static_cast<std::size_t>(day - 1), DaySlotWidth};
}
inline constexpr ColumnSpan DaySlots{1060, 31 * DaySlotWidth};
} // namespace Columns

struct BookingColumn {
    int field; // BookingFields index
    ColumnSpan span;
};

inline constexpr std::array<BookingColumn, 42> BookingColumns{{
    {BookingFields::iRegNo, Columns::RegNo},
    {BookingFields::iFirstName, Columns::FirstName},
    {BookingFields::iLastName, Columns::LastName},
    {BookingFields::iGender, Columns::Gender},
    {BookingFields::iMobilePhone, Columns::MobilePhone},
    {BookingFields::iCarRegistration, Columns::CarRegistration},
    {BookingFields::iPersonalEmail, Columns::PersonalEmail},
    {BookingFields::iSalutation, Columns::Salutation},
    {BookingFields::iOurReference, Columns::OurReference},
    {BookingFields::iAddressLine, Columns::AddressLine},
    {BookingFields::iTown, Columns::Town},
    {BookingFields::iCounty, Columns::County},
    {BookingFields::iPostCode, Columns::PostCode},
    {BookingFields::iHomePhone, Columns::HomePhone},
    {BookingFields::iDateOfBirth, Columns::DateOfBirth},
    {BookingFields::iOnPrescriptionMedicine, Columns::OnPrescriptionMedicine},
    {BookingFields::iMedicineUsed, Columns::MedicineUsed},
    {BookingFields::iPrescriptionNotes, Columns::PrescriptionNotes},
    {BookingFields::iKinName, Columns::KinName},
    {BookingFields::iKinPhone, Columns::KinPhone},
    {BookingFields::iKinWorkPhone, Columns::KinWorkPhone},
    {BookingFields::iKinEmail, Columns::KinEmail},
    {BookingFields::iCategory, Columns::Category},
    {BookingFields::iDepartment, Columns::Department},
    {BookingFields::iOrganisation, Columns::Organisation},
    {BookingFields::iPartySize, Columns::PartySize},
    {BookingFields::iOrganisationAddress, Columns::OrganisationAddress},
    {BookingFields::iDirectDialPhone, Columns::DirectDialPhone},
    {BookingFields::iOrganisationPostCode, Columns::OrganisationPostCode},
    {BookingFields::iAlternativePhone, Columns::AlternativePhone},
    {BookingFields::iOrganisationEmail, Columns::OrganisationEmail},
    {BookingFields::iReportingTo, Columns::ReportingTo},
    {BookingFields::iHostPhone, Columns::HostPhone},
    {BookingFields::iHostPager, Columns::HostPager},
    {BookingFields::iLocation, Columns::Location},
    {BookingFields::iWorkDescription, Columns::WorkDescription},
    {BookingFields::iAccessAreas, Columns::AccessAreas},
    {BookingFields::iPassStart, Columns::PassStart},
    {BookingFields::iPassEnd, Columns::PassEnd},
    {BookingFields::iPassPeriod, Columns::PassPeriod},
    {BookingFields::iPassIssued, Columns::PassIssued},
    {BookingFields::iPhotoOnFile, Columns::PhotoOnFile},
}};

// The texts of the time grid's day rows, entry d-1 for day d ("hh:mm" or empty).
using TimeCellTexts = std::array<std::string, BookingFields::DayCount>;

// Line breaks in prescription notes are kept inside the line as "<$c>".
inline constexpr std::string_view StoredLineBreak = "<$c>";
std::string EncodeLineBreaks(std::string_view text);
std::string DecodeLineBreaks(std::string_view text); // "<$c>" in any letter case

// Builds the line of rec with the booked times of timeCellTexts. The
// prescription notes of rec are left encoded, as they are stored. Every value
// stands in its own columns, leading blanks included; longer values are cut to
// their width without notice; a CR or LF left in any field becomes a blank, so
// the line never breaks in two.
std::string BuildBookingLine(BookingFields& rec, const TimeCellTexts& timeCellTexts);

// Fills the stored fields, DayTimes, ArrivalTime and DepartureTime of out from
// line; PassSummary, AdditionalInfo and Restrictions keep their values. A short
// line leaves the missing fields empty.
void ParseBookingLine(std::string_view line, BookingFields& out);

// A day slot "hhmm" as the time "hh:mm": its first two characters, ":", its
// last two (of a slot cut short, what there is).
std::string SlotAsTime(std::string_view slot);
// A time "hh:mm" as the day slot "hhmm": its first two characters and its
// last two (of a time cut short, what there is).
std::string TimeAsSlot(std::string_view time);

// The key of a line: characters 1-12 trimmed (the booking number).
std::string LineKey(std::string_view line);

// Characters column..column+width-1 of line (1-based), shorter or empty where
// the line ends early.
std::string_view ColumnText(std::string_view line, std::size_t column, std::size_t width);
std::string TrimmedColumn(std::string_view line, std::size_t column, std::size_t width);
inline std::string_view ColumnText(std::string_view line, ColumnSpan span) {
    return ColumnText(line, span.column, span.width);
}
inline std::string TrimmedColumn(std::string_view line, ColumnSpan span) {
    return TrimmedColumn(line, span.column, span.width);
}
