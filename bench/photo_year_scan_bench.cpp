// A year of busy months through the photo library's scans, against the floor
// of reading the same files and testing once per booking for its photo.
#include "core/AtomicFile.h"
#include "core/TextLines.h"
#include "core/TextUtil.h"
#include "core/desk/BookingRecord.h"
#include "core/passes/PhotoFile.h"
#include "core/passes/PhotoLibrary.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int BookingsPerMonth = 5000;

// Twelve month files of 2014, every tenth booking with a photo.
struct BusyYear {
    std::string folder;
    std::string dataRoot;

    BusyYear() {
        namespace fs = std::filesystem;
        folder = (fs::temp_directory_path() / ("kestrane-bench-photos-" + std::to_string(::getpid()))).string();
        dataRoot = folder + "/Kestranedata";
        fs::create_directories(dataRoot + "/Record");
        for (int month = 1; month <= 12; ++month) {
            const std::string yymm = "14" + std::string(month < 10 ? "0" : "") + std::to_string(month);
            fs::create_directories(dataRoot + "/photo/" + yymm);
            std::string bytes;
            for (int i = 0; i < BookingsPerMonth; ++i) {
                BookingFields rec;
                rec.RegNo = yymm + std::to_string(10000000 + i);
                rec.FirstName = "First" + std::to_string(i);
                rec.LastName = "Visitor" + std::to_string(i);
                rec.Organisation = "Harwell Fixings and Fastenings Ltd";
                TimeCellTexts cells;
                cells[static_cast<std::size_t>(i % 28)] = "09:30";
                bytes += BuildBookingLine(rec, cells) + "\r\n";
                if (i % 10 == 0)
                    WriteFileAtomically(PhotoFile::PhotoFilePath(dataRoot, rec.RegNo, rec.FirstName, rec.LastName),
                                        "BM", false);
            }
            WriteFileAtomically(dataRoot + "/Record/" + yymm + ".vrf", bytes, false);
        }
    }
    ~BusyYear() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    BusyYear(const BusyYear&) = delete;
    BusyYear& operator=(const BusyYear&) = delete;
};

const BusyYear& Year() {
    static const BusyYear year;
    return year;
}

const LocalDateTime Now{2014, 12, 31, 12, 0, 0};

void BM_PhotoYearList(benchmark::State& state) {
    const BusyYear& year = Year();
    for (auto _ : state) {
        const Lists::ListResult result = PhotoLibrary::ScanYear(year.dataRoot, "14", {}, Now);
        benchmark::DoNotOptimize(result.list->RowCount());
    }
}
BENCHMARK(BM_PhotoYearList)->Unit(benchmark::kMillisecond);

void BM_PhotoYearFind(benchmark::State& state) {
    const BusyYear& year = Year();
    const PhotoLibrary::ScanFilter filter{true, "ORGANISATION", "fastenings", 0};
    for (auto _ : state) {
        const Lists::ListResult result = PhotoLibrary::ScanYear(year.dataRoot, "14", filter, Now);
        benchmark::DoNotOptimize(result.list->RowCount());
    }
}
BENCHMARK(BM_PhotoYearFind)->Unit(benchmark::kMillisecond);

// The floor: the twelve files read whole, and one existence test per line.
void BM_RawReadAndExistence(benchmark::State& state) {
    const BusyYear& year = Year();
    std::string bytes, path;
    for (auto _ : state) {
        int found = 0;
        for (int month = 1; month <= 12; ++month) {
            const std::string yymm = "14" + std::string(month < 10 ? "0" : "") + std::to_string(month);
            ReadWholeFile(year.dataRoot + "/Record/" + yymm + ".vrf", bytes);
            const std::string folder = year.dataRoot + "/photo/" + yymm + "/";
            for (const RawLine& line : SplitRawLines(bytes)) {
                path.assign(folder);
                path += ColumnText(line.text, Columns::RegNo);
                path += '_';
                path += Text::TrimView(ColumnText(line.text, Columns::FirstName));
                path += '_';
                path += Text::TrimView(ColumnText(line.text, Columns::LastName));
                path += ".bmp";
                found += ::access(path.c_str(), F_OK) == 0;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_RawReadAndExistence)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
