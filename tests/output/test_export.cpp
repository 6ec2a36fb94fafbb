#include <QFile>
#include <QtTest>

#include "common/calvoraerror.h"
#include "data/gridtable.h"
#include "output/print.h"
#include "support/testsupport.h"

namespace {

QByteArray golden(const char* name) {
    QFile file(QStringLiteral(OUTPUT_FIXTURES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every kind of cell the two formats treat differently, in one table.
GridTable sampleTable() {
    const QList<QStringList> rows = {
        {"Date", "What", "Done", "Note"},
        {"plain", "say \"hi\"", "", "x\ny"},
        {"a,b", "He said \"x, y\"", "No", "5"},
        {"line1\r\nline2", "one, two\r\nthree", "\"q\"\r\nnext", "lone\rCR"},
        {"", "", "", ""},
        {"<script>x</script>", "Tom & Jerry", "a > b", QString::fromUtf8("\xC3\xBCmlaut \xE2\x82\xAC")},
    };
    GridTable t(4, int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 4; ++c)
            t.setCell(c, r, rows.at(r).at(c));
    return t;
}

GridTable oneCell(const QString& text) {
    GridTable t(1, 2);
    t.setCell(0, 0, QStringLiteral("H"));
    t.setCell(0, 1, text);
    return t;
}

}  // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void csvMatchesGolden() { QCOMPARE(GridCsvBytes(sampleTable()), golden("grid.csv")); }

    void htmlMatchesGolden() { QCOMPARE(GridHtmlBytes(sampleTable()), golden("grid.htm")); }

    void csvCell_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << "abc" << QByteArray("abc");
        QTest::newRow("empty") << "" << QByteArray("\"\"");
        QTest::newRow("blank is not empty") << " " << QByteArray(" ");
        QTest::newRow("quote only") << "\"" << QByteArray("\"\"\"\"");
        QTest::newRow("comma only") << "," << QByteArray("\",\"");
        QTest::newRow("two CR LF, no comma") << "a\r\nb\r\n"
                                             << QByteArray(
                                                    "\"a\x0B"
                                                    "b\x0B\"");
        QTest::newRow("quote and CR LF") << "\"a\"\r\nb\r\n" << QByteArray("\"\"\"a\"\"\nb\n\"");
        QTest::newRow("comma, quote and CR LF") << "\"a\",\r\nb"
                                                << QByteArray(
                                                       "\"\"\"a\"\",\x0B"
                                                       "b\"");
        QTest::newRow("LF alone is left") << "a\nb" << QByteArray("a\nb");
    }

    void csvCell() {
        QFETCH(QString, text);
        QFETCH(QByteArray, line);
        QCOMPARE(GridCsvBytes(oneCell(text)), QByteArray("H\r\n") + line + "\r\n");
    }

    void htmlStyleColoursAreUpperCaseHexRedFirst() {
        HtmlStyle style;
        style.headingBackground = QColor(0x12, 0xAB, 0xCD);
        style.headingText = QColor(0xFF, 0x00, 0x00);
        style.cellBackground = QColor(0x00, 0x00, 0xFF);
        style.cellText = QColor(0x0A, 0x0B, 0x0C);
        const QByteArray html = GridHtmlBytes(oneCell(QStringLiteral("x")), style);
        QVERIFY(html.contains("<td bgcolor=\"#12ABCD\"><font color=\"#FF0000\">H</font></td>\r\n"));
        QVERIFY(html.contains("<td bgcolor=\"#0000FF\"><font color=\"#0A0B0C\" >x</font></td>\r\n"));
    }

    void writesFilesWhole() {
        TestPlatform platform;
        platform.writeFile(QStringLiteral("out.txt"), QByteArray(5000, 'z'));
        WriteGridCsv(sampleTable(), platform.path(QStringLiteral("out.txt")));
        QCOMPARE(platform.readFile(QStringLiteral("out.txt")), golden("grid.csv"));
        WriteGridHtml(sampleTable(), platform.path(QStringLiteral("out.htm")));
        QCOMPARE(platform.readFile(QStringLiteral("out.htm")), golden("grid.htm"));
    }

    void uncreatableFileIsReported() {
        TestPlatform platform;
        const QString path = platform.path(QStringLiteral("no/such/folder/out.txt"));
        for (const bool html : {false, true}) {
            try {
                html ? WriteGridHtml(sampleTable(), path) : WriteGridCsv(sampleTable(), path);
                QFAIL("no error");
            } catch (const CalvoraError& e) {
                QCOMPARE(e.message(), QStringLiteral("Cannot Create file ") + path);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
