#pragma once

#include "core/desk/CurrentRecord.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// One booking as a fixed-column line of a month booking file: 1186 bytes,
// every field left-aligned and blank-padded in its own columns (1-based).
inline constexpr std::size_t BookingLineLength = 1186;

struct BookingColumn {
    int field; // BookingFields index
    std::size_t column;
    std::size_t width;
};

inline constexpr std::array<BookingColumn, 42> BookingColumns{{
    {BookingFields::iRegNo, 1, 12},
    {BookingFields::iFirstName, 14, 16},
    {BookingFields::iLastName, 31, 18},
    {BookingFields::iGender, 50, 1},
    {BookingFields::iMobilePhone, 52, 16},
    {BookingFields::iCarRegistration, 69, 10},
    {BookingFields::iPersonalEmail, 80, 42},
    {BookingFields::iSalutation, 123, 6},
    {BookingFields::iOurReference, 130, 16},
    {BookingFields::iAddressLine, 147, 32},
    {BookingFields::iTown, 180, 18},
    {BookingFields::iCounty, 199, 18},
    {BookingFields::iPostCode, 218, 10},
    {BookingFields::iHomePhone, 229, 16},
    {BookingFields::iDateOfBirth, 246, 10},
    {BookingFields::iOnPrescriptionMedicine, 257, 2},
    {BookingFields::iMedicineUsed, 260, 32},
    {BookingFields::iPrescriptionNotes, 293, 100},
    {BookingFields::iKinName, 394, 32},
    {BookingFields::iKinPhone, 427, 16},
    {BookingFields::iKinWorkPhone, 444, 16},
    {BookingFields::iKinEmail, 461, 42},
    {BookingFields::iCategory, 504, 20},
    {BookingFields::iDepartment, 525, 24},
    {BookingFields::iOrganisation, 550, 50},
    {BookingFields::iPartySize, 601, 3},
    {BookingFields::iOrganisationAddress, 605, 64},
    {BookingFields::iDirectDialPhone, 670, 16},
    {BookingFields::iOrganisationPostCode, 687, 10},
    {BookingFields::iAlternativePhone, 698, 16},
    {BookingFields::iOrganisationEmail, 715, 42},
    {BookingFields::iReportingTo, 758, 36},
    {BookingFields::iHostPhone, 795, 16},
    {BookingFields::iHostPager, 812, 16},
    {BookingFields::iLocation, 829, 28},
    {BookingFields::iWorkDescription, 858, 38},
    {BookingFields::iAccessAreas, 897, 38},
    {BookingFields::iPassStart, 936, 10},
    {BookingFields::iPassEnd, 947, 10},
    {BookingFields::iPassPeriod, 958, 10},
    {BookingFields::iPassIssued, 969, 19},
    {BookingFields::iPhotoOnFile, 989, 1},
}};

// Columns used only by the day status file; blank in a month file.
inline constexpr std::size_t ArrivalTimeColumn = 991;
inline constexpr std::size_t DepartureTimeColumn = 996;
inline constexpr std::size_t StatusTimeWidth = 5;

// The booked time "hhmm" of day 1..31.
inline constexpr std::size_t DaySlotWidth = 4;
inline constexpr std::size_t DaySlotColumn(int day) {
    return 1060 + DaySlotWidth * static_cast<std::size_t>(day - 1);
}

// The texts of the time grid's day rows, entry d-1 for day d ("hh:mm" or empty).
using TimeCellTexts = std::array<std::string, BookingFields::DayCount>;

// Line breaks in prescription notes are kept inside the line as "<$c>".
inline constexpr std::string_view StoredLineBreak = "<$c>";
std::string EncodeLineBreaks(std::string_view text);
std::string DecodeLineBreaks(std::string_view text); // "<$c>" in any letter case

// Builds the line of rec with the booked times of timeCellTexts. The
// prescription notes of rec are left encoded, as they are stored. Longer
// values are cut to their width without notice; a CR or LF left in any field
// becomes a blank, so the line never breaks in two.
std::string BuildBookingLine(BookingFields& rec, const TimeCellTexts& timeCellTexts);

// Fills the stored fields, DayTimes, ArrivalTime and DepartureTime of out from
// line; PassSummary, AdditionalInfo and Restrictions keep their values. A short
// line leaves the missing fields empty.
void ParseBookingLine(std::string_view line, BookingFields& out);

// The key of a line: characters 1-12 trimmed (the booking number).
std::string LineKey(std::string_view line);

// Characters column..column+width-1 of line (1-based), shorter or empty where
// the line ends early.
std::string_view ColumnText(std::string_view line, std::size_t column, std::size_t width);
std::string TrimmedColumn(std::string_view line, std::size_t column, std::size_t width);
