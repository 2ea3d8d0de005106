#pragma once

#include <QFont>
#include <QString>
#include <QTableView>

#include <functional>
#include <memory>
#include <string_view>

class Grid;
class GridModel;
class GridRowSource;

// One cell of a grid, addressed by row and column (row 0 is the heading row).
class GridCell {
  public:
    GridCell(Grid* grid, int row, int col) : grid_(grid), row_(row), col_(col) {}

    QString Text() const;
    void setText(const QString& text);
    void setText(std::string_view latin1); // fast path for list texts held as bytes
    void setText(const char* latin1) { setText(std::string_view(latin1)); }
    void setForeColor(long bgr);
    long BackColor() const;
    void setBackColor(long bgr);
    void setLocked(bool locked);
    int Row() const { return row_; }
    int Col() const { return col_; }
    void Select(); // makes this the active cell

  private:
    Grid* grid_;
    int row_;
    int col_;
};

class GridColumn {
  public:
    GridColumn(Grid* grid, int col) : grid_(grid), col_(col) {}
    // Width in the grid's units: one unit is one pixel at the default font.
    void setWidth(int width);
    // 6: free text (left, centred vertically); 10: codes, dates, times, numbers (centred).
    void setAlignment(int code);

  private:
    Grid* grid_;
    int col_;
};

// A rectangular block of cells.
class GridRange {
  public:
    GridRange(Grid* grid, int row1, int col1, int row2, int col2)
        : grid_(grid), row1_(row1), col1_(col1), row2_(row2), col2_(col2) {}
    void setForeColor(long bgr);
    int FirstRow() const { return row1_; }
    int FirstCol() const { return col1_; }
    int LastRow() const { return row2_; }
    int LastCol() const { return col2_; }

  private:
    Grid* grid_;
    int row1_, col1_, row2_, col2_;
};

// How a printed grid is laid out on paper.
struct GridPageSetup {
    QString HeaderText;
    QFont HeaderFont;
    int HeaderAlignment = 0; // 0 left, 1 centre, 2 right
    QString FooterText;      // "&P" page number, "&N" page count, "&D" date
    QFont FooterFont;
    int FooterAlignment = 0;
    int PaperSize = 9;                                                               // 9 = A4, 1 = Letter
    int Orientation = 2;                                                             // 1 portrait, 2 landscape
    double LeftMargin = 1.0, RightMargin = 1.0, TopMargin = 1.5, BottomMargin = 1.5; // centimetres
    double HeaderMargin = 0.8, FooterMargin = 0.8;
    bool CentreAcrossPage = false;
    int PrintRows = 0; // data rows printed below the heading; 0: up to the last row with text
    int Zoom = 100;    // percent
};

// The grid control of the desk's lists, the month time grid and the photo
// library: a table of texts with per-cell colours and locks, a heading row 0,
// fast filling with drawing switched off, and printing with a page set-up.
class Grid : public QTableView {
    Q_OBJECT
  public:
    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    void setBackColor1(long bgr);
    void setBackColor2(long bgr);
    void setRedraw(bool on);
    bool ReadOnly() const;
    void setReadOnly(bool on);

    int CurrentRow() const;
    int CurrentCol() const;
    GridCell ActiveCell();
    GridRange Selection();
    GridCell Cell(int row, int col) { return GridCell(this, row, col); }
    GridColumn Column(int col) { return GridColumn(this, col); }
    void Refresh();
    void RemoveItem(int row);
    // The width in grid units a cell needs to show text whole at the grid's
    // font, on screen and on a printed page alike.
    int WidthToShow(const QString& text) const;
    // Shows the rows of source from row 1 on in place of every row below the
    // heading row, without copying them: Rows becomes their number plus one.
    // Cells written afterwards keep their own text and colour.
    void setRowSource(std::shared_ptr<const GridRowSource> source);

    GridPageSetup& PageSetup();
    // What came of a print preview: whether it opened (it does not when no
    // printer is available), and the print system's words when the user
    // printed to a queue that did not take the job.
    struct Preview {
        bool opened = false;
        QString refusal;
    };
    // Opens the print preview; the user prints from it.
    Preview PrintPreview(int zoom = 100);
    // Prints straight to a PDF file with the page set-up (used by tests and
    // "print to file"); only pages fromPage to toPage (from 1) when given.
    bool PrintToPdf(const QString& path, int fromPage = 0, int toPage = 0);

    // Asked about each character typed into the grid or into a cell's
    // editor: the character to take in its place, 0 to drop it. Without a
    // handler every character is taken.
    void setCharTyped(std::function<int(int keyAscii)> handler);
    // Asked when an edited cell is committed, once the editor's text is in
    // the cell, which it may rewrite: true refuses the edit.
    void setValidateEdit(std::function<bool(int row, int col)> handler);

  signals:
    void RowChosen(int row, int col);           // the user chose a cell by clicking it, or by Return
    void CurrentRowMoved(int row, int col);     // the user moved the current row with the keys
    void CellClicked(int row, int col);         // every click into a cell
    void KeyDownInGrid(int keyCode, int shift); // keyCode as the platform numbers keys (46 Delete, 13 Enter)
    void EditFocusLost();                       // editing of a cell has ended

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    friend class GridCell;
    friend class GridColumn;
    friend class GridRange;
    friend class GridDelegate;
    struct Impl;
    std::unique_ptr<Impl> d;
};
