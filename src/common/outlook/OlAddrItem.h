// The contacts adapter's image of one Outlook contact: every property it reads, at fixed
// widths, so a record can carry a flat copy of it. Members are named after the properties.
#pragma once

#include "platform/WinCompat.h"

#include <cstddef>
#include <type_traits>

constexpr std::size_t OL_ADDR_USER_PROPS = 10;
constexpr std::size_t OL_ADDR_USER_PROP_WIDTH = 64;

struct OlAddrItem {
    char EntryID[1024];
    char StoreID[1024];
    char Account[32];
    DATE Anniversary;
    char AssistantName[64];
    char AssistantTelephoneNumber[24];
    DATE Birthday;
    char Business2TelephoneNumber[24];
    char BusinessAddressCity[24];
    char BusinessAddressCountry[24];
    char BusinessAddressPostalCode[12];
    char BusinessAddressPostOfficeBox[12];
    char BusinessAddressState[24];
    char BusinessAddressStreet[128];
    char BusinessFaxNumber[24];
    char BusinessHomePage[256];
    char BusinessTelephoneNumber[24];
    char CallbackTelephoneNumber[24];
    char CarTelephoneNumber[24];
    char CompanyMainTelephoneNumber[24];
    char CompanyName[64];
    char ComputerNetworkName[32];
    char CustomerID[24];
    char Department[32];
    char Email1Address[64];
    char Email1AddressType[16];
    char Email1DisplayName[64];
    char Email2Address[64];
    char Email2AddressType[16];
    char Email2DisplayName[64];
    char Email3Address[64];
    char Email3AddressType[16];
    char Email3DisplayName[64];
    char FirstName[64];
    char FTPSite[256];
    char FullName[64];
    LONG Gender;
    char Hobby[128];
    char Home2TelephoneNumber[24];
    char HomeAddressCity[24];
    char HomeAddressCountry[24];
    char HomeAddressPostalCode[12];
    char HomeAddressPostOfficeBox[12];
    char HomeAddressState[24];
    char HomeAddressStreet[128];
    char HomeFaxNumber[24];
    char HomeTelephoneNumber[24];
    char IMAddress[32];
    char Initials[8];
    char ISDNNumber[24];
    char JobTitle[32];
    char Language[8];
    char LastName[64];
    char MailingAddressCity[24];
    char MailingAddressCountry[24];
    char MailingAddressPostalCode[12];
    char MailingAddressPostOfficeBox[12];
    char MailingAddressState[24];
    char MailingAddressStreet[128];
    char ManagerName[64];
    char MiddleName[64];
    char MobileTelephoneNumber[24];
    char NickName[64];
    char OtherAddressCity[24];
    char OtherAddressCountry[24];
    char OtherAddressPostalCode[12];
    char OtherAddressPostOfficeBox[12];
    char OtherAddressState[24];
    char OtherAddressStreet[128];
    char OtherTelephoneNumber[24];
    char PagerNumber[24];
    char PersonalHomePage[256];
    char PrimaryTelephoneNumber[24];
    char Profession[32];
    char RadioTelephoneNumber[24];
    char Spouse[64];
    char Suffix[8];  // travels only between record and image; Outlook's own suffix is not read
    char WebPage[256];
    char Body[2048];
    char UserPropValue[OL_ADDR_USER_PROPS][OL_ADDR_USER_PROP_WIDTH];
    char UserPropName[OL_ADDR_USER_PROPS][OL_ADDR_USER_PROP_WIDTH];
    char FolderName[32];
    char Categories[256];
    DATE CreationTime;
    DATE LastModificationTime;
};

static_assert(std::is_standard_layout_v<OlAddrItem> && std::is_trivially_copyable_v<OlAddrItem>,
              "records carry the image as a flat block");
