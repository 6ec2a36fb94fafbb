#pragma once
// The holiday import: the built-in holiday lists by country; the chosen entries become
// holiday rows in front of those of holiday.grd, which is written when OK succeeds.

#include <QDialog>

#include "data/gridtable.h"

class QLabel;
class QListWidget;
class QPushButton;

class TfrmImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImport(QWidget* parent = nullptr);

    // The holiday table while the dialog is open (holiday.grd as it was at the showing).
    GridTable& table() { return m_table; }

    QListWidget* lbCountries;
    QListWidget* lbDays;
    QLabel* lblHint;
    QPushButton* btOK;
    QPushButton* btCancel;

    void btOKClick();
    // Lists the entries of the chosen country.
    void lbCountriesClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    GridTable m_table{4, 2};
};
