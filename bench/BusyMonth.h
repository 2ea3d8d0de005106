#pragma once

// A data folder holding one busy March 2014 (Record/1403.vrf) for the
// benchmarks: the given number of bookings, each booked on daysEach days
// (31: every day of the month). Removed again at the end.
#include "core/AtomicFile.h"
#include "core/desk/BookingRecord.h"

#include <filesystem>
#include <string>
#include <unistd.h>

struct BusyMonth {
    std::string folder; // the program folder, with a trailing "/"
    std::string dataRoot;
    std::string file;

    BusyMonth(const std::string& tag, int bookings, int daysEach) {
        namespace fs = std::filesystem;
        folder =
            (fs::temp_directory_path() / ("kestrane-bench-" + tag + "-" + std::to_string(::getpid()))).string() + "/";
        dataRoot = folder + "Kestranedata";
        file = dataRoot + "/Record/1403.vrf";
        fs::create_directories(dataRoot + "/Record");
        fs::create_directories(dataRoot + "/Status");
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(bookings) * (BookingLineLength + 2));
        for (int i = 0; i < bookings; ++i) {
            BookingFields rec;
            rec.RegNo = std::to_string(140310000000LL + i);
            rec.FirstName = "First" + std::to_string(i);
            rec.LastName = "Visitor" + std::to_string(i);
            rec.Organisation = "Harwell Fixings and Fastenings Ltd";
            rec.Department = "ENGINEERING";
            rec.Category = "CONTRACTOR";
            TimeCellTexts cells;
            for (int d = 0; d < daysEach; ++d)
                cells[static_cast<std::size_t>((i + d * 7) % 31)] = (d % 2 ? "09:30" : "14:15");
            bytes += BuildBookingLine(rec, cells) + "\r\n";
        }
        WriteFileAtomically(file, bytes, false);
    }
    ~BusyMonth() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    BusyMonth(const BusyMonth&) = delete;
    BusyMonth& operator=(const BusyMonth&) = delete;
};
