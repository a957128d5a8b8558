#include "olsim/EntryIds.h"

#include "olsim/AsciiNames.h"
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
    static_assert(sizeof(OLECHAR) == 2, "each unit is written as the two bytes of one UTF-16 unit");
    platform::OleString wide = WideFromUtf8(text);
    wide.push_back(OLECHAR('\0'));
    for (const OLECHAR unit : wide) {
        AppendHexByte(out, unit & 0xFF);
        AppendHexByte(out, (unit >> 8) & 0xFF);
    }
}

int HexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
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

std::optional<std::int64_t> ItemNumberOfEntryId(std::string_view entryId, std::string_view storeUid)
{
    constexpr std::string_view kZeroFlags = "00000000";
    constexpr std::size_t kNumberDigits = 8;
    if (entryId.size() != kZeroFlags.size() + storeUid.size() + kNumberDigits ||
        !SameAsciiName(entryId.substr(0, kZeroFlags.size()), kZeroFlags) ||
        !SameAsciiName(entryId.substr(kZeroFlags.size(), storeUid.size()), storeUid))
        return std::nullopt;
    std::int64_t number = 0;
    for (const char digit : entryId.substr(entryId.size() - kNumberDigits)) {
        const int value = HexDigitValue(digit);
        if (value < 0)
            return std::nullopt;
        number = number * 16 + value;
    }
    return number;
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
