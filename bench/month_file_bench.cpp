// Month booking file costs on a month of 5,000 bookings: reading it raw,
// building the day list from it, and updating one booking and saving a new
// one against the least any rewrite of the file costs.
#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/desk/DayList.h"
#include "core/desk/MonthBookingFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Bookings = 5000;

std::string Date(int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-06-2012", day);
    return text;
}

// A data folder holding DataRoot/Record/1206.vrf with bookings of mixed
// booked days, some with passes.
class MonthOfBookings {
  public:
    MonthOfBookings() {
        root_ = (fs::temp_directory_path() / "kestrane-bench-").string();
        root_ += std::to_string(::getpid());
        fs::create_directories(root_ + "/Record");
        std::mt19937 random(7);
        std::string bytes;
        for (int i = 0; i < Bookings; ++i) {
            BookingFields rec;
            rec.RegNo = std::to_string(120610000000LL + i);
            rec.FirstName = "First";
            rec.FirstName += std::to_string(i);
            rec.LastName = "Visitor";
            rec.LastName += std::to_string(i);
            rec.Organisation = "Harwell Fixings and Fastenings Ltd";
            rec.Department = "ENGINEERING";
            rec.Category = "CONTRACTOR";
            rec.PartySize.assign(1, '2'); // not "2": GCC 12 warns falsely on it
            rec.ReportingTo = "J. Hartley";
            TimeCellTexts cells;
            const int booked = static_cast<int>(random() % 4);
            for (int b = 0; b < booked; ++b)
                cells[random() % 30] = "09:30";
            if (random() % 3 == 0) {
                const int from = 1 + static_cast<int>(random() % 28);
                rec.PassStart = Date(from);
                rec.PassEnd = Date(std::min(30, from + 7));
                rec.PassPeriod = "1W";
                rec.PassIssued = Date(from) + " 09:00:00";
            }
            bytes += BuildBookingLine(rec, cells) + "\r\n";
            if (i == Bookings / 2)
                middle_ = rec;
        }
        WriteFileAtomically(path(), bytes, false);
    }
    ~MonthOfBookings() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    const std::string& root() const { return root_; }
    std::string path() const { return BookingFiles::MonthFilePath(root_, "1206"); }
    BookingFields middle() const { return middle_; }

  private:
    std::string root_;
    BookingFields middle_;
};

MonthOfBookings& Month() {
    static MonthOfBookings month;
    return month;
}

void BM_ReadRaw(benchmark::State& state) {
    const std::string path = Month().path();
    std::string bytes;
    for (auto _ : state) {
        ReadWholeFile(path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadRaw)->Unit(benchmark::kMicrosecond);

void BM_DayList(benchmark::State& state) {
    const std::string path = Month().path();
    int rows = 0;
    for (auto _ : state) {
        rows = Lists::BuildDayList(path, 15, "15-06-2012").list->RowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_DayList)->Unit(benchmark::kMicrosecond);

// An update as the desk stores it, from the line it last stored. Argument 0:
// without waiting for the disk; 1: synced, as the desk saves.
void BM_UpdateOne(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    BookingFields rec = Month().middle();
    std::string base = BookingFiles::ReadBookingLine(Month().root(), rec.RegNo).line;
    TimeCellTexts cells;
    int n = 0;
    for (auto _ : state) {
        rec.LastName = "Changed" + std::to_string(++n % 10);
        cells[static_cast<std::size_t>(n % 30)] = "10:15";
        BookingFiles::UpdateResult updated =
            BookingFiles::UpdateBooking(Month().root(), base, rec, &cells, false, BookingFiles::Conflicts::Ask, sync);
        if (updated.error || !updated.conflicts.empty())
            state.SkipWithError("update failed");
        base = std::move(updated.storedLine);
    }
}
BENCHMARK(BM_UpdateOne)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The floor under every update: the month file read and written back as it
// is, atomically and under its lock. Argument as for BM_UpdateOne.
void BM_RewriteFloor(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    const std::string path = Month().path();
    std::string bytes;
    for (auto _ : state) {
        FileLock lock(path);
        if (lock.error() || ReadWholeFile(path, bytes) || WriteFileAtomically(path, bytes, sync))
            state.SkipWithError("rewrite failed");
    }
}
BENCHMARK(BM_RewriteFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A new booking saved as the desk saves it, the whole file written anew,
// against the same floor; each save's line is cut off again, untimed, so the
// file stays the same. Argument as for BM_UpdateOne.
void BM_SaveNew(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    const std::string path = Month().path();
    const std::uintmax_t size = fs::file_size(path);
    const BookingFields rec = Month().middle();
    int n = 0;
    for (auto _ : state) {
        const LocalDateTime now{2012, 6, 20, n / 3600 % 24, n / 60 % 60, n % 60};
        ++n;
        if (BookingFiles::SaveNewBooking(Month().root(), rec, {}, now, "2012", "06", sync).error)
            state.SkipWithError("save failed");
        state.PauseTiming();
        fs::resize_file(path, size);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveNew)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
