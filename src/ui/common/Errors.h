#pragma once

#include "core/FileError.h"

#include <QString>

class QWidget;

// The one way a file error of the desk reaches the user: each place shows it
// as the desk shows errors there (a message box, or the main window's
// caption), and stays silent only where the desk has nothing to tell.
namespace Errors {

enum class Place {
    DayList,     // caption "Error: n+2110 in Select Day Record"; no month file: a message
    MonthList,   // caption "Error: n+2110 in Select Month Record"; no month file: a message
    SearchList,  // messages "Kestrane 6725/6726/6727"; detail: the text for nothing found
    OnSiteList,  // caption "Error: n+2110 in Day List"; no status file: a message
    StatusBuild, // caption "Error: n+2120 Write List"
    StatusStamp, // caption: the time shown was not stored, and why
    PickLists,   // no pick-list file: a message; otherwise the caption
    OpenBooking, // no month file: silent; otherwise a message
    Save,        // a message; detail: the booking number when there is one
    Update,      // a message; detail: the booking number
    Delete,      // a message; detail: the booking number
};

// window is the desk's main window: its caption and the parent of the boxes.
void Report(QWidget* window, Place place, const FileError& error, const QString& detail = QString());

// The reason of an error in a few plain words.
QString Reason(const FileError& error);

// The error's description as the system words it, in the locale's encoding.
QString SystemText(const FileError& error);

} // namespace Errors
