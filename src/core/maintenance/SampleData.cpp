#include "core/maintenance/SampleData.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/CurrentRecord.h"
#include "core/desk/ListDate.h"
#include "core/maintenance/SampleTables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <unistd.h>
#include <unordered_set>

namespace SampleData {

namespace {

using namespace Tables;

void AppendTwoDigits(std::string& out, int n) {
    out += static_cast<char>('0' + n / 10 % 10);
    out += static_cast<char>('0' + n % 10);
}

std::string TwoDigits(int n) {
    std::string text;
    AppendTwoDigits(text, n);
    return text;
}

void LowerFrom(std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] >= 'A' && text[i] <= 'Z')
            text[i] = static_cast<char>(text[i] | 0x20);
    }
}

// A value as the desk's old number printing wrote it: up to seven
// significant digits, exponent form below 0.1 ("7.05E-02").
std::size_t SingleText(float value, char* out, std::size_t size) {
    if (value == 0.0f) {
        out[0] = '0';
        return 1;
    }
    const bool small = value < 0.1f;
    const std::to_chars_result r = small ? std::to_chars(out, out + size, value, std::chars_format::scientific, 6)
                                         : std::to_chars(out, out + size, value, std::chars_format::fixed, 7);
    char* end = r.ptr;
    char* mantissaEnd = small ? std::find(out, end, 'e') : end;
    char* cut = mantissaEnd;
    while (cut > out && cut[-1] == '0')
        --cut;
    if (cut > out && cut[-1] == '.')
        --cut;
    if (small) {
        *mantissaEnd = 'E';
        std::memmove(cut, mantissaEnd, static_cast<std::size_t>(end - mantissaEnd));
        end = cut + (end - mantissaEnd);
    } else {
        end = cut;
    }
    return static_cast<std::size_t>(end - out);
}

// Builds one booking after another in its own fields.
class BookingMaker {
  public:
    BookingMaker(Generator& rnd, std::string_view yymm) : rnd_(rnd), yymm_(yymm) {
        // A common year's lengths, leap years too: sample bookings never fall on the 29th of February.
        monthLength_ = ListDate::DaysInMonth((yymm_[2] - '0') * 10 + (yymm_[3] - '0'), 2001);
        for (std::size_t k = 0; k < BookingColumns.size(); ++k)
            stored_[k] = &rec_.Field(BookingColumns[k].field);
    }

    void AppendNext(std::unordered_set<std::string>& taken, std::string& out) {
        std::string& regNo = rec_.RegNo;
        do {
            const int day = rnd_.Int(30, 1);
            const int hour = rnd_.Int(9, 9);
            const int minute = rnd_.Int(60, 1);
            const int second = rnd_.Int(60, 1);
            regNo.assign(yymm_);
            AppendTwoDigits(regNo, day);
            AppendTwoDigits(regNo, hour);
            AppendTwoDigits(regNo, minute);
            AppendTwoDigits(regNo, second);
        } while (!taken.insert(regNo).second);
        FillPerson();
        FillWork();

        const int dayIndex = rnd_.Int(31);
        const int hour = rnd_.Int(9, 9);
        const int quarter = rnd_.Int(4, 1);

        const std::size_t at = out.size();
        out.append(BookingLineLength, ' ');
        char* line = out.data() + at;
        for (std::size_t k = 0; k < BookingColumns.size(); ++k) {
            const ColumnSpan span = BookingColumns[k].span;
            std::memcpy(line + span.column - 1, stored_[k]->data(), std::min(stored_[k]->size(), span.width));
        }
        if (dayIndex + 1 <= monthLength_) {
            char* slot = line + Columns::DaySlot(dayIndex + 1).column - 1;
            const int minute = quarter * 15 % 60;
            slot[0] = static_cast<char>('0' + hour / 10);
            slot[1] = static_cast<char>('0' + hour % 10);
            slot[2] = static_cast<char>('0' + minute / 10);
            slot[3] = static_cast<char>('0' + minute % 10);
        }
        out += "\r\n";
    }

  private:
    void AppendTail(std::string& out, std::size_t length) {
        static constexpr std::string_view Lead = "216354876432";
        char text[48];
        std::memcpy(text, Lead.data(), Lead.size());
        const std::size_t size = Lead.size() + SingleText(rnd_.Rnd(), text + Lead.size(), sizeof text - Lead.size());
        for (char* c = text + size - length; c < text + size; ++c) {
            if (*c == '.')
                *c = '0';
            else if (*c == '-')
                *c = '7';
            else if (*c == 'E')
                *c = '2';
            out += *c;
        }
    }

    void Mobile(std::string& out) {
        out.assign(MobilePrefixes[static_cast<std::size_t>(rnd_.Int(7))]);
        AppendTail(out, 8);
    }

    void Landline(std::string& out, int draws) {
        const std::string_view prefix = AreaPrefixes[static_cast<std::size_t>(AreaOfDraw[rnd_.Int(draws)])];
        out.assign(prefix);
        AppendTail(out, prefix[prefix.find_last_of("0123456789")] < '6' ? 11 : 10);
    }

    char Letter(std::string_view letters, int draws) { return letters[static_cast<std::size_t>(rnd_.Int(draws))]; }

    char Digit() { return static_cast<char>('0' + rnd_.Int(10)); }

