#include "platform/GridModel.h"

#include "platform/Latin1Text.h"
#include "platform/VbColor.h"

#include <QFont>

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <string>

namespace {
constexpr std::size_t BlockAlign = alignof(std::uint32_t);
constexpr std::size_t WasteLimit = 64 * 1024;
constexpr std::size_t FirstChunk = 4 * 1024;
constexpr std::size_t LargestChunk = 1024 * 1024;
constexpr std::size_t MappedChunk = 256 * 1024;

std::size_t alignUp(std::size_t n) {
    return (n + BlockAlign - 1) & ~(BlockAlign - 1);
}
} // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

GridModel::~GridModel() = default;

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !inRange(index.row(), index.column()))
        return {};
    const int row = index.row();
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return qtext(row, col);
    case Qt::ForegroundRole:
        return VbColor(foreColor(row, col));
    case Qt::BackgroundRole:
        return VbColor(backColor(row, col));
    case Qt::TextAlignmentRole:
        return static_cast<int>(alignment(col));
    case Qt::FontRole:
        if (row == 0) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= cols_ || rows_.empty())
        return {};
    const CellStyle* s = style(0, section);
    switch (role) {
    case Qt::DisplayRole:
        return qtext(0, section);
    case Qt::TextAlignmentRole:
        return static_cast<int>(alignment(section));
    case Qt::ForegroundRole:
        return s && (s->flags & HasFore) ? QVariant(VbColor(s->fore)) : QVariant();
    case Qt::BackgroundRole:
        return s && (s->flags & HasBack) ? QVariant(VbColor(s->back)) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !inRange(index.row(), index.column()))
        return false;
    setText(index.row(), index.column(), value.toString());
    return true;
}

GridModel::Row& GridModel::rowFor(int row) {
    if (static_cast<std::size_t>(row) >= rows_.size())
        rows_.resize(static_cast<std::size_t>(row) + 1);
    return rows_[static_cast<std::size_t>(row)];
}

int GridModel::sourceRowOf(int row) const {
    const int k = row - sourceFirst_;
    if (k < 0 || k >= sourceCount_)
        return -1;
    return sourceIndex_.empty() ? k : static_cast<int>(sourceIndex_[static_cast<std::size_t>(k)]);
}

void GridModel::setRows(int rows) {
    rows = std::max(rows, 0);
    const int old = this->rows();
    if (rows == old)
        return;
    if (rows > old) {
        if (!deferred_)
            beginInsertRows(QModelIndex(), old, rows - 1);
        rowCount_ = rows;
        if (!deferred_)
            endInsertRows();
        return;
    }
    if (!deferred_)
        beginRemoveRows(QModelIndex(), rows, old - 1);
    for (std::size_t r = static_cast<std::size_t>(rows); r < rows_.size(); ++r) {
        dropBlock(rows_[r]);
        releaseStyles(rows_[r]);
    }
    if (rows_.size() > static_cast<std::size_t>(rows))
        rows_.resize(static_cast<std::size_t>(rows));
    rowCount_ = rows;
    sourceCount_ = std::clamp(rows - sourceFirst_, 0, sourceCount_);
    if (!sourceIndex_.empty())
        sourceIndex_.resize(static_cast<std::size_t>(sourceCount_));
    if (sourceCount_ == 0) {
        source_.reset();
        sourceIndex_.clear();
    }
    compactIfWasteful();
    if (!deferred_)
        endRemoveRows();
}

void GridModel::setCols(int cols) {
    cols = std::max(cols, 0);
    const int old = cols_;
    if (cols == old)
        return;
    if (cols > old) {
        if (!deferred_)
            beginInsertColumns(QModelIndex(), old, cols - 1);
        cols_ = cols;
        alignCodes_.resize(static_cast<std::size_t>(cols), -1);
        if (!deferred_)
            endInsertColumns();
        return;
    }
    if (!deferred_)
        beginRemoveColumns(QModelIndex(), cols, old - 1);
    compact(static_cast<std::uint32_t>(cols));
    for (Row& r : rows_) {
        if (!r.styles)
            continue;
        std::erase_if(styleLists_[r.styles],
                      [cols](const CellStyle& s) { return s.col >= static_cast<std::uint32_t>(cols); });
        if (styleLists_[r.styles].empty())
            releaseStyles(r);
    }
    cols_ = cols;
    alignCodes_.resize(static_cast<std::size_t>(cols));
    if (!deferred_)
        endRemoveColumns();
}

