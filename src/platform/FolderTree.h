#pragma once

#include <QTreeView>

#include <string>

class QStandardItem;
class QStandardItemModel;

// The machine's folders as a tree from "/". Folders are known by the bytes the
// file system names them by and shown readably, so a name that is not UTF-8
// is listed, opened and chosen like any other. A folder's subfolders are read
// when it is first opened.
class FolderTree : public QTreeView {
    Q_OBJECT
  public:
    explicit FolderTree(QWidget* parent = nullptr);

    // The chosen folder, or "" when none is chosen.
    std::string selectedFolder() const;
    // Opens the tree on path and chooses it. A folder that does not exist is
    // not chosen: the tree opens on the nearest folder above it that does.
    void selectFolder(const std::string& path);

  private:
    QStandardItem* addFolder(QStandardItem* parent, const std::string& name);
    void listSubFolders(QStandardItem* folder);

    QStandardItemModel* model_;
};
