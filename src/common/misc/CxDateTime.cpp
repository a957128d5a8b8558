#include "common/misc/CxDateTime.h"

#include "common/misc/CxAssert.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>

namespace {

constexpr int kFirstPrintedYear = 1900;
constexpr int kLastPrintedYear = 4500;
constexpr int kMinutesPerDay = 24 * 60;
constexpr std::size_t kPartSize = 32;

// A broken-down local time as SYSTEMTIME; false when its year does not fit a SYSTEMTIME.
bool SystemTimeFromTm(const tm& local, SYSTEMTIME* pstTime)
{
    const long long year = static_cast<long long>(local.tm_year) + 1900;
    if (year < 0 || year > std::numeric_limits<WORD>::max())
        return false;
    *pstTime = SYSTEMTIME{};
    pstTime->wYear = static_cast<WORD>(year);
    pstTime->wMonth = static_cast<WORD>(local.tm_mon + 1);
    pstTime->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    pstTime->wDay = static_cast<WORD>(local.tm_mday);
    pstTime->wHour = static_cast<WORD>(local.tm_hour);
    pstTime->wMinute = static_cast<WORD>(local.tm_min);
    pstTime->wSecond = static_cast<WORD>(local.tm_sec);
    return true;
}

bool LocalSystemTime(time_t tTime, SYSTEMTIME* pstTime)
{
    tm local{};
    return platform::LocalCalendarTime(tTime, local) && SystemTimeFromTm(local, pstTime);
}

void WriteCut(char* szBuf, int nSize, const char* szText)
{
    if (nSize > 0)
        CutText(szBuf, static_cast<std::size_t>(nSize), szText);
}

}  // namespace

CxDateTime::CxDateTime()
{
    GetLocalTime(&m_stTime);
    Synchronize(SyncDirection::SystemTimeToDate);
}

void CxDateTime::SetDate(DATE dDate)
{
    m_dDate = dDate;
    Synchronize(SyncDirection::DateToSystemTime);
}

void CxDateTime::SetSystemTime(const SYSTEMTIME* pstTime)
{
    if (pstTime == nullptr) {
        m_bValid = false;
        return;
    }
    m_stTime = *pstTime;
    Synchronize(SyncDirection::SystemTimeToDate);
}

void CxDateTime::SetTimeT(const time_t* ptTime)
{
    SYSTEMTIME stLocal{};
    if (ptTime == nullptr || !LocalSystemTime(*ptTime, &stLocal)) {
        m_bValid = false;
        return;
    }
    m_stTime = stLocal;
    Synchronize(SyncDirection::SystemTimeToDate);
}

void CxDateTime::Synchronize(SyncDirection direction)
{
    m_bValid = true;
    const INT converted = direction == SyncDirection::DateToSystemTime
                              ? VariantTimeToSystemTime(m_dDate, &m_stTime)
                              : SystemTimeToVariantTime(&m_stTime, &m_dDate);
    if (!converted)
        m_bValid = false;
}

void CxDateTime::FormatDate(char* szBuf, int nSize) const
{
    CxAssert(szBuf!=NULL);
    char szText[kPartSize] = "";
    if (m_stTime.wYear >= kFirstPrintedYear && m_stTime.wYear <= kLastPrintedYear)
        std::snprintf(szText, sizeof szText, "%02d/%02d/%04d", m_stTime.wMonth, m_stTime.wDay, m_stTime.wYear);
    WriteCut(szBuf, nSize, szText);
}

void CxDateTime::FormatTime(char* szBuf, int nSize) const
{
    CxAssert(szBuf!=NULL);
    char szText[kPartSize];
    std::snprintf(szText, sizeof szText, "%02d:%02d:%02d", m_stTime.wHour, m_stTime.wMinute, m_stTime.wSecond);
    WriteCut(szBuf, nSize, szText);
}

void CxDateTime::FormatDateTime(char* szBuf, int nSize) const
{
    CxAssert(szBuf!=NULL);
    char szDate[kPartSize];
    char szTime[kPartSize];
    FormatDate(szDate, sizeof szDate);
    FormatTime(szTime, sizeof szTime);
    char szText[2 * kPartSize];
    std::snprintf(szText, sizeof szText, "%s %s", szDate, szTime);
    WriteCut(szBuf, nSize, szText);
}

int MinutesOfDay(SYSTEMTIME stTime)
{
    return stTime.wHour * 60 + stTime.wMinute;
}

void SetTimeOfDay(WORD nMinutes, SYSTEMTIME* pstTime)
{
    if (pstTime == nullptr)
        return;
    pstTime->wHour = static_cast<WORD>(nMinutes / 60);
    pstTime->wMinute = static_cast<WORD>(nMinutes % 60);
}

void AddMinutesToTime(SYSTEMTIME* pstTime, int nMinutes)
{
    if (pstTime == nullptr)
        return;
    const long long total = static_cast<long long>(MinutesOfDay(*pstTime)) + nMinutes;
    const long long clamped = total < 0 ? 0 : total >= kMinutesPerDay ? kMinutesPerDay - 1 : total;
    SetTimeOfDay(static_cast<WORD>(clamped), pstTime);
}

bool AddDaysToDate(SYSTEMTIME* pstTime, int nDays)
{
    if (pstTime == nullptr)
        return false;
    SYSTEMTIME stDay = *pstTime;
    DATE dDate = 0.0;
    if (!SystemTimeToVariantTime(&stDay, &dDate))
        return false;
    const DATE dShifted = std::trunc(dDate) + nDays;
    if (!VariantTimeToSystemTime(dShifted, &stDay))
        return false;
    *pstTime = stDay;
    return true;
}

int MinutesBetweenTimes(SYSTEMTIME stA, SYSTEMTIME stB)
{
    return MinutesOfDay(stA) - MinutesOfDay(stB);
}

void VariantDateToTimeT(DATE dDate, time_t* ptTime)
{
    if (ptTime == nullptr)
        return;
    SYSTEMTIME stTime{};
    if (!VariantTimeToSystemTime(dDate, &stTime)) {
        *ptTime = -1;
        return;
    }
    tm local{};
    local.tm_sec = stTime.wSecond;
    local.tm_min = stTime.wMinute;
    local.tm_hour = stTime.wHour;
    local.tm_mday = stTime.wDay;
    local.tm_mon = stTime.wMonth - 1;
    local.tm_year = stTime.wYear - 1900;
    local.tm_isdst = -1;
    *ptTime = mktime(&local);
}

int TimeTToVariantDate(time_t tTime, DATE* pdDate)
{
    SYSTEMTIME stTime{};
    if (pdDate == nullptr || !LocalSystemTime(tTime, &stTime))
        return 0;
    return SystemTimeToVariantTime(&stTime, pdDate);
}