void GridModel::removeRow(int row) {
    if (row < 0 || row >= rows())
        return;
    if (!deferred_)
        beginRemoveRows(QModelIndex(), row, row);
    if (static_cast<std::size_t>(row) < rows_.size()) {
        dropBlock(rows_[static_cast<std::size_t>(row)]);
        releaseStyles(rows_[static_cast<std::size_t>(row)]);
        rows_.erase(rows_.begin() + row);
    }
    --rowCount_;
    const int k = row - sourceFirst_;
    if (source_ && k < 0) {
        --sourceFirst_;
    } else if (source_ && k < sourceCount_) {
        if (sourceIndex_.empty()) {
            sourceIndex_.resize(static_cast<std::size_t>(sourceCount_));
            std::iota(sourceIndex_.begin(), sourceIndex_.end(), 0u);
        }
        sourceIndex_.erase(sourceIndex_.begin() + k);
        if (--sourceCount_ == 0) {
            source_.reset();
            sourceIndex_.clear();
        }
    }
    compactIfWasteful();
    if (!deferred_)
        endRemoveRows();
}

void GridModel::setRowSource(std::shared_ptr<const GridRowSource> source) {
    if (!deferred_)
        beginResetModel();
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        dropBlock(rows_[r]);
        releaseStyles(rows_[r]);
    }
    if (rows_.size() > 1)
        rows_.resize(1);
    compactIfWasteful();
    sourceCount_ = source ? std::max(source->rowCount(), 0) : 0;
    source_ = sourceCount_ ? std::move(source) : nullptr;
    sourceFirst_ = 1;
    sourceIndex_.clear();
    rowCount_ = 1 + sourceCount_;
    if (!deferred_)
        endResetModel();
}

std::size_t GridModel::blockSize(const Row& r) const {
    if (r.chunk == NoBlock)
        return 0;
    return r.ncols * sizeof(std::uint32_t) + (r.ncols ? ends(r)[r.ncols - 1] : 0);
}

// A large chunk gets all its pages in one call: taking them one page fault
// at a time costs several times as much on virtual machines, and a long list
// fills its chunks anyway.
GridModel::Chunk GridModel::newChunk(std::size_t capacity, std::size_t used) {
#ifdef MADV_POPULATE_WRITE
    if (capacity >= MappedChunk) {
        void* p = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p != MAP_FAILED) {
            madvise(p, capacity, MADV_POPULATE_WRITE); // where refused, the pages come one by one
            return Chunk{{static_cast<char*>(p), ChunkRelease{capacity}}, used, capacity};
        }
    }
#endif
    return Chunk{{new char[capacity], ChunkRelease{0}}, used, capacity};
}

void GridModel::ChunkRelease::operator()(char* p) const {
    if (mapped)
        munmap(p, mapped);
    else
        delete[] p;
}

// Room for a block of `size` bytes at the end of the last chunk, or in a new
// one; chunks grow from small (a time grid) to large (a long list).
GridModel::Row GridModel::place(std::vector<Chunk>& chunks, std::size_t size) {
    if (!chunks.empty()) {
        Chunk& last = chunks.back();
        const std::size_t at = alignUp(last.used);
        if (at + size <= last.capacity) {
            last.used = at + size;
            return Row{static_cast<std::uint32_t>(chunks.size() - 1), static_cast<std::uint32_t>(at), 0, 0};
        }
    }
    std::size_t capacity = chunks.empty() ? FirstChunk : std::min(chunks.back().capacity * 2, LargestChunk);
    capacity = std::max(capacity, alignUp(size));
    chunks.push_back(newChunk(capacity, size));
    return Row{static_cast<std::uint32_t>(chunks.size() - 1), 0, 0, 0};
}

void GridModel::dropBlock(Row& r) {
    garbage_ += blockSize(r);
    r.chunk = NoBlock;
    r.offset = 0;
    r.ncols = 0;
}

void GridModel::compactIfWasteful() {
    if (garbage_ > WasteLimit && garbage_ * 2 > used_)
        compact(static_cast<std::uint32_t>(cols_));
}

