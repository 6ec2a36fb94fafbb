// The task commands of the main window driven as a user does: the list buttons, the Edit
// menu and the context menus, with the editor answered in place.

#include <QHeaderView>
#include <QTextEdit>

#include "common/monthcalendar.h"
#include "data/tablefile.h"
#include "mainfixture.h"

namespace {

QByteArray storeWith(const QList<QStringList>& rows) {
    QByteArray out = "6," + QByteArray::number(rows.size() + 1) + "\r\n";
    for (int c = 0; c < 6; ++c) out += "cw " + QByteArray::number(c) + ",64\r\n";
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].isEmpty())
                out += QByteArray::number(c) + "," + QByteArray::number(r + 1) + "," + rows[r][c].toUtf8() + "\r\n";
    return out;
}

GridTable onDisk(MainFixture& f, const char* file) {
    GridTable t(1, 1);
    ReadTableFile(t, f.platform.path(QString::fromLatin1(file)));
    return t;
}

}  // namespace

class TestTaskCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }
    void init() { Options() = ProgramOptions(); }

    void addATaskThroughTheEditor() {
        MainFixture f;
        answerEditor(QStringLiteral("Call the bank\n"), QStringLiteral("Work"));
        f.trigger("tbAdd1");
        QCOMPARE(f.day().cell(0, 1), QStringLiteral("9:30 AM"));
        QCOMPARE(f.day().cell(1, 1), QStringLiteral("Work"));
        QCOMPARE(f.day().cell(2, 1), QStringLiteral("Call the bank"));  // trailing break removed
        QCOMPARE(f.day().cell(3, 1), QStringLiteral("No"));
        QCOMPARE(f.day().cell(4, 1), QStringLiteral("Yes"));  // new tasks ring by default
        const GridTable saved = onDisk(f, "grid.grd");
        QCOMPARE(saved.cell(0, 1), QStringLiteral("38427.101"));
        QCOMPARE(saved.cell(3, 1), QStringLiteral("Call the bank"));
        // A new category joins the category file and the filter, ticked.
        QCOMPARE(f.platform.readFile(QStringLiteral("category.xxx")), QByteArray("Work\r\n"));
        QCOMPARE(f.filter.tickedNames(), QStringList{"Work"});
    }

    void blankNotesAreRefused() {
        MainFixture f;
        onEditor([&f](TfrmEdit* e) {
            QVERIFY(e);
            e->btOK->click();
            QVERIFY(e->isVisible());
            QCOMPARE(f.platform.dialogs->texts(), QStringList{"The Notes are blank!"});
            e->reject();
        });
        f.trigger("Insertnewtask1");
        QVERIFY(f.day().cell(0, 1).isEmpty());
    }

    void filterNoteShowsOnceAfterAnAdd() {
        MainFixture f;
        f.filter.doneShown = false;
        onEditor([](TfrmEdit* e) { e->reject(); });
        f.trigger("tbAdd1");
        answerEditor(QStringLiteral("second"));
        f.trigger("tbAdd1");
        QCOMPARE(f.platform.dialogs->texts(),
                 QStringList{"Note that since you have filters turned on it may look like the new task has "
                             "disappeared. Turn the filters off and it will re-appear."});
    }

    void editRewritesTheRow() {
        MainFixture f(storeWith({{"38427.101", "8:00 AM", "Work", "old text", "No", "Yes"}}));
        onEditor([](TfrmEdit* e) {
            QCOMPARE(e->windowTitle(), QStringLiteral("Task: old text ..."));
            QCOMPARE(e->dtTime->time(), QTime(8, 0));
            QVERIFY(e->cbAlarm->isChecked());
            e->memMain->setPlainText(QStringLiteral("new text\nsecond line"));
            e->btOK->click();
        });
        f.trigger("tbEdit1");
        QCOMPARE(onDisk(f, "grid.grd").cell(3, 1), QStringLiteral("new text\r\nsecond line\r\n"));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        const QByteArray done = storeWith({{"38427.101", "8:00 AM", "Work", "done", "Yes", "No"}});
        QTest::newRow("edit an empty day") << kEmptyStore << "tbEdit1"
                                           << "There is nothing to edit.  Click the plus symbol to add a new item.";
        QTest::newRow("complete twice") << done << "tbDone1" << "The task is already marked as complete.";
        QTest::newRow("delete nothing") << kEmptyStore << "tbDel1" << "There is nothing selected to delete.";
        QTest::newRow("clone nothing") << kEmptyStore << "tbClone1" << "There is nothing selected to clone.";
        QTest::newRow("clone a to-do without category") << kEmptyStore << "tbClone2"
                                                        << "There is nothing selected to clone.";
    }
    void refusals() {
        QFETCH(QByteArray, store);
        QFETCH(QString, action);
        QFETCH(QString, message);
        MainFixture f(store);
        f.trigger(action.toLatin1().constData());
        QCOMPARE(f.platform.dialogs->texts(), QStringList{message});
        QCOMPARE(f.platform.dialogs->boxes[0].kind, BoxKind::Error);
    }

    void markAsCompletedLogsTheTask() {
        MainFixture f(storeWith({{"38427.101", "8:00 AM", "Work", "pay rent", "No", "Yes"}}));
        onEditor([](TfrmEdit* e) {
            QVERIFY(e->memComplete->isVisible());
            e->memComplete->setPlainText(QStringLiteral("paid online"));
            e->btOK2->click();
        });
        f.trigger("tbDone1");
        QCOMPARE(f.day().cell(3, 1), QStringLiteral("Yes"));
        QCOMPARE(f.day().cell(4, 1), QStringLiteral("No"));
        const GridTable log = onDisk(f, "gridComp.grd");
        QCOMPARE(log.cell(0, 1), QStringLiteral("3/16/2005"));
        QCOMPARE(log.cell(1, 1), QStringLiteral("8:00 AM"));
        QCOMPARE(log.cell(2, 1), QStringLiteral("Work"));
        QCOMPARE(log.cell(3, 1), QStringLiteral("Wed 3/16/2005"));
        QCOMPARE(log.cell(4, 1), QStringLiteral("pay rent\r\n"));
        QCOMPARE(log.cell(5, 1), QStringLiteral("paid online\r\n"));
    }

    void deleteAsksAboutLaterRepeats_data() {
        QTest::addColumn<bool>("deleteRepeats");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("yes") << true << 2;
        QTest::newRow("no") << false << 5;
    }
    void deleteAsksAboutLaterRepeats() {
        QFETCH(bool, deleteRepeats);
        QFETCH(int, rowsLeft);
        MainFixture f(storeWith({{"38420.100", "8:00 AM", "Gym", "swim", "No", "No"},
                                 {"38427.100", "8:00 AM", "Gym", "swim", "No", "No"},
                                 {"38434.100", "9:00 AM", "Gym", "swim", "No", "Yes"},
                                 {"38441.100", "8:00 AM", "Gym", "swim", "No", "No"},
                                 {"38448.100", "8:00 AM", "Gym", "swim", "No", "No"},
                                 {"38449.100", "8:00 AM", "Gym", "swim", "Yes", "No"}}));
        f.platform.dialogs->answers << true << deleteRepeats;
        f.trigger("tbDel1");
        QCOMPARE(f.platform.dialogs->boxes[0].text, QStringLiteral("Really delete \"swim ... \"?"));
        QCOMPARE(f.platform.dialogs->boxes[1].caption, QStringLiteral("Delete all repeats?"));
        QCOMPARE(f.platform.dialogs->boxes[1].text,
                 QStringLiteral("This event appears to be repeated 3 times in the future.  Delete all repeats?"));
        QCOMPARE(f.store().rowCount() - 1, rowsLeft);
        QCOMPARE(f.day().rowCount(), 2);  // one empty row left
        QVERIFY(f.day().cell(0, 1).isEmpty());
        QCOMPARE(onDisk(f, "grid.grd").rowCount() - 1, rowsLeft);
    }

    void cloneCopiesAboveTheCurrentRow() {
        MainFixture f(storeWith({{"38427.101", "8:00 AM", "Work", "report", "No", "No"}}));
        f.trigger("Clone1");
        QCOMPARE(f.day().rowCount(), 3);
        QCOMPARE(f.day().cell(2, 2), QStringLiteral("report"));
        QCOMPARE(onDisk(f, "grid.grd").cell(0, 2), QStringLiteral("38427.102"));
    }

    void todoCommandsAndWhenTheFileIsWritten() {
        MainFixture f;
        answerEditor(QStringLiteral("buy milk"), QStringLiteral("Home"));
        f.trigger("tbAdd2");
        QCOMPARE(f.todo().cell(1, 1), QStringLiteral("buy milk"));
        QCOMPARE(onDisk(f, "gridNon.grd").cell(1, 1), QStringLiteral("buy milk"));

        f.w().todoListView()->setFocus();
        f.trigger("tbClone2");
        QCOMPARE(f.todo().rowCount(), 3);
        QCOMPARE(onDisk(f, "gridNon.grd").rowCount(), 2);  // a clone waits for the next save

        f.platform.dialogs->answers << true;
        f.trigger("tbDel2");
        QCOMPARE(f.todo().rowCount(), 2);
        QCOMPARE(onDisk(f, "gridNon.grd").rowCount(), 2);
        QCOMPARE(onDisk(f, "gridNon.grd").cell(0, 0), QStringLiteral("Category"));
    }

    void sortingByAHeadingAndTheStoreOrder() {
        MainFixture f(storeWith({{"38427.101", "9:00 AM", "Work", "b", "No", "No"},
                                 {"38427.102", "10:00 AM", "Home", "a", "No", "No"},
                                 {"38427.103", "8:00 AM", "Work", "c", "No", "No"}}));
        QHeaderView* header = f.w().dayListView()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(f.day().cell(0, 1), QStringLiteral("8:00 AM"));
        QCOMPARE(f.day().cell(0, 3), QStringLiteral("10:00 AM"));  // times, not text
        // Sorting alone is not written back.
        QCOMPARE(onDisk(f, "grid.grd").cell(1, 1), QStringLiteral("9:00 AM"));
    }

    void exportAndPrintTheLists() {
        MainFixture f(storeWith({{"38427.101", "9:00 AM", "Work", "a, b", "No", "No"}}));
        f.w().dayListView()->setFocus();
        const QString csv = f.platform.path(QStringLiteral("day.txt"));
        f.platform.dialogs->files << csv;
        f.trigger("CSVFormat1");
        QCOMPARE(f.platform.dialogs->boxes.last().caption, QStringLiteral("Save as comma-delimited"));
        QCOMPARE(f.platform.readFile(QStringLiteral("day.txt")),
                 QByteArray("Time,Category,What,Done?,Alarm?\r\n9:00 AM,Work,\"a, b\",No,No\r\n"));

        f.w().todoListView()->setFocus();
        f.platform.dialogs->files << f.platform.path(QStringLiteral("todo.htm"));
        f.trigger("HTMLFormat2");  // the to-do list is the active list now
        QVERIFY(f.platform.readFile(QStringLiteral("todo.htm")).contains("Category"));
        QVERIFY(!f.platform.readFile(QStringLiteral("todo.htm")).contains("Alarm?"));

        f.platform.dialogs->boxes.clear();
        f.trigger("ToolButton9");  // cancelling the font dialog prints nothing
        QCOMPARE(f.platform.dialogs->boxes.size(), 1);
        QCOMPARE(f.platform.dialogs->boxes[0].kind, BoxKind::Font);
        f.platform.dialogs->answers << true << true;
        f.trigger("ToolButton9");
        QVERIFY(QFile::exists(f.platform.path(QStringLiteral("printed.pdf"))));
    }

    void webAddressesInTheNotesOpen() {
        MainFixture f(storeWith({{"38427.101", "9:00 AM", "Work", "see www.example.com/a?b=1 today", "No", "No"}}));
        auto* memo = f.w().findChild<QTextEdit*>(QStringLiteral("memWhat"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("see www.example.com/a?b=1 today"));
        const QTextCursor c = memo->document()->find(QStringLiteral("example"));
        const QPoint at = memo->cursorRect(c).center();
        QCOMPARE(memo->anchorAt(at), QStringLiteral("http://www.example.com/a?b=1"));
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(f.platform.shell->opened, QStringList{"http://www.example.com/a?b=1"});
    }

    void notesPaneWritesBackOnLeaving() {
        MainFixture f(storeWith({{"38427.101", "9:00 AM", "Work", "first", "Yes", "No"}}));
        auto* memo = f.w().findChild<QTextEdit*>(QStringLiteral("memWhat"));
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->toPlainText(), QStringLiteral("first"));
        QCOMPARE(memo->palette().color(QPalette::Base), f.w().palette().color(QPalette::Button));  // done
        memo->setFocus();
        memo->setPlainText(QStringLiteral("changed"));
        f.w().dayListView()->setFocus();
        QCOMPARE(onDisk(f, "grid.grd").cell(3, 1), QStringLiteral("changed\r\n"));
    }
};

QTEST_MAIN(TestTaskCommands)
#include "test_taskcommands.moc"
