#include "common/misc/CsvRecordWalker.h"

#include <cstring>

namespace {

bool IsLineEnd(char ch) { return ch == '\r' || ch == '\n'; }

}  // namespace

TCsvRecordWalker::TCsvRecordWalker(std::string_view text, char chQuote, char chDelimiter)
    : m_text(text), m_chQuote(chQuote), m_chDelimiter(chDelimiter)
{
}

bool TCsvRecordWalker::Next(std::string_view& record)
{
    const char* const pText = m_text.data();
    const char* const pEnd = pText + m_text.size();
    const char* const pRecord = pText + m_nPos;
    if (pRecord == pEnd)
        return false;

    const char chQuote = m_chQuote;
    const char chDelimiter = m_chDelimiter;
    const char* p = pRecord;
    bool bInsideQuotes = m_bInsideQuotes;
    // Outside quotes the walk stands at the start of a field: the start of the record, or
    // just past a delimiter, for a quoted field closes only at one.
    while (true) {
        if (bInsideQuotes) {
            const auto* pQuote = static_cast<const char*>(std::memchr(p, chQuote, static_cast<std::size_t>(pEnd - p)));
            if (pQuote == nullptr) {
                p = pEnd;
                break;
            }
            p = pQuote + 1;
            if (p == pEnd) {
                bInsideQuotes = false;
                break;
            }
            if (*p == chDelimiter) {
                bInsideQuotes = false;
                ++p;
            } else if (IsLineEnd(*p)) {
                bInsideQuotes = false;
                break;
            } else if (*p == chQuote) {
                ++p;
            }
        } else if (p < pEnd && *p == chQuote && chQuote != '\0') {
            bInsideQuotes = true;
            ++p;
        } else {
            while (p < pEnd && *p != chDelimiter && !IsLineEnd(*p))
                ++p;
            if (p == pEnd || *p != chDelimiter)
                break;
            ++p;
        }
    }

    record = std::string_view(pRecord, static_cast<std::size_t>(p - pRecord));
    m_bInsideQuotes = bInsideQuotes;
    if (p < pEnd)
        p += *p == '\r' && p + 1 < pEnd && p[1] == '\n' ? 2 : 1;
    m_nPos = static_cast<std::size_t>(p - pText);
    return true;
}