// Copies every live block, cut to keepCols columns, into one fresh chunk in row order.
void GridModel::compact(std::uint32_t keepCols) {
    auto liveBytes = [&](const Row& r) -> std::uint32_t {
        const std::uint32_t n = std::min(r.ncols, keepCols);
        return r.chunk == NoBlock || n == 0 ? 0 : ends(r)[n - 1];
    };
    std::size_t total = 0;
    for (const Row& r : rows_)
        if (const std::uint32_t bytes = liveBytes(r))
            total = alignUp(total) + std::min(r.ncols, keepCols) * sizeof(std::uint32_t) + bytes;
    std::vector<Chunk> fresh;
    if (total > 0)
        fresh.push_back(newChunk(total, 0));
    std::size_t used = 0;
    for (Row& r : rows_) {
        const std::uint32_t bytes = liveBytes(r);
        if (bytes == 0) {
            r.chunk = NoBlock;
            r.offset = 0;
            r.ncols = 0;
            continue;
        }
        const std::uint32_t n = std::min(r.ncols, keepCols);
        const std::size_t size = n * sizeof(std::uint32_t) + bytes;
        const Row at = place(fresh, size);
        char* to = fresh[at.chunk].data.get() + at.offset;
        const char* from = block(r);
        std::memcpy(to, from, n * sizeof(std::uint32_t));
        std::memcpy(to + n * sizeof(std::uint32_t), from + r.ncols * sizeof(std::uint32_t), bytes);
        r.chunk = at.chunk;
        r.offset = at.offset;
        r.ncols = n;
        used += size;
    }
    chunks_.swap(fresh);
    used_ = used;
    garbage_ = 0;
}

std::string_view GridModel::text(int row, int col) const {
    if (!inRange(row, col))
        return {};
    if (const int s = sourceRowOf(row); s >= 0) {
        const CellStyle* own = style(row, col);
        if (!own || !(own->flags & HasText))
            return source_->text(s, col, scratch_);
    }
    const Row* at = rowAt(row);
    if (!at)
        return {};
    const Row& r = *at;
    if (r.chunk == NoBlock || static_cast<std::uint32_t>(col) >= r.ncols)
        return {};
    const std::uint32_t* e = ends(r);
    const std::uint32_t start = col ? e[col - 1] : 0;
    const char* texts = block(r) + r.ncols * sizeof(std::uint32_t);
    return {texts + start, e[col] - start};
}

QString GridModel::qtext(int row, int col) const {
    return Latin1::FromBytes(text(row, col));
}

void GridModel::setText(int row, int col, const QString& text) {
    setText(row, col, std::string_view(Latin1::ToBytes(text)));
}

void GridModel::setText(int row, int col, std::string_view latin1) {
    if (!inRange(row, col))
        return;
    const auto c = static_cast<std::uint32_t>(col);
    const bool sourced = sourceRowOf(row) >= 0;
    const Row* at = rowAt(row);
    if ((!at || at->chunk == NoBlock || c >= at->ncols) && latin1.empty()) {
        if (sourced) { // empty over the source's text
            styleFor(row, col).flags |= HasText;
            cellChanged(row, col, {Qt::DisplayRole, Qt::EditRole});
        }
        return;
    }
    // Chunks never move while texts are copied, but a text of this very row
    // would be shifted under its own feet, compaction frees old chunks, and a
    // source's text may lie in the scratch the next read overwrites.
    std::string copy;
    if ((at && at->chunk != NoBlock && std::less_equal<>()(block(*at), latin1.data()) &&
         std::less<>()(latin1.data(), block(*at) + blockSize(*at))) ||
        (std::less_equal<>()(scratch_.data(), latin1.data()) &&
         std::less_equal<>()(latin1.data(), scratch_.data() + scratch_.size()))) {
        copy.assign(latin1);
        latin1 = copy;
    }
    if (sourced)
        styleFor(row, col).flags |= HasText;
    Row& r = rowFor(row);
    const auto len = static_cast<std::uint32_t>(latin1.size());
    const auto ncols = static_cast<std::uint32_t>(cols_);

    if (r.chunk == NoBlock || c >= r.ncols) {
        // A new block with every column, the text going in place: also for a
        // row made before the columns grew.
        const std::uint32_t oldCols = r.chunk == NoBlock ? 0 : r.ncols;
        const std::uint32_t oldBytes = oldCols ? ends(r)[oldCols - 1] : 0;
        const Row at = place(chunks_, ncols * sizeof(std::uint32_t) + oldBytes + len);
        char* to = chunks_[at.chunk].data.get() + at.offset;
        auto* e = reinterpret_cast<std::uint32_t*>(to);
        if (oldCols) {
            std::memcpy(e, block(r), oldCols * sizeof(std::uint32_t));
            std::memcpy(to + ncols * sizeof(std::uint32_t), block(r) + oldCols * sizeof(std::uint32_t), oldBytes);
        }
        std::fill(e + oldCols, e + c, oldBytes);
        std::fill(e + c, e + ncols, oldBytes + len);
        std::memcpy(to + ncols * sizeof(std::uint32_t) + oldBytes, latin1.data(), len);
        const std::size_t size = ncols * sizeof(std::uint32_t) + oldBytes + len;
        dropBlock(r);
        used_ += size;
        r.chunk = at.chunk;
        r.offset = at.offset;
        r.ncols = ncols;
        cellChanged(row, col, {Qt::DisplayRole, Qt::EditRole});
        return;
    }

    auto* e = reinterpret_cast<std::uint32_t*>(block(r));
    const std::uint32_t start = c ? e[c - 1] : 0;
    const std::uint32_t end = e[c];
    const std::uint32_t total = e[r.ncols - 1];
    const std::size_t head = r.ncols * sizeof(std::uint32_t);
    const std::uint32_t old = end - start;
    Chunk& home = chunks_[r.chunk];
    const bool lastInChunk = r.offset + head + total == home.used;

    if (len <= old || (lastInChunk && r.offset + head + total - old + len <= home.capacity)) {
        // In place: shrinking anywhere, growing at the end of its chunk (a list filling row by row).
        char* t = block(r) + head;
        std::memmove(t + start + len, t + end, total - end);
        if (len)
            std::memcpy(t + start, latin1.data(), len);
        for (std::uint32_t k = c; k < r.ncols; ++k)
            e[k] = e[k] - old + len;
        if (lastInChunk) {
            home.used = home.used - old + len;
            used_ = used_ - old + len;
        } else {
            garbage_ += old - len;
        }
    } else {
        const std::size_t size = head + total - old + len;
        const Row at = place(chunks_, size);
        char* to = chunks_[at.chunk].data.get() + at.offset;
        const char* from = block(r);
        auto* ne = reinterpret_cast<std::uint32_t*>(to);
        for (std::uint32_t k = 0; k < r.ncols; ++k)
            ne[k] = k < c ? e[k] : e[k] - old + len;
        std::memcpy(to + head, from + head, start);
        if (len)
            std::memcpy(to + head + start, latin1.data(), len);
        std::memcpy(to + head + start + len, from + head + end, total - end);
        garbage_ += head + total;
        used_ += size;
        r.chunk = at.chunk;
        r.offset = at.offset;
        compactIfWasteful();
    }
    cellChanged(row, col, {Qt::DisplayRole, Qt::EditRole});
}

