#pragma once

#include "core/ProgramState.h"
#include "core/desk/BookingRules.h"
#include "core/desk/ListDescription.h"

#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class WatchedBox;

// The booking form: the visitor's and the organisation's boxes, each copied
// into the current booking as it changes, the pass and photo labels, and the
// booking's command buttons.
class BookingFormPanel : public QObject {
    Q_OBJECT
  public:
    BookingFormPanel(ProgramState& state, QWidget* area, QWidget* window);

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
    void PersEmailTB_LostFocus();
    void CatEMATB_LostFocus();
    void PersGendTB_Click();
    // Space toggles the gender as a click does, M or F sets it; true when the key was one of them.
    bool PersGendTB_KeyPress(int keyAscii);
    void LoadCustomLists();

    // The form's boxes and labels emptied.
    void clear();
    // The boxes filled from a booking (their change handlers run).
    void showFields(const BookingFields& r);
    void ShowPhotoLabel();
    void ShowPassLabel();
    void showPassRevoked();

    BookingRules::FormEntries entries() const;
    QString regNoText() const;
    void setRegNoText(const QString& text);
    void focusFirstName();
    // The command buttons enabled by the modes.
    void applyModes(bool readOnly, bool disableSingleDelete, bool disableMultiDelete);

  signals:
    void newClicked();
    void saveClicked();
    void deleteClicked();
    void passClicked();
    void multiDeleteClicked();
    void personalClicked();
    void moreClicked();
    // The category and department entries read from the pick-list file.
    void pickListsRead(const Lists::PickLists& lists);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build(QWidget* p);
    void connectHandlers();

    ProgramState& state_;
    QWidget* window_;
    QLineEdit* RegNoTB;
    QLineEdit* FirstNameTB;
    QLineEdit* LastNameTB;
    WatchedBox* PersGendTB;
    QLineEdit* PersMobTB;
    QLineEdit* PersCarRegTB;
    WatchedBox* PersEmailTB;
    QComboBox* CataCB;
    QComboBox* Dept1CB;
    QLineEdit* CatOrganTB;
    QLineEdit* CatPartyTB;
    QLineEdit* CatAdrTB;
    QLineEdit* CatDDITB;
    QLineEdit* CatPCodeTB;
    QLineEdit* CatAltTTB;
    WatchedBox* CatEMATB;
    QLabel* PassPrntdLa;
    QLabel* PhotoOnFLa;
    QPushButton* CmdPersonal;
    QPushButton* cmdMore;
    QPushButton* cmdNEW;
    QPushButton* cmdSAVE;
    QPushButton* cmdDelete;
    QPushButton* cmdGetCARD;
    QPushButton* cmdMultiDELETE;
};
