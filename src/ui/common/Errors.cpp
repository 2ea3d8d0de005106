#include "ui/common/Errors.h"

#include "core/desk/MonthBookingFile.h"
#include "core/desk/SearchFields.h"
#include "platform/MsgBox.h"

#include <QWidget>

namespace Errors {

namespace {

const QString Title = QStringLiteral("Kestrane");
const QString NoBookingsText = QStringLiteral("No Visitor Bookings for this DATE have been found");

void caption(QWidget* window, const QString& text) {
    window->setWindowTitle(QStringLiteral("Brantholm Solutions Kestrane  [ ") + text + QStringLiteral(" ]"));
}

void box(QWidget* window, const QString& text, const QString& title, int icon = vb::vbExclamation) {
    window->unsetCursor();
    MsgBox(text, icon, title, window);
}

void listError(QWidget* window, const FileError& e, const QString& place) {
    window->unsetCursor();
    if (e.number == ErrorNumber::FileNotFound)
        box(window, NoBookingsText, Title);
    else
        caption(window, QStringLiteral("Error: %1 %2").arg(e.number + 2110).arg(place));
}

QString numbered(const QString& detail) {
    return detail.trimmed().isEmpty() ? QStringLiteral("The booking") : QStringLiteral("Booking ") + detail.trimmed();
}

void tell(QWidget* window, const QString& text, int style, const QString& title = Title) {
    MsgBox(text, style, title, window);
}

// "lead - Error n: the system's words"
QString withNumber(const QString& lead, const FileError& e) {
    return (lead + QStringLiteral(" - Error %1: %2")).arg(e.number).arg(SystemText(e));
}

bool missing(const FileError& e) {
    return e.number == ErrorNumber::FileNotFound || e.number == ErrorNumber::PathNotFound;
}

// What failed, then why, as a sentence of its own.
QString withReason(const QString& what, const QString& why) {
    return what + QStringLiteral("\r\n\r\n") + why.left(1).toUpper() + why.mid(1) + u'.';
}

// A bulk deletion in a month file: titled by the rule's first code, then
// what went wrong. A deletion that failed never reads as nothing found.
void deletion(QWidget* window, const FileError& e, int firstCode, const QString& noFileText, const QString& period) {
    const QString title = QStringLiteral("Kestrane %1");
    if (missing(e))
        tell(window, noFileText, vb::vbExclamation, title.arg(firstCode));
    else if (e.number == ErrorNumber::NothingFound)
        tell(window, QStringLiteral("No items to DELETE have been found for ") + period, vb::vbExclamation,
             title.arg(firstCode + 1));
    else
        tell(window,
             QStringLiteral("The Bookings for ") + period + QStringLiteral(" have NOT been deleted: ") + Reason(e) +
                 u'.',
             vb::vbExclamation, title.arg(firstCode + 2));
}

// Reason() speaks of writing where permission is refused; a read says so itself.
QString readReason(const FileError& e) {
    return e.number == ErrorNumber::PermissionDenied ? QStringLiteral("the file cannot be read (permission denied)")
                                                     : Reason(e);
}

// A photo library message: what failed, then why.
void photoFailure(QWidget* window, const QString& what, const QString& why, const QString& title = Title) {
    tell(window, withReason(what, why), vb::vbOKCancel | vb::vbExclamation, title);
}

void photoScan(QWidget* window, const FileError& e, const QString& code) {
    if (e.number == ErrorNumber::FileNotFound) {
        tell(window, QStringLiteral("No Photos have been found for the selected date"), vb::vbExclamation);
        return;
    }
    tell(window,
         QStringLiteral("An unexpected ERROR has occured in the Photo File system \r\nPlease report this to "
                        "Brantholm Solutions [ %1 ]")
             .arg(code),
         vb::vbCritical, QStringLiteral("Kestrane [ %1 ]").arg(code));
}

} // namespace

QString Reason(const FileError& e) {
    switch (e.number) {
    case ErrorNumber::FileNotFound:
        return QStringLiteral("the file cannot be found");
    case ErrorNumber::PathNotFound:
        return QStringLiteral("the data folder or its Record or Status folder cannot be found (is the network share "
                              "connected?)");
    case ErrorNumber::PermissionDenied:
        return QStringLiteral("the data folder cannot be written (permission denied or read-only)");
    case ErrorNumber::DiskFull:
        return QStringLiteral("the disk is full");
    case ErrorNumber::BookingNotFound:
        return QStringLiteral("the booking is no longer in its month file (it may have been deleted at another desk)");
    case ErrorNumber::FileBusy:
        return QStringLiteral("another program kept changing the file while it was being written (try again)");
    default:
        return QStringLiteral("error %1: %2").arg(e.number).arg(SystemText(e));
    }
}

QString SystemText(const FileError& e) {
    return QString::fromLocal8Bit(e.description.data(), static_cast<qsizetype>(e.description.size()));
}

void Report(QWidget* window, Place place, const FileError& e, const QString& detail) {
    if (!e)
        return;
    switch (place) {
    case Place::DayList:
        listError(window, e, QStringLiteral("in Select Day Record"));
        return;
    case Place::MonthList:
        listError(window, e, QStringLiteral("in Select Month Record"));
        return;
    case Place::OnSiteList:
        listError(window, e, QStringLiteral("in Day List"));
        return;
    case Place::SearchList:
        window->unsetCursor();
        if (e.number == ErrorNumber::NothingFound)
            box(window, detail, QString::fromLatin1(SearchMessages::NothingFoundTitle));
        else if (e.number == ErrorNumber::FileNotFound)
            box(window, QString::fromLatin1(SearchMessages::NoMonthFileText),
                QString::fromLatin1(SearchMessages::NoMonthFileTitle));
        else
            box(window, QString::fromLatin1(SearchMessages::OtherErrorText),
                QString::fromLatin1(SearchMessages::OtherErrorTitle));
        return;
    case Place::StatusBuild:
        window->unsetCursor();
        caption(window, QStringLiteral("Error: %1 Write List: today's status file was not written: %2")
                            .arg(e.number + 2120)
                            .arg(Reason(e)));
        return;
    case Place::StatusStamp:
        caption(window, QStringLiteral("Time NOT stored: ") + Reason(e));
        return;
    case Place::StatusRead:
        caption(window, QStringLiteral("Times NOT shown: today's status file could not be read: ") + readReason(e));
        return;
    case Place::PickLists:
        window->unsetCursor();
        if (e.number == ErrorNumber::FileNotFound)
            box(window, QStringLiteral("File Reading Error: Could not load the DL/INI Lists "),
                QStringLiteral("Brantholm Solutions [ LE-5-%1 ]").arg(e.number), vb::vbCritical);
        else
            caption(window, QStringLiteral("Error: %1 Reading INI File").arg(e.number));
        return;
    case Place::OpenBooking:
        // A booking gone from its month file, or with the whole file, since the list was made.
        if (e.number == ErrorNumber::BookingNotFound || e.number == ErrorNumber::FileNotFound)
            box(window,
                numbered(detail) + QStringLiteral(" has NOT been opened: ") +
                    Reason({ErrorNumber::BookingNotFound, {}}) + u'.',
                Title);
        else
            box(window, NoBookingsText, QStringLiteral("Kestrane [ DCE-6267] "));
        return;
    case Place::Save:
        box(window, QStringLiteral("The booking has NOT been saved: ") + Reason(e) + u'.', Title);
        return;
    case Place::Update:
        box(window, numbered(detail) + QStringLiteral(" has NOT been updated: ") + Reason(e) + u'.', Title);
        return;
    case Place::Delete:
        box(window, numbered(detail) + QStringLiteral(" has NOT been deleted: ") + Reason(e) + u'.', Title);
        return;

    case Place::PickListFile:
        tell(window, QStringLiteral("Could not load the DL/INI Lists FILE LOAD ERROR"), vb::vbCritical,
             QStringLiteral("Contact Brantholm and Quote [ LE-5-%1 ]").arg(e.number + 7800));
        return;
    case Place::PickListChange:
        tell(window, withNumber(QStringLiteral("The list could not be changed"), e), vb::vbCritical);
        return;
    case Place::SettingsSave:
        tell(window, withNumber(QStringLiteral("Kestrane settings could not be saved"), e), vb::vbCritical);
        return;
    case Place::PasswordSave:
        tell(window, withNumber(QStringLiteral("The new Password could not be saved"), e), vb::vbExclamation);
        return;
    case Place::PhotoFolder:
        tell(window, QStringLiteral("The photo folder %1 could not be made: %2").arg(detail, SystemText(e)),
             vb::vbInformation);
        return;
    case Place::PhotoSave:
        tell(window, QStringLiteral("The photo could not be saved as %1: %2").arg(detail, SystemText(e)),
             vb::vbInformation);
        return;
    case Place::VideoClip:
        tell(window, SystemText(e), vb::vbInformation);
        return;
    case Place::PhotoMonthFind:
        photoScan(window, e, QStringLiteral("PH-8161"));
        return;
    case Place::PhotoMonthList:
        photoScan(window, e, QStringLiteral("PH-8162"));
        return;
    case Place::PhotoYearFind:
    case Place::PhotoYearList:
        tell(window, QStringLiteral("Error in finding photos for the selected dates"), vb::vbExclamation,
             place == Place::PhotoYearFind ? QStringLiteral("Kestrane FP5565") : QStringLiteral("Kestrane FP5567"));
        return;
    case Place::PhotoAttach:
        photoFailure(window, QStringLiteral("Can't attach photo: The file may be locked by another application"),
                     Reason(e), QStringLiteral("Kestrane [ PH-8158 ]"));
        return;
    case Place::PhotoShow:
        photoFailure(window, QStringLiteral("Can't show photo: The booking could not be read"), readReason(e));
        return;
    case Place::PhotoRead:
        // A photo's month folder gone with it is as missing as the photo.
        photoFailure(window, QStringLiteral("Can't show photo: The photo file is missing or cannot be read"),
                     missing(e) ? QStringLiteral("the photo file cannot be found") : readReason(e));
        return;
    case Place::PhotoDelete:
        photoFailure(window, QStringLiteral("Can't delete photo: It may be locked or removed by another application"),
                     Reason(e));
        return;
    case Place::PhotoDeleteAll:
        if (detail.toInt() == 1)
            photoFailure(window, QStringLiteral("One Photo could not be deleted: It may be locked or already removed"),
                         Reason(e));
        else
            photoFailure(window,
                         detail + QStringLiteral(" items could not be deleted, these may be locked or already removed"),
                         QStringLiteral("the first of them: ") + Reason(e));
        return;
    case Place::EmptyMonth:
        if (missing(e))
            tell(window, QStringLiteral("No Visitor Records can be found for the DATE Specified"), vb::vbExclamation,
                 QStringLiteral("Kestrane 6225"));
        else
            tell(window,
                 withReason(QStringLiteral("An Error has occurred in trying to DELETE the records specified"),
                            Reason(e)),
                 vb::vbExclamation, QStringLiteral("Kestrane 6226"));
        return;
    case Place::DeleteInMonth:
        deletion(window, e, 6215, QStringLiteral("No Visitor Records exist for the DATE Specified"), detail);
        return;
    case Place::DeleteDay:
        deletion(window, e, 6125, QStringLiteral("No Visitor records Exist for the DAY Specified"), detail);
        return;
    case Place::DeleteOnDay:
        deletion(window, e, 6325, QStringLiteral("No Visitor records Exist for the DAY Specified"), detail);
        return;
    case Place::DeleteYear:
        if (e.number == ErrorNumber::NothingFound)
            tell(window, QStringLiteral("No Visitor records Found for the YEAR Specified"), vb::vbExclamation,
                 QStringLiteral("Kestrane 6525"));
        else
            tell(window, withReason(detail, Reason(e)), vb::vbExclamation, QStringLiteral("Kestrane 6527"));
        return;
    }
}

} // namespace Errors
