// The task store: filter test, day lookups, reading a day out and writing it back,
// the next free sequence, the sort and the file it saves.

#include <QtTest>

#include "app/taskfilter.h"
#include "app/taskstore.h"
#include "data/tablefile.h"
#include "support/testsupport.h"

namespace {

using Row = QStringList;  // key, time, category, notes, done, alarm

void fill(GridTable& t, const QList<Row>& rows) {
    t.setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) t.setCell(c, r + 1, rows[r][c]);
}

QList<Row> rowsOf(const GridTable& t, int firstCol = 0) {
    QList<Row> out;
    for (int r = 1; r < t.rowCount(); ++r) {
        Row row;
        for (int c = firstCol; c < t.colCount(); ++c) row << t.cell(c, r);
        out << row;
    }
    return out;
}

TaskFilter workNotHome() {
    TaskFilter f;
    f.categories = {{QStringLiteral("Work"), true}, {QStringLiteral("Home"), false}};
    return f;
}

}  // namespace

class TestTaskStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }

    void filterTest_data() {
        QTest::addColumn<bool>("doneShown");
        QTest::addColumn<bool>("notDoneShown");
        QTest::addColumn<QString>("ticks");  // name:1 or name:0, comma separated
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("passes");
        const QString some = QStringLiteral("Work:1,Home:0");
        QTest::newRow("ticked category") << true << true << some << "No" << "Work" << true;
        QTest::newRow("unticked category") << true << true << some << "No" << "Home" << false;
        QTest::newRow("unlisted while some ticked") << true << true << some << "No" << "Gym" << false;
        QTest::newRow("empty while some ticked") << true << true << some << "No" << "" << false;
        QTest::newRow("case of A-Z ignored") << true << true << some << "No" << "wORK" << true;
        QTest::newRow("unlisted, all ticked") << true << true << "Work:1,Home:1" << "No" << "Gym" << true;
        QTest::newRow("unlisted, none ticked") << true << true << "Work:0,Home:0" << "No" << "Gym" << true;
        QTest::newRow("listed, none ticked") << true << true << "Work:0,Home:0" << "No" << "Work" << false;
        QTest::newRow("no categories at all") << true << true << "" << "Yes" << "" << true;
        QTest::newRow("done hidden: Yes") << false << true << "" << "Yes" << "" << false;
        QTest::newRow("done hidden: yes passes") << false << true << "" << "yes" << "" << true;
        QTest::newRow("done hidden: empty passes") << false << true << "" << "" << "" << true;
        QTest::newRow("not-done hidden: No") << true << false << "" << "No" << "" << false;
        QTest::newRow("only A-Z fold") << true << true << QString::fromUtf8("\xc3\x89t\xc3\xa9:1,Home:0")
                                       << "No" << QString::fromUtf8("\xc3\xa9t\xc3\xa9") << false;
    }
    void filterTest() {
        QFETCH(bool, doneShown);
        QFETCH(bool, notDoneShown);
        QFETCH(QString, ticks);
        QFETCH(QString, done);
        QFETCH(QString, category);
        QFETCH(bool, passes);
        TaskFilter f;
        f.doneShown = doneShown;
        f.notDoneShown = notDoneShown;
        for (const QString& item : ticks.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList p = item.split(QLatin1Char(':'));
            f.categories.append({p[0], p[1] == QLatin1String("1")});
        }
        QCOMPARE(FilterTest(&f, done, category), passes);
        QVERIFY(!FilterTest(nullptr, done, category));
    }

    void filterActive() {
        TaskFilter f;
        QVERIFY(!f.isActive());  // empty list, both switches on
        f.categories = {{QStringLiteral("Work"), true}};
        QVERIFY(!f.isActive());
        f.categories[0].ticked = false;
        QVERIFY(f.isActive());
        f.categories[0].ticked = true;
        f.doneShown = false;
        QVERIFY(f.isActive());
        QVERIFY(!FilterActiveTest(nullptr));
    }

    void filterLoadsTicksFromFiles() {
        TestPlatform p;
        p.writeFile(QStringLiteral("category.xxx"), "Work\r\nHome\r\nGym\r\n");
        TaskFilter f;
        f.loadAtStart(p.folder());
        QCOMPARE(f.names(), QStringList({"Work", "Home", "Gym"}));
        QCOMPARE(f.tickedNames(), f.names());  // no category.yyy: every listed name ticked

        p.writeFile(QStringLiteral("category.yyy"), "home\r\n");
        QSettings(Platform::settingsFile(), QSettings::IniFormat).setValue("Filter/Done", "0");
        f.loadAtStart(p.folder());
        QCOMPARE(f.tickedNames(), QStringList({"Home"}));
        QVERIFY(!f.doneShown);
        QVERIFY(f.notDoneShown);
    }

    void lookupsSkipHiddenRows() {
        GridTable t(6, 1);
        fill(t, {{"38350.100", "9:00 AM", "Work", "a", "No", "No"},
                 {"38353.100", "9:00 AM", "Home", "b", "No", "No"},
                 {"38353.101", "9:00 AM", "Work", "c", "Yes", "No"},
                 {"38353.102", "9:00 AM", "Home", "d", "No", "No"},
                 {"38353.103", "9:00 AM", "Work", "e", "No", "No"},
                 {"38360.100", "9:00 AM", "Home", "f", "No", "No"}});
        const TaskFilter f = workNotHome();
        QCOMPARE(FindFirstRowOfDay(t, 38353, &f), 3);
        QCOMPARE(CountRowsOfDay(t, 3, &f), 2);
        QCOMPARE(FindFirstRowOfDay(t, 38360, &f), -1);  // its only task is hidden
        QCOMPARE(FindFirstRowOfDay(t, 38351, &f), -1);
        QCOMPARE(FindFirstRowOfDay(GridTable(6, 1), 38353, &f), -1);

        int first = 99;
        QCOMPARE(GetDayTaskState(t, 38353, true, true, first, &f), 1);  // first shown row is done
        QCOMPARE(first, 3);
        QCOMPARE(GetDayTaskState(t, 38353, false, true, first, &f), 2);
        QCOMPARE(GetDayTaskState(t, 38350, true, false, first, &f), -1);
        first = 99;
        QCOMPARE(GetDayTaskState(t, 38353, false, false, first, &f), -1);
        QCOMPARE(first, 99);  // both switches off: untouched
    }

    void readAndWriteBackKeepsHiddenTasks() {
        TestPlatform p;
        TaskStore s(p.folder());
        TaskFilter f = workNotHome();
        s.filter = &f;
        fill(s.gridStore, {{"38353.100", "8:00 AM", "Home", "hidden1", "No", "No"},
                           {"38353.105", "9:00 AM", "Work", "shown1", "No", "Yes"},
                           {"38353.106", "7:00 AM", "Home", "hidden2", "No", "No"},
                           {"38353.107", "10:00 AM", "Work", "shown2", "Yes", "No"},
                           {"38354.100", "10:00 AM", "Work", "next day", "No", "No"}});
        s.readFromStore(38353);
        QCOMPARE(rowsOf(s.gridDay), (QList<Row>{{"9:00 AM", "Work", "shown1", "No", "Yes"},
                                                {"10:00 AM", "Work", "shown2", "Yes", "No"}}));
        QCOMPARE(s.gridDay.cell(2, 0), QStringLiteral("What"));

        s.gridDay.setCell(2, 2, QStringLiteral("shown2 edited"));
        s.writeToStore(38353);
        QCOMPARE(rowsOf(s.gridStore), (QList<Row>{{"38353.100", "8:00 AM", "Home", "hidden1", "No", "No"},
                                                  {"38353.101", "9:00 AM", "Work", "shown1", "No", "Yes"},
                                                  {"38353.102", "10:00 AM", "Work", "shown2 edited", "Yes", "No"},
                                                  {"38353.106", "7:00 AM", "Home", "hidden2", "No", "No"},
                                                  {"38354.100", "10:00 AM", "Work", "next day", "No", "No"}}));
        // The store was saved whole, in key order.
        GridTable onDisk(1, 1);
        ReadTableFile(onDisk, s.storePath());
        QCOMPARE(rowsOf(onDisk), rowsOf(s.gridStore));
    }

    void aNewTaskOnADayOfHiddenTasksLandsInKeyOrder() {
        TestPlatform p;
        TaskStore s(p.folder());
        TaskFilter f = workNotHome();
        s.filter = &f;
        fill(s.gridStore, {{"38352.100", "9:00 AM", "Work", "before", "No", "No"},
                           {"38353.100", "8:00 AM", "Home", "hidden", "No", "No"},
                           {"38353.102", "8:00 AM", "Home", "hidden too", "No", "No"},
                           {"38354.100", "9:00 AM", "Work", "after", "No", "No"}});
        s.readFromStore(38353);
        s.gridDay.setCell(0, 1, QStringLiteral("7:00 AM"));
        s.gridDay.setCell(1, 1, QStringLiteral("Work"));
        s.gridDay.setCell(2, 1, QStringLiteral("new"));
        s.writeToStore(38353);
        QStringList keys;
        for (const Row& r : rowsOf(s.gridStore)) keys << r[0] + QLatin1Char(' ') + r[3];
        QCOMPARE(keys, QStringList({"38352.100 before", "38353.100 hidden", "38353.101 new", "38353.102 hidden too",
                                    "38354.100 after"}));
    }

    // Large stores keep their day numbers between lookups; edits must keep them right.
    void largeStoreLookupsFollowEdits() {
        TestPlatform p;
        TaskStore s(p.folder());
        TaskFilter f;
        s.filter = &f;
        QList<Row> rows;
        for (int i = 0; i < 900; ++i)
            rows << Row{QString::asprintf("%d.%d", 40000 + i / 3, 101 + i % 3), "9:00 AM", "", "t", "No", "No"};
        fill(s.gridStore, rows);
        QCOMPARE(FindFirstRowOfDay(s.gridStore, 40100, &f), 301);
        s.readFromStore(40100);
        s.gridDay.insertRows(1, 2);  // two more tasks on that day
        for (int r = 1; r <= 2; ++r)
            for (int c = 0; c < 5; ++c) s.gridDay.setCell(c, r, QStringLiteral("9:00 AM|x|n|No|No").split('|')[c]);
        s.writeToStore(40100);
        QCOMPARE(CountRowsOfDay(s.gridStore, FindFirstRowOfDay(s.gridStore, 40100, &f), &f), 5);
        QCOMPARE(FindFirstRowOfDay(s.gridStore, 40101, &f), 306);
        QCOMPARE(FindFirstRowOfDay(s.gridStore, 40299, &f), 900);
        s.gridStore.removeRows(1, 3);  // a change behind the store's back is seen too
        QCOMPARE(FindFirstRowOfDay(s.gridStore, 40000, &f), -1);
        QCOMPARE(FindFirstRowOfDay(s.gridStore, 40001, &f), 1);
    }

    void emptyDayReadsAsOneBlankRowAndWritesNothing() {
        TestPlatform p;
        TaskStore s(p.folder());
        TaskFilter f;
        s.filter = &f;
        fill(s.gridStore, {{"38350.100", "9:00 AM", "", "a", "No", "No"}});
        s.readFromStore(38353);
        QCOMPARE(s.gridDay.rowCount(), 2);
        QCOMPARE(rowsOf(s.gridDay), (QList<Row>{{"", "", "", "", ""}}));
        s.writeToStore(38353);
        QCOMPARE(rowsOf(s.gridStore), (QList<Row>{{"38350.100", "9:00 AM", "", "a", "No", "No"}}));
    }

    void deletingTheLastTaskLeavesAnEmptyStore() {
        TestPlatform p;
        TaskStore s(p.folder());
        TaskFilter f;
        s.filter = &f;
        fill(s.gridStore, {{"38353.100", "9:00 AM", "", "only", "No", "No"}});
        s.readFromStore(38353);
        s.gridDay.removeRows(1, 1);
        s.writeToStore(38353);
        QCOMPARE(s.gridStore.rowCount(), 1);
        QCOMPARE(p.readFile(QStringLiteral("grid.grd")),
                 QByteArray("6,1\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n"));
        GridTable again(6, 1);
        ReadTableFile(again, s.storePath());
        QCOMPARE(FindFirstRowOfDay(again, 38353, &f), -1);
    }

    void nextFreeSequence_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("next");
        QTest::newRow("100 101 105") << QStringList{"38353.100", "38353.101", "38353.105", "38354.300"} << 106;
        QTest::newRow("no dot") << QStringList{"38353", "38352.400"} << 38354;
        QTest::newRow("empty day") << QStringList{"38352.400"} << 100;
        QTest::newRow("unreadable sequence") << QStringList{"38353.abc"} << 100;
    }
    void nextFreeSequence() {
        QFETCH(QStringList, keys);
        QFETCH(int, next);
        TestPlatform p;
        TaskStore s(p.folder());
        TaskFilter hidesAll;
        hidesAll.doneShown = hidesAll.notDoneShown = false;  // the scan ignores the filter
        s.filter = &hidesAll;
        QList<Row> rows;
        for (const QString& k : keys) rows << Row{k, "", "", "", "No", "No"};
        fill(s.gridStore, rows);
        QCOMPARE(s.FindNextStoreFraction(38353), next);
    }

    // 38353.1000 is the number 38353.1, equal to 38353.100: the tie goes to the later columns.
    void sortOrdersKeysAsNumbers() {
        TestPlatform p;
        TaskStore s(p.folder());
        fill(s.gridStore, {{"38353.101", "9:00 AM", "", "", "No", "No"},
                           {"38353.1000", "9:00 AM", "", "", "No", "No"},
                           {"", "9:00 AM", "", "purged", "No", "No"},
                           {"38353.100", "9:00 AM", "Work", "b", "No", "No"},
                           {"38353.100", "8:00 AM", "Work", "z", "No", "No"},
                           {"38353.100", "8:00 AM", "Home", "z", "No", "No"},
                           {"junk", "", "", "kept, never shown", "No", "No"},
                           {"38352.900", "", "", "", "No", "No"}});
        s.SortGridStore();
        QStringList order;
        for (const Row& r : rowsOf(s.gridStore)) order << r[0] + QLatin1Char('|') + r[1] + QLatin1Char('|') + r[2];
        QCOMPARE(order, QStringList({"junk||", "38352.900||", "38353.100|8:00 AM|Home", "38353.100|8:00 AM|Work",
                                     "38353.1000|9:00 AM|", "38353.100|9:00 AM|Work", "38353.101|9:00 AM|"}));
        QVERIFY(QFile::exists(s.storePath()));
    }

    void keysReadTheSameUnderACommaLocale() {
        InitTestEnvironment("de_DE");
        GridTable t(6, 1);
        fill(t, {{"38353.101", "9:00", "", "", "No", "No"}});
        TaskFilter f;
        QCOMPARE(FindFirstRowOfDay(t, 38353, &f), 1);
        InitTestEnvironment();
    }

    void freeRowAndClear() {
        GridTable t(3, 1);
        fill(t, {{"Work", "a", "No"}, {"", "", "No"}});
        QCOMPARE(FindFreeRow(t), 2);
        t.setCell(1, 2, QStringLiteral("b"));
        QCOMPARE(FindFreeRow(t), 3);
        QCOMPARE(t.rowCount(), 4);
        ClearGridRows(t);
        QCOMPARE(t.rowCount(), 4);
        QCOMPARE(rowsOf(t), (QList<Row>{{"", "", ""}, {"", "", ""}, {"", "", ""}}));
    }
};

QTEST_GUILESS_MAIN(TestTaskStore)
#include "test_taskstore.moc"
