#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "categoryfixtures.h"
#include "filters/filter.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"
#include "support/whenmodal.h"

namespace {

const QString kBothOff = QStringLiteral(
    "By un-checking both DONE and NOTDONE items you have effectively eliminated ALL tasks from appearing on the "
    "calendar.  New events will seem to disappear!");

QStringList Checks(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        out << (item->checkState() == Qt::Checked ? item->text() : QLatin1Char('-') + item->text());
    }
    return out;
}

QString Setting(const QString& section, const QString& ident) {
    return SettingsStore::readString(section, ident, QStringLiteral("(none)"));
}

// The filter window created as at start over files written beforehand, then shown.
struct Fixture {
    TestPlatform platform;
    TaskFilter filter;
    std::unique_ptr<TfrmFilter> window;

    explicit Fixture(const QByteArray& xxx, const QByteArray& yyy = QByteArray(), bool show = true) {
        if (!xxx.isNull())
            platform.writeFile(QStringLiteral("category.xxx"), xxx);
        if (!yyy.isNull())
            platform.writeFile(QStringLiteral("category.yyy"), yyy);
        window = std::make_unique<TfrmFilter>(filter);
        if (show)
            showWindow();
    }
    void showWindow() {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // Toggles a category's tick with the keyboard, as a user does.
    void toggle(const QString& name) {
        QListWidget* list = window->cbWhat;
        const QList<QListWidgetItem*> hits = list->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        QVERIFY2(hits.size() == 1, qPrintable(name));
        list->setFocus();
        list->setCurrentItem(hits.first());
        QTest::keyClick(list, Qt::Key_Space);
    }
    QString title() const { return window->lblTitle->text(); }
};

}  // namespace

