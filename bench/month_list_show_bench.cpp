// The month list of a month file of 52 MB (44,000 bookings with a time on
// every day: 1.36 million rows) built and shown in a shown, offscreen grid,
// and through the desk window's own month list command, "today" in the middle
// of that month, beside reading the file raw. Reports the memory the list
// needs at its peak and once shown (resident size less the size before).
#include "BusyMonth.h"
#include "DeskListRows.h"
#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/MonthList.h"
#include "platform/Grid.h"
#include "platform/ListGrid.h"
#include "ui/desk/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <fstream>
#include <string>

namespace {

constexpr int Bookings = 44000;

// Kilobytes of a field of /proc/self/status ("VmRSS:", "VmHWM:").
long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(field.size()));
    return 0;
}

// From here on VmHWM counts from the present resident size.
void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

BusyMonth& month() {
    static BusyMonth m("month", Bookings, 31);
    return m;
}

void BM_ReadMonthRaw(benchmark::State& state) {
    std::string bytes;
    for (auto _ : state) {
        ReadWholeFile(month().file, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadMonthRaw)->Unit(benchmark::kMillisecond);

// One list per iteration into a fresh grid; the grid is made and shown, and
// later dropped, outside the timing.
void BM_MonthListShown(benchmark::State& state) {
    double peakMb = 0, heldMb = 0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<Grid>();
        grid->resize(1000, 600);
        grid->show();
        QApplication::processEvents();
        malloc_trim(0);
        const long before = statusKb("VmRSS:");
        resetPeak();
        state.ResumeTiming();

        const Lists::ListResult result = Lists::BuildMonthList(month().file, "1403", Clock::Now());
        ShowList(*grid, Lists::MonthList, result.list);
        QApplication::processEvents(); // the first layout and paint of the list

        state.PauseTiming();
        rows = result.list->RowCount();
        peakMb = std::max(peakMb, (statusKb("VmHWM:") - before) / 1024.0);
        heldMb = std::max(heldMb, (statusKb("VmRSS:") - before) / 1024.0);
        grid.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["peak_MB"] = peakMb;
    state.counters["held_MB"] = heldMb;
}
BENCHMARK(BM_MonthListShown)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same list asked for in the desk window: the list date checked, the
// file named, the list built and shown in the window's list grid.
void BM_DeskMonthListShown(benchmark::State& state) {
    ProgramState desk;
    desk.ProgramFolder = month().folder;
    desk.settings.DataRoot = month().dataRoot;
    double peakMb = 0, heldMb = 0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<frmMain>(desk);
        window->findChild<QComboBox*>(QStringLiteral("CBGetMonth"))->setEditText(QStringLiteral("MARCH"));
        window->findChild<QComboBox*>(QStringLiteral("CBGetYear"))->setEditText(QStringLiteral("2014"));
        auto* monthList = window->findChild<QPushButton*>(QStringLiteral("cmdGetTom"));
        window->show();
        QApplication::processEvents();
        malloc_trim(0);
        const long before = statusKb("VmRSS:");
        resetPeak();
        state.ResumeTiming();

        monthList->click();
        QApplication::processEvents();

        state.PauseTiming();
        peakMb = std::max(peakMb, (statusKb("VmHWM:") - before) / 1024.0);
        heldMb = std::max(heldMb, (statusKb("VmRSS:") - before) / 1024.0);
        if (!rows)
            rows = listedRows(*window);
        window.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["peak_MB"] = peakMb;
    state.counters["held_MB"] = heldMb;
}
BENCHMARK(BM_DeskMonthListShown)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Clock::Pin({2014, 3, 15, 10, 0, 0});
    month(); // written before any measuring
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
