#pragma once

#include "core/ProgramState.h"

#include <QDialog>

#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QGridLayout;
class QLineEdit;
class QPushButton;

// What the booking detail windows share: a fixed-size modal window whose boxes
// edit the current booking's fields as the user types, F1 for the help page,
// and a copy of the edited fields for Cancel to put back. Saving stays with
// the main window.
class DetailDialog : public QDialog {
    Q_OBJECT
  public:
    void CentreForm();
    void Form_KeyDown(int keyCode, int shift);
    void Form_Unload();
    void SnapshotFields();
    void RestoreFields();

  protected:
    // editedFields: the booking fields the window edits; they must outlive it.
    DetailDialog(ProgramState& state, QWidget* parent, const char* name, const char* title,
                 std::span<const int> editedFields);

    // Rows of the fields' grid: captions in columns 0 and 2, boxes in 1 and 3.
    void addPair(const char* leftCaption, QWidget* left, const char* rightCaption, QWidget* right);
    void addWide(const char* caption, QWidget* box);
    void addAcross(QWidget* widget);
    // A rule across the grid, with the heading under it when given.
    void addRule(QWidget* heading = nullptr);
    // Puts the grid above the buttons, Clear at the left and OK and Cancel at the right.
    void layOutPage(QPushButton* clear, QPushButton* ok, QPushButton* cancel);
    // Empties each box and the field it edits.
    static void clearBoxes(std::initializer_list<std::pair<QLineEdit*, std::string*>> boxes);

    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

    ProgramState& state_;
    QGridLayout* const grid_; // owned by the page once laid out
    int row_ = 0;

  private:
    std::span<const int> editedFields_;
    std::vector<std::string> savedFields_;
};
