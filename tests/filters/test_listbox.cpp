#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "categoryfixtures.h"
#include "filters/listbox.h"
#include "support/testsupport.h"
#include "support/whenmodal.h"

namespace {

const QString kCaption = QStringLiteral("Edit Category Choices");

QStringList Texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void Select(TfrmListBox* box, const QStringList& names) {
    box->lbList->clearSelection();
    for (const QString& name : names) {
        const QList<QListWidgetItem*> hits =
            box->lbList->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        QVERIFY2(hits.size() == 1, qPrintable(name));
        hits.first()->setSelected(true);
    }
}

// Runs a user's steps in the editor: "add:Name" (typed at the prompt), "delete:A,B",
// "select:A,B", then one of "ok", "cancel", "esc", "enter", "dblclick".
void Run(TfrmListBox* box, TestPlatform& platform, const QStringList& steps) {
    QVERIFY(box);
    for (const QString& step : steps) {
        const QString verb = step.section(QLatin1Char(':'), 0, 0);
        const QStringList names = step.section(QLatin1Char(':'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (verb == QLatin1String("add")) {
            platform.dialogs->inputs.enqueue(names.value(0));
            box->btAdd->click();
        } else if (verb == QLatin1String("delete")) {
            Select(box, names);
            box->btDelete->click();
        } else if (verb == QLatin1String("select")) {
            Select(box, names);
        } else if (verb == QLatin1String("ok")) {
            box->btOK->click();
        } else if (verb == QLatin1String("cancel")) {
            box->btCancel->click();
        } else if (verb == QLatin1String("esc")) {
            QTest::keyClick(box->lbList, Qt::Key_Escape);
        } else if (verb == QLatin1String("enter")) {
            QTest::keyClick(box->lbList, Qt::Key_Return);
        } else if (verb == QLatin1String("dblclick")) {
            QListWidget* list = box->lbList;
            const QPoint at = list->visualItemRect(list->item(0)).center();
            // A double-click is a click followed by a double-click event.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
}

// The editor shown on its own, as the commands show it, over a store of given categories.
struct Fixture {
    TestPlatform platform;
    GridTable store;
    TaskFilter filter;
    std::unique_ptr<TfrmListBox> box;

    Fixture(const QStringList& items, const QStringList& storeCategories) : store(StoreWith(storeCategories)) {
        box = std::make_unique<TfrmListBox>(store, &filter);
        box->setWindowTitle(kCaption);
        box->setItems(items);
        box->show();
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
    }
};

}  // namespace

class TestListBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void controls() {
        Fixture f({QStringLiteral("work"), QStringLiteral("Home"), QStringLiteral("gym")}, {});
        TfrmListBox& b = *f.box;
        QCOMPARE(b.objectName(), QStringLiteral("frmListBox"));
        QCOMPARE(Texts(b.lbList), (QStringList{"gym", "Home", "work"}));
        QCOMPARE(b.lbList->selectionMode(), QAbstractItemView::ExtendedSelection);
        const QList<std::tuple<QPushButton*, const char*, const char*, const char*>> buttons = {
            {b.btAdd, "btAdd", "&Add", "Press INS to add a new one'"},
            {b.btDelete, "btDelete", "&Delete", "Press DEL to delete"},
            {b.btRebuild, "btRebuild", "&Rebuild", "Rebuild category list from existing categories"},
            {b.btOK, "btOK", "OK", ""},
            {b.btCancel, "btCancel", "Cancel", ""},
        };
        for (const auto& [button, name, caption, hint] : buttons) {
            QCOMPARE(b.findChild<QPushButton*>(QLatin1String(name)), button);
            QCOMPARE(button->text(), QLatin1String(caption));
            QCOMPARE(button->toolTip(), QLatin1String(hint));
        }
        QVERIFY(b.btOK->isDefault());
        QCOMPARE(b.minimumSize(), b.maximumSize());
    }

    void insertAndDeleteKeys() {
        Fixture f({QStringLiteral("Home"), QStringLiteral("Work")}, {});
        f.platform.dialogs->inputs.enqueue(QStringLiteral("Gym"));
        QTest::keyClick(f.box->lbList, Qt::Key_Insert);
        QCOMPARE(Texts(f.box->lbList), (QStringList{"Gym", "Home", "Work"}));
        QCOMPARE(f.box->selectedItems(), QStringList{"Gym"});
        QCOMPARE(f.platform.dialogs->boxes.size(), 1);
        QCOMPARE(f.platform.dialogs->boxes.first().caption, QStringLiteral("Quick Pick"));
        QCOMPARE(f.platform.dialogs->boxes.first().text, QStringLiteral("New Quick Pick"));
        Select(f.box.get(), {QStringLiteral("Home"), QStringLiteral("Work")});
        QTest::keyClick(f.box->lbList, Qt::Key_Delete);
        QCOMPARE(Texts(f.box->lbList), QStringList{"Gym"});
        QCOMPARE(f.box->deletedItems(), (QStringList{"Home", "Work"}));
    }

    void add_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("added");
        const QStringList before{"Home", "Work"};
        QTest::newRow("new name, sorted in and selected alone")
            << "gym" << QStringList{"gym", "Home", "Work"} << QStringList{"gym"} << true;
        QTest::newRow("name in the list in another case") << "work" << before << QStringList{"Home"} << false;
        QTest::newRow("empty answer") << "" << before << QStringList{"Home"} << false;
        QTest::newRow("prompt cancelled") << QString() << before << QStringList{"Home"} << false;
    }

    void add() {
        QFETCH(QString, answer);
        QFETCH(QStringList, list);
        QFETCH(QStringList, selected);
        QFETCH(bool, added);
        Fixture f({QStringLiteral("Work"), QStringLiteral("Home")}, {});
        f.box->selectItem(QStringLiteral("home"));
        f.platform.dialogs->inputs.enqueue(answer);
        f.box->btAdd->click();
        QCOMPARE(Texts(f.box->lbList), list);
        QCOMPARE(f.box->selectedItems(), selected);
        QCOMPARE(f.box->addedFlag(), added);
    }

    void deleteNames_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("storeCategories");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("remaining");
        const QStringList three{"Home", "School", "Work"};
        QTest::newRow("one in use") << three << QStringList{"Work"} << QStringList{"Work"}
                                    << "The following category: \"Work\" is in use and cannot be deleted. " << three;
        QTest::newRow("two in use") << three << QStringList{"WORK", "home=Yes"} << QStringList{"Home", "Work"}
                                    << "The following categories: \"Home, Work\" are in use and cannot be deleted. "
                                    << three;
        QTest::newRow("one in use, one free")
            << three << QStringList{"Work"} << QStringList{"Home", "Work"}
            << "The following category: \"Work\" is in use and cannot be deleted. \r\rThe following category may be "
               "deleted: \"Home\". Try reselecting."
            << three;
        QTest::newRow("two in use, two free")
            << QStringList{"A", "B", "C", "D"} << QStringList{"c", "a"} << QStringList{"A", "B", "C", "D"}
            << "The following categories: \"A, C\" are in use and cannot be deleted. \r\rThe following categories "
               "may be deleted: \"B, D\". Try reselecting."
            << QStringList{"A", "B", "C", "D"};
        QTest::newRow("free names go") << three << QStringList{"Work"} << QStringList{"Home", "School"} << QString()
                                       << QStringList{"Work"};
        // To-dos and the completed log are not part of the store the editor is given.
        QTest::newRow("used only by a to-do")
            << three << QStringList{} << QStringList{"School"} << QString() << QStringList{"Home", "Work"};
        QTest::newRow("nothing selected")
            << three << QStringList{} << QStringList{} << "Select one or more items" << three;
    }

    void deleteNames() {
        QFETCH(QStringList, items);
        QFETCH(QStringList, storeCategories);
        QFETCH(QStringList, selected);
        QFETCH(QString, message);
        QFETCH(QStringList, remaining);
        Fixture f(items, storeCategories);
        Select(f.box.get(), selected);
        f.box->btDelete->click();
        QCOMPARE(Texts(f.box->lbList), remaining);
        if (message.isEmpty()) {
            QVERIFY(f.platform.dialogs->boxes.isEmpty());
            QCOMPARE(f.box->deletedItems(), selected);
            QVERIFY(f.box->lbList->hasFocus());
        } else {
            QCOMPARE(f.platform.dialogs->boxes.size(), 1);
            QCOMPARE(f.platform.dialogs->boxes.first().kind, BoxKind::Error);
            QCOMPARE(f.platform.dialogs->boxes.first().text, message);
            QVERIFY(f.box->deletedItems().isEmpty());
        }
        QVERIFY(!f.box->addedFlag());
    }

    void rebuild_data() {
        QTest::addColumn<QStringList>("storeCategories");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("report");
        QTest::newRow("first spelling met wins, blanks skipped")
            << QStringList{"Home", "home", "WORK", "", " ", "Gym=Yes", "HOME"} << true
            << QStringList{"Gym", "Home", "Work"} << "The following categories were added: \" Home, Gym\".";
        QTest::newRow("nothing new") << QStringList{"work"} << true << QStringList{"Work"}
                                     << "No existing categories were added.";
        QTest::newRow("answered No") << QStringList{"Home"} << false << QStringList{"Work"} << QString();
    }

    void rebuild() {
        QFETCH(QStringList, storeCategories);
        QFETCH(bool, yes);
        QFETCH(QStringList, list);
        QFETCH(QString, report);
        Fixture f({QStringLiteral("Work")}, storeCategories);
        f.platform.dialogs->answers.enqueue(yes);
        f.box->btRebuild->click();
        QCOMPARE(Texts(f.box->lbList), list);
        const QList<BoxRecord>& boxes = f.platform.dialogs->boxes;
        QCOMPARE(boxes.first().kind, BoxKind::Question);
        QCOMPARE(boxes.first().text, QStringLiteral("This will rebuild the list of categories from the existing "
                                                    "tasks, both pending and completed.  Continue?"));
        QCOMPARE(boxes.size(), report.isEmpty() ? 1 : 2);
        if (!report.isEmpty()) {
            QCOMPARE(boxes.last().kind, BoxKind::Info);
            QCOMPARE(boxes.last().text, report);
        }
        QVERIFY(!f.box->addedFlag());
    }

    void categoriesCommand_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("xxx");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QByteArray>("yyy");
        const QByteArray unchanged = "Work\r\nHome\r\n";
        const QStringList filterAsBefore{"Work", "-Home"};
        QTest::newRow("OK writes the sorted list")
            << QStringList{"ok"} << QByteArray("Home\r\nWork\r\n") << filterAsBefore << QByteArray("Work\r\n");
        QTest::newRow("Enter is OK") << QStringList{"enter"} << QByteArray("Home\r\nWork\r\n") << filterAsBefore
                                     << QByteArray("Work\r\n");
        QTest::newRow("double-click is OK")
            << QStringList{"dblclick"} << QByteArray("Home\r\nWork\r\n") << filterAsBefore << QByteArray("Work\r\n");
        QTest::newRow("OK after add and delete")
            << QStringList{"add:Gym", "delete:Home", "ok"} << QByteArray("Gym\r\nWork\r\n")
            << QStringList{"Work", "Gym"} << QByteArray("Work\r\nGym\r\n");
        QTest::newRow("Cancel after add keeps the list, filter untouched")
            << QStringList{"add:Gym", "cancel"} << QByteArray("Gym\r\nHome\r\nWork\r\n") << filterAsBefore
            << QByteArray();
        QTest::newRow("Esc after add") << QStringList{"add:Gym", "delete:Home", "esc"} << QByteArray("Gym\r\nWork\r\n")
                                       << filterAsBefore << QByteArray();
        QTest::newRow("Cancel") << QStringList{"cancel"} << unchanged << filterAsBefore << QByteArray();
        QTest::newRow("Cancel after delete")
            << QStringList{"delete:Home", "cancel"} << unchanged << filterAsBefore << QByteArray();
    }

