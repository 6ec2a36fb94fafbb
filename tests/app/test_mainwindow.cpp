// The main window on a temporary application folder: refusal to start without its
// files, the status clock, form-level keys, the version reminder, Exit and closing.

#include <QtTest>

#include <QLabel>
#include <QMenuBar>
#include <QTableView>

#include "app/application.h"
#include "app/main.h"
#include "app/singleinstance.h"
#include "app/taskfilter.h"
#include "common/calvoraerror.h"
#include "common/datevalue.h"
#include "data/gridtable.h"
#include "data/tablefile.h"
#include "support/testsupport.h"

namespace {

const QByteArray kStore =
    "6,3\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n"
    "0,1,38428.101\r\n1,1,9:00 AM\r\n2,1,Work\r\n3,1,later\r\n4,1,No\r\n5,1,No\r\n"
    "0,2,38427.101\r\n1,2,8:00 AM\r\n2,2,Work\r\n3,2,Plan the week\r\n4,2,No\r\n5,2,Yes\r\n";
const QByteArray kTodo =
    "3,2\r\ncw 0,84\r\ncw 1,476\r\ncw 2,54\r\n0,0,Category\r\n1,0,What\r\n2,0,Done?\r\n"
    "0,1,Home\r\n1,1,Pay bills\r\n2,1,No\r\n";
// 16 March 2005, the fixed clock's day.
const int kToday = 38427;

QString statusText(TfrmMain& w) { return w.findChild<QLabel*>(QStringLiteral("StatusText"))->text(); }

class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw CalvoraError(QStringLiteral("Cannot Create /nowhere/grid.grd"));
        return QObject::event(e);
    }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }

    void refusesToStartWithoutItsFiles_data() {
        QTest::addColumn<bool>("haveStore");
        QTest::addColumn<bool>("haveTodo");
        QTest::addColumn<QString>("message");
        QTest::newRow("no grid.grd") << false << true << "Grid.grd file not found!";
        QTest::newRow("no gridNon.grd") << true << false << "GridNon.grd file not found!";
    }
    void refusesToStartWithoutItsFiles() {
        QFETCH(bool, haveStore);
        QFETCH(bool, haveTodo);
        QFETCH(QString, message);
        TestPlatform p;
        if (haveStore) p.writeFile(QStringLiteral("grid.grd"), kStore);
        if (haveTodo) p.writeFile(QStringLiteral("gridNon.grd"), kTodo);
        {
            TfrmMain w;
            QVERIFY(!w.FormCreate());
        }
        QCOMPARE(p.dialogs->boxes.size(), 1);
        QCOMPARE(p.dialogs->boxes[0].kind, BoxKind::Error);
        QCOMPARE(p.dialogs->boxes[0].text, message);
        QCOMPARE(p.sound->beeps, QList<BeepKind>{BeepKind::Exclamation});
        // Nothing was written, not even at destruction.
        QCOMPARE(QFile::exists(p.path(QStringLiteral("grid.grd"))), haveStore);
        QCOMPARE(QFile::exists(p.path(QStringLiteral("gridNon.grd"))), haveTodo);
        if (haveStore) QCOMPARE(p.readFile(QStringLiteral("grid.grd")), kStore);
    }

    void anUnreadableStoreIsNotOverwritten() {
        TestPlatform p;
        const QByteArray corrupt = "6,99999999999\r\n0,1,38427.101\r\n";
        p.writeFile(QStringLiteral("grid.grd"), corrupt);
        p.writeFile(QStringLiteral("gridNon.grd"), kTodo);
        {
            TfrmMain w;
            QVERIFY(!w.FormCreate());
        }
        QCOMPARE(p.dialogs->texts(), QStringList{"Cannot open file " + p.path(QStringLiteral("grid.grd"))});
        QCOMPARE(p.readFile(QStringLiteral("grid.grd")), corrupt);
    }

    void showsTodayAndTicksTheClock() {
        TestPlatform p;
        p.writeFile(QStringLiteral("grid.grd"), kStore);
        p.writeFile(QStringLiteral("gridNon.grd"), kTodo);
        TfrmMain w;
        TaskFilter filter;
        QVERIFY(w.FormCreate());
        w.setFilter(&filter);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QCOMPARE(w.windowTitle(), QStringLiteral("Calvora"));
        QCOMPARE(w.minimumWidth(), w.scaled(396));
        QCOMPARE(statusText(w), QStringLiteral("Today is Wednesday, March 16, 2005 9:30 AM"));
        p.clock->current = p.clock->current.addSecs(60);
        QTRY_COMPARE_WITH_TIMEOUT(statusText(w), QStringLiteral("Today is Wednesday, March 16, 2005 9:31 AM"), 3000);

        // The day list holds today's task; the to-do list its file's row.
        auto* day = w.findChild<QTableView*>(QStringLiteral("gridDay"));
        QCOMPARE(day->model()->rowCount(), 1);
        QCOMPARE(day->model()->index(0, 2).data().toString(), QStringLiteral("Plan the week"));
        QCOMPARE(day->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Alarm?"));
        auto* todo = w.findChild<QTableView*>(QStringLiteral("gridNonday"));
        QCOMPARE(todo->model()->index(0, 1).data().toString(), QStringLiteral("Pay bills"));

        // Timers as created: flash off, the others on; the layout pass switched itself off.
        QVERIFY(w.timerPool().isActive(Trigger::AlarmCheck));
        QVERIFY(!w.timerPool().isActive(Trigger::PanelFlash));
        QVERIFY(w.timerPool().isActive(Trigger::Chime));
        QCOMPARE(w.timerPool().interval(Trigger::Chime), 15000);
        QTRY_VERIFY(!w.timerPool().isActive(Trigger::SplitterHighlight));

        // Any key released shows the date alone; Escape does nothing.
        QTest::keyClick(day, Qt::Key_Escape);
        QCOMPARE(statusText(w), QStringLiteral("Today is Wednesday, March 16, 2005"));
        QVERIFY(w.isVisible());
        QVERIFY(p.dialogs->boxes.isEmpty());
        // First start: today's day number is kept for the version reminder, no box.
        QCOMPARE(QSettings(Platform::settingsFile(), QSettings::IniFormat).value("Options/Days").toString(),
                 QString::number(kToday));
    }

    void versionReminderAfterSixWeeks_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("reminds");
        QTest::newRow("42 days") << kToday - 42 << false;
        QTest::newRow("43 days") << kToday - 43 << true;
        QTest::newRow("43 days ahead") << kToday + 43 << true;
    }
    void versionReminderAfterSixWeeks() {
        QFETCH(int, stored);
        QFETCH(bool, reminds);
        TestPlatform p;
        p.writeFile(QStringLiteral("grid.grd"), kStore);
        p.writeFile(QStringLiteral("gridNon.grd"), kTodo);
        QSettings(Platform::settingsFile(), QSettings::IniFormat).setValue("Options/Days", QString::number(stored));
        TfrmMain w;
        QVERIFY(w.FormCreate());
        w.show();
        QCOMPARE(p.dialogs->boxes.size(), reminds ? 1 : 0);
        if (reminds) {
            QCOMPARE(p.dialogs->boxes[0].kind, BoxKind::Info);
            QCOMPARE(p.dialogs->boxes[0].text,
                     QStringLiteral("It has been over 6 weeks since checking for a new version.  Click on the Help | "
                                    "Version Check menu to make sure you have the latest version."));
        }
        QCOMPARE(QSettings(Platform::settingsFile(), QSettings::IniFormat).value("Options/Days").toInt(),
                 reminds ? kToday : stored);
    }

    void exitWritesBothFiles() {
        TestPlatform p;
        p.writeFile(QStringLiteral("grid.grd"), kStore);
        p.writeFile(QStringLiteral("gridNon.grd"), kTodo);
        TfrmMain w;
        QVERIFY(w.FormCreate());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QFile::remove(p.path(QStringLiteral("grid.grd")));
        QFile::remove(p.path(QStringLiteral("gridNon.grd")));

        auto* exit = w.findChild<QAction*>(QStringLiteral("Exit1"));
        QVERIFY(exit);
        QCOMPARE(exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier);

        QVERIFY(w.exitFlag());
        QVERIFY(w.alarmActive());
        QVERIFY(!w.timerPool().isActive(Trigger::StatusClock));
        QCOMPARE(p.sound->stops, 1);
        // The store comes back sorted by key; the to-do list as it was.
        GridTable store(1, 1), todo(1, 1);
        ReadTableFile(store, p.path(QStringLiteral("grid.grd")));
        QCOMPARE(store.rowCount(), 3);
        QCOMPARE(store.cell(0, 1), QStringLiteral("38427.101"));
        QCOMPARE(store.cell(0, 2), QStringLiteral("38428.101"));
        ReadTableFile(todo, p.path(QStringLiteral("gridNon.grd")));
        QCOMPARE(todo.cell(1, 1), QStringLiteral("Pay bills"));
        QCOMPARE(todo.cell(2, 0), QStringLiteral("Done?"));
    }

    void closingSavesAndDestructionSavesAgain() {
        TestPlatform p;
        p.writeFile(QStringLiteral("grid.grd"), kStore);
        p.writeFile(QStringLiteral("gridNon.grd"), kTodo);
        {
            TfrmMain w;
            QVERIFY(w.FormCreate());
            w.show();
            w.close();
            QVERIFY(!w.timerPool().isActive(Trigger::AlarmCheck));
            QVERIFY(QFile::exists(p.path(QStringLiteral("gridNon.grd"))));
            QFile::remove(p.path(QStringLiteral("grid.grd")));
        }
        QVERIFY(QFile::exists(p.path(QStringLiteral("grid.grd"))));
    }

    void aSecondCopyAsksTheFirstToComeForward() {
        const QString name = QStringLiteral("calvora-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(name);
        QVERIFY(first.becomePrimary());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);
        SingleInstance second(name);
        QVERIFY(!second.becomePrimary());
        QTRY_COMPARE(raised.count(), 1);
    }

    void uncaughtErrorReachesOneErrorBox() {
        TestPlatform p;
        Thrower t;
        QEvent e(QEvent::User);
        QCoreApplication::sendEvent(&t, &e);
        QCOMPARE(p.dialogs->boxes.size(), 1);
        QCOMPARE(p.dialogs->boxes[0].kind, BoxKind::Error);
        QCOMPARE(p.dialogs->boxes[0].text, QStringLiteral("Cannot Create /nowhere/grid.grd"));
    }
};

int main(int argc, char** argv) {
    CalvoraApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_mainwindow.moc"
