#include "core/startup/SettingsScrambler.h"

#include <cstdint>

namespace {

class KeyStream {
  public:
    explicit KeyStream(const std::string& key) {
        // FNV-1a over the key, so every key character changes the stream.
        std::uint64_t h = 0xCBF29CE484222325ull;
        for (unsigned char c : key) {
            h ^= c;
            h *= 0x100000001B3ull;
        }
        state_ = h ^ (static_cast<std::uint64_t>(key.size()) << 56);
    }

    // splitmix64: period 2^64, every output well mixed.
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

  private:
    std::uint64_t state_ = 0;
};

std::uint8_t RotateLeft(std::uint8_t v, unsigned n) {
    n &= 7;
    return n == 0 ? v : static_cast<std::uint8_t>((v << n) | (v >> (8 - n)));
}

std::uint8_t RotateRight(std::uint8_t v, unsigned n) {
    n &= 7;
    return n == 0 ? v : static_cast<std::uint8_t>((v >> n) | (v << (8 - n)));
}

} // namespace

std::string SettingsScrambler::Scramble(const std::string& data, const std::string& key, int /*mode*/) const {
    KeyStream stream(key);
    std::string out(data.size(), '\0');
    std::uint8_t previous = static_cast<std::uint8_t>(stream.Next());
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::uint64_t k = stream.Next();
        std::uint8_t b = static_cast<std::uint8_t>(data[i]) ^ static_cast<std::uint8_t>(k);
        b = RotateLeft(b, static_cast<unsigned>(k >> 8));
        b = static_cast<std::uint8_t>(b + previous + static_cast<std::uint8_t>(k >> 16));
        out[i] = static_cast<char>(b);
        previous = b;
    }
    return out;
}

std::string SettingsScrambler::Unscramble(const std::string& data, const std::string& key, int /*mode*/) const {
    KeyStream stream(key);
    std::string out(data.size(), '\0');
    std::uint8_t previous = static_cast<std::uint8_t>(stream.Next());
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::uint64_t k = stream.Next();
        const std::uint8_t scrambled = static_cast<std::uint8_t>(data[i]);
        std::uint8_t b = static_cast<std::uint8_t>(scrambled - previous - static_cast<std::uint8_t>(k >> 16));
        b = RotateRight(b, static_cast<unsigned>(k >> 8));
        out[i] = static_cast<char>(b ^ static_cast<std::uint8_t>(k));
        previous = scrambled;
    }
    return out;
}
