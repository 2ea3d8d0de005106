#pragma once

// Data folders and booking lines for the desk's file tests.

#include "TempFolder.h"
#include "core/desk/BookingRecord.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace DeskFiles {

// DataRoot with its Record folder (and Status unless told otherwise).
struct DataFolder {
    TempFolder temp;
    std::string root = (temp.path() / "data").string();
    explicit DataFolder(bool withStatus = true) {
        std::filesystem::create_directories(root + "/Record");
        if (withStatus)
            std::filesystem::create_directories(root + "/Status");
    }
    std::string month(const std::string& yymm) const { return root + "/Record/" + yymm + ".vrf"; }
};

struct Booking {
    std::string regNo;
    std::string first = "Ann";
    std::string last = "Lee";
    std::vector<std::pair<int, std::string>> days = {}; // day, "hh:mm"
    std::string passStart = {};
    std::string passEnd = {};
};

inline std::string LineOf(const Booking& b) {
    BookingFields rec;
    rec.RegNo = b.regNo;
    rec.FirstName = b.first;
    rec.LastName = b.last;
    rec.Organisation = "Harwell Fixings";
    rec.Category = "VISITOR";
    rec.Department = "STORES";
    rec.PassStart = b.passStart;
    rec.PassEnd = b.passEnd;
    if (!b.passStart.empty()) {
        rec.PassPeriod = "1W";
        rec.PassIssued = b.passStart + " 09:00:00";
    }
    TimeCellTexts cells;
    for (const auto& [day, time] : b.days)
        cells[static_cast<std::size_t>(day - 1)] = time;
    return BuildBookingLine(rec, cells);
}

inline std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string FileOf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

} // namespace DeskFiles
