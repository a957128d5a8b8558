#include "common/outlook/OlAddrProps.h"

#include "common/outlook/OlAddrItem.h"
#include "records/CommAddrRec.h"

namespace {

// A text property read with a buffer of its image width and carried to the record member.
#define TEXT_ROW(Property, RecMember) \
    {OLESTR(#Property), OlPropKind::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlAddrItem, Property), \
     sizeof(OlAddrItem::Property), OL_MEMBER(CommAddrRec, RecMember)}
// A text property that lives in the image only.
#define TEXT_ONLY_ROW(Property) \
    {OLESTR(#Property), OlPropKind::Text, OL_READ_WRITE, OL_MEMBER(OlAddrItem, Property), \
     sizeof(OlAddrItem::Property), OL_NO_RECORD}
#define DATE_ROW(Property, RecMember) \
    {OLESTR(#Property), OlPropKind::Date, OL_READ_WRITE | OL_CARRY, OL_MEMBER(OlAddrItem, Property), 0, \
     OL_MEMBER(CommAddrRec, RecMember)}

const OlPropDef kAddrItemProperties[] = {
    TEXT_ROW(Account, szAccount),
    DATE_ROW(Anniversary, dAnniversary),
    TEXT_ROW(AssistantName, szAssistantName),
    TEXT_ROW(AssistantTelephoneNumber, szAssistantPhone),
    DATE_ROW(Birthday, dBirthday),
    TEXT_ROW(Business2TelephoneNumber, szWorkPhone2),
    TEXT_ROW(BusinessAddressCity, szWorkCity),
    TEXT_ROW(BusinessAddressCountry, szWorkCountry),
    TEXT_ROW(BusinessAddressPostalCode, szWorkPostal),
    TEXT_ONLY_ROW(BusinessAddressPostOfficeBox),
    TEXT_ROW(BusinessAddressState, szWorkState),
    TEXT_ROW(BusinessAddressStreet, szWorkStreet),
    TEXT_ROW(BusinessFaxNumber, szWorkFax),
    TEXT_ROW(BusinessHomePage, szWorkHomePage),
    TEXT_ROW(BusinessTelephoneNumber, szWorkPhone),
    TEXT_ROW(CallbackTelephoneNumber, szCallbackPhone),
    TEXT_ROW(CarTelephoneNumber, szCarPhone),
    TEXT_ONLY_ROW(CompanyMainTelephoneNumber),
    TEXT_ROW(CompanyName, szCompany),
    TEXT_ONLY_ROW(ComputerNetworkName),
    TEXT_ROW(CustomerID, szCustomerId),
    TEXT_ROW(Department, szDepartment),
    TEXT_ROW(Email1Address, szEmail),
    TEXT_ONLY_ROW(Email1AddressType),
    TEXT_ONLY_ROW(Email1DisplayName),
    TEXT_ROW(Email2Address, szEmail2),
    TEXT_ONLY_ROW(Email2AddressType),
    TEXT_ONLY_ROW(Email2DisplayName),
    TEXT_ROW(Email3Address, szEmail3),
    TEXT_ONLY_ROW(Email3AddressType),
    TEXT_ONLY_ROW(Email3DisplayName),
    TEXT_ROW(FirstName, szFirstName),
    TEXT_ROW(FTPSite, szFtpSite),
    TEXT_ROW(FullName, szDisplayName),
    {OLESTR("Gender"), OlPropKind::Long, OL_READ_WRITE, OL_MEMBER(OlAddrItem, Gender), 0, OL_NO_RECORD},
    TEXT_ROW(Hobby, szHobby),
    TEXT_ROW(Home2TelephoneNumber, szHomePhone2),
    TEXT_ROW(HomeAddressCity, szHomeCity),
    TEXT_ROW(HomeAddressCountry, szHomeCountry),
    TEXT_ROW(HomeAddressPostalCode, szHomePostal),
    TEXT_ONLY_ROW(HomeAddressPostOfficeBox),
    TEXT_ROW(HomeAddressState, szHomeState),
    TEXT_ROW(HomeAddressStreet, szHomeStreet),
    TEXT_ROW(HomeFaxNumber, szHomeFax),
    TEXT_ROW(HomeTelephoneNumber, szHomePhone),
    TEXT_ROW(IMAddress, szIM1),
    TEXT_ROW(Initials, szPrefix),
    TEXT_ONLY_ROW(ISDNNumber),
    TEXT_ROW(JobTitle, szTitle),
    TEXT_ROW(Language, szLanguage),
    TEXT_ROW(LastName, szLastName),
    TEXT_ONLY_ROW(MailingAddressCity),
    TEXT_ONLY_ROW(MailingAddressCountry),
    TEXT_ONLY_ROW(MailingAddressPostalCode),
    TEXT_ONLY_ROW(MailingAddressPostOfficeBox),
    TEXT_ONLY_ROW(MailingAddressState),
    TEXT_ONLY_ROW(MailingAddressStreet),
    TEXT_ROW(ManagerName, szManagerName),
    TEXT_ROW(MiddleName, szMiddleName),
    TEXT_ROW(MobileTelephoneNumber, szMobilePhone),
    TEXT_ROW(NickName, szNickName),
    TEXT_ROW(OtherAddressCity, szOtherCity),
    TEXT_ROW(OtherAddressCountry, szOtherCountry),
    TEXT_ROW(OtherAddressPostalCode, szOtherPostal),
    TEXT_ONLY_ROW(OtherAddressPostOfficeBox),
    TEXT_ROW(OtherAddressState, szOtherState),
    TEXT_ROW(OtherAddressStreet, szOtherStreet),
    TEXT_ROW(OtherTelephoneNumber, szOtherPhone),
    TEXT_ROW(PagerNumber, szPager),
    TEXT_ROW(PersonalHomePage, szPersonalHomePage),
    TEXT_ROW(PrimaryTelephoneNumber, szPrimaryPhone),
    TEXT_ROW(Profession, szProfession),
    TEXT_ROW(RadioTelephoneNumber, szRadioPhone),
    TEXT_ROW(Spouse, szSpouseName),
    // The suffix goes with the record only; Outlook's suffix is neither read nor written.
    {OLESTR("Suffix"), OlPropKind::Text, OL_CARRY, OL_MEMBER(OlAddrItem, Suffix), 0, OL_MEMBER(CommAddrRec, szSuffix)},
    TEXT_ONLY_ROW(WebPage),
    TEXT_ROW(Body, szNote),
    {OLESTR("CreationTime"), OlPropKind::Date, OL_READ | OL_TO_RECORD, OL_MEMBER(OlAddrItem, CreationTime), 0,
     OL_MEMBER(CommAddrRec, dCreationTime)},
    {OLESTR("LastModificationTime"), OlPropKind::Date, OL_READ | OL_TO_RECORD,
     OL_MEMBER(OlAddrItem, LastModificationTime), 0, OL_MEMBER(CommAddrRec, dLastModificationTime)},
    TEXT_ROW(Categories, szCategory),
};

#undef TEXT_ROW
#undef TEXT_ONLY_ROW
#undef DATE_ROW

}  // namespace

OlPropTable AddrItemProperties()
{
    return kAddrItemProperties;
}
