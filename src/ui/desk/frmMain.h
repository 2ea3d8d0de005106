#pragma once

#include "core/ProgramState.h"
#include "core/desk/ArrivalDeparture.h"

#include <QString>
#include <QWidget>

class ClickLabel;
class Grid;
class MonthCalendar;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The booking desk's main window; it lives as long as the program. Its
// handlers are spread over several files by concern (frmMain_*.cpp).
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
    // The key map; returns whether a command ran (the key still reaches the control).
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

    // --- Pick-lists -------------------------------------------------------
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
    // Selecting an entry from code runs the choice handler, as a user's choice does.
    void SelectListDay(int index);
    void SelectListMonth(int index);
    const QString& MonthNo() const { return MonthNo_; }
    bool InvalidDate() const { return InvalidDate_; }

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

    // --- Commands and lists that later parts of the desk fill in ---------------
    // Each returns whether the booking was stored.
    bool SaveNewRecord();
    bool UpdateRecord();
    void cmdSAVE_Click();
    void cmdNEW_Click();
    void cmdDelete_Click();
    void CmdPersonal_Click();
    void cmdGetCARD_Click();
    void cmdPRINT_Click();
    void cmdMFind_Click();
    void cmdGetAny_Click();
    void cmdDayList_Click();
    void cmdGetTom_Click();
    void cmdGetToday_Click();
    void cmdIN_Click();
    void cmdOUT_Click();
    void StatGrid_RowChosen();
    void StatGrid_KeyTyped(int keyCode);
    void ShowRecord(bool setBookingMonth);
    void DeleteBooking();
    void BuildDayStatusFile();
    void UpdateStatusLine();
    void LaON_Site_Change();
    void LaOFFSite_Change();
    void LaON_Site_DblClick();
    void LaOFFSite_DblClick();
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
    bool LogoHover() const { return LogoHover_; }
    bool NewBooking() const { return NewBooking_; }
    const QString& DayNameText() const { return DayNameText_; }
    bool Timer1Enabled() const;
    const QString& DayListFile() const { return DayListFile_; }
    int ListedRows() const { return ListedRows_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildListArea();
    void BuildTimeArea();
    void BuildBookingArea();
    void ConnectHandlers();
    void ConnectDateAndTimeHandlers();
    bool Form_Unload();
    void SetCaptionStatus(const QString& message);
    void SetLabelLook(QLabel* label, const QString& caption, long backBgr);

    enum class AskedBy { New, OpenFromList, Close };
    // Offers to store a changed loaded booking; false when the user cancelled.
    bool SaveChangesCheck(AskedBy who);
    // The booking-number box holds a saved booking's number.
    bool BookingLoaded() const;
    // The booking is shown in another month than the file its number names.
    bool MonthMoved();
    // The first of SAVE's checks the form fails, or an empty text.
    QString SaveCheckFailure() const;
    QString BookingTitle() const;
    void ShowNewRecordNotice(int icon);
    void ShowArrivalAndDeparture();
    struct ListColumn {
        const char* heading;
        int width;
        int alignment;
    };
    // Readies StatGrid for a list: drawing off, 50 empty rows, the columns
    // with their headings (the last column of the grid has none).
    void PrepareListGrid(const ListColumn* columns, int count, long backColour2);
    // Writes one list row, growing the grid so 50 empty rows stay below it.
    void FillListRow(int row, const std::string* const* cells, int count);
    void FillListRow(int row, const std::string_view* cells, int count);
    // Ends a list: drawing on, the first data cell chosen.
    void FinishListGrid();
    void ShowStatusLooks(const ArrivalDeparture::LabelLooks& looks);
    void ApplyStamp(const ArrivalDeparture::StampResult& result);
    static void SetComboTextColour(QComboBox* box, long bgr);

    ProgramState& state_;
    bool LogoHover_ = false;
    bool NewBooking_ = false;
    bool InvalidDate_ = false;
    bool firstShowDone_ = false;
    QString MonthNo_;
    QString DayListFile_;
    int ListedRows_ = 0;
    QString DayNameText_;

  public:
    // Controls, named as the desk knows them (objectName is the same).
    QFrame* Fraim1 = nullptr; // list area
    QFrame* Fraim4 = nullptr; // booking form
    QFrame* Fraim5 = nullptr; // booking month and time grid
    ClickLabel* qxlogoIM = nullptr;
    QLabel* Label19 = nullptr;
    QTimer* Timer1 = nullptr;

    // Booking form
    QLineEdit* RegNoTB = nullptr;
    QLineEdit* FirstNameTB = nullptr;
    QLineEdit* LastNameTB = nullptr;
    QLineEdit* PersGendTB = nullptr;
    QLineEdit* PersMobTB = nullptr;
    QLineEdit* PersCarRegTB = nullptr;
    QLineEdit* PersEmailTB = nullptr;
    QComboBox* CataCB = nullptr;
    QComboBox* Dept1CB = nullptr;
    QLineEdit* CatOrganTB = nullptr;
    QLineEdit* CatPartyTB = nullptr;
    QLineEdit* CatAdrTB = nullptr;
    QLineEdit* CatDDITB = nullptr;
    QLineEdit* CatPCodeTB = nullptr;
    QLineEdit* CatAltTTB = nullptr;
    QLineEdit* CatEMATB = nullptr;
    QLabel* PassPrntdLa = nullptr;
    QLabel* PhotoOnFLa = nullptr;
    ClickLabel* LaON_Site = nullptr;
    ClickLabel* LaOFFSite = nullptr;

    // List area
    Grid* StatGrid = nullptr;
    QComboBox* CBGetDay = nullptr;
    QComboBox* CBGetMonth = nullptr;
    QComboBox* CBGetYear = nullptr;
    QPushButton* cmdListCal = nullptr;
    QFrame* PicCal1 = nullptr;
    MonthCalendar* Calendar1 = nullptr;
    QPushButton* cmdCalDECR = nullptr;
    QPushButton* cmdCalINCR = nullptr;
    QComboBox* CBListBy = nullptr;
    QLabel* SearchLa = nullptr;
    QLineEdit* MainFindTB = nullptr;

    // Booking month and time grid
    QComboBox* CBMonth = nullptr;
    QComboBox* CBYear = nullptr;
    Grid* TimeGrid = nullptr;
    QComboBox* cbTime = nullptr;
    QLabel* laSelTime = nullptr;
    QFrame* shDayBorder = nullptr;

    // Buttons
    QPushButton* cmdGetCARD = nullptr;
    QPushButton* cmdPRINT = nullptr;
    QPushButton* cmdMFind = nullptr;
    QPushButton* cmdGetAny = nullptr;
    QPushButton* cmdDayList = nullptr;
    QPushButton* cmdGetTom = nullptr;
    QPushButton* cmdGetToday = nullptr;
    QPushButton* cmdNEW = nullptr;
    QPushButton* cmdSAVE = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdMultiDELETE = nullptr;
    QPushButton* cmdMore = nullptr;
    QPushButton* CmdPersonal = nullptr;
    QPushButton* cmdIN = nullptr;
    QPushButton* cmdOUT = nullptr;
    QPushButton* cmdADD = nullptr;
    QPushButton* cmdSUB = nullptr;
    QPushButton* cmdCLEARAll = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
