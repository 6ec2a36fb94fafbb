#pragma once
// Shared helpers of the holiday window tests: holiday.grd written from rows, read back
// as rows, and answering the modal dialog a command opens.

#include <QApplication>
#include <QFile>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/whenmodal.h"
#include "data/gridtable.h"
#include "data/tablefile.h"
#include "holidays/holidayrules.h"
#include "support/testsupport.h"

// Writes holiday.grd with rows of (name, month name, rule); the month number as the editor writes it.
inline void writeHolidays(const QList<QStringList>& rows) {
    GridTable t;
    InitHolidayTable(t);
    t.setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        HolidayEntry e;
        e.name = rows[r][0];
        e.month = rows[r][1];
        e.dayOfMonth = rows[r][2];
        SetHolidayRow(t, r + 1, e);
    }
    WriteTableFile(t, HolidayFilePath());
}

// The data rows of a table as "name/number/month/rule" texts.
inline QStringList holidayRows(const GridTable& t) {
    QStringList out;
    for (int r = 1; r < t.rowCount(); ++r)
        out << t.rowCells(r).join(QLatin1Char('/'));
    return out;
}

// The data rows of holiday.grd; empty when it does not exist.
inline QStringList fileRows() {
    GridTable t;
    return LoadHolidayTable(t) ? holidayRows(t) : QStringList{QStringLiteral("<no file>")};
}

