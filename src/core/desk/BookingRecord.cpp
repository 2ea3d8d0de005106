#include "core/desk/BookingRecord.h"

#include "core/TextUtil.h"

#include <algorithm>

namespace {

void PutColumn(std::string& buffer, ColumnSpan span, std::string_view value) {
    value = value.substr(0, span.width);
    std::copy(value.begin(), value.end(), buffer.begin() + static_cast<std::ptrdiff_t>(span.column - 1));
}

bool IsStoredLineBreakAt(std::string_view text, std::size_t i) {
    return i + 4 <= text.size() && text[i] == '<' && text[i + 1] == '$' && (text[i + 2] == 'c' || text[i + 2] == 'C') &&
           text[i + 3] == '>';
}

} // namespace

std::string EncodeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += StoredLineBreak;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string DecodeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsStoredLineBreakAt(text, i)) {
            out += "\r\n";
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string BuildBookingLine(BookingFields& rec, const TimeCellTexts& timeCellTexts) {
    rec.PrescriptionNotes = EncodeLineBreaks(rec.PrescriptionNotes);

    // Padded and cut, never trimmed: a number with a leading blank keeps
    // every field in its own columns.
    std::string line(BookingLineLength, ' ');
    for (const BookingColumn& c : BookingColumns)
        PutColumn(line, c.span, rec.Field(c.field));
    for (int day = 1; day <= BookingFields::DayCount; ++day) {
        const std::string_view time = Text::TrimView(timeCellTexts[static_cast<std::size_t>(day - 1)]);
        if (time.empty())
            continue;
        PutColumn(line, Columns::DaySlot(day), TimeAsSlot(time));
    }
    std::replace_if(
        line.begin(), line.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    return line;
}

void ParseBookingLine(std::string_view line, BookingFields& out) {
    for (const BookingColumn& c : BookingColumns) {
        out.Field(c.field) =
            c.field == BookingFields::iRegNo ? std::string(ColumnText(line, c.span)) : TrimmedColumn(line, c.span);
    }
    out.PassPeriod = TrimmedColumn(line, Columns::PassLength) + TrimmedColumn(line, Columns::PassUnit);
    for (int day = 1; day <= BookingFields::DayCount; ++day)
        out.DayTimes[static_cast<std::size_t>(day - 1)] = TrimmedColumn(line, Columns::DaySlot(day));
    out.ArrivalTime = TrimmedColumn(line, Columns::ArrivalTime);
    out.DepartureTime = TrimmedColumn(line, Columns::DepartureTime);
    out.PrescriptionNotes = DecodeLineBreaks(out.PrescriptionNotes);
}

std::string TimeAsSlot(std::string_view time) {
    std::string slot(time.substr(0, 2));
    slot += time.substr(time.size() - std::min<std::size_t>(2, time.size()));
    return slot;
}

std::string SlotAsTime(std::string_view slot) {
    std::string time(slot.substr(0, 2));
    time += ':';
    time += slot.substr(slot.size() - std::min<std::size_t>(2, slot.size()));
    return time;
}

std::string LineKey(std::string_view line) {
    return TrimmedColumn(line, Columns::RegNo);
}

std::string_view ColumnText(std::string_view line, std::size_t column, std::size_t width) {
    if (column == 0 || column > line.size())
        return {};
    return line.substr(column - 1, width);
}

std::string TrimmedColumn(std::string_view line, std::size_t column, std::size_t width) {
    return Text::Trim(ColumnText(line, column, width));
}
