#include "platform/Grid.h"

#include "platform/GridModel.h"
#include "platform/GridPrint.h"
#include "platform/Latin1Text.h"
#include "platform/PrintQueue.h"
#include "platform/VbColor.h"
#include "platform/VbKeys.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
constexpr int DefaultColumnWidth = 64;
constexpr int CellPadding = 3; // pixels between a cell's text and each side of the cell
} // namespace

// Paints a cell in its own colours (a selected cell keeps its text colour
// under a light tint, so a coloured mark stays visible) and makes the
// editors, which the grid watches for typed characters.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit GridDelegate(Grid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    Grid* grid_;
};

struct Grid::Impl {
    explicit Impl(Grid* g) : q(g) {}

    Grid* q;
    GridModel* model = nullptr;
    bool redraw = true;
    // The cell chosen while drawing is off; the view takes it when drawing resumes.
    int heldRow = 0;
    int heldCol = 0;
    std::vector<int> widths; // per column in grid units; -1 for the default width
    GridPageSetup page;
    std::function<int(int keyAscii)> charTyped;
    std::function<bool(int row, int col)> validateEdit;

    QPointer<QObject> editor; // compared while it is being destroyed, so not as a line edit
    QLineEdit* lineEditor() const { return qobject_cast<QLineEdit*>(editor.data()); }
    QPersistentModelIndex editing;
    bool validating = false;
    bool refused = false;
    bool swallowRelease = false;

    int pressedSection = -1;
    int pressedSize = 0;

    bool inRange(int row, int col) const { return row >= 0 && col >= 0 && row < model->rows() && col < model->cols(); }

    void hideHeadingRow() {
        if (model->rows() > 0 && !q->isRowHidden(0))
            q->setRowHidden(0, true);
    }

    void applyWidth(int col) {
        const int w = widths[static_cast<std::size_t>(col)];
        q->setColumnHidden(col, w == 0);
        if (w != 0)
            q->setColumnWidth(col, w < 0 ? DefaultColumnWidth : w);
    }

    void applyWidths() {
        widths.resize(static_cast<std::size_t>(model->cols()), -1);
        for (int c = 0; c < model->cols(); ++c)
            applyWidth(c);
    }

    void select(int row, int col) {
        if (!inRange(row, col))
            return;
        if (!redraw) {
            heldRow = row;
            heldCol = col;
            return;
        }
        q->selectionModel()->setCurrentIndex(model->index(row, col), QItemSelectionModel::ClearAndSelect);
    }

    void chooseHeading(int col) {
        if (model->rows() == 0)
            return;
        q->setFocus(Qt::MouseFocusReason);
        select(0, col);
        emit q->CellClicked(0, col);
        emit q->RowChosen(0, col);
    }

    // A typed character in a cell that is not being edited starts editing it
    // with that character, as in a spreadsheet; Backspace starts it empty.
    void startTypedEdit(int keyAscii) {
        const QModelIndex cur = q->currentIndex();
        if (!cur.isValid() || !model->editable(cur.row(), cur.column()))
            return;
        if (!q->edit(cur, QAbstractItemView::AllEditTriggers, nullptr) || !lineEditor())
            return;
        lineEditor()->setText(keyAscii == vb::vbKeyBack ? QString() : QString(QChar(keyAscii)));
    }

    void clearSelectedCells() {
        if (model->readOnly())
            return;
        const GridRange sel = q->Selection();
        for (int r = std::max(1, sel.FirstRow()); r <= sel.LastRow(); ++r)
            for (int c = sel.FirstCol(); c <= sel.LastCol(); ++c)
                if (model->editable(r, c))
                    model->setText(r, c, std::string_view());
    }

