// The message boxes, the cell-text conversions that never fail, and JoinPath.

#include <QRandomGenerator>
#include <QtTest>

#include <climits>

#include "common/basic.h"
#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "support/testsupport.h"

namespace {}  // namespace

class TestBasic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment("en_US"); }

    void messageBoxes() {
        TestPlatform p;
        ShowErrorMessage(QStringLiteral("e"));
        ShowWarningMessage(QStringLiteral("w"));
        ShowInfoMessage(QStringLiteral("i"));
        QCOMPARE(p.dialogs->boxes.size(), 3);
        QCOMPARE(p.dialogs->boxes[0].kind, BoxKind::Error);
        QCOMPARE(p.dialogs->boxes[0].caption, QStringLiteral("Error"));
        QCOMPARE(p.dialogs->boxes[1].kind, BoxKind::Warning);
        QCOMPARE(p.dialogs->boxes[1].caption, QStringLiteral("Warning"));
        QCOMPARE(p.dialogs->boxes[2].kind, BoxKind::Info);
        QCOMPARE(p.dialogs->boxes[2].caption, QStringLiteral("Information"));
        QCOMPARE(p.dialogs->texts(), (QStringList{"e", "w", "i"}));
        // the information box makes no sound
        QCOMPARE(p.sound->beeps, (QList<BeepKind>{BeepKind::Exclamation, BeepKind::Hand}));
    }

    void boolToYesNo() {
        QCOMPARE(BoolToYesNo(true), QStringLiteral("Yes"));
        QCOMPARE(BoolToYesNo(false), QStringLiteral("No"));
    }

    void safeStrToInt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("trailing letter") << "12a" << 0;
        QTest::newRow("negative") << "-7" << -7;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("surrounding blanks") << " 42 " << 42;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("decimal") << "1.5" << 0;
        QTest::newRow("blank inside") << "1 2" << 0;
        QTest::newRow("hex") << "0x10" << 0;
        QTest::newRow("largest") << "2147483647" << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << INT_MIN;
        QTest::newRow("overflow") << "2147483648" << 0;
        QTest::newRow("far overflow") << "99999999999999999999999" << 0;
    }
    void safeStrToInt() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(SafeStrToInt(text), value);
    }

    void dotStrToFloat_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        for (const char* locale : {"en_US", "de_DE"}) {
            const QString l = QString::fromLatin1(locale);
            QTest::addRow("%s task key", locale) << l << "38353.101" << 38353.101;
            QTest::addRow("%s trailing zeros", locale) << l << "38353.1000" << 38353.1;
            QTest::addRow("%s whole", locale) << l << "12" << 12.0;
            QTest::addRow("%s negative", locale) << l << "-2.5" << -2.5;
            QTest::addRow("%s empty", locale) << l << "" << 0.0;
            QTest::addRow("%s letters", locale) << l << "abc" << 0.0;
            QTest::addRow("%s digits then letters", locale) << l << "38353.1x" << 0.0;
            QTest::addRow("%s two dots", locale) << l << "1.234.5" << 0.0;
        }
        // the locale reads what has no dot, with its own separator
        QTest::newRow("de_DE comma") << "de_DE"
                                     << "1,5" << 1.5;
        QTest::newRow("en_US comma is no group separator") << "en_US"
                                                           << "1,234" << 0.0;
    }
    void dotStrToFloat() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        LocaleScope scope(locale.toLatin1().constData());
        QCOMPARE(DotStrToFloat(text), value);
    }

    // Task keys take a shortcut past the locale; it must read every key as the locale does.
    void dotStrToFloatAgreesWithTheLocale() {
        for (const char* name : {"en_US", "de_DE"}) {
            LocaleScope scope(name);
            const QLocale locale;
            QRandomGenerator random(7);
            for (int i = 0; i < 2000; ++i) {
                const QString whole = QString::number(random.bounded(1, 2000000));
                QString fraction = QString::number(random.bounded(0, 100000));
                fraction = QString(random.bounded(0, 3), QLatin1Char('0')) + fraction;
                const QString key = whole + QLatin1Char('.') + fraction;
                const double expected = locale.toDouble(whole + locale.decimalPoint() + fraction);
                QVERIFY2(DotStrToFloat(key) == expected, qPrintable(key));
                QCOMPARE(DotStrToFloat(whole), locale.toDouble(whole));
            }
        }
    }

    void safeStrToTime_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double now = ToDateValue(QDateTime(QDate(2005, 3, 16), QTime(9, 30)));  // the fixed clock
        QTest::newRow("24-hour") << "14:30" << 14.5 / 24;
        QTest::newRow("12-hour") << "2:30 PM" << 14.5 / 24;
        QTest::newRow("midnight") << "12:00 AM" << 0.0;
        QTest::newRow("empty") << "" << now;
        QTest::newRow("letters") << "soon" << now;
        QTest::newRow("out of range") << "25:00" << now;
    }
    void safeStrToTime() {
        QFETCH(QString, text);
        QFETCH(double, value);
        TestPlatform p;
        QCOMPARE(SafeStrToTime(text), value);
    }

    void joinPath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("separator added") << "/data"
                                         << "grid.grd" << QStringLiteral("/data") + QDir::separator() + "grid.grd";
        QTest::newRow("trailing separator kept single") << "/data/"
                                                        << "grid.grd"
                                                        << "/data/grid.grd";
        QTest::newRow("trailing backslash kept single") << "C:\\data\\"
                                                        << "grid.grd"
                                                        << "C:\\data\\grid.grd";
        QTest::newRow("no folder") << ""
                                   << "grid.grd"
                                   << "grid.grd";
    }
    void joinPath() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, path);
        QCOMPARE(JoinPath(folder, name), path);
    }
};

QTEST_GUILESS_MAIN(TestBasic)
#include "test_basic.moc"
