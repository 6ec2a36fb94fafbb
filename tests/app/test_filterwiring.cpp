// The main window's side of the filters and categories: the Filters command, what the
// window shows while filters are on, the Categories command and the editor's "..." button.

#include <QListWidget>
#include <QMenuBar>

#include "filters/listbox.h"
#include "mainfixture.h"

namespace {
const QByteArray kStore =
    "6,3\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n"
    "0,1,38427.101\r\n1,1,9:00 AM\r\n2,1,Work\r\n3,1,report\r\n4,1,No\r\n5,1,No\r\n"
    "0,2,38427.102\r\n1,2,10:00 AM\r\n2,2,Home\r\n3,2,laundry\r\n4,2,No\r\n5,2,No\r\n";
}

class TestFilterWiring : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }
    void init() { Options() = ProgramOptions(); }

    void filtersCommandHidesTasksAndShowsFiltersOn() {
        MainFixture f(kStore);
        f.filter.categories = {{QStringLiteral("Work"), true}, {QStringLiteral("Home"), true}};
        QCOMPARE(f.action("Filters1")->text(), QStringLiteral("Filters"));
        onModal<TfrmFilter>([](TfrmFilter* w) {
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

        onModal<TfrmFilter>([](TfrmFilter* w) { w->btFiltersOff->click(); });
        f.trigger("btFilter");
        QCOMPARE(f.action("Filters1")->text(), QStringLiteral("Filters"));
        QCOMPARE(f.day().rowCount(), 3);
    }

    void categoriesCommandAndTheEditorsButton() {
        MainFixture f(kStore);
        f.platform.writeFile(QStringLiteral("category.xxx"), "Work\r\n");
        f.platform.dialogs->inputs << QStringLiteral("Gym");
        onModal<TfrmListBox>([](TfrmListBox* w) {
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
            onModal<TfrmListBox>([](TfrmListBox* w) {
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
};

QTEST_MAIN(TestFilterWiring)
#include "test_filterwiring.moc"
