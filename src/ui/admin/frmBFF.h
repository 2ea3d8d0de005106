#pragma once

#include "core/ProgramState.h"

#include <QDialog>

class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The folder chooser: a tree of the machine's folders. The caller shows it
// modally, then reads browse.BrowseCancelled and, when that is false,
// browse.BrowseResult, which is also the folder preselected on opening.
class frmBFF : public QDialog {
  public:
    explicit frmBFF(ProgramState& state, QWidget* parent = nullptr);

    void cmdBFFCancel_Click();
    void cmdBFFOK_Click();
    void Form_Load();
    // The layout rule, on the window's outer width and height in twips.
    void Form_Resize(int widthTwips, int heightTwips);
    void ftvbff_FolderSelected();
    // The path shortened in the middle to 90 % of the box's width; the full
    // path becomes the box's tool tip when it had to be shortened.
    static QString CompactPathForDisplay(QLineEdit* box, const QString& path);

    // The folder the tree has selected ("" when none).
    QString TreeSelectedPath() const;
    void SetTreeSelectedPath(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;

  private:
    ProgramState& state_;
    QString SelectedPath;
    bool unloaded_ = false;

    QLabel* imaBFFTopBar = nullptr;
    QTreeView* ftvbff = nullptr;
    QFileSystemModel* model_ = nullptr;
    QFrame* picBFFBottomBar = nullptr;
    QLineEdit* txtBFFSelectedF = nullptr;
    QPushButton* cmdBFFOK = nullptr;
    QPushButton* cmdBFFCancel = nullptr;
};
