#pragma once

#include <string>
#include <string_view>

// Rows a Grid shows without holding their texts: the grid asks for a cell's
// text and text colour whenever it draws, prints or reads that cell. A
// source never changes while a grid shows it.
class GridRowSource {
  public:
    virtual ~GridRowSource() = default;
    virtual int rowCount() const = 0;
    // Latin-1 bytes: a view into the source's own bytes, into scratch or at a constant.
    virtual std::string_view text(int row, int col, std::string& scratch) const = 0;
    virtual long foreColor(int row, int col) const = 0; // blue-green-red
};