class TestFilter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void controls() {
        Fixture f("Home\r\n");
        TfrmFilter& w = *f.window;
        QCOMPARE(w.objectName(), QStringLiteral("frmFilter"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Task Filters"));
        QVERIFY(w.windowFlags().testFlag(Qt::Tool));
        QCOMPARE(w.cbNotDone->text(), QStringLiteral("       &Not done items"));
        QCOMPARE(w.cbDone->text(), QStringLiteral("     &Done "));
        QCOMPARE(w.pnlNotDone->caption(), QStringLiteral("&Not Done Items"));
        QCOMPARE(w.pnlDone->caption(), QStringLiteral("&Done Items"));
        QCOMPARE(w.lblCategories->text(), QStringLiteral("&Categories"));
        QCOMPARE(w.lblCategories->buddy(), w.cbWhat);
        QCOMPARE(w.btAll->text(), QStringLiteral("&All"));
        QCOMPARE(w.btAll->toolTip(), QStringLiteral("Select all categories"));
        QCOMPARE(w.btNone->text(), QStringLiteral("&None"));
        QCOMPARE(w.btNone->toolTip(), QStringLiteral("Clear all categories"));
        QCOMPARE(w.btFiltersOff->text(), QStringLiteral("&Filters off"));
        QCOMPARE(w.btOK->text(), QStringLiteral("OK"));
        QVERIFY(w.btOK->isDefault());
        QCOMPARE(w.btHelp->text(), QStringLiteral("&Help"));
        QVERIFY(!w.btHelp->isVisible());
        for (const char* name : {"cbWhat", "cbNotDone", "cbDone", "pnlNotDone", "pnlDone", "lblTitle", "btFiltersOff"})
            QVERIFY2(w.findChild<QWidget*>(QLatin1String(name)), name);
    }

    void loadsAtCreation_data() {
        QTest::addColumn<QByteArray>("xxx");
        QTest::addColumn<QByteArray>("yyy");
        QTest::addColumn<QString>("notDone");
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<bool>("notDoneShown");
        QTest::addColumn<QString>("title");
        QTest::newRow("ticks from category.yyy")
            << QByteArray("Work\r\nHome\r\nGym") << QByteArray("home\r\nWork\r\n") << QString()
            << QStringList{"Work", "Home", "-Gym"} << true << "Task Filters : On";
        QTest::newRow("without category.yyy every name") << QByteArray("Work\nHome\n") << QByteArray() << QString()
                                                         << QStringList{"Work", "Home"} << true << "Task Filters : Off";
        QTest::newRow("no files") << QByteArray() << QByteArray() << QString() << QStringList{} << true
                                  << "Task Filters : Off";
        QTest::newRow("not-done tasks hidden")
            << QByteArray("Work\r\n") << QByteArray() << "0" << QStringList{"Work"} << false << "Task Filters : On";
        QTest::newRow("unreadable switch")
            << QByteArray("Work\r\n") << QByteArray() << "no" << QStringList{"Work"} << true << "Task Filters : Off";
    }

    void loadsAtCreation() {
        QFETCH(QByteArray, xxx);
        QFETCH(QByteArray, yyy);
        QFETCH(QString, notDone);
        QFETCH(QStringList, checks);
        QFETCH(bool, notDoneShown);
        QFETCH(QString, title);
        TestPlatform platform;
        if (!xxx.isNull())
            platform.writeFile(QStringLiteral("category.xxx"), xxx);
        if (!yyy.isNull())
            platform.writeFile(QStringLiteral("category.yyy"), yyy);
        if (!notDone.isNull())
            SettingsStore::writeString(QStringLiteral("Filter"), QStringLiteral("NotDone"), notDone);
        TaskFilter filter;
        filter.categories.append({QStringLiteral("Stale"), true});
        TfrmFilter window(filter);
        QCOMPARE(Checks(window.cbWhat), checks);
        QCOMPARE(Ticks(filter), checks);
        QCOMPARE(window.cbNotDone->isChecked(), notDoneShown);
        QCOMPARE(filter.notDoneShown, notDoneShown);
        QVERIFY(window.cbDone->isChecked());
        QCOMPARE(window.lblTitle->text(), title);
    }

    void remembersPlaceAndSize() {
        TestPlatform platform;
        TaskFilter filter;
        {
            TfrmFilter window(filter);
            QCOMPARE(window.pos(), QPoint(100, 100));
            QCOMPARE(window.size(), QSize(500, 400));
            window.move(130, 140);
            window.resize(520, 430);
        }
        QCOMPARE(Setting(QString(), QStringLiteral("FilterTop11")), QStringLiteral("140"));
        QCOMPARE(Setting(QString(), QStringLiteral("FilterLeft11")), QStringLiteral("130"));
        QCOMPARE(Setting(QString(), QStringLiteral("FilterWidth11")), QStringLiteral("520"));
        QCOMPARE(Setting(QString(), QStringLiteral("FilterHeight11")), QStringLiteral("430"));
        SettingsStore::deleteKey(QString(), QStringLiteral("FilterWidth11"));
        TfrmFilter again(filter);
        QCOMPARE(again.pos(), QPoint(130, 140));
        QCOMPARE(again.size(), QSize(500, 430));
    }

    void liveChanges_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<bool>("notDone");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("title");
        QTest::newRow("untick a category")
            << QStringList{"Home"} << QStringList{"Work", "-Home"} << true << true << "Task Filters : On";
        QTest::newRow("untick and tick again")
            << QStringList{"Home", "Home"} << QStringList{"Work", "Home"} << true << true << "Task Filters : Off";
        QTest::newRow("None") << QStringList{"btNone"} << QStringList{"-Work", "-Home"} << true << true
                              << "Task Filters : On";
        QTest::newRow("All after None") << QStringList{"btNone", "btAll"} << QStringList{"Work", "Home"} << true << true
                                        << "Task Filters : Off";
        QTest::newRow("red panel") << QStringList{"pnlNotDone"} << QStringList{"Work", "Home"} << false << true
                                   << "Task Filters : On";
        QTest::newRow("aqua panel twice")
            << QStringList{"pnlDone", "pnlDone"} << QStringList{"Work", "Home"} << true << true << "Task Filters : Off";
        QTest::newRow("done box") << QStringList{"cbDone"} << QStringList{"Work", "Home"} << true << false
                                  << "Task Filters : On";
    }

