// F9 on the desk until the pass window shows, for a saved booking with a
// photo; and the paper pass card painted at 600 dpi into an image and into
// a PDF file.
#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "core/passes/PhotoFile.h"
#include "platform/Grid.h"
#include "ui/desk/frmMain.h"
#include "ui/passes/PassCard.h"
#include "ui/passes/frmPass.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Desk {
    std::string folder;
    ProgramState state;
    BookingFields booking;

    Desk() {
        folder = (fs::temp_directory_path() / ("kestrane-bench-pass-" + std::to_string(::getpid()))).string() + "/";
        // The pictures of the program folder laid out beside the bench programs.
        const fs::path built = QCoreApplication::applicationDirPath().toStdString() + "/../Kestrane/_KSF";
        fs::create_directories(folder);
        fs::copy(built, folder + "_KSF", fs::copy_options::recursive);
        for (const char* d : {"Record", "Status", "photo"})
            fs::create_directories(folder + "Kestranedata/" + d);
        state.ProgramFolder = folder;
        state.settings.DataRoot = folder + "Kestranedata";
        booking.RegNo = "140315103000";
        booking.FirstName = "Jo";
        booking.LastName = "Li";
        booking.Organisation = "ACME LTD";
        booking.Department = "FINANCE";
        booking.PhotoOnFile = "1";
        TimeCellTexts cells;
        cells[19] = "11:45";
        WriteFileAtomically(state.settings.DataRoot + "/Record/1403.vrf", BuildBookingLine(booking, cells) + "\r\n",
                            false);
        const std::string photo =
            PhotoFile::PhotoFilePath(state.settings.DataRoot, booking.RegNo, booking.FirstName, booking.LastName);
        fs::create_directories(fs::path(photo).parent_path());
        QImage image(176, 144, QImage::Format_RGB888);
        image.fill(Qt::darkCyan);
        image.save(QString::fromStdString(photo), "BMP");
    }
    ~Desk() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

Desk& desk() {
    static Desk d;
    return d;
}

PassCard::Content card() {
    PassCard::Content c;
    c.firmName = QStringLiteral("MY COMPANY");
    c.name = QStringLiteral("Jo Li");
    c.organisation = QStringLiteral("ACME LTD");
    c.department = QStringLiteral("FINANCE");
    c.validity = QStringLiteral("Valid Until:  05 APR 2014");
    c.validFrom = QStringLiteral("15-03-2014");
    c.issued = QStringLiteral("15-03-2014 at 10:44");
    c.regNo = QStringLiteral("140315103000");
    c.photo.load(
        QString::fromStdString(PhotoFile::PhotoFilePath(desk().state.settings.DataRoot, "140315103000", "Jo", "Li")));
    c.logo.load(QString::fromStdString(desk().folder + "_KSF/IRender/OurPassLogo.bmp"));
    c.showBarcode = true;
    return c;
}

void BM_F9ToPassWindowShown(benchmark::State& state) {
    Desk& d = desk();
    frmMain window(d.state);
    window.Form_Load();
    window.show();
    QApplication::processEvents();
    // The booking opened from the month list with a click on its row.
    window.findChild<QPushButton*>(QStringLiteral("cmdGetTom"))->click();
    Grid* list = window.findChild<Grid*>(QStringLiteral("StatGrid"));
    const QPoint at = list->visualRect(list->model()->index(1, 1)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &click);
    }
    QApplication::processEvents();
    auto* passButton = window.findChild<QPushButton*>(QStringLiteral("cmdGetCARD"));
    for (auto _ : state) {
        using Steady = std::chrono::steady_clock;
        Steady::time_point shown;
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* pass = qobject_cast<frmPass*>(QApplication::activeModalWidget());
            if (pass && pass->isVisible()) {
                shown = Steady::now();
                watch.stop();
                pass->close();
            }
        });
        watch.start();
        const Steady::time_point start = Steady::now();
        passButton->click();
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
    }
}
BENCHMARK(BM_F9ToPassWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PassCardToImage600(benchmark::State& state) {
    const PassCard::Content c = card();
    for (auto _ : state) {
        QImage page(2388, 1563, QImage::Format_RGB32);
        page.setDotsPerMeterX(23622);
        page.setDotsPerMeterY(23622);
        PassCard::Paint(page, c, 600);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_PassCardToImage600)->Unit(benchmark::kMillisecond);

void BM_PassCardToPdf600(benchmark::State& state) {
    const PassCard::Content c = card();
    const QString file = QString::fromStdString(desk().folder + "card.pdf");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setResolution(600);
        QPainter painter(&printer);
        PassCard::Paint(painter, c, printer.resolution());
        painter.end();
    }
}
BENCHMARK(BM_PassCardToPdf600)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Clock::Pin({2014, 3, 15, 10, 30, 0});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
