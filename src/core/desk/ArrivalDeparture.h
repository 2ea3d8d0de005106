#pragma once

#include "core/Clock.h"
#include "core/desk/ListMode.h"

#include <string>
#include <vector>

// What the On-Site and Off-Site buttons and the double-clicks on the two
// time labels do, given what the booking form shows. The window shows the
// outcome: the message, the label looks, and the times it then writes into
// today's status file.
namespace ArrivalDeparture {

inline constexpr const char* NoTime = "  -  ";
inline constexpr const char* MessageTitle = "Kestrane"; // exclamation icon, OK button
inline constexpr const char* NoBookingToArriveText = "Can't mark as ARRIVED: No booking has been created or saved!";
inline constexpr const char* NoBookingToDepartText = "Can't mark as DEPARTED: No booking has been created or saved!";

// Back colours (blue-green-red) of the labels; the undo rules test them.
inline constexpr long GreyBack = 0xF0F0F0;
inline constexpr long OnSiteBack = 0xFF;     // arrival label while on site
inline constexpr long DepartedBack = 0xFF00; // departure label once departed

enum class StatusLook { NotArrived, OnSite, Departed };

struct LabelLooks {
    long arrivalBackColour;
    long arrivalTextColour;
    bool arrivalEmphasised; // on together with the red look
    std::string arrivalCaption;
    long departureBackColour;
    std::string departureCaption;
};

// The two labels in a state, showing the given times.
LabelLooks LooksFor(StatusLook look, const std::string& arrivalTime, const std::string& departureTime);

// The booking form as a button finds it.
struct StampForm {
    bool readOnly = false; // ReadOnlyMode is "1"
    std::string regNoText;
    std::string firstName;
    std::string lastName;
    std::string arrivalCaption; // what the arrival label shows
};

enum class StampOutcome {
    ReadOnly,  // nothing happens
    NoBooking, // show message (exclamation, OK, MessageTitle), nothing more
    Refused,   // nothing happens, no message
    Stamped    // show look with the times, then write them into today's file
};

struct StampResult {
    StampOutcome outcome = StampOutcome::Refused;
    std::string message;
    StatusLook look = StatusLook::NotArrived;
    std::string arrivalTime;
    std::string departureTime;
};

// The labels of booking regNo (trimmed) from the lines of today's status
// file: the last line of the number counts; no line is not arrived.
LabelLooks LooksInStatusLines(const std::vector<std::string>& lines, const std::string& regNo);

// On-Site: a new arrival at now, any departure cleared.
StampResult MarkArrived(const StampForm& form, const LocalDateTime& now);
// Off-Site: a departure at now, only after an arrival.
StampResult MarkDeparted(const StampForm& form, const LocalDateTime& now);

enum class UndoOutcome { Ignored, Undone };

struct UndoResult {
    UndoOutcome outcome = UndoOutcome::Ignored;
    StatusLook look = StatusLook::NotArrived;
    std::string arrivalTime;
    std::string departureTime;
};

// Double-click on the arrival label: only while on site and the on-site list
// is shown; a departure has to be undone first.
UndoResult UndoArrival(bool readOnly, ListMode listMode, long arrivalBackColour, const std::string& departureTime);
// Double-click on the departure label: only once departed and while the
// on-site list is shown; the visitor is on site again.
UndoResult UndoDeparture(bool readOnly, ListMode listMode, long departureBackColour, const std::string& arrivalTime);

} // namespace ArrivalDeparture
