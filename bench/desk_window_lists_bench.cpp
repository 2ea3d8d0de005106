// The desk window's month list of a busy month (5,000 bookings, four booked
// days each: 20,000 rows) built and shown in its list grid, offscreen, beside
// the time to read the same file raw.
#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/ProgramState.h"
#include "core/desk/BookingRecord.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct BusyMonth {
    std::string programFolder;
    std::string file;

    BusyMonth() {
        programFolder =
            (fs::temp_directory_path() / ("kestrane-bench-lists-" + std::to_string(::getpid()))).string() + "/";
        fs::create_directories(programFolder + "Kestranedata/Record");
        fs::create_directories(programFolder + "Kestranedata/Status");
        file = programFolder + "Kestranedata/Record/1403.vrf";
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 5000; ++i) {
            BookingFields rec;
            rec.RegNo = std::to_string(140310000000LL + i);
            rec.FirstName = "First" + std::to_string(i);
            rec.LastName = "Visitor" + std::to_string(i);
            rec.Organisation = "Harwell Fixings and Fastenings Ltd";
            rec.Department = "ENGINEERING";
            rec.Category = "CONTRACTOR";
            TimeCellTexts cells;
            for (int d = 0; d < 4; ++d)
                cells[static_cast<std::size_t>((i + d * 7) % 31)] = "09:30";
            out << BuildBookingLine(rec, cells) << "\r\n";
        }
    }
    ~BusyMonth() {
        std::error_code ec;
        fs::remove_all(programFolder, ec);
    }
};

BusyMonth& month() {
    static BusyMonth m;
    return m;
}

void RawRead(benchmark::State& state) {
    for (auto _ : state) {
        std::string bytes;
        ReadWholeFile(month().file, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);

void MonthListShown(benchmark::State& state) {
    ProgramState s;
    s.ProgramFolder = month().programFolder;
    s.settings.DataRoot = month().programFolder + "Kestranedata";
    frmMain w(s);
    w.findChild<QComboBox*>(QStringLiteral("CBGetMonth"))->setEditText(QStringLiteral("MARCH"));
    w.findChild<QComboBox*>(QStringLiteral("CBGetYear"))->setEditText(QStringLiteral("2014"));
    for (auto _ : state) {
        w.ListMonthBookings();
        QApplication::processEvents();
    }
    state.counters["rows"] = w.ListedRows();
    s.RestartPending = true;
}
BENCHMARK(MonthListShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Clock::Pin({2014, 3, 15, 10, 0, 0});
    Platform::SetAnswers(PlatformAnswers{});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
