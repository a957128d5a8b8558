#include "common/misc/CxFile.h"

#include "platform/WinCompat.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A line end at the very end of a line is not part of its last field.
std::size_t LengthWithoutLineEnd(const char* szLine, std::size_t nLength)
{
    if (nLength > 0 && szLine[nLength - 1] == '\n') {
        --nLength;
        if (nLength > 0 && szLine[nLength - 1] == '\r')
            --nLength;
    }
    return nLength;
}

// The first ch in [p, pEnd), or pEnd. Quoted values are short, where a call to memchr
// costs more than the search, so this looks at eight bytes per step in a register.
char* FindChar(char* p, char* pEnd, char ch)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        constexpr std::uint64_t kHighBits = 0x8080808080808080u;
        const std::uint64_t pattern = kOnes * static_cast<unsigned char>(ch);
        for (; pEnd - p >= 8; p += 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            const std::uint64_t diff = word ^ pattern;
            // Marks the bytes equal to ch; exact up to the first one, the lowest in memory.
            const std::uint64_t found = (diff - kOnes) & ~diff & kHighBits;
            if (found != 0)
                return p + std::countr_zero(found) / 8;
        }
    }
    while (p < pEnd && *p != ch)
        ++p;
    return p;
}

// Turns each doubled quote character in [pBegin, pEnd) into one; *pEnd is a terminator,
// moved forward when the text shrinks.
void CollapseDoubledQuotes(char* pBegin, char* pEnd, char chQuote)
{
    char* pRead = static_cast<char*>(std::memchr(pBegin, chQuote, static_cast<std::size_t>(pEnd - pBegin)));
    if (pRead == nullptr)
        return;
    char* pWrite = pRead;
    while (pRead < pEnd) {
        const char ch = *pRead++;
        *pWrite++ = ch;
        if (ch == chQuote && pRead < pEnd && *pRead == chQuote)
            ++pRead;
    }
    *pWrite = '\0';
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The characters of the Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves
// free stand for the control characters of the same number, as Windows reads them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsAscii(std::string_view text)
{
    for (const char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

bool IsUtf8(std::string_view text)
{
    return text.size() <= static_cast<std::size_t>(INT_MAX)
           && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                  nullptr, 0) > 0;
}

// Text that is not UTF-8 is taken to be Windows-1252, in which most CSV files that are not
// UTF-8 are written: every byte is a character of its own, so nothing of it is lost. A
// byte-order mark in front declares UTF-8 and stays as it is.
void MakeUtf8(std::string& text)
{
    const std::size_t nStart = std::string_view(text).starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    const std::string_view body = std::string_view(text).substr(nStart);
    if (IsAscii(body) || IsUtf8(body) || body.size() > static_cast<std::size_t>(INT_MAX) / 3)
        return;
    std::u16string wide;
    wide.reserve(body.size());
    for (const char ch : body) {
        const auto byte = static_cast<unsigned char>(ch);
        wide.push_back(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t{byte});
    }
    const int nWide = static_cast<int>(wide.size());
    const int nBytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), nWide, nullptr, 0, nullptr, nullptr);
    std::string utf8(text, 0, nStart);
    utf8.resize(nStart + static_cast<std::size_t>(nBytes));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), nWide, utf8.data() + nStart, nBytes, nullptr, nullptr);
    text = std::move(utf8);
}

// Opens a file for reading only when it is a plain file: a folder has no lines, a pipe
// would wait for a writer that may never come, and a device may never end. The file is
// opened without waiting, so even a pipe put in its place meanwhile cannot block.
FILE* OpenPlainFileForReading(const char* szPath, const char* szMode)
{
    const int fd = open(szPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    const int nFlags = fcntl(fd, F_GETFL);
    FILE* fp = nullptr;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && nFlags >= 0 && fcntl(fd, F_SETFL, nFlags & ~O_NONBLOCK) == 0)
        fp = fdopen(fd, szMode);
    if (fp == nullptr)
        close(fd);
    return fp;
}