    GridPrintSource printSource() const {
        GridPrintSource s;
        s.model = model;
        s.font = q->font();
        s.rowHeight = q->verticalHeader()->defaultSectionSize();
        const QHeaderView* h = q->horizontalHeader();
        for (int c = 0; c < model->cols(); ++c) {
            if (redraw && c < h->count()) {
                s.columnWidths.push_back(h->isSectionHidden(c) ? 0 : h->sectionSize(c));
            } else {
                const int w = c < static_cast<int>(widths.size()) ? widths[static_cast<std::size_t>(c)] : -1;
                s.columnWidths.push_back(w < 0 ? DefaultColumnWidth : w);
            }
        }
        return s;
    }
};

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const GridModel* m = grid_->d->model;
    const int row = index.row();
    const int col = index.column();
    const QRect rect = option.rect;
    painter->fillRect(rect, VbColor(m->backColor(row, col)));
    if (option.state & QStyle::State_Selected) {
        QColor tint = option.palette.color(QPalette::Highlight);
        tint.setAlpha(70);
        painter->fillRect(rect, tint);
    }
    const std::string_view text = m->text(row, col);
    if (!text.empty()) {
        painter->setPen(VbColor(m->foreColor(row, col)));
        painter->setFont(option.font);
        painter->drawText(rect.adjusted(CellPadding, 0, -CellPadding, 0),
                          static_cast<int>(m->alignment(col)) | Qt::TextSingleLine, Latin1::FromBytes(text));
    }
    if (index == grid_->currentIndex()) {
        painter->setPen(QPen(Qt::black, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -1, -1));
    }
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(grid_->d->model->alignment(index.column()));
    editor->installEventFilter(grid_);
    grid_->d->editor = editor;
    grid_->d->editing = index;
    return editor;
}

Grid::Grid(QWidget* parent) : QTableView(parent), d(std::make_unique<Impl>(this)) {
    d->model = new GridModel(this);
    // A new grid has its heading row and one row below it, so headings can be
    // written before the rows are counted out.
    d->model->setRows(2);
    d->model->setCols(2);
    d->widths.assign(2, -1);
    setModel(d->model);
    setItemDelegate(new GridDelegate(this));

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* top = horizontalHeader();
    top->setSectionsClickable(false); // a click on a heading chooses the heading cell, it selects no column
    top->setHighlightSections(false);
    top->setMinimumSectionSize(1);
    top->setDefaultSectionSize(DefaultColumnWidth);
    top->viewport()->installEventFilter(this);

    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setTabKeyNavigation(false); // Tab goes on to the window's next control, as from any box

    // Row 0 is shown by the column headings above the cells, so it stays in view.
    connect(d->model, &QAbstractItemModel::rowsInserted, this, [this] { d->hideHeadingRow(); });
    connect(d->model, &QAbstractItemModel::rowsRemoved, this, [this] { d->hideHeadingRow(); });
    connect(d->model, &QAbstractItemModel::columnsInserted, this, [this] { d->applyWidths(); });
    connect(d->model, &QAbstractItemModel::modelReset, this, [this] {
        d->hideHeadingRow();
        d->applyWidths();
    });
}

Grid::~Grid() = default;

void Grid::setCharTyped(std::function<int(int keyAscii)> handler) {
    d->charTyped = std::move(handler);
}

void Grid::setValidateEdit(std::function<bool(int row, int col)> handler) {
    d->validateEdit = std::move(handler);
}

int Grid::Rows() const {
    return d->model->rows();
}

void Grid::setRows(int rows) {
    d->model->setRows(rows);
}

int Grid::Cols() const {
    return d->model->cols();
}

void Grid::setCols(int cols) {
    d->model->setCols(cols);
    d->widths.resize(static_cast<std::size_t>(d->model->cols()), -1);
}

void Grid::setBackColor1(long bgr) {
    d->model->setShades(bgr, d->model->shade2());
}

void Grid::setBackColor2(long bgr) {
    d->model->setShades(d->model->shade1(), bgr);
}

// Drawing off puts the model inside one reset: filling sends no signal per
// cell, and the view takes the whole new state at once when drawing resumes.
void Grid::setRedraw(bool on) {
    if (on == d->redraw)
        return;
    if (!on) {
        d->heldRow = CurrentRow();
        d->heldCol = CurrentCol();
        d->redraw = false;
        viewport()->setUpdatesEnabled(false);
        horizontalHeader()->viewport()->setUpdatesEnabled(false);
        d->model->setDeferred(true);
        return;
    }
    d->redraw = true;
    d->model->setDeferred(false);
    if (d->inRange(d->heldRow, d->heldCol))
        d->select(d->heldRow, d->heldCol);
    viewport()->setUpdatesEnabled(true);
    horizontalHeader()->viewport()->setUpdatesEnabled(true);
    Refresh();
}

bool Grid::ReadOnly() const {
    return d->model->readOnly();
}

void Grid::setReadOnly(bool on) {
    d->model->setReadOnly(on);
}

int Grid::CurrentRow() const {
    if (!d->redraw)
        return d->inRange(d->heldRow, d->heldCol) ? d->heldRow : 0;
    const QModelIndex cur = currentIndex();
    return cur.isValid() ? cur.row() : 0;
}

