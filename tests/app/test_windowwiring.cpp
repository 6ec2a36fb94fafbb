// The main window's side of its dialogs: the Filters command and what the window shows
// while filters are on, the Categories command, the editor's "..." button, the options
// dialog and the window layout memory.

#include <QListWidget>
#include <QRadioButton>
#include <QMenuBar>

#include "common/monthcalendar.h"
#include "filters/listbox.h"
#include "holidays/holiday.h"
#include "holidays/import.h"
#include "mainfixture.h"

namespace {
const QByteArray kStore =
    "6,3\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n"
    "0,1,38427.101\r\n1,1,9:00 AM\r\n2,1,Work\r\n3,1,report\r\n4,1,No\r\n5,1,No\r\n"
    "0,2,38427.102\r\n1,2,10:00 AM\r\n2,2,Home\r\n3,2,laundry\r\n4,2,No\r\n5,2,No\r\n";
}

class TestWindowWiring : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }
    void init() { Options() = ProgramOptions(); }

    void filtersCommandHidesTasksAndShowsFiltersOn() {
        MainFixture f(kStore);
        f.filter.categories = {{QStringLiteral("Work"), true}, {QStringLiteral("Home"), true}};
        QCOMPARE(f.action("Filters1")->text(), QStringLiteral("Filters"));
        WhenModal<TfrmFilter>([](TfrmFilter* w) {
            QVERIFY(w);
            w->cbWhat->item(1)->setCheckState(Qt::Unchecked);  // Home
            w->btOK->click();
        });
        f.trigger("Filters1");
        QCOMPARE(f.action("Filters1")->text(), QStringLiteral("FILTERS ON"));
        QWidget* panel = f.w().findChild<QWidget*>(QStringLiteral("Panel2"));
        QCOMPARE(panel->palette().color(panel->backgroundRole()), QColor(248, 252, 201));
        // The day list follows at once: only the Work task is left.
        QCOMPARE(f.day().rowCount(), 2);
        QCOMPARE(f.day().cell(2, 1), QStringLiteral("report"));
        QCOMPARE(f.platform.readFile(QStringLiteral("category.yyy")), QByteArray("Work\r\n"));

        WhenModal<TfrmFilter>([](TfrmFilter* w) { w->btFiltersOff->click(); });
        f.trigger("btFilter");
        QCOMPARE(f.action("Filters1")->text(), QStringLiteral("Filters"));
        QCOMPARE(f.day().rowCount(), 3);
    }

    void categoriesCommandAndTheEditorsButton() {
        MainFixture f(kStore);
        f.platform.writeFile(QStringLiteral("category.xxx"), "Work\r\n");
        f.platform.dialogs->inputs << QStringLiteral("Gym");
        WhenModal<TfrmListBox>([](TfrmListBox* w) {
            QVERIFY(w);
            QCOMPARE(w->windowTitle(), QStringLiteral("Edit Category Choices"));
            w->btAdd->click();
            w->btOK->click();
        });
        f.trigger("Categories1");
        QCOMPARE(f.platform.readFile(QStringLiteral("category.xxx")), QByteArray("Gym\r\nWork\r\n"));

        // In the editor, "..." offers the list and puts the chosen name into the field.
        QString chosen;
        onEditor([&chosen](TfrmEdit* e) {
            WhenModal<TfrmListBox>([](TfrmListBox* w) {
                w->lbList->clearSelection();
                w->lbList->item(0)->setSelected(true);  // Gym
                w->btOK->click();
            });
            e->btCategory->click();
            chosen = e->cbCategory->currentText();
            e->reject();
        });
        f.trigger("tbAdd1");
        QCOMPARE(chosen, QStringLiteral("Gym"));
    }

    void optionsTakeEffectAtOnceAndOkKeepsThem() {
        MainFixture f(kStore);
        QString title;
        bool struckAtOnce = true;
        WhenModal<TfrmOptions>([&](TfrmOptions* o) {
            title = o->windowTitle();
            o->rbMon->click();
            o->cbStrikeout->click();  // the lists follow at once
            struckAtOnce = Options().strikeOut;
            o->btOK->click();
        });
        f.trigger("Options1");
        QCOMPARE(title, QStringLiteral("Program Options"));
        QVERIFY(!struckAtOnce);
        QVERIFY(!Options().strikeOut);
        QCOMPARE(f.w().cal(1)->weekStart(), Qt::Monday);  // applied when the dialog closes
        QSettings stored(Platform::settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("Options/Sunday").toString(), QStringLiteral("0"));
        QCOMPARE(stored.value("Options/StrikeOut").toString(), QStringLiteral("0"));
    }

    void importedHolidaysShowOnTheCalendars() {
        MainFixture f(kStore);
        WhenModal<TfrmHoliday>([](TfrmHoliday* h) {
            QVERIFY(h);
            WhenModal<TfrmImport>([](TfrmImport* i) {
                const auto us = i->lbCountries->findItems(QStringLiteral("United States"), Qt::MatchStartsWith);
                QVERIFY(!us.isEmpty());
                i->lbCountries->setCurrentItem(us[0]);
                i->lbCountriesClick();
                const auto day = i->lbDays->findItems(QStringLiteral("Thanksgiving"), Qt::MatchContains);
                QVERIFY(!day.isEmpty());
                day[0]->setSelected(true);
                i->btOK->click();
            });
            h->btImport->click();
            h->btClose->click();
        });
        f.trigger("Holidays1");
        // The fourth Thursday of November, in any year.
        f.w().cal(2)->setDate(QDate(2005, 11, 24));
        auto* heading = f.w().findChild<QLabel*>(QStringLiteral("lblDate"));
        QVERIFY2(heading->text().startsWith(QStringLiteral("Thanksgiving")), qPrintable(heading->text()));
        f.w().cal(2)->setDate(QDate(2006, 11, 23));
        QVERIFY2(heading->text().startsWith(QStringLiteral("Thanksgiving")), qPrintable(heading->text()));
    }

    void layoutMemory() {
        // The layout kept at the last exit comes back at start.
        MainFixture f(kStore, kEmptyTodo, "[Memorize]\nSplit1Pos=250\nSplit2Pos=150\n");
        QCOMPARE(f.w().findChild<QWidget*>(QStringLiteral("pnlTodo"))->height(), 150);
        QCOMPARE(f.w().findChild<QWidget*>(QStringLiteral("pnlCalendars"))->width(), 250);
        QVERIFY(f.w().findChild<QWidget*>(QStringLiteral("ToolBar1"))->isVisible());
        f.trigger("Recoverscreensizepositions1");
        QCOMPARE(f.platform.dialogs->texts(), QStringList{"Screen has not yet been memorized"});
        f.platform.dialogs->answers << true;
        f.trigger("Memorizescreensizepositions1");
        QCOMPARE(f.platform.dialogs->boxes.last().text, QStringLiteral("Really memorize current screen positions?"));
        QSettings stored(Platform::settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("MemorizeMe/Width").toInt(), f.w().width());
        f.trigger("Exit1");  // leaving keeps the layout for the next start
        QCOMPARE(QSettings(Platform::settingsFile(), QSettings::IniFormat).value("Memorize/Done").toString(),
                 QStringLiteral("1"));
    }
};

QTEST_MAIN(TestWindowWiring)
#include "test_windowwiring.moc"
