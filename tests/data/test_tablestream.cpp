#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

#include "data/gridtable.h"
#include "data/tablefile.h"
#include "support/testsupport.h"
#include "tablefixtures.h"

namespace {

const QByteArray kPrefix("XY");

// A stream that cannot seek, such as a pipe.
class SequentialSource : public QIODevice {
public:
    explicit SequentialSource(QByteArray bytes) : m_bytes(std::move(bytes)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_pos + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 n = qMin(max, m_bytes.size() - m_pos);
        std::memcpy(data, m_bytes.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

}  // namespace

class TestTableStream : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void writesTheTableFileBytesAtThePosition() {
        QByteArray data = kPrefix;
        QBuffer buffer(&data);
        QVERIFY(buffer.open(QIODevice::ReadWrite));
        QVERIFY(buffer.seek(kPrefix.size()));
        WriteTableStream(todoExample(), buffer);
        QCOMPARE(data, kPrefix + kTodoExampleBytes);
        QCOMPARE(buffer.pos(), data.size());
    }

    // Every read starts from filledTable(): "A;B;C|d;e;f|g;h;i", widths 10,20,30; the stream
    // holds kPrefix and the bytes, positioned after the prefix. stop is where the stream is
    // left, counted from the bytes' start.
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("widths");
        QTest::addColumn<int>("stop");
        const QString unchanged = QStringLiteral("A;B;C|d;e;f|g;h;i");
        const int example = int(kTodoExampleBytes.size());
        const QString todo = dumpCells(todoExample());
        QTest::newRow("worked example") << kTodoExampleBytes << todo << "86,476,79" << example;
        QTest::newRow("stops at trailing zero bytes")
            << kTodoExampleBytes + QByteArray(13, '\0') << todo << "86,476,79" << example;
        QTest::newRow("stops at a line without two commas")
            << QByteArray("3,3\r\n0,1,x\r\nabc\r\n1,1,y\r\n") << "A;B;C|x;e;f|g;h;i"
            << "10,20,30" << 12;
        QTest::newRow("stops at an empty line") << QByteArray("3,3\r\n0,1,x\r\n\r\n1,1,y\r\n") << "A;B;C|x;e;f|g;h;i"
                                                << "10,20,30" << 12;
        QTest::newRow("stops at an empty column") << QByteArray("3,3\r\n,1,x\r\n") << unchanged << "10,20,30" << 5;
        QTest::newRow("stops at an empty row") << QByteArray("3,3\r\n0,,x\r\n") << unchanged << "10,20,30" << 5;
        QTest::newRow("0x1A is text") << QByteArray(
                                             "3,3\r\n0,1,a\x1A"
                                             "b\r\n1,1,y\r\n")
                                      << "A;B;C|a\x1A"
                                         "b;y;f|g;h;i"
                                      << "10,20,30" << 21;
        QTest::newRow("the byte after a CR is skipped") << QByteArray("3,3\rX0,1,x\rY1,1,y") << "A;B;C|x;y;f|g;h;i"
                                                        << "10,20,30" << 17;
        QTest::newRow("empty first line keeps the counts") << QByteArray("\r\n0,1,x\r\n") << "A;B;C|x;e;f|g;h;i"
                                                           << "10,20,30" << 9;
        QTest::newRow("empty stream") << QByteArray() << unchanged << "10,20,30" << 0;
        QTest::newRow("cells outside the table ignored")
            << QByteArray("2,2\r\n5,0,x\r\n0,5,y\r\n-1,0,w\r\n1,1,z\r\n") << "A;B|d;z"
            << "10,20" << 34;
        QTest::newRow("widths") << QByteArray("3,3\r\ncw 0,5\r\ncw 7,9\r\ncw 2,-4\r\n") << unchanged << "5,20,30" << 30;
        QTest::newRow("folded and LF texts")
            << QByteArray("3,3\r\n1,1,a\t\bb\r\n2,1,c\nd\r\n") << "A;B;C|d;a\r\nb;c\nd|g;h;i"
            << "10,20,30" << 24;
        QTest::newRow("Windows-1252") << QByteArray("3,3\r\n0,1,Caf\xE9\r\n") << "A;B;C|Café;e;f|g;h;i"
                                      << "10,20,30" << 15;
        QTest::newRow("bytes after the stop do not decide the encoding")
            << QByteArray("3,3\r\n0,1,Caf\xC3\xA9\r\n\xE9\xFF") << "A;B;C|Café;e;f|g;h;i"
            << "10,20,30" << 16;
    }

    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cells);
        QFETCH(QString, widths);
        QFETCH(int, stop);
        QByteArray data = kPrefix + bytes;
        QBuffer buffer(&data);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QVERIFY(buffer.seek(kPrefix.size()));
        GridTable table = filledTable();
        ReadTableStream(table, buffer);
        QCOMPARE(dumpCells(table), cells);
        QCOMPARE(dumpWidths(table), widths);
        QCOMPARE(buffer.pos(), kPrefix.size() + stop);
    }

    void sequentialStreamGetsTheRestBack() {
        SequentialSource source(kTodoExampleBytes + QByteArray(5, '\0'));
        GridTable table;
        ReadTableStream(table, source);
        QCOMPARE(dumpCells(table), dumpCells(todoExample()));
        QCOMPARE(source.readAll(), QByteArray(5, '\0'));
    }

    void numbersAreStrict_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("column count") << QByteArray("x,3\r\n");
        QTest::newRow("row count") << QByteArray("3,x\r\n");
        QTest::newRow("no row count") << QByteArray("3\r\n");
        QTest::newRow("zero bytes for a header") << QByteArray(8, '\0');
        QTest::newRow("width index") << QByteArray("3,3\r\ncw a,5\r\n");
        QTest::newRow("width") << QByteArray("3,3\r\ncw 0,5x\r\n");
        QTest::newRow("width without comma") << QByteArray("3,3\r\ncw 0\r\n");
        QTest::newRow("width without index") << QByteArray("3,3\r\ncw,5\r\n");
        QTest::newRow("cell column") << QByteArray("3,3\r\nz,0,x\r\n");
        QTest::newRow("cell row") << QByteArray("3,3\r\n0,b,x\r\n");
        QTest::newRow("blank before a number") << QByteArray("3,3\r\n 0,1,x\r\n");
        QTest::newRow("beyond a whole number") << QByteArray("3,3\r\n0,99999999999,x\r\n");
    }

    void numbersAreStrict() {
        QFETCH(QByteArray, bytes);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        GridTable table = filledTable();
        QVERIFY_THROWS_EXCEPTION(CalvoraError, ReadTableStream(table, buffer));
    }

    void absurdCountsLeaveTheTableUnchanged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("1025 columns") << QByteArray("1025,1\r\n");
        QTest::newRow("more cells than 2^20 in a small stream") << QByteArray("1,1048577\r\n0,0,x\r\n");
        QTest::newRow("rows beyond a whole number") << QByteArray("1,99999999999999999999\r\n");
    }

    void absurdCountsLeaveTheTableUnchanged() {
        QFETCH(QByteArray, bytes);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        GridTable table = filledTable();
        const quint64 revision = table.revision();
        QVERIFY_THROWS_EXCEPTION(CalvoraError, ReadTableStream(table, buffer));
        QCOMPARE(dumpCells(table), dumpCells(filledTable()));
        QCOMPARE(table.revision(), revision);
    }

    void randomBytesNeverBreakTheTable() {
        QRandomGenerator random(20050316);
        const QByteArray alphabet("0123456789,,,--cw \r\r\n\n\t\b\x1A\xE9\xC3\xA9x");
        for (int i = 0; i < 3000; ++i) {
            QByteArray data = kPrefix + QByteArray::number(random.bounded(-3, 40)) + ',' +
                              QByteArray::number(random.bounded(-3, 40)) + "\r\n";
            const int length = random.bounded(200);
            for (int k = 0; k < length; ++k) {
                data +=
                    random.bounded(4) ? alphabet.at(random.bounded(int(alphabet.size()))) : char(random.bounded(256));
            }
            QBuffer buffer(&data);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            QVERIFY(buffer.seek(kPrefix.size()));
            GridTable table = filledTable();
            try {
                ReadTableStream(table, buffer);
                QVERIFY(buffer.pos() >= kPrefix.size() && buffer.pos() <= data.size());
            } catch (const CalvoraError&) {
            }
            QVERIFY(table.colCount() >= 1 && table.colCount() <= 1024);
            for (const QList<QString>& row : table.rawRows())
                QCOMPARE(row.size(), table.colCount());
        }
    }
};

QTEST_GUILESS_MAIN(TestTableStream)
#include "test_tablestream.moc"
