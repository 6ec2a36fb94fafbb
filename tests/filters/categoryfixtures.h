#pragma once
// Small task stores and filters for the category and filter tests.

#include <QStringList>

#include "app/taskfilter.h"
#include "data/gridtable.h"

// A task store with one task per category given, on consecutive keys; a category
// written "name=Yes" makes a done task.
inline GridTable StoreWith(const QStringList& categories) {
    GridTable store(6, int(categories.size()) + 1);
    for (int i = 0; i < categories.size(); ++i) {
        const int row = i + 1;
        const QStringList parts = categories.at(i).split(QLatin1Char('='));
        store.setCell(0, row, QStringLiteral("38427.%1").arg(101 + i));
        store.setCell(1, row, QStringLiteral("9:00 AM"));
        store.setCell(2, row, parts.at(0));
        store.setCell(3, row, QStringLiteral("task %1\r\n").arg(row));
        store.setCell(4, row, parts.size() > 1 ? parts.at(1) : QStringLiteral("No"));
        store.setCell(5, row, QStringLiteral("No"));
    }
    return store;
}

// "Home,-Work" lists Home ticked and Work unticked.
inline void SetCategories(TaskFilter& filter, const QStringList& names) {
    filter.categories.clear();
    for (const QString& s : names) {
        const bool unticked = s.startsWith(QLatin1Char('-'));
        filter.categories.append({unticked ? s.mid(1) : s, !unticked});
    }
}

inline QStringList Ticks(const TaskFilter& filter) {
    QStringList out;
    for (const TaskFilter::Category& c : filter.categories)
        out << (c.ticked ? c.name : QLatin1Char('-') + c.name);
    return out;
}
