// The contact field table: the numbered fields a CSV column can carry, what each exports
// from a contact's item image and where each stores a CSV text in a contact record.
#include "common/outlook/OlAddrUtil.h"

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrItem.h"
#include "common/outlook/OlComm.h"
#include "common/outlook/OlItemSupport.h"
#include "platform/WinCompat.h"
#include "records/CommAddrRec.h"

#include <iterator>
#include <cstddef>
#include <cstring>

namespace {

enum class Export {
    Nothing,  // null
    Text,     // the image member's text
    Date,     // the image member's DATE as a date text
};

enum class Import {
    Never,
    Always,                // overwrites the member, also with an empty text
    WhenNotEmpty,          // only a non-empty text
    WhenNotEmptyAndFirst,  // only a non-empty text into a still empty member
};

constexpr int kInteger = FIELD_TYPE_NUMBER;
constexpr int kText = FIELD_TYPE_TEXT;
constexpr int kDate = FIELD_TYPE_DATE;

struct AddrFieldRow {
    CsvFieldEntry entry;  // id, title, value type and length: what the field page shows
    Export nExport;
    std::size_t nImageOffset;
    Import nImport;
    std::size_t nRecOffset;
    std::size_t nRecSize;
};

#define IMAGE(Member) offsetof(OlAddrItem, Member)
#define RECORD(Member) OL_MEMBER(CommAddrRec, Member)
#define NO_RECORD 0, 0

// clang-format off
constexpr AddrFieldRow kRows[] = {
    {{0, "None", kInteger, 4, {}},                             Export::Nothing, 0,                                           Import::Never,               NO_RECORD},
    {{1, "Account", kText, 32, {}},                            Export::Text,   IMAGE(Account),                              Import::Always,              RECORD(szAccount)},
    {{2, "Anniversary", kDate, 8, {}},                         Export::Date,   IMAGE(Anniversary),                          Import::Never,               NO_RECORD},
    {{3, "Assistant Name", kText, 64, {}},                     Export::Text,   IMAGE(AssistantName),                        Import::Always,              RECORD(szAssistantName)},
    {{4, "Assistant Phone", kText, 24, {}},                    Export::Text,   IMAGE(AssistantTelephoneNumber),             Import::Always,              RECORD(szAssistantPhone)},
    {{5, "Birthday", kDate, 8, {}},                            Export::Date,   IMAGE(Birthday),                             Import::Never,               NO_RECORD},
    {{6, "Business Phone 2", kText, 24, {}},                   Export::Text,   IMAGE(Business2TelephoneNumber),             Import::Always,              RECORD(szWorkPhone2)},
    {{7, "Business City", kText, 24, {}},                      Export::Text,   IMAGE(BusinessAddressCity),                  Import::Always,              RECORD(szWorkCity)},
    {{8, "Business Country", kText, 24, {}},                   Export::Text,   IMAGE(BusinessAddressCountry),               Import::Always,              RECORD(szWorkCountry)},
    {{9, "Business Postal", kText, 12, {}},                    Export::Text,   IMAGE(BusinessAddressPostalCode),            Import::Always,              RECORD(szWorkPostal)},
    // An empty P/O box must not wipe the postal code of the column before it.
    {{10, "Business P/O Box", kText, 12, {}},                  Export::Text,   IMAGE(BusinessAddressPostOfficeBox),         Import::WhenNotEmpty,        RECORD(szWorkPostal)},
    {{11, "Business State", kText, 24, {}},                    Export::Text,   IMAGE(BusinessAddressState),                 Import::Always,              RECORD(szWorkState)},
    {{12, "Business Street", kText, 128, {}},                  Export::Text,   IMAGE(BusinessAddressStreet),                Import::Always,              RECORD(szWorkStreet)},
    {{13, "Business Fax", kText, 24, {}},                      Export::Text,   IMAGE(BusinessFaxNumber),                    Import::Always,              RECORD(szWorkFax)},
    {{14, "Business Home Page", kText, 256, {}},               Export::Text,   IMAGE(BusinessHomePage),                     Import::Always,              RECORD(szWorkHomePage)},
    {{15, "Business Phone", kText, 24, {}},                    Export::Text,   IMAGE(BusinessTelephoneNumber),              Import::Always,              RECORD(szWorkPhone)},
    {{16, "Callback Phone", kText, 24, {}},                    Export::Text,   IMAGE(CallbackTelephoneNumber),              Import::Always,              RECORD(szCallbackPhone)},
    {{17, "Car Phone", kText, 24, {}},                         Export::Text,   IMAGE(CarTelephoneNumber),                   Import::Always,              RECORD(szCarPhone)},
    {{18, "Company Phone", kText, 24, {}},                     Export::Text,   IMAGE(CompanyMainTelephoneNumber),           Import::Never,               NO_RECORD},
    {{19, "Company Name", kText, 64, {}},                      Export::Text,   IMAGE(CompanyName),                          Import::Always,              RECORD(szCompany)},
    {{20, "Computer Name", kText, 32, {}},                     Export::Text,   IMAGE(ComputerNetworkName),                  Import::Never,               NO_RECORD},
    {{21, "Customer ID", kText, 24, {}},                       Export::Text,   IMAGE(CustomerID),                           Import::Always,              RECORD(szCustomerId)},
    {{22, "Department", kText, 32, {}},                        Export::Text,   IMAGE(Department),                           Import::Always,              RECORD(szDepartment)},
    {{23, "Email 1", kText, 64, {}},                           Export::Text,   IMAGE(Email1Address),                        Import::Always,              RECORD(szEmail)},
    {{24, "Email 1 Type", kInteger, 4, {}},                    Export::Text,   IMAGE(Email1AddressType),                    Import::Never,               NO_RECORD},
    {{25, "Email 1 Display Name", kText, 64, {}},              Export::Text,   IMAGE(Email1DisplayName),                    Import::Never,               NO_RECORD},
    {{26, "Email 2", kText, 64, {}},                           Export::Text,   IMAGE(Email2Address),                        Import::Always,              RECORD(szEmail2)},
    {{27, "Email 2 Type", kInteger, 4, {}},                    Export::Text,   IMAGE(Email2AddressType),                    Import::Never,               NO_RECORD},
    {{28, "Email 2 Display Name", kText, 64, {}},              Export::Text,   IMAGE(Email2DisplayName),                    Import::Never,               NO_RECORD},
    {{29, "Email 3", kText, 64, {}},                           Export::Text,   IMAGE(Email3Address),                        Import::Always,              RECORD(szEmail3)},
    {{30, "Email 3 Type", kInteger, 4, {}},                    Export::Text,   IMAGE(Email3AddressType),                    Import::Never,               NO_RECORD},
    {{31, "Email 3 Display Name", kText, 64, {}},              Export::Text,   IMAGE(Email3DisplayName),                    Import::Never,               NO_RECORD},
    {{32, "First Name", kText, 64, {}},                        Export::Text,   IMAGE(FirstName),                            Import::Always,              RECORD(szFirstName)},
    {{33, "FTP Site", kText, 256, {}},                         Export::Text,   IMAGE(FTPSite),                              Import::Always,              RECORD(szFtpSite)},
    {{34, "Gender", kInteger, 4, {}},                          Export::Nothing, 0,                                           Import::Never,               NO_RECORD},
    {{35, "Hobbies", kText, 128, {}},                          Export::Text,   IMAGE(Hobby),                                Import::Always,              RECORD(szHobby)},
    {{36, "Home Phone 2", kText, 24, {}},                      Export::Text,   IMAGE(Home2TelephoneNumber),                 Import::Always,              RECORD(szHomePhone2)},
    {{37, "Home City", kText, 24, {}},                         Export::Text,   IMAGE(HomeAddressCity),                      Import::Always,              RECORD(szHomeCity)},
    {{38, "Home Country", kText, 24, {}},                      Export::Text,   IMAGE(HomeAddressCountry),                   Import::Always,              RECORD(szHomeCountry)},
    {{39, "Home Postal", kText, 12, {}},                       Export::Text,   IMAGE(HomeAddressPostalCode),                Import::Always,              RECORD(szHomePostal)},
    {{40, "Home P/O Box", kText, 12, {}},                      Export::Text,   IMAGE(HomeAddressPostOfficeBox),             Import::WhenNotEmpty,        RECORD(szHomePostal)},
    {{41, "Home State", kText, 24, {}},                        Export::Text,   IMAGE(HomeAddressState),                     Import::Always,              RECORD(szHomeState)},
    {{42, "Home Street", kText, 128, {}},                      Export::Text,   IMAGE(HomeAddressStreet),                    Import::Always,              RECORD(szHomeStreet)},
    {{43, "Home Fax", kText, 24, {}},                          Export::Text,   IMAGE(HomeFaxNumber),                        Import::Always,              RECORD(szHomeFax)},
    {{44, "Home Phone", kText, 24, {}},                        Export::Text,   IMAGE(HomeTelephoneNumber),                  Import::Always,              RECORD(szHomePhone)},
    {{45, "ISDN Number", kText, 24, {}},                       Export::Text,   IMAGE(ISDNNumber),                           Import::Never,               NO_RECORD},
    {{46, "Job Title", kText, 32, {}},                         Export::Text,   IMAGE(JobTitle),                             Import::Always,              RECORD(szTitle)},
    {{47, "Last Name", kText, 64, {}},                         Export::Text,   IMAGE(LastName),                             Import::Always,              RECORD(szLastName)},
    {{48, "Mail City", kText, 24, {}},                         Export::Text,   IMAGE(MailingAddressCity),                   Import::Never,               NO_RECORD},
    {{49, "Mail Country", kText, 24, {}},                      Export::Text,   IMAGE(MailingAddressCountry),                Import::Never,               NO_RECORD},
    {{50, "Mail Postal", kText, 12, {}},                       Export::Text,   IMAGE(MailingAddressPostalCode),             Import::Never,               NO_RECORD},
    {{51, "Mail P/O Box", kText, 12, {}},                      Export::Text,   IMAGE(MailingAddressPostOfficeBox),          Import::Never,               NO_RECORD},
    {{52, "Mail State", kText, 24, {}},                        Export::Text,   IMAGE(MailingAddressState),                  Import::Never,               NO_RECORD},
    {{53, "Mail Street", kText, 128, {}},                      Export::Text,   IMAGE(MailingAddressStreet),                 Import::Never,               NO_RECORD},
    {{54, "Manager Name", kText, 64, {}},                      Export::Text,   IMAGE(ManagerName),                          Import::Always,              RECORD(szManagerName)},
    {{55, "Middle Name", kText, 64, {}},                       Export::Text,   IMAGE(MiddleName),                           Import::Always,              RECORD(szMiddleName)},
    {{56, "Mobile Phone", kText, 24, {}},                      Export::Text,   IMAGE(MobileTelephoneNumber),                Import::Always,              RECORD(szMobilePhone)},
    {{57, "Nick Name", kText, 64, {}},                         Export::Text,   IMAGE(NickName),                             Import::Always,              RECORD(szNickName)},
    {{58, "Other City", kText, 24, {}},                        Export::Text,   IMAGE(OtherAddressCity),                     Import::Always,              RECORD(szOtherCity)},
    {{59, "Other Country", kText, 24, {}},                     Export::Text,   IMAGE(OtherAddressCountry),                  Import::Always,              RECORD(szOtherCountry)},
    {{60, "Other Postal", kText, 12, {}},                      Export::Text,   IMAGE(OtherAddressPostalCode),               Import::Always,              RECORD(szOtherPostal)},
    {{61, "Other P/O Box", kText, 12, {}},                     Export::Text,   IMAGE(OtherAddressPostOfficeBox),            Import::WhenNotEmptyAndFirst, RECORD(szOtherPostal)},
    {{62, "Other State", kText, 24, {}},                       Export::Text,   IMAGE(OtherAddressState),                    Import::Always,              RECORD(szOtherState)},
    {{63, "Other Street", kText, 128, {}},                     Export::Text,   IMAGE(OtherAddressStreet),                   Import::Always,              RECORD(szOtherStreet)},
    {{64, "Home Page", kText, 256, {}},                        Export::Text,   IMAGE(BusinessHomePage),                     Import::WhenNotEmptyAndFirst, RECORD(szWorkHomePage)},
    {{65, "Phone Number", kText, 24, {}},                      Export::Text,   IMAGE(PrimaryTelephoneNumber),               Import::WhenNotEmptyAndFirst, RECORD(szWorkPhone)},
    {{66, "Profession", kText, 32, {}},                        Export::Text,   IMAGE(Profession),                           Import::Always,              RECORD(szProfession)},
    {{67, "Web", kText, 256, {}},                              Export::Text,   IMAGE(WebPage),                              Import::WhenNotEmptyAndFirst, RECORD(szWorkHomePage)},
    {{68, "Notes", kText, 2048, {}},                           Export::Text,   IMAGE(Body),                                 Import::Always,              RECORD(szNote)},
    {{69, "Folder Name", kText, 32, {}},                       Export::Text,   IMAGE(FolderName),                           Import::Never,               NO_RECORD},
    {{70, "Other Phone", kText, 24, {}},                       Export::Text,   IMAGE(OtherTelephoneNumber),                 Import::Always,              RECORD(szOtherPhone)},
    {{71, "Radio Phone", kText, 24, {}},                       Export::Text,   IMAGE(RadioTelephoneNumber),                 Import::Always,              RECORD(szRadioPhone)},
    {{72, "Pager", kText, 24, {}},                             Export::Text,   IMAGE(PagerNumber),                          Import::Always,              RECORD(szPager)},
    {{73, "Full Name", kText, 64, {}},                         Export::Text,   IMAGE(FullName),                             Import::Always,              RECORD(szDisplayName)},
    {{74, "Spouse Name", kText, 64, {}},                       Export::Text,   IMAGE(Spouse),                               Import::Always,              RECORD(szSpouseName)},
    {{75, "Suffix", kText, 64, {}},                            Export::Text,   IMAGE(Suffix),                               Import::Always,              RECORD(szSuffix)},
    {{76, "Language", kText, 8, {}},                           Export::Text,   IMAGE(Language),                             Import::Always,              RECORD(szLanguage)},
    {{77, "IM Address", kText, 32, {}},                        Export::Text,   IMAGE(IMAddress),                            Import::Always,              RECORD(szIM1)},
    {{78, "Category", kText, 256, {}},                         Export::Text,   IMAGE(Categories),                           Import::Always,              RECORD(szCategory)},
    {{79, "Creation Time", kDate, 8, {}},                      Export::Nothing, 0,                                           Import::Never,               NO_RECORD},
    {{80, "Last Modification Time", kDate, 8, {}},             Export::Nothing, 0,                                           Import::Never,               NO_RECORD},
};
// clang-format on

#undef IMAGE
#undef RECORD
#undef NO_RECORD

constexpr std::size_t kFieldCount = std::size(kRows);
static_assert(kFieldCount == 81);

constexpr bool RowsAreInIdOrder()
{
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (kRows[i].entry.nId != static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(RowsAreInIdOrder(), "a field's id is its row");

// Enough for every date text, with room to spare.
constexpr int kTextBufferSize = 64;
char s_szFieldText[kTextBufferSize];

const AddrFieldRow* FindRow(unsigned nId)
{
    return nId < kFieldCount ? &kRows[nId] : nullptr;
}

bool ShouldStore(Import nImport, const char* szText, const char* pMember)
{
    switch (nImport) {
    case Import::Never:
        return false;
    case Import::Always:
        return true;
    case Import::WhenNotEmpty:
        return szText[0] != 0;
    case Import::WhenNotEmptyAndFirst:
        return szText[0] != 0 && pMember[0] == 0;
    }
    return false;
}

}  // namespace

int OlAddrUtil::GetFieldCount()
{
    return static_cast<int>(kFieldCount);
}

const CsvFieldEntry* OlAddrUtil::GetFieldDef(unsigned nPos)
{
    const AddrFieldRow* pRow = nPos >= 1 ? FindRow(nPos - 1) : nullptr;
    return pRow ? &pRow->entry : nullptr;
}

const char* OlAddrUtil::GetFieldText(const OlAddrItem* pItem, unsigned nId)
{
    s_szFieldText[0] = 0;
    if (pItem == nullptr)
        return s_szFieldText;
    const AddrFieldRow* pRow = FindRow(nId);
    if (pRow == nullptr)
        return nullptr;
    const char* pMember = reinterpret_cast<const char*>(pItem) + pRow->nImageOffset;
    switch (pRow->nExport) {
    case Export::Nothing:
        return nullptr;
    case Export::Text:
        return pMember;
    case Export::Date: {
        DATE dDate = 0.0;
        std::memcpy(&dDate, pMember, sizeof dDate);
        FormatOleDate(dDate, s_szFieldText, kTextBufferSize);
        return s_szFieldText;
    }
    }
    return nullptr;
}

TFieldStore OlAddrUtil::StoreFieldText(unsigned nId, const char* szText, CommAddrRec* pRec)
{
    const AddrFieldRow* pRow = nId >= 1 ? FindRow(nId) : nullptr;
    if (pRow == nullptr || pRec == nullptr || pRow->nImport == Import::Never)
        return TFieldStore::NotImported;
    char* pMember = reinterpret_cast<char*>(pRec) + pRow->nRecOffset;
    if (szText == nullptr || !ShouldStore(pRow->nImport, szText, pMember))
        return TFieldStore::Stored;
    return StoreCutText(szText, pMember, pRow->nRecSize);
}
