#pragma once

#include "core/ProgramState.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <string>

class ArrivalPanel;
class BookingCommands;
class BookingFormPanel;
class ClickLabel;
class ListDatesPanel;
class ListsPanel;
class TimeGridPanel;
class QDialog;
class QFrame;
class QLabel;
class QTimer;

// The booking desk's main window; it lives as long as the program. It is
// built from panels that own their controls (list dates, lists and search,
// the booking form, the time grid, arrival and departure); the window keeps
// the frame (caption, clock, keys, layout, logo) and each handler as a
// forward to the panel that does the work. Controls are found by their
// object names.
class frmMain : public QWidget {
    Q_OBJECT
  public:
    explicit frmMain(ProgramState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // --- Frame -----------------------------------------------------------
    void Form_Load();
    void CentreForm();
    void SetUpControls();
    void InitStatGridRows();
    void Form_Activate();
    // The key map; returns whether a command ran.
    bool Form_KeyDown(int keyCode, int shift);
    // Which command a key runs: the button's name, or nullptr.
    static const char* KeyMapCommand(int keyCode, int shift);
    // The layout rule, on the window's width and height in twips.
    void Form_Resize(int widthTwips, int heightTwips);
    void Timer1_Timer();
    void ShowCaptionStatus(const QString& message);
    void qxlogoIM_Click();
    void qxlogoIM_MouseMove();
    void Form_MouseMove();
    void Command1_Click();
    void Command2_Click();
    void cmdMore_Click();
    void cmdMultiDELETE_Click();
    void CmdPersonal_Click();
    void cmdGetCARD_Click();
    // Shows a window of the program modally over this one, then runs the
    // activation step, as the desk expects after every such window.
    int RunModal(QDialog& dialog);

    // --- Booking form ----------------------------------------------------
    void RegNoTB_Change();
    void FirstNameTB_Change();
    void PersGendTB_Change();
    void LastNameTB_Change();
    void PersMobTB_Change();
    void PersCarRegTB_Change();
    void PersEmailTB_Change();
    void CataCB_Click();
    void Dept1CB_Click();
    void CatOrganTB_Change();
    void CatPartyTB_Change();
    void CatAdrTB_Change();
    void CatDDITB_Change();
    void CatPCodeTB_Change();
    void CatAltTTB_Change();
    void CatEMATB_Change();
    void FirstNameTB_KeyPress(int& keyAscii);
    void LastNameTB_KeyPress(int& keyAscii);
    void PersEmailTB_LostFocus();
    void CatEMATB_LostFocus();
    void PersGendTB_Click();
    void ClearBookingForm();
    void ShowPhotoLabel();
    void ShowPassLabel();
    void LoadCustomLists();

    // --- List date selection -----------------------------------------------
    void CBGetDay_Click();
    void CBGetMonth_Click();
    void CBGetYear_Click();
    void ValidateSelectedDate();
    void SetMonthNoFromListMonth();
    void SetMonthNoFromBookMonth();
    void cmdListCal_Click();
    void Calendar1_DblClick();
    void cmdCalDECR_Click();
    void cmdCalINCR_Click();
    void SelectListDay(int index);
    void SelectListMonth(int index);
    bool InvalidDate() const;

    // --- Month time grid -----------------------------------------------------
    void CBMonth_Click();
    void CBYear_Click();
    void BuildTimeGridMonth();
    void BuildTimeGridMonthFromRecord();
    void DayNameOf(long day);
    void cbTime_Click();
    void cmdADD_Click();
    void cmdSUB_Click();
    void cmdCLEARAll_Click();
    void TimeGrid_CellClicked();
    void TimeGrid_DeleteKey(int keyCode, int shift);
    void TimeGrid_TimeCharTyped(int& keyAscii);
    void TimeGrid_ValidateEdit(int row, int col, bool& cancel);
    void TimeGrid_FocusLost();
    void CheckTimeGridEntry();

    // --- Booking commands ---------------------------------------------------
    // Each returns whether the booking was stored.
    bool SaveNewRecord();
    bool UpdateRecord();
    void cmdSAVE_Click();
    void cmdNEW_Click();
    void cmdDelete_Click();
    void StatGrid_RowChosen();
    void StatGrid_KeyTyped(int keyCode);
    void ShowRecord(bool setBookingMonth);
    void DeleteBooking();

    // --- Arrival and departure ---------------------------------------------------
    void cmdIN_Click();
    void cmdOUT_Click();
    void BuildDayStatusFile();
    void UpdateStatusLine();
    void LaON_Site_Change();
    void LaOFFSite_Change();
    void LaON_Site_DblClick();
    void LaOFFSite_DblClick();

    // --- Lists ------------------------------------------------------------------
    void cmdPRINT_Click();
    void cmdMFind_Click();
    void cmdGetAny_Click();
    void cmdDayList_Click();
    void cmdGetTom_Click();
    void cmdGetToday_Click();
    void ListDayBookings();
    void ListMonthBookings();
    void ListTodayStatus();
    void ListSearchResults();
    void CBListBy_Click();
    void CBListBy_LostFocus();
    void MainFindTB_KeyPress(int keyAscii);
    // The page title of the list on screen, as printed.
    QString PrintTitle() const;
    void RefreshCurrentList();

    // --- Window state the tests look at -------------------------------------
    bool LogoHover() const { return logoHover_; }
    bool NewBooking() const;
    const QString& DayNameText() const;
    bool Timer1Enabled() const;
    const std::string& DayListFile() const;
    int ListedRows() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildFrame();
    void connectPanels();
    void buildKeyMap();
    bool Form_Unload();
    void setCaptionStatus(const QString& message);

    ProgramState& state_;
    bool logoHover_ = false;
    bool firstShowDone_ = false;
    bool sessionReadOnly_ = false; // the read-only option as the desk was set up with it
    std::string sessionDataRoot_;  // the data folder the desk was set up on

    QFrame* Fraim1 = nullptr; // list dates, lists and search
    QFrame* Fraim4 = nullptr; // booking form, arrival and departure
    QFrame* Fraim5 = nullptr; // booking month and time grid
    ClickLabel* qxlogoIM = nullptr;
    QLabel* Label19 = nullptr;
    QTimer* Timer1 = nullptr;

    ListDatesPanel* dates_ = nullptr;
    BookingFormPanel* form_ = nullptr;
    ArrivalPanel* arrival_ = nullptr;
    ListsPanel* lists_ = nullptr;
    TimeGridPanel* times_ = nullptr;
    BookingCommands* commands_ = nullptr;
};
