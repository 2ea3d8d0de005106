#include "ui/desk/ListsPanel.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/DayList.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/ListDate.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/MonthList.h"
#include "core/desk/OnSiteList.h"
#include "core/desk/SearchFields.h"
#include "core/startup/Helpers.h"
#include "platform/Grid.h"
#include "platform/Latin1Text.h"
#include "platform/ListGrid.h"
#include "platform/MsgBox.h"
#include "platform/VbKeys.h"
#include "ui/common/Errors.h"
#include "ui/common/KeysHeld.h"
#include "ui/common/Widgets.h"
#include "ui/desk/ArrivalPanel.h"
#include "ui/desk/BookingBoxes.h"
#include "ui/desk/ListDatesPanel.h"
#include "ui/desk/WatchedBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Widgets;

ListsPanel::ListsPanel(ProgramState& state, QWidget* p, QWidget* window, ListDatesPanel& dates, ArrivalPanel& arrival)
    : QObject(p), state_(state), window_(window), dates_(dates), arrival_(arrival) {
    cmdGetAny =
        KeyMapButton(p, "cmdGetAny", QStringLiteral("&Day"),
                     QStringLiteral(" Shows a list of bookings and passes that are valid for the selected Day "),
                     QRect(6, 86, 92, 26));
    cmdGetTom =
        KeyMapButton(p, "cmdGetTom", QStringLiteral("&Month"),
                     QStringLiteral(" Shows a list of bookings for the month (A record with a valid pass, but no "
                                    "booking, will not be shown) Press [F3]"),
                     QRect(104, 86, 92, 26));
    cmdGetToday =
        KeyMapButton(p, "cmdGetToday", QStringLiteral("&Today"),
                     QStringLiteral(" Shows a list of bookings and passes that are valid for Today - Press [F2]"),
                     QRect(6, 116, 92, 26));
    cmdDayList =
        KeyMapButton(p, "cmdDayList", QStringLiteral("Show [F5]"),
                     QStringLiteral(" Controls and shows the arrival and departure times of bookings and passes "
                                    "that are valid for Today "),
                     QRect(104, 116, 92, 26));
    cmdIN = KeyMapButton(p, "cmdIN", QStringLiteral("On-Site"),
                         QStringLiteral(" Marks an individual as having arrived on-site "), QRect(6, 146, 92, 26));
    cmdOUT = KeyMapButton(p, "cmdOUT", QStringLiteral("Off-Site"),
                          QStringLiteral(" Marks an individual as having departed the site  Note: you cannot mark as "
                                         "departed if there is no arrival time  "),
                          QRect(104, 146, 92, 26));

    CBListBy = Named(new QComboBox(p), "CBListBy");
    listByEdit_ = new WatchedBox(CBListBy);
    CBListBy->setLineEdit(listByEdit_);
    CBListBy->setInsertPolicy(QComboBox::NoInsert);
    CBListBy->setGeometry(6, 182, 190, 24);
    for (std::string_view key : SearchFields::ListByKeys())
        CBListBy->addItem(Latin1::FromBytes(key));
    CBListBy->setToolTip(QStringLiteral(" Narrows the search for any text typed into the find box "));
    SearchLa = Named(new QLabel(p), "SearchLa");
    SearchLa->setGeometry(6, 208, 190, 18);
    SearchLa->setText(QStringLiteral("SEARCH FOR"));
    MainFindTB = Box(p, "MainFindTB", QRect(6, 228, 190, 24));
    MainFindTB->setToolTip(QStringLiteral(" Find anything within a record, including registration number(s) "));
    BookingBoxes::KeepLatin1(MainFindTB); // what it finds is compared with the file's bytes
    cmdMFind = KeyMapButton(p, "cmdMFind", QStringLiteral("Find [F4]"),
                            QStringLiteral(" Starts a search - or you can just press the [ Enter ] key "),
                            QRect(6, 258, 92, 26));
    cmdPRINT = KeyMapButton(p, "cmdPRINT", QStringLiteral("&Print..."),
                            QStringLiteral(" Generates a print preview and enables you to print the current list "),
                            QRect(104, 258, 92, 26));
    Command1 = KeyMapButton(p, "Command1", QStringLiteral("Test Data"), QString(), QRect(6, 300, 92, 26));
    Command2 = KeyMapButton(p, "Command2", QStringLiteral("TGA Test"), QString(), QRect(104, 300, 92, 26));

    StatGrid = Named(new Grid(window), "StatGrid");
    StatGrid->setGeometry(8, 344, 982, 320);

    connect(cmdGetAny, &QPushButton::clicked, this, &ListsPanel::cmdGetAny_Click);
    connect(cmdGetTom, &QPushButton::clicked, this, &ListsPanel::cmdGetTom_Click);
    connect(cmdGetToday, &QPushButton::clicked, this, &ListsPanel::cmdGetToday_Click);
    connect(cmdDayList, &QPushButton::clicked, this, &ListsPanel::cmdDayList_Click);
    connect(cmdIN, &QPushButton::clicked, this, &ListsPanel::stampIn);
    connect(cmdOUT, &QPushButton::clicked, this, &ListsPanel::stampOut);
    connect(CBListBy, &QComboBox::activated, this, &ListsPanel::CBListBy_Click);
    connect(listByEdit_, &WatchedBox::focusLeft, this, &ListsPanel::CBListBy_LostFocus);
    connect(MainFindTB, &QLineEdit::returnPressed, this, [this] { MainFindTB_KeyPress(13); });
    connect(cmdMFind, &QPushButton::clicked, this, &ListsPanel::cmdMFind_Click);
    connect(cmdPRINT, &QPushButton::clicked, this, &ListsPanel::cmdPRINT_Click);
    connect(Command1, &QPushButton::clicked, this, &ListsPanel::testDataClicked);
    connect(StatGrid, &Grid::RowChosen, this, [this](int, int) { emit rowChosen(); });
}

