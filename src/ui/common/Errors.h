#pragma once

#include "core/FileError.h"

#include <QString>

class QWidget;

// The one way a file error reaches the user: each place shows it as its
// window shows errors there (a message box, or the desk's caption), and stays
// silent only where there is nothing to tell.
namespace Errors {

enum class Place {
    // The desk's places.
    DayList,     // caption "Error: n+2110 in Select Day Record"; no month file: a message
    MonthList,   // caption "Error: n+2110 in Select Month Record"; no month file: a message
    SearchList,  // messages "Kestrane 6725/6726/6727"; detail: the text for nothing found
    OnSiteList,  // caption "Error: n+2110 in Day List"; no status file: a message
    StatusBuild, // caption "Error: n+2120 Write List"
    StatusStamp, // caption: the time shown was not stored, and why
    StatusRead,  // caption: the arrival and departure times are not shown, and why
    PickLists,   // no pick-list file: a message; otherwise the caption
    OpenBooking, // a message; detail: the booking number
    Save,        // a message; detail: the booking number when there is one
    Update,      // a message; detail: the booking number
    Delete,      // a message; detail: the booking number

    // The other windows' places, each a message.
    PickListFile,   // the pick-list file could not be read: "LE-5-n+7800"
    PickListChange, // the list editor could not change the pick-list file
    SettingsSave,   // the settings could not be stored
    PasswordSave,   // the new password could not be stored
    PhotoFolder,    // the month's photo folder could not be made; detail: its path
    PhotoSave,      // the photo taken could not be stored; detail: its path
    VideoClip,      // the camera's clip could not be saved
    PhotoMonthFind, // no photo folder for the month, or "PH-8161"
    PhotoMonthList, // no photo folder for the month, or "PH-8162"
    PhotoYearFind,  // "Kestrane FP5565"
    PhotoYearList,  // "Kestrane FP5567"
    PhotoAttach,    // "Kestrane [ PH-8158 ]", and why
    PhotoShow,      // the booking of a chosen photo could not be read, and why
    PhotoRead,      // the chosen booking's photo file is missing or cannot be read, and why
    PhotoDelete,    // the shown photo was not deleted, and why
    PhotoDeleteAll, // the listed photos not deleted; detail: how many; the error: the first's
    EmptyMonth,     // bulk deletion of a whole month: "Kestrane 6225/6226", the failure with its reason
    DeleteInMonth,  // bulk deletion of a month's matching bookings: "Kestrane 6215-6217"; detail: the period
    DeleteDay,      // bulk deletion of a day: "Kestrane 6125-6127"; detail: the period
    DeleteOnDay,    // bulk deletion of a day's matching bookings: "Kestrane 6325-6327"; detail: the period
    DeleteYear,     // bulk deletion of a year: "Kestrane 6525/6527"; detail: what was not deleted
};

// window: the window that reports, the parent of its boxes; for the desk's
// places the desk's main window, whose caption some of them use.
void Report(QWidget* window, Place place, const FileError& error, const QString& detail = QString());

// The reason of an error in a few plain words.
QString Reason(const FileError& error);

// The error's description as the system words it, in the locale's encoding.
QString SystemText(const FileError& error);

} // namespace Errors
