#pragma once

#include "core/ProgramState.h"
#include "ui/passes/PassCard.h"
#include "ui/passes/frmPass.h"

#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

// The print window: never shown. Its load fills the paper card and starts a
// one-second timer; the timer prints the card once on the default printer
// and, only when the printer took it, stores the pass in the booking.
class frmPrintform : public QWidget {
    Q_OBJECT
  public:
    frmPrintform(ProgramState& state, const PreparedPass& pass, QWidget* parent = nullptr);
    ~frmPrintform() override;

    void Form_Load();
    void CentreForm();
    void FillPrintCard();
    void ShowBarcode();
    void Timer1_Timer();
    // Runs the print step now unless it has run.
    void finish();
    bool Printed() const { return printed_; }

    PassCard::Content Card() const;

    // Prints a card once, without a dialog, on the default printer; false
    // with the reason when there is none, it failed or its queue refused the job.
    static bool PrintCard(const PassCard::Content& card, QString& failure);

  private:
    ProgramState& state_;
    PreparedPass pass_;
    bool done_ = false;
    bool printed_ = false;
    QPixmap photo_;
    QPixmap logo_;

    QLabel* PFirmNameTB = nullptr;
    QLabel* P_PassNameTB = nullptr;
    QLabel* P_PassRegOPTB = nullptr;
    QLabel* P_PassOrganTB = nullptr;
    QLabel* P_PassDeptTB = nullptr;
    QLabel* P_PASSValidTB = nullptr;
    QLabel* P_PassDateTB = nullptr;
    QLabel* P_PassTimeTB = nullptr;
    QLabel* laBCp = nullptr;
    QTimer* Timer1 = nullptr;
};
