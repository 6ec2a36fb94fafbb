#include "app/taskstore.h"

#include <QLocale>
#include <algorithm>
#include <numeric>
#include <vector>

#include "app/taskfilter.h"
#include "common/basic.h"
#include "data/gridsort.h"
#include "data/tablefile.h"

namespace {

bool rowPasses(const GridTable& table, int row, const TaskFilter* filter) {
    return FilterTest(filter, table.cell(4, row), table.cell(2, row));
}

// First row (from 1) whose day number is not below dayNumber, in a sorted store.
int lowerBoundOfDay(const GridTable& table, int dayNumber) {
    int low = 1;
    int high = table.rowCount();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (RowDayNumber(table, mid) < dayNumber)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

}  // namespace

namespace {

// The day numbers of a large table's rows, kept for its latest revision: every painted day
// cell looks up the store, and reading keys from the strings each time costs a cache miss
// per step of the binary search. One table at a time (the store) is worth keeping.
struct DayCache {
    const GridTable* table = nullptr;
    quint64 revision = 0;
    std::vector<int> days;

    static constexpr int kMinRows = 512;

    bool validFor(const GridTable& t) const {
        return table == &t && revision == t.revision() && qsizetype(days.size()) == t.rowCount();
    }
    const int* daysOf(const GridTable& t) {
        if (t.rowCount() < kMinRows) return nullptr;
        if (!validFor(t)) {
            days.resize(size_t(t.rowCount()));
            for (int r = 0; r < t.rowCount(); ++r) days[size_t(r)] = int(DotStrToFloat(t.cell(0, r)));
            table = &t;
            revision = t.revision();
        }
        return days.data();
    }
};

DayCache& dayCache() {
    static DayCache cache;
    return cache;
}

}  // namespace

int RowDayNumber(const GridTable& table, int row) {
    if (const int* days = dayCache().daysOf(table)) return days[row];
    return int(DotStrToFloat(table.cell(0, row)));
}

int FindFirstRowOfDay(const GridTable& table, int dayNumber, const TaskFilter* filter) {
    const int rows = table.rowCount();
    if (rows < 2) return -1;
    int low = 1;
    int high = rows - 1;
    int hit = -1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int day = RowDayNumber(table, mid);
        if (dayNumber < day) {
            high = mid - 1;
        } else if (dayNumber > day) {
            low = mid + 1;
        } else {
            if (rowPasses(table, mid, filter)) {
                hit = mid;
            } else {
                for (int r = mid + 1; r < rows && RowDayNumber(table, r) == dayNumber; ++r)
                    if (rowPasses(table, r, filter)) {
                        hit = r;
                        break;
                    }
                if (hit < 0)
                    for (int r = mid - 1; r >= 1 && RowDayNumber(table, r) == dayNumber; --r)
                        if (rowPasses(table, r, filter)) {
                            hit = r;
                            break;
                        }
            }
            break;
        }
    }
    if (hit < 0) return -1;
    for (int r = hit - 1; r >= 1 && RowDayNumber(table, r) == dayNumber; --r)
        if (rowPasses(table, r, filter)) hit = r;
    return hit;
}

int CountRowsOfDay(const GridTable& table, int startRow, const TaskFilter* filter) {
    const int day = RowDayNumber(table, startRow);
    int count = 1;
    for (int r = startRow + 1; r < table.rowCount() && RowDayNumber(table, r) == day; ++r)
        if (rowPasses(table, r, filter)) ++count;
    return count;
}

int GetDayTaskState(const GridTable& table, int dayNumber, bool wantDone, bool wantNotDone, int& firstRow,
                    const TaskFilter* filter) {
    if (!wantDone && !wantNotDone) return -1;
    firstRow = FindFirstRowOfDay(table, dayNumber, filter);
    if (firstRow < 0) return -1;
    static const QString yes = QStringLiteral("Yes");
    static const QString no = QStringLiteral("No");
    for (int r = firstRow; r < table.rowCount() && RowDayNumber(table, r) == dayNumber; ++r) {
        if (!rowPasses(table, r, filter)) continue;
        const QString& done = table.cell(4, r);
        if (wantDone && done == yes) return 1;
        if (wantNotDone && done == no) return 2;
    }
    return -1;
}

int FindFreeRow(GridTable& table) {
    for (int r = 1; r < table.rowCount(); ++r)
        if (table.cell(0, r).isEmpty() && table.cell(1, r).isEmpty()) return r;
    table.insertRows(table.rowCount(), 1);
    return table.rowCount() - 1;
}

void ClearGridRows(GridTable& table) {
    for (int r = 1; r < table.rowCount(); ++r)
        for (int c = 0; c < table.colCount(); ++c) table.setCell(c, r, QString());
}