void GridModel::releaseStyles(Row& r) {
    if (!r.styles)
        return;
    styleLists_[r.styles].clear();
    freeStyleLists_.push_back(r.styles);
    r.styles = 0;
}

const GridModel::CellStyle* GridModel::style(int row, int col) const {
    const Row* r = inRange(row, col) ? rowAt(row) : nullptr;
    if (!r)
        return nullptr;
    const std::uint32_t list = r->styles;
    if (!list)
        return nullptr;
    for (const CellStyle& s : styleLists_[list])
        if (s.col == static_cast<std::uint32_t>(col))
            return &s;
    return nullptr;
}

GridModel::CellStyle& GridModel::styleFor(int row, int col) {
    Row& r = rowFor(row);
    if (!r.styles) {
        if (freeStyleLists_.empty()) {
            styleLists_.emplace_back();
            r.styles = static_cast<std::uint32_t>(styleLists_.size() - 1);
        } else {
            r.styles = freeStyleLists_.back();
            freeStyleLists_.pop_back();
        }
    }
    auto& styles = styleLists_[r.styles];
    for (CellStyle& s : styles)
        if (s.col == static_cast<std::uint32_t>(col))
            return s;
    return styles.emplace_back(CellStyle{static_cast<std::uint32_t>(col), 0, 0, 0});
}

void GridModel::eraseStyleIfPlain(int row, int col) {
    if (!rowAt(row))
        return;
    Row& r = rows_[static_cast<std::size_t>(row)];
    if (!r.styles)
        return;
    std::erase_if(styleLists_[r.styles],
                  [col](const CellStyle& s) { return s.col == static_cast<std::uint32_t>(col) && s.flags == 0; });
    if (styleLists_[r.styles].empty())
        releaseStyles(r);
}

long GridModel::foreColor(int row, int col) const {
    if (!inRange(row, col))
        return 0;
    if (const CellStyle* s = style(row, col); s && (s->flags & HasFore))
        return static_cast<long>(s->fore);
    const int s = sourceRowOf(row);
    return s >= 0 ? source_->foreColor(s, col) & 0xFFFFFF : 0;
}

void GridModel::setForeColor(int row, int col, long bgr) {
    if (!inRange(row, col))
        return;
    bgr &= 0xFFFFFF;
    if (bgr == 0 && sourceRowOf(row) < 0) { // black is every own cell's colour: nothing to keep
        if (!style(row, col))
            return;
        CellStyle& s = styleFor(row, col);
        s.flags &= ~HasFore;
        s.fore = 0;
        eraseStyleIfPlain(row, col);
    } else {
        CellStyle& s = styleFor(row, col);
        s.flags |= HasFore;
        s.fore = static_cast<std::uint32_t>(bgr);
    }
    cellChanged(row, col, {Qt::ForegroundRole});
}

