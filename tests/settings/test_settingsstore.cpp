// The settings store: every value a string, defaults for missing or unreadable values,
// and no caching between accesses.

#include <QtTest>

#include "settings/settingsstore.h"
#include "support/testsupport.h"

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }

    void integersAndBooleans_data() {
        QTest::addColumn<QString>("stored");  // a null text: no value at all
        QTest::addColumn<int>("asInteger");
        QTest::addColumn<bool>("asBool");
        // defaults used below: integer 7, Boolean true
        QTest::newRow("missing") << QString() << 7 << true;
        QTest::newRow("zero") << "0" << 0 << false;
        QTest::newRow("one") << "1" << 1 << true;
        QTest::newRow("negative") << "-1" << -1 << true;
        QTest::newRow("big colour number") << "16776960" << 16776960 << true;
        QTest::newRow("not a number") << "yes" << 7 << true;
        QTest::newRow("empty") << "" << 7 << true;
        QTest::newRow("trailing junk") << "12px" << 7 << true;
    }
    void integersAndBooleans() {
        QFETCH(QString, stored);
        QFETCH(int, asInteger);
        QFETCH(bool, asBool);
        TestPlatform p;
        if (!stored.isNull()) SettingsStore::writeString(QStringLiteral("Options"), QStringLiteral("Value"), stored);
        QCOMPARE(SettingsStore::readInteger(QStringLiteral("Options"), QStringLiteral("Value"), 7), asInteger);
        QCOMPARE(SettingsStore::readBool(QStringLiteral("Options"), QStringLiteral("Value"), true), asBool);
    }

    void valuesAreStoredAsText() {
        TestPlatform p;
        SettingsStore::writeBool(QStringLiteral("Filter"), QStringLiteral("Done"), false);
        SettingsStore::writeInteger(QStringLiteral("Options"), QStringLiteral("AlarmMin"), 15);
        SettingsStore::writeString(QStringLiteral("Master"), QStringLiteral("Passwd"), QStringLiteral("a=b;c"));
        QSettings raw(Platform::settingsFile(), QSettings::IniFormat);
        QCOMPARE(raw.value("Filter/Done").toString(), QStringLiteral("0"));
        QCOMPARE(raw.value("Options/AlarmMin").toString(), QStringLiteral("15"));
        QCOMPARE(SettingsStore::readString(QStringLiteral("Master"), QStringLiteral("Passwd"), QString()),
                 QStringLiteral("a=b;c"));
        QCOMPARE(SettingsStore::readString(QStringLiteral("Master"), QStringLiteral("None"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    void eachAccessSeesTheStoreAsItIsNow() {
        TestPlatform p;
        SettingsStore::writeInteger(QStringLiteral("Options"), QStringLiteral("Days"), 1);
        {
            QSettings other(Platform::settingsFile(), QSettings::IniFormat);
            other.setValue("Options/Days", "2");
        }
        QCOMPARE(SettingsStore::readInteger(QStringLiteral("Options"), QStringLiteral("Days"), -1), 2);
        SettingsStore::deleteKey(QStringLiteral("Options"), QStringLiteral("Days"));
        QVERIFY(!SettingsStore::valueExists(QStringLiteral("Options"), QStringLiteral("Days")));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
