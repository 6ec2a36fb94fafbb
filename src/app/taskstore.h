#pragma once
// The task store: every dated task, one row each (key, time, category, notes, done,
// alarm), kept sorted by the key read as a number so that a day's tasks are contiguous
// and found by binary search. The day list is a working copy of one day.

#include <QString>

#include "data/gridtable.h"

class TaskFilter;

// Day lookups on a sorted store; "passes" means the filter lets the row's done flag and
// category through (no filter: nothing passes).
int RowDayNumber(const GridTable& table, int row);
int FindFirstRowOfDay(const GridTable& table, int dayNumber, const TaskFilter* filter);
int CountRowsOfDay(const GridTable& table, int startRow, const TaskFilter* filter);
// 1: a shown task of the day is done (and done tasks are wanted); 2: one is not done
// (and those are wanted); -1: neither. firstRow receives FindFirstRowOfDay's answer
// unless both switches are off.
int GetDayTaskState(const GridTable& table, int dayNumber, bool wantDone, bool wantNotDone, int& firstRow,
                    const TaskFilter* filter);
// The first data row whose columns 0 and 1 are empty; appends one when there is none.
int FindFreeRow(GridTable& table);
// Empties every cell of rows 1 onward, keeping the counts.
void ClearGridRows(GridTable& table);

class TaskStore {
public:
    explicit TaskStore(const QString& appFolder);

    GridTable gridStore{6, 1};
    GridTable gridDay{5, 2};
    const TaskFilter* filter = nullptr;

    QString storePath() const;

    // Fills the day list with the day's rows that pass the filter, in store order.
    void readFromStore(int dayNumber);
    // Replaces the day's passing rows with the day list's rows, renumbered 101, 102...
    // in list order, then sorts and saves the store.
    void writeToStore(int dayNumber);
    // One more than the day's highest sequence, or 100 for a day without any.
    int FindNextStoreFraction(int dayNumber) const;
    // Drops rows with an empty key and sorts by key (ties by the following columns).
    void sortStore();
    // sortStore, then writes grid.grd whole.
    void SortGridStore();
    // Writes grid.grd in the store's current order.
    void saveStore() const;

private:
    QString m_appFolder;
};