int Grid::CurrentCol() const {
    if (!d->redraw)
        return d->inRange(d->heldRow, d->heldCol) ? d->heldCol : 0;
    const QModelIndex cur = currentIndex();
    return cur.isValid() ? cur.column() : 0;
}

GridCell Grid::ActiveCell() {
    return GridCell(this, CurrentRow(), CurrentCol());
}

GridRange Grid::Selection() {
    const int row = CurrentRow();
    const int col = CurrentCol();
    if (d->redraw) {
        const QItemSelection sel = selectionModel()->selection();
        for (const QItemSelectionRange& range : sel)
            if (range.contains(currentIndex()))
                return GridRange(this, range.top(), range.left(), range.bottom(), range.right());
        if (!sel.isEmpty())
            return GridRange(this, sel.first().top(), sel.first().left(), sel.first().bottom(), sel.first().right());
    }
    return GridRange(this, row, col, row, col);
}

void Grid::Refresh() {
    if (!d->redraw)
        return;
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void Grid::RemoveItem(int row) {
    d->model->removeRow(row);
}

// The screen's font metrics are hinted to whole pixels while a printer's
// follow the font's design, so the text is measured both ways: the design
// width taken from the font drawn large.
int Grid::WidthToShow(const QString& text) const {
    if (text.isEmpty())
        return 0;
    constexpr int Large = 16;
    QFont large = font();
    large.setPixelSize(QFontInfo(font()).pixelSize() * Large);
    const double screen = QFontMetricsF(font()).horizontalAdvance(text);
    const double design = QFontMetricsF(large).horizontalAdvance(text) / Large;
    return static_cast<int>(std::ceil(std::max(screen, design))) + 2 * CellPadding + 1;
}

void Grid::setRowSource(std::shared_ptr<const GridRowSource> source) {
    d->model->setRowSource(std::move(source));
}

GridPageSetup& Grid::PageSetup() {
    return d->page;
}

namespace {

// The job options Qt's own printer gives the print system for what the print
// dialog set: paper, copies, sides, and those it keeps for the print system
// alone (pages per sheet, odd or even pages, a held job...).
PrintQueue::Options jobOptions(QPrinter& chosen) {
    PrintQueue::Options options;
    const QPageLayout paper = chosen.pageLayout();
    options.emplace_back("media", paper.pageSize().key().toUtf8());
    if (chosen.copyCount() > 1) {
        options.emplace_back("copies", QByteArray::number(chosen.copyCount()));
        if (chosen.collateCopies())
            options.emplace_back("Collate", "True");
    }
    const bool portrait = paper.orientation() == QPageLayout::Portrait;
    switch (chosen.duplex()) {
    case QPrinter::DuplexNone:
        options.emplace_back("sides", "one-sided");
        break;
    case QPrinter::DuplexAuto:
        options.emplace_back("sides", portrait ? "two-sided-long-edge" : "two-sided-short-edge");
        break;
    case QPrinter::DuplexLongSide:
        options.emplace_back("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        options.emplace_back("sides", "two-sided-short-edge");
        break;
    }
    if (!portrait)
        options.emplace_back("landscape", "");
    constexpr auto PrintSystemOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00); // Qt's name/value list
    const QStringList pairs = chosen.printEngine()->property(PrintSystemOptions).toStringList();
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        options.emplace_back(pairs[i].toUtf8(), pairs[i + 1].toUtf8());
    return options;
}

// Qt's printer hands its job to the print system without saying whether the
// queue took it; the pages are drawn to a file as the print dialog set the
// printer up and handed over here, where the queue's answer is heard.
PrintQueue::Answer printToQueue(QPrinter& chosen, const GridPrintSource& source, const GridPageSetup& page) {
    const QTemporaryDir folder;
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setOutputFileName(folder.filePath(QStringLiteral("list.pdf")));
    file.setPageLayout(chosen.pageLayout());
    file.setFullPage(chosen.fullPage());
    file.setColorMode(chosen.colorMode());
    file.setPageRanges(chosen.pageRanges());
    file.setDocName(chosen.docName());
    const int pages = GridPrint::Render(file, source, page);
    if (!folder.isValid() || file.printerState() == QPrinter::Error)
        return {false, QStringLiteral("the printer could not take it")};
    if (pages == 0)
        return {false, QStringLiteral("none of the pages chosen is in the list")};
    return PrintQueue::Submit(chosen.printerName(), file.outputFileName(), chosen.docName(), jobOptions(chosen));
}

} // namespace

Grid::Preview Grid::PrintPreview(int zoom) {
    Preview result;
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid())
        return result;
    result.opened = true;
    GridPrint::ConfigurePrinter(printer, d->page);
    QPrintPreviewDialog dialog(&printer, window());
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    // Room to read a landscape page: most of the screen the window is on.
    if (const QScreen* screen = window()->screen()) {
        const QRect avail = screen->availableGeometry();
        dialog.resize(avail.width() * 9 / 10, avail.height() * 9 / 10);
    }
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { GridPrint::Render(*target, d->printSource(), d->page); });
    // The printer button prints as the dialog does, but to a print queue
    // through the print system, so a queue that does not take the job is told;
    // a PDF file chosen in the print dialog is printed by Qt as before.
    QPrintDialog* chooser = nullptr;
    const auto print = [&] {
        if (!chooser)
            chooser = new QPrintDialog(&printer, &dialog);
        if (chooser->exec() != QDialog::Accepted)
            return;
        if (printer.outputFormat() == QPrinter::PdfFormat)
            GridPrint::Render(printer, d->printSource(), d->page);
        else if (const PrintQueue::Answer answer = printToQueue(printer, d->printSource(), d->page); !answer.accepted)
            result.refusal = answer.reason;
        dialog.accept();
    };
    // The printer button has no key of its own: Ctrl+P prints as it does.
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog.findChildren<QAction*>())
        if (action->text() == printText) {
            action->setShortcut(QKeySequence::Print);
            action->disconnect(&dialog);
            connect(action, &QAction::triggered, &dialog, print);
        }
    // The zoom is set before the pages are first laid out, so the dialog never
    // fits them to its window and its zoom box reads the zoom they are drawn at;
    // once laid out they are shown from the top left corner of the first page.
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
        preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        preview->setZoomFactor(std::max(zoom, 10) / 100.0);
        // Nor do its buttons say the page is fitted to the window.
        for (const char* fit : {"fitWidthAction", "fitPageAction"}) {
            if (auto* action = dialog.findChild<QAction*>(QString::fromLatin1(fit))) {
                QActionGroup* group = action->actionGroup();
                if (group)
                    group->setExclusive(false);
                action->setChecked(false);
                if (group)
                    group->setExclusive(true);
            }
        }
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = connect(
            preview, &QPrintPreviewWidget::previewChanged, preview,
            [preview, once] {
                QObject::disconnect(*once);
                if (auto* view = preview->findChild<QGraphicsView*>()) {
                    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
                    view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
                }
            },
            Qt::QueuedConnection);
    }
    dialog.exec();
    return result;
}

