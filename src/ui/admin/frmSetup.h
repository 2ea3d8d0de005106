#pragma once

#include "core/ProgramState.h"

#include <QDialog>

#include <array>
#include <string>

class PathBox;
class PickListPanel;
class QCheckBox;
class QTabWidget;

// The settings window. It edits the live settings, keeps a copy taken when it
// opens, and on closing saves them, or puts the copy back.
class frmSetup : public QDialog {
    Q_OBJECT
  public:
    explicit frmSetup(ProgramState& state, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void ShowSettings();
    void SnapshotSettings();
    void CompareSettings();
    void RestoreSettings();
    // Whether the window may close; false keeps it open with its edits.
    bool Form_Unload();

    // The click operation of an option box: stores its state in its setting.
    void Option_Click(const char* boxName);
    void ckDisSingleD_Click();
    void ckDisMultiD_Click();
    void ckMakeSysRdO_Click();
    void setNPTDTb_Change();
    void setNPTSTb_Change();
    void cmdsetNPTD_SL_Click();
    void cmdsetNPTS_SL_Click();
    void cmdsetNPTD_Click();
    void cmdsetNPTS_Click();
    void cmdsetOK_Click();
    void cmdsetCancel_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void buildStartUpTab(QWidget* tab);
    void buildNetworkTab(QWidget* tab);
    void buildStatisticsTab(QWidget* tab);
    QCheckBox* box(const char* name) const;
    void browse(ProgramState::FolderBrowse::Target target, PathBox* folderBox);
    bool foldersCanBeKept();
    void tell(const QString& text, int style);

    ProgramState& state_;
    UserSettings shadow_; // only the twenty settings the window edits are used
    bool cancelPressed_ = false;
    bool settingsChanged_ = false;
    bool unloaded_ = false;

    QTabWidget* SSTab1 = nullptr;
    PathBox* setNPTDTb = nullptr;
    PathBox* setNPTSTb = nullptr;
    PickListPanel* lists_ = nullptr;
};
