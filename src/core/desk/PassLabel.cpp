#include "core/desk/PassLabel.h"

#include "core/TextUtil.h"
#include "core/startup/Helpers.h"

#include <algorithm>
#include <cctype>

namespace {
std::string withoutBlanks(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}
} // namespace

PassLabel::Look PassLabel::For(const BookingFields& b, const std::string& today) {
    // The stamp "dd-mm-yyyy at hh:mm" is 19 characters with its blanks.
    if (Text::Trim(b.PassIssued).size() != 19)
        return {"No Pass on-File", 0xE0E0E0};
    if (!StartUp::IsDateInRange(b.PassStart, b.PassEnd, today))
        return {"Pass NOT Valid", 0xF9E7DF};
    const std::string period = withoutBlanks(b.PassPeriod);
    const char unit = period.empty() ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(period.back())));
    const char* word = unit == 'D' ? "Day" : unit == 'W' ? "Week" : unit == 'M' ? "Month" : " ??";
    return {b.PassEnd + "  " + period.substr(0, 1) + " " + word, 0xFF00};
}