// Whether the open file is still the one the path names. Windows keeps an open file from
// being deleted or replaced; here another program may do either, and what was written to
// the file is then lost.
bool IsPipe(const char* szPath)
{
    struct stat info {};
    return stat(szPath, &info) == 0 && S_ISFIFO(info.st_mode);
}

bool IsFileAtPath(FILE* fp, const std::string& path)
{
    struct stat opened {};
    struct stat named {};
    return fstat(fileno(fp), &opened) == 0 && stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev
           && opened.st_ino == named.st_ino;
}

}  // namespace

std::string QuoteCsvValue(std::string_view value, char chQuote)
{
    if (chQuote == '\0')
        return std::string(value);
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted.push_back(chQuote);
    for (const char ch : value) {
        quoted.push_back(ch);
        if (ch == chQuote)
            quoted.push_back(ch);
    }
    quoted.push_back(chQuote);
    return quoted;
}

CSV::CSV(const char* szLine, bool bQuote)
    : m_bQuote(bQuote)
{
    Parse(szLine);
}

CSV::~CSV() = default;

void CSV::SetQuote(char chQuote)
{
    m_chQuote = chQuote;
    m_bQuote = chQuote != '\0';
}

void CSV::Clear()
{
    m_pData.reset();
    m_ppItems.reset();
    m_nDataRoom = 0;
    m_nItemRoom = 0;
    m_nCount = 0;
}

const char* CSV::GetItem(std::uint32_t nIndex) const
{
    return nIndex < m_nCount ? m_ppItems[nIndex] : "";
}

bool CSV::EndsInsideQuotes(std::string_view text, char chQuote)
{
    return chQuote != '\0' && std::count(text.begin(), text.end(), chQuote) % 2 != 0;
}

// [pBegin, pEnd) is one field and *pEnd its terminator; nQuotes counts the quote
// characters in it.
inline char* CSV::StoreField(char* pBegin, char* pEnd, std::size_t nQuotes) const
{
    if (!m_bQuote)
        return pBegin;
    if (pEnd - pBegin < 2) {
        *pBegin = '\0';
        return pBegin;
    }
    const std::size_t nInner = nQuotes - (pBegin[0] == m_chQuote) - (pEnd[-1] == m_chQuote);
    pEnd[-1] = '\0';
    if (nInner >= 2)
        CollapseDoubledQuotes(pBegin + 1, pEnd - 1, m_chQuote);
    return pBegin + 1;
}

inline bool CSV::AddItem(char* pBegin, char* pEnd, std::size_t nQuotes)
{
    if (m_nCount == m_nItemRoom && !GrowItems())
        return false;
    m_ppItems[m_nCount++] = StoreField(pBegin, pEnd, nQuotes);
    return true;
}

bool CSV::GrowItems()
{
    const std::size_t nRoom = m_nItemRoom == 0 ? 32 : 2 * m_nItemRoom;
    std::unique_ptr<char*[]> ppItems(new (std::nothrow) char*[nRoom]);
    if (!ppItems)
        return false;
    std::copy(m_ppItems.get(), m_ppItems.get() + m_nCount, ppItems.get());
    m_ppItems = std::move(ppItems);
    m_nItemRoom = nRoom;
    return true;
}

