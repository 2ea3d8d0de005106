#include "core/desk/CurrentRecord.h"

#include <stdexcept>

std::string& BookingFields::Field(int i) {
    return const_cast<std::string&>(static_cast<const BookingFields*>(this)->Field(i));
}

const std::string& BookingFields::Field(int i) const {
    const std::string* const fields[FieldCount] = {&RegNo,
                                                   &FirstName,
                                                   &Gender,
                                                   &LastName,
                                                   &MobilePhone,
                                                   &CarRegistration,
                                                   &PersonalEmail,
                                                   &Salutation,
                                                   &OurReference,
                                                   &AddressLine,
                                                   &Town,
                                                   &County,
                                                   &PostCode,
                                                   &HomePhone,
                                                   &DateOfBirth,
                                                   &OnPrescriptionMedicine,
                                                   &MedicineUsed,
                                                   &PrescriptionNotes,
                                                   &KinName,
                                                   &KinPhone,
                                                   &KinWorkPhone,
                                                   &KinEmail,
                                                   &Category,
                                                   &Department,
                                                   &Organisation,
                                                   &PartySize,
                                                   &OrganisationAddress,
                                                   &DirectDialPhone,
                                                   &OrganisationPostCode,
                                                   &AlternativePhone,
                                                   &OrganisationEmail,
                                                   &PassSummary,
                                                   &PhotoOnFile,
                                                   &ReportingTo,
                                                   &HostPhone,
                                                   &HostPager,
                                                   &Location,
                                                   &WorkDescription,
                                                   &AdditionalInfo,
                                                   &AccessAreas,
                                                   &Restrictions,
                                                   &PassStart,
                                                   &PassEnd,
                                                   &PassPeriod,
                                                   &PassIssued};
    if (i < 0 || i >= FieldCount)
        throw std::out_of_range("booking field index");
    return *fields[i];
}

namespace {

// One-character assigns: a literal here draws a false -Wrestrict from GCC 12 at -O3.
bool SetFlag(std::string& flag, bool on) {
    const char mark = on ? '1' : '0';
    const bool changed = flag.size() != 1 || flag[0] != mark;
    flag.assign(1, mark);
    return changed;
}

} // namespace

bool BookingFields::setPhotoOnFile(bool onFile) {
    return SetFlag(PhotoOnFile, onFile);
}

void BookingFields::setOnPrescriptionMedicine(bool on) {
    SetFlag(OnPrescriptionMedicine, on);
}
