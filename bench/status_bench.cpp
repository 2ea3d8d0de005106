// Day status file, search and month list costs on 13 months of 5,000
// bookings each around today: each measured against reading the files raw.
#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/desk/DayStatusFile.h"
#include "core/desk/MonthBookingFile.h"
#include "core/desk/MonthList.h"
#include "core/desk/SearchFields.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Bookings = 5000;
const LocalDateTime Today{2012, 6, 15, 10, 30, 0};

std::string Date(int day, int month, int year) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", day, month, year);
    return text;
}

std::string MonthName(int year, int month) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d", year % 100, month);
    return text;
}

// A data folder with the month files from six months before today to six
// after: every booking booked on two to six days of its month, a third of
// them with a pass, a quarter of those passes running for three months.
class ThirteenMonths {
  public:
    ThirteenMonths() {
        root_ = (fs::temp_directory_path() / "kestrane-status-bench-").string() + std::to_string(::getpid());
        fs::create_directories(root_ + "/Record");
        fs::create_directories(root_ + "/Status");
        std::mt19937 random(11);
        for (int k = -6; k <= 6; ++k) {
            const int index = Today.year * 12 + Today.month - 1 + k;
            const int year = index / 12, month = index % 12 + 1;
            const std::string yymm = MonthName(year, month);
            std::string bytes;
            for (int i = 0; i < Bookings; ++i) {
                BookingFields rec;
                rec.RegNo = yymm + std::to_string(10000000 + i);
                rec.FirstName = "First" + std::to_string(i);
                rec.LastName = "Visitor" + std::to_string(i);
                rec.Organisation = "Harwell Fixings and Fastenings Ltd";
                rec.OrganisationEmail = "desk@harwell.example";
                rec.Department = "ENGINEERING";
                rec.Category = "CONTRACTOR";
                rec.PartySize.assign(1, '2');
                rec.ReportingTo = "J. Hartley";
                TimeCellTexts cells;
                std::array<int, 28> days;
                std::iota(days.begin(), days.end(), 0);
                std::shuffle(days.begin(), days.end(), random);
                const int booked = 2 + static_cast<int>(random() % 5);
                for (int b = 0; b < booked; ++b)
                    cells[static_cast<std::size_t>(days[static_cast<std::size_t>(b)])] = "09:30";
                if (random() % 3 == 0) {
                    const int from = 1 + static_cast<int>(random() % 21);
                    rec.PassStart = Date(from, month, year);
                    if (random() % 4 == 0) {
                        const int end = index + 3;
                        rec.PassEnd = Date(from, end % 12 + 1, end / 12);
                        rec.PassPeriod = "3M";
                    } else {
                        rec.PassEnd = Date(from + 7, month, year);
                        rec.PassPeriod = "1W";
                    }
                    rec.PassIssued = rec.PassStart + " 09:00:00";
                }
                bytes += BuildBookingLine(rec, cells) + "\r\n";
            }
            const std::string path = BookingFiles::MonthFilePath(root_, yymm);
            WriteFileAtomically(path, bytes, false);
            paths_.push_back(path);
        }
    }
    ~ThirteenMonths() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    const std::string& root() const { return root_; }
    const std::vector<std::string>& paths() const { return paths_; }
    const std::string& current() const { return paths_[6]; }

  private:
    std::string root_;
    std::vector<std::string> paths_;
};

// Made on first use, which every benchmark makes before its timed loop.
ThirteenMonths& Months() {
    Clock::Pin(Today);
    static ThirteenMonths months;
    return months;
}

void BM_ReadThirteenRaw(benchmark::State& state) {
    const std::vector<std::string>& paths = Months().paths();
    std::string bytes;
    std::int64_t total = 0;
    for (auto _ : state) {
        for (const std::string& path : paths) {
            ReadWholeFile(path, bytes);
            benchmark::DoNotOptimize(bytes.data());
            total += static_cast<std::int64_t>(bytes.size());
        }
    }
    state.SetBytesProcessed(total);
}
BENCHMARK(BM_ReadThirteenRaw)->Unit(benchmark::kMillisecond);

// Argument 0: without waiting for the disk; 1: synced, as the desk writes.
void BM_BuildDayStatusFile(benchmark::State& state) {
    const std::string root = Months().root();
    const bool sync = state.range(0) != 0;
    for (auto _ : state) {
        if (DayStatus::Build(root, sync))
            state.SkipWithError("build failed");
    }
    std::string bytes;
    ReadWholeFile(DayStatus::FilePath(root, Today), bytes);
    state.counters["lines"] = static_cast<double>(bytes.size() / 1188);
}
BENCHMARK(BM_BuildDayStatusFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Stamping one arrival in today's file (built from the thirteen months) in a
// Status folder that also keeps a number of earlier days' files with their
// lock files, which taking the lock looks through for leftover temporaries.
// Argument: the number of earlier days (0, or ten years).
void BM_StampOne(benchmark::State& state) {
    const std::string root = Months().root() + "-stamp" + std::to_string(state.range(0));
    fs::create_directories(root + "/Record");
    fs::create_directories(root + "/Status");
    for (int day = 0; day < state.range(0); ++day) {
        const std::string name = std::to_string(100000 + day) + ".vdf"; // never today's "120615"
        WriteFileAtomically(root + "/Status/" + name, "", false);
        WriteFileAtomically(root + "/Status/." + name + ".lock", "", false);
    }
    if (DayStatus::Build(Months().root(), false))
        state.SkipWithError("build failed");
    std::string today;
    ReadWholeFile(DayStatus::FilePath(Months().root(), Today), today);
    WriteFileAtomically(DayStatus::FilePath(root, Today), today, false);
    const std::string regNo = today.substr(0, 12);
    for (auto _ : state) {
        if (DayStatus::UpdateStatusLine(root, regNo, "10:10", "  -  ", false).stampedLines != 1)
            state.SkipWithError("stamp failed");
    }
    std::error_code ec;
    fs::remove_all(root, ec);
}
BENCHMARK(BM_StampOne)->Arg(0)->Arg(3650)->Unit(benchmark::kMillisecond);

void BM_ReadOneRaw(benchmark::State& state) {
    const std::string path = Months().current();
    std::string bytes;
    for (auto _ : state) {
        ReadWholeFile(path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadOneRaw)->Unit(benchmark::kMillisecond);

// Argument 0: "ANY TEXT"; 1: "NAME"; 2: "ORGANISATION".
void BM_SearchNothing(benchmark::State& state) {
    static const char* keys[] = {"ANY TEXT", "NAME", "ORGANISATION"};
    const char* key = keys[state.range(0)];
    state.SetLabel(key);
    const std::string path = Months().current();
    for (auto _ : state) {
        if (Lists::BuildSearchList(path, key, "zzqx").error.number != 2000)
            state.SkipWithError("search found something");
    }
}
BENCHMARK(BM_SearchNothing)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_MonthList(benchmark::State& state) {
    const std::string path = Months().current();
    int rows = 0;
    for (auto _ : state) {
        rows = Lists::BuildMonthList(path, "1206", Today).list->RowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_MonthList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
