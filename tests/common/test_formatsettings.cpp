// Format settings taken from the locale, the four-digit-year adjustment, formatting with
// the program's format letters, and reading times and dates.

#include <QtTest>

#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "support/testsupport.h"

namespace {

FormatSettings fixedSettings(const char* locale) {
    FormatSettings s = FormatSettings::fromLocale(QLocale(QString::fromLatin1(locale)));
    fix2000(s);
    return s;
}

const QDateTime kAfternoon(QDate(2005, 3, 16), QTime(14, 5, 9, 7));  // a Wednesday

}  // namespace

class TestFormatSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment("en_US"); }

    void fromLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("formats");  // short date, long date, short time, long time
        QTest::addColumn<QString>("separators");   // date, time, decimal
        QTest::addColumn<QStringList>("designators");
        QTest::addColumn<QStringList>("marchAndWednesday");  // short and long names
        QTest::newRow("en_US") << "en_US" << QStringList{"M/d/yy", "dddd, MMMM d, yyyy", "h:mm AMPM", "h:mm:ss AMPM"}
                               << "/:." << QStringList{"AM", "PM"} << QStringList{"Mar", "March", "Wed", "Wednesday"};
        QTest::newRow("de_DE") << "de_DE" << QStringList{"dd.MM.yy", "dddd, d. MMMM yyyy", "hh:mm", "hh:mm:ss"} << ".:,"
                               << QStringList{"AM", "PM"} << QStringList{"Mär", "März", "Mi", "Mittwoch"};
    }
    void fromLocale() {
        QFETCH(QString, locale);
        QFETCH(QStringList, formats);
        QFETCH(QString, separators);
        QFETCH(QStringList, designators);
        QFETCH(QStringList, marchAndWednesday);
        const FormatSettings s = FormatSettings::fromLocale(QLocale(locale));
        QCOMPARE((QStringList{s.shortDateFormat, s.longDateFormat, s.shortTimeFormat, s.longTimeFormat}), formats);
        QCOMPARE(QString(s.dateSeparator) + s.timeSeparator + s.decimalSeparator, separators);
        QCOMPARE((QStringList{s.timeAMString, s.timePMString}), designators);
        QCOMPARE(s.shortMonthNames.size(), 12);
        QCOMPARE(s.longMonthNames.size(), 12);
        QCOMPARE(s.shortDayNames.size(), 7);
        QCOMPARE(s.longDayNames.size(), 7);
        QCOMPARE((QStringList{s.shortMonthNames[2], s.longMonthNames[2], s.shortDayNames[3], s.longDayNames[3]}),
                 marchAndWednesday);
    }

    // Qt's hour letters, AM/PM markers, time zone and quoted text in other locales.
    void fromLocaleConvertsQtLetters_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("which");  // 0 short date, 1 long date, 2 short time, 3 long time
        QTest::addColumn<QString>("format");
        QTest::newRow("time zone in brackets") << "es_ES" << 3 << "h:mm:ss";
        QTest::newRow("time zone first") << "zh_CN" << 3 << "hh:mm:ss";
        QTest::newRow("time zone after a comma") << "sq_AL" << 3 << "h:mm:ss AMPM";
        QTest::newRow("designator first") << "ko_KR" << 2 << "AMPM h:mm";
        QTest::newRow("quoted words") << "pt_BR" << 1 << "dddd, d 'de' MMMM 'de' yyyy";
        QTest::newRow("quoted suffix") << "bg_BG" << 0 << "d.MM.yy 'г'.";
        QTest::newRow("dot as time separator") << "fi_FI" << 2 << "h.mm";
    }
    void fromLocaleConvertsQtLetters() {
        QFETCH(QString, locale);
        QFETCH(int, which);
        QFETCH(QString, format);
        const FormatSettings s = FormatSettings::fromLocale(QLocale(locale));
        const QString formats[] = {s.shortDateFormat, s.longDateFormat, s.shortTimeFormat, s.longTimeFormat};
        QCOMPARE(formats[which], format);
    }

    // Whatever the letters, a short date and a short time read as Qt writes them.
    void fromLocaleWritesAsQtDoes_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "de_DE", "en_GB", "fr_FR", "ja_JP", "ko_KR", "zh_CN", "fi_FI", "nl_NL",
                                 "hu_HU", "ru_RU", "sv_SE", "bg_BG", "pt_BR", "es_ES", "cs_CZ"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void fromLocaleWritesAsQtDoes() {
        QFETCH(QString, locale);
        const QLocale l(locale);
        const FormatSettings s = FormatSettings::fromLocale(l);
        for (const QTime time : {QTime(0, 5), QTime(9, 30), QTime(12, 0), QTime(23, 59)}) {
            const QDateTime dt(QDate(2005, 3, 16), time);
            QCOMPARE(FormatDateTime(QStringLiteral("t"), dt, s), l.toString(time, QLocale::ShortFormat));
        }
        for (const QDate date : {QDate(2005, 3, 16), QDate(1999, 12, 1), QDate(2010, 10, 31)})
            QCOMPARE(FormatDateTime(QStringLiteral("ddddd"), QDateTime(date, QTime()), s),
                     l.toString(date, QLocale::ShortFormat));
    }

    void fix2000_data() {
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("longTime");
        QTest::addColumn<QString>("fixedDate");
        QTest::addColumn<QString>("fixedTime");
        QTest::newRow("two-digit year") << "d/M/yy"
                                        << "h:mm:ss tt"
                                        << "d/M/yyyy"
                                        << "h:mm tt";
        QTest::newRow("month name") << "dd-MMM-yy"
                                    << "HH.mm.ss"
                                    << "dd-MM-yyyy"
                                    << "HH.mm";
        QTest::newRow("long month name loses one letter") << "d.MMMM.yy"
                                                          << "h:mm"
                                                          << "d.MMM.yyyy"
                                                          << "h:mm";
        QTest::newRow("year first") << "yy/MM/dd"
                                    << "hh mm ss"
                                    << "yyyy/MM/dd"
                                    << "hh mm ";
        QTest::newRow("already four digits") << "yyyy-MM-dd"
                                             << "h:mm:ss.ss"
                                             << "yyyy-MM-dd"
                                             << "h:mm.ss";
        QTest::newRow("letters are case-sensitive") << "d/mmm/YY"
                                                    << "h:mm:SS"
                                                    << "d/mmm/YY"
                                                    << "h:mm:SS";
    }
    void fix2000() {
        QFETCH(QString, shortDate);
        QFETCH(QString, longTime);
        QFETCH(QString, fixedDate);
        QFETCH(QString, fixedTime);
        FormatSettings s;
        s.shortDateFormat = shortDate;
        s.longTimeFormat = longTime;
        ::fix2000(s);
        QCOMPARE(s.shortDateFormat, fixedDate);
        QCOMPARE(s.longTimeFormat, fixedTime);
    }

    // Every format the program writes, under the adjusted settings.
    void programFormats_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        const QString us = QStringLiteral("en_US");
        QTest::newRow("us ddd ddddd") << us << "ddd ddddd"
                                      << "Wed 3/16/2005";
        QTest::newRow("us dddddd") << us << "dddddd"
                                   << "Wednesday, March 16, 2005";
        QTest::newRow("us dddddd tt") << us << "dddddd tt"
                                      << "Wednesday, March 16, 2005 2:05 PM";
        QTest::newRow("us t") << us << "t"
                              << "2:05 PM";
        QTest::newRow("us c") << us << "c"
                              << "3/16/2005 2:05 PM";
        QTest::newRow("us mmmm yyyy") << us << "mmmm yyyy"
                                      << "March 2005";
        QTest::newRow("us yyyymmdd") << us << "yyyymmdd"
                                     << "20050316";
        QTest::newRow("us dd/mm/yyyy") << us << "dd/mm/yyyy"
                                       << "16/03/2005";
        QTest::newRow("us m_yyyy") << us << "m_yyyy"
                                   << "3_2005";
        QTest::newRow("us dddd") << us << "dddd"
                                 << "Wednesday";
        QTest::newRow("us ddd") << us << "ddd"
                                << "Wed";
        const QString de = QStringLiteral("de_DE");
        QTest::newRow("de ddd ddddd") << de << "ddd ddddd"
                                      << "Mi 16.03.2005";
        QTest::newRow("de dddddd") << de << "dddddd"
                                   << "Mittwoch, 16. März 2005";
        QTest::newRow("de dddddd tt") << de << "dddddd tt"
                                      << "Mittwoch, 16. März 2005 14:05";
        QTest::newRow("de t") << de << "t"
                              << "14:05";
        QTest::newRow("de c") << de << "c"
                              << "16.03.2005 14:05";
        QTest::newRow("de mmmm yyyy") << de << "mmmm yyyy"
                                      << "März 2005";
        QTest::newRow("de yyyymmdd") << de << "yyyymmdd"
                                     << "20050316";
        // "/" is the date separator
        QTest::newRow("de dd/mm/yyyy") << de << "dd/mm/yyyy"
                                       << "16.03.2005";
        QTest::newRow("de m_yyyy") << de << "m_yyyy"
                                   << "3_2005";
        QTest::newRow("de dddd") << de << "dddd"
                                 << "Mittwoch";
        QTest::newRow("de ddd") << de << "ddd"
                                << "Mi";
    }
    void programFormats() {
        QFETCH(QString, locale);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QCOMPARE(FormatDateTime(format, kAfternoon, fixedSettings(locale.toLatin1().constData())), text);
    }

    void letters_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        const QTime afternoon = kAfternoon.time();
        QTest::newRow("all the time letters") << "hh:nn:ss.zzz" << afternoon << "14:05:09.007";
        QTest::newRow("short forms") << "h n s z" << QTime(7, 3, 2, 5) << "7 3 2 5";
        QTest::newRow("m after h is minutes") << "h mm" << afternoon << "14 05";
        QTest::newRow("m after n is the month") << "h:nn mm" << afternoon << "14:05 03";
        QTest::newRow("month names") << "mmm MMMM" << afternoon << "Mar March";
        QTest::newRow("letters in any case") << "DD/MM/YY" << afternoon << "16/03/05";
        QTest::newRow("lower-case designator") << "h:mm am/pm" << afternoon << "2:05 pm";
        QTest::newRow("upper-case designator") << "h:mm AM/PM" << QTime(9, 0) << "9:00 AM";
        QTest::newRow("one-letter designator") << "h a/p" << afternoon << "2 p";
        QTest::newRow("locale designator at midnight") << "hh:mm ampm" << QTime(0, 30) << "12:30 AM";
        QTest::newRow("noon") << "h ampm" << QTime(12, 0) << "12 PM";
        QTest::newRow("designator before the hour") << "ampm h:nn" << afternoon << "PM 2:05";
        QTest::newRow("quoted letters") << "'d' d \"m\" m" << afternoon << "d 16 m 3";
        QTest::newRow("a quote in the other quotes") << "\"it's\" yyyy" << afternoon << "it's 2005";
        QTest::newRow("other characters copied") << "d#x" << afternoon << "16#x";
        QTest::newRow("time formats") << "t|tt" << afternoon << "2:05 PM|2:05 PM";
        QTest::newRow("c at midnight has no time") << "c" << QTime(0, 0) << "3/16/2005";
        QTest::newRow("c just after midnight") << "c" << QTime(0, 0, 1) << "3/16/2005 12:00 AM";
    }
    void letters() {
        QFETCH(QString, format);
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QCOMPARE(FormatDateTime(format, QDateTime(kAfternoon.date(), time), fixedSettings("en_US")), text);
    }

    // A month beside a day number takes the form the language gives it there.
    void monthNamesBesideADay() {
        const FormatSettings s = fixedSettings("ru_RU");
        QCOMPARE(FormatDateTime(QStringLiteral("dddddd"), kAfternoon, s), QStringLiteral("среда, 16 марта 2005 г."));
        QCOMPARE(FormatDateTime(QStringLiteral("mmmm yyyy"), kAfternoon, s), QStringLiteral("март 2005"));
        QCOMPARE(s.longMonthNames[2], QStringLiteral("март"));
    }

    void processSettingsFollowTheLocale() {
        FormatSettings& settings = ProcessFormatSettings();
        QCOMPARE(settings.decimalSeparator, QLatin1Char('.'));
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        ResetFormatSettings();
        QCOMPARE(settings.decimalSeparator, QLatin1Char(','));  // rebuilt in place
        QCOMPARE(FormatDateTime(QStringLiteral("mmmm"), ToDateValue(QDate(2005, 3, 16))), QStringLiteral("März"));
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        ResetFormatSettings();
        QCOMPARE(FormatDateTime(QStringLiteral("mmmm"), kAfternoon), QStringLiteral("March"));
    }

    void tryStrToTime_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<QTime>("time");
        const QString us = QStringLiteral("en_US");
        QTest::newRow("short") << us << "9:05" << true << QTime(9, 5);
        QTest::newRow("PM") << us << "9:05 PM" << true << QTime(21, 5);
        QTest::newRow("pm without blank") << us << "9:05pm" << true << QTime(21, 5);
        QTest::newRow("12 AM") << us << "12:00 AM" << true << QTime(0, 0);
        QTest::newRow("12 PM") << us << "12:30 PM" << true << QTime(12, 30);
        QTest::newRow("24-hour with seconds") << us << "21:05:30" << true << QTime(21, 5, 30);
        QTest::newRow("hour alone") << us << "21" << true << QTime(21, 0);
        QTest::newRow("blanks around") << us << " 7:15 " << true << QTime(7, 15);
        QTest::newRow("empty") << us << "" << false << QTime();
        QTest::newRow("hour 25") << us << "25:00" << false << QTime();
        QTest::newRow("minute 60") << us << "9:60" << false << QTime();
        QTest::newRow("13 PM") << us << "13:00 PM" << false << QTime();
        QTest::newRow("trailing junk") << us << "9:05x" << false << QTime();
        QTest::newRow("missing minutes") << us << "9:" << false << QTime();
        QTest::newRow("letters") << us << "noon" << false << QTime();
        const QString de = QStringLiteral("de_DE");
        QTest::newRow("de 24-hour") << de << "14:05" << true << QTime(14, 5);
        QTest::newRow("de English designator") << de << "2:05 PM" << true << QTime(14, 5);
        const QString fi = QStringLiteral("fi_FI");
        QTest::newRow("fi dot separator") << fi << "14.05" << true << QTime(14, 5);
    }
    void tryStrToTime() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, reads);
        QFETCH(QTime, time);
        double value = -1;
        QCOMPARE(TryStrToTime(text, value, fixedSettings(locale.toLatin1().constData())), reads);
        if (reads)
            QCOMPARE(value, time.msecsSinceStartOfDay() / 86400000.0);
    }

    void tryStrToDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");  // invalid: does not read
        const QString us = QStringLiteral("en_US");
        QTest::newRow("month first") << us << "3/16/2005" << QDate(2005, 3, 16);
        QTest::newRow("two-digit year") << us << "3/16/05" << QDate(2005, 3, 16);
        QTest::newRow("two-digit year 99 is this century") << us << "12/1/99" << QDate(2099, 12, 1);
        QTest::newRow("day first does not read") << us << "16/3/2005" << QDate();
        QTest::newRow("no such day") << us << "2/30/2005" << QDate();
        QTest::newRow("two numbers") << us << "3/16" << QDate();
        QTest::newRow("four numbers") << us << "3/16/2005/1" << QDate();
        QTest::newRow("letters") << us << "Mar/16/2005" << QDate();
        const QString de = QStringLiteral("de_DE");
        QTest::newRow("de day first") << de << "16.03.2005" << QDate(2005, 3, 16);
        QTest::newRow("de short numbers") << de << "1.2.05" << QDate(2005, 2, 1);
        QTest::newRow("year first") << "sv_SE"
                                    << "2005-03-16" << QDate(2005, 3, 16);
    }
    void tryStrToDate() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        TestPlatform p;  // the clock's century for two-digit years
        QDate value;
        QCOMPARE(TryStrToDate(text, value, fixedSettings(locale.toLatin1().constData())), date.isValid());
        if (date.isValid())
            QCOMPARE(value, date);
    }
};

QTEST_GUILESS_MAIN(TestFormatSettings)
#include "test_formatsettings.moc"
