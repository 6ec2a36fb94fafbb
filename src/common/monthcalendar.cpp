#include "common/monthcalendar.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "common/formatsettings.h"

namespace {

constexpr int kMinPixelSize = 4;

int pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

// Shrinks the font until its line height and the sample's width fit the box.
QFont fitFont(QFont font, int maxHeight, int maxWidth, const QString& sample) {
    int pixels = pixelSizeOf(font);
    for (;;) {
        const QFontMetrics fm(font);
        if (pixels <= kMinPixelSize || (fm.height() <= maxHeight && fm.horizontalAdvance(sample) <= maxWidth))
            return font;
        font.setPixelSize(--pixels);
    }
}

QColor blend(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// A 3D frame of the given width inside rect: light top-left and dark bottom-right when
// raised, the other way round when sunken; the outer ring is the stronger one.
void drawBevel(QPainter& p, const QRect& rect, const QPalette& pal, bool raised, int width) {
    const QColor outerLight = pal.color(QPalette::Light);
    const QColor innerLight = pal.color(QPalette::Midlight);
    const QColor outerDark = pal.color(QPalette::Shadow);
    const QColor innerDark = pal.color(QPalette::Dark);
    QRect r = rect;
    for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
        const QColor& light = i == 0 ? outerLight : innerLight;
        const QColor& dark = i == 0 ? outerDark : innerDark;
        const QColor& topLeft = raised ? light : dark;
        const QColor& bottomRight = raised ? dark : light;
        p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
        p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
        p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        p.fillRect(r.right(), r.top() + 1, 1, r.height() - 1, bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

}  // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QWidget(parent), m_date(QDate::currentDate()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_cellPointSize = font().pointSize() > 0 ? font().pointSize() : 8;
}

void MonthCalendar::setDate(const QDate& date) {
    if (!date.isValid() || date == m_date)
        return;
    const bool monthChange = date.month() != m_date.month() || date.year() != m_date.year();
    const bool yearChange = date.year() != m_date.year();
    m_date = date;
    update();
    emit dateChanged();
    if (monthChange)
        emit monthChanged();
    if (yearChange)
        emit yearChanged();
}

void MonthCalendar::addMonths(int months) {
    setDate(m_date.addMonths(months));
}

void MonthCalendar::setWeekStart(Qt::DayOfWeek day) {
    if (day == m_weekStart)
        return;
    m_weekStart = day;
    invalidateLayout();
}

void MonthCalendar::setDrawCellHandler(DrawCellHandler handler) {
    m_drawCell = std::move(handler);
    update();
}

QColor MonthCalendar::selectedBackColor() const {
    return m_selectedBack.isValid() ? m_selectedBack : palette().color(QPalette::Highlight);
}

void MonthCalendar::setSelectedBackColor(const QColor& color) {
    if (color == m_selectedBack)
        return;
    m_selectedBack = color;
    update();
}

QColor MonthCalendar::monthBackColor() const {
    return m_monthBack.isValid() ? m_monthBack : palette().color(QPalette::Button);
}

void MonthCalendar::setMonthBackColor(const QColor& color) {
    if (color == m_monthBack)
        return;
    m_monthBack = color;
    update();
}

QColor MonthCalendar::weekdayHeaderBackColor() const {
    return m_weekdayBack.isValid() ? m_weekdayBack : palette().color(QPalette::Button);
}

void MonthCalendar::setWeekdayHeaderBackColor(const QColor& color) {
    if (color == m_weekdayBack)
        return;
    m_weekdayBack = color;
    update();
}

void MonthCalendar::setBevel(Bevel bevel, int width) {
    width = bevel == Bevel::None ? 0 : std::max(0, width);
    if (bevel == m_bevel && width == m_bevelWidth)
        return;
    m_bevel = bevel;
    m_bevelWidth = width;
    invalidateLayout();
}

void MonthCalendar::setShowHeader(bool show) {
    if (show != m_showHeader) {
        m_showHeader = show;
        invalidateLayout();
    }
}

void MonthCalendar::setShowNavButtons(bool show) {
    if (show != m_showNavButtons) {
        m_showNavButtons = show;
        invalidateLayout();
    }
}

void MonthCalendar::setShowWeekdayHeader(bool show) {
    if (show != m_showWeekdayHeader) {
        m_showWeekdayHeader = show;
        invalidateLayout();
    }
}

void MonthCalendar::setWeekdayLetters(int letters) {
    if (letters != m_weekdayLetters) {
        m_weekdayLetters = std::max(0, letters);
        invalidateLayout();
    }
}

void MonthCalendar::setShowOtherMonths(bool show) {
    if (show != m_showOtherMonths) {
        m_showOtherMonths = show;
        update();
    }
}

void MonthCalendar::setCellFontPointSize(int points) {
    if (points > 0 && points != m_cellPointSize) {
        m_cellPointSize = points;
        invalidateLayout();
    }
}

void MonthCalendar::setFlatLabels(bool flat) {
    if (flat != m_flatLabels) {
        m_flatLabels = flat;
        update();
    }
}

void MonthCalendar::setCellBevels(bool bevels) {
    if (bevels != m_cellBevels) {
        m_cellBevels = bevels;
        invalidateLayout();
    }
}

QDate MonthCalendar::firstCellDate() const {
    const QDate first(m_date.year(), m_date.month(), 1);
    const int offset = (first.dayOfWeek() - int(m_weekStart) + 7) % 7;
    return first.addDays(-offset);
}

QDate MonthCalendar::dateOfCell(int index) const {
    if (index < 0 || index >= CellCount)
        return QDate();
    return firstCellDate().addDays(index);
}

int MonthCalendar::cellOfDate(const QDate& date) const {
    const qint64 index = firstCellDate().daysTo(date);
    return date.isValid() && index >= 0 && index < CellCount ? int(index) : -1;
}

int MonthCalendar::cellAt(const QPoint& point) const {
    const Layout& l = layout();
    if (!l.grid.contains(point))
        return -1;
    const auto col = std::upper_bound(l.columns.begin(), l.columns.end(), point.x()) - l.columns.begin() - 1;
    const auto row = std::upper_bound(l.rows.begin(), l.rows.end(), point.y()) - l.rows.begin() - 1;
    if (col < 0 || col >= 7 || row < 0 || row >= 6)
        return -1;
    return int(row * 7 + col);
}

QRect MonthCalendar::cellRect(int index) const {
    if (index < 0 || index >= CellCount)
        return QRect();
    const Layout& l = layout();
    const int col = index % 7;
    const int row = index / 7;
    return QRect(QPoint(l.columns[col], l.rows[row]), QPoint(l.columns[col + 1] - 1, l.rows[row + 1] - 1));
}

QSize MonthCalendar::sizeHint() const {
    QFont f = font();
    f.setPointSize(m_cellPointSize);
    const QFontMetrics fm(f);
    const int cellW = fm.horizontalAdvance(QStringLiteral("30")) + 10;
    const int cellH = fm.height() + 6;
    const int rows = 6 + (m_showHeader ? 1 : 0) + (m_showWeekdayHeader ? 1 : 0);
    return QSize(7 * cellW + 2 * m_bevelWidth + 1, rows * cellH + 2 * m_bevelWidth + 1);
}

QSize MonthCalendar::minimumSizeHint() const {
    return QSize(7 * 5 + 2 * m_bevelWidth, 6 * 5 + 2 * m_bevelWidth);
}

void MonthCalendar::invalidateLayout() {
    m_layoutValid = false;
    update();
}

const MonthCalendar::Layout& MonthCalendar::layout() const {
    if (m_layoutValid)
        return m_layout;
    Layout& l = m_layout;
    const FormatSettings& names = ProcessFormatSettings();

    l.content = rect().adjusted(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    const int width = std::max(0, l.content.width());
    const int height = std::max(0, l.content.height());

    QFont cellFont = font();
    cellFont.setPointSize(m_cellPointSize);
    QFont labelFont = cellFont;
    labelFont.setBold(true);

    int top = l.content.top();
    l.header = l.prevButton = l.nextButton = QRect();
    if (m_showHeader) {
        // The labels get the cell size but never more than a fifth of the height, and
        // shrink until the longest month name and a year fit between the arrows.
        const int headerHeight = std::min(QFontMetrics(labelFont).height() + 4, height / 5);
        const int button = m_showNavButtons ? std::max(headerHeight, 9) : 0;
        QString widest;
        int widestAdvance = -1;
        const QFontMetrics fm(labelFont);
        for (const QString& name : names.longMonthNames) {
            if (fm.horizontalAdvance(name) > widestAdvance) {
                widestAdvance = fm.horizontalAdvance(name);
                widest = name;
            }
        }
        labelFont = fitFont(labelFont, headerHeight - 2, width - 2 * button - 6, widest + QStringLiteral(" 0000"));
        l.header = QRect(l.content.left(), top, width, headerHeight);
        if (m_showNavButtons) {
            l.prevButton = QRect(l.header.left() + 1, top + 1, button - 2, headerHeight - 2);
            l.nextButton = QRect(l.header.right() - button + 2, top + 1, button - 2, headerHeight - 2);
        }
        top += headerHeight;
    }

    const int cellWidth = (width - 1) / 7;
    const int available = std::max(0, l.content.bottom() + 1 - top);
    l.weekdayRow = QRect();
    int weekdayHeight = 0;
    if (m_showWeekdayHeader) {
        weekdayHeight = std::min(QFontMetrics(cellFont).height() + 3, available / 7);
        l.weekdayRow = QRect(l.content.left(), top, width, weekdayHeight);
        top += weekdayHeight;
    }

    // One pixel of month background to the left and above the grid; each cell keeps one
    // at its right and bottom, so the cells stand apart evenly.
    l.grid = QRect(QPoint(l.content.left() + 1, top + 1), l.content.bottomRight());
    for (int i = 0; i <= 7; ++i)
        l.columns[i] = l.grid.left() + i * l.grid.width() / 7;
    for (int i = 0; i <= 6; ++i)
        l.rows[i] = l.grid.top() + i * l.grid.height() / 6;
    l.grid.setRight(l.columns[7] - 1);
    l.grid.setBottom(l.rows[6] - 1);

    // Day numbers keep a pixel clear on each side, inside the cell's bevel and its gap.
    const int cellHeight = std::max(0, l.grid.height() / 6 - 1);
    l.cellFont = fitFont(cellFont, cellHeight, cellWidth - 3 - (m_cellBevels ? 2 : 0), QStringLiteral("30"));
    l.labelFont = labelFont;

    if (m_showWeekdayHeader) {
        // The names take the cell font, and as many letters as fit every column.
        QFont dayFont = fitFont(l.cellFont, weekdayHeight - 1, cellWidth, QStringLiteral("W"));
        const QFontMetrics fm(dayFont);
        int letters = 1;
        for (int n : {0, 3, 2}) {
            if (m_weekdayLetters > 0 && (n == 0 || n > m_weekdayLetters))
                continue;
            bool fits = true;
            for (const QString& name : names.shortDayNames)
                fits = fits && fm.horizontalAdvance(n == 0 ? name : name.left(n)) <= cellWidth - 2;
            if (fits) {
                letters = n;
                break;
            }
        }
        l.weekdayFont = dayFont;
        for (int i = 0; i < 7; ++i) {
            const QString name = names.shortDayNames.value((int(m_weekStart) + i) % 7);
            l.weekdayNames[i] = letters == 0 ? name : name.left(letters);
        }
    }

    for (int day = 1; day <= 31; ++day) {
        QStaticText& text = l.dayTexts[day - 1];
        text.setText(QString::number(day));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), l.cellFont);
    }
    m_layoutValid = true;
    return l;
}

void MonthCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_layoutValid = false;
}