namespace {

// Orders rows by key read as a number, ties by the following columns.
struct RowOrder {
    const std::vector<double>& keys;
    const QList<QList<QString>>& rows;
    qsizetype base;
    bool operator()(qsizetype a, qsizetype b) const {
        if (keys[size_t(a)] != keys[size_t(b)]) return keys[size_t(a)] < keys[size_t(b)];
        const QList<QString>& x = rows.at(base + a);
        const QList<QString>& y = rows.at(base + b);
        for (qsizetype c = 1; c < x.size() && c < y.size(); ++c) {
            const int cmp = CompareNumberOrText(x.at(c), y.at(c));
            if (cmp != 0) return cmp < 0;
        }
        return false;
    }
};

// Drops rows with an empty key from [from, to) and sorts what is left; answers the new end.
qsizetype purgeAndSortRange(QList<QList<QString>>& rows, qsizetype from, qsizetype to) {
    const auto emptyKey = [](const QList<QString>& row) { return row.isEmpty() || row.at(0).isEmpty(); };
    const auto kept = std::remove_if(rows.begin() + from, rows.begin() + to, emptyKey);
    const qsizetype removed = (rows.begin() + to) - kept;
    rows.erase(kept, rows.begin() + to);
    to -= removed;

    const qsizetype n = to - from;
    std::vector<double> keys(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) keys[size_t(i)] = DotStrToFloat(rows.at(from + i).at(0));
    const RowOrder less{keys, rows, from};
    bool sorted = true;
    for (qsizetype i = 1; i < n && sorted; ++i) sorted = !less(i, i - 1);
    if (sorted) return to;
    std::vector<qsizetype> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    QList<QList<QString>> sortedRows;
    sortedRows.reserve(n);
    for (qsizetype i : order) sortedRows.append(std::move(rows[from + i]));
    std::move(sortedRows.begin(), sortedRows.end(), rows.begin() + from);
    return to;
}

}  // namespace

TaskStore::TaskStore(const QString& appFolder) : m_appFolder(appFolder) {
    const char* headings[] = {"Time", "Category", "What", "Done?", "Alarm?"};
    for (int c = 0; c < 5; ++c) gridDay.setCell(c, 0, QString::fromLatin1(headings[c]));
}

QString TaskStore::storePath() const { return JoinPath(m_appFolder, QStringLiteral("grid.grd")); }

void TaskStore::readFromStore(int dayNumber) {
    const int first = FindFirstRowOfDay(gridStore, dayNumber, filter);
    const int n = first < 0 ? 1 : CountRowsOfDay(gridStore, first, filter);
    gridDay.setRowCount(n + 1);
    ClearGridRows(gridDay);
    if (first < 0) return;
    int target = 1;
    for (int r = first; r < gridStore.rowCount() && RowDayNumber(gridStore, r) == dayNumber; ++r) {
        if (!rowPasses(gridStore, r, filter)) continue;
        for (int c = 1; c <= 5; ++c) gridDay.setCell(c - 1, target, gridStore.cell(c, r));
        ++target;
    }
}

void TaskStore::writeToStore(int dayNumber) {
    // The day's rows are contiguous in the sorted store: [from, end).
    const int from = lowerBoundOfDay(gridStore, dayNumber);
    int end = from;
    while (end < gridStore.rowCount() && RowDayNumber(gridStore, end) == dayNumber) ++end;
    const int oldCount = end - from;
    const bool cached = dayCache().validFor(gridStore);
    int insertAt = -1;
    for (int r = end - 1; r >= from; --r) {
        if (!rowPasses(gridStore, r, filter)) continue;
        gridStore.removeRows(r, 1);
        insertAt = r;
        --end;
    }
    // A day without shown rows takes its new rows where the day belongs; sorting the
    // whole store would put them there too.
    if (insertAt < 0) insertAt = from;

    const int n = gridDay.rowCount() - 1;
    gridStore.insertRows(insertAt, n);
    end += n;
    for (int i = 1; i <= n; ++i) {
        if (gridDay.cell(0, i).isEmpty()) continue;  // not a task: its row stays empty and is purged
        const int row = insertAt + i - 1;
        gridStore.setCell(0, row, QString::asprintf("%d.%d", dayNumber, 100 + i));
        for (int c = 0; c < 5; ++c) gridStore.setCell(c + 1, row, gridDay.cell(c, i));
    }
    // The rest of the store is in order already, so ordering this day's rows is the whole sort.
    const qsizetype newEnd = purgeAndSortRange(gridStore.rawRows(), from, end);
    gridStore.touch();
    if (cached) {
        // Only this day's rows changed: mend the cached day numbers instead of reading them all.
        DayCache& cache = dayCache();
        cache.days.erase(cache.days.begin() + from, cache.days.begin() + from + oldCount);
        cache.days.insert(cache.days.begin() + from, size_t(newEnd - from), dayNumber);
        cache.revision = gridStore.revision();
    }
    saveStore();
}

int TaskStore::FindNextStoreFraction(int dayNumber) const {
    int max = -1;
    for (int r = 0; r < gridStore.rowCount(); ++r) {
        if (RowDayNumber(gridStore, r) != dayNumber) continue;
        const QString& key = gridStore.cell(0, r);
        const qsizetype dot = key.indexOf(QLatin1Char('.'));
        max = std::max(max, SafeStrToInt(dot < 0 ? key : key.mid(dot + 1)));
    }
    return max > 0 ? max + 1 : 100;
}

void TaskStore::sortStore() {
    auto& rows = gridStore.rawRows();
    if (rows.size() > 1) purgeAndSortRange(rows, 1, rows.size());
    gridStore.touch();
}

void TaskStore::SortGridStore() {
    sortStore();
    saveStore();
}

void TaskStore::saveStore() const { WriteTableFile(gridStore, storePath()); }
