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
