#pragma once

#include "core/FileError.h"
#include "core/ProgramState.h"

#include <QWidget>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The settings window's "Built-in Lists" tab: lists one section of the
// pick-list file and adds or removes its items, each change written at once.
class PickListPanel : public QWidget {
    Q_OBJECT
  public:
    PickListPanel(ProgramState& state, QWidget* parent);

    void cbSetSelectList_Click();
    void cmdSetList_Click();
    void ActiveText_Change();
    void ListSection_Click();
    void LoadListSection();
    void cmdSetADD_Click();
    void cmdSetDelete_Click();

    void HideChangesNote();

  private:
    std::string chosenName() const;
    std::string listFile() const;
    void tell(const QString& text, int style, const QString& title);
    void afterChange(const FileError& error);

    ProgramState& state_;
    std::string listedKey_; // the section the list shows, "" before the first List

    QComboBox* cbSetSelectList = nullptr;
    QPushButton* cmdSetList = nullptr;
    QListWidget* ListSection = nullptr;
    QLineEdit* ActiveText = nullptr;
    QPushButton* cmdSetADD = nullptr;
    QPushButton* cmdSetDelete = nullptr;
    QLabel* lachanges = nullptr;
};