    void categoriesCommand() {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, xxx);
        QFETCH(QStringList, ticks);
        QFETCH(QByteArray, yyy);
        TestPlatform platform;
        platform.writeFile(QStringLiteral("category.xxx"), "Work\r\nHome\r\n");
        TaskFilter filter;
        SetCategories(filter, {"Work", "-Home"});
        const GridTable store = StoreWith({});
        bool seen = false;
        WhenModal<TfrmListBox>([&](TfrmListBox* box) {
            QVERIFY(box);
            seen = true;
            QCOMPARE(box->windowTitle(), kCaption);
            QCOMPARE(Texts(box->lbList), (QStringList{"Home", "Work"}));
            Run(box, platform, steps);
            if (box->isVisible())
                box->done(QDialog::Rejected);
        });
        TfrmListBox::categoriesCommand(store, &filter);
        QVERIFY(seen);
        QCOMPARE(platform.readFile(QStringLiteral("category.xxx")), xxx);
        QCOMPARE(Ticks(filter), ticks);
        QCOMPARE(platform.readFile(QStringLiteral("category.yyy")), yyy);
    }

    void categoriesCommandWithoutAFile() {
        TestPlatform platform;
        TaskFilter filter;
        const GridTable store = StoreWith({});
        WhenModal<TfrmListBox>([&](TfrmListBox* box) {
            QVERIFY(box);
            QCOMPARE(box->lbList->count(), 0);
            box->btCancel->click();
        });
        TfrmListBox::categoriesCommand(store, &filter);
        QVERIFY(!QFile::exists(platform.path(QStringLiteral("category.xxx"))));
        QVERIFY(platform.dialogs->boxes.isEmpty());
    }

    void editorChoices_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("current name stays the choice")
            << QStringList{"ok"} << true << QStringList{"Home", "Work"} << "Home";
        QTest::newRow("added name becomes the choice")
            << QStringList{"add:Gym", "ok"} << true << QStringList{"Gym", "Home", "Work"} << "Gym";
        QTest::newRow("two selected: no choice")
            << QStringList{"select:Home,Work", "ok"} << true << QStringList{"Home", "Work"} << QString();
        QTest::newRow("Cancel after add")
            << QStringList{"add:Gym", "cancel"} << true << QStringList{"Gym", "Home", "Work"} << "Gym";
        QTest::newRow("Cancel keeps the items as they were")
            << QStringList{"add:work", "cancel"} << false << QStringList{"Work", "Home"} << QString();
    }

    void editorChoices() {
        QFETCH(QStringList, steps);
        QFETCH(bool, accepted);
        QFETCH(QStringList, items);
        QFETCH(QString, chosen);
        TestPlatform platform;
        TaskFilter filter;
        const GridTable store = StoreWith({});
        WhenModal<TfrmListBox>([&](TfrmListBox* box) {
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), kCaption);
            QCOMPARE(box->selectedItems(), QStringList{"Home"});
            Run(box, platform, steps);
            if (box->isVisible())
                box->done(QDialog::Rejected);
        });
        const TfrmListBox::Choice c = TfrmListBox::editChoices(store, &filter, {"Work", "Home"}, "home");
        QCOMPARE(c.accepted, accepted);
        QCOMPARE(c.items, items);
        QCOMPARE(c.chosen, chosen);
        QCOMPARE(platform.readFile(QStringLiteral("category.xxx")), items.join("\r\n").toUtf8() + "\r\n");
    }
};

QTEST_MAIN(TestListBox)
#include "test_listbox.moc"
