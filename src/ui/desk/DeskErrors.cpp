#include "ui/desk/DeskErrors.h"

#include "core/desk/MonthBookingFile.h"
#include "core/desk/SearchFields.h"
#include "platform/MsgBox.h"
#include "ui/desk/BookingBoxes.h"

#include <QWidget>

namespace DeskErrors {

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
        return QStringLiteral("error %1: %2").arg(e.number).arg(BookingBoxes::FromBytes(e.description));
    }
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
    case Place::PickLists:
        window->unsetCursor();
        if (e.number == ErrorNumber::FileNotFound)
            box(window, QStringLiteral("File Reading Error: Could not load the DL/INI Lists "),
                QStringLiteral("Brantholm Solutions [ LE-5-%1 ]").arg(e.number), vb::vbCritical);
        else
            caption(window, QStringLiteral("Error: %1 Reading INI File").arg(e.number));
        return;
    case Place::OpenBooking:
        if (e.number == ErrorNumber::FileNotFound)
            return; // a month file gone since the list was made: nothing to open
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
    }
}

} // namespace DeskErrors
