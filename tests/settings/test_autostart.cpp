// The start-up entry: a desktop entry in the user's autostart folder that starts this
// executable, created and removed on request.

#include <QCoreApplication>
#include <QFile>
#include <QtTest>

#include "settings/autostart.h"
#include "support/testsupport.h"

class TestAutostart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        InitTestEnvironment();
        // Never the user's own autostart folder.
        QVERIFY(AutostartEntryPath().contains(QLatin1String("/.qttest/")));
        QVERIFY(AutostartEntryPath().endsWith(QLatin1String("/autostart/calvora.desktop")));
    }
    void init() { QFile::remove(AutostartEntryPath()); }
    void cleanup() { QFile::remove(AutostartEntryPath()); }

    void entryAppearsAndDisappears() {
        QVERIFY(!checkAutostart());
        QVERIFY(writeAutostart(true));
        QVERIFY(checkAutostart());
        QFile file(AutostartEntryPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(text.contains(QLatin1String("\nType=Application\n")));
        QVERIFY(text.contains(QStringLiteral("\nExec=%1\n").arg(QCoreApplication::applicationFilePath())));
        file.close();

        QVERIFY(writeAutostart(true));  // again: still one entry
        QVERIFY(writeAutostart(false));
        QVERIFY(!QFile::exists(AutostartEntryPath()));
        QVERIFY(!checkAutostart());
        QVERIFY(writeAutostart(false));  // nothing to remove is no failure
    }

    void execLineQuotesThePath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/calvora"
                               << "Exec=/usr/bin/calvora";
        QTest::newRow("blank") << "/opt/my apps/calvora"
                               << "Exec=\"/opt/my apps/calvora\"";
        QTest::newRow("percent") << "/opt/100%/calvora"
                                 << "Exec=/opt/100%%/calvora";
        QTest::newRow("double quote") << "/opt/a\"b/calvora"
                                      << "Exec=\"/opt/a\\\\\"b/calvora\"";
        QTest::newRow("dollar") << "/opt/$x/calvora"
                                << "Exec=\"/opt/\\\\$x/calvora\"";
    }
    void execLineQuotesThePath() {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        const QStringList lines = AutostartEntryText(path).split(QLatin1Char('\n'));
        QVERIFY2(lines.contains(exec), qPrintable(lines.join(QLatin1Char('|'))));
    }

    void entriesSwitchedOffOrEmptyDoNotCount_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::newRow("ours") << QByteArray("[Desktop Entry]\nType=Application\nExec=/usr/bin/calvora\n") << true;
        QTest::newRow("hidden by the desktop")
            << QByteArray("[Desktop Entry]\nExec=/usr/bin/calvora\nHidden=true\n") << false;
        QTest::newRow("no program") << QByteArray("[Desktop Entry]\nExec=\n") << false;
        QTest::newRow("other group") << QByteArray("[Desktop Action x]\nExec=/usr/bin/calvora\n") << false;
    }
    void entriesSwitchedOffOrEmptyDoNotCount() {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QVERIFY(writeAutostart(true));
        QFile file(AutostartEntryPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        QCOMPARE(checkAutostart(), present);
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
