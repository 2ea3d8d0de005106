// The month list, the search list, "today", and printing whichever list is shown.
#include "ui/desk/frmMain.h"

#include "ui/desk/BookingBoxes.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/ListDate.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/MonthList.h"
#include "core/desk/SearchFields.h"
#include "platform/Grid.h"
#include "platform/MsgBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// --- Month list ------------------------------------------------------------------------

void frmMain::cmdGetTom_Click() {
    state_.HelpTopic = 21;
    ListMonthBookings();
}

void frmMain::cmdGetToday_Click() {
    state_.HelpTopic = 20;
    const LocalDateTime today = Clock::Now();
    CBGetDay->setCurrentIndex(today.day);
    CBGetMonth->setEditText(QString::fromStdString(ListDate::MonthNames()[today.month - 1]));
    CBGetYear->setEditText(QString::number(today.year));
    ListDayBookings();
}

void frmMain::ListMonthBookings() {
    SetComboTextColour(CBGetDay, 0xA0A0A0);
    ValidateSelectedDate();
    if (InvalidDate_)
        return;
    setCursor(Qt::WaitCursor);
    cmdIN->setEnabled(false);
    cmdOUT->setEnabled(false);
    StatGrid->setReadOnly(true);
    state_.ListMode = 2;
    static const ListColumn columns[18] = {{"Registration", 100, 10}, {"First Name", 100, 6},   {"Last Name", 100, 6},
                                           {"Organisation", 180, 6},  {"Day", 45, 10},          {"Expected", 60, 10},
                                           {"Category", 140, 6},      {"Party", 45, 10},        {"Telephone", 110, 6},
                                           {"Pass Valid", 75, 10},    {"Pass Issued", 120, 10}, {"Length", 50, 10},
                                           {"Pass Type", 65, 10},     {"Pass Ends", 75, 10},    {"Car Reg", 75, 10},
                                           {"Reports to:", 140, 6},   {"Department", 150, 6},   {"Contact", 110, 6}};
    PrepareListGrid(columns, 18, 0xE0E0E0);

    SetMonthNoFromListMonth();
    const QString yymm = CBGetYear->currentText().right(2) + MonthNo_;
    DayListFile_ = QString::fromStdString(MonthFilePath(state_.settings.DataRoot, BookingBoxes::ToBytes(yymm)));
    int n = 0;
    const FileError e = ForEachMonthListRow(
        BookingBoxes::ToBytes(DayListFile_), BookingBoxes::ToBytes(yymm), Clock::Now(),
        [this, &n](const MonthListRowView& row) {
            const ListCells::BookingCellViews& c = row.cells;
            const std::string_view cells[18] = {
                c.RegNo,    c.FirstName, c.LastName,        c.Organisation, row.Day,      row.Expected,
                c.Category, c.PartySize, c.DirectDialPhone, c.PassStart,    c.PassIssued, c.PassLength,
                c.PassType, c.PassEnd,   c.CarRegistration, c.ReportingTo,  c.Department, c.HostPhone};
            FillListRow(++n, cells, 18);
            if (row.Colour != 0) // new rows are black already
                StatGrid->Range(n, 1, n, 17).setForeColor(row.Colour);
        });
    FinishListGrid();
    if (e) {
        if (e.number == ErrorNumber::FileNotFound)
            MsgBox(QStringLiteral("No Visitor Bookings for this DATE have been found"), vb::vbExclamation,
                   QStringLiteral("Kestrane"), this);
        else
            setWindowTitle(QStringLiteral("Brantholm Solutions Kestrane  [ Error: %1%2")
                               .arg(e.number + MonthListErrorOffset)
                               .arg(QLatin1String(MonthListErrorPlace)));
        return;
    }
    StatGrid->Cell(1, 1).Select();
    ListedRows_ = n;
}

// --- Search ------------------------------------------------------------------------------

void frmMain::CBListBy_Click() {
    if (const auto prompt = SearchFields::PromptFor(BookingBoxes::ToBytes(CBListBy->currentText())))
        SearchLa->setText(BookingBoxes::FromBytes(*prompt));
    MainFindTB->setFocus();
}

void frmMain::CBListBy_LostFocus() {
    CBListBy->setEditText(
        BookingBoxes::FromBytes(SearchFields::ListByKeyOrAnyText(BookingBoxes::ToBytes(CBListBy->currentText()))));
}

void frmMain::MainFindTB_KeyPress(int keyAscii) {
    if (keyAscii == 13)
        cmdMFind_Click();
}

void frmMain::cmdMFind_Click() {
    state_.HelpTopic = 23;
    if (MainFindTB->text().trimmed().isEmpty()) {
        MsgBox(QString::fromLatin1(SearchMessages::NothingEnteredText), vb::vbExclamation,
               QString::fromLatin1(SearchMessages::NothingEnteredTitle), this);
        return;
    }
    ListSearchResults();
}

