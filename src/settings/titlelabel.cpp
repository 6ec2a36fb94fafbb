#include "settings/titlelabel.h"

#include <QPainter>
#include <QStyle>

#include "settings/programoptions.h"

TitleLabel::TitleLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void TitleLabel::setShadowDepth(int pixels) {
    if (pixels == m_depth)
        return;
    m_depth = std::max(0, pixels);
    updateGeometry();
    update();
}

QSize TitleLabel::sizeHint() const {
    return QLabel::sizeHint() + QSize(m_depth, m_depth);
}

QSize TitleLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() + QSize(m_depth, m_depth);
}

void TitleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin() - m_depth, -margin() - m_depth);
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextShowMnemonic |
                      (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.setFont(font());
    if (m_depth > 0) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawText(area.translated(m_depth, m_depth), flags, text());
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, flags, text());
}

void ApplyTitleStyle(QLabel* label, bool shadows) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, TitleColor(shadows));
    label->setPalette(p);
    if (auto* title = qobject_cast<TitleLabel*>(label))
        title->setShadowDepth(TitleShadowDepth(shadows));
}