bool Grid::PrintToPdf(const QString& path, int fromPage, int toPage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    GridPrint::ConfigurePrinter(printer, d->page);
    if (fromPage > 0)
        printer.setFromTo(fromPage, std::max(fromPage, toPage));
    return GridPrint::Render(printer, d->printSource(), d->page) > 0;
}

void Grid::keyPressEvent(QKeyEvent* event) {
    if (state() == QAbstractItemView::EditingState) {
        QTableView::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    emit KeyDownInGrid(VbKeys::KeyCode(event), VbKeys::ShiftBits(event));
    const int typed = VbKeys::KeyAscii(event);
    if (typed != 0) {
        const int keyAscii = d->charTyped ? d->charTyped(typed) : typed;
        if (typed == vb::vbKeyReturn) {
            emit RowChosen(CurrentRow(), CurrentCol());
            event->accept(); // Enter chooses the row, it presses no default button
            return;
        }
        if (typed == vb::vbKeyEscape) {
            event->ignore(); // Escape is the window's, which closes as by its close box
            return;
        }
        if (keyAscii == 0) {
            event->accept();
            return;
        }
        if (keyAscii == vb::vbKeyBack || (keyAscii >= 32 && keyAscii != 127 && keyAscii <= 255)) {
            d->startTypedEdit(keyAscii);
            event->accept(); // never the view's jump-to-text search
            return;
        }
    }
    if (key == Qt::Key_Delete) {
        d->clearSelectedCells();
        event->accept();
        return;
    }
    const int row = CurrentRow();
    QTableView::keyPressEvent(event);
    if (CurrentRow() != row)
        emit CurrentRowMoved(CurrentRow(), CurrentCol());
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
    d->swallowRelease = true; // the click of a double click is reported once
    QTableView::mouseDoubleClickEvent(event);
}

void Grid::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    QTableView::mouseReleaseEvent(event);
    const bool swallow = std::exchange(d->swallowRelease, false);
    if (event->button() != Qt::LeftButton || !at.isValid() || swallow)
        return;
    emit CellClicked(at.row(), at.column());
    emit RowChosen(at.row(), at.column());
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    QHeaderView* top = horizontalHeader();
    if (watched == top->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            const int section = top->logicalIndexAt(me->position().toPoint());
            if (me->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonPress) {
                d->pressedSection = section;
                d->pressedSize = section >= 0 ? top->sectionSize(section) : 0;
            } else if (me->button() == Qt::LeftButton && section >= 0 && section == d->pressedSection &&
                       top->sectionSize(section) == d->pressedSize) { // not the end of a column resize
                d->pressedSection = -1;
                d->chooseHeading(section);
            }
        }
    } else if (watched == d->editor && event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        const int typed = VbKeys::KeyAscii(ke);
        if (typed != 0 && typed != vb::vbKeyReturn && typed != vb::vbKeyEscape) {
            const int keyAscii = d->charTyped ? d->charTyped(typed) : typed;
            if (keyAscii == 0)
                return true;
            if (keyAscii != typed) {
                if (QLineEdit* line = d->lineEditor(); line && keyAscii >= 32 && keyAscii != 127 && keyAscii <= 255)
                    line->insert(QString(QChar(keyAscii)));
                return true;
            }
        }
    }
    return QTableView::eventFilter(watched, event);
}

