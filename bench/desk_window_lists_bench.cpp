// The desk window's month list of a busy month (5,000 bookings, four booked
// days each: 20,000 rows) built and shown in its list grid, offscreen, beside
// the time to read the same file raw.
#include "BusyMonth.h"
#include "DeskListRows.h"
#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/ProgramState.h"
#include "core/desk/BookingRecord.h"
#include "platform/Grid.h"
#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

BusyMonth& month() {
    static BusyMonth m("lists", 5000, 4);
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
    s.ProgramFolder = month().folder;
    s.settings.DataRoot = month().dataRoot;
    frmMain w(s);
    w.findChild<QComboBox*>(QStringLiteral("CBGetMonth"))->setEditText(QStringLiteral("MARCH"));
    w.findChild<QComboBox*>(QStringLiteral("CBGetYear"))->setEditText(QStringLiteral("2014"));
    auto* monthList = w.findChild<QPushButton*>(QStringLiteral("cmdGetTom"));
    for (auto _ : state) {
        monthList->click();
        QApplication::processEvents();
    }
    state.counters["rows"] = listedRows(w);
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
