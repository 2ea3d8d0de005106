#include "core/passes/AviFile.h"

#include <cstdint>

namespace {

void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

// A chunk: its four-character code, its size and its data, padded to an even length.
std::string Chunk(const char* code, const std::string& data) {
    std::string out(code, 4);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    out += data;
    if (data.size() % 2)
        out += '\0';
    return out;
}

std::string List(const char* type, const std::string& content) {
    return Chunk("LIST", std::string(type, 4) + content);
}

} // namespace

std::string AviFile::UncompressedVideo(int width, int height, int framesPerSecond,
                                       const std::vector<std::string>& frames) {
    const auto w = static_cast<std::uint32_t>(width);
    const auto h = static_cast<std::uint32_t>(height);
    const auto count = static_cast<std::uint32_t>(frames.size());
    const std::uint32_t frameBytes = (w * 3 + 3) / 4 * 4 * h;
    const auto rate = static_cast<std::uint32_t>(framesPerSecond > 0 ? framesPerSecond : 1);

    std::string main;
    Put32(main, 1000000 / rate);
    Put32(main, frameBytes * rate);
    Put32(main, 0);
    Put32(main, 0x10); // has an index
    Put32(main, count);
    Put32(main, 0);
    Put32(main, 1);
    Put32(main, frameBytes);
    Put32(main, w);
    Put32(main, h);
    main.append(16, '\0');

    std::string stream = "vidsDIB ";
    Put32(stream, 0);
    Put16(stream, 0);
    Put16(stream, 0);
    Put32(stream, 0);
    Put32(stream, 1);
    Put32(stream, rate);
    Put32(stream, 0);
    Put32(stream, count);
    Put32(stream, frameBytes);
    Put32(stream, 0xFFFFFFFF);
    Put32(stream, 0);
    Put16(stream, 0);
    Put16(stream, 0);
    Put16(stream, static_cast<std::uint16_t>(w));
    Put16(stream, static_cast<std::uint16_t>(h));

    std::string format;
    Put32(format, 40);
    Put32(format, w);
    Put32(format, h);
    Put16(format, 1);
    Put16(format, 24);
    Put32(format, 0);
    Put32(format, frameBytes);
    format.append(16, '\0');

    std::string movie;
    std::string index;
    std::uint32_t offset = 4; // from the start of the "movi" code
    for (const std::string& frame : frames) {
        const std::string chunk = Chunk("00db", frame);
        index += "00db";
        Put32(index, 0x10); // a key frame
        Put32(index, offset);
        Put32(index, static_cast<std::uint32_t>(frame.size()));
        offset += static_cast<std::uint32_t>(chunk.size());
        movie += chunk;
    }

    const std::string header =
        List("hdrl", Chunk("avih", main) + List("strl", Chunk("strh", stream) + Chunk("strf", format)));
    return Chunk("RIFF", "AVI " + header + List("movi", movie) + Chunk("idx1", index));
}
