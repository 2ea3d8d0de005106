#include "platform/ShownPath.h"

#include <algorithm>
#include <vector>

namespace ShownPath {

namespace {

// The length of the valid UTF-8 sequence at the start of bytes, or 0.
std::size_t Utf8SequenceLength(std::string_view bytes) {
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at(i) < 0x80 || at(i) > 0xBF)
            return 0;
    return length;
}

// The text of a path and, for each of its UTF-16 units, where the bytes of
// its character begin and whether the unit begins that character (the second
// half of a surrogate pair does not).
struct Reading {
    QString text;
    std::vector<std::size_t> offsets; // one per unit, and the path's length at the end
    std::vector<bool> starts;         // whether the unit starts a character
};

Reading Read(std::string_view path) {
    Reading r;
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t length = Utf8SequenceLength(path.substr(i));
        const QString character = length ? QString::fromUtf8(path.data() + i, static_cast<qsizetype>(length))
                                         : QString(QChar(static_cast<unsigned char>(path[i])));
        for (qsizetype unit = 0; unit < character.size(); ++unit) {
            r.offsets.push_back(i);
            r.starts.push_back(unit == 0);
        }
        r.text += character;
        i += length ? length : 1;
    }
    r.offsets.push_back(path.size());
    r.starts.push_back(true);
    return r;
}

} // namespace

QString Text(std::string_view path) {
    return Read(path).text;
}

std::string Bytes(const QString& text, std::string_view shownPath) {
    const Reading shown = Read(shownPath);
    const qsizetype shownSize = shown.text.size();
    const qsizetype most = std::min(text.size(), shownSize);
    qsizetype head = 0;
    while (head < most && text[head] == shown.text[head])
        ++head;
    while (!shown.starts[static_cast<std::size_t>(head)])
        --head;
    qsizetype tail = 0;
    while (tail < most - head && text[text.size() - 1 - tail] == shown.text[shownSize - 1 - tail])
        ++tail;
    while (!shown.starts[static_cast<std::size_t>(shownSize - tail)])
        --tail;
    std::string bytes(shownPath.substr(0, shown.offsets[static_cast<std::size_t>(head)]));
    bytes += text.mid(head, text.size() - head - tail).toUtf8().toStdString();
    bytes += shownPath.substr(shown.offsets[static_cast<std::size_t>(shownSize - tail)]);
    return bytes;
}

} // namespace ShownPath
