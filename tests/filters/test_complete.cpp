#include <QAction>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/gridview.h"
#include "data/gridtable.h"
#include "filters/complete.h"
#include "filters/completedlog.h"
#include "settings/programoptions.h"
#include "support/testsupport.h"

namespace {

// Three completions, deliberately not in date order, so that sorting shows.
const QByteArray kLogFile =
    "6,4\r\n"
    "cw 0,70\r\ncw 1,62\r\ncw 2,58\r\ncw 3,128\r\ncw 4,150\r\ncw 5,150\r\n"
    "0,0,Old heading\r\n"
    "0,1,3/16/2005\r\n1,1,9:30 AM\r\n2,1,Work\r\n3,1,Wed 3/16/2005\r\n4,1,Pay bills\t\bbefore Friday\t\b\r\n"
    "5,1,done\t\b\r\n"
    "0,2,12/1/2004\r\n1,2,8:00 AM\r\n2,2,Home\r\n3,2,Non date task\r\n4,2,Call mum\t\b\r\n"
    "0,3,1/5/2005\r\n1,3,10:00 AM\r\n2,3,Work\r\n3,3,Tue 11/30/2004\r\n4,3,Report\t\b\r\n5,3,sent\t\b\r\n";

// The window over a log read from kLogFile, shown and active like the user sees it.
struct Fixture {
    TestPlatform platform;
    CompletedLog log;
    std::unique_ptr<TfrmComplete> window;

    Fixture() {
        platform.writeFile(QStringLiteral("gridComp.grd"), kLogFile);
        window = std::make_unique<TfrmComplete>(log);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QString whatColumn() const {
        QStringList out;
        for (int r = 1; r < log.table().rowCount(); ++r)
            out << log.table().cell(CompletedLog::What, r).section(QStringLiteral("\r\n"), 0, 0);
        return out.join(QLatin1Char('|'));
    }

    void clickHeading(int column) {
        QHeaderView* h = window->gridComp->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(column) + 5, 5));
    }
};

struct ConfirmOption {
    bool saved = Options().confirm;
    explicit ConfirmOption(bool on) { Options().confirm = on; }
    ~ConfirmOption() { Options().confirm = saved; }
};

}  // namespace

