#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <csignal>
#endif

#include "data/gridtable.h"
#include "data/tablefile.h"
#include "support/testsupport.h"
#include "tablefixtures.h"

namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(CALVORA_FIXTURES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads bytes as a table file into the table; gives the error message if the read failed.
std::optional<QString> readBytes(GridTable& table, const QByteArray& bytes) {
    TestPlatform platform;
    platform.writeFile(QStringLiteral("t.grd"), bytes);
    try {
        ReadTableFile(table, platform.path(QStringLiteral("t.grd")));
    } catch (const CalvoraError& e) {
        return QString(e.message()).replace(platform.path(QStringLiteral("t.grd")), QStringLiteral("<path>"));
    }
    return std::nullopt;
}

}  // namespace

class TestTableFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void writesTheWorkedExampleByteForByte() {
        TestPlatform platform;
        const QString path = platform.path(QStringLiteral("gridNon.grd"));
        // A longer previous file must not leave anything behind.
        platform.writeFile(QStringLiteral("gridNon.grd"), QByteArray(4096, 'z'));
        WriteTableFile(todoExample(), path);
        QCOMPARE(platform.readFile(QStringLiteral("gridNon.grd")), kTodoExampleBytes);

        GridTable table;
        ReadTableFile(table, path);
        QCOMPARE(dumpCells(table), dumpCells(todoExample()));
        QCOMPARE(dumpWidths(table), QStringLiteral("86,476,79"));
    }

    void emptyTableIsHeaderAndWidthsOnly() {
        GridTable empty(2, 3);
        empty.setColWidth(1, 0);
        QCOMPARE(TableFileBytes(empty), QByteArray("2,3\r\ncw 0,64\r\ncw 1,0\r\n"));
        GridTable table;
        QVERIFY(!readBytes(table, TableFileBytes(empty)));
        QCOMPARE(dumpCells(table), QStringLiteral(";|;|;"));
        QCOMPARE(dumpWidths(table), QStringLiteral("64,0"));
    }

    void cellTextRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("plain") << "Work" << QByteArray("Work") << "Work";
        QTest::newRow("CR LF folds") << "a\r\nb\r\n" << QByteArray("a\t\bb\t\b") << "a\r\nb\r\n";
        QTest::newRow("LF alone stays") << "a\nb" << QByteArray("a\nb") << "a\nb";
        QTest::newRow("TAB and BS without CR stay, then unfold") << "x\ty\bz" << QByteArray("x\ty\bz") << "x\ry\nz";
        QTest::newRow("TAB beside CR LF comes back as CR") << "a\tb\r\nc" << QByteArray("a\tb\t\bc") << "a\rb\r\nc";
        QTest::newRow("lone CR comes back as TAB") << "a\rb" << QByteArray("a\tb") << "a\tb";
        QTest::newRow("commas") << ",1,,2," << QByteArray(",1,,2,") << ",1,,2,";
        QTest::newRow("UTF-8") << "Café €" << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << "Café €";
        QTest::newRow("UTF-8 with break") << "Müller\r\nPay" << QByteArray("M\xC3\xBCller\t\bPay") << "Müller\r\nPay";
        QTest::newRow("break before non-ASCII") << "a\r\n\U0001F600\n"
                                                << QByteArray("a\t\b\xF0\x9F\x98\x80\b") << "a\r\n\U0001F600\n";
        // U+001A would end the data for every reader of the file, so it is dropped.
        QTest::newRow("0x1A dropped") << "a\x1A"
                                         "b"
                                      << QByteArray("ab") << "ab";
        QTest::newRow("0x1A dropped after non-ASCII") << "é\x1A\r\nx" << QByteArray("\xC3\xA9\t\bx") << "é\r\nx";
    }

    void cellTextRoundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        QFETCH(QString, readBack);
        GridTable table(1, 2);
        table.setCell(0, 1, text);
        TestPlatform platform;
        const QString path = platform.path(QStringLiteral("t.grd"));
        WriteTableFile(table, path);
        QCOMPARE(platform.readFile(QStringLiteral("t.grd")), "1,2\r\ncw 0,64\r\n0,1," + written + "\r\n");
        GridTable back;
        ReadTableFile(back, path);
        QCOMPARE(back.cell(0, 1), readBack);
    }

    // Every read starts from filledTable(): "A;B;C|d;e;f|g;h;i", widths 10,20,30.
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("widths");
        const QString unchanged = QStringLiteral("A;B;C|d;e;f|g;h;i");
        QTest::newRow("unlisted cells keep their text") << QByteArray("3,3\r\n1,1,x\r\n") << "A;B;C|d;x;f|g;h;i"
                                                        << "10,20,30";
        QTest::newRow("shrinking drops, growing adds empty")
            << QByteArray("2,4\r\ncw 1,5\r\n1,3,z\r\n") << "A;B|d;e|g;h|;z"
            << "10,5";
        QTest::newRow("header row alone") << QByteArray("3,1\r\n") << "A;B;C"
                                          << "10,20,30";
        QTest::newRow("counts below one give one") << QByteArray("-3,0\r\n") << "A"
                                                   << "10";
        QTest::newRow("empty first line keeps counts") << QByteArray("\r\n0,2,x\r\n") << "A;B;C|d;e;f|x;h;i"
                                                       << "10,20,30";
        QTest::newRow("empty file") << QByteArray() << unchanged << "10,20,30";
        QTest::newRow("widths beyond the columns ignored")
            << QByteArray("3,3\r\ncw 3,99\r\ncw 1,7\r\ncw -1,5\r\n") << unchanged << "10,7,30";
        QTest::newRow("cells beyond the table ignored")
            << QByteArray("3,3\r\n0,3,x\r\n3,0,y\r\n0,99999,z\r\n") << unchanged << "10,20,30";
        QTest::newRow("malformed lines skipped")
            << QByteArray(
                   "3,3\r\nnonsense\r\n0\r\n0,1\r\nx,1,t\r\n-1,1,t\r\n1,-1,t\r\n,,t\r\n0,,t\r\n1x,1,t\r\n"
                   "99999999999,1,t\r\n0,99999999999999999999999,t\r\ncw\r\ncw x,5\r\ncw 0,abc\r\ncw 0,-5\r\n"
                   "cw,1\r\ncw 1\r\n2,2,ok\r\n")
            << "A;B;C|d;e;f|g;h;ok"
            << "10,20,30";
        QTest::newRow("commas inside text") << QByteArray("3,3\r\n2,0,a,b,,c\r\n") << "A;B;a,b,,c|d;e;f|g;h;i"
                                            << "10,20,30";
        QTest::newRow("0x1A ends the data") << QByteArray(
                                                   "3,3\r\n0,1,ab\x1A"
                                                   "cd\r\n0,2,y\r\n")
                                            << "A;B;C|ab;e;f|g;h;i"
                                            << "10,20,30";
        QTest::newRow("a lone LF is no line end") << QByteArray("3,3\r\n0,1,a\n1,1,b\r\n") << "A;B;C|a\n1,1,b;e;f|g;h;i"
                                                  << "10,20,30";
        QTest::newRow("CR alone ends a line") << QByteArray("3,3\r0,1,x\r1,1,y") << "A;B;C|x;y;f|g;h;i"
                                              << "10,20,30";
        QTest::newRow("empty text empties the cell") << QByteArray("3,3\r\n0,1,\r\n") << "A;B;C|;e;f|g;h;i"
                                                     << "10,20,30";
        QTest::newRow("blanks around numbers")
            << QByteArray(" 3 , 3 \r\n 1 , 1 ,x\r\ncw  2 , 7\r\n") << "A;B;C|d;x;f|g;h;i"
            << "10,20,7";
        QTest::newRow("byte order mark") << QByteArray(
                                                "\xEF\xBB\xBF"
                                                "3,3\r\n0,1,\xC3\xA9\r\n")
                                         << "A;B;C|é;e;f|g;h;i"
                                         << "10,20,30";
    }

    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cells);
        QFETCH(QString, widths);
        GridTable table = filledTable();
        const std::optional<QString> error = readBytes(table, bytes);
        QVERIFY2(!error, qPrintable(error.value_or(QString())));
        QCOMPARE(dumpCells(table), cells);
        QCOMPARE(dumpWidths(table), widths);
        for (const QList<QString>& row : table.rawRows())
            QCOMPARE(row.size(), table.colCount());
    }

    void refusedHeaderLeavesTableUnchanged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a number") << QByteArray("abc\r\n0,1,x\r\n");
        QTest::newRow("no row count") << QByteArray("3\r\n0,1,x\r\n");
        QTest::newRow("empty row count") << QByteArray("3,\r\n0,1,x\r\n");
        QTest::newRow("text after the row count") << QByteArray("3,2,1\r\n");
        QTest::newRow("fraction") << QByteArray("3,2.5\r\n");
        QTest::newRow("no header") << QByteArray("cw 0,5\r\n0,1,x\r\n");
        QTest::newRow("1025 columns") << QByteArray("1025,1\r\n0,1,x\r\n");
        QTest::newRow("more cells than 2^20 in a small file") << QByteArray("4,262145\r\n0,1,x\r\n");
        QTest::newRow("more rows than 2^20 in a small file") << QByteArray("1,1048577\r\n");
        QTest::newRow("rows beyond 64 bits") << QByteArray("1,99999999999999999999999\r\n");
        QTest::newRow("columns beyond 32 bits") << QByteArray("4294967297,1\r\n");
        QTest::newRow("product beyond 64 bits") << QByteArray("1024,9223372036854775807\r\n");
    }

    void refusedHeaderLeavesTableUnchanged() {
        QFETCH(QByteArray, bytes);
        GridTable table = filledTable();
        const quint64 revision = table.revision();
        QCOMPARE(readBytes(table, bytes), std::optional<QString>(QStringLiteral("Cannot open file <path>")));
        QCOMPARE(dumpCells(table), QStringLiteral("A;B;C|d;e;f|g;h;i"));
        QCOMPARE(dumpWidths(table), QStringLiteral("10,20,30"));
        QCOMPARE(table.revision(), revision);
    }

    // Up to 2^20 cells are always allowed; beyond that the file must be at least as many
    // bytes long as the cells it claims.
    void cellAllowanceGrowsWithTheFile_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("padding");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("1024 x 1024") << QByteArray("1024,1024") << 0 << true;
        QTest::newRow("1 x 2^20") << QByteArray("1,1048576") << 0 << true;
        QTest::newRow("2 x 600000 in 1.3 MB") << QByteArray("2,600000") << 1300000 << true;
        QTest::newRow("2 x 700000 in 1.3 MB") << QByteArray("2,700000") << 1300000 << false;
    }

    void cellAllowanceGrowsWithTheFile() {
        QFETCH(QByteArray, header);
        QFETCH(int, padding);
        QFETCH(bool, accepted);
        QByteArray bytes = header + "\r\n";
        if (padding > 0)
            bytes += "0,0," + QByteArray(padding, 'x') + "\r\n";
        GridTable table;
        const std::optional<QString> error = readBytes(table, bytes);
        QCOMPARE(!error, accepted);
        const QList<QByteArray> counts = header.split(',');
        QCOMPARE(table.colCount(), accepted ? counts[0].toInt() : 1);
        QCOMPARE(table.rowCount(), accepted ? counts[1].toInt() : 1);
    }

    void missingFileCannotBeOpened_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such file") << "absent.grd";
        QTest::newRow("a folder") << "folder.grd";
    }

    void missingFileCannotBeOpened() {
        QFETCH(QString, name);
        TestPlatform platform;
        QVERIFY(QDir(platform.folder()).mkdir(QStringLiteral("folder.grd")));
        GridTable table = filledTable();
        const QString path = platform.path(name);
        try {
            ReadTableFile(table, path);
            QFAIL("read did not fail");
        } catch (const CalvoraError& e) {
            QCOMPARE(e.message(), QStringLiteral("Cannot open file ") + path);
        }
        QCOMPARE(dumpCells(table), dumpCells(filledTable()));
    }

    // The same table saved by the Windows program (Windows-1252) and by us (UTF-8).
    void readsBothEncodings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << fixture("cp1252.grd");
        QTest::newRow("UTF-8") << fixture("utf8.grd");
    }

    void readsBothEncodings() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!bytes.isEmpty());
        GridTable table;
        QVERIFY(!readBytes(table, bytes));
        QCOMPARE(dumpCells(table), QStringLiteral("Café;€ 5|“quoted”;naïve"));
    }

    void rewritesWindows1252AsUtf8() {
        GridTable table;
        QVERIFY(!readBytes(table, fixture("cp1252.grd")));
        QCOMPARE(TableFileBytes(table), fixture("utf8.grd"));
    }

    // One byte that is not UTF-8 makes the whole file Windows-1252.
    void encodingIsDecidedOncePerFile() {
        GridTable table;
        QVERIFY(!readBytes(table, "2,1\r\n0,0,\xC3\xA9\r\n1,0,\xE9\r\n"));
        QCOMPARE(table.cell(0, 0), QStringLiteral("Ã©"));
        QCOMPARE(table.cell(1, 0), QStringLiteral("é"));
    }

    void decodeText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("ASCII") << QByteArray("abc\r\n") << "abc\r\n";
        QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xF0\x9F\x98\x80") << "Café \U0001F600";
        QTest::newRow("1252 letters") << QByteArray("Caf\xE9 \xFF") << "Café ÿ";
        QTest::newRow("1252 0x80-0x9F") << QByteArray("\x80\x81\x8A\x8D\x99\x9F") << "€\u0081Š\u008D™Ÿ";
        QTest::newRow("overlong is not UTF-8") << QByteArray("\xC0\xAF") << "À¯";
        QTest::newRow("surrogate is not UTF-8") << QByteArray("\xED\xA0\x80") << "í\u00A0€";
        QTest::newRow("beyond U+10FFFF is not UTF-8") << QByteArray("\xF4\x90\x80\x80") << "ô\u0090€€";
        QTest::newRow("cut sequence is not UTF-8") << QByteArray("ab\xE2\x82") << "ab\u00E2\u201A";
    }

    void decodeText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeText(bytes), text);
    }

    // A table of a million tasks holds "Yes" and "No" a million times each.
    void repeatedShortTextsShareStorage() {
        GridTable table;
        QVERIFY(!readBytes(table, "2,4\r\n0,1,Yes\r\n1,1,No\r\n0,2,Yes\r\n1,2,No\r\n0,3,Yes\r\n1,3,No\r\n"));
        QCOMPARE(table.cell(0, 3), QStringLiteral("Yes"));
        QCOMPARE(table.cell(0, 2).constData(), table.cell(0, 3).constData());
        QCOMPARE(table.cell(1, 2).constData(), table.cell(1, 3).constData());
        table.setCell(0, 2, QStringLiteral("No"));
        QCOMPARE(table.cell(0, 3), QStringLiteral("Yes"));
    }

    void failureToCreateKeepsWhatIsThere_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("target is a folder") << "folder.grd";
        QTest::newRow("folder does not exist") << "missing/grid.grd";
    }

    void failureToCreateKeepsWhatIsThere() {
        QFETCH(QString, name);
        TestPlatform platform;
        QVERIFY(QDir(platform.folder()).mkpath(QStringLiteral("w/folder.grd")));
        QDir dir(platform.path(QStringLiteral("w")));
        const QString path = dir.filePath(name);
        try {
            WriteTableFile(todoExample(), path);
            QFAIL("write did not fail");
        } catch (const CalvoraError& e) {
            QCOMPARE(e.message(), QStringLiteral("Cannot Create ") + path);
        }
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.grd"))).isDir());
        QVERIFY(!dir.exists(QStringLiteral("missing")));
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList());
    }