    void liveChanges() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, ticks);
        QFETCH(bool, notDone);
        QFETCH(bool, done);
        QFETCH(QString, title);
        Fixture f("Work\r\nHome\r\n");
        QCOMPARE(f.title(), QStringLiteral("Task Filters : Off"));
        for (const QString& step : steps) {
            if (auto* panel = f.window->findChild<FilterPanel*>(step))
                QTest::mouseClick(panel, Qt::LeftButton);
            else if (auto* button = f.window->findChild<QAbstractButton*>(step))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                f.toggle(step);
        }
        QCOMPARE(Ticks(f.filter), ticks);
        QCOMPARE(Checks(f.window->cbWhat), ticks);
        QCOMPARE(f.filter.notDoneShown, notDone);
        QCOMPARE(f.window->cbNotDone->isChecked(), notDone);
        QCOMPARE(f.filter.doneShown, done);
        QCOMPARE(f.window->cbDone->isChecked(), done);
        QCOMPARE(f.title(), title);
        QVERIFY(f.window->isVisible());
        QVERIFY(!QFile::exists(f.platform.path(QStringLiteral("category.yyy"))));
    }

    void escapeKeepsTheChangesForTheRun() {
        Fixture f("Gym\r\nHome\r\nWork\r\n", "Home\r\nWork\r\n");
        QSignalSpy applied(f.window.get(), &TfrmFilter::filterApplied);
        QCOMPARE(Ticks(f.filter), (QStringList{"-Gym", "Home", "Work"}));
        f.toggle(QStringLiteral("Home"));
        QTest::mouseClick(f.window->cbDone, Qt::LeftButton);
        QTest::keyClick(f.window->cbWhat, Qt::Key_Escape);
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.filter.passes(QStringLiteral("No"), QStringLiteral("Home")));
        QVERIFY(f.filter.passes(QStringLiteral("No"), QStringLiteral("Work")));
        QVERIFY(!f.filter.passes(QStringLiteral("Yes"), QStringLiteral("Work")));
        QCOMPARE(f.platform.readFile(QStringLiteral("category.yyy")), QByteArray("Home\r\nWork\r\n"));
        QCOMPARE(Setting(QStringLiteral("Filter"), QStringLiteral("Done")), QStringLiteral("0"));
        QCOMPARE(Setting(QStringLiteral("Filter"), QStringLiteral("NotDone")), QStringLiteral("1"));
        QCOMPARE(applied.count(), 0);
        // Showing again ticks what category.yyy names and nothing else.
        f.showWindow();
        QCOMPARE(Ticks(f.filter), (QStringList{"-Gym", "Home", "Work"}));
        QCOMPARE(Checks(f.window->cbWhat), (QStringList{"-Gym", "Home", "Work"}));
        QVERIFY(!f.window->cbDone->isChecked());
        QCOMPARE(f.title(), QStringLiteral("Task Filters : On"));
    }

    void showingWithoutSelectedFileTicksEveryName() {
        Fixture f("Home\r\nWork\r\n");
        f.toggle(QStringLiteral("Work"));
        QTest::keyClick(f.window->cbWhat, Qt::Key_Escape);
        f.filter.categories.append({QStringLiteral("Gym"), false});
        f.showWindow();
        QCOMPARE(Checks(f.window->cbWhat), (QStringList{"Home", "Work", "Gym"}));
    }

    void ok_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("yyy");
        QTest::addColumn<QString>("notDone");
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("error");
        QTest::newRow("ticked names in list order") << QStringList{"Home"} << QByteArray("Work\r\nGym\r\n") << "1"
                                                    << "1" << QString();
        QTest::newRow("no names ticked") << QStringList{"btNone"} << QByteArray() << "1"
                                         << "1" << QString();
        QTest::newRow("both boxes off") << QStringList{"cbNotDone", "cbDone"} << QByteArray("Work\r\nHome\r\nGym\r\n")
                                        << "0"
                                        << "0" << kBothOff;
    }

    void ok() {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, yyy);
        QFETCH(QString, notDone);
        QFETCH(QString, done);
        QFETCH(QString, error);
        Fixture f("Work\r\nHome\r\nGym\r\n");
        int boxesWhenApplied = -1;
        connect(f.window.get(), &TfrmFilter::filterApplied, this,
                [&] { boxesWhenApplied = int(f.platform.dialogs->boxes.size()); });
        for (const QString& step : steps) {
            if (auto* button = f.window->findChild<QAbstractButton*>(step))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                f.toggle(step);
        }
        f.window->btOK->click();
        QCOMPARE(f.window->result(), int(QDialog::Accepted));
        QVERIFY(!f.window->isVisible());
        QCOMPARE(boxesWhenApplied, 0);
        QCOMPARE(f.platform.readFile(QStringLiteral("category.yyy")), yyy);
        QVERIFY(QFile::exists(f.platform.path(QStringLiteral("category.yyy"))));
        QCOMPARE(Setting(QStringLiteral("Filter"), QStringLiteral("NotDone")), notDone);
        QCOMPARE(Setting(QStringLiteral("Filter"), QStringLiteral("Done")), done);
        QCOMPARE(f.platform.dialogs->texts(), error.isEmpty() ? QStringList() : QStringList{error});
        if (!error.isEmpty())
            QCOMPARE(f.platform.dialogs->boxes.first().kind, BoxKind::Error);
    }

    void filtersOffShowsEverything() {
        Fixture f("Work\r\nHome\r\n", "Work\r\n");
        QTest::mouseClick(f.window->cbNotDone, Qt::LeftButton);
        QTest::mouseClick(f.window->cbDone, Qt::LeftButton);
        QSignalSpy applied(f.window.get(), &TfrmFilter::filterApplied);
        QTest::mouseClick(f.window->btFiltersOff, Qt::LeftButton);
        QCOMPARE(applied.count(), 1);
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.window->result(), int(QDialog::Accepted));
        QVERIFY(!f.filter.isActive());
        QCOMPARE(Checks(f.window->cbWhat), (QStringList{"Work", "Home"}));
        QVERIFY(f.window->cbNotDone->isChecked() && f.window->cbDone->isChecked());
        QCOMPARE(f.title(), QStringLiteral("Task Filters : Off"));
        QCOMPARE(f.platform.readFile(QStringLiteral("category.yyy")), QByteArray("Work\r\nHome\r\n"));
        QCOMPARE(Setting(QStringLiteral("Filter"), QStringLiteral("NotDone")), QStringLiteral("1"));
        QCOMPARE(Setting(QStringLiteral("Filter"), QStringLiteral("Done")), QStringLiteral("1"));
        QVERIFY(f.platform.dialogs->boxes.isEmpty());
    }

    void showModallyRunsUntilClosed() {
        Fixture f("Work\r\n", QByteArray(), false);
        WhenModal<TfrmFilter>([](TfrmFilter* w) {
            QVERIFY(w);
            QTest::keyClick(w->cbWhat, Qt::Key_Return);
        });
        QCOMPARE(f.window->showModally(), int(QDialog::Accepted));
        QCOMPARE(f.platform.readFile(QStringLiteral("category.yyy")), QByteArray("Work\r\n"));
    }

    void updateFilterList() {
        Fixture f("Work\r\nHome\r\nOld\r\n", "Work\r\nOld\r\n");
        f.window->UpdateFilterList({"Gym", "home", "Work"}, {"Old"});
        QCOMPARE(Checks(f.window->cbWhat), (QStringList{"Work", "-Home", "Gym"}));
        QCOMPARE(f.title(), QStringLiteral("Task Filters : On"));
        QCOMPARE(f.platform.readFile(QStringLiteral("category.yyy")), QByteArray("Work\r\nGym\r\n"));
        QCOMPARE(f.platform.readFile(QStringLiteral("category.xxx")), QByteArray("Work\r\nHome\r\nGym\r\n"));
    }

    void mainWindowDisplay_data() {
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<bool>("doneShown");
        QTest::addColumn<bool>("on");
        QTest::newRow("nothing hidden") << QStringList{"Work", "Home"} << true << false;
        QTest::newRow("empty list") << QStringList{} << true << false;
        QTest::newRow("a category hidden") << QStringList{"Work", "-Home"} << true << true;
        QTest::newRow("done tasks hidden") << QStringList{} << false << true;
    }

    void mainWindowDisplay() {
        QFETCH(QStringList, categories);
        QFETCH(bool, doneShown);
        QFETCH(bool, on);
        TaskFilter filter;
        SetCategories(filter, categories);
        filter.doneShown = doneShown;
        const FilterDisplay d = TfrmFilter::display(&filter);
        QCOMPARE(d.caption, on ? QStringLiteral("FILTERS ON") : QStringLiteral("Filters"));
        QCOMPARE(d.imageIndex, on ? 11 : 10);
        QCOMPARE(d.panelColor, on ? QColor(248, 252, 201) : QApplication::palette().color(QPalette::Button));
    }

    void noFilterShowsOff() {
        const FilterDisplay d = TfrmFilter::display(nullptr);
        QCOMPARE(d.caption, QStringLiteral("Filters"));
        QCOMPARE(d.imageIndex, 10);
    }
};

QTEST_MAIN(TestFilter)
#include "test_filter.moc"
