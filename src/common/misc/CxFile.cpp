#include "common/misc/CxFile.h"

#include "platform/Files.h"
#include "platform/WinCompat.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>

namespace {

constexpr std::size_t kReadStep = 65536;

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

void CSV::SetDelimiter(char chDelimiter)
{
    m_chDelimiter = chDelimiter;
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

// [pText, pEnd) follows the opening quote of a field and *pEnd is a terminator. Removes the
// quoting in place, ends the field's text with a terminator and returns where the field
// ends: at its delimiter, or pEnd. The text only shrinks, so it is written over itself,
// and not moved at all until the first quote character it keeps.
char* CSV::UnquoteField(char* pText, char* pEnd) const
{
    const char chQuote = m_chQuote;
    const char chDelimiter = m_chDelimiter;
    char* pWrite = pText;
    char* p = pText;
    while (true) {
        char* const pQuote = FindChar(p, pEnd, chQuote);
        if (pWrite != p)
            std::memmove(pWrite, p, static_cast<std::size_t>(pQuote - p));
        pWrite += pQuote - p;
        p = pQuote;
        if (p == pEnd)
            break;  // never closed: the field runs to the end of the line
        ++p;
        if (p == pEnd || *p == chDelimiter)
            break;
        if (*p == '\r' || *p == '\n') {
            // Closed by a line end inside the record; the text after it still belongs to
            // the field rather than being lost.
            char* const pDelimiter = FindChar(p, pEnd, chDelimiter);
            std::memmove(pWrite, p, static_cast<std::size_t>(pDelimiter - p));
            pWrite += pDelimiter - p;
            p = pDelimiter;
            break;
        }
        // A doubled quote stands for one; a single one, as files of old versions wrote
        // quotes inside values, is kept as it is.
        *pWrite++ = chQuote;
        if (*p == chQuote)
            ++p;
    }
    *pWrite = '\0';
    return p;
}

inline bool CSV::AddItem(char* pItem)
{
    if (m_nCount == m_nItemRoom && !GrowItems())
        return false;
    m_ppItems[m_nCount++] = pItem;
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
    return szLine != nullptr && Parse(std::string_view(szLine));
}

bool CSV::Parse(std::string_view record)
{
    if (record.empty())
        return false;

    const std::size_t nLength = LengthWithoutLineEnd(record.data(), record.size());
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
    std::memmove(pData, record.data(), nLength);  // the record may be one of this object's own fields
    pData[nLength] = '\0';
    char* const pEnd = pData + nLength;

    const bool bQuote = m_bQuote;
    const char chQuote = m_chQuote;
    const char chDelimiter = m_chDelimiter;
    char* p = pData;
    while (true) {
        char* pItem = p;
        if (bQuote && p < pEnd && *p == chQuote) {
            pItem = p + 1;
            p = UnquoteField(pItem, pEnd);
        } else {
            p = FindChar(p, pEnd, chDelimiter);
            *p = '\0';
        }
        if (!AddItem(pItem)) {
            Clear();
            return false;
        }
        if (p == pEnd)
            return true;
        ++p;
    }
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
    if (bWrites && platform::IsPipe(szPath))
        return false;
    m_fp = bWrites ? std::fopen(szPath, szMode) : platform::OpenPlainFileForReading(szPath, szMode);
    if (m_fp != nullptr && bWrites)
        m_szWrittenPath = szPath;
    return m_fp != nullptr;
}

bool CxFile::IsAtWrittenPath() const
{
    return m_fp == nullptr || m_szWrittenPath.empty() || platform::IsSameOpenFile(m_fp, m_szWrittenPath.c_str());
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
    return bClosed;
}

char* CxFile::ReadLine(char* szBuf, int nSize)
{
    if (m_fp == nullptr || szBuf == nullptr || nSize <= 0)
        return nullptr;
    return std::fgets(szBuf, nSize, m_fp);
}

bool CxFile::ReadRest(std::string& bytes)
{
    bytes.clear();
    if (m_fp == nullptr)
        return false;
    try {
        // Room for the whole file and one byte more, so that a file that does not grow
        // meanwhile is read without growing the text.
        const std::uint64_t nSize = platform::OpenFileSize(m_fp);
        const bool bSized = nSize > 0 && nSize < bytes.max_size();
        std::size_t nRead = 0;
        bytes.resize(bSized ? static_cast<std::size_t>(nSize) + 1 : kReadStep);
        while (true) {
            if (nRead == bytes.size())
                bytes.resize(bytes.size() + std::max(bytes.size(), kReadStep));
            const std::size_t nGot = std::fread(bytes.data() + nRead, 1, bytes.size() - nRead, m_fp);
            if (nGot == 0)
                break;
            nRead += nGot;
        }
        bytes.resize(nRead);
    } catch (const std::bad_alloc&) {
        bytes.clear();
        return false;
    }
    if (std::ferror(m_fp) != 0) {
        bytes.clear();
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

bool CxFile::Write(std::string_view bytes)
{
    return m_fp != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), m_fp) == bytes.size();
}

int CxFile::Seek(long nOffset, int nOrigin)
{
    return m_fp == nullptr ? -1 : std::fseek(m_fp, nOffset, nOrigin);
}