void ListsPanel::InitStatGridRows() {
    StatGrid->setRows(100);
}

int ListsPanel::currentRow() const {
    return StatGrid->CurrentRow();
}

int ListsPanel::currentCol() const {
    return StatGrid->CurrentCol();
}

std::string ListsPanel::regNoOfActiveRow() const {
    const int row = StatGrid->ActiveCell().Row();
    return Text::Trim(Latin1::ToBytes(StatGrid->Cell(row, 0).Text()));
}

void ListsPanel::focusFindBox() {
    MainFindTB->setFocus();
}

void ListsPanel::setSearchKey(const QString& key) {
    CBListBy->setEditText(key);
}

void ListsPanel::setStampButtonsEnabled(bool on) {
    cmdIN->setEnabled(on);
    cmdOUT->setEnabled(on);
}

void ListsPanel::setTestDataEnabled(bool on) {
    Command1->setEnabled(on);
}

// Read after the first list is on screen, so that list is widened too.
void ListsPanel::setPickLists(const Lists::PickLists& lists) {
    pickLists_ = lists;
    if (shown_)
        SetListWidths(*StatGrid, *shown_, pickLists_);
}

void ListsPanel::resizeGrid(int width, int height) {
    StatGrid->resize(width, height);
}

int ListsPanel::gridWidth() const {
    return StatGrid->width();
}

int ListsPanel::gridHeight() const {
    return StatGrid->height();
}

// --- Filling the grid ---------------------------------------------------------------------

// Shows a built list, or what the desk says when its file could not be read.
// A list that failed keeps the count of rows of the list before.
void ListsPanel::show(const Lists::ListDescription& description, const Lists::ListResult& result, Errors::Place place,
                      const QString& detail) {
    ShowList(*StatGrid, description, result.list, pickLists_);
    shown_ = &description;
    window_->unsetCursor();
    const bool nothingFound = result.error.number == ErrorNumber::NothingFound;
    if (result.error) {
        if (!quiet_ || !(nothingFound || result.error.number == ErrorNumber::FileNotFound))
            Errors::Report(window_, place, result.error, detail);
        if (!nothingFound)
            return;
    }
    if (!nothingFound)
        StatGrid->Cell(1, 1).Select();
    listedRows_ = result.list->RowCount();
}

