#include "settings/colorpanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ColorPanel::ColorPanel(const QString& caption, QWidget* parent)
    : QFrame(parent), m_caption(caption), m_color(Qt::white), m_fontColor(Qt::black) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(caption);
}

void ColorPanel::setColor(const QColor& color) {
    m_color = color;
    update();
}

void ColorPanel::setFontColor(const QColor& color) {
    m_fontColor = color;
    update();
}

void ColorPanel::setColors(const QColor& fontColor, const QColor& color) {
    m_fontColor = fontColor;
    m_color = color;
    update();
}

QSize ColorPanel::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(m_caption) + 24, fm.height() + 10);
}

void ColorPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.fillRect(inside, m_color);
        painter.setPen(m_fontColor);
        painter.drawText(inside, Qt::AlignCenter, m_caption);
        if (hasFocus()) {
            painter.setPen(QPen(m_fontColor, 1, Qt::DotLine));
            painter.drawRect(inside.adjusted(2, 2, -3, -3));
        }
    }
    QFrame::paintEvent(event);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ColorPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}
