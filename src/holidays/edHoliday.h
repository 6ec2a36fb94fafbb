#pragma once
// The holiday editor: one holiday's name and either a one-time date or an annual rule
// (a fixed day of a month, or the first to fourth or last weekday of a month).

#include <QDialog>

#include "holidays/holidayrules.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QWidget;

class TfrmEditHoliday : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditHoliday(QWidget* parent = nullptr);

    // Set by the caller before showing: a new holiday, or an existing one with its values.
    bool newHoliday = true;
    QString presetMonth;
    int presetDay = 0;
    QString presetNth;
    QString presetWeekday;

    // Presets an existing holiday: mode, name, type, day choice, date and the presets above.
    void presetFrom(const HolidayEntry& entry);
    // The holiday as the controls hold it (read after OK).
    HolidayEntry entry() const;

    QLineEdit* edName;
    QGroupBox* rgType;
    QRadioButton* rbOneTime;
    QRadioButton* rbAnnual;
    QWidget* pnlOneTime;
    QDateEdit* dt1;
    QWidget* pnlRepeat;
    QComboBox* cbMonth;
    QRadioButton* rbSpecific;
    QComboBox* cbDOM;
    QRadioButton* rbFloating;
    QComboBox* cbNth;
    QComboBox* cbDay;
    QPushButton* btOK;
    QPushButton* btCancel;

    void btOKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    // Offers the days of the month (February always 29), keeping the chosen day where it fits.
    void fillDays();
    void applyVisibility();

    QStackedWidget* m_pages;
};