void ListsPanel::RefreshCurrentList() {
    switch (state_.ListMode) {
    case ListMode::NoneYet:
    case ListMode::MonthList:
        StatGrid->setReadOnly(true);
        ListMonthBookings();
        break;
    case ListMode::DayList:
        StatGrid->setReadOnly(true);
        ListDayBookings();
        break;
    case ListMode::Search:
        StatGrid->setReadOnly(true);
        ListSearchResults();
        break;
    case ListMode::OnSite:
        StatGrid->setReadOnly(state_.options().readOnly());
        ListTodayStatus();
        break;
    }
}

void ListsPanel::RefreshCurrentListQuietly() {
    quiet_ = true;
    RefreshCurrentList();
    quiet_ = false;
}

void ListsPanel::listChosenDay() {
    StatGrid->setReadOnly(true);
    ListDayBookings();
}

void ListsPanel::listChosenMonth() {
    StatGrid->setReadOnly(true);
    ListMonthBookings();
}

std::string ListsPanel::listMonthFile() {
    const QString yymm = dates_.yearText().right(2) + dates_.SetMonthNoFromListMonth();
    return BookingFiles::MonthFilePath(state_.settings.DataRoot, Latin1::ToBytes(yymm));
}

// --- Day list -------------------------------------------------------------------------------

void ListsPanel::cmdGetAny_Click() {
    state_.HelpTopic = StartUp::HelpTopics::DayList;
    ListDayBookings();
}

void ListsPanel::ListDayBookings() {
    dates_.setDayColour(0);
    if (dates_.dayText() == u"--") {
        MsgBox(QStringLiteral("Can't list Day Bookings:  No Day has been selected "), vb::vbExclamation,
               QStringLiteral("Kestrane"), window_);
        return;
    }
    window_->setCursor(Qt::WaitCursor);
    setStampButtonsEnabled(false);
    if (dates_.ValidateSelectedDate()) {
        window_->unsetCursor();
        return;
    }
    StatGrid->setReadOnly(true);
    state_.ListMode = ListMode::DayList;
    const int day = static_cast<int>(Text::Val(Latin1::ToBytes(dates_.dayText())));
    const QString monthNo = dates_.SetMonthNoFromListMonth();
    const QString year = dates_.yearText();
    const std::string listDate = (QStringLiteral("%1-").arg(day, 2, 10, QLatin1Char('0')) + monthNo + u'-' +
                                  year.right(4).rightJustified(4, u'0'))
                                     .toStdString();
    dayListFile_ = listMonthFile();
    show(Lists::DayList, Lists::BuildDayList(dayListFile_, day, listDate), Errors::Place::DayList);
}

// --- Month list ------------------------------------------------------------------------------

void ListsPanel::cmdGetTom_Click() {
    state_.HelpTopic = StartUp::HelpTopics::MonthList;
    ListMonthBookings();
}

void ListsPanel::cmdGetToday_Click() {
    state_.HelpTopic = StartUp::HelpTopics::DayList;
    const LocalDateTime today = Clock::Now();
    dates_.setDate(today.day, QString::fromStdString(ListDate::MonthNames()[today.month - 1]),
                   QString::number(today.year));
    ListDayBookings();
}

void ListsPanel::ListMonthBookings() {
    dates_.setDayColour(0xA0A0A0);
    if (dates_.ValidateSelectedDate())
        return;
    window_->setCursor(Qt::WaitCursor);
    setStampButtonsEnabled(false);
    StatGrid->setReadOnly(true);
    state_.ListMode = ListMode::MonthList;
    dayListFile_ = listMonthFile();
    const std::string yymm = Latin1::ToBytes(dates_.yearText().right(2) + dates_.SetMonthNoFromListMonth());
    show(Lists::MonthList, Lists::BuildMonthList(dayListFile_, yymm, Clock::Now()), Errors::Place::MonthList);
}

// --- Search ----------------------------------------------------------------------------------

void ListsPanel::CBListBy_Click() {
    if (const auto prompt = SearchFields::PromptFor(Latin1::ToBytes(CBListBy->currentText())))
        SearchLa->setText(Latin1::FromBytes(*prompt));
    MainFindTB->setFocus();
}

void ListsPanel::CBListBy_LostFocus() {
    CBListBy->setEditText(
        Latin1::FromBytes(SearchFields::ListByKeyOrAnyText(Latin1::ToBytes(CBListBy->currentText()))));
}

