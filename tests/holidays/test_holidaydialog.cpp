#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyledItemDelegate>

#include "app/gridview.h"
#include "common/formatsettings.h"
#include "holidayfixture.h"
#include "holidays/edHoliday.h"
#include "holidays/holiday.h"
#include "holidays/import.h"
#include "settings/programoptions.h"

namespace {

const QStringList kFlagDay = {QStringLiteral("Flag Day"), QStringLiteral("June"), QStringLiteral("14")};
const QStringList kMemorial = {QStringLiteral("Memorial Day"), QStringLiteral("May"), QStringLiteral("Last : Monday")};
const QStringList kEaster = {QStringLiteral("Easter"), QStringLiteral("March"), QStringLiteral("20050327")};

// The dialog on a temporary application folder, shown and active.
struct Fixture {
    TestPlatform platform;
    std::unique_ptr<TfrmHoliday> window;

    explicit Fixture(const QList<QStringList>& rows = {}, bool withFile = true) {
        if (withFile)
            writeHolidays(rows);
        window = std::make_unique<TfrmHoliday>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    TfrmHoliday& w() { return *window; }
    QStringList rows() { return holidayRows(window->table()); }
    void select(int row) { window->grid->setCurrentRow(row); }
    // Insert and Delete act when the key comes up.
    void releaseKey(Qt::Key key) { QTest::keyRelease(window->grid, key); }
    // Presses on a row, moves the mouse (past the drag distance first when asked) and releases.
    void drag(const QPoint& from, const QPoint& to, bool pastDragDistance = true) {
        QWidget* viewport = window->grid->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        if (pastDragDistance)
            QTest::mouseMove(viewport, from + QPoint(QApplication::startDragDistance() + 1, 0));
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    }
    QRect rowRect(int row) {
        GridView* g = window->grid;
        return g->visualRect(g->model()->index(row - 1, 0)).united(g->visualRect(g->model()->index(row - 1, 3)));
    }
};

struct ConfirmOption {
    bool saved = Options().confirm;
    explicit ConfirmOption(bool on) { Options().confirm = on; }
    ~ConfirmOption() { Options().confirm = saved; }
};

// Fills the editor with an annual holiday on a specific day and confirms it.
void answerEditorWithDay(const QString& name, const QString& month, const QString& day) {
    WhenModal<TfrmEditHoliday>([=](TfrmEditHoliday* e) {
        QVERIFY(e);
        e->edName->setText(name);
        e->rbAnnual->click();
        e->cbMonth->setCurrentText(month);
        e->rbSpecific->click();
        e->cbDOM->setCurrentText(day);
        QTest::mouseClick(e->btOK, Qt::LeftButton);
    });
}

}  // namespace

class TestHolidayDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        InitTestEnvironment("en_US");
        fix2000(ProcessFormatSettings());
    }

    void withoutFileShowsHeadingAndOneEmptyRow() {
        Fixture f({}, false);
        TfrmHoliday& w = f.w();
        QCOMPARE(w.objectName(), QStringLiteral("frmHoliday"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Holidays"));
        QCOMPARE(f.rows(), QStringList{"///"});
        const QStringList headings = {"Holiday name", "Mo #", "Month", "Day of month"};
        const QList<int> widths = {286, 61, 80, 147};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(w.grid->model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
            QCOMPARE(w.grid->columnWidth(c), widths[c]);
        }
        QCOMPARE(w.grid->selectionBehavior(), QAbstractItemView::SelectRows);
        const QList<QPair<QPushButton*, const char*>> buttons = {
            {w.btAdd, "Add"},
            {w.btEdit, "&Edit"},
            {w.btDel, "Del"},
            {w.btClone, "&Clone"},
            {w.btImport, "&International"},
            {w.btPrint, "&Print"},
            {w.btHelp, "&Help"},
            {w.btClose, "Close"},
        };
        for (const auto& [button, caption] : buttons) {
            QCOMPARE(w.findChild<QPushButton*>(button->objectName()), button);
            QCOMPARE(button->text(), QLatin1String(caption));
        }
        QCOMPARE(w.btImport->toolTip(), QStringLiteral("Import International holidays"));
        QVERIFY(!QFile::exists(HolidayFilePath()));
        QVERIFY(w.grid->model()->data(w.grid->model()->index(0, 0), Qt::DisplayRole).toString().isEmpty());
    }

    void addFillsTheEmptyRowOfAnEmptyTable() {
        Fixture f({}, false);
        answerEditorWithDay(QStringLiteral("Flag Day"), QStringLiteral("June"), QStringLiteral("14"));
        QTest::mouseClick(f.w().btAdd, Qt::LeftButton);
        QCOMPARE(f.rows(), QStringList{"Flag Day/06/June/14"});
        QVERIFY(!QFile::exists(HolidayFilePath()));
    }

    void insertKeyAddsBeforeTheSelectedRow() {
        Fixture f({kFlagDay, kMemorial});
        f.select(2);
        QTest::keyPress(f.w().grid, Qt::Key_Insert);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        answerEditorWithDay(QStringLiteral("Halloween"), QStringLiteral("October"), QStringLiteral("31"));
        f.releaseKey(Qt::Key_Insert);
        QCOMPARE(f.rows(),
                 (QStringList{"Flag Day/06/June/14", "Halloween/10/October/31", "Memorial Day/05/May/Last : Monday"}));
        QCOMPARE(f.w().grid->currentRow(), 2);
    }

    void cancelledAddChangesNothing() {
        Fixture f({kFlagDay});
        WhenModal<TfrmEditHoliday>([](TfrmEditHoliday* e) {
            QVERIFY(e);
            e->edName->setText(QStringLiteral("Ignored"));
            QTest::mouseClick(e->btCancel, Qt::LeftButton);
        });
        QTest::mouseClick(f.w().btAdd, Qt::LeftButton);
        QCOMPARE(f.rows(), QStringList{"Flag Day/06/June/14"});
    }

    void editFloatingRule() {
        Fixture f({kFlagDay, kMemorial});
        f.select(2);
        WhenModal<TfrmEditHoliday>([](TfrmEditHoliday* e) {
            QVERIFY(e);
            QCOMPARE(e->edName->text(), QStringLiteral("Memorial Day"));
            QVERIFY(e->rbAnnual->isChecked());
            QVERIFY(e->rbFloating->isChecked());
            QCOMPARE(e->cbMonth->currentText(), QStringLiteral("May"));
            QCOMPARE(e->cbNth->currentText(), QStringLiteral("Last"));
            QCOMPARE(e->cbDay->currentText(), QStringLiteral("Monday"));
            QVERIFY(e->cbNth->isVisible() && e->cbDay->isVisible() && !e->cbDOM->isVisible());
            e->cbNth->setCurrentText(QStringLiteral("First"));
            e->cbMonth->setCurrentText(QStringLiteral("September"));
            QTest::mouseClick(e->btOK, Qt::LeftButton);
        });
        // A double click on a row edits it as the Edit button does.
        const QPoint at = f.rowRect(2).center();
        QTest::mouseClick(f.w().grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(f.w().grid->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(f.rows(), (QStringList{"Flag Day/06/June/14", "Memorial Day/09/September/First : Monday"}));
    }

    void editOneTimeAndFixedRules_data() {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("result");
        QTest::newRow("one-time") << kEaster << "Easter/04/April/20060416";
        QTest::newRow("fixed day, now one-time") << kFlagDay << "Flag Day/04/April/20060416";
    }

    void editOneTimeAndFixedRules() {
        QFETCH(QStringList, row);
        QFETCH(QString, result);
        Fixture f({row});
        const bool oneTime = IsOneTimeRule(row[2]);
        WhenModal<TfrmEditHoliday>([oneTime](TfrmEditHoliday* e) {
            QVERIFY(e);
            QCOMPARE(e->rbOneTime->isChecked(), oneTime);
            if (oneTime)
                QCOMPARE(e->dt1->date(), QDate(2005, 3, 27));
            else
                QCOMPARE(e->cbDOM->currentText(), QStringLiteral("14"));
            e->rbOneTime->click();
            e->dt1->setDate(QDate(2006, 4, 16));
            QTest::mouseClick(e->btOK, Qt::LeftButton);
        });
        QTest::mouseClick(f.w().btEdit, Qt::LeftButton);
        QCOMPARE(f.rows(), QStringList{result});
    }

    void editWithoutNameRefuses() {
        Fixture f({}, false);
        QTest::mouseClick(f.w().btEdit, Qt::LeftButton);
        QCOMPARE(f.platform.dialogs->boxes.size(), 1);
        QCOMPARE(f.platform.dialogs->boxes[0].kind, BoxKind::Error);
        QCOMPARE(f.platform.dialogs->boxes[0].text, QStringLiteral("Nothing to edit"));
        QCOMPARE(f.rows(), QStringList{"///"});
    }

    void deleteRow_data() {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("result");
        QTest::newRow("only row: emptied, not removed") << 1 << true << true << QStringList{"///"};
        QTest::newRow("answered No") << 1 << true << false << QStringList{"Flag Day/06/June/14"};
        QTest::newRow("one of two: removed") << 2 << true << true << QStringList{"Memorial Day/05/May/Last : Monday"};
        QTest::newRow("without confirmation")
            << 2 << false << false << QStringList{"Memorial Day/05/May/Last : Monday"};
    }

    void deleteRow() {
        QFETCH(int, rowCount);
        QFETCH(bool, confirm);
        QFETCH(bool, answer);
        QFETCH(QStringList, result);
        ConfirmOption option(confirm);
        Fixture f(QList<QStringList>{kFlagDay, kMemorial}.mid(0, rowCount));
        const QByteArray before = f.platform.readFile(QStringLiteral("holiday.grd"));
        f.platform.dialogs->answers.enqueue(answer);
        f.select(1);
        f.releaseKey(Qt::Key_Delete);
        QCOMPARE(f.rows(), result);
        QCOMPARE(f.platform.dialogs->texts(),
                 confirm ? QStringList{QStringLiteral("Really delete \"Flag Day\"?")} : QStringList{});
        QCOMPARE(f.platform.readFile(QStringLiteral("holiday.grd")), before);
    }

    void cloneSavesAtOnce() {
        Fixture f({kFlagDay, kMemorial});
        f.select(2);
        f.platform.dialogs->answers.enqueue(false);
        QTest::mouseClick(f.w().btClone, Qt::LeftButton);
        QCOMPARE(f.rows().size(), 2);

        f.platform.dialogs->answers.enqueue(true);
        QTest::mouseClick(f.w().btClone, Qt::LeftButton);
        const QStringList cloned = {"Flag Day/06/June/14", "Memorial Day/05/May/Last : Monday",
                                    "Memorial Day/05/May/Last : Monday"};
        QCOMPARE(f.rows(), cloned);
        QCOMPARE(fileRows(), cloned);
        QCOMPARE(f.platform.dialogs->texts(),
                 (QStringList{"Clone this holiday - \"Memorial Day\"?", "Clone this holiday - \"Memorial Day\"?"}));
        QCOMPARE(f.w().grid->currentRow(), 2);
    }

    void cloneOfAnEmptyRowDoesNothing() {
        Fixture f({}, false);
        QTest::mouseClick(f.w().btClone, Qt::LeftButton);
        QVERIFY(f.platform.dialogs->boxes.isEmpty());
        QVERIFY(!QFile::exists(HolidayFilePath()));
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("saves");
        QTest::newRow("Close button") << "button" << true;
        QTest::newRow("Esc") << "esc" << true;
        QTest::newRow("title-bar close box") << "box" << false;
    }

    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, saves);
        ConfirmOption option(false);
        Fixture f({kFlagDay, kMemorial});
        f.select(1);
        f.releaseKey(Qt::Key_Delete);
        QCOMPARE(fileRows().size(), 2);
        if (how == QLatin1String("button"))
            QTest::mouseClick(f.w().btClose, Qt::LeftButton);
        else if (how == QLatin1String("esc"))
            QTest::keyClick(f.w().grid, Qt::Key_Escape);
        else
            f.w().close();
        QVERIFY(!f.w().isVisible());
        QCOMPARE(f.w().result(), saves ? int(QDialog::Accepted) : int(QDialog::Rejected));
        const QStringList kept = {"Memorial Day/05/May/Last : Monday"};
        const QStringList unsaved = {"Flag Day/06/June/14", "Memorial Day/05/May/Last : Monday"};
        QCOMPARE(fileRows(), saves ? kept : unsaved);
    }

    // Two holidays on one day are named in row order; dragging a row onto another
    // moves it there.
    void dragReordersRows() {
        const QStringList a = {QStringLiteral("A"), QStringLiteral("May"), QStringLiteral("30")};
        const QStringList b = {QStringLiteral("B"), QStringLiteral("May"), QStringLiteral("Last : Monday")};
        Fixture f({a, kFlagDay, b});
        const QDate day(2005, 5, 30);
        QCOMPARE(GetHolidaysForDate(f.w().table(), day), QStringLiteral("A; B"));
        f.drag(f.rowRect(3).center(), f.rowRect(1).center());
        QCOMPARE(f.rows(), (QStringList{"B/05/May/Last : Monday", "A/05/May/30", "Flag Day/06/June/14"}));
        QCOMPARE(f.w().grid->currentRow(), 1);
        QCOMPARE(GetHolidaysForDate(f.w().table(), day), QStringLiteral("B; A"));
        QVERIFY(fileRows().startsWith(QStringLiteral("A/05/May/30")));
    }

    void dragsThatMoveNothing_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("current");
        QTest::newRow("less than the drag distance, into the row above") << 3 << 2 << -1 << 3;
        QTest::newRow("onto its own row") << 3 << 3 << 0 << 3;
        QTest::newRow("below the last row") << 1 << 0 << 0 << 1;
    }

    void dragsThatMoveNothing() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, distance);
        QFETCH(int, current);
        Fixture f({kFlagDay, kMemorial, kEaster});
        const QStringList before = f.rows();
        QPoint start = f.rowRect(from).center();
        QPoint target = to > 0 ? f.rowRect(to).center() : QPoint(10, f.rowRect(3).bottom() + 40);
        if (distance < 0) {
            // From the top edge of the row to just above it, short of the drag distance.
            start = QPoint(start.x(), f.rowRect(from).top() + 1);
            target = start - QPoint(0, QApplication::startDragDistance() / 2);
            QCOMPARE(f.w().grid->rowAt(target.y()) + 1, to);
        }
        f.drag(start, target, distance == 0);
        QCOMPARE(f.rows(), before);
        QCOMPARE(f.w().grid->currentRow(), current);
    }

    void oneTimeRulesShowAsDates() {
        Fixture f({kEaster, kMemorial});
        TfrmHoliday& w = f.w();
        QCOMPARE(w.cellDisplayText(3, 1), QStringLiteral("3/27/2005"));
        QCOMPARE(w.cellDisplayText(3, 2), QStringLiteral("Last : Monday"));
        QCOMPARE(w.cellDisplayText(0, 1), QStringLiteral("Easter"));
        const auto* styled = qobject_cast<QStyledItemDelegate*>(w.grid->itemDelegateForColumn(3));
        QVERIFY(styled);
        QCOMPARE(styled->displayText(QStringLiteral("20050327"), QLocale()), QStringLiteral("3/27/2005"));
        QCOMPARE(w.table().cell(3, 1), QStringLiteral("20050327"));
    }

    void importSavesFirstAndShowsTheImportedRows() {
        Fixture f({kFlagDay});
        // An unsaved change reaches the file before the import reads it.
        f.w().table().setCell(HolName, 1, QStringLiteral("Flag Day!"));
        WhenModal<TfrmImport>([](TfrmImport* d) {
            QVERIFY(d);
            d->lbCountries->setCurrentRow(22);
            d->lbDays->item(0)->setSelected(true);
            d->lbDays->item(21)->setSelected(true);
            QTest::mouseClick(d->btOK, Qt::LeftButton);
        });
        QTest::mouseClick(f.w().btImport, Qt::LeftButton);
        const QStringList expected = {"Thanksgiving/11/November/Fourth : Thursday", "New Year's Day/01/January/1",
                                      "Flag Day!/06/June/14"};
        QCOMPARE(f.rows(), expected);
        QCOMPARE(fileRows(), expected);
    }

    void closedImportChangesNothing() {
        Fixture f({kFlagDay});
        WhenModal<TfrmImport>([](TfrmImport* d) {
            QVERIFY(d);
            d->lbDays->item(0)->setSelected(true);
            QTest::mouseClick(d->btCancel, Qt::LeftButton);
        });
        QTest::mouseClick(f.w().btImport, Qt::LeftButton);
        QCOMPARE(f.rows(), QStringList{"Flag Day/06/June/14"});
        QCOMPARE(fileRows(), QStringList{"Flag Day/06/June/14"});
    }

    void printsWithItsTitle() {
        Fixture f({kFlagDay, kEaster});
        f.platform.dialogs->answers.enqueue(false);
        QTest::mouseClick(f.w().btPrint, Qt::LeftButton);
        QVERIFY(!QFile::exists(f.platform.dialogs->defaultPdf));
        f.platform.dialogs->answers.enqueue(true);
        QTest::mouseClick(f.w().btPrint, Qt::LeftButton);
        QVERIFY(QFile::exists(f.platform.dialogs->defaultPdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {f.platform.dialogs->defaultPdf, QStringLiteral("-")});
        if (!text.waitForFinished() || text.exitCode() != 0)
            QSKIP("pdftotext is not available");
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.startsWith(QLatin1String("Holidays")), qPrintable(printed));
        QVERIFY(printed.contains(QLatin1String("Flag Day")));
        QVERIFY(printed.contains(QLatin1String("Day of month")));
    }

    void helpAsksForTopic300() {
        Fixture f({}, false);
        QSignalSpy spy(f.window.get(), &TfrmHoliday::helpRequested);
        QTest::mouseClick(f.w().btHelp, Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toInt(), 300);
    }
};

QTEST_MAIN(TestHolidayDialog)
#include "test_holidaydialog.moc"
