#include "core/maintenance/SampleData.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/CurrentRecord.h"
#include "core/maintenance/SampleTables.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <unordered_set>

namespace SampleData {

namespace {

using namespace Tables;

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

int MonthLength(int month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return 28; // leap years too: sample bookings never fall on the 29th
    default:
        return 31;
    }
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A value as the desk's old number printing wrote it: up to seven
// significant digits, exponent form below 0.1 ("7.05E-02").
std::string SingleText(float value) {
    char buffer[32];
    if (value == 0.0f)
        return "0";
    if (value < 0.1f) {
        std::snprintf(buffer, sizeof buffer, "%.6E", static_cast<double>(value));
        std::string text(buffer);
        const std::size_t e = text.find('E');
        std::string mantissa = text.substr(0, e);
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
        return mantissa + text.substr(e);
    }
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    return buffer;
}

// Builds one booking after another in its own fields.
class BookingMaker {
  public:
    BookingMaker(Generator& rnd, std::string_view yymm) : rnd_(rnd), yymm_(yymm) {
        monthLength_ = MonthLength((yymm_[2] - '0') * 10 + (yymm_[3] - '0'));
    }

    std::string Next(std::unordered_set<std::string>& taken) {
        std::string regNo;
        do {
            const int day = rnd_.Int(30, 1);
            const int hour = rnd_.Int(9, 9);
            const int minute = rnd_.Int(60, 1);
            const int second = rnd_.Int(60, 1);
            regNo = yymm_ + TwoDigits(day) + TwoDigits(hour) + TwoDigits(minute) + TwoDigits(second);
        } while (!taken.insert(regNo).second);
        rec_.RegNo = regNo;
        FillPerson();
        FillWork();

        const int dayIndex = rnd_.Int(31);
        const int hour = rnd_.Int(9, 9);
        const int quarter = rnd_.Int(4, 1);
        TimeCellTexts times;
        if (dayIndex + 1 <= monthLength_)
            times[static_cast<std::size_t>(dayIndex)] = TwoDigits(hour) + TwoDigits(quarter * 15 % 60);
        return BuildBookingLine(rec_, times);
    }

  private:
    std::string Tail(std::size_t length) {
        std::string text = "216354876432" + SingleText(rnd_.Rnd());
        for (char& c : text) {
            if (c == '.')
                c = '0';
            else if (c == '-')
                c = '7';
            else if (c == 'E')
                c = '2';
        }
        return text.substr(text.size() - length);
    }

    std::string Mobile() {
        const std::string prefix(MobilePrefixes[static_cast<std::size_t>(rnd_.Int(7))]);
        return prefix + Tail(8);
    }

    std::string Landline(int draws) {
        const std::string prefix(AreaPrefixes[static_cast<std::size_t>(AreaOfDraw[rnd_.Int(draws)])]);
        const char last = prefix[prefix.find_last_of("0123456789")];
        return prefix + Tail(last < '6' ? 11 : 10);
    }

    std::string Letter(std::string_view letters, int draws) {
        return std::string(1, letters[static_cast<std::size_t>(rnd_.Int(draws))]);
    }

    std::string Digit() { return std::to_string(rnd_.Int(10)); }

    std::string CarRegistration() {
        std::string car = Letter(CarLetters, 13);
        const float r1 = rnd_.Rnd();
        const float r2 = rnd_.Rnd();
        std::string second = Letter(CarLetters, 13);
        if (second == "O")
            second = "X";
        car += second + std::to_string(static_cast<int>(r1 * 7.0)) + std::to_string(static_cast<int>(r2 * 10.0));
        car += ' ';
        for (int i = 0; i < 3; ++i) {
            switch (rnd_.Int(17)) {
            case 0:
                car += "N";
                break;
            case 1:
                car += "A";
                break;
            case 2:
                car += "P" + Digit();
                break;
            case 3:
                car += "D";
                break;
            case 4:
                car += "R";
                break;
            case 5:
                car += "S";
                break;
            case 6:
            case 7:
            case 9:
                car += Digit();
                car += Digit();
                break;
            case 8:
            case 10:
                car += Digit();
                break;
            case 11:
                car += "B";
                break;
            case 12:
                car += "C";
                break;
            case 13:
                car += "E" + Digit();
                break;
            case 14:
                car += "F";
                break;
            case 15:
                car += "G";
                break;
            default:
                car += "K";
                break;
            }
        }
        return car.size() > 8 ? car.substr(1, 8) : car;
    }

