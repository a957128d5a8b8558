#include "common/misc/CxFile.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>

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
    m_fp = std::fopen(szPath, szMode);
    return m_fp != nullptr;
}

bool CxFile::Close()
{
    bool bClosed = true;
    if (m_fp != nullptr) {
        bClosed = std::fclose(m_fp) == 0;
        m_fp = nullptr;
    }
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
