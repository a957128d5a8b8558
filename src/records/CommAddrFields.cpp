#include "records/CommFieldTables.h"

#include <array>
#include <cstddef>

namespace {

using enum CommFieldShow;
using enum CommFieldMatch;

// Type 1 text, 4 gender code, 5 number, 6 date; the size is the member's width.
#define ADDR_FIELD(nId, pszName, nType, member, show, match) \
    COMM_FIELD_ROW(CommAddrRec, nId, pszName, nType, static_cast<LONG>(sizeof(CommAddrRec::member)), member, show, match)

// Searched by id only; the ids 0, 14, 15, 21, 22, 46, 58, 68 and 79 name no field.
constexpr std::array kAddrFieldRows = {
    ADDR_FIELD(1, "First Name", 1, szFirstName, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(2, "Middle Name", 1, szMiddleName, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(3, "Last Name", 1, szLastName, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(4, "Prefix", 1, szPrefix, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(5, "Suffix", 1, szSuffix, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(6, "Nick Name", 1, szNickName, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(7, "Display Name", 1, szDisplayName, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(8, "Gender", 4, nGender, Blank, None),
    ADDR_FIELD(9, "(Work) Street", 1, szWorkStreet, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(10, "(Work) City", 1, szWorkCity, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(11, "(Work) State", 1, szWorkState, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(12, "(Work) Postal", 1, szWorkPostal, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(13, "(Work) Country", 1, szWorkCountry, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(16, "(Home) Street", 1, szHomeStreet, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(17, "(Home) City", 1, szHomeCity, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(18, "(Home) State", 1, szHomeState, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(19, "(Home) Postal", 1, szHomePostal, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(20, "(Home) Country", 1, szHomeCountry, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(23, "(Other) Street", 1, szOtherStreet, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(24, "(Other) City", 1, szOtherCity, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(25, "(Other) State", 1, szOtherState, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(26, "(Other) Postal", 1, szOtherPostal, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(27, "(Other) Country", 1, szOtherCountry, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(28, "Home Phone", 1, szHomePhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(29, "Work Phone", 1, szWorkPhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(30, "Mobile Phone", 1, szMobilePhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(31, "Other Phone", 1, szOtherPhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(32, "Primary Phone", 1, szPrimaryPhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(33, "Callback Phone", 1, szCallbackPhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(34, "Car Phone", 1, szCarPhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(35, "Radio Phone", 1, szRadioPhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(36, "Work Phone 2", 1, szWorkPhone2, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(37, "Home Phone 2", 1, szHomePhone2, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(38, "Work Fax", 1, szWorkFax, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(39, "Home Fax", 1, szHomeFax, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(40, "Pager", 1, szPager, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(41, "Email", 1, szEmail, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(42, "Email 2", 1, szEmail2, Refused, TextIgnoringLineBreaks),
    ADDR_FIELD(43, "Email 3", 1, szEmail3, Refused, TextIgnoringLineBreaks),
    ADDR_FIELD(44, "Personal Home Page", 1, szPersonalHomePage, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(45, "Work Home Page", 1, szWorkHomePage, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(47, "FTP Site", 1, szFtpSite, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(48, "Note", 1, szNote, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(49, "Custom 1", 1, szCustom[0], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(50, "Custom 2", 1, szCustom[1], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(51, "Custom 3", 1, szCustom[2], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(52, "Custom 4", 1, szCustom[3], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(53, "Custom 5", 1, szCustom[4], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(54, "Custom 6", 1, szCustom[5], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(55, "Custom 7", 1, szCustom[6], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(56, "Custom 8", 1, szCustom[7], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(57, "Custom 9", 1, szCustom[8], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(59, "Custom Label 1", 1, szCustomLabel[0], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(60, "Custom Label 2", 1, szCustomLabel[1], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(61, "Custom Label 3", 1, szCustomLabel[2], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(62, "Custom Label 4", 1, szCustomLabel[3], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(63, "Custom Label 5", 1, szCustomLabel[4], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(64, "Custom Label 6", 1, szCustomLabel[5], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(65, "Custom Label 7", 1, szCustomLabel[6], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(66, "Custom Label 8", 1, szCustomLabel[7], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(67, "Custom Label 9", 1, szCustomLabel[8], Text, TextIgnoringLineBreaks),
    ADDR_FIELD(69, "Company", 1, szCompany, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(70, "Department", 1, szDepartment, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(71, "Title", 1, szTitle, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(72, "IM 1", 1, szIM1, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(73, "IM 2", 1, szIM2, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(74, "Manager Name", 1, szManagerName, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(75, "Assistant Name", 1, szAssistantName, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(76, "Assistant Phone", 1, szAssistantPhone, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(77, "Spouse Name", 1, szSpouseName, Refused, TextIgnoringLineBreaks),
    ADDR_FIELD(78, "Children's Names", 1, szChildrenNames, Refused, None),
    ADDR_FIELD(80, "Profession", 1, szProfession, Text, None),
    ADDR_FIELD(81, "Hobby", 1, szHobby, Text, None),
    ADDR_FIELD(82, "Account", 1, szAccount, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(83, "Anniversary", 6, dAnniversary, DateAndTime, SameValue),
    ADDR_FIELD(84, "Birthday", 6, dBirthday, DateAndTime, SameValue),
    ADDR_FIELD(85, "Keyword", 1, szKeyword, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(86, "Language", 1, szLanguage, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(87, "Location", 1, szLocation, Text, TextIgnoringLineBreaks),
    ADDR_FIELD(88, "MHS Common Name", 1, szMhsCommonName, Text, None),
    ADDR_FIELD(89, "Customer ID", 1, szCustomerId, Text, None),
    ADDR_FIELD(90, "Government ID", 1, szGovernmentId, Text, None),
    ADDR_FIELD(91, "Organization ID", 1, szOrganizationId, Text, None),
    ADDR_FIELD(92, "Category", 1, szCategory, Text, None),
    ADDR_FIELD(93, "Creation Time", 6, dCreationTime, DateAndTime, None),
    ADDR_FIELD(94, "Last Modification Time", 6, dLastModificationTime, DateAndTime, None),
    ADDR_FIELD(95, "Source Type", 5, nSourceType, SourceTypeName, None),
    ADDR_FIELD(96, "Status", 5, nStatus, Refused, None),
    ADDR_FIELD(97, "ID", 1, szId, Refused, None),
    ADDR_FIELD(98, "Private", 5, nPrivate, Refused, None),
};

#undef ADDR_FIELD

}  // namespace

constinit const CommKindFields kCommAddrFields = {kAddrFieldRows, true};