void frmMain::ListSearchResults() {
    setCursor(Qt::WaitCursor);
    cmdIN->setEnabled(false);
    cmdOUT->setEnabled(false);
    StatGrid->setReadOnly(true);
    state_.ListMode = 3;
    static const ListColumn columns[17] = {{"Registration", 100, 10}, {"First Name", 100, 6}, {"Last Name", 100, 6},
                                           {"Organisation", 180, 6},  {"Category", 140, 6},   {"Party", 45, 10},
                                           {"Telephone", 110, 6},     {"Pass Valid", 75, 10}, {"Pass Issued", 120, 10},
                                           {"Length", 50, 10},        {"Pass Type", 65, 10},  {"Pass Ends", 75, 10},
                                           {"Arrival", 60, 10},       {"Car Reg", 75, 10},    {"Reports to:", 140, 6},
                                           {"Department", 150, 6},    {"Contact", 110, 6}};
    PrepareListGrid(columns, 17, 0xFFFFE0);

    const std::string key = Text::Trim(BookingBoxes::ToBytes(CBListBy->currentText()));
    const std::string find = Text::Trim(BookingBoxes::ToBytes(MainFindTB->text()));
    SetMonthNoFromListMonth();
    DayListFile_ = QString::fromStdString(
        MonthFilePath(state_.settings.DataRoot, BookingBoxes::ToBytes(CBGetYear->currentText().right(2) + MonthNo_)));
    std::vector<SearchRow> rows;
    const FileError e = SearchMonthFile(BookingBoxes::ToBytes(DayListFile_), key, find, rows);
    int n = 0;
    for (const SearchRow& row : rows) {
        const std::string* cells[17] = {&row.RegNo,      &row.FirstName,       &row.LastName,        &row.Organisation,
                                        &row.Category,   &row.PartySize,       &row.DirectDialPhone, &row.PassStart,
                                        &row.PassIssued, &row.PassLength,      &row.PassType,        &row.PassEnd,
                                        &row.Arrival,    &row.CarRegistration, &row.ReportingTo,     &row.Department,
                                        &row.HostPhone};
        FillListRow(++n, cells, 17);
    }
    if (e.number == ErrorNumber::NothingFound) {
        unsetCursor();
        MsgBox(QString::fromStdString(SearchMessages::NothingFoundText(
                   BookingBoxes::ToBytes(CBGetMonth->currentText()), BookingBoxes::ToBytes(CBGetYear->currentText()))),
               vb::vbExclamation, QString::fromLatin1(SearchMessages::NothingFoundTitle), this);
    } else if (e.number == ErrorNumber::FileNotFound || e.number == ErrorNumber::PathNotFound) {
        FinishListGrid();
        MsgBox(QString::fromLatin1(SearchMessages::NoMonthFileText), vb::vbExclamation,
               QString::fromLatin1(SearchMessages::NoMonthFileTitle), this);
        return;
    } else if (e) {
        FinishListGrid();
        MsgBox(QString::fromLatin1(SearchMessages::OtherErrorText), vb::vbExclamation,
               QString::fromLatin1(SearchMessages::OtherErrorTitle), this);
        return;
    }
    if (n > 0)
        StatGrid->Cell(1, 1).Select();
    FinishListGrid();
    ListedRows_ = n;
}

// --- Printing ----------------------------------------------------------------------------

QString frmMain::PrintTitle() const {
    const QString site = QString::fromLatin1(state_.SiteName.c_str());
    const QString m = CBGetMonth->currentText();
    const QString month = m.left(1) + m.mid(1).toLower();
    const QString day = CBGetDay->currentText();
    const QString year = CBGetYear->currentText();
    switch (state_.ListMode) {
    case 0:
        return site + QStringLiteral("    Visitors List  -  ") + month + u' ' + year;
    case 1:
        return site + QStringLiteral("    Visitors Expected:  ") + day + u' ' + month + u' ' + year;
    case 2:
        return site + QStringLiteral("    Visitor List  -  ") + month + u' ' + year;
    case 3:
        return site + QStringLiteral("    Visitor List [ Part ]   ") + month + u' ' + year;
    case 4:
        return site + QStringLiteral("    Visitor On-Site Status:  ") + day + u' ' + month + u' ' + year +
               QStringLiteral("  as at  ") + QString::fromStdString(Clock::Now().TimeText());
    default:
        return site;
    }
}

void frmMain::cmdPRINT_Click() {
    GridPageSetup& page = StatGrid->PageSetup();
    page.HeaderText = PrintTitle();
    page.HeaderAlignment = 0;
    page.HeaderFont = QFont(QStringLiteral("Verdana"), 10);
    page.HeaderFont.setBold(false);
    page.FooterText = QStringLiteral("Kestrane     Page &P of &N    Printed: &D");
    page.FooterAlignment = 2;
    page.FooterFont = QFont(QStringLiteral("Arial"), 8);
    page.LeftMargin = page.RightMargin = 1;
    page.TopMargin = page.BottomMargin = 2;
    page.HeaderMargin = page.FooterMargin = 1;
    page.PaperSize = 9;
    page.Orientation = 2;
    page.CentreAcrossPage = true;
    page.PrintRows = ListedRows_;
    page.Zoom = 90;
    if (!StatGrid->PrintPreview(100))
        MsgBox(QStringLiteral("A Print Error has occured:  This page may not print correctly   "), vb::vbExclamation,
               QStringLiteral("Kestrane [ES-%1]").arg(1200 + 482), this);
}

// --- Windows of the passes part of the desk ---------------------------------------------------

void frmMain::cmdGetCARD_Click() {
    // The pass window arrives with the passes and photos part of the desk.
}