    std::string NamePart() {
        const std::string& first = rec_.FirstName;
        const std::string& last = rec_.LastName;
        const std::string initial = first.substr(0, 1);
        const std::string lastInitial = last.substr(0, 1);
        switch (rnd_.Int(9)) {
        case 0:
            return first + Digit() + Digit();
        case 1:
            return initial + "." + last;
        case 2:
            return initial + last;
        case 3:
            return initial + last + Digit();
        case 4:
            return first + "." + last;
        case 5:
            return first + last;
        case 6:
            return initial + last + Digit() + Digit();
        case 7:
            return first + lastInitial;
        default:
            return first + "." + lastInitial;
        }
    }

    std::string PostCode(int letterDraws, int lastLetterDraws, int districtDraws, int digitDraws) {
        std::string code = Letter(PostCodeLetters, letterDraws) + Letter(PostCodeLetters, letterDraws);
        const std::string third = Letter(PostCodeLetters, letterDraws);
        const std::string fourth = Letter(PostCodeLetters, lastLetterDraws);
        const int d = rnd_.Int(districtDraws) % 22 + 1;
        code += std::to_string(d) + (d == 20 ? "" : " ");
        code += std::to_string((rnd_.Int(digitDraws) + 1) % 10);
        return code + third + fourth;
    }

    void FillPerson() {
        rec_.OurReference = "Our Ref-------->";
        rec_.AddressLine = "Address Line ------------------>";
        rec_.Town = "Town ------------>";
        rec_.County = "County ---------->";
        rec_.DateOfBirth = "dd-mm-yyyy";
        rec_.OnPrescriptionMedicine = "<>";
        rec_.MedicineUsed = "State What is Used ------------>";
        rec_.PrescriptionNotes =
            "Text for Prescription Drug [ no crlf ] in this field ---------------------------------------------->";
        rec_.KinEmail = "Email Address --------------------------->";
        rec_.Location = "On Site Location ---------->";

        const int a = rnd_.Int(31);
        const int b = rnd_.Int(31);
        const FirstName& first = FirstNames[static_cast<std::size_t>(a)];
        rec_.FirstName = std::string(first.name);
        rec_.Gender = first.female ? "F" : "M";
        if (!first.female)
            rec_.Salutation = "Mr";
        else
            rec_.Salutation = 40 % a <= 12 ? "Miss" : "Mrs.";
        rec_.LastName = std::string(Surnames[static_cast<std::size_t>(b)]);

        rec_.MobilePhone = Mobile();
        rec_.HomePhone = Mobile();
        rec_.KinPhone = Mobile();
        rec_.AlternativePhone = Mobile();
        rec_.PartySize = "1";
        rec_.CarRegistration = CarRegistration();
        const std::string_view domain = PersonalDomains[static_cast<std::size_t>(PersonalDomainOfDraw[rnd_.Int(40)])];
        rec_.PersonalEmail = Lower(NamePart() + std::string(domain));

        rec_.KinName = std::string(ContactFirstNames[static_cast<std::size_t>(rnd_.Int(31))]) + " " + rec_.LastName;

        rec_.KinWorkPhone = Landline(13);
        const char last = rec_.KinWorkPhone.back();
        rec_.AlternativePhone = rec_.KinWorkPhone + Tail(last < '6' ? 11 : 10);
        rec_.DirectDialPhone = Landline(12);
        rec_.HostPhone = Landline(12);

        FillOrganisation();
    }

    void FillOrganisation() {
        const Organisation& org = Organisations[static_cast<std::size_t>(rnd_.Int(36))];
        rec_.Organisation = std::string(org.name);
        rec_.OrganisationAddress = std::string(org.address);
        rec_.OrganisationEmail = Lower(NamePart() + std::string(org.domain));

        const int v = rnd_.Int(81);
        rec_.Category = v <= 10   ? "CONTRACTOR"
                        : v == 11 ? "EMERGENCY SERVICES"
                        : v <= 40 ? "EMPLOYEE"
                        : v <= 42 ? "GUEST"
                        : v <= 44 ? "INSPECTOR"
                        : v <= 48 ? "TEMPORARY WORKER"
                                  : "VISITOR";
        const int w = rnd_.Int(121);
        rec_.Department = w <= 10                ? "CHEMISTRY"
                          : w <= 13              ? "HEALTH and SAFETY"
                          : w <= 16              ? "HUMAN RESOURCES"
                          : w <= 23              ? "MATERIALS LAB"
                          : w == 24 || w == 26   ? "MAIN GATE"
                          : w == 25              ? "TRAINING"
                          : w <= 38              ? "MAINTENANCE"
                          : w <= 60              ? "OFFICE"
                          : w <= 64              ? "RECEPTION"
                          : w <= 70              ? "SHIPPING"
                          : w == 71 || w == 95   ? "SHOP FLOOR"
                          : w >= 96 && w <= 101  ? "STORES"
                          : w >= 102 && w <= 113 ? "TEST DEPARTMENT"
                                                 : "TRAINING";
        rec_.OrganisationPostCode = PostCode(16, 17, 34, 9);
        rec_.PostCode = PostCode(17, 17, 36, 10);
        rec_.ReportingTo = std::string(Hosts[static_cast<std::size_t>(rnd_.Int(31))]);
    }

