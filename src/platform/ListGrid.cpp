#include "platform/ListGrid.h"

#include "platform/Grid.h"
#include "platform/GridRowSource.h"

namespace {

constexpr int SpareRows = 50; // Rows is the data rows plus this

class BookingListRows : public GridRowSource {
  public:
    BookingListRows(const Lists::ListDescription& description, std::shared_ptr<const Lists::BookingList> list)
        : description_(description), list_(std::move(list)) {}

    int rowCount() const override { return list_->RowCount(); }
    std::string_view text(int row, int col, std::string& scratch) const override {
        return Lists::CellText(description_, *list_, row, col, scratch);
    }
    long foreColor(int row, int col) const override { return Lists::CellColour(description_, *list_, row, col); }

  private:
    Lists::ListDescription description_;
    std::shared_ptr<const Lists::BookingList> list_;
};

} // namespace

void ShowList(Grid& grid, const Lists::ListDescription& description, std::shared_ptr<const Lists::BookingList> list) {
    const int rows = list ? list->RowCount() : 0;
    const int cols = static_cast<int>(description.columns.size());
    grid.setRedraw(false);
    grid.setCols(0); // no width, alignment or text of the list before stays
    grid.setCols(cols);
    grid.setRowSource(rows ? std::make_shared<BookingListRows>(description, std::move(list)) : nullptr);
    grid.setRows(rows + SpareRows);
    grid.setBackColor1(description.backColour1);
    grid.setBackColor2(description.backColour2);
    for (int c = 0; c < cols; ++c) {
        const Lists::ListColumn& column = description.columns[static_cast<std::size_t>(c)];
        if (column.width != Lists::GridDefault)
            grid.Column(c).setWidth(column.width);
        grid.Cell(0, c).setText(column.heading);
        if (column.alignment != Lists::GridDefault)
            grid.Column(c).setAlignment(column.alignment);
    }
    grid.setRedraw(true);
    grid.Refresh();
    if (rows > 0)
        grid.Cell(1, 1).Select();
}
