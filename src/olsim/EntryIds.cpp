#include "olsim/EntryIds.h"

#include "olsim/VariantConversion.h"

#include <cstdio>
#include <random>

namespace olsim {
namespace {

constexpr std::string_view kWrappedStorePrefix = "0000000038A1BB1005E5101AA1BB08002B2A56C2";
constexpr std::string_view kProviderDll = "mspst.dll";

void AppendHexByte(std::string& out, unsigned byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[(byte >> 4) & 0xF];
    out += kDigits[byte & 0xF];
}

// MAPI keeps the path of a store's file in UTF-16, little-endian, with its terminator.
void AppendUtf16LeHex(std::string& out, std::string_view text)
{
    std::u16string wide = WideFromUtf8(text);
    wide.push_back(u'\0');
    for (const char16_t unit : wide) {
        AppendHexByte(out, unit & 0xFF);
        AppendHexByte(out, (unit >> 8) & 0xFF);
    }
}

}  // namespace

std::string NewStoreUid()
{
    std::random_device device;
    std::string uid;
    for (int i = 0; i < 16; ++i)
        AppendHexByte(uid, device() & 0xFF);
    return uid;
}

std::string MakeEntryId(std::string_view storeUid, std::int64_t itemId)
{
    char number[9];
    std::snprintf(number, sizeof number, "%08X", static_cast<unsigned>(itemId & 0xFFFFFFFF));
    return "00000000" + std::string(storeUid) + number;
}

std::string MakeStoreId(std::string_view storeUid, std::string_view path)
{
    std::string id(kWrappedStorePrefix);
    id += "0000";
    for (const char c : kProviderDll)
        AppendHexByte(id, static_cast<unsigned char>(c));
    AppendHexByte(id, 0);
    id += "00000000";
    id += storeUid;
    AppendUtf16LeHex(id, path);
    return id;
}

}  // namespace olsim
