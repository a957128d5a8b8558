// Arithmetic on automation dates. A DATE below zero keeps its time of day as an absolute
// fraction (-1.25 is 1899-12-29 06:00), so moving a DATE goes through a linear day count.
#pragma once

namespace olsim {

struct CivilDate {
    int year;
    int month;      // 1-12
    int day;        // 1-31
    int dayOfWeek;  // 0 = Sunday
};

double DateToLinear(double date);
double LinearToDate(double linear);

// The date moved by a number of minutes, rounded to the whole second.
double AddMinutes(double date, double minutes);
// Whole minutes from start to end, rounded to the nearest.
int MinutesBetween(double start, double end);
// Midnight of the date's day.
double StartOfDay(double date);

// The calendar date of a DATE; year 0 for a value outside the automation range.
CivilDate CivilOf(double date);

// The clock's local time as a DATE.
double Now();
// The next full half hour strictly after the clock's time.
double NextHalfHour();

}  // namespace olsim