#ifdef Q_OS_UNIX
    // A file size limit makes the write fail part-way, even for root.
    void failedWriteKeepsTheOldFile() {
        TestPlatform platform;
        QDir dir(platform.folder());
        QVERIFY(dir.mkdir(QStringLiteral("data")));
        const QString path = platform.path(QStringLiteral("data/grid.grd"));
        platform.writeFile(QStringLiteral("data/grid.grd"), kTodoExampleBytes);
        GridTable big(1, 2);
        big.setCell(0, 1, QString(300000, QLatin1Char('x')));

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = 65536;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        QString message;
        try {
            WriteTableFile(big, path);
        } catch (const CalvoraError& e) {
            message = e.message();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(message, QStringLiteral("Cannot write ") + path);
        QCOMPARE(platform.readFile(QStringLiteral("data/grid.grd")), kTodoExampleBytes);
        QCOMPARE(QDir(platform.path(QStringLiteral("data"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("grid.grd")});
    }
#endif

    // Damaged files of every shape: the reader either refuses them, leaving the table as it
    // was, or loads them without leaving the table's rectangle.
    void randomBytesNeverBreakTheTable() {
        QRandomGenerator random(20050316);
        const QByteArray alphabet("0123456789,,,--cw \r\r\n\n\t\b\x1A\xE9\xC3\xA9x");
        TestPlatform platform;
        const QString path = platform.path(QStringLiteral("r.grd"));
        for (int i = 0; i < 3000; ++i) {
            QByteArray bytes;
            if (random.bounded(2))
                bytes = QByteArray::number(random.bounded(-3, 40)) + ',' + QByteArray::number(random.bounded(-3, 40)) +
                        "\r\n";
            const int length = random.bounded(200);
            for (int k = 0; k < length; ++k) {
                bytes +=
                    random.bounded(4) ? alphabet.at(random.bounded(int(alphabet.size()))) : char(random.bounded(256));
            }
            platform.writeFile(QStringLiteral("r.grd"), bytes);

            GridTable table = filledTable();
            const quint64 revision = table.revision();
            try {
                ReadTableFile(table, path);
            } catch (const CalvoraError&) {
                QCOMPARE(table.revision(), revision);
                QCOMPARE(dumpCells(table), dumpCells(filledTable()));
                continue;
            }
            QVERIFY(table.colCount() >= 1 && table.colCount() <= 1024);
            QVERIFY(qint64(table.colCount()) * table.rowCount() <= std::max<qint64>(1 << 20, bytes.size()));
            for (const QList<QString>& row : table.rawRows())
                QCOMPARE(row.size(), table.colCount());
            // What was read can be written and reads back the same.
            WriteTableFile(table, path);
            GridTable again;
            ReadTableFile(again, path);
            QCOMPARE(dumpCells(again), dumpCells(table));
        }
    }
};

QTEST_GUILESS_MAIN(TestTableFile)
#include "test_tablefile.moc"
