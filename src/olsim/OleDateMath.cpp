#include "olsim/OleDateMath.h"

#include "platform/WinCompat.h"

#include <cmath>

namespace olsim {

double DateToLinear(double date)
{
    if (date >= 0)
        return date;
    const double day = std::trunc(date);
    return day - (date - day);
}

double LinearToDate(double linear)
{
    if (linear >= 0)
        return linear;
    const double day = std::floor(linear);
    const double time = linear - day;
    return time == 0 ? day : day - time;
}

double AddMinutes(double date, double minutes)
{
    const double seconds = std::round(DateToLinear(date) * 86400.0 + minutes * 60.0);
    return LinearToDate(seconds / 86400.0);
}

int MinutesBetween(double start, double end)
{
    return static_cast<int>(std::lround((DateToLinear(end) - DateToLinear(start)) * 1440.0));
}

double StartOfDay(double date) { return std::trunc(date); }

CivilDate CivilOf(double date)
{
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(date, &st))
        return {0, 0, 0, 0};
    return {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek};
}

double Now()
{
    SYSTEMTIME st{};
    GetLocalTime(&st);
    st.wMilliseconds = 0;
    double date = 0;
    SystemTimeToVariantTime(&st, &date);
    return date;
}

double NextHalfHour()
{
    const double linearMinutes = std::floor(DateToLinear(Now()) * 1440.0 + 1e-6);
    const double next = (std::floor(linearMinutes / 30.0) + 1.0) * 30.0;
    return LinearToDate(next / 1440.0);
}

}  // namespace olsim
