// Filling a long list: 20,000 rows of 19 columns put into the desk's Grid
// with drawing off, then drawn once, against the same cells put into a plain
// QTableWidget. Reports the time of one fill and the memory the filled table
// holds (resident size after the fill less before it).
#include "platform/Grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int DataRows = 20000;
constexpr int Cols = 19;

// Resident memory of this process in kilobytes.
long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

std::string padded(std::string s, std::size_t width) {
    s.resize(width, ' ');
    return s;
}

// The cells of a day list: booking numbers, names, fields as stored with
// their trailing blanks, dates and times.
const std::vector<std::string>& cells() {
    static const std::vector<std::string> all = [] {
        const char* first[] = {"Amara", "Tobias", "Ingrid", "Mateo", "Saoirse", "Kwame", "Lucia", "Ravi"};
        const char* last[] = {"Okafor", "Lindqvist", "Moreau", "Castellanos", "Nakamura", "Brennan", "Haddad"};
        const char* orgs[] = {"Brightwater Logistics Ltd", "Harlow & Finch Surveyors", "Northgate Medical Supplies",
                              "Quayside Catering"};
        const char* depts[] = {"Engineering", "Facilities", "Human Resources", "Finance", "Goods Inward"};
        std::vector<std::string> v;
        v.reserve(static_cast<std::size_t>(DataRows) * Cols);
        char buf[64];
        for (int r = 1; r <= DataRows; ++r) {
            std::snprintf(buf, sizeof buf, "2403KV%06d", r);
            v.emplace_back(buf);
            v.emplace_back(first[r % 8]);
            v.emplace_back(last[r % 7]);
            v.push_back(padded(orgs[r % 4], 50));
            v.push_back(padded(r % 3 ? "Contractor" : "Visitor", 20));
            v.emplace_back(std::to_string(1 + r % 12));
            std::snprintf(buf, sizeof buf, "0161 555 %04d", r % 10000);
            v.push_back(padded(buf, 16));
            std::snprintf(buf, sizeof buf, "%02d:%02d", 8 + r % 9, (r % 4) * 15);
            v.emplace_back(buf);
            v.emplace_back("07-03-2024");
            v.emplace_back("07-03-2024 09:31:12");
            v.emplace_back(std::to_string(1 + r % 4));
            v.emplace_back(r % 2 ? "Day" : "Week");
            v.emplace_back("14-03-2024");
            v.emplace_back("AB12 CDE  ");
            v.push_back(padded("J. Holloway", 36));
            v.push_back(padded(depts[r % 5], 24));
            v.push_back(padded("0161 555 0100", 16));
            v.emplace_back(r % 5 ? "" : "  -  ");
            v.emplace_back(r % 5 ? "" : "  -  ");
        }
        return v;
    }();
    return all;
}

const char* const Headings[Cols] = {
    "Registration", "First Name", "Last Name",   "Organisation", "Category",  "Party",     "Telephone",
    "Expected",     "Pass Valid", "Pass Issued", "Length",       "Pass Type", "Pass Ends", "Car Reg",
    "Reports to:",  "Department", "Contact",     "Arrived",      "Departed"};

struct Outcome {
    double ms = 0;
    double mb = 0;
};
Outcome gridOutcome, tableOutcome;

// One fill per iteration into a fresh, shown table; the table is made,
// and later dropped, outside the timing.
template <typename Table, typename Fill> void measure(benchmark::State& state, Fill fill, Outcome& outcome) {
    const std::vector<std::string>& texts = cells();
    double totalMs = 0, worstMb = 0;
    int runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<Table>();
        table->resize(1000, 600);
        table->show();
        QApplication::processEvents();
        malloc_trim(0);
        const long before = residentKb();
        state.ResumeTiming();

        const auto start = std::chrono::steady_clock::now();
        fill(*table, texts);
        QApplication::processEvents(); // the first paint of the filled table
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

        state.PauseTiming();
        worstMb = std::max(worstMb, (residentKb() - before) / 1024.0);
        ++runs;
        table.reset();
        state.ResumeTiming();
    }
    outcome = {totalMs / std::max(runs, 1), worstMb};
    state.counters["fill_ms"] = outcome.ms;
    state.counters["held_MB"] = outcome.mb;
}

void BM_QTableWidgetFill(benchmark::State& state) {
    measure<QTableWidget>(
        state,
        [](QTableWidget& table, const std::vector<std::string>& texts) {
            table.setUpdatesEnabled(false);
            table.setColumnCount(Cols);
            table.setRowCount(DataRows + 50);
            for (int c = 0; c < Cols; ++c)
                table.setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromLatin1(Headings[c])));
            std::size_t i = 0;
            for (int r = 0; r < DataRows; ++r)
                for (int c = 0; c < Cols; ++c, ++i)
                    table.setItem(r, c,
                                  new QTableWidgetItem(
                                      QString::fromLatin1(texts[i].data(), static_cast<qsizetype>(texts[i].size()))));
            table.setUpdatesEnabled(true);
            table.viewport()->update();
        },
        tableOutcome);
}

void BM_GridFill(benchmark::State& state) {
    measure<Grid>(
        state,
        [](Grid& g, const std::vector<std::string>& texts) {
            g.setRedraw(false);
            g.setRows(50);
            g.setCols(Cols);
            for (int c = 0; c < Cols; ++c)
                g.Cell(0, c).setText(Headings[c]);
            std::size_t i = 0;
            for (int n = 1; n <= DataRows; ++n) {
                g.setRows(n + 50); // as the lists do: 50 spare rows below the last one
                for (int c = 0; c < Cols; ++c, ++i)
                    g.Cell(n, c).setText(std::string_view(texts[i]));
            }
            g.setRedraw(true);
            g.Refresh();
            g.Cell(1, 1).Select();
        },
        gridOutcome);
    if (tableOutcome.ms > 0 && gridOutcome.ms > 0) {
        state.counters["time_ratio"] = tableOutcome.ms / gridOutcome.ms;
        state.counters["memory_ratio"] = gridOutcome.mb > 0 ? tableOutcome.mb / gridOutcome.mb : 0;
    }
}

} // namespace

BENCHMARK(BM_QTableWidgetFill)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GridFill)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cells(); // made before any measuring
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (tableOutcome.ms > 0 && gridOutcome.ms > 0)
        std::printf("Grid: %.1f ms, %.1f MB   QTableWidget: %.1f ms, %.1f MB   (%.1fx faster, %.1fx less memory)\n",
                    gridOutcome.ms, gridOutcome.mb, tableOutcome.ms, tableOutcome.mb, tableOutcome.ms / gridOutcome.ms,
                    gridOutcome.mb > 0 ? tableOutcome.mb / gridOutcome.mb : 0.0);
    return 0;
}
