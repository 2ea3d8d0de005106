#pragma once

#include "core/ProgramState.h"
#include "core/desk/BookingList.h"
#include "core/desk/ListDescription.h"
#include "ui/common/Errors.h"

#include <QObject>
#include <QString>

#include <string>

class ArrivalPanel;
class Grid;
class ListDatesPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class WatchedBox;

// The list grid and what fills it: the day, month, search and on-site lists,
// their buttons, the search box, printing, and rebuilding the list on screen.
class ListsPanel : public QObject {
    Q_OBJECT
  public:
    ListsPanel(ProgramState& state, QWidget* area, QWidget* window, ListDatesPanel& dates, ArrivalPanel& arrival);

    void RefreshCurrentList();
    // The same, saying nothing when the list is empty or its file is missing.
    void RefreshCurrentListQuietly();
    // A day or a month chosen in the list date boxes.
    void listChosenDay();
    void listChosenMonth();
    void cmdGetAny_Click();
    void cmdGetTom_Click();
    void cmdGetToday_Click();
    void cmdDayList_Click();
    void ListDayBookings();
    void ListMonthBookings();
    void ListSearchResults();
    void ListTodayStatus();
    void CBListBy_Click();
    void CBListBy_LostFocus();
    void MainFindTB_KeyPress(int keyAscii);
    void cmdMFind_Click();
    void cmdPRINT_Click();
    QString PrintTitle() const;
    void InitStatGridRows();

    // The list grid's choice: its row and column, and the booking number in that row.
    int currentRow() const;
    int currentCol() const;
    std::string regNoOfActiveRow() const;
    void focusFindBox();
    void setSearchKey(const QString& key);
    // The On-Site and Off-Site buttons; only the on-site list enables them.
    void setStampButtonsEnabled(bool on);
    // "Test Data" writes booking files: off in read-only mode.
    void setTestDataEnabled(bool on);
    // The pick-list entries the lists' category and department columns show whole.
    void setPickLists(const Lists::PickLists& lists);
    // The list grid's bottom edge follows the window; its width and height in pixels.
    void resizeGrid(int width, int height);
    int gridWidth() const;
    int gridHeight() const;

  signals:
    void rowChosen();
    void stampIn();
    void stampOut();
    void testDataClicked();

  private:
    void show(const Lists::ListDescription& description, const Lists::ListResult& result, Errors::Place place,
              const QString& detail = QString());
    // The month file of the list date's month and year.
    std::string listMonthFile();

    ProgramState& state_;
    QWidget* window_;
    ListDatesPanel& dates_;
    ArrivalPanel& arrival_;
    Grid* StatGrid;
    QPushButton* cmdGetAny;
    QPushButton* cmdGetTom;
    QPushButton* cmdGetToday;
    QPushButton* cmdDayList;
    QPushButton* cmdIN;
    QPushButton* cmdOUT;
    QComboBox* CBListBy;
    WatchedBox* listByEdit_;
    QLabel* SearchLa;
    QLineEdit* MainFindTB;
    QPushButton* cmdMFind;
    QPushButton* cmdPRINT;
    QPushButton* Command1;
    QPushButton* Command2;
    std::string dayListFile_;
    int listedRows_ = 0;
    bool quiet_ = false;
    Lists::PickLists pickLists_;
    const Lists::ListDescription* shown_ = nullptr; // the list's layout on screen
};
