#pragma once

#include "core/FileError.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Lists {

// Which of its column's colours a row's cells take (see ListColumn::tones).
namespace DateTone { // a month list row's day against today
inline constexpr std::uint8_t Later = 0;
inline constexpr std::uint8_t Earlier = 1;
inline constexpr std::uint8_t Today = 2;
} // namespace DateTone
namespace StampTone { // an on-site row's visitor
inline constexpr std::uint8_t NotArrived = 0;
inline constexpr std::uint8_t OnSite = 1; // no departure, or one earlier than the arrival
inline constexpr std::uint8_t Departed = 2;
} // namespace StampTone
using ToneColours = std::array<long, 3>; // blue-green-red, by tone

// One row of a list: where its line lies in the list's bytes, and the little
// the list decided about it when it was built.
struct ListRow {
    std::uint32_t offset = 0;
    std::uint32_t length = 0; // without the line end
    std::uint8_t day = 0;     // the day (1..31) whose booked time the row shows; 0 for none
    std::uint8_t tone = 0;
};

// The rows of a list over the bytes of the file they came from, kept once;
// a cell's text is made from its row's line only when it is shown.
class BookingList {
  public:
    BookingList() = default;
    explicit BookingList(std::string bytes) : bytes_(std::move(bytes)) {}

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const ListRow& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    std::string_view Line(int row) const {
        const ListRow& r = Row(row);
        return std::string_view(bytes_).substr(r.offset, r.length);
    }

    void Reserve(std::size_t rows) { rows_.reserve(rows); }
    // line must lie within this list's bytes.
    void Add(std::string_view line, std::uint8_t day = 0, std::uint8_t tone = 0) {
        rows_.push_back({static_cast<std::uint32_t>(line.data() - bytes_.data()),
                         static_cast<std::uint32_t>(line.size()), day, tone});
    }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
    std::vector<ListRow> rows_;
};

// A built list and how reading its file went; the list is never null (empty
// after an error).
struct ListResult {
    FileError error;
    std::shared_ptr<const BookingList> list;
};

// Reads the file at path for a list. A file too large for a list's row
// offsets is refused rather than listed wrongly.
FileError ReadListFile(const std::string& path, std::string& bytes);

} // namespace Lists
