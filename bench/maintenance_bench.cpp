// Maintenance costs: the sample bookings' 7,200 lines in 36 month files
// against writing the same bytes raw, and deleting one day's bookings from
// a month of 5,000 bookings against updating one booking there.
#include "BusyMonth.h"
#include "core/AtomicFile.h"
#include "core/desk/MonthBookingFile.h"
#include "core/maintenance/BulkDelete.h"
#include "core/maintenance/SampleData.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

struct SampleFolder {
    std::string root =
        (std::filesystem::temp_directory_path() / ("kestrane-bench-sample-" + std::to_string(::getpid()))).string();
    SampleFolder() { std::filesystem::create_directories(root + "/Record"); }
    ~SampleFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

void SampleDataRun(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    SampleFolder folder;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const SampleData::RunResult run = SampleData::WriteMonthFiles(folder.root, seed++, {}, sync);
        benchmark::DoNotOptimize(run.written);
    }
    state.SetItemsProcessed(state.iterations() * 36 * SampleData::BookingsPerFile);
}
BENCHMARK(SampleDataRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same bytes written straight to the 36 files (and synced when asked).
void SampleBytesRaw(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    SampleFolder folder;
    SampleData::WriteMonthFiles(folder.root, 1, {}, false);
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& path : SampleData::MonthFilePaths(folder.root)) {
        std::string bytes;
        ReadWholeFile(path, bytes);
        files.emplace_back(path, std::move(bytes));
    }
    for (auto _ : state) {
        for (const auto& [path, bytes] : files) {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
            benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
            if (sync)
                ::fsync(fd);
            ::close(fd);
        }
    }
    state.SetItemsProcessed(state.iterations() * 36 * SampleData::BookingsPerFile);
}
BENCHMARK(SampleBytesRaw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

constexpr int Bookings = 5000;

void DeleteOneDay(benchmark::State& state) {
    BusyMonth month("delete-day", Bookings, 1);
    std::string original;
    ReadWholeFile(month.file, original);
    for (auto _ : state) {
        const Maintenance::DeleteOutcome outcome =
            Maintenance::DeleteFromMonth(month.file, Maintenance::DeleteRule::Day, "", "", 5);
        if (outcome.error || outcome.deleted == 0)
            state.SkipWithError("nothing deleted");
        state.PauseTiming();
        WriteFileAtomically(month.file, original, false);
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteOneDay)->Unit(benchmark::kMillisecond);

void UpdateOneBooking(benchmark::State& state) {
    BusyMonth month("update-one", Bookings, 1);
    const std::string regNo = std::to_string(140310000000LL + Bookings / 2);
    BookingFields rec;
    ParseBookingLine(BookingFiles::ReadBookingLine(month.dataRoot, regNo).line, rec);
    int i = 0;
    for (auto _ : state) {
        rec.Town = "Town " + std::to_string(i++);
        const BookingFiles::UpdateResult r =
            BookingFiles::UpdateBooking(month.dataRoot, {}, rec, nullptr, false, BookingFiles::Conflicts::KeepOurs);
        if (r.error)
            state.SkipWithError("update failed");
    }
}
BENCHMARK(UpdateOneBooking)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
