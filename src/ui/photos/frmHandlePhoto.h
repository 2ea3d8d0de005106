#pragma once

#include "core/ProgramState.h"
#include "core/desk/BookingList.h"

#include <QDialog>
#include <QString>

#include <string>

class Grid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The photo library: finds, lists, shows, attaches and deletes the photos of
// a month's or a year's bookings. It opens on the month and year the desk's
// list shows (the texts of its list month and year boxes).
class frmHandlePhoto : public QDialog {
    Q_OBJECT
  public:
    frmHandlePhoto(ProgramState& state, const QString& listMonthText, const QString& listYearText,
                   QWidget* parent = nullptr);
    ~frmHandlePhoto() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load(const QString& listMonthText, const QString& listYearText);
    void CentreForm();
    void SetupPhotoGrid();
    void cmdHPFind_Click();
    void cmdHPList_Click();
    void HPFindTB_KeyPress(int keyAscii);
    void CBHPDay_Click();
    void CBHPMonth_Click();
    void SetFindControlsEnabled(bool enabled);
    void SetMonthNumber();
    void ShowCaptionStatus(const QString& text);
    void cmdHPClose_Click();

    // The four scans: find or list, over the chosen month or the whole year.
    void FindPhotosInMonth();
    void ListPhotosInMonth();
    void FindPhotosInYear();
    void ListPhotosInYear();
    void scanMonth(bool find);
    void scanYear(bool find);
    void showScan(const Lists::ListResult& result);

    void PhotoGrid_RowChosen();
    void BuildCreatedTexts();
    void cmdHPAttach_Click();
    void cmdHPDelete_Click();
    void cmdHPDeleteList_Click();
    void showPhoto(const std::string& path);
    void showPlaceholder();
    void showPlainCaption();
    void blinkStep();

    ProgramState& state_;
    QComboBox* CBHPListBy;
    QLineEdit* HPFindTB;
    QComboBox* CBHPDay;
    QComboBox* CBHPMonth;
    QComboBox* CBHPYear;
    QLabel* laHPDay;
    QLabel* laHPMonth;
    QLabel* laHPYear;
    QLabel* HPSearchLa;
    QLabel* laHPFWoP;
    QLabel* LaHPLeaveB;
    Grid* PhotoGrid;
    QLabel* HPImage;
    QLabel* LAHPName;
    QLabel* LaHPOrg;
    QLabel* LaHPPassI;
    QLabel* LaHPRegno;
    QPushButton* cmdHPFind;
    QPushButton* cmdHPList;
    QPushButton* cmdHPClose;
    QPushButton* cmdHPAttach;
    QPushButton* cmdHPDelete;
    QPushButton* cmdHPDeleteList;
    QTimer* blinkTimer_;

    QString SelectedMonthCode;
    std::string SelectedPhotoRegNo;
    std::string SelectedPhotoFirstName;
    std::string SelectedPhotoLastName;
    std::string SelectedPhotoCreatedText;
    std::string CurrentBookingCreatedText;
    QString blinkText_;
    int blinkTicks_ = 0;
};