    void CarRegistration(std::string& car) {
        car.assign(1, Letter(CarLetters, 13));
        const float r1 = rnd_.Rnd();
        const float r2 = rnd_.Rnd();
        const char second = Letter(CarLetters, 13);
        car += second == 'O' ? 'X' : second;
        car += static_cast<char>('0' + static_cast<int>(r1 * 7.0));
        car += static_cast<char>('0' + static_cast<int>(r2 * 10.0));
        car += ' ';
        for (int i = 0; i < 3; ++i) {
            static constexpr std::string_view Single = "NAPDRS-----BCEFGK"; // by draw; "-" never chosen
            switch (const int draw = rnd_.Int(17)) {
            case 2:
            case 13:
                car += draw == 2 ? 'P' : 'E';
                car += Digit();
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
            default:
                car += Single[static_cast<std::size_t>(draw)];
                break;
            }
        }
        if (car.size() > 8)
            car = car.substr(1, 8);
    }

    // The address of one of the nine name styles at domain, in lower case.
    void Email(std::string& out, std::string_view domain) {
        const std::string& first = rec_.FirstName;
        const std::string& last = rec_.LastName;
        out.clear();
        switch (rnd_.Int(9)) {
        case 0:
            out += first;
            out += Digit();
            out += Digit();
            break;
        case 1:
            (out += first[0]) += '.';
            out += last;
            break;
        case 2:
            (out += first[0]) += last;
            break;
        case 3:
            (out += first[0]) += last;
            out += Digit();
            break;
        case 4:
            (out += first) += '.';
            out += last;
            break;
        case 5:
            (out += first) += last;
            break;
        case 6:
            (out += first[0]) += last;
            out += Digit();
            out += Digit();
            break;
        case 7:
            (out += first) += last[0];
            break;
        default:
            (out += first) += '.';
            out += last[0];
            break;
        }
        out += domain;
        LowerFrom(out, 0);
    }

    void PostCode(std::string& code, int letterDraws, int lastLetterDraws, int districtDraws, int digitDraws) {
        code.clear();
        code += Letter(PostCodeLetters, letterDraws);
        code += Letter(PostCodeLetters, letterDraws);
        const char third = Letter(PostCodeLetters, letterDraws);
        const char fourth = Letter(PostCodeLetters, lastLetterDraws);
        const int district = rnd_.Int(districtDraws) % 22 + 1;
        if (district >= 10)
            code += static_cast<char>('0' + district / 10);
        code += static_cast<char>('0' + district % 10);
        if (district != 20)
            code += ' ';
        code += static_cast<char>('0' + (rnd_.Int(digitDraws) + 1) % 10);
        code += third;
        code += fourth;
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
        rec_.FirstName.assign(first.name);
        rec_.Gender = first.female ? "F" : "M";
        if (!first.female)
            rec_.Salutation = "Mr";
        else
            rec_.Salutation = 40 % a <= 12 ? "Miss" : "Mrs.";
        rec_.LastName.assign(Surnames[static_cast<std::size_t>(b)]);

        Mobile(rec_.MobilePhone);
        Mobile(rec_.HomePhone);
        Mobile(rec_.KinPhone);
        Mobile(rec_.AlternativePhone);
        rec_.PartySize = "1";
        CarRegistration(rec_.CarRegistration);
        Email(rec_.PersonalEmail, PersonalDomains[static_cast<std::size_t>(PersonalDomainOfDraw[rnd_.Int(40)])]);

        rec_.KinName.assign(ContactFirstNames[static_cast<std::size_t>(rnd_.Int(31))]);
        (rec_.KinName += ' ') += rec_.LastName;

        Landline(rec_.KinWorkPhone, 13);
        rec_.AlternativePhone.assign(rec_.KinWorkPhone);
        AppendTail(rec_.AlternativePhone, rec_.KinWorkPhone.back() < '6' ? 11 : 10);
        Landline(rec_.DirectDialPhone, 12);
        Landline(rec_.HostPhone, 12);

        FillOrganisation();
    }

    void FillOrganisation() {
        const Organisation& org = Organisations[static_cast<std::size_t>(rnd_.Int(36))];
        rec_.Organisation.assign(org.name);
        rec_.OrganisationAddress.assign(org.address);
        Email(rec_.OrganisationEmail, org.domain);

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
        PostCode(rec_.OrganisationPostCode, 16, 17, 34, 9);
        PostCode(rec_.PostCode, 17, 17, 36, 10);
        rec_.ReportingTo.assign(Hosts[static_cast<std::size_t>(rnd_.Int(31))]);
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
    std::array<const std::string*, BookingColumns.size()> stored_{}; // the fields of rec_ in column order
};

} // namespace

float Generator::Rnd() {
    return static_cast<float>(engine_() >> 40) * 0x1.0p-24f;
}

int Generator::Int(int n, int k) {
    return static_cast<int>(static_cast<double>(Rnd()) * n) + k; // never negative: truncation is rounding down
}

int Generator::Nearest(int n) {
    return static_cast<int>(std::nearbyint(static_cast<double>(Rnd()) * n + 1));
}

void Generator::AppendMonthFile(std::string_view yymm, std::string& out) {
    BookingMaker maker(*this, yymm);
    std::unordered_set<std::string> taken;
    taken.reserve(BookingsPerFile * 2);
    out.reserve(out.size() + BookingsPerFile * (BookingLineLength + 2));
    for (int i = 0; i < BookingsPerFile; ++i)
        maker.AppendNext(taken, out);
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
        generator.AppendMonthFile(name, bytes);
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
