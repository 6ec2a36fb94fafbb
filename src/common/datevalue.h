#pragma once
// Date values: days since 30 December 1899 with the time of day as the fraction.
// The day number is the whole part, always taken by truncation.

#include <QDate>
#include <QDateTime>

double ToDateValue(const QDateTime& dt);
double ToDateValue(const QDate& date);
QDateTime FromDateValue(double value);
QDate DateOfDayNumber(int dayNumber);
int DayNumber(const QDate& date);
inline int DayNumber(double value) { return int(value); }