    void FillWork() {
        rec_.AccessAreas = "ALL INTERNAL AREAS (WITH SUPERVISION)";
        const int c = rnd_.Nearest(79);
        struct Work {
            int upTo;
            const char* description;
            const char* access; // null: unchanged
        };
        static constexpr Work Table[] = {
            {1, "EMERGENCY SERVICES(FIRE)", "ALL INTERNAL AREAS"},
            {2, "EMERGENCY SERVICES(MEDICAL)", "ALL INTERNAL AREAS"},
            {3, "EMERGENCY SERVICES(POLICE)", "ALL INTERNAL AREAS"},
            {4, "EMERGENCY SERVICES(OTHER)", "ALL INTERNAL AREAS"},
            {10, "BUILDING MAINTENANCE", nullptr},
            {14, "BUILDING CONSTRUCTION", nullptr},
            {19, "EXTERNAL WORK CONTRACTOR", "RESTRICTED"},
            {23, "EXTERNAL SERVICES", "RESTRICTED"},
            {30, "INTERNAL WORK CONTRACTOR", "RESTRICTED"},
            {32, "INSPECTIOR COMMERCIAL", nullptr},
            {33, "INSPECTIOR GOVERNMENT", "ALL INTERNAL AREAS"},
            {44, "OFFICE ADMINISTRATION", nullptr},
            {60, "OFFICE General", nullptr},
            {70, "OFFICE VISITOR / GUEST", nullptr},
            {74, "PLANT MAINTENANCE", "RESTRICTED"},
            {77, "PLANT INSTALLATION", nullptr},
            {79, "PLANT DECOMMISSIONING", nullptr},
        };
        for (const Work& work : Table) {
            if (c <= work.upTo) {
                rec_.WorkDescription = work.description;
                if (work.access)
                    rec_.AccessAreas = work.access;
                return;
            }
        }
        // 80: the previous booking's work stays
    }

    Generator& rnd_;
    std::string yymm_;
    int monthLength_ = 31;
    BookingFields rec_;
};

} // namespace

float Generator::Rnd() {
    return static_cast<float>(engine_() >> 40) * 0x1.0p-24f;
}

int Generator::Int(int n, int k) {
    return static_cast<int>(std::floor(static_cast<double>(Rnd()) * n + k));
}

int Generator::Nearest(int n) {
    return static_cast<int>(std::nearbyint(static_cast<double>(Rnd()) * n + 1));
}

std::vector<std::string> Generator::MonthLines(std::string_view yymm) {
    BookingMaker maker(*this, yymm);
    std::unordered_set<std::string> taken;
    std::vector<std::string> lines;
    lines.reserve(BookingsPerFile);
    for (int i = 0; i < BookingsPerFile; ++i)
        lines.push_back(maker.Next(taken));
    return lines;
}

std::vector<std::string> MonthFilePaths(const std::string& dataRoot) {
    std::vector<std::string> paths;
    for (int year = FirstYear; year <= LastYear; ++year) {
        for (int month = 1; month <= 12; ++month)
            paths.push_back(dataRoot + "/Record/" + TwoDigits(year % 100) + TwoDigits(month) + ".vrf");
    }
    return paths;
}

bool AnyMonthFileExists(const std::string& dataRoot) {
    for (const std::string& path : MonthFilePaths(dataRoot)) {
        if (::access(path.c_str(), F_OK) == 0)
            return true;
    }
    return false;
}

RunResult WriteMonthFiles(const std::string& dataRoot, std::uint64_t seed, const std::function<void()>& beforeFile,
                          bool sync) {
    Generator generator(seed);
    RunResult result;
    std::string bytes;
    for (const std::string& path : MonthFilePaths(dataRoot)) {
        if (beforeFile)
            beforeFile();
        const std::string name = path.substr(path.size() - 8, 4);
        bytes.clear();
        for (const std::string& line : generator.MonthLines(name)) {
            bytes += line;
            bytes += "\r\n";
        }
        FileError error;
        {
            FileLock lock(path);
            error = lock.error() ? lock.error() : WriteFileAtomically(path, bytes, sync);
        }
        if (error)
            result.failures.push_back({path, error});
        else
            ++result.written;
    }
    return result;
}

} // namespace SampleData
