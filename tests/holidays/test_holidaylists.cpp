#include <QtTest>

#include "data/gridtable.h"
#include "holidays/holidaylists.h"
#include "holidays/holidayrules.h"
#include "support/testsupport.h"

namespace {

// The import of one list item into row 1 of an empty table.
QStringList importItem(const QString& code, const QString& name) {
    GridTable t;
    InitHolidayTable(t);
    FillHolidayRowFromItem(t, 1, HolidayCodeText(code) + QLatin1Char('\t') + name);
    return t.rowCells(1);
}

}  // namespace

class TestHolidayLists : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment("en_US"); }
    void cleanup() { InitTestEnvironment("en_US"); }

    void countriesAndTheirEntries() {
        const QList<QPair<const char*, int>> countries = {
            {"Australia", 6},        {"Austria", 9},         {"Belgium", 9},        {"Brazil", 14},
            {"Canada - English", 8}, {"Canada - French", 8}, {"Denmark", 5},        {"Finland", 7},
            {"France", 8},           {"Germany", 11},        {"Ireland", 9},        {"Italy", 9},
            {"Japan", 13},           {"Netherlands", 5},     {"New Zealand", 7},    {"Norway", 5},
            {"Portugal", 10},        {"South Africa", 10},   {"Spain", 30},         {"Sweden", 9},
            {"Switzerland", 11},     {"United Kingdom", 9},  {"United States", 24}, {"CHRISTIAN LUNAR", 35},
            {"JEWISH LUNAR", 40},
        };
        QCOMPARE(kHolidayCountryCount, 25);
        QCOMPARE(kHolidayListCount, 311);
        QCOMPARE(int(std::size(kHolidayList)), 311);
        QList<int> counts(kHolidayCountryCount, 0);
        int previous = 0;
        for (const HolidayStructure& h : kHolidayList) {
            QVERIFY2(h.countryIndex >= previous && h.countryIndex < kHolidayCountryCount, h.code);
            previous = h.countryIndex;
            ++counts[h.countryIndex];
            const int length = int(qstrlen(h.code));
            QVERIFY2(length == 5 || length == 8, h.code);
            QVERIFY2(qstrlen(h.name) > 0, h.code);
        }
        for (int c = 0; c < countries.size(); ++c) {
            QCOMPARE(QLatin1String(kHolidayCountries[c]), QLatin1String(countries[c].first));
            QCOMPARE(counts[c], countries[c].second);
            QCOMPARE(HolidayItemsOfCountry(c).size(), countries[c].second);
        }
    }

    // Entries at known places, names with their accented letters.
    void entries_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << 0 << "Jan01"
                               << "New Year's Day";
        QTest::newRow("Australia out of date order") << 4 << 0 << "Dec26"
                                                     << "Boxing Day";
        QTest::newRow("Austria") << 12 << 1 << "Dec08" << u8"Mariä Empfängnis";
        QTest::newRow("Belgium") << 20 << 2 << "Sep27" << u8"Feest. Franst. Cultuurgem./Fête Comm. cult. franç";
        QTest::newRow("Brazil") << 28 << 3 << "Jun29" << u8"São Pedro";
        QTest::newRow("Canada - French") << 47 << 5 << "Jun24" << u8"Fête Nationale des Québecois";
        QTest::newRow("Finland, one name twice") << 64 << 7 << "Dec25" << u8"Jouluaato";
        QTest::newRow("Germany") << 79 << 9 << "34Nov" << u8"Buß- und Bettag";
        QTest::newRow("Japan out of date order") << 113 << 12 << "Nov23"
                                                 << "Labour Thanksgiving Day";
        QTest::newRow("Portugal") << 141 << 16 << "Dec08" << u8"Imaculada Conceiçao de Nossa Senhora";
        QTest::newRow("Spain") << 171 << 18 << "Sep08" << u8"Día de Asturias/V. de San Lorenzo/V. Guadalupe";
        QTest::newRow("Sweden") << 187 << 19 << "Jun24" << u8"Johannes Döparens dag";
        QTest::newRow("Switzerland") << 196 << 20 << "Mar01" << u8"République neuchâteloise";
        QTest::newRow("United States") << 233 << 22 << "45Nov"
                                       << "Thanksgiving";
        QTest::newRow("Christian lunar") << 236 << 23 << "20010228"
                                         << "Ash Wednesday";
        QTest::newRow("last") << 310 << 24 << "20060603"
                              << "Shavuot";
    }

    void entries() {
        QFETCH(int, index);
        QFETCH(int, country);
        QFETCH(QString, code);
        QFETCH(QString, name);
        const HolidayStructure& h = kHolidayList[index];
        QCOMPARE(h.countryIndex, country);
        QCOMPARE(QLatin1String(h.code), code);
        QCOMPARE(QString::fromUtf8(h.name), name);
    }

    void codeText_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("1st") << "Jan01"
                             << "Jan 1st";
        QTest::newRow("2nd") << "Jan02"
                             << "Jan 2nd";
        QTest::newRow("3rd") << "May03"
                             << "May 3rd";
        QTest::newRow("4th") << "Jul04"
                             << "Jul 4th";
        QTest::newRow("11th") << "Nov11"
                              << "Nov 11th";
        QTest::newRow("12th") << "Feb12"
                              << "Feb 12th";
        QTest::newRow("13th") << "Jun13"
                              << "Jun 13th";
        QTest::newRow("21st") << "Mar21"
                              << "Mar 21st";
        QTest::newRow("22nd") << "Feb22"
                              << "Feb 22nd";
        QTest::newRow("23rd") << "Dec23"
                              << "Dec 23rd";
        QTest::newRow("25th") << "Dec25"
                              << "Dec 25th";
        QTest::newRow("31st") << "Dec31"
                              << "Dec 31st";
        QTest::newRow("fourth Thursday") << "45Nov"
                                         << "4th Thu in Nov";
        QTest::newRow("last Monday") << "52May"
                                     << "Last Mon in May";
        QTest::newRow("first Sunday") << "11Apr"
                                      << "1st Sun in Apr";
        QTest::newRow("second Monday") << "22Oct"
                                       << "2nd Mon in Oct";
        QTest::newRow("third Saturday") << "37May"
                                        << "3rd Sat in May";
        QTest::newRow("one-time") << "20050325"
                                  << "25 Mar 2005:";
        QTest::newRow("one-time, leading zero") << "20010603"
                                                << "03 Jun 2001:";
    }

    void codeText() {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QCOMPARE(HolidayCodeText(code), text);
    }

    void itemsOfCountry() {
        const QStringList us = HolidayItemsOfCountry(22);
        QCOMPARE(us.first(), QStringLiteral("Jan 1st\tNew Year's Day"));
        QCOMPARE(us[21], QStringLiteral("4th Thu in Nov\tThanksgiving"));
        QCOMPARE(us.last(), QStringLiteral("Dec 31st\tNew Year's Eve"));
        QCOMPARE(HolidayItemsOfCountry(24).last(), QStringLiteral("03 Jun 2006:\tShavuot"));
        QVERIFY(HolidayItemsOfCountry(25).isEmpty());
    }

    void importedRow_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("cells");
        const QString n = QStringLiteral("N");
        QTest::newRow("en: last Monday") << "en_US"
                                         << "52May" << QStringList{n, "05", "May", "Last : Monday"};
        QTest::newRow("en: fourth Thursday") << "en_US"
                                             << "45Nov" << QStringList{n, "11", "November", "Fourth : Thursday"};
        QTest::newRow("en: first Sunday") << "en_US"
                                          << "11Apr" << QStringList{n, "04", "April", "First : Sunday"};
        QTest::newRow("en: second Monday") << "en_US"
                                           << "22Oct" << QStringList{n, "10", "October", "Second : Monday"};
        QTest::newRow("en: third Saturday") << "en_US"
                                            << "37May" << QStringList{n, "05", "May", "Third : Saturday"};
        QTest::newRow("en: fixed") << "en_US"
                                   << "Dec25" << QStringList{n, "12", "December", "25"};
        QTest::newRow("en: fixed, no leading zero") << "en_US"
                                                    << "Jan01" << QStringList{n, "01", "January", "1"};
        QTest::newRow("en: one-time") << "en_US"
                                      << "20050325" << QStringList{n, "03", "March", "20050325"};
        // German short names differ from the English abbreviations for some months only.
        QTest::newRow("de: last Monday, May stays English") << "de_DE"
                                                            << "52May" << QStringList{n, "00", "May", "Last : Montag"};
        QTest::newRow("de: fourth Thursday, Nov is German too")
            << "de_DE"
            << "45Nov" << QStringList{n, "11", "November", "Fourth : Donnerstag"};
        QTest::newRow("de: fixed, Dec stays English") << "de_DE"
                                                      << "Dec25" << QStringList{n, "00", "Dec", "25"};
        QTest::newRow("de: fixed, Jan is German too") << "de_DE"
                                                      << "Jan06" << QStringList{n, "01", "Januar", "6"};
        QTest::newRow("de: one-time") << "de_DE"
                                      << "20050325" << QStringList{n, "03", u8"März", "20050325"};
    }

    void importedRow() {
        QFETCH(QString, locale);
        QFETCH(QString, code);
        QFETCH(QStringList, cells);
        InitTestEnvironment(qPrintable(locale));
        QCOMPARE(importItem(code, QStringLiteral("N")), cells);
    }

    // An imported list shows in the calendars every year it applies to.
    void importedHolidaysFallOnTheirDays() {
        GridTable t;
        InitHolidayTable(t);
        for (const QString& item : HolidayItemsOfCountry(22) + HolidayItemsOfCountry(23)) {
            t.insertRows(1, 1);
            FillHolidayRowFromItem(t, 1, item);
        }
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 11, 24)), QStringLiteral("Thanksgiving"));
        QCOMPARE(GetHolidaysForDate(t, QDate(2006, 11, 23)), QStringLiteral("Thanksgiving"));
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 5, 30)), QStringLiteral("Memorial Day (Observed)"));
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 12, 25)), QStringLiteral("Christmas"));
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 3, 27)), QStringLiteral("Easter Sunday"));
        QCOMPARE(GetHolidaysForDate(t, QDate(2006, 3, 27)), QString());
        QCOMPARE(GetHolidaysForDate(t, QDate(2006, 4, 16)), QStringLiteral("Easter Sunday"));
    }

    void importUnderGermanNames() {
        InitTestEnvironment("de_DE");
        GridTable t;
        InitHolidayTable(t);
        for (const QString& code : {QStringLiteral("52May"), QStringLiteral("45Nov"), QStringLiteral("20050325")}) {
            t.insertRows(1, 1);
            FillHolidayRowFromItem(t, 1, HolidayCodeText(code) + QStringLiteral("\t") + code);
        }
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 5, 30)), QString());
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 11, 24)), QStringLiteral("45Nov"));
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 3, 25)), QStringLiteral("20050325"));
    }
};

QTEST_GUILESS_MAIN(TestHolidayLists)
#include "test_holidaylists.moc"
