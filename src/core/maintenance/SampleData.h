#pragma once

#include "core/FileError.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Sample bookings for trying the lists, searches, printing and bulk deletion
// without real visitors: 200 generated bookings in each month file of
// 2010-2012. Bookings are assembled in the generator's own fields, never in
// the booking on screen.
namespace SampleData {

inline constexpr int FirstYear = 2010;
inline constexpr int LastYear = 2012;
inline constexpr int BookingsPerFile = 200;

// DataRoot/Record/1001.vrf .. 1212.vrf in order.
std::vector<std::string> MonthFilePaths(const std::string& dataRoot);
bool AnyMonthFileExists(const std::string& dataRoot);

// Draws from one stream seeded once, so every file gets draws of its own.
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : engine_(seed) {}

    // Appends the CR LF terminated booking lines of the month file yymm to
    // out, each number appearing once.
    void AppendMonthFile(std::string_view yymm, std::string& out);

    // A uniform value in [0, 1) of single precision.
    float Rnd();
    // floor(Rnd * n + k): k .. k + n - 1, all equally likely.
    int Int(int n, int k = 0);
    // Rnd * n + 1 rounded to the nearest, halves to even: 1 .. n + 1.
    int Nearest(int n);

  private:
    std::mt19937_64 engine_;
};

struct FileFailure {
    std::string path;
    FileError error;
};

struct RunResult {
    int written = 0;
    std::vector<FileFailure> failures; // the run went on past each of these
};

// Replaces the 36 month files, each atomically under its lock. beforeFile
// runs before each file is made (the desk lets its events run there).
RunResult WriteMonthFiles(const std::string& dataRoot, std::uint64_t seed, const std::function<void()>& beforeFile = {},
                          bool sync = true);

} // namespace SampleData
