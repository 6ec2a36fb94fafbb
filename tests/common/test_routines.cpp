// The shared text, search, file and calendar routines.

#include <QRandomGenerator>
#include <QtTest>

#include "common/formatsettings.h"
#include "common/routines.h"
#include "support/testsupport.h"

namespace {

const QDate kToday(2005, 3, 16);  // a Wednesday

}  // namespace

class TestRoutines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment("en_US"); }

    void relativeDayText_data() {
        QTest::addColumn<int>("offset");  // days from today
        QTest::addColumn<QString>("phrase");
        QTest::newRow("today") << 0 << "Today";
        QTest::newRow("tomorrow") << 1 << "Tomorrow";
        QTest::newRow("yesterday") << -1 << "Yesterday";
        QTest::newRow("2 ahead") << 2 << "2 days";
        QTest::newRow("2 back") << -2 << "2 days ago";
        QTest::newRow("38 ahead: weeks still 5") << 38 << "38 days";
        QTest::newRow("39 ahead: weeks reach 6") << 39 << "6 wks";
        QTest::newRow("60 ahead") << 60 << "9 wks";
        QTest::newRow("45 back: weeks 6 is still days") << -45 << "45 days ago";
        QTest::newRow("46 back, a Saturday: weeks 7") << -46 << "7 wks ago";
        QTest::newRow("49 back") << -49 << "7 wks ago";
        QTest::newRow("100 ahead") << 100 << "3 mons";
        QTest::newRow("400 ahead") << 400 << "13 mons";
        QTest::newRow("400 back") << -400 << "13 mons ago";
        QTest::newRow("800 back: two calendar years") << -800 << "26 mons ago";
        QTest::newRow("1000 back") << -1000 << "2 yrs 9 mons ago";
        QTest::newRow("1095 back: months carry into a year") << -1095 << "3 yrs ago";
        QTest::newRow("1127 ahead: one month") << 1127 << "3 yrs 1 mon";
        QTest::newRow("1200 ahead") << 1200 << "3 yrs 3 mons";
        QTest::newRow("1200 back") << -1200 << "3 yrs 3 mons ago";
        QTest::newRow("1460 ahead") << 1460 << "4 yrs";
    }
    void relativeDayText() {
        QFETCH(int, offset);
        QFETCH(QString, phrase);
        QCOMPARE(RelativeDayText(kToday.addDays(offset), kToday), phrase);
    }

    void relativeDayTextTakesTodayFromTheClock() {
        TestPlatform p;
        p.clock->current = QDateTime(kToday, QTime(23, 59));
        QCOMPARE(RelativeDayText(kToday.addDays(1)), QStringLiteral("Tomorrow"));
        QCOMPARE(RelativeDayText(kToday.addDays(-49)), QStringLiteral("7 wks ago"));
    }

    void wholeWord_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("found");
        QTest::newRow("apostrophe ends a word") << "the dog's bowl"
                                                << "DOG" << false << true;
        QTest::newRow("inside a longer word") << "dogma"
                                              << "DOG" << false << false;
        QTest::newRow("cat is not category") << "a category"
                                             << "cat" << false << false;
        QTest::newRow("cat's") << "the cat's toy"
                               << "cat" << false << true;
        QTest::newRow("case switch on") << "the Dog"
                                        << "dog" << true << false;
        QTest::newRow("case switch on, same case") << "the Dog"
                                                   << "Dog" << true << true;
        QTest::newRow("tab, brackets, hyphen") << "x\t(dog)-house"
                                               << "dog" << false << true;
        QTest::newRow("underscore joins") << "dog_house"
                                          << "dog" << false << false;
        QTest::newRow("word with a blank never matches") << "hot dog"
                                                         << "hot dog" << false << false;
        QTest::newRow("word alone") << "dog"
                                    << "dog" << false << true;
        QTest::newRow("blank word") << "a b"
                                    << " " << false << false;
        QTest::newRow("empty text") << ""
                                    << "dog" << false << false;
        QTest::newRow("later occurrence is whole") << "dogma dog"
                                                   << "dog" << false << true;
    }
    void wholeWord() {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, found);
        QCOMPARE(ContainsWholeWord(text, word, caseSensitive), found);
    }

    void textMatches() {
        QVERIFY(TextMatches(QStringLiteral("a category"), false, false, QStringLiteral("CAT")));
        QVERIFY(!TextMatches(QStringLiteral("a category"), false, true, QStringLiteral("CAT")));
        QVERIFY(!TextMatches(QStringLiteral("a category"), true, false, QStringLiteral("cat")));
        QVERIFY(TextMatches(QStringLiteral("a cat"), true, false, QStringLiteral("CAT")));
    }

    void wordDelimitersAreExactlyThe35() {
        const QString expected = QStringLiteral("\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*");
        QCOMPARE(expected.size(), 35);
        for (int code = 0; code < 256; ++code)
            QVERIFY2(IsWordDelimiter(QChar(code)) == expected.contains(QChar(code)), qPrintable(QString::number(code)));
    }

    void blankAndDigits() {
        QVERIFY(IsBlank(QString()));
        QVERIFY(IsBlank(QStringLiteral(" \r\n\b")));
        QVERIFY(!IsBlank(QStringLiteral("\t\t")));
        QVERIFY(!IsBlank(QStringLiteral(" a ")));
        QCOMPARE(CountDigits(QStringLiteral("a1b22 ٣")), 3);  // Arabic-Indic digits do not count
    }

    void getTabField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("field");
        QTest::newRow("first") << "A\tB\tC" << 1 << "A";
        QTest::newRow("second") << "A\tB\tC" << 2 << "B";
        QTest::newRow("last") << "A\tB\tC" << 3 << "C";
        QTest::newRow("beyond") << "A\tB\tC" << 4 << "";
        QTest::newRow("zero") << "A\tB\tC" << 0 << "";
        QTest::newRow("empty field") << "A\t\tC" << 2 << "";
        QTest::newRow("blanks and controls trimmed") << "A\t \x01 B c\r\n\tC" << 2 << "B c";
    }
    void getTabField() {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, field);
        QCOMPARE(GetTabField(text, n), field);
    }

    void positionsCountFromOne() {
        const QString text = QStringLiteral("abcdef");
        QCOMPARE(CopyRange(text, 2, 4), QStringLiteral("bc"));
        QCOMPARE(CopyRange(text, 3, 0), QStringLiteral("cdef"));
        QCOMPARE(CopyRange(text, 5, 3), QString());
        QCOMPARE(CopyRange(text, 10, 0), QString());
        QCOMPARE(PosFrom(QStringLiteral("b"), QStringLiteral("abcb"), 1), 2);
        QCOMPARE(PosFrom(QStringLiteral("b"), QStringLiteral("abcb"), 3), 4);
        QCOMPARE(PosFrom(QStringLiteral("b"), QStringLiteral("abcb"), 5), 0);
        QCOMPARE(PosFrom(QString(), QStringLiteral("abc"), 1), 0);
    }

    void replaceAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("result");
        QTest::newRow("no overlap") << "aaa"
                                    << "aa"
                                    << "b"
                                    << "ba";
        QTest::newRow("every occurrence") << "a.b.c"
                                          << "."
                                          << "\r\n"
                                          << "a\r\nb\r\nc";
        QTest::newRow("replacement holds find") << "ab"
                                                << "a"
                                                << "aa"
                                                << "aab";
        QTest::newRow("case-sensitive") << "Abc"
                                        << "a"
                                        << "x"
                                        << "Abc";
        QTest::newRow("empty find") << "abc"
                                    << ""
                                    << "x"
                                    << "abc";
    }
    void replaceAll() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replace);
        QFETCH(QString, result);
        QCOMPARE(ReplaceAll(text, find, replace), result);
    }

    void textToLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("one line") << "one" << QStringList{"one"};
        QTest::newRow("blank single line kept") << "  " << QStringList{"  "};
        QTest::newRow("two lines") << "one\r\ntwo" << QStringList{"one", "two"};
        QTest::newRow("inner empty line kept") << "one\r\n\r\ntwo" << QStringList{"one", "", "two"};
        QTest::newRow("two breaks at the end") << "one\r\ntwo\r\n\r\n" << QStringList{"one", "two"};
        QTest::newRow("blank remainder") << "one\r\n  " << QStringList{"one"};
        QTest::newRow("bare line feed is no break") << "one\ntwo" << QStringList{"one\ntwo"};
    }
    void textToLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TextToLines(text), lines);
    }

    void firstLine() {
        QCOMPARE(FirstLine(QStringLiteral("one\r\ntwo\r\n")), QStringLiteral("one"));
        QCOMPARE(FirstLine(QStringLiteral("one\ntwo")), QStringLiteral("one\ntwo"));
        QCOMPARE(FirstLine(QString()), QString());
    }

    void daysInMonth_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::newRow("2100 leaps: no century rule") << 2 << 2100 << 29;
        QTest::newRow("1900") << 2 << 1900 << 29;
        QTest::newRow("2004") << 2 << 2004 << 29;
        QTest::newRow("2005") << 2 << 2005 << 28;
        QTest::newRow("April") << 4 << 2005 << 30;
        QTest::newRow("December") << 12 << 2005 << 31;
        QTest::newRow("no month 13") << 13 << 2005 << 0;
    }
    void daysInMonth() {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, days);
        QCOMPARE(DaysInMonth(month, year), days);
    }

    void monthNameToNumber() {
        QCOMPARE(MonthNameToNumber(QStringLiteral("January")), 1);
        QCOMPARE(MonthNameToNumber(QStringLiteral("MARCH")), 3);
        QCOMPARE(MonthNameToNumber(QStringLiteral("Mar")), 0);
        QCOMPARE(MonthNameToNumber(QString()), 0);
        LocaleScope german("de_DE");
        QCOMPARE(MonthNameToNumber(QStringLiteral("märz")), 3);
        QCOMPARE(MonthNameToNumber(QStringLiteral("Dezember")), 12);
        QCOMPARE(MonthNameToNumber(QStringLiteral("March")), 0);
    }

    void asciiCaseLeavesOtherLettersAlone() {
        QCOMPARE(AsciiLower(QStringLiteral("ÄbC-Ö z")), QStringLiteral("Äbc-Ö z"));
        QCOMPARE(AsciiUpper(QStringLiteral("äbC-ö z")), QStringLiteral("äBC-ö Z"));
    }

    void copyFileTo() {
        TestPlatform p;
        QByteArray bytes(5000, '\0');  // more than two blocks, with zero bytes
        for (char& b : bytes)
            b = char(QRandomGenerator::global()->bounded(256));
        p.writeFile(QStringLiteral("source.bin"), bytes);
        p.writeFile(QStringLiteral("target.bin"), QByteArray(9000, 'x'));
        QVERIFY(CopyFileTo(p.path(QStringLiteral("source.bin")), p.path(QStringLiteral("target.bin"))));
        QCOMPARE(p.readFile(QStringLiteral("target.bin")), bytes);
    }

    void copyFileToRefusals() {
        TestPlatform p;
        QVERIFY(!CopyFileTo(p.path(QStringLiteral("missing.bin")), p.path(QStringLiteral("target.bin"))));
        // the target was created before the source failed to open
        QVERIFY(QFile::exists(p.path(QStringLiteral("target.bin"))));
        QVERIFY(FileIsEmpty(p.path(QStringLiteral("target.bin"))));
        p.writeFile(QStringLiteral("source.bin"), "abc");
        QVERIFY(!CopyFileTo(p.path(QStringLiteral("source.bin")), p.path(QStringLiteral("no/such/folder/t.bin"))));
    }

    void fileIsEmpty() {
        TestPlatform p;
        QVERIFY(FileIsEmpty(p.path(QStringLiteral("missing"))));
        p.writeFile(QStringLiteral("empty"), QByteArray());
        QVERIFY(FileIsEmpty(p.path(QStringLiteral("empty"))));
        p.writeFile(QStringLiteral("one"), "1");
        QVERIFY(!FileIsEmpty(p.path(QStringLiteral("one"))));
    }
};

QTEST_GUILESS_MAIN(TestRoutines)
#include "test_routines.moc"
