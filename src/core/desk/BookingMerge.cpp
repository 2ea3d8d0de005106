#include "core/desk/BookingMerge.h"

#include "core/desk/BookingRecord.h"

namespace BookingFiles {

namespace {

struct MergeField {
    const char* label; // as the receptionist is asked about it
    ColumnSpan span;
};

// The booking number is left out: it is the key, and stays as it stands.
constexpr MergeField NamedFields[] = {
    {"First name", Columns::FirstName},
    {"Last name", Columns::LastName},
    {"Gender", Columns::Gender},
    {"Mobile phone", Columns::MobilePhone},
    {"Car registration", Columns::CarRegistration},
    {"E-mail", Columns::PersonalEmail},
    {"Salutation", Columns::Salutation},
    {"Our reference", Columns::OurReference},
    {"Address", Columns::AddressLine},
    {"Town", Columns::Town},
    {"County", Columns::County},
    {"Post code", Columns::PostCode},
    {"Home phone", Columns::HomePhone},
    {"Date of birth", Columns::DateOfBirth},
    {"On prescription medicine", Columns::OnPrescriptionMedicine},
    {"Medicine used", Columns::MedicineUsed},
    {"Prescription notes", Columns::PrescriptionNotes},
    {"Next of kin", Columns::KinName},
    {"Next of kin's phone", Columns::KinPhone},
    {"Next of kin's work phone", Columns::KinWorkPhone},
    {"Next of kin's e-mail", Columns::KinEmail},
    {"Category", Columns::Category},
    {"Department", Columns::Department},
    {"Organisation", Columns::Organisation},
    {"Party size", Columns::PartySize},
    {"Organisation address", Columns::OrganisationAddress},
    {"Direct-dial phone", Columns::DirectDialPhone},
    {"Organisation post code", Columns::OrganisationPostCode},
    {"Alternative phone", Columns::AlternativePhone},
    {"Organisation e-mail", Columns::OrganisationEmail},
    {"Reporting to", Columns::ReportingTo},
    {"Host's phone", Columns::HostPhone},
    {"Host's pager", Columns::HostPager},
    {"Location", Columns::Location},
    {"Work description", Columns::WorkDescription},
    {"Access areas", Columns::AccessAreas},
    {"Pass", Columns::PassFields},
    {"Photo", Columns::PhotoOnFile},
};

// The line as the builder writes what it reads back.
std::string AsBuilt(std::string_view line) {
    BookingFields fields;
    ParseBookingLine(line, fields);
    const TimeCellTexts slots = fields.DayTimes; // "hhmm" builds back as "hhmm"
    return BuildBookingLine(fields, slots);
}

// Pads or cuts a line to its length, never moving a column.
std::string Whole(std::string_view line) {
    std::string whole(line.substr(0, BookingLineLength));
    whole.resize(BookingLineLength, ' ');
    return whole;
}

} // namespace

MergedLine MergeBookingLine(std::string_view base, std::string_view ours, std::string_view theirs, bool ourSlots,
                            Conflicts resolve) {
    const std::string baseBuilt = AsBuilt(base), theirsBuilt = AsBuilt(theirs), oursWhole = Whole(ours);
    MergedLine merged{Whole(theirs), {}};
    auto mergeField = [&](const std::string& label, ColumnSpan span, bool oursKnown) {
        const std::string_view b = ColumnText(baseBuilt, span), t = ColumnText(theirsBuilt, span),
                               o = ColumnText(oursWhole, span);
        if (!oursKnown || o == b || o == t)
            return;
        if (t != b) {
            merged.conflicts.push_back(label);
            if (resolve != Conflicts::KeepOurs)
                return;
        }
        merged.line.replace(span.column - 1, span.width, o);
    };
    for (const MergeField& field : NamedFields)
        mergeField(field.label, field.span, true);
    for (int day = 1; day <= BookingFields::DayCount; ++day)
        mergeField("Time on day " + std::to_string(day), Columns::DaySlot(day), ourSlots);
    return merged;
}

} // namespace BookingFiles
