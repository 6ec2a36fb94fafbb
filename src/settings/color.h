#pragma once
// The colour dialog of the options window ("Set Color"): a foreground and a background
// colour box over a sample month calendar that shows the choice at once. Month mode
// chooses only the outline colour of the current month's calendar; hint mode chooses the
// two colours of the fly-by hints and shows no sample.

#include <QColor>
#include <QDialog>

class MonthCalendar;
class QComboBox;
class QLabel;
class QPushButton;

class TfrmColor : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Normal, Month, Hint };

    explicit TfrmColor(QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);

    QColor foreground() const;
    void setForeground(const QColor& color);
    QColor background() const;
    void setBackground(const QColor& color);

    // Shows the dialog modally; after OK the two colours hold the choice.
    static bool Execute(QWidget* parent, const QString& caption, Mode mode, QColor& foreground, QColor& background);

    QLabel* lblFG;
    QComboBox* cbFG;
    QLabel* lblBG;
    QComboBox* cbBG;
    MonthCalendar* calSample;
    QPushButton* btOK;
    QPushButton* btCancel;

private:
    void colorChosen(QComboBox* box);
    void redrawSample();
    // The box's colour; while "Custom..." is open, the one chosen before it.
    static QColor colorOf(const QComboBox* box);

    Mode m_mode = Mode::Normal;
};
