#pragma once
// An owner-drawn month calendar: a header with the month and year and paging arrows, a
// week-day header row and a 6x7 grid of day cells whose colours a handler sets per cell.
// Used by the main window's four calendars, the year calendar and the colour samples.

#include <QColor>
#include <QDate>
#include <QFont>
#include <QStaticText>
#include <QWidget>
#include <array>
#include <functional>

// One day cell about to be drawn. The colours arrive filled with the defaults; the draw
// handler may change them, or set skip to leave the cell undrawn.
struct CellPaint {
    int index = 0;  // 0..41, row by row
    int day = 0;    // day of month
    QDate date;
    bool inMonth = false;   // belongs to the shown month (others are greyed)
    bool selected = false;  // holds the calendar's date
    QColor backColor;
    QColor textColor;
    bool skip = false;
};

class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };
    static constexpr int CellCount = 42;
    using DrawCellHandler = std::function<void(CellPaint&)>;

    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Emits dateChanged, then monthChanged when the month changed, then yearChanged
    // when the year changed; nothing when the date is the same or invalid.
    void setDate(const QDate& date);
    // Keeps the day of month, lowered to the last day of the target month.
    void addMonths(int months);
    void nextMonth() { addMonths(1); }
    void prevMonth() { addMonths(-1); }

    Qt::DayOfWeek weekStart() const { return m_weekStart; }
    void setWeekStart(Qt::DayOfWeek day);  // Sunday or Monday

    void setDrawCellHandler(DrawCellHandler handler);

    // An invalid colour gives back the palette's default.
    QColor selectedBackColor() const;  // default: highlight
    void setSelectedBackColor(const QColor& color);
    QColor monthBackColor() const;  // behind the header and between the cells; default: button face
    void setMonthBackColor(const QColor& color);
    QColor weekdayHeaderBackColor() const;  // default: button face
    void setWeekdayHeaderBackColor(const QColor& color);

    Bevel bevel() const { return m_bevel; }
    int bevelWidth() const { return m_bevelWidth; }
    void setBevel(Bevel bevel, int width);

    bool showHeader() const { return m_showHeader; }
    void setShowHeader(bool show);  // month and year labels with the paging arrows
    bool showNavButtons() const { return m_showNavButtons; }
    void setShowNavButtons(bool show);
    bool showWeekdayHeader() const { return m_showWeekdayHeader; }
    void setShowWeekdayHeader(bool show);
    // At most this many letters of each short day name (0: the whole name); fewer when
    // the names do not fit the cells.
    int weekdayLetters() const { return m_weekdayLetters; }
    void setWeekdayLetters(int letters);
    bool showOtherMonths() const { return m_showOtherMonths; }
    void setShowOtherMonths(bool show);  // off: cells of neighbouring months stay empty
    // Day numbers, week-day names and the labels use this size in the widget's font
    // family, shrunk where the cells are too small for it.
    int cellFontPointSize() const { return m_cellPointSize; }
    void setCellFontPointSize(int points);
    bool flatLabels() const { return m_flatLabels; }
    void setFlatLabels(bool flat);  // off: the month and year labels stand raised
    bool cellBevels() const { return m_cellBevels; }
    void setCellBevels(bool bevels);

    // The day cell under a point, -1 outside the day grid.
    int cellAt(const QPoint& point) const;
    QDate dateOfCell(int index) const;
    int cellOfDate(const QDate& date) const;  // -1 when not shown
    QRect cellRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void dateChanged();
    void monthChanged();
    void yearChanged();
    // A day cell was clicked; its date has been selected first. A double click is a
    // click followed by cellDoubleClicked.
    void clicked();
    void cellDoubleClicked(int index);
    // A paging arrow was pressed; sent before the month moves.
    void pagePressed(int months);
    void mouseMoved(const QPoint& pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Geometry and fonts, computed again after a resize or a change of the switches.
    struct Layout {
        QRect content;
        QRect header;
        QRect prevButton;
        QRect nextButton;
        QRect weekdayRow;
        QRect grid;
        std::array<int, 8> columns{};
        std::array<int, 7> rows{};
        QFont cellFont;
        QFont labelFont;
        QFont weekdayFont;
        std::array<QString, 7> weekdayNames;
        std::array<QStaticText, 31> dayTexts;
    };

    const Layout& layout() const;
    void invalidateLayout();
    QDate firstCellDate() const;
    bool pressCell(const QPoint& point);
    void paintHeader(QPainter& painter, const Layout& l) const;
    void paintWeekdayRow(QPainter& painter, const Layout& l) const;
    void paintCells(QPainter& painter, const Layout& l) const;

    QDate m_date;
    Qt::DayOfWeek m_weekStart = Qt::Sunday;
    DrawCellHandler m_drawCell;
    QColor m_selectedBack;
    QColor m_monthBack;
    QColor m_weekdayBack;
    Bevel m_bevel = Bevel::None;
    int m_bevelWidth = 0;
    bool m_showHeader = true;
    bool m_showNavButtons = true;
    bool m_showWeekdayHeader = true;
    int m_weekdayLetters = 0;
    bool m_showOtherMonths = true;
    int m_cellPointSize = 0;
    bool m_flatLabels = false;
    bool m_cellBevels = false;

    mutable Layout m_layout;
    mutable bool m_layoutValid = false;
};
