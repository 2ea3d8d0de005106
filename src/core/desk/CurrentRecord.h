#pragma once

#include <array>
#include <string>

// The fields of one booking as the desk edits it, in their declared order.
struct BookingFields {
    static constexpr int FieldCount = 45;
    static constexpr int DayCount = 31;
    static constexpr const char* NoTime = "  -  ";

    std::string RegNo, FirstName, Gender, LastName, MobilePhone, CarRegistration, PersonalEmail, Salutation,
        OurReference, AddressLine, Town, County, PostCode, HomePhone, DateOfBirth, OnPrescriptionMedicine, MedicineUsed,
        PrescriptionNotes, KinName, KinPhone, KinWorkPhone, KinEmail, Category, Department, Organisation, PartySize,
        OrganisationAddress, DirectDialPhone, OrganisationPostCode, AlternativePhone, OrganisationEmail, PassSummary,
        PhotoOnFile, ReportingTo, HostPhone, HostPager, Location, WorkDescription, AdditionalInfo, AccessAreas,
        Restrictions, PassStart, PassEnd, PassPeriod, PassIssued;

    std::array<std::string, DayCount> DayTimes; // entry d-1: "hhmm" booked for day d, empty for none
    std::string ArrivalTime = NoTime;
    std::string DepartureTime = NoTime;

    // Field i (0..44) in the declared order.
    std::string& Field(int i);
    const std::string& Field(int i) const;

    // The one-character flags, "1" set and "0" clear; any other text reads as
    // clear. Setting one returns whether its text changed.
    bool photoOnFile() const { return PhotoOnFile == "1"; }
    bool setPhotoOnFile(bool onFile);
    bool onPrescriptionMedicine() const { return OnPrescriptionMedicine == "1"; }
    void setOnPrescriptionMedicine(bool on);

    enum Index {
        iRegNo,
        iFirstName,
        iGender,
        iLastName,
        iMobilePhone,
        iCarRegistration,
        iPersonalEmail,
        iSalutation,
        iOurReference,
        iAddressLine,
        iTown,
        iCounty,
        iPostCode,
        iHomePhone,
        iDateOfBirth,
        iOnPrescriptionMedicine,
        iMedicineUsed,
        iPrescriptionNotes,
        iKinName,
        iKinPhone,
        iKinWorkPhone,
        iKinEmail,
        iCategory,
        iDepartment,
        iOrganisation,
        iPartySize,
        iOrganisationAddress,
        iDirectDialPhone,
        iOrganisationPostCode,
        iAlternativePhone,
        iOrganisationEmail,
        iPassSummary,
        iPhotoOnFile,
        iReportingTo,
        iHostPhone,
        iHostPager,
        iLocation,
        iWorkDescription,
        iAdditionalInfo,
        iAccessAreas,
        iRestrictions,
        iPassStart,
        iPassEnd,
        iPassPeriod,
        iPassIssued
    };
};
