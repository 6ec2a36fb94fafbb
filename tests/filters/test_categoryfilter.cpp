#include <QtTest>

#include "categoryfixtures.h"
#include "filters/categoryfilter.h"
#include "support/testsupport.h"

class TestCategoryFilter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void inUse_data() {
        QTest::addColumn<QStringList>("store");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inUse");
        QTest::newRow("same spelling") << QStringList{"Home", "Work"} << "Work" << true;
        QTest::newRow("other case of A to Z") << QStringList{"Home", "WORK"} << "wOrk" << true;
        QTest::newRow("done tasks count") << QStringList{"Home=Yes"} << "home" << true;
        QTest::newRow("absent") << QStringList{"Home", "Work"} << "Gym" << false;
        QTest::newRow("letters beyond Z keep their case")
            << QStringList{QString::fromUtf8("CAFÉ")} << QString::fromUtf8("café") << false;
        QTest::newRow("no partial match") << QStringList{"Workshop"} << "Work" << false;
        QTest::newRow("empty store") << QStringList{} << "Work" << false;
    }

    void inUse() {
        QFETCH(QStringList, store);
        QFETCH(QString, name);
        QFETCH(bool, inUse);
        QCOMPARE(IsCategoryInUse(StoreWith(store), name), inUse);
    }

    void headingRowIsNotATask() {
        GridTable store = StoreWith({"Home"});
        store.setCell(2, 0, QStringLiteral("Category"));
        QVERIFY(!IsCategoryInUse(store, QStringLiteral("Category")));
    }

    void updateFilterListWritesBothFilesInFilterOrder() {
        TestPlatform platform;
        TaskFilter filter;
        SetCategories(filter, {"Work", "-Home", "Old", "-Gone"});
        UpdateFilterList(filter, {"Gym", "home", "Work", "Zoo"}, {"Gone", "old"}, platform.folder());
        QCOMPARE(Ticks(filter), (QStringList{"Work", "-Home", "Gym", "Zoo"}));
        QCOMPARE(platform.readFile(QStringLiteral("category.yyy")), QByteArray("Work\r\nGym\r\nZoo\r\n"));
        QCOMPARE(platform.readFile(QStringLiteral("category.xxx")), QByteArray("Work\r\nHome\r\nGym\r\nZoo\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCategoryFilter)
#include "test_categoryfilter.moc"
