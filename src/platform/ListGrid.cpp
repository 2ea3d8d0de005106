#include "platform/ListGrid.h"

#include "platform/Grid.h"
#include "platform/GridRowSource.h"
#include "platform/Latin1Text.h"

#include <QFontMetricsF>

#include <algorithm>

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

QString WidestDigits(std::string_view form, const QFont& font) {
    QChar widest = u'0';
    const QFontMetricsF metrics(font);
    for (char16_t d = u'1'; d <= u'9'; ++d)
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widest))
            widest = QChar(d);
    QString text = Latin1::FromBytes(form);
    text.replace(u'0', widest);
    return text;
}

void SetListWidths(Grid& grid, const Lists::ListDescription& description, const Lists::PickLists& pickLists) {
    for (int c = 0; c < static_cast<int>(description.columns.size()) && c < grid.Cols(); ++c) {
        const int given = description.columns[static_cast<std::size_t>(c)].width;
        if (given == Lists::GridDefault)
            continue;
        int width = given;
        if (given > 0) // a hidden column stays hidden
            for (const std::string& text : Lists::WholeTexts(description, c, pickLists))
                width = std::max(width, grid.WidthToShow(WidestDigits(text, grid.font())));
        grid.Column(c).setWidth(width);
    }
}

void ShowList(Grid& grid, const Lists::ListDescription& description, std::shared_ptr<const Lists::BookingList> list,
              const Lists::PickLists& pickLists) {
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
        grid.Cell(0, c).setText(column.heading);
        if (column.alignment != Lists::GridDefault)
            grid.Column(c).setAlignment(column.alignment);
    }
    SetListWidths(grid, description, pickLists);
    grid.setRedraw(true);
    grid.Refresh();
    if (rows > 0)
        grid.Cell(1, 1).Select();
}
