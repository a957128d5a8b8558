// Helpers shared by the record model tests.
#pragma once

#include "support/Environment.h"
#include "platform/WinCompat.h"
#include "records/CommFieldDef.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace record_tests {

template <std::size_t N>
void SetText(char (&member)[N], std::string_view text)
{
    CutText(member, N, text);
}

// A zero-filled record on the heap, as the program creates them (some are large).
template <typename Rec>
std::unique_ptr<Rec> NewRecord()
{
    return std::make_unique<Rec>();
}

// What GetFieldText answered: its result and the buffer's text.
struct FieldTextResult {
    bool bResult;
    std::string text;
};

// Asks Mgr for the text of field nId through its own table row.
template <typename Mgr, typename Rec>
FieldTextResult FieldText(const Rec& rec, LONG nId, int nBufSize = 1024)
{
    CommFieldDef def{};
    if (!Mgr::GetFieldDef(nId, &def))
        def.nId = nId;
    std::string buffer(static_cast<std::size_t>(nBufSize), '#');
    const bool bResult = Mgr::GetFieldText(&rec, &def, buffer.data(), nBufSize);
    return {bResult, std::string(buffer.c_str())};
}

// Runs the test body in another time zone and puts the previous one back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* szZone)
    {
        if (const char* previous = std::getenv("TZ"))
            m_previous = previous;
        testing_support::SetEnvironment("TZ", szZone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_previous)
            testing_support::SetEnvironment("TZ", m_previous->c_str());
        else
            testing_support::UnsetEnvironment("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> m_previous;
};

// Seconds since 1970-01-01 00:00 UTC of a UTC moment.
inline time_t UtcTime(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0)
{
    std::tm tm{};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = nHour;
    tm.tm_min = nMinute;
#ifdef _WIN32
    return _mkgmtime(&tm);
#else
    return timegm(&tm);
#endif
}

}  // namespace record_tests
