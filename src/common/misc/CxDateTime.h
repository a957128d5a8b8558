// One local moment held both as automation DATE and as SYSTEMTIME, printed in the
// program's fixed month-first texts, plus the time-of-day and day arithmetic and the
// conversions with time_t that the records use.
#pragma once

#include "platform/WinCompat.h"

#include <ctime>

class CxDateTime {
public:
    // Holds the current local time.
    CxDateTime();
    virtual ~CxDateTime() = default;

    void SetDate(DATE dDate);
    void SetSystemTime(const SYSTEMTIME* pstTime);
    // Leaves the object as it was, except for the validity, when localtime refuses *ptTime.
    void SetTimeT(const time_t* ptTime);

    SYSTEMTIME* GetSystemTime() { return &m_stTime; }
    DATE GetDate() const { return m_dDate; }
    // Whether the last conversion between the two forms succeeded.
    bool IsValid() const { return m_bValid; }

    // Buffer sizes that always suffice for the texts below.
    static constexpr int DATE_TEXT_SIZE = 11;
    static constexpr int TIME_TEXT_SIZE = 9;
    static constexpr int DATETIME_TEXT_SIZE = 20;

    // "%02d/%02d/%04d" (month, day, year); the empty text for years outside 1900 to 4500,
    // which covers the zero DATE and Outlook's "none" date of 4501-01-01.
    void FormatDate(char* szBuf, int nSize) const;
    // "%02d:%02d:%02d" (hour, minute, second).
    void FormatTime(char* szBuf, int nSize) const;
    // The date text, a blank and the time text.
    // Each formatter cuts its text to nSize - 1 bytes; szBuf must not be null.
    void FormatDateTime(char* szBuf, int nSize) const;

private:
    enum class SyncDirection { DateToSystemTime, SystemTimeToDate };
    void Synchronize(SyncDirection direction);

    DATE m_dDate = 0.0;
    SYSTEMTIME m_stTime{};
    bool m_bValid = false;
};

// hour * 60 + minute; the date, seconds and milliseconds play no part.
int MinutesOfDay(SYSTEMTIME stTime);
// Sets hour and minute from a count of minutes since midnight; nothing else changes.
void SetTimeOfDay(WORD nMinutes, SYSTEMTIME* pstTime);
// Shifts the time of day without ever changing the date: it stops at 00:00 going back and
// at 23:59 going forward.
void AddMinutesToTime(SYSTEMTIME* pstTime, int nMinutes);
// The date nDays later (earlier when negative) at 00:00:00, with its day of week. False,
// with *pstTime unchanged, when the date or the result is not a valid one.
bool AddDaysToDate(SYSTEMTIME* pstTime, int nDays);
// Minutes of day of a minus those of b; the dates play no part.
int MinutesBetweenTimes(SYSTEMTIME stA, SYSTEMTIME stB);
// mktime of the DATE's local moment (daylight saving decided by the library); -1 when
// the DATE is not a valid one or mktime refuses it.
void VariantDateToTimeT(DATE dDate, time_t* ptTime);
// Non-zero on success; *pdDate is left unchanged on failure.
int TimeTToVariantDate(time_t tTime, DATE* pdDate);
