// Form-state entries applied to a real window: restoring from the stored values or the
// defaults, skipping what does not fit, and saving the window's bounds.

#include <QSettings>
#include <QSplitter>
#include <QtTest>

#include "settings/formstate.h"
#include "settings/layoutmemory.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

namespace {

QWidget* window(const char* name) {
    auto* w = new QWidget;
    w->setObjectName(QLatin1String(name));
    w->setGeometry(10, 20, 200, 150);
    return w;
}

}  // namespace

class TestFormState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }

    void restoresStoredValuesOrDefaults_data() {
        QTest::addColumn<QString>("stored");  // value=text pairs, ";" between them
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("nothing stored") << "" << QRect(100, 100, 500, 400);
        QTest::newRow("all stored") << "FilterTop11=60;FilterLeft11=70;FilterWidth11=320;FilterHeight11=240"
                                    << QRect(70, 60, 320, 240);
        QTest::newRow("one stored") << "FilterWidth11=610" << QRect(100, 100, 610, 400);
        // A text that is not a number leaves the property as it was.
        QTest::newRow("unreadable") << "FilterTop11=high" << QRect(100, 20, 500, 400);
    }
    void restoresStoredValuesOrDefaults() {
        QFETCH(QString, stored);
        QFETCH(QRect, geometry);
        TestPlatform p;
        for (const QString& pair : stored.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            SettingsStore::writeString(QString(), pair.section(QLatin1Char('='), 0, 0),
                                       pair.section(QLatin1Char('='), 1));
        std::unique_ptr<QWidget> w(window("frmFilter"));
        RestoreFormState(w.get(), FilterFormState());
        QCOMPARE(QRect(w->pos(), w->size()), geometry);
    }

    void savesTheCurrentBounds() {
        TestPlatform p;
        std::unique_ptr<QWidget> w(window("frmYear"));
        w->setGeometry(33, 44, 420, 300);
        SaveFormState(w.get(), YearFormState());
        QSettings raw(Platform::settingsFile(), QSettings::IniFormat);
        QCOMPARE(raw.value("YearTop").toString(), QStringLiteral("44"));
        QCOMPARE(raw.value("YearLeft").toString(), QStringLiteral("33"));
        QCOMPARE(raw.value("YearWidth").toString(), QStringLiteral("420"));
        QCOMPARE(raw.value("YearHeight").toString(), QStringLiteral("300"));

        std::unique_ptr<QWidget> next(window("frmYear"));
        RestoreFormState(next.get(), YearFormState());
        QCOMPARE(next->geometry(), QRect(33, 44, 420, 300));
    }

    void controlsAndOtherPropertiesByName() {
        TestPlatform p;
        std::unique_ptr<QWidget> w(window("frmTest"));
        auto* splitter = new QSplitter(w.get());
        splitter->setObjectName(QStringLiteral("pnlSide"));
        splitter->setGeometry(0, 0, 50, 50);
        const QString key = QString::fromLatin1(kProgramKey);
        const QStringList entries{QStringLiteral("pnlSide;Width;%1;SideWidth;120;1").arg(key),
                                  QStringLiteral("pnlSide;handleWidth;%1;SideHandle;9;1").arg(key),
                                  QStringLiteral("pnlMissing;Width;%1;Gone;1;1").arg(key),
                                  QStringLiteral("frmTest;NoSuchProperty;%1;Nothing;1;1").arg(key)};
        RestoreFormState(w.get(), entries);
        QCOMPARE(splitter->width(), 120);
        QCOMPARE(splitter->handleWidth(), 9);
        SaveFormState(w.get(), entries);
        QCOMPARE(SettingsStore::readString(QString(), QStringLiteral("SideHandle"), QString()), QStringLiteral("9"));
        QVERIFY(!SettingsStore::valueExists(QString(), QStringLiteral("Gone")));
        QVERIFY(!SettingsStore::valueExists(QString(), QStringLiteral("Nothing")));
    }
};

QTEST_MAIN(TestFormState)
#include "test_formstate.moc"
