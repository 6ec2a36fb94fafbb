#include <QtTest>

#include "data/gridtable.h"
#include "support/testsupport.h"

namespace {

// Rows separated by '|', cells by ';'.
QString dump(const GridTable& table) {
    QStringList rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.colCount(); ++c)
            cells << table.cell(c, r);
        rows << cells.join(QLatin1Char(';'));
    }
    return rows.join(QLatin1Char('|'));
}

GridTable lettered(int cols, int rows) {
    GridTable table(cols, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            table.setCell(c, r, QString(QChar(u'a' + r * cols + c)));
    return table;
}

}  // namespace

class TestGridTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void countsNeverGoBelowOne() {
        GridTable table(0, -5);
        QCOMPARE(table.colCount(), 1);
        QCOMPARE(table.rowCount(), 1);
        table.setColCount(-1);
        table.setRowCount(0);
        QCOMPARE(table.colCount(), 1);
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.colWidth(0), 64);
    }

    void resizingKeepsCellsInsideAndClearsRegrownOnes() {
        GridTable table = lettered(3, 3);
        table.setColCount(2);
        table.setRowCount(2);
        QCOMPARE(dump(table), QStringLiteral("a;b|d;e"));
        table.setColCount(3);
        table.setRowCount(3);
        QCOMPARE(dump(table), QStringLiteral("a;b;|d;e;|;;"));
        QCOMPARE(table.colWidth(2), 64);
        for (const QList<QString>& row : table.rawRows())
            QCOMPARE(row.size(), 3);
    }

    // Empty rows share storage until written; a write must reach only its own cell.
    void writingOneCellLeavesTheOthersEmpty() {
        GridTable table(3, 4);
        table.insertRows(2, 2);
        table.setCell(1, 2, QStringLiteral("x"));
        table.rawRows()[3][0] = QStringLiteral("y");
        QCOMPARE(dump(table), QStringLiteral(";;|;;|;x;|y;;|;;|;;"));
    }

    void outsideTheTableReadsEmptyAndWritesNothing() {
        GridTable table(2, 2);
        const quint64 before = table.revision();
        table.setCell(2, 0, QStringLiteral("x"));
        table.setCell(0, -1, QStringLiteral("x"));
        table.setColWidth(5, 10);
        QCOMPARE(table.revision(), before);
        QVERIFY(table.cell(-1, 0).isEmpty());
        QVERIFY(table.cell(0, 2).isEmpty());
        QCOMPARE(table.colWidth(2), 0);
        QCOMPARE(dump(table), QStringLiteral(";|;"));
    }

    void everyChangeCountsARevision() {
        GridTable table(2, 3);
        quint64 last = table.revision();
        const auto changed = [&] {
            const bool moved = table.revision() > last;
            last = table.revision();
            return moved;
        };
        table.setCell(0, 1, QStringLiteral("x"));
        QVERIFY(changed());
        table.setColWidth(1, 99);
        QVERIFY(changed());
        table.setColCount(4);
        QVERIFY(changed());
        table.setRowCount(5);
        QVERIFY(changed());
        table.insertRows(1, 1);
        QVERIFY(changed());
        table.removeRows(1);
        QVERIFY(changed());
        table.moveRow(1, 2);
        QVERIFY(changed());
        table.setDataRows({});
        QVERIFY(changed());
        table.touch();
        QVERIFY(changed());
    }

    void rowOperations_data() {
        QTest::addColumn<int>("op");  // 0 insert, 1 remove, 2 move
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("expected");
        // Rows of the 1 x 4 table hold a, b, c, d.
        QTest::newRow("insert inside") << 0 << 1 << 2 << "a|||b|c|d";
        QTest::newRow("insert past end clamps") << 0 << 9 << 1 << "a|b|c|d|";
        QTest::newRow("insert before start clamps") << 0 << -3 << 1 << "|a|b|c|d";
        QTest::newRow("insert none") << 0 << 1 << 0 << "a|b|c|d";
        QTest::newRow("remove one") << 1 << 1 << 1 << "a|c|d";
        QTest::newRow("remove beyond end clamps") << 1 << 2 << 10 << "a|b";
        QTest::newRow("remove all keeps one empty row") << 1 << 0 << 4 << "";
        QTest::newRow("remove past end") << 1 << 4 << 1 << "a|b|c|d";
        QTest::newRow("move down") << 2 << 1 << 3 << "a|c|d|b";
        QTest::newRow("move up") << 2 << 3 << 1 << "a|d|b|c";
        QTest::newRow("move clamps") << 2 << 0 << 99 << "b|c|d|a";
    }

    void rowOperations() {
        QFETCH(int, op);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, expected);
        GridTable table = lettered(1, 4);
        if (op == 0)
            table.insertRows(a, b);
        else if (op == 1)
            table.removeRows(a, b);
        else
            table.moveRow(a, b);
        QCOMPARE(dump(table), expected);
    }

    void setDataRowsKeepsTheHeadingAndFitsRowsToTheColumns() {
        GridTable table = lettered(2, 3);
        table.setDataRows({{QStringLiteral("x")}, {QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("w")}});
        QCOMPARE(dump(table), QStringLiteral("a;b|x;|y;z"));
        for (const QList<QString>& row : table.rawRows())
            QCOMPARE(row.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestGridTable)
#include "test_gridtable.moc"
