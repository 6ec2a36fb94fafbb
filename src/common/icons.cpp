#include "common/icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

QIcon GlyphIcon(const QString& glyph, const QColor& color, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size * 3 / 4);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}
