// Writes the filler library whose bytes fill the unused positions of the
// settings record. The bytes are our own: a fixed pseudo-random stream, so
// every build lays out the same file.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_filler OUTPUT\n");
        return 2;
    }
    constexpr std::size_t size = 614400; // covers the furthest read: 600000 + 3839
    std::vector<char> bytes(size);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        b = static_cast<char>(x >> 24);
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
