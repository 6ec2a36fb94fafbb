#include <QtTest>

#include "common/calvoraerror.h"
#include "data/gridtable.h"
#include "filters/completedlog.h"
#include "support/testsupport.h"

namespace {

QString rowText(const GridTable& t, int row) {
    QStringList cells;
    for (int c = 0; c < t.colCount(); ++c)
        cells << t.cell(c, row);
    return cells.join(QLatin1Char('|'));
}

void addTask(CompletedLog& log, const QString& what) {
    log.AddToCompleteGrid(QStringLiteral("3/16/2005"), QStringLiteral("9:30 AM"), QStringLiteral("Work"),
                          QStringLiteral("Wed 3/16/2005"), what + QStringLiteral("\r\n"), QStringLiteral("ok\r\n"));
}

}  // namespace

class TestCompletedLog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void newestCompletionGoesOnTop() {
        TestPlatform platform;
        CompletedLog log;
        log.load();
        const GridTable& t = log.table();
        QCOMPARE(t.rowCount(), 2);

        addTask(log, QStringLiteral("first"));
        QCOMPARE(t.rowCount(), 2);
        QCOMPARE(rowText(t, 1), QStringLiteral("3/16/2005|9:30 AM|Work|Wed 3/16/2005|first\r\n|ok\r\n"));

        addTask(log, QStringLiteral("second"));
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(t.cell(CompletedLog::What, 1), QStringLiteral("second\r\n"));
        QCOMPARE(t.cell(CompletedLog::What, 2), QStringLiteral("first\r\n"));
    }

    // Each completion is saved at once, headings and all, in the table file layout.
    void completionIsSavedToGridComp() {
        TestPlatform platform;
        CompletedLog log;
        log.load();
        log.AddToCompleteGrid(QStringLiteral("3/16/2005"), QStringLiteral("9:30 AM"), QStringLiteral("Home"),
                              QStringLiteral("To-do task"), QStringLiteral("Pay bills\r\nbefore Friday\r\n"),
                              QString());
        const QByteArray expected =
            "6,2\r\n"
            "cw 0,70\r\ncw 1,62\r\ncw 2,58\r\ncw 3,128\r\ncw 4,200\r\ncw 5,200\r\n"
            "0,0,Comp Date\r\n1,0,Time\r\n2,0,Category\r\n3,0,Orig Date\r\n4,0,What\r\n5,0,Comp Notes\r\n"
            "0,1,3/16/2005\r\n1,1,9:30 AM\r\n2,1,Home\r\n3,1,To-do task\r\n"
            "4,1,Pay bills\t\bbefore Friday\t\b\r\n";
        QCOMPARE(platform.readFile(QStringLiteral("gridComp.grd")), expected);
    }

    void clearAllLeavesOneEmptyRowThatTheNextCompletionFills() {
        TestPlatform platform;
        CompletedLog log;
        log.load();
        for (const char* what : {"a", "b", "c"})
            addTask(log, QLatin1String(what));
        log.clearAll();
        const GridTable& t = log.table();
        QCOMPARE(t.rowCount(), 2);
        QCOMPARE(rowText(t, 1), QStringLiteral("|||||"));
        QCOMPARE(t.cell(0, 0), QStringLiteral("Comp Date"));
        addTask(log, QStringLiteral("d"));
        QCOMPARE(t.rowCount(), 2);
        QCOMPARE(t.cell(CompletedLog::What, 1), QStringLiteral("d\r\n"));
    }

    void deleteRow() {
        TestPlatform platform;
        CompletedLog log;
        log.load();
        for (const char* what : {"a", "b", "c"})
            addTask(log, QLatin1String(what));
        log.deleteRow(2);
        QCOMPARE(log.table().rowCount(), 3);
        QCOMPARE(log.table().cell(CompletedLog::What, 1), QStringLiteral("c\r\n"));
        QCOMPARE(log.table().cell(CompletedLog::What, 2), QStringLiteral("a\r\n"));
        log.deleteRow(1);
        log.deleteRow(1);
        // The only data row is emptied, not removed.
        QCOMPARE(log.table().rowCount(), 2);
        QCOMPARE(rowText(log.table(), 1), QStringLiteral("|||||"));
        log.deleteRow(0);
        QCOMPARE(log.table().cell(0, 0), QStringLiteral("Comp Date"));
    }

    void loadReplacesTheStoredHeadings() {
        TestPlatform platform;
        platform.writeFile(QStringLiteral("gridComp.grd"),
                           "6,3\r\ncw 0,80\r\n0,0,Date\r\n4,0,Task\r\n5,0,Notes\r\n0,1,1/2/2004\r\n4,1,old\r\n"
                           "0,2,1/1/2004\r\n");
        CompletedLog log;
        log.load();
        const GridTable& t = log.table();
        QCOMPARE(rowText(t, 0), CompletedLog::headings().join(QLatin1Char('|')));
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(t.colWidth(0), 80);
        QCOMPARE(t.cell(CompletedLog::What, 1), QStringLiteral("old"));
        QCOMPARE(t.cell(0, 2), QStringLiteral("1/1/2004"));
    }

    // A damaged file must still leave a log that completions can be added to.
    void narrowOrHeadingOnlyFileStillTakesCompletions() {
        TestPlatform platform;
        platform.writeFile(QStringLiteral("gridComp.grd"), "2,1\r\n0,0,Comp Date\r\n");
        CompletedLog log;
        log.load();
        QCOMPARE(log.table().colCount(), 6);
        QCOMPARE(log.table().rowCount(), 2);
        addTask(log, QStringLiteral("x"));
        QCOMPARE(log.table().cell(CompletedLog::CompNotes, 1), QStringLiteral("ok\r\n"));
    }

    void unwritableFolderIsAnError() {
        TestPlatform platform;
        Platform::setAppFolder(platform.path(QStringLiteral("missing")));
        CompletedLog log;
        QVERIFY_THROWS_EXCEPTION(CalvoraError, addTask(log, QStringLiteral("x")));
        // The row stays in memory all the same.
        QCOMPARE(log.table().cell(CompletedLog::What, 1), QStringLiteral("x\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCompletedLog)
#include "test_completedlog.moc"
