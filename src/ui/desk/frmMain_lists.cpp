// The lists of the desk's list grid, and rebuilding whichever is on screen.
#include "ui/desk/frmMain.h"

#include "ui/desk/BookingBoxes.h"

#include "core/TextUtil.h"
#include "core/desk/DayList.h"
#include "core/desk/ListDate.h"
#include "core/desk/MonthBookingFile.h"
#include "platform/Grid.h"
#include "platform/MsgBox.h"

#include <QComboBox>
#include <QPushButton>

void frmMain::PrepareListGrid(const ListColumn* columns, int count, long backColour2) {
    Grid* g = StatGrid;
    g->setRedraw(false);
    g->setRows(50);
    g->setCols(count + 1);
    g->setBackColor1(0xFFFFFF);
    g->setBackColor2(backColour2);
    for (int c = 0; c < count; ++c) {
        g->Column(c).setWidth(columns[c].width);
        g->Cell(0, c).setText(std::string_view(columns[c].heading));
        g->Column(c).setAlignment(columns[c].alignment);
    }
    g->Cell(0, count).setText(std::string_view());
    for (int r = 1; r < g->Rows(); ++r)
        for (int c = 0; c <= count; ++c)
            g->Cell(r, c).setText(std::string_view());
    g->Range(1, 0, g->Rows() - 1, count).setForeColor(0);
}

void frmMain::FillListRow(int row, const std::string* const* cells, int count) {
    StatGrid->setRows(row + 50);
    for (int c = 0; c < count; ++c)
        StatGrid->Cell(row, c).setText(std::string_view(*cells[c]));
}

void frmMain::FillListRow(int row, const std::string_view* cells, int count) {
    StatGrid->setRows(row + 50);
    for (int c = 0; c < count; ++c)
        StatGrid->Cell(row, c).setText(cells[c]);
}

void frmMain::FinishListGrid() {
    StatGrid->setRedraw(true);
    StatGrid->Refresh();
    unsetCursor();
}

void frmMain::RefreshCurrentList() {
    switch (state_.ListMode) {
    case 0:
    case 2:
        StatGrid->setReadOnly(true);
        ListMonthBookings();
        break;
    case 1:
        StatGrid->setReadOnly(true);
        ListDayBookings();
        break;
    case 3:
        StatGrid->setReadOnly(true);
        ListSearchResults();
        break;
    case 4:
        StatGrid->setReadOnly(state_.settings.ReadOnlyMode == "1");
        ListTodayStatus();
        break;
    default:
        break;
    }
}

void frmMain::cmdGetAny_Click() {
    state_.HelpTopic = 20;
    ListDayBookings();
}

void frmMain::ListDayBookings() {
    SetComboTextColour(CBGetDay, 0);
    if (CBGetDay->currentText() == u"--") {
        MsgBox(QStringLiteral("Can't list Day Bookings:  No Day has been selected "), vb::vbExclamation,
               QStringLiteral("Kestrane"), this);
        return;
    }
    setCursor(Qt::WaitCursor);
    cmdIN->setEnabled(false);
    cmdOUT->setEnabled(false);
    ValidateSelectedDate();
    if (InvalidDate_) {
        unsetCursor();
        return;
    }
    StatGrid->setReadOnly(true);
    state_.ListMode = 1;

    static const ListColumn columns[17] = {{"Registration", 100, 10}, {"First Name", 100, 6}, {"Last Name", 100, 6},
                                           {"Organisation", 180, 6},  {"Category", 140, 6},   {"Party", 45, 10},
                                           {"Telephone", 110, 6},     {"Expected", 60, 10},   {"Pass Valid", 75, 10},
                                           {"Pass Issued", 120, 10},  {"Length", 50, 10},     {"Pass Type", 65, 10},
                                           {"Pass Ends", 75, 10},     {"Car Reg", 75, 10},    {"Reports to:", 140, 6},
                                           {"Department", 150, 6},    {"Contact", 110, 6}};
    PrepareListGrid(columns, 17, 0xE0E0E0);

    const int day = static_cast<int>(Text::Val(BookingBoxes::ToBytes(CBGetDay->currentText())));
    SetMonthNoFromListMonth();
    const QString year = CBGetYear->currentText();
    const std::string listDate = (QStringLiteral("%1-").arg(day, 2, 10, QLatin1Char('0')) + MonthNo_ + u'-' +
                                  year.right(4).rightJustified(4, u'0'))
                                     .toStdString();
    DayListFile_ = QString::fromStdString(
        MonthFilePath(state_.settings.DataRoot, BookingBoxes::ToBytes(year.right(2) + MonthNo_)));

    std::vector<DayListRow> rows;
    const FileError e = ReadDayListRows(BookingBoxes::ToBytes(DayListFile_), day, listDate, rows);
    int n = 0;
    for (const DayListRow& row : rows) {
        const std::string* cells[17] = {&row.RegNo,     &row.FirstName,       &row.LastName,        &row.Organisation,
                                        &row.Category,  &row.PartySize,       &row.DirectDialPhone, &row.Expected,
                                        &row.PassStart, &row.PassIssued,      &row.PassLength,      &row.PassType,
                                        &row.PassEnd,   &row.CarRegistration, &row.ReportingTo,     &row.Department,
                                        &row.HostPhone};
        FillListRow(++n, cells, 17);
    }
    FinishListGrid();
    if (e) {
        if (e.number == ErrorNumber::FileNotFound)
            MsgBox(QStringLiteral("No Visitor Bookings for this DATE have been found"), vb::vbExclamation,
                   QStringLiteral("Kestrane"), this);
        else
            setWindowTitle(QStringLiteral("Brantholm Solutions Kestrane  [ Error: %1 in Select Day Record ]")
                               .arg(e.number + 2110));
        return;
    }
    StatGrid->Cell(1, 1).Select();
    ListedRows_ = n;
}
