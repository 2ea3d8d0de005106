#pragma once

#include "core/desk/BookingList.h"
#include "core/desk/ListDescription.h"

#include <QFont>
#include <QString>

#include <memory>
#include <string_view>

class Grid;

// Fills grid with a list as its description lays it out: drawing off, the
// columns with their widths, headings and alignments, both back colours, the
// list's rows from row 1 on (drawn from the list itself, not copied), Rows
// the list's rows plus 50, drawing on, and cell (1, 1) chosen when there are
// rows. A null list shows as an empty one. A column is widened where its
// width is too narrow for the texts it must show whole (Lists::WholeTexts).
void ShowList(Grid& grid, const Lists::ListDescription& description, std::shared_ptr<const Lists::BookingList> list,
              const Lists::PickLists& pickLists = {});
// A text form's digits written as the widest digit of font, to measure the
// widest text of that form.
QString WidestDigits(std::string_view form, const QFont& font);
// Sets the widths of the list's columns on grid, widened as ShowList widens them.
void SetListWidths(Grid& grid, const Lists::ListDescription& description, const Lists::PickLists& pickLists);