void GridModel::setForeColor(int row1, int col1, int row2, int col2, long bgr) {
    if (row1 > row2)
        std::swap(row1, row2);
    if (col1 > col2)
        std::swap(col1, col2);
    row1 = std::max(row1, 0);
    col1 = std::max(col1, 0);
    row2 = std::min(row2, rows() - 1);
    col2 = std::min(col2, cols_ - 1);
    if (row1 > row2 || col1 > col2)
        return;
    const bool wasDeferred = deferred_;
    deferred_ = true; // one signal for the block, not one per cell
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c)
            setForeColor(r, c, bgr);
    deferred_ = wasDeferred;
    if (!deferred_) {
        emit dataChanged(index(row1, col1), index(row2, col2), {Qt::ForegroundRole});
        if (row1 == 0)
            emit headerDataChanged(Qt::Horizontal, col1, col2);
    }
}

long GridModel::backColor(int row, int col) const {
    const CellStyle* s = style(row, col);
    if (s && (s->flags & HasBack))
        return static_cast<long>(s->back);
    if (row == 0)
        return HeadingShade;
    return row % 2 ? shade1_ : shade2_;
}

void GridModel::setBackColor(int row, int col, long bgr) {
    if (!inRange(row, col))
        return;
    CellStyle& s = styleFor(row, col);
    s.flags |= HasBack;
    s.back = static_cast<std::uint32_t>(bgr & 0xFFFFFF);
    cellChanged(row, col, {Qt::BackgroundRole});
}

bool GridModel::locked(int row, int col) const {
    const CellStyle* s = style(row, col);
    return s && (s->flags & IsLocked);
}

void GridModel::setLocked(int row, int col, bool on) {
    if (!inRange(row, col) || (!on && !style(row, col)))
        return;
    CellStyle& s = styleFor(row, col);
    if (on)
        s.flags |= IsLocked;
    else
        s.flags &= ~IsLocked;
    eraseStyleIfPlain(row, col);
}

bool GridModel::editable(int row, int col) const {
    return inRange(row, col) && row > 0 && !readOnly_ && !locked(row, col);
}

void GridModel::setShades(long first, long second) {
    shade1_ = first & 0xFFFFFF;
    shade2_ = second & 0xFFFFFF;
    if (!deferred_ && rows() > 0 && cols_ > 0)
        emit dataChanged(index(0, 0), index(rows() - 1, cols_ - 1), {Qt::BackgroundRole});
}

int GridModel::alignmentCode(int col) const {
    return col >= 0 && col < cols_ ? alignCodes_[static_cast<std::size_t>(col)] : -1;
}

void GridModel::setAlignmentCode(int col, int code) {
    if (col < 0 || col >= cols_)
        return;
    alignCodes_[static_cast<std::size_t>(col)] = code;
    if (!deferred_ && rows() > 0) {
        emit dataChanged(index(0, col), index(rows() - 1, col), {Qt::TextAlignmentRole});
        emit headerDataChanged(Qt::Horizontal, col, col);
    }
}

// 10 centres codes, dates, times and numbers; free text (6) and every other
// code sit at the left, all centred from top to bottom.
Qt::Alignment GridModel::alignment(int col) const {
    if (alignmentCode(col) == 10)
        return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool GridModel::rowHasText(int row) const {
    if (sourceRowOf(row) >= 0) {
        for (int c = 0; c < cols_; ++c)
            if (!text(row, c).empty())
                return true;
        return false;
    }
    const Row* r = rowAt(row);
    return r && r->chunk != NoBlock && r->ncols && ends(*r)[r->ncols - 1] > 0;
}

int GridModel::lastRowWithText() const {
    // Rows past both the written ones and the source's hold nothing.
    const int lastSource = source_ ? sourceFirst_ + sourceCount_ - 1 : 0;
    const int last = std::min(rows() - 1, std::max(static_cast<int>(rows_.size()) - 1, lastSource));
    for (int r = last; r > 0; --r)
        if (rowHasText(r))
            return r;
    return 0;
}

void GridModel::setDeferred(bool on) {
    if (on == deferred_)
        return;
    if (on) {
        beginResetModel();
        deferred_ = true;
    } else {
        deferred_ = false;
        endResetModel();
    }
}

void GridModel::cellChanged(int row, int col, const QList<int>& roles) {
    if (deferred_)
        return;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, roles);
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
}
