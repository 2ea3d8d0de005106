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
// built from panels that own their controls and their handlers (list dates,
// lists and search, the booking form, the time grid, arrival and departure),
// connected to each other; the window keeps the frame (caption, clock, keys,
// layout, logo) and the buttons that open the program's other windows.
// Controls are found by their object names.
class frmMain : public QWidget {
    Q_OBJECT
  public:
    explicit frmMain(ProgramState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    void Form_Load();
    void Form_Activate();
    // The layout rule, on the window's width and height in twips.
    void Form_Resize(int widthTwips, int heightTwips);
    // Shows a window of the program modally over this one, then runs the
    // activation step, as the desk expects after every such window.
    int RunModal(QDialog& dialog);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildFrame();
    void connectPanels();
    void buildKeyMap();
    void CentreForm();
    void SetUpControls();
    // The key map; returns whether a command ran.
    bool Form_KeyDown(int keyCode, int shift);
    void Timer1_Timer();
    void ShowCaptionStatus(const QString& message);
    void setCaptionStatus(const QString& message);
    void qxlogoIM_Click();
    void qxlogoIM_MouseMove();
    void Form_MouseMove();
    void Command1_Click();
    void cmdMore_Click();
    void cmdMultiDELETE_Click();
    void CmdPersonal_Click();
    void cmdGetCARD_Click();
    bool Form_Unload();

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