bool CSV::Parse(const char* szLine)
{
    if (szLine == nullptr || szLine[0] == '\0')
        return false;

    const std::size_t nLength = LengthWithoutLineEnd(szLine, std::strlen(szLine));
    m_nCount = 0;
    if (nLength + 1 > m_nDataRoom) {
        m_pData.reset(new (std::nothrow) char[nLength + 1]);
        m_nDataRoom = m_pData ? nLength + 1 : 0;
        if (!m_pData) {
            Clear();
            return false;
        }
    }
    char* const pData = m_pData.get();
    std::memmove(pData, szLine, nLength);  // the line may be one of this object's own fields
    pData[nLength] = '\0';
    char* const pEnd = pData + nLength;

    // Each comma outside quotes ends a field; each quote character flips the state. Inside
    // quotes only the closing quote matters, so the walk runs straight to it.
    const bool bQuote = m_bQuote;
    const char chQuote = m_chQuote;
    char* pField = pData;
    char* p = pData;
    std::size_t nQuotes = 0;
    bool bAdded = true;
    while (bAdded && p < pEnd) {
        if (bQuote && *p == chQuote) {
            ++nQuotes;
            p = FindChar(p + 1, pEnd, chQuote);
            if (p == pEnd)
                break;
            ++nQuotes;
            ++p;
        } else if (*p == ',') {
            *p = '\0';
            bAdded = AddItem(pField, p, nQuotes);
            nQuotes = 0;
            pField = ++p;
        } else {
            ++p;
        }
    }
    if (!bAdded || !AddItem(pField, pEnd, nQuotes)) {
        Clear();
        return false;
    }
    return true;
}

CxFile::~CxFile()
{
    Close();
}

bool CxFile::Open(const char* szPath, const char* szMode)
{
    if (m_fp != nullptr || szPath == nullptr || szPath[0] == '\0' || szMode == nullptr || szMode[0] == '\0')
        return false;
    const bool bWrites = std::strpbrk(szMode, "wa+") != nullptr;
    if (bWrites && IsPipe(szPath))
        return false;
    m_fp = bWrites ? std::fopen(szPath, szMode) : OpenPlainFileForReading(szPath, szMode);
    if (m_fp != nullptr && bWrites)
        m_szWrittenPath = szPath;
    return m_fp != nullptr;
}

bool CxFile::IsAtWrittenPath() const
{
    return m_fp == nullptr || m_szWrittenPath.empty() || IsFileAtPath(m_fp, m_szWrittenPath);
}

bool CxFile::Close()
{
    bool bClosed = true;
    if (m_fp != nullptr) {
        const bool bAtPath = IsAtWrittenPath();
        bClosed = std::fclose(m_fp) == 0 && bAtPath;
        m_fp = nullptr;
    }
    m_szWrittenPath.clear();
    std::free(m_pLineBuf);
    m_pLineBuf = nullptr;
    m_nLineBufSize = 0;
    return bClosed;
}

char* CxFile::ReadLine(char* szBuf, int nSize)
{
    if (m_fp == nullptr || szBuf == nullptr || nSize <= 0)
        return nullptr;
    return std::fgets(szBuf, nSize, m_fp);
}

bool CxFile::AppendPhysicalLine(std::string& szRecord)
{
    // getline reads a line of any length, zero bytes included, in one go.
    const ssize_t nRead = getline(&m_pLineBuf, &m_nLineBufSize, m_fp);
    if (nRead <= 0)
        return false;
    szRecord.append(m_pLineBuf, static_cast<std::size_t>(nRead));
    return true;
}

bool CxFile::ReadRecord(std::string& szRecord, char chQuote)
{
    szRecord.clear();
    if (m_fp == nullptr)
        return false;
    try {
        if (!AppendPhysicalLine(szRecord))
            return false;
        bool bOpen = CSV::EndsInsideQuotes(szRecord, chQuote);
        while (bOpen) {
            const std::size_t nJoined = szRecord.size();
            if (!AppendPhysicalLine(szRecord))
                break;
            bOpen ^= CSV::EndsInsideQuotes(std::string_view(szRecord).substr(nJoined), chQuote);
        }
        MakeUtf8(szRecord);
    } catch (const std::bad_alloc&) {
        szRecord.clear();
        return false;
    }
    return true;
}

bool CxFile::WriteLine(const char* szLine)
{
    if (m_fp == nullptr)
        return false;
    return std::fprintf(m_fp, "%s\r\n", szLine == nullptr ? "" : szLine) >= 0;
}

int CxFile::Seek(long nOffset, int nOrigin)
{
    return m_fp == nullptr ? -1 : std::fseek(m_fp, nOffset, nOrigin);
}