class TestComplete : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment(); }

    void showsTheLogWithItsHeadings() {
        Fixture f;
        TfrmComplete& w = *f.window;
        QCOMPARE(w.objectName(), QStringLiteral("frmComplete"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Completed Tasks"));
        QCOMPARE(w.gridComp->model()->rowCount(), 3);
        QCOMPARE(w.gridComp->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Comp Date"));
        QCOMPARE(w.memWhat->toPlainText(), QStringLiteral("Pay bills\nbefore Friday"));
        QCOMPARE(w.memCompNotes->toPlainText(), QStringLiteral("done"));
        w.gridComp->setCurrentRow(2);
        QCOMPARE(w.memWhat->toPlainText(), QStringLiteral("Call mum"));
        QCOMPARE(w.memCompNotes->toPlainText(), QString());
    }

    void menuCaptionsAndShortcuts() {
        Fixture f;
        TfrmComplete& w = *f.window;
        const QList<std::tuple<QAction*, const char*, const char*, QKeySequence>> items = {
            {w.Print1, "Print1", "Print", {}},
            {w.HTMLFormat1, "HTMLFormat1", "HTML Format", {}},
            {w.CommaDelimited1, "CommaDelimited1", "Comma-Delimited", {}},
            {w.Deleterow1, "Deleterow1", "Delete row", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {w.Clearallrows1, "Clearallrows1", "Clear all rows", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)},
            {w.Close1, "Close1", "Close", {}},
        };
        for (const auto& [action, name, caption, keys] : items) {
            QCOMPARE(w.findChild<QAction*>(QLatin1String(name)), action);
            QCOMPARE(action->text(), QLatin1String(caption));
            QCOMPARE(action->shortcut(), keys);
        }
        QVERIFY(w.gridComp->actions().contains(w.Deleterow1));
    }

    void sortsDatesAsDates_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("order");
        QTest::newRow("completion date") << 0 << 1 << "Call mum|Report|Pay bills";
        QTest::newRow("completion date, descending") << 0 << 2 << "Pay bills|Report|Call mum";
        QTest::newRow("original date, phrases last") << 3 << 1 << "Report|Pay bills|Call mum";
        QTest::newRow("category, ties by the next columns") << 2 << 1 << "Call mum|Report|Pay bills";
    }

    void sortsDatesAsDates() {
        QFETCH(int, column);
        QFETCH(int, clicks);
        QFETCH(QString, order);
        Fixture f;
        for (int i = 0; i < clicks; ++i)
            f.clickHeading(column);
        QCOMPARE(f.whatColumn(), order);
        QCOMPARE(f.log.table().cell(0, 0), QStringLiteral("Comp Date"));
    }

    void deleteRow_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("left");
        QTest::newRow("confirmed") << true << true << 1 << "Pay bills|Report";
        QTest::newRow("refused") << true << false << 1 << "Pay bills|Call mum|Report";
        QTest::newRow("no confirmation asked") << false << false << 0 << "Pay bills|Report";
    }

    void deleteRow() {
        QFETCH(bool, confirm);
        QFETCH(bool, answer);
        QFETCH(int, questions);
        QFETCH(QString, left);
        ConfirmOption option(confirm);
        Fixture f;
        f.platform.dialogs->answers.enqueue(answer);
        f.window->gridComp->setCurrentRow(2);
        f.window->gridComp->setFocus();
        QTest::keyClick(f.window->gridComp, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.platform.dialogs->boxes.size(), questions);
        if (questions)
            QCOMPARE(f.platform.dialogs->boxes.first().text, QStringLiteral("Really delete?"));
        QCOMPARE(f.whatColumn(), left);
        QCOMPARE(f.window->gridComp->model()->rowCount(), left.count(QLatin1Char('|')) + 1);
        // Deleting reaches the file only when the window closes.
        QCOMPARE(f.platform.readFile(QStringLiteral("gridComp.grd")), kLogFile);
    }

    void deletingTheOnlyRowEmptiesIt() {
        ConfirmOption option(false);
        Fixture f;
        for (int i = 0; i < 3; ++i)
            f.window->Deleterow1->trigger();
        QCOMPARE(f.log.table().rowCount(), 2);
        QCOMPARE(f.whatColumn(), QString());
        QCOMPARE(f.window->memWhat->toPlainText(), QString());
    }

    void clearAllRows_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("yes") << true << 2;
        QTest::newRow("no") << false << 4;
    }

    void clearAllRows() {
        QFETCH(bool, answer);
        QFETCH(int, rows);
        Fixture f;
        f.platform.dialogs->answers.enqueue(answer);
        QTest::keyClick(f.window->gridComp, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.platform.dialogs->texts(), QStringList{QStringLiteral("Really clear out ALL completed tasks?")});
        QCOMPARE(f.log.table().rowCount(), rows);
        QCOMPARE(f.window->gridComp->model()->rowCount(), rows - 1);
        if (answer)
            QCOMPARE(f.whatColumn(), QString());
    }

    void exports_data() {
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("html") << true << "done.htm"
                              << "done.htm"
                              << "Save as an HTML file" << QByteArray("<table border=\"1\"");
        QTest::newRow("html, extension added") << true << "done"
                                               << "done.htm"
                                               << "Save as an HTML file" << QByteArray("<table border=\"1\"");
        QTest::newRow("csv") << false << "done.csv"
                             << "done.csv"
                             << "Save as comma-delimited"
                             << QByteArray(
                                    "Comp Date,Time,Category,Orig Date,What,Comp Notes\r\n"
                                    "3/16/2005,9:30 AM,Work,Wed 3/16/2005,\"Pay bills\x0B"
                                    "before Friday\x0B\"");
        QTest::newRow("csv, extension added") << false << "done"
                                              << "done.txt"
                                              << "Save as comma-delimited" << QByteArray("Comp Date,");
    }

    void exports() {
        QFETCH(bool, html);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, caption);
        QFETCH(QByteArray, start);
        Fixture f;
        f.platform.dialogs->files.enqueue(f.platform.path(chosen));
        (html ? f.window->HTMLFormat1 : f.window->CommaDelimited1)->trigger();
        QCOMPARE(f.platform.dialogs->boxes.size(), 1);
        QCOMPARE(f.platform.dialogs->boxes.first().kind, BoxKind::SaveFile);
        QCOMPARE(f.platform.dialogs->boxes.first().caption, caption);
        QVERIFY(f.platform.readFile(written).startsWith(start));
        QVERIFY(f.platform.shell->opened.isEmpty());
    }

    void cancelledOrFailedExport() {
        Fixture f;
        f.window->HTMLFormat1->trigger();
        QCOMPARE(QDir(f.platform.folder()).entryList({QStringLiteral("*.htm")}, QDir::Files), QStringList());
        const QString bad = f.platform.path(QStringLiteral("no/such/out.txt"));
        f.platform.dialogs->files.enqueue(bad);
        f.window->CommaDelimited1->trigger();
        QCOMPARE(f.platform.dialogs->boxes.last().kind, BoxKind::Error);
        QCOMPARE(f.platform.dialogs->boxes.last().text, QStringLiteral("Cannot Create file ") + bad);
    }

    void editorsWriteBackOnLeaving() {
        Fixture f;
        TfrmComplete& w = *f.window;
        w.gridComp->setCurrentRow(3);
        w.memCompNotes->setFocus();
        QTest::keyClick(w.memCompNotes, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(w.memCompNotes, Qt::Key_Return);
        QTest::keyClicks(w.memCompNotes, QStringLiteral("to Bob"));
        QCOMPARE(f.log.table().cell(CompletedLog::CompNotes, 3), QStringLiteral("sent\r\n"));
        w.gridComp->setFocus();
        QCOMPARE(f.log.table().cell(CompletedLog::CompNotes, 3), QStringLiteral("sent\r\nto Bob\r\n"));
        QCOMPARE(f.log.table().cell(CompletedLog::What, 3), QStringLiteral("Report\r\n"));
        // Moving on shows the next row's texts, and leaves the first row's texts alone.
        w.gridComp->setCurrentRow(1);
        QCOMPARE(w.memCompNotes->toPlainText(), QStringLiteral("done"));
        QCOMPARE(f.log.table().cell(CompletedLog::CompNotes, 3), QStringLiteral("sent\r\nto Bob\r\n"));
    }

    void closingWritesTheLog_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Close") << false;
        QTest::newRow("Escape") << true;
    }

    void closingWritesTheLog() {
        QFETCH(bool, byEscape);
        ConfirmOption option(false);
        Fixture f;
        f.window->gridComp->setCurrentRow(1);
        f.window->Deleterow1->trigger();
        if (byEscape)
            QTest::keyClick(f.window->gridComp, Qt::Key_Escape);
        else
            f.window->Close1->trigger();
        QVERIFY(!f.window->isVisible());
        CompletedLog reread;
        reread.load();
        QCOMPARE(reread.table().rowCount(), 3);
        QCOMPARE(reread.table().cell(CompletedLog::What, 1), QStringLiteral("Call mum\r\n"));
        QCOMPARE(reread.table().cell(0, 0), QStringLiteral("Comp Date"));
        QVERIFY(f.platform.readFile(QStringLiteral("gridComp.grd")).contains("0,0,Comp Date\r\n"));
    }

    void notesColumnsShareTheRestOfTheWidth() {
        Fixture f;
        TfrmComplete& w = *f.window;
        for (const int width : {600, 900}) {
            w.resize(width, 500);
            QCoreApplication::processEvents();
            QCOMPARE(w.gridComp->columnWidth(0), 70);
            QCOMPARE(w.gridComp->columnWidth(3), 128);
            QCOMPARE(w.gridComp->columnWidth(4), w.gridComp->columnWidth(5));
            QVERIFY(w.gridComp->columnWidth(4) > 50);
            QVERIFY(w.gridComp->horizontalHeader()->length() <= w.gridComp->viewport()->width());
            QVERIFY(w.gridComp->horizontalHeader()->length() >= w.gridComp->viewport()->width() - 12);
        }
    }

    void printsTheLog() {
        Fixture f;
        f.platform.dialogs->answers.enqueue(true);
        f.window->Print1->trigger();
        QVERIFY(f.platform.readFile(QStringLiteral("printed.pdf")).startsWith("%PDF"));
    }
};

QTEST_MAIN(TestComplete)
#include "test_complete.moc"
