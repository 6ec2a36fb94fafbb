#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "holidayfixture.h"
#include "holidays/edHoliday.h"
#include "holidays/holidaylists.h"
#include "holidays/import.h"

namespace {

QStringList comboItems(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList dayNumbers(int count) {
    QStringList days;
    for (int d = 1; d <= count; ++d)
        days << QString::number(d);
    return days;
}

// The editor for an existing annual holiday on a specific day, shown.
std::unique_ptr<TfrmEditHoliday> showEditor(const HolidayEntry& entry) {
    auto editor = std::make_unique<TfrmEditHoliday>();
    editor->presetFrom(entry);
    editor->show();
    return editor;
}

HolidayEntry fixedDay(const QString& month, int day) {
    HolidayEntry e;
    e.name = QStringLiteral("Fixed");
    e.month = month;
    e.dayOfMonth = QString::number(day);
    e.dayNumber = day;
    return e;
}

}  // namespace

class TestHolidayEditor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment("en_US"); }

    void controls() {
        TestPlatform platform;
        TfrmEditHoliday e;
        QCOMPARE(e.windowTitle(), QStringLiteral("Edit Holiday"));
        QCOMPARE(e.edName->maxLength(), 30);
        QCOMPARE(e.rgType->title(), QStringLiteral("Holiday Type"));
        QCOMPARE(e.rbOneTime->text(), QStringLiteral("One-time holiday"));
        QCOMPARE(e.rbAnnual->text(), QStringLiteral("Annual repeating"));
        QCOMPARE(e.rbSpecific->text(), QStringLiteral("&Specific day of month"));
        QCOMPARE(e.rbFloating->text(), QStringLiteral("&Floating day of month"));
        QCOMPARE(comboItems(e.cbNth), (QStringList{"First", "Second", "Third", "Fourth", "Last"}));
        QCOMPARE(comboItems(e.cbDay).first(), QStringLiteral("Sunday"));
        QCOMPARE(comboItems(e.cbMonth).size(), 12);
        QCOMPARE(comboItems(e.cbMonth).first(), QStringLiteral("January"));
        for (QComboBox* box : {e.cbMonth, e.cbDOM, e.cbNth, e.cbDay})
            QVERIFY(!box->isEditable());
        QVERIFY(e.btOK->isDefault());
        QCOMPARE(e.btCancel->text(), QStringLiteral("Cancel"));
        const QStringList labels = [&e] {
            QStringList out;
            for (const QLabel* l : e.findChildren<QLabel*>())
                out << l->text();
            return out;
        }();
        QVERIFY(labels.contains(QStringLiteral("&Holiday name")));
        QVERIFY(labels.contains(QStringLiteral("This holiday date does not repeat:")));
        QVERIFY(labels.contains(
            QStringLiteral("Use this to enter holidays based on the lunar calendar such as Passover and Easter.")));
        QVERIFY(labels.contains(QStringLiteral("Month")));
    }

    void newHolidayStartsOnToday() {
        TestPlatform platform;
        platform.clock->current = QDateTime(QDate(2005, 1, 31), QTime(8, 0));
        TfrmEditHoliday e;
        e.show();
        QVERIFY(e.edName->text().isEmpty());
        QVERIFY(e.rbOneTime->isChecked());
        QVERIFY(e.rbSpecific->isChecked());
        QCOMPARE(e.dt1->date(), QDate(2005, 1, 31));
        QCOMPARE(e.cbMonth->currentText(), QStringLiteral("January"));
        QCOMPARE(e.cbDOM->currentText(), QStringLiteral("31"));
        QCOMPARE(e.cbNth->currentText(), QStringLiteral("First"));
        QCOMPARE(e.cbDay->currentText(), QStringLiteral("Sunday"));
        QVERIFY(e.pnlOneTime->isVisible());
        QVERIFY(!e.pnlRepeat->isVisible());
    }

    void visibilityFollowsTheChoices() {
        TestPlatform platform;
        TfrmEditHoliday e;
        e.show();
        e.rbAnnual->click();
        QVERIFY(!e.pnlOneTime->isVisible());
        QVERIFY(e.pnlRepeat->isVisible());
        QVERIFY(e.cbDOM->isVisible());
        QVERIFY(!e.cbNth->isVisible() && !e.cbDay->isVisible());
        e.rbFloating->click();
        QVERIFY(!e.cbDOM->isVisible());
        QVERIFY(e.cbNth->isVisible() && e.cbDay->isVisible());
        e.rbOneTime->click();
        QVERIFY(e.pnlOneTime->isVisible());
        QVERIFY(!e.pnlRepeat->isVisible());
    }

    // The day list offers the month's days (February 29) and keeps the chosen day where it fits.
    void dayListFollowsTheMonth() {
        TestPlatform platform;
        auto e = showEditor(fixedDay(QStringLiteral("January"), 31));
        QVERIFY(e->rbAnnual->isChecked());
        QCOMPARE(e->cbDOM->currentText(), QStringLiteral("31"));
        e->cbMonth->setCurrentText(QStringLiteral("April"));
        QCOMPARE(comboItems(e->cbDOM), dayNumbers(30));
        QCOMPARE(e->cbDOM->currentText(), QStringLiteral("30"));
        e->cbMonth->setCurrentText(QStringLiteral("February"));
        QCOMPARE(comboItems(e->cbDOM), dayNumbers(29));
        QCOMPARE(e->cbDOM->currentText(), QStringLiteral("29"));
        e->cbMonth->setCurrentText(QStringLiteral("March"));
        QCOMPARE(e->cbDOM->currentText(), QStringLiteral("29"));
    }

    void existingHolidayPresets_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("monthIndex");
        QTest::addColumn<QString>("shownDay");
        QTest::newRow("day 14 of June") << "June" << 14 << 5 << "14";
        QTest::newRow("day 0: the first entry") << "June" << 0 << 5 << "1";
        QTest::newRow("day 31 of a hand-edited June") << "June" << 31 << 5 << "30";
        QTest::newRow("month of another language") << "Juni" << 14 << -1 << "";
    }

    void existingHolidayPresets() {
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(int, monthIndex);
        QFETCH(QString, shownDay);
        TestPlatform platform;
        auto e = showEditor(fixedDay(month, day));
        QCOMPARE(e->edName->text(), QStringLiteral("Fixed"));
        QCOMPARE(e->cbMonth->currentIndex(), monthIndex);
        QCOMPARE(e->cbDOM->currentText(), shownDay);
    }

    void blankNameKeepsTheEditorOpen() {
        TestPlatform platform;
        TfrmEditHoliday e;
        e.show();
        e.edName->setText(QStringLiteral(" \r\n "));
        QTest::mouseClick(e.btOK, Qt::LeftButton);
        QVERIFY(e.isVisible());
        QCOMPARE(platform.dialogs->texts(), QStringList{"The holiday name cannot be blank"});
        QCOMPARE(platform.dialogs->boxes[0].kind, BoxKind::Error);
        e.edName->setText(QStringLiteral("Named"));
        QTest::mouseClick(e.btOK, Qt::LeftButton);
        QVERIFY(!e.isVisible());
        QCOMPARE(e.result(), int(QDialog::Accepted));
    }

    void oneTimeHolidayTakesTheMonthOfItsDate() {
        TestPlatform platform;
        TfrmEditHoliday e;
        e.show();
        e.edName->setText(QStringLiteral("Picnic"));
        e.dt1->setDate(QDate(2005, 7, 4));
        QTest::mouseClick(e.btOK, Qt::LeftButton);
        QCOMPARE(e.cbMonth->currentText(), QStringLiteral("July"));
        const HolidayEntry out = e.entry();
        QVERIFY(out.oneTime);
        QCOMPARE(out.month, QStringLiteral("July"));
        QCOMPARE(out.date, QDate(2005, 7, 4));
    }

    void importShowsTheFirstCountryAndLoadsTheTable() {
        TestPlatform platform;
        writeHolidays({{QStringLiteral("Mine"), QStringLiteral("June"), QStringLiteral("14")}});
        TfrmImport d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Import International Holidays"));
        QCOMPARE(d.lblHint->text(), QStringLiteral("Hint: Drag mouse or Ctrl-Click to select multiple entries"));
        QCOMPARE(d.btOK->text(), QStringLiteral("OK"));
        QVERIFY(d.btOK->isDefault());
        QCOMPARE(d.btCancel->text(), QStringLiteral("Close"));
        QCOMPARE(d.lbDays->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(d.lbCountries->count(), 25);
        d.show();
        QCOMPARE(d.lbCountries->currentRow(), 0);
        QCOMPARE(d.lbDays->count(), 6);
        QCOMPARE(d.lbDays->item(3)->text(), QStringLiteral("1st Mon in Oct\tLabour Day"));
        QCOMPARE(holidayRows(d.table()), QStringList{"Mine/06/June/14"});
        d.lbCountries->setCurrentRow(24);
        QCOMPARE(d.lbDays->count(), 40);
        QCOMPARE(d.lbDays->item(0)->text(), QStringLiteral("19 Sep 2001:\tRosh Hashanah 5762"));
    }

    void importWithoutSelectionRefuses() {
        TestPlatform platform;
        TfrmImport d;
        d.show();
        QTest::mouseClick(d.btOK, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(platform.dialogs->texts(), QStringList{"Nothing selected!  Click on holiday(s) above to select."});
        QVERIFY(!QFile::exists(HolidayFilePath()));
    }

    // Selected items go before the existing rows, the last selected first; nothing is
    // looked for, so importing twice adds twice.
    void importPutsTheSelectionFirst() {
        TestPlatform platform;
        writeHolidays({{QStringLiteral("Mine"), QStringLiteral("June"), QStringLiteral("14")}});
        for (int pass = 0; pass < 2; ++pass) {
            TfrmImport d;
            d.show();
            d.lbCountries->setCurrentRow(21);
            for (int i : {2, 0, 8})
                d.lbDays->item(i)->setSelected(true);
            QTest::mouseClick(d.btOK, Qt::LeftButton);
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        const QStringList once = {"New Year's Eve/12/December/31", "Spring Bank Holiday/05/May/Last : Monday",
                                  "New Year's Day/01/January/1"};
        QCOMPARE(fileRows(), once + once + QStringList{"Mine/06/June/14"});
    }

    void importOfOneTimeEntries() {
        TestPlatform platform;
        TfrmImport d;
        d.show();
        d.lbCountries->setCurrentRow(23);
        d.lbDays->item(2)->setSelected(true);
        QTest::mouseClick(d.btOK, Qt::LeftButton);
        QCOMPARE(fileRows(), (QStringList{"Easter Sunday/04/April/20010415", "///"}));
    }

    void closedImportWritesNothing() {
        TestPlatform platform;
        TfrmImport d;
        d.show();
        d.lbDays->item(0)->setSelected(true);
        QTest::mouseClick(d.btCancel, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QVERIFY(!QFile::exists(HolidayFilePath()));
    }
};

QTEST_MAIN(TestHolidayEditor)
#include "test_holidayeditor.moc"