// Committing writes the editor's text into the cell first and then asks the
// windows: their check reads and may rewrite the cell. A refused edit stays
// open showing the cell as the check left it when it was committed by a key
// (Enter, Tab); when the focus went elsewhere the editor closes all the same
// and the cell keeps what the check left, since the grid cannot hold the focus.
void Grid::commitData(QWidget* editor) {
    auto* line = qobject_cast<QLineEdit*>(editor);
    // A message box of the check takes the focus from the editor and so asks
    // for a second commit while the first one is still running.
    if (!line || d->validating || !d->editing.isValid())
        return;
    const int row = d->editing.row();
    const int col = d->editing.column();
    d->validating = true;
    d->model->setText(row, col, line->text());
    const bool cancel = d->validateEdit && d->validateEdit(row, col);
    d->validating = false;
    d->refused = cancel;
    if (cancel && d->lineEditor() == line && d->inRange(row, col)) {
        line->setText(d->model->qtext(row, col));
        line->selectAll();
    }
}

void Grid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (d->validating)
        return;
    if (std::exchange(d->refused, false) && hint != QAbstractItemDelegate::NoHint && editor == d->editor.data()) {
        editor->setFocus();
        return;
    }
    d->editing = QPersistentModelIndex();
    QTableView::closeEditor(editor, hint);
    emit EditFocusLost();
}

// ---------------------------------------------------------------------------

QString GridCell::Text() const {
    return grid_->d->model->qtext(row_, col_);
}

void GridCell::setText(const QString& text) {
    grid_->d->model->setText(row_, col_, text);
}

void GridCell::setText(std::string_view latin1) {
    grid_->d->model->setText(row_, col_, latin1);
}

void GridCell::setForeColor(long bgr) {
    grid_->d->model->setForeColor(row_, col_, bgr);
}

long GridCell::BackColor() const {
    return grid_->d->model->backColor(row_, col_);
}

void GridCell::setBackColor(long bgr) {
    grid_->d->model->setBackColor(row_, col_, bgr);
}

void GridCell::setLocked(bool locked) {
    grid_->d->model->setLocked(row_, col_, locked);
}

void GridCell::Select() {
    grid_->d->select(row_, col_);
}

void GridColumn::setWidth(int width) {
    Grid::Impl& d = *grid_->d;
    if (col_ < 0 || col_ >= d.model->cols())
        return;
    d.widths.resize(static_cast<std::size_t>(d.model->cols()), -1);
    d.widths[static_cast<std::size_t>(col_)] = std::max(width, 0);
    if (d.redraw)
        d.applyWidth(col_);
}

void GridColumn::setAlignment(int code) {
    grid_->d->model->setAlignmentCode(col_, code);
}

void GridRange::setForeColor(long bgr) {
    grid_->d->model->setForeColor(row1_, col1_, row2_, col2_, bgr);
}

#include "Grid.moc"
