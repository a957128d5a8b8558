// A contact as every page and adapter exchanges it: flat, fixed-width, copied as a block.
#pragma once

#include "platform/WinCompat.h"

#include <type_traits>

struct CommAddrRec {
    CHAR szFirstName[32];
    CHAR szLastName[32];
    CHAR szMiddleName[32];
    CHAR szPrefix[32];
    CHAR szSuffix[32];
    CHAR szNickName[32];
    CHAR szDisplayName[32];
    LONG nGender;
    CHAR szWorkStreet[256];
    CHAR szWorkCity[32];
    CHAR szWorkState[32];
    CHAR szWorkPostal[16];
    CHAR szWorkCountry[32];
    CHAR szHomeStreet[256];
    CHAR szHomeCity[32];
    CHAR szHomeState[32];
    CHAR szHomePostal[16];
    CHAR szHomeCountry[32];
    CHAR szOtherStreet[256];
    CHAR szOtherCity[32];
    CHAR szOtherState[32];
    CHAR szOtherPostal[16];
    CHAR szOtherCountry[32];
    CHAR szHomePhone[24];
    CHAR szWorkPhone[24];
    CHAR szMobilePhone[24];
    CHAR szPrimaryPhone[24];
    CHAR szOtherPhone[24];
    CHAR szCallbackPhone[24];
    CHAR szRadioPhone[24];
    CHAR szCarPhone[24];
    CHAR szWorkPhone2[24];
    CHAR szHomePhone2[24];
    CHAR szWorkFax[24];
    CHAR szHomeFax[24];
    CHAR szPager[24];
    CHAR szEmail[64];
    CHAR szEmail2[64];
    CHAR szEmail3[64];
    CHAR szWorkHomePage[256];
    CHAR szPersonalHomePage[256];
    CHAR szFtpSite[256];
    CHAR szNote[8192];
    CHAR szCustom[10][64];
    CHAR szCustomLabel[10][64];
    CHAR szCompany[64];
    CHAR szTitle[32];
    CHAR szDepartment[32];
    CHAR szIM1[32];
    CHAR szIM2[32];
    CHAR szManagerName[32];
    CHAR szAssistantName[32];
    CHAR szAssistantPhone[24];
    CHAR szSpouseName[32];
    CHAR szChildrenNames[32];
    CHAR szProfession[64];
    CHAR szHobby[64];
    CHAR szAccount[32];
    DATE dBirthday;
    DATE dAnniversary;
    CHAR szKeyword[64];
    CHAR szLanguage[64];
    CHAR szLocation[64];
    CHAR szMhsCommonName[32];
    CHAR szCustomerId[32];
    CHAR szGovernmentId[32];
    CHAR szOrganizationId[32];
    CHAR szCategory[256];
    DATE dCreationTime;
    DATE dLastModificationTime;
    LONG nSourceType;  // where the contact came from; 3 = Outlook
    LONG nStatus;
    CHAR szId[64];
    LONG nPrivate;  // non-zero = private
    // Heap copy of the contacts adapter's image of the Outlook item; present only when
    // both are set.
    void* pNative;
    DWORD nNativeSize;
};

static_assert(std::is_trivially_copyable_v<CommAddrRec> && std::is_standard_layout_v<CommAddrRec>);