void ListsPanel::MainFindTB_KeyPress(int keyAscii) {
    if (keyAscii == vb::vbKeyReturn)
        cmdMFind_Click();
}

void ListsPanel::cmdMFind_Click() {
    state_.HelpTopic = StartUp::HelpTopics::Search;
    if (MainFindTB->text().trimmed().isEmpty()) {
        MsgBox(QString::fromLatin1(SearchMessages::NothingEnteredText), vb::vbExclamation,
               QString::fromLatin1(SearchMessages::NothingEnteredTitle), window_);
        return;
    }
    ListSearchResults();
}

void ListsPanel::ListSearchResults() {
    window_->setCursor(Qt::WaitCursor);
    setStampButtonsEnabled(false);
    StatGrid->setReadOnly(true);
    state_.ListMode = ListMode::Search;
    const std::string key = Latin1::ToBytes(CBListBy->currentText());
    const std::string find = Latin1::ToBytes(MainFindTB->text());
    dayListFile_ = listMonthFile();
    const QString nothingFound = Latin1::FromBytes(
        SearchMessages::NothingFoundText(Latin1::ToBytes(dates_.monthText()), Latin1::ToBytes(dates_.yearText())));
    show(Lists::SearchList, Lists::BuildSearchList(dayListFile_, key, find), Errors::Place::SearchList, nothingFound);
}

// --- On-site list ----------------------------------------------------------------------------

void ListsPanel::cmdDayList_Click() {
    state_.HelpTopic = StartUp::HelpTopics::OnSiteList;
    ListTodayStatus();
}

void ListsPanel::ListTodayStatus() {
    window_->setCursor(Qt::WaitCursor);
    setStampButtonsEnabled(true);
    StatGrid->setReadOnly(state_.options().readOnly());
    const DayStatus::BuildResult built = arrival_.BuildDayStatusFile();
    state_.ListMode = ListMode::OnSite;
    dates_.setDayColour(0);
    // A status file that could not be written still lists the day's bookings;
    // the caption says why it was not written.
    const LocalDateTime today = Clock::Now();
    const Lists::ListResult list =
        built.error && built.content
            ? Lists::BuildOnSiteListOf(*built.content, today)
            : Lists::BuildOnSiteList(DayStatus::FilePath(state_.settings.DataRoot, today), today);
    show(Lists::OnSiteList, list, Errors::Place::OnSiteList);
}

// --- Printing ----------------------------------------------------------------------------------

QString ListsPanel::PrintTitle() const {
    const QString site = Latin1::FromBytes(state_.SiteName);
    const QString m = dates_.monthText();
    const QString month = m.left(1) + m.mid(1).toLower();
    const QString day = dates_.dayText();
    const QString year = dates_.yearText();
    switch (state_.ListMode) {
    case ListMode::NoneYet:
        return site + QStringLiteral("    Visitors List  -  ") + month + u' ' + year;
    case ListMode::DayList:
        return site + QStringLiteral("    Visitors Expected:  ") + day + u' ' + month + u' ' + year;
    case ListMode::MonthList:
        return site + QStringLiteral("    Visitor List  -  ") + month + u' ' + year;
    case ListMode::Search:
        return site + QStringLiteral("    Visitor List [ Part ]   ") + month + u' ' + year;
    case ListMode::OnSite:
        return site + QStringLiteral("    Visitor On-Site Status:  ") + day + u' ' + month + u' ' + year +
               QStringLiteral("  as at  ") + QString::fromStdString(Clock::Now().TimeText());
    }
    return site;
}

void ListsPanel::cmdPRINT_Click() {
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
    page.PrintRows = listedRows_;
    page.Zoom = 90;
    // A second Return on the print dialog must not open the preview again from Print....
    const KeysHeld keys(window_);
    const Grid::Preview preview = StatGrid->PrintPreview(100);
    if (!preview.opened)
        MsgBox(QStringLiteral("A Print Error has occured:  This page may not print correctly   "), vb::vbExclamation,
               QStringLiteral("Kestrane [ES-%1]").arg(1200 + 482), window_);
    else if (!preview.refusal.isEmpty()) {
        keys.letAPressPass();
        MsgBox(QStringLiteral("The list was not printed: ") + preview.refusal, vb::vbExclamation,
               QStringLiteral("Kestrane"), window_);
    }
}