void MonthCalendar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::LocaleChange:
        case QEvent::PaletteChange:
            invalidateLayout();
            break;
        default:
            break;
    }
}

void MonthCalendar::paintEvent(QPaintEvent*) {
    const Layout& l = layout();
    QPainter painter(this);
    painter.fillRect(l.content, monthBackColor());
    if (m_bevel != Bevel::None)
        drawBevel(painter, rect(), palette(), m_bevel == Bevel::Raised, m_bevelWidth);
    painter.setClipRect(l.content);
    if (m_showHeader)
        paintHeader(painter, l);
    if (m_showWeekdayHeader)
        paintWeekdayRow(painter, l);
    paintCells(painter, l);
}

void MonthCalendar::paintHeader(QPainter& p, const Layout& l) const {
    const QPalette& pal = palette();
    const FormatSettings& names = ProcessFormatSettings();
    const QString& month = names.longMonthNames.value(m_date.month() - 1);
    const QString year = QString::number(m_date.year());

    p.setFont(l.labelFont);
    const QFontMetrics fm(l.labelFont);
    const int space = fm.horizontalAdvance(QLatin1Char(' '));
    const int monthWidth = fm.horizontalAdvance(month);
    const int total = monthWidth + space + fm.horizontalAdvance(year);
    const int left = l.header.left() + (l.header.width() - total) / 2;
    const int baseline = l.header.top() + (l.header.height() - fm.height()) / 2 + fm.ascent();
    const QColor text = pal.color(QPalette::WindowText);
    if (!m_flatLabels) {
        drawBevel(p, l.header.adjusted(1, 1, -1, 0), pal, true, 1);
        // Raised text: a light edge below and right of the letters.
        p.setPen(pal.color(QPalette::Light));
        p.drawText(left + 1, baseline + 1, month);
        p.drawText(left + monthWidth + space + 1, baseline + 1, year);
    }
    p.setPen(text);
    p.drawText(left, baseline, month);
    p.drawText(left + monthWidth + space, baseline, year);

    if (!m_showNavButtons)
        return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(text);
    for (const QRect& button : {l.prevButton, l.nextButton}) {
        const bool prev = button == l.prevButton;
        const int h = std::max(2, std::min(button.height(), button.width()) * 2 / 5);
        const QPointF c = QRectF(button).center();
        const qreal dx = (prev ? -1 : 1) * h * 0.55;
        const QPointF tri[3] = {{c.x() + dx, c.y()}, {c.x() - dx, c.y() - h}, {c.x() - dx, c.y() + h}};
        p.drawPolygon(tri, 3);
    }
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void MonthCalendar::paintWeekdayRow(QPainter& p, const Layout& l) const {
    const QPalette& pal = palette();
    p.fillRect(l.weekdayRow, weekdayHeaderBackColor());
    p.setFont(l.weekdayFont);
    p.setPen(pal.color(QPalette::WindowText));
    for (int i = 0; i < 7; ++i) {
        const QRect cell(l.columns[i], l.weekdayRow.top(), l.columns[i + 1] - l.columns[i], l.weekdayRow.height() - 1);
        p.drawText(cell, Qt::AlignCenter, l.weekdayNames[i]);
    }
    p.fillRect(l.weekdayRow.left() + 2, l.weekdayRow.bottom(), l.weekdayRow.width() - 4, 1, pal.color(QPalette::Dark));
}

void MonthCalendar::paintCells(QPainter& p, const Layout& l) const {
    const QPalette& pal = palette();
    const QColor back = pal.color(QPalette::Button);
    const QColor text = pal.color(QPalette::WindowText);
    const QColor otherBack = monthBackColor();
    const QColor otherText = blend(text, back);
    const QColor selectedBack = selectedBackColor();
    const QColor selectedText = selectedBack == pal.color(QPalette::Highlight) ? pal.color(QPalette::HighlightedText)
                                : selectedBack.lightness() < 128               ? QColor(Qt::white)
                                                                               : text;
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    const bool focusMark = hasFocus();

    p.setFont(l.cellFont);
    const QDate first = firstCellDate();
    CellPaint cell;
    for (int i = 0; i < CellCount; ++i) {
        cell.index = i;
        cell.date = first.addDays(i);
        cell.day = cell.date.day();
        cell.inMonth = cell.date.month() == m_date.month();
        cell.selected = cell.date == m_date;
        cell.skip = false;
        if (!cell.inMonth && !m_showOtherMonths)
            continue;
        if (cell.selected) {
            cell.backColor = selectedBack;
            cell.textColor = selectedText;
        } else {
            cell.backColor = cell.inMonth ? back : otherBack;
            cell.textColor = cell.inMonth ? text : otherText;
        }
        if (m_drawCell)
            m_drawCell(cell);
        if (cell.skip)
            continue;

        const int col = i % 7;
        const int row = i / 7;
        const QRect r(l.columns[col], l.rows[row], l.columns[col + 1] - l.columns[col] - 1,
                      l.rows[row + 1] - l.rows[row] - 1);
        p.fillRect(r, cell.backColor);
        if (m_cellBevels && r.width() > 3 && r.height() > 3) {
            p.fillRect(r.left(), r.top(), r.width(), 1, light);
            p.fillRect(r.left(), r.top(), 1, r.height(), light);
            p.fillRect(r.left(), r.bottom(), r.width(), 1, dark);
            p.fillRect(r.right(), r.top(), 1, r.height(), dark);
        }
        const QStaticText& number = l.dayTexts[cell.day - 1];
        const QSizeF size = number.size();
        p.setPen(cell.textColor);
        p.drawStaticText(
            QPointF(r.left() + (r.width() - size.width()) / 2.0, r.top() + (r.height() - size.height()) / 2.0), number);
        if (cell.selected && focusMark && r.width() > 6 && r.height() > 6) {
            p.setPen(QPen(cell.textColor, 1, Qt::DotLine));
            p.drawRect(r.adjusted(1, 1, -2, -2));
        }
    }
}

bool MonthCalendar::pressCell(const QPoint& point) {
    const int index = cellAt(point);
    if (index < 0)
        return false;
    const QDate date = dateOfCell(index);
    if (!m_showOtherMonths && date.month() != m_date.month())
        return false;
    setDate(date);
    emit clicked();
    return true;
}

void MonthCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Layout& l = layout();
    const QPoint pos = event->position().toPoint();
    if (m_showHeader && m_showNavButtons && (l.prevButton.contains(pos) || l.nextButton.contains(pos))) {
        const int months = l.prevButton.contains(pos) ? -1 : 1;
        emit pagePressed(months);
        addMonths(months);
        return;
    }
    pressCell(pos);
}

void MonthCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (cellAt(pos) < 0) {
        mousePressEvent(event);  // a quick second press on a paging arrow pages again
        return;
    }
    if (pressCell(pos))
        emit cellDoubleClicked(cellOfDate(m_date));
}

void MonthCalendar::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void MonthCalendar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            setDate(m_date.addDays(-1));
            break;
        case Qt::Key_Right:
            setDate(m_date.addDays(1));
            break;
        case Qt::Key_Up:
            setDate(m_date.addDays(-7));
            break;
        case Qt::Key_Down:
            setDate(m_date.addDays(7));
            break;
        case Qt::Key_PageUp:
            prevMonth();
            break;
        case Qt::Key_PageDown:
            nextMonth();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void MonthCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void MonthCalendar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
