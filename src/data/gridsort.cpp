#include "data/gridsort.h"

#include <QLocale>
#include <algorithm>

#include "common/basic.h"
#include "common/formatsettings.h"
#include "data/gridtable.h"

namespace {
int sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

bool readNumber(const QString& text, double& value) {
    if (text.isEmpty()) return false;
    bool ok = false;
    value = QLocale().toDouble(text.trimmed(), &ok);
    return ok;
}
}  // namespace

int CompareNumberOrText(const QString& a, const QString& b) {
    double x = 0;
    double y = 0;
    if (readNumber(a, x) && readNumber(b, y)) return sign(x - y);
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CompareAuto(const QString& a, const QString& b) {
    double x = 0;
    double y = 0;
    if (readNumber(a, x) && readNumber(b, y)) return sign(x - y);
    QDate da;
    QDate db;
    const FormatSettings& fs = ProcessFormatSettings();
    if (TryStrToDate(a, da, fs) && TryStrToDate(b, db, fs)) return sign(double(db.daysTo(da)));
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CompareTime(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return 0;
    return sign(SafeStrToTime(a) - SafeStrToTime(b));
}

void SortGridTable(GridTable& table, int column, Qt::SortOrder order, const CellCompare& compare) {
    auto& rows = table.rawRows();
    if (rows.size() < 3 || column < 0 || column >= table.colCount()) return;
    const int cols = table.colCount();
    auto less = [&](const QList<QString>& x, const QList<QString>& y) {
        for (int c = column; c < cols; ++c) {
            const int r = compare(c, x.at(c), y.at(c));
            if (r != 0) return order == Qt::AscendingOrder ? r < 0 : r > 0;
        }
        return false;
    };
    std::stable_sort(rows.begin() + 1, rows.end(), less);
    table.touch();
}
