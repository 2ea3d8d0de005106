#pragma once

#include "core/ProgramState.h"

#include <QDialog>

class FolderTree;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The folder chooser: a tree of the machine's folders. The caller shows it
// modally, then reads browse.BrowseCancelled and, when that is false,
// browse.BrowseResult, which is also the folder preselected on opening.
class frmBFF : public QDialog {
    Q_OBJECT
  public:
    explicit frmBFF(ProgramState& state, QWidget* parent = nullptr);

    void cmdBFFCancel_Click();
    void cmdBFFOK_Click();
    void Form_Load();
    // The layout rule, on the window's inside width and height in twips.
    void Form_Resize(int widthTwips, int heightTwips);
    void ftvbff_FolderSelected();
    // The path shortened in the middle to 90 % of the box's width; the full
    // path becomes the box's tool tip when it had to be shortened.
    static QString CompactPathForDisplay(QLineEdit* box, const QString& path);

    // The folder the tree has selected ("" when none), as the file system
    // names it.
    std::string TreeSelectedPath() const;
    void SetTreeSelectedPath(const std::string& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;

  private:
    ProgramState& state_;
    std::string SelectedPath;
    bool unloaded_ = false;

    QLabel* imaBFFTopBar = nullptr;
    FolderTree* ftvbff = nullptr;
    QFrame* picBFFBottomBar = nullptr;
    QLineEdit* txtBFFSelectedF = nullptr;
    QPushButton* cmdBFFOK = nullptr;
    QPushButton* cmdBFFCancel = nullptr;
};
