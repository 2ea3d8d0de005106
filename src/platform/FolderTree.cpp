#include "platform/FolderTree.h"

#include "core/admin/FolderPath.h"
#include "platform/ShownPath.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyle>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int PathRole = Qt::UserRole + 1;
constexpr int ListedRole = Qt::UserRole + 2;

std::string PathOf(const QStandardItem* item) {
    return item->data(PathRole).toByteArray().toStdString();
}

std::string PathIn(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

// Stands in for the subfolders of a folder not read yet, so that it shows it
// can be opened.
QStandardItem* Unread() {
    auto* placeholder = new QStandardItem();
    placeholder->setFlags(Qt::NoItemFlags);
    return placeholder;
}

} // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), model_(new QStandardItemModel(this)) {
    setModel(model_);
    header()->hide();
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* root = new QStandardItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QStringLiteral("/"));
    root->setData(QByteArray("/"), PathRole);
    root->setEditable(false);
    root->appendRow(Unread());
    model_->appendRow(root);
    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { listSubFolders(model_->itemFromIndex(index)); });
}

QStandardItem* FolderTree::addFolder(QStandardItem* parent, const std::string& name) {
    const std::string path = PathIn(PathOf(parent), name);
    auto* item = new QStandardItem(style()->standardIcon(QStyle::SP_DirIcon), ShownPath::Text(name));
    item->setData(QByteArray::fromStdString(path), PathRole);
    item->setEditable(false);
    item->appendRow(Unread());
    parent->appendRow(item);
    return item;
}

void FolderTree::listSubFolders(QStandardItem* folder) {
    if (!folder || folder->data(ListedRole).toBool())
        return;
    folder->setData(true, ListedRole);
    folder->removeRows(0, folder->rowCount());
    std::vector<std::string> names = FolderPath::SubFolders(PathOf(folder));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order = ShownPath::Text(a).compare(ShownPath::Text(b), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    for (const std::string& name : names)
        addFolder(folder, name);
}

std::string FolderTree::selectedFolder() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? std::string() : PathOf(model_->itemFromIndex(selected.first()));
}

void FolderTree::selectFolder(const std::string& path) {
    QStandardItem* folder = model_->item(0);
    bool found = path.starts_with('/');
    const std::filesystem::path parts =
        found ? std::filesystem::path(path).lexically_normal().relative_path() : std::filesystem::path();
    for (const auto& part : parts) {
        const std::string name = part.string();
        if (name.empty())
            continue; // the end of a path ending in "/"
        listSubFolders(folder);
        const std::string wanted = PathIn(PathOf(folder), name);
        QStandardItem* next = nullptr;
        for (int row = 0; row < folder->rowCount() && !next; ++row)
            if (PathOf(folder->child(row)) == wanted)
                next = folder->child(row);
        // A hidden folder is not listed, but can be opened by its path.
        std::error_code ec;
        if (!next && std::filesystem::is_directory(wanted, ec))
            next = addFolder(folder, name);
        if (!next) {
            found = false;
            break;
        }
        folder = next;
    }
    std::vector<QModelIndex> above;
    for (QStandardItem* item = folder->parent(); item; item = item->parent())
        above.push_back(item->index());
    for (auto it = above.rbegin(); it != above.rend(); ++it)
        expand(*it);
    const QModelIndex at = folder->index();
    if (found) {
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
        scrollTo(at);
    } else {
        expand(at);
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::Clear);
        scrollTo(at, QAbstractItemView::PositionAtTop); // its subfolders in view below it
    }
}
