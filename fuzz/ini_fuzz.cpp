// The INI store on a file of any bytes: its section and key lists fit their buffers, every
// listed entry reads, a value written reads back as written while every other entry keeps
// its value, a removal removes, and a write that fails leaves the file as it was.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzScratch.h"

#include "common/misc/CxIniUtil.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using fuzz_support::FuzzCheck;

namespace {

constexpr std::size_t kMaxNameLength = 24;
constexpr std::size_t kMaxValueLength = 48;
constexpr std::size_t kMaxNamesRead = 32;
constexpr DWORD kValueRoom = 65536;
// No value of a file holds a line feed, so a missing entry cannot be mistaken for one.
constexpr const char* kMissing = "missing\nentry";

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view kWhiteSpace = " \t\r\n\f\v";
    const std::size_t nFirst = text.find_first_not_of(kWhiteSpace);
    if (nFirst == std::string_view::npos)
        return {};
    return text.substr(nFirst, text.find_last_not_of(kWhiteSpace) - nFirst + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// A name or value as the C string the program is given: it ends at the first zero byte.
std::string AsCString(const std::string& text) { return text.c_str(); }

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names a list call gives (sections with a null section, keys with a null key), whole,
// and the same list read into a buffer of nSmallSize bytes checked to be cut cleanly.
std::vector<std::string> ReadNames(const char* szSection, const std::string& path, DWORD nSmallSize)
{
    std::vector<char> buffer(kValueRoom + 2);
    const DWORD nUsed = GetPrivateProfileStringA(szSection, nullptr, nullptr, buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), path.c_str());
    FuzzCheck(nUsed + 1 < buffer.size() || nUsed == 0, "a name list fits its buffer");
    FuzzCheck(buffer[nUsed] == '\0', "a name list ends in a terminator");
    std::vector<std::string> names;
    for (std::size_t nStart = 0; nStart < nUsed;) {
        names.emplace_back(buffer.data() + nStart);
        nStart += names.back().size() + 1;
    }

    std::vector<char> small(nSmallSize + 1, 'x');
    const DWORD nCut = GetPrivateProfileStringA(szSection, nullptr, nullptr, small.data(), nSmallSize, path.c_str());
    FuzzCheck(nCut <= nUsed, "a cut name list is no longer than the whole");
    FuzzCheck(small[nSmallSize] == 'x', "a name list stays inside its buffer");
    if (nSmallSize > 0) {
        FuzzCheck(nCut < nSmallSize, "a cut name list leaves room for its terminator");
        FuzzCheck(small[nCut] == '\0', "a cut name list ends in a terminator");
    }
    return names;
}

std::string ReadValue(const CxIniUtil& store, const std::string& section, const std::string& key)
{
    std::vector<char> buffer(kValueRoom);
    store.ReadString(section.c_str(), key.c_str(), buffer.data(), static_cast<int>(buffer.size()), kMissing);
    return buffer.data();
}

using Entries = std::map<std::pair<std::string, std::string>, std::string>;

// A name holding a zero byte lists as two names that need not exist, so only a file without
// zero bytes promises that every listed key has a value.
Entries ReadEntries(const CxIniUtil& store, const std::string& path, DWORD nSmallSize, bool bNamesWhole)
{
    Entries entries;
    std::vector<std::string> sections = ReadNames(nullptr, path, nSmallSize);
    sections.resize(std::min(sections.size(), kMaxNamesRead));
    for (const std::string& section : sections) {
        if (section.empty())
            continue;
        std::vector<std::string> keys = ReadNames(section.c_str(), path, nSmallSize);
        keys.resize(std::min(keys.size(), kMaxNamesRead));
        for (const std::string& key : keys) {
            if (key.empty())
                continue;
            const std::string value = ReadValue(store, section, key);
            if (bNamesWhole)
                FuzzCheck(value != kMissing, "a listed key has a value");
            std::vector<char> small(nSmallSize + 1, 'x');
            const int nCut = store.ReadString(section.c_str(), key.c_str(), small.data(), static_cast<int>(nSmallSize), "");
            FuzzCheck(small[nSmallSize] == 'x', "a value stays inside its buffer");
            if (nSmallSize > 0) {
                FuzzCheck(static_cast<DWORD>(nCut) < nSmallSize && small[static_cast<std::size_t>(nCut)] == '\0',
                          "a cut value leaves room for its terminator");
                FuzzCheck(std::string_view(value).starts_with(small.data()), "a cut value is the start of the value");
            }
            store.ReadInt(section.c_str(), key.c_str(), 7);
            store.ReadBool(section.c_str(), key.c_str(), true);
            entries.emplace(std::make_pair(section, key), value);
        }
    }
    return entries;
}

std::size_t CountNamed(const std::vector<std::string>& names, std::string_view name)
{
    std::size_t nCount = 0;
    for (const std::string& each : names)
        nCount += SameName(each, name) ? 1 : 0;
    return nCount;
}

enum class Change { Write, RemoveKey, RemoveSection };

bool Touches(Change change, const std::pair<std::string, std::string>& entry, std::string_view section,
             std::string_view key)
{
    if (!SameName(Trim(entry.first), section))
        return false;
    return change == Change::RemoveSection || SameName(Trim(entry.second), key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    fuzz_support::FuzzInput input(pData, nSize);
    const auto change = static_cast<Change>(input.TakeByte() % 3);
    const auto nSmallSize = static_cast<DWORD>(input.TakeByte() % 24);
    const std::string section = AsCString(input.TakeText(kMaxNameLength));
    const std::string key = AsCString(input.TakeText(kMaxNameLength));
    const std::string value = AsCString(input.TakeText(kMaxValueLength));
    const std::string before(input.Rest());

    const std::string path = fuzz_support::WriteScratchFile("store.ini", before);
    CxIniUtil store(fuzz_support::ScratchFolder().c_str(), "store.ini");
    FuzzCheck(path == store.GetPath(), "the store reads the input file");
    const bool bNamesWhole = before.find('\0') == std::string::npos;
    const Entries entries = ReadEntries(store, path, nSmallSize, bNamesWhole);
    const std::vector<std::string> keysBefore = ReadNames(section.c_str(), path, nSmallSize);
    const std::vector<std::string> sectionsBefore = ReadNames(nullptr, path, nSmallSize);

    BOOL bWritten = FALSE;
    switch (change) {
    case Change::Write:
        bWritten = store.WriteString(section.c_str(), key.c_str(), value.c_str());
        break;
    case Change::RemoveKey:
        bWritten = WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path.c_str());
        break;
    case Change::RemoveSection:
        bWritten = WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path.c_str());
        break;
    }
    if (!bWritten) {
        FuzzCheck(FileBytes(path) == before, "a failed write leaves the file as it was");
        return 0;
    }

    const std::string_view trimmedSection = Trim(section);
    const std::string_view trimmedKey = Trim(key);
    switch (change) {
    case Change::Write:
        FuzzCheck(ReadValue(store, section, key) == Trim(value), "a written value reads back");
        break;
    case Change::RemoveKey:
        if (bNamesWhole && CountNamed(keysBefore, trimmedKey) <= 1)
            FuzzCheck(CountNamed(ReadNames(section.c_str(), path, nSmallSize), trimmedKey) == 0, "a removed key is gone");
        break;
    case Change::RemoveSection: {
        if (!bNamesWhole)
            break;
        const std::size_t nBefore = CountNamed(sectionsBefore, trimmedSection);
        const std::size_t nAfter = CountNamed(ReadNames(nullptr, path, nSmallSize), trimmedSection);
        FuzzCheck(nAfter == (nBefore == 0 ? 0 : nBefore - 1), "a removed section is gone");
        break;
    }
    }
    for (const auto& [entry, oldValue] : entries)
        if (!Touches(change, entry, trimmedSection, trimmedKey))
            FuzzCheck(ReadValue(store, entry.first, entry.second) == oldValue, "other entries keep their values");
    return 0;
}
