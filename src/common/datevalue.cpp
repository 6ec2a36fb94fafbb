#include "common/datevalue.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
}

double ToDateValue(const QDate& date) { return double(kEpoch.daysTo(date)); }

double ToDateValue(const QDateTime& dt) {
    const double day = ToDateValue(dt.date());
    const double fraction = dt.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the epoch the fraction counts away from zero, as the whole part does.
    return day < 0 ? day - fraction : day + fraction;
}

QDateTime FromDateValue(double value) {
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    qint64 ms = std::llround(fraction * 86400000.0);
    if (ms >= 86400000) ms = 86399999;
    return QDateTime(kEpoch.addDays(qint64(whole)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QDate DateOfDayNumber(int dayNumber) { return kEpoch.addDays(dayNumber); }

int DayNumber(const QDate& date) { return int(kEpoch.daysTo(date)); }
