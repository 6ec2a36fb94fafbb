#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

#include "data/gridtable.h"
#include "output/printgrid.h"
#include "support/testsupport.h"

namespace {

int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf).count(page));
}

GridTable taskTable(int dataRows) {
    GridTable t(3, dataRows + 1);
    t.setCell(0, 0, QStringLiteral("Category"));
    t.setCell(1, 0, QStringLiteral("What"));
    t.setCell(2, 0, QStringLiteral("Done?"));
    t.setColWidth(0, 86);
    t.setColWidth(1, 476);
    t.setColWidth(2, 79);
    for (int r = 1; r <= dataRows; ++r) {
        t.setCell(0, r, QStringLiteral("Work"));
        t.setCell(1, r, QStringLiteral("Task %1\r\nsecond line of the notes\r\n").arg(r));
        t.setCell(2, r, r % 2 ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
    return t;
}

PrintLayout layout() {
    PrintLayout l;
    l.title = QStringLiteral("To-do Tasks");
    l.cellFont = QFont(QStringLiteral("DejaVu Sans"), 10);
    l.strikeOutColumn = 2;
    return l;
}

}  // namespace

class TestPrintGrid : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void paginate_data() {
        QTest::addColumn<QList<int>>("heights");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("pages");
        QTest::newRow("heading only") << QList<int>{10} << 100 << true << "";
        QTest::newRow("all on one page") << QList<int>{10, 30, 30, 30} << 100 << true << "1 2 3";
        QTest::newRow("repeated heading takes room")
            << QList<int>{10, 30, 30, 30, 30, 30} << 100 << true << "1 2 3|4 5";
        QTest::newRow("heading on page one only")
            << QList<int>{10, 30, 30, 30, 30, 30, 30, 30} << 100 << false << "1 2 3|4 5 6|7";
        QTest::newRow("a row taller than a page stands alone") << QList<int>{10, 30, 500, 30} << 100 << true << "1|2|3";
        QTest::newRow("tall first row") << QList<int>{10, 500, 30} << 100 << true << "1|2";
    }

    void paginate() {
        QFETCH(QList<int>, heights);
        QFETCH(int, pageHeight);
        QFETCH(bool, repeat);
        QFETCH(QString, pages);
        QStringList out;
        for (const QList<int>& page : PaginateRows(heights, pageHeight, repeat)) {
            QStringList rows;
            for (int r : page)
                rows << QString::number(r);
            out << rows.join(QLatin1Char(' '));
        }
        QCOMPARE(out.join(QLatin1Char('|')), pages);
    }

    void printsThroughTheDialog_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("manyPages");
        QTest::newRow("small table") << 3 << true << false;
        QTest::newRow("long table, heading repeated") << 150 << true << true;
        QTest::newRow("long table, heading once") << 150 << false << true;
    }

    void printsThroughTheDialog() {
        QFETCH(int, rows);
        QFETCH(bool, repeat);
        QFETCH(bool, manyPages);
        TestPlatform platform;
        platform.dialogs->answers.enqueue(true);
        PrintLayout l = layout();
        l.repeatHeading = repeat;
        PrintGrid(taskTable(rows), l);
        QCOMPARE(platform.dialogs->boxes.size(), 1);
        QCOMPARE(platform.dialogs->boxes.first().kind, BoxKind::Print);
        const QByteArray pdf = platform.readFile(QStringLiteral("printed.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        const int pages = pdfPageCount(pdf);
        if (manyPages)
            QVERIFY2(pages > 2, qPrintable(QString::number(pages)));
        else
            QCOMPARE(pages, 1);
    }

    // The footer's "Page n/N" needs the count before painting: it must match the pages made.
    void reportedPagesMatchTheDocument() {
        TestPlatform platform;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(platform.path(QStringLiteral("direct.pdf")));
        const int pages = PrintGridTo(printer, taskTable(150), layout());
        QCOMPARE(pdfPageCount(platform.readFile(QStringLiteral("direct.pdf"))), pages);
    }

    void aCellTallerThanAPageStillPrints() {
        TestPlatform platform;
        GridTable t = taskTable(2);
        t.setCell(1, 1, QStringLiteral("line\r\n").repeated(400));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(platform.path(QStringLiteral("tall.pdf")));
        QCOMPARE(PrintGridTo(printer, t, layout()), 2);
        QCOMPARE(pdfPageCount(platform.readFile(QStringLiteral("tall.pdf"))), 2);
    }

    void cancelledPrintWritesNothing() {
        TestPlatform platform;
        platform.dialogs->answers.enqueue(false);
        PrintGrid(taskTable(3), layout());
        QCOMPARE(platform.dialogs->boxes.size(), 1);
        QVERIFY(!QFile::exists(platform.path(QStringLiteral("printed.pdf"))));
    }
};

QTEST_MAIN(TestPrintGrid)
#include "test_printgrid.moc"
