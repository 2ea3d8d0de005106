#pragma once

#include "platform/GridRowSource.h"

#include <QAbstractTableModel>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The cells behind a Grid. Texts are Latin-1 bytes kept in an arena: each
// row that has any text owns a block there (its column end offsets, then its
// texts back to back), so a list of many thousand rows costs about its bytes
// and no allocation per cell. Colours and locks are kept only for the cells
// that were given any, and rows only up to the last one given anything.
// Rows may also come from a row source, which is asked for their texts and
// colours; a cell written later keeps its own text or colour over the
// source's. While deferred (the grid's drawing is off) the model is inside a
// reset and sends no change signals at all.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(QObject* parent = nullptr);
    ~GridModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    int rows() const { return rowCount_; }
    void setRows(int rows);
    int cols() const { return cols_; }
    void setCols(int cols);
    void removeRow(int row);

    // Every row below the heading row gives way to the rows of source, shown
    // from row 1 on; Rows becomes their number plus the heading row. A null
    // source leaves the heading row alone.
    void setRowSource(std::shared_ptr<const GridRowSource> source);

    // The bytes stay valid until the next call of text() or change of any text.
    std::string_view text(int row, int col) const;
    QString qtext(int row, int col) const;
    void setText(int row, int col, std::string_view latin1);
    void setText(int row, int col, const QString& text);

    long foreColor(int row, int col) const;
    void setForeColor(int row, int col, long bgr);
    void setForeColor(int row1, int col1, int row2, int col2, long bgr);
    // The cell's own back colour, or the shade of its row when it has none.
    long backColor(int row, int col) const;
    void setBackColor(int row, int col, long bgr);
    bool locked(int row, int col) const;
    void setLocked(int row, int col, bool locked);
    bool editable(int row, int col) const;

    void setShades(long first, long second);
    long shade1() const { return shade1_; }
    long shade2() const { return shade2_; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }

    int alignmentCode(int col) const;
    void setAlignmentCode(int col, int code);
    Qt::Alignment alignment(int col) const;

    // Last row holding any text (0 when only the heading or nothing has text).
    int lastRowWithText() const;

    void setDeferred(bool on);

    // Colour of the heading row where it has no colour of its own.
    static constexpr long HeadingShade = 0xF0F0F0;

  private:
    static constexpr std::uint32_t NoBlock = static_cast<std::uint32_t>(-1);
    // HasText: the cell's own text, kept over its source row's.
    enum StyleFlag : std::uint8_t { HasFore = 1, HasBack = 2, IsLocked = 4, HasText = 8 };
    struct CellStyle {
        std::uint32_t col;
        std::uint8_t flags;
        std::uint32_t fore;
        std::uint32_t back;
    };
    // A block sits in one chunk: the end offset of each column's text, then the texts.
    struct Row {
        std::uint32_t chunk = NoBlock;
        std::uint32_t offset = 0;
        std::uint32_t ncols = 0;
        std::uint32_t styles = 0; // its list in styleLists_; 0: none, as for most rows
    };
    // Chunks are filled front to back and never moved, so a growing list
    // copies nothing.
    struct ChunkRelease {
        std::size_t mapped = 0; // length of a chunk mapped on its own, 0 for one from the heap
        void operator()(char* p) const;
    };
    struct Chunk {
        std::unique_ptr<char[], ChunkRelease> data;
        std::size_t used = 0;
        std::size_t capacity = 0;
    };
    static Chunk newChunk(std::size_t capacity, std::size_t used);

    bool inRange(int row, int col) const { return row >= 0 && col >= 0 && row < rows() && col < cols_; }
    const Row* rowAt(int row) const {
        return static_cast<std::size_t>(row) < rows_.size() ? &rows_[static_cast<std::size_t>(row)] : nullptr;
    }
    Row& rowFor(int row); // made, with every row above it, when missing
    // The source's row shown in a grid row, -1 for a row of the grid's own.
    int sourceRowOf(int row) const;
    bool rowHasText(int row) const;
    char* block(const Row& r) const { return chunks_[r.chunk].data.get() + r.offset; }
    const std::uint32_t* ends(const Row& r) const { return reinterpret_cast<const std::uint32_t*>(block(r)); }
    std::size_t blockSize(const Row& r) const;
    static Row place(std::vector<Chunk>& chunks, std::size_t size);
    void dropBlock(Row& r);
    void compactIfWasteful();
    void compact(std::uint32_t keepCols);
    void releaseStyles(Row& r);
    const CellStyle* style(int row, int col) const;
    CellStyle& styleFor(int row, int col);
    void eraseStyleIfPlain(int row, int col);
    void cellChanged(int row, int col, const QList<int>& roles);

    std::vector<Chunk> chunks_;
    std::size_t used_ = 0;    // bytes handed out from all chunks
    std::size_t garbage_ = 0; // of which no longer any row's
    std::vector<Row> rows_;   // up to the last row given any text or style
    int rowCount_ = 0;
    std::shared_ptr<const GridRowSource> source_; // null once none of its rows is left
    int sourceFirst_ = 1;                         // the grid row of the first source row shown
    int sourceCount_ = 0;                         // source rows shown, from sourceFirst_ on
    std::vector<std::uint32_t> sourceIndex_;      // each one's row in the source once any was removed
    mutable std::string scratch_;
    std::vector<std::vector<CellStyle>> styleLists_{1};
    std::vector<std::uint32_t> freeStyleLists_;
    int cols_ = 0;
    std::vector<int> alignCodes_;
    long shade1_ = 0xFFFFFF;
    long shade2_ = 0xFFFFFF;
    bool readOnly_ = false;
    bool deferred_ = false;
};
